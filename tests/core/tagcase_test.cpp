#include "core/tagcase.h"

#include <gtest/gtest.h>

using namespace scrivlet;

namespace {

std::string allBytes()
{
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        bytes.push_back(static_cast<char>(b));
    return bytes;
}

} // namespace

TEST(TagCase, OnlyTheFiftyTwoAsciiLettersChange)
{
    // Every byte value at once: catches locale-dependent conversion of 0x80-0xFF, of NUL cutting the
    // text short, and of neighbours of the letter ranges ('@', '[', '`', '{') being shifted.
    const std::string original = allBytes();
    for (const bool lower : {true, false}) {
        std::string text = original;
        applyTagCase(text, lower);
        ASSERT_EQ(text.size(), original.size());
        for (int b = 0; b < 256; ++b) {
            char expected = static_cast<char>(b);
            if (lower && b >= 'A' && b <= 'Z')
                expected = static_cast<char>(b + 32);
            if (!lower && b >= 'a' && b <= 'z')
                expected = static_cast<char>(b - 32);
            EXPECT_EQ(text[b], expected) << "byte " << b << (lower ? " lower" : " upper");
        }
    }
}

TEST(TagCase, WholeTextIsConvertedAttributesAndPathsIncluded)
{
    struct Row {
        const char* what;
        std::string text;
        std::string lower;
        std::string upper;
    };
    const Row rows[] = {
        {"attribute value converted alike", "<Script Language=\"JavaScript\">\r\n<!--\r\n\r\n",
         "<script language=\"javascript\">\r\n<!--\r\n\r\n", "<SCRIPT LANGUAGE=\"JAVASCRIPT\">\r\n<!--\r\n\r\n"},
        {"accented Latin-1 letter in a path kept", "<img src=\"Caf\xe9_1%.gif\">",
         "<img src=\"caf\xe9_1%.gif\">", "<IMG SRC=\"CAF\xe9_1%.GIF\">"},
        {"UTF-8 sequence kept", "<b title=\"\xc3\x89t\xc3\xa9\">", "<b title=\"\xc3\x89t\xc3\xa9\">",
         "<B TITLE=\"\xc3\x89T\xc3\xa9\">"},
        {"empty text", "", "", ""},
    };
    for (const Row& row : rows) {
        std::string lower = row.text;
        applyTagCase(lower, true);
        EXPECT_EQ(lower, row.lower) << row.what;
        std::string upper = row.text;
        applyTagCase(upper, false);
        EXPECT_EQ(upper, row.upper) << row.what;
    }
}

TEST(TagCase, RawBufferFormConvertsExactlyTheGivenLength)
{
    // The in-place form must neither stop at NUL nor run past the length.
    char text[] = "Ab\0Cd|Ef";
    toLowerAscii(text, 5);
    EXPECT_EQ(std::string(text, 8), std::string("ab\0cd|Ef", 8));
    toUpperAscii(text, 8);
    EXPECT_EQ(std::string(text, 8), std::string("AB\0CD|EF", 8));
}
