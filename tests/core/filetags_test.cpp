#include <gtest/gtest.h>

#include "core/filetags.h"

using namespace scrivlet;

TEST(FileTags, TagLettersFollowTheCasePathStaysExact)
{
    struct Row {
        const char* fault;
        FileTagKind kind;
        const char* path;
        bool lower;
        const char* open;
        const char* close;
    };
    const Row rows[] = {
        {"path lower-cased", FileTagKind::Image, "/home/Ann/Site/Logo.GIF", true,
         "<img src=\"/home/Ann/Site/Logo.GIF\">", ""},
        {"path upper-cased", FileTagKind::Image, "/home/Ann/Site/Logo.GIF", false,
         "<IMG SRC=\"/home/Ann/Site/Logo.GIF\">", ""},
        {"background tag or closing text wrong", FileTagKind::Background, "/srv/Back Ground.png", true,
         "<body background=\"/srv/Back Ground.png\">", "</body>"},
        {"applet size missing or in the wrong case", FileTagKind::Applet, "/x/Hello.class", false,
         "<APPLET SRC=\"/x/Hello.class\" HEIGHT=100 WIDTH=100>", "</APPLET>"},
        {"applet size attributes not lower-cased", FileTagKind::Applet, "/x/Hello.class", true,
         "<applet src=\"/x/Hello.class\" height=100 width=100>", "</applet>"},
        {"quote ends the attribute", FileTagKind::Image, "/tmp/a \"b\".gif", true,
         "<img src=\"/tmp/a &quot;b&quot;.gif\">", ""},
        {"bytes above 0x7F touched", FileTagKind::Image, "/tmp/\xC3\x84pfel.GIF", false,
         "<IMG SRC=\"/tmp/\xC3\x84pfel.GIF\">", ""},
    };
    for (const Row& row : rows) {
        const FileTagTexts texts = composeFileTag(row.kind, row.path, row.lower);
        EXPECT_EQ(texts.open, row.open) << row.fault;
        EXPECT_EQ(texts.close, row.close) << row.fault;
    }
}

TEST(FileTags, LongPathGoesInWhole)
{
    const std::string path = "/" + std::string(400, 'D') + "/Pic.gif";
    for (const FileTagKind kind : {FileTagKind::Image, FileTagKind::Background, FileTagKind::Applet}) {
        const std::string open = composeFileTag(kind, path, true).open;
        EXPECT_NE(open.find(path), std::string::npos);
        EXPECT_EQ(open.back(), '>');
    }
}
