// The man page renders cleanly and names what the code defines: every option,
// resource (with its class and type) and action, the default translations
// line by line and the fallback resource lines.

#include <gtest/gtest.h>

#include <X11/IntrinsicP.h>

#include <algorithm>
#include <cctype>

#include "shell/options.h"
#include "tests/package/package_files.h"
#include "widget/MainScreen.h"
#include "widget/actions.h"

namespace {

using namespace package;

const std::string kPage = source_path("doc/dirnaut.1");

// Plain text as man shows it, wide enough that no table line wraps.
std::string rendered()
{
    static const std::string text =
        run("groff -man -Tascii -P-cbou -rLL=250n '" + kPage + "' 2>/dev/null").out;
    return text;
}

bool shows(const std::string &word)
{
    const std::string &text = rendered();
    // A whole word: not a prefix of a longer name such as showInfo of showInfoX.
    for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
        const std::size_t end = at + word.size();
        const bool startOk = at == 0 || !std::isalnum(static_cast<unsigned char>(text[at - 1]));
        const bool endOk = end == text.size() || !std::isalnum(static_cast<unsigned char>(text[end]));
        if (startOk && endOk)
            return true;
    }
    return false;
}

std::string trimmed(const std::string &line)
{
    const std::size_t start = line.find_first_not_of(" \t");
    return start == std::string::npos ? std::string() : line.substr(start);
}

// Whether a line of the page, without its indentation, is the text (whole)
// or begins with it.
bool has_line(const std::string &text, bool whole)
{
    static const std::vector<std::string> page = [] {
        std::vector<std::string> lines;
        for (const std::string &line : lines_of(rendered()))
            lines.push_back(trimmed(line));
        return lines;
    }();
    const std::string want = trimmed(text);
    return std::any_of(page.begin(), page.end(), [&](const std::string &p) { return whole ? p == want : p.rfind(want, 0) == 0; });
}

TEST(ManPage, RendersWithoutWarnings)
{
    const CommandResult groff = run("groff -man -Tutf8 -ww -z '" + kPage + "' 2>&1");
    EXPECT_EQ(groff.status, 0);
    EXPECT_EQ(groff.out, "");
    const CommandResult man = run("LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l '" + kPage + "' 2>&1 >/dev/null");
    EXPECT_EQ(man.status, 0);
    EXPECT_EQ(man.out, "");
    EXPECT_NE(rendered().find("SYNOPSIS"), std::string::npos);
}

TEST(ManPage, NamesEveryResourceWithItsClassAndType)
{
    XtResourceList list = nullptr;
    Cardinal n = 0;
    XtGetResourceList(mainScreenWidgetClass, &list, &n);
    ASSERT_GT(n, 0u);
    std::vector<XtResource> all(list, list + n);
    XtFree(reinterpret_cast<char *>(list));
    all.insert(all.end(), appResources, appResources + appResourceCount);
    for (const XtResource &r : all) {
        SCOPED_TRACE(r.resource_name);
        EXPECT_TRUE(shows(r.resource_name));
        EXPECT_TRUE(shows(r.resource_class));
        EXPECT_TRUE(shows(r.resource_type));
        // Name, class and type together on the resource's entry.
        const std::string &text = rendered();
        const std::size_t entry = text.find("\n       " + std::string(r.resource_name) + "\n");
        ASSERT_NE(entry, std::string::npos);
        const std::string body = text.substr(entry, text.find("\n\n", entry + 1) - entry);
        EXPECT_NE(body.find("Class " + std::string(r.resource_class) + ", type " + r.resource_type + ","),
                  std::string::npos)
            << body;
    }
}

TEST(ManPage, NamesEveryOptionAndAction)
{
    for (Cardinal i = 0; i < optionCount; ++i) {
        EXPECT_TRUE(shows(options[i].option)) << options[i].option;
        // The resource each option sets, without its leading '*'.
        EXPECT_TRUE(shows(options[i].specifier + 1)) << options[i].specifier;
    }
    for (Cardinal i = 0; i < mainScreenActionCount; ++i)
        EXPECT_TRUE(has_line(std::string(mainScreenActions[i].string) + "(", false)) << mainScreenActions[i].string;
    EXPECT_NE(rendered().find("<Message>WM_PROTOCOLS"), std::string::npos);
}

TEST(ManPage, ShowsTheDefaultTranslationsAndFallbackLines)
{
    for (const std::string &line : lines_of(defaultTranslations))
        EXPECT_TRUE(has_line(line, true)) << line;
    for (String *line = fallbackResources; *line != nullptr; ++line)
        EXPECT_TRUE(has_line(*line, true)) << *line;
}

}  // namespace
