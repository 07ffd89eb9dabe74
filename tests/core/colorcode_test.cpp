#include <gtest/gtest.h>

#include "core/colorcode.h"

using namespace scrivlet;

TEST(ColorCode, TwoUpperCaseDigitsPerComponentRedFirst)
{
    struct Row {
        const char* fault;
        int red, green, blue;
        const char* expected;
    };
    const Row rows[] = {
        {"components swapped", 255, 0, 0, "#FF0000"},
        {"blue not printed last", 0, 0, 255, "#0000FF"},
        {"no leading zero below 16", 5, 0, 10, "#05000A"},
        {"lower-case hex digits", 171, 205, 239, "#ABCDEF"},
        {"black", 0, 0, 0, "#000000"},
        {"white", 255, 255, 255, "#FFFFFF"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(colorCode(row.red, row.green, row.blue), row.expected) << row.fault;
}

TEST(ColorCode, ComposedStartTags)
{
    EXPECT_EQ(colorStartTag(BodyColorTag, "#FF0000"), "<BODY BGCOLOR=\"#FF0000\">");
    EXPECT_EQ(colorStartTag(FontColorTag, "#05000A"), "<FONT COLOR=\"#05000A\">");
    EXPECT_EQ(BodyColorTag.close, "</BODY>");
    EXPECT_EQ(FontColorTag.close, "</FONT>");
}
