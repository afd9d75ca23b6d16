// The README: it opens with the two commands, and its key table is the
// default translation table, so the two cannot drift apart.

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/package/package_files.h"
#include "widget/actions.h"

namespace {

using namespace package;

std::string trim(const std::string &s)
{
    const std::size_t a = s.find_first_not_of(" \t");
    const std::size_t b = s.find_last_not_of(" \t");
    return a == std::string::npos ? std::string() : s.substr(a, b - a + 1);
}

// "event: actions" with the blanks around both parts dropped.
std::string binding(const std::string &event, const std::string &actions)
{
    return trim(event) + ": " + trim(actions);
}

// The cell text between backticks, or the whole cell.
std::string code(const std::string &cell)
{
    const std::string c = trim(cell);
    return c.size() >= 2 && c.front() == '`' && c.back() == '`' ? c.substr(1, c.size() - 2) : c;
}

TEST(Readme, OpensWithTheTwoCommands)
{
    const std::vector<std::string> lines = lines_of(read_file(source_path("README.md")));
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ(lines[0], "# dirnaut");
    EXPECT_EQ(lines[2], "```sh");
    EXPECT_EQ(lines[3].rfind("scripts/run ", 0), 0u);
    EXPECT_EQ(lines[4].rfind("scripts/test ", 0), 0u);
    EXPECT_EQ(lines[5], "```");
}

TEST(Readme, KeyTableIsTheDefaultTranslationTable)
{
    std::vector<std::string> table;
    bool inKeys = false;
    for (const std::string &line : lines_of(read_file(source_path("README.md")))) {
        if (line.rfind("## ", 0) == 0)
            inKeys = line == "## Keys and buttons";
        if (!inKeys || line.rfind("| `", 0) != 0)
            continue;
        // | `event` | `actions` | effect |
        const std::size_t second = line.find(" | ", 1);
        const std::size_t third = line.find(" | ", second + 3);
        ASSERT_NE(third, std::string::npos) << line;
        table.push_back(binding(code(line.substr(1, second - 1)), code(line.substr(second + 3, third - second - 3))));
    }
    std::vector<std::string> translations;
    for (const std::string &line : lines_of(defaultTranslations)) {
        const std::size_t colon = line.find(':');
        const std::string b = binding(line.substr(0, colon), line.substr(colon + 1));
        if (std::find(translations.begin(), translations.end(), b) == translations.end())
            translations.push_back(b);
    }
    EXPECT_EQ(table, translations);
}

}  // namespace
