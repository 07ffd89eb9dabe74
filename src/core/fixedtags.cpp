#include "core/fixedtags.h"

#include <array>

namespace scrivlet {

namespace {

constexpr std::optional<std::string_view> none = std::nullopt;

// Opening and closing texts exactly as inserted before case conversion. The blank runs inside
// attribute values are left for the user to overwrite.
constexpr std::array tags{
    FixedTag{cmd::CmParagraph, "CmParagraph", "<p>", none},
    FixedTag{cmd::CmLineBreak, "CmLineBreak", "<br>", none},
    FixedTag{cmd::CmRuledLine, "CmRuledLine", "<hr>", none},
    FixedTag{cmd::CmHeading1, "CmHeading1", "<h1>", "</h1>"},
    FixedTag{cmd::CmHeading2, "CmHeading2", "<h2>", "</h2>"},
    FixedTag{cmd::CmHeading3, "CmHeading3", "<h3>", "</h3>"},
    FixedTag{cmd::CmHeading4, "CmHeading4", "<h4>", "</h4>"},
    FixedTag{cmd::CmHeading5, "CmHeading5", "<h5>", "</h5>"},
    FixedTag{cmd::CmHeading6, "CmHeading6", "<h6>", "</h6>"},
    FixedTag{cmd::CmBold, "CmBold", "<b>", "</b>"},
    FixedTag{cmd::CmItalic, "CmItalic", "<i>", "</i>"},
    FixedTag{cmd::CmUnderline, "CmUnderline", "<u>", "</u>"},
    FixedTag{cmd::CmPLeftAlign, "CmPLeftAlign", "<p align=\"left\">", "</p>"},
    FixedTag{cmd::CmPRightAlign, "CmPRightAlign", "<p align=\"right\">", "</p>"},
    FixedTag{cmd::CmPCenter, "CmPCenter", "<CENTER>", "</CENTER>"},
    FixedTag{cmd::CmPJustify, "CmPJustify", "<p align=\"justify\">", "</p>"},
    FixedTag{cmd::CmPreformated, "CmPreformated", "<pre>", "</pre>"},
    FixedTag{cmd::CmHTML, "CmHTML", "<HTML>", "</HTML>"},
    FixedTag{cmd::CmBody, "CmBody", "<BODY>", "</BODY>"},
    FixedTag{cmd::CmTEXT, "CmTEXT", "<BODY TEXT=\"    \">", "</BODY>"},
    FixedTag{cmd::CmLINK, "CmLINK", "<BODY LINK=\"    \">", "</BODY>"},
    FixedTag{cmd::CmVLINK, "CmVLINK", "<BODY VLINK=\"    \">", "</BODY>"},
    FixedTag{cmd::CmHEAD, "CmHEAD", "<HEAD>", "</HEAD>"},
    FixedTag{cmd::CmCOMMENT, "CmCOMMENT", "<COMMENT>", "</COMMENT>"},
    FixedTag{cmd::CmTITLE, "CmTITLE", "<TITLE>", "</TITLE>"},
    FixedTag{cmd::CmStrong, "CmStrong", "<STRONG>", "</STRONG>"},
    FixedTag{cmd::CmHREF, "CmHREF", "<A HREF=\"  \">", "</A>"},
    FixedTag{cmd::CmFont, "CmFont", "<FONT>", "</FONT>"},
    FixedTag{cmd::CmFontSize, "CmFontSize", "<FONT SIZE=\"    \">", "</FONT>"},
    FixedTag{cmd::CmFontFace, "CmFontFace", "<FONT FACE=\"    \">", "</FONT>"},
    FixedTag{cmd::CmUList, "CmUList", "<ul>\r\n\r\n", "</ul>"},
    FixedTag{cmd::CmOList, "CmOList", "<ol>\r\n\r\n", "</ol>"},
    FixedTag{cmd::CmListItem, "CmListItem", "<li>", "</li>"},
    FixedTag{cmd::CmCFrameset, "CmCFrameset", "<FRAMESET COLS=\"20%,*\">", "\r\n\r\n</FRAMESET>"},
    FixedTag{cmd::CmRFrameset, "CmRFrameset", "<FRAMESET ROWS=\"20%,*\">", "\r\n\r\n</FRAMESET>"},
    FixedTag{cmd::CmFrame, "CmFrame", "<FRAME SRC=\" \" NAME=\" \" SCROLLING=AUTO FRAMEBORDER=1>", none},
    FixedTag{cmd::CmNoFrames, "CmNoFrames", "<NOFRAMES>", "</NOFRAMES>"},
    FixedTag{cmd::CmTable, "CmTable", "<TABLE>\r\n\r\n", "</TABLE>"},
    FixedTag{cmd::CmTableHeading, "CmTableHeading", "<TH>", "</TH>"},
    FixedTag{cmd::CmTableData, "CmTableData", "<TD>", "</TD>"},
    FixedTag{cmd::CmTableRow, "CmTableRow", "<TR>", "</TR>"},
    FixedTag{cmd::CmJavaScript, "CmJavaScript", "<Script Language=\"JavaScript\">\r\n<!--\r\n\r\n",
             "\r\n//-->\r\n</script>"},
    FixedTag{cmd::CmVBScript, "CmVBScript", "<Script Language=\"VBScript\">\r\n<!--\r\n\r\n",
             "\r\n//-->\r\n</script>"},
    FixedTag{cmd::CmAppletParams, "CmAppletParams", "<Param name=\"  \" value=\"  \">", none},
};

} // namespace

std::span<const FixedTag> fixedTags()
{
    return tags;
}

const FixedTag* findFixedTag(CommandId id)
{
    for (const FixedTag& tag : tags)
        if (tag.id == id)
            return &tag;
    return nullptr;
}

} // namespace scrivlet
