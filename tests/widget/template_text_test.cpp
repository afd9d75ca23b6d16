#include <gtest/gtest.h>

#include "widget/template_text.h"

namespace {

TEST(TemplateText, OnlyTheFirstPercentSTakesTheArgument)
{
    const struct {
        const char *text;
        const char *arg;
        const char *expected;
    } cases[] = {
        {"open %s", "/home/kestrel/notes", "open /home/kestrel/notes"},
        {"%s %s", "/a", "/a %s"},
        {"%d %n %x", "/a", "%d %n %x"},
        {"100%% %s", "/a", "100% /a"},
        {"lone %", "/a", "lone %"},
        {"%", "/a", "%"},
        {"no directive", "/a", "no directive"},
        {"%%s", "/a", "%s"},
        // Without an argument nothing is substituted.
        {"hello\n", nullptr, "hello\n"},
        {"%s%d%n%%", nullptr, "%s%d%n%"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(expand_template(c.text, c.arg), c.expected) << c.text;
}

TEST(TemplateText, ArgumentIsNotReinterpreted)
{
    EXPECT_EQ(expand_template("x %s y", "%n%s%%"), "x %n%s%% y");
}

}  // namespace
