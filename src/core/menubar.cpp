#include "core/commands.h"

#include <initializer_list>

namespace scrivlet {

namespace {

MenuItem item(std::string_view label, CommandId id)
{
    return MenuItem{MenuItem::Kind::Command, label, id, id, id, {}};
}

// An item whose chosen command or hint differs from its own identifier.
MenuItem itemIssuing(std::string_view label, CommandId id, CommandId issues, CommandId hintId)
{
    return MenuItem{MenuItem::Kind::Command, label, id, issues, hintId, {}};
}

MenuItem separator()
{
    return MenuItem{MenuItem::Kind::Separator, {}, 0, 0, 0, {}};
}

MenuItem popup(std::string_view label, std::initializer_list<MenuItem> children)
{
    return MenuItem{MenuItem::Kind::Popup, label, 0, 0, 0, std::vector<MenuItem>(children)};
}

// String-table entries that no command carries, shown by the items that lack a text of their own.
constexpr CommandId HintFontSize = 51714;
constexpr CommandId HintFontFace = 51715;
constexpr CommandId HintFrame = 18876;
constexpr CommandId HintArrangeIcons = 18877;

std::vector<MenuItem> buildMenuBar()
{
    using namespace cmd;
    return {
        popup("&File",
              {item("&New", CmFileNew), item("&Open...", CmFileOpen), separator(),
               item("&Save\tCtrl+S", CmFileSave), item("Save &As...", CmFileSaveAs), separator(),
               item("&Print...", CmFilePrint), item("P&rint Setup...", CmFilePrintSetup), separator(),
               item("&Browser View\tCtrl+Alt+T", CmBrowserView), separator(),
               item("E&xit\tAlt+F4", CmExit)}),
        separator(),
        popup("&Edit",
              {item("&Undo\tAlt+BkSp", CmEditUndo), separator(), item("&Find...", CmEditFind),
               item("&Replace...", CmEditReplace),
               // No object answers 18873 and it has no hint; the item sends the editor's find next
               // so that it works like F3.
               itemIssuing("&Next\bF3", CmNext, CmEditFindNext, CmNext), separator(),
               item("Cu&t\tCtrl+X", CmEditCut), item("&Copy\tCtrl+C", CmEditCopy),
               item("&Paste\tCtrl+V", CmEditPaste), separator(), item("Clear &All\tCtrl+Del", CmEditClear),
               item("&Delete\tDel", CmEditDelete), separator(), item("&Options...", CmOptions)}),
        popup("&Insert",
              {item("&Hyperlink", CmHREF), item("&Graphic...", CmIMG), separator(),
               popup("&Table",
                     {item("T&able", CmTable), separator(), item("Table &Row", CmTableRow),
                      item("Table &Heading", CmTableHeading), item("&Table Data", CmTableData)}),
               popup("&List", {item("&Ordered", CmOList), item("&Unordered", CmUList), separator(),
                               item("&List Item", CmListItem)}),
               popup("&Applets/Scripting",
                     {item("&JavaScript", CmJavaScript), item("&VBScript", CmVBScript), separator(),
                      popup("&Java Applet",
                            {item("&Insert Applet...", CmApplet), item("&Applet Parameter", CmAppletParams)})}),
               separator(), item("Color Code...", CmColorCode), separator(),
               item("&Other HTML...", CmOtherTag)}),
        popup("&Style",
              {popup("&Headings",
                     {item("Heading 1", CmHeading1), item("Heading 2", CmHeading2), item("Heading 3", CmHeading3),
                      item("Heading 4", CmHeading4), item("Heading 5", CmHeading5),
                      item("Heading 6", CmHeading6)}),
               separator(),
               popup("&Font", {item("F&ONT", CmFont), separator(),
                               itemIssuing("&SIZE", CmFontSize, CmFontSize, HintFontSize),
                               itemIssuing("&FACE", CmFontFace, CmFontFace, HintFontFace),
                               item("&COLOR...", CmFontColor)}),
               separator(), item("&Bold\tCtrl+B", CmBold), item("&Italic\tCtrl+I", CmItalic),
               item("&Underline\tCtrl+U", CmUnderline), separator(),
               popup("&Paragraph",
                     {item("Left Align\tCtrl+L", CmPLeftAlign), item("Right Align\tCtrl+R", CmPRightAlign),
                      item("Center Align\tCtrl+A", CmPCenter), item("Justify\tCtrl+J", CmPJustify)}),
               separator(), item("Pre&formated", CmPreformated), item("&Strong", CmStrong)}),
        popup("&Breaks", {item("&Paragraph\tCtrl+Enter", CmParagraph), item("&Line Break\tAlt+Enter", CmLineBreak),
                          item("&Ruled Line", CmRuledLine)}),
        popup("Str&ucture",
              {item("&HTML\tCtrl+H", CmHTML), separator(),
               popup("&Body", {item("Body", CmBody), separator(), item("BA&CKGROUND...", CmBackground),
                               item("&BGCOLOR...", CmBGCOLOR), item("&TEXT", CmTEXT), item("&LINK", CmLINK),
                               item("&VLINK", CmVLINK)}),
               popup("&Frame", {item("FRAMESET &ROWS", CmRFrameset), item("FRAMESET &COLS", CmCFrameset),
                                separator(), itemIssuing("&FRAME", CmFrame, CmFrame, HintFrame),
                                item("&NOFRAMES", CmNoFrames)}),
               separator(), item("HEAD", CmHEAD), item("&COMMENT", CmCOMMENT), item("&TITLE\tCtrl+T", CmTITLE)}),
        popup("&Window", {itemIssuing("&Arrange Icons", CmArrangeIcons, CmArrangeIcons, HintArrangeIcons),
                          item("&Tile", CmTileChildren), item("&Cascade", CmCascadeChildren)}),
        // Group boundaries: the edit group ends here; the container, object and window groups are empty.
        separator(),
        separator(),
        separator(),
        separator(),
        popup("&Help", {item("&About...", CmHelpAbout)}),
    };
}

const MenuItem* findIn(const std::vector<MenuItem>& items, CommandId id)
{
    for (const MenuItem& entry : items) {
        if (entry.kind == MenuItem::Kind::Command && entry.id == id)
            return &entry;
        if (entry.kind == MenuItem::Kind::Popup)
            if (const MenuItem* found = findIn(entry.children, id))
                return found;
    }
    return nullptr;
}

} // namespace

const std::vector<MenuItem>& menuBar()
{
    static const std::vector<MenuItem> bar = buildMenuBar();
    return bar;
}

const MenuItem* findMenuItem(CommandId id)
{
    if (id == 0)
        return nullptr;
    return findIn(menuBar(), id);
}

} // namespace scrivlet
