#include "core/fixedtags.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>

using namespace scrivlet;

namespace {

std::string lowered(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// The element name right after the first "<" (or "</"), in lower case.
std::string elementName(std::string_view text)
{
    std::size_t at = text.find('<');
    if (at == std::string_view::npos)
        return {};
    ++at;
    if (at < text.size() && text[at] == '/')
        ++at;
    std::size_t end = at;
    while (end < text.size() && std::isalnum(static_cast<unsigned char>(text[end])))
        ++end;
    return lowered(text.substr(at, end - at));
}

} // namespace

TEST(FixedTags, FortyFourCommandsEachAChildHandlerOfTheCatalogue)
{
    EXPECT_EQ(fixedTags().size(), 44u);
    std::set<CommandId> tagIds;
    for (const FixedTag& tag : fixedTags()) {
        EXPECT_TRUE(tagIds.insert(tag.id).second) << tag.handler << " twice";
        const CommandInfo* info = findCommand(tag.id);
        ASSERT_NE(info, nullptr) << tag.handler << " (" << tag.id << ") is in no catalogue";
        EXPECT_EQ(info->owner, Owner::Child) << tag.handler;
        EXPECT_EQ(info->handler, tag.handler) << tag.id;
        EXPECT_EQ(findFixedTag(tag.id), &tag);
    }
    // The document window's other commands open a dialog, print or preview; none of them may be
    // taken for a fixed tag, and no fixed tag may be missing from the window's commands.
    const std::set<CommandId> notFixed{cmd::CmFilePrint, cmd::CmFilePrintSetup, cmd::CmBrowserView, cmd::CmIMG,
                                       cmd::CmColorCode, cmd::CmOtherTag,  cmd::CmFontColor,    cmd::CmBackground,
                                       cmd::CmBGCOLOR,   cmd::CmApplet};
    std::set<CommandId> childIds;
    for (const CommandInfo& info : commands())
        if (info.owner == Owner::Child && !notFixed.count(info.id))
            childIds.insert(info.id);
    EXPECT_EQ(tagIds, childIds);
    EXPECT_EQ(findFixedTag(cmd::CmIMG), nullptr);
}

TEST(FixedTags, TrickiestTextsByteForByte)
{
    struct Row {
        const char* fault;
        CommandId id;
        std::string open;
        std::optional<std::string> close;
    };
    const Row rows[] = {
        {"script blocks swapped or line ends lost", 51735, "<Script Language=\"JavaScript\">\r\n<!--\r\n\r\n",
         "\r\n//-->\r\n</script>"},
        {"VBScript closing without //-->", 51736, "<Script Language=\"VBScript\">\r\n<!--\r\n\r\n",
         "\r\n//-->\r\n</script>"},
        {"frame values quoted or blanks dropped", 51725,
         "<FRAME SRC=\" \" NAME=\" \" SCROLLING=AUTO FRAMEBORDER=1>", std::nullopt},
        {"columns frameset closing without two line breaks", 51724, "<FRAMESET COLS=\"20%,*\">",
         "\r\n\r\n</FRAMESET>"},
        {"rows frameset", 51726, "<FRAMESET ROWS=\"20%,*\">", "\r\n\r\n</FRAMESET>"},
        {"applet parameter blanks", 51739, "<Param name=\"  \" value=\"  \">", std::nullopt},
        {"BODY TEXT value not four blanks", 51703, "<BODY TEXT=\"    \">", "</BODY>"},
        {"VLINK value not four blanks", 51705, "<BODY VLINK=\"    \">", "</BODY>"},
        {"HREF value not two blanks", 51710, "<A HREF=\"  \">", "</A>"},
        {"table opening without line breaks", 51728, "<TABLE>\r\n\r\n", "</TABLE>"},
        {"unordered list", 51720, "<ul>\r\n\r\n", "</ul>"},
        {"centre not the CENTER element", 51701, "<CENTER>", "</CENTER>"},
        {"justify", 51698, "<p align=\"justify\">", "</p>"},
        {"heading 3 on the wrong id (ids descend from 3 on)", 51689, "<h3>", "</h3>"},
        {"heading 6 on the wrong id", 51686, "<h6>", "</h6>"},
        {"line break given a closing text", 18874, "<br>", std::nullopt},
    };
    for (const Row& row : rows) {
        const FixedTag* tag = findFixedTag(row.id);
        ASSERT_NE(tag, nullptr) << row.fault;
        EXPECT_EQ(tag->open, row.open) << row.fault;
        EXPECT_EQ(tag->close.has_value(), row.close.has_value()) << row.fault;
        if (tag->close && row.close) {
            EXPECT_EQ(*tag->close, *row.close) << row.fault;
        }
    }
}

TEST(FixedTags, EveryClosingTextClosesItsOwnElement)
{
    // Catches a row whose closing text was copied from its neighbour ("<h3>" ... "</h4>").
    int unclosed = 0;
    for (const FixedTag& tag : fixedTags()) {
        EXPECT_EQ(tag.open.front(), '<') << tag.handler;
        EXPECT_EQ(tag.open.find('\0'), std::string_view::npos) << tag.handler;
        if (!tag.close) {
            ++unclosed;
            continue;
        }
        EXPECT_EQ(elementName(*tag.close), elementName(tag.open)) << tag.handler;
        EXPECT_NE(tag.close->find("</"), std::string_view::npos) << tag.handler;
    }
    EXPECT_EQ(unclosed, 5); // paragraph, line break, ruled line, frame, applet parameter
}
