#include "core/commands.h"

#include <algorithm>
#include <array>

namespace scrivlet {

namespace {

using enum Owner;

// Every command in menu order, with the member function that answers it and its owner on the
// routing chain. The editor's commands are answered by the platform's editor classes.
constexpr std::array catalogue{
    // file
    CommandInfo{cmd::CmFileNew, "CmFileNew", Client},
    CommandInfo{cmd::CmFileOpen, "CmFileOpen", Client},
    CommandInfo{cmd::CmFileSave, "CmFileSave", Editor},
    CommandInfo{cmd::CmFileSaveAs, "CmFileSaveAs", Editor},
    CommandInfo{cmd::CmFilePrint, "CmFilePrint", Child},
    CommandInfo{cmd::CmFilePrintSetup, "CmFilePrintSetup", Child},
    CommandInfo{cmd::CmBrowserView, "CmBrowserView", Child},
    CommandInfo{cmd::CmExit, "CmExit", App},
    // edit and search
    CommandInfo{cmd::CmEditUndo, "CmEditUndo", Editor},
    CommandInfo{cmd::CmEditFind, "CmEditFind", Editor},
    CommandInfo{cmd::CmEditReplace, "CmEditReplace", Editor},
    CommandInfo{cmd::CmNext, "", None}, // no object answers the "&Next" item's own identifier
    CommandInfo{cmd::CmEditFindNext, "CmEditFindNext", Editor},
    CommandInfo{cmd::CmEditCut, "CmEditCut", Editor},
    CommandInfo{cmd::CmEditCopy, "CmEditCopy", Editor},
    CommandInfo{cmd::CmEditPaste, "CmEditPaste", Editor},
    CommandInfo{cmd::CmEditClear, "CmEditClear", Editor},
    CommandInfo{cmd::CmEditDelete, "CmEditDelete", Editor},
    CommandInfo{cmd::CmOptions, "CmOptions", App},
    // insert
    CommandInfo{cmd::CmHREF, "CmHREF", Child},
    CommandInfo{cmd::CmIMG, "CmIMG", Child},
    CommandInfo{cmd::CmTable, "CmTable", Child},
    CommandInfo{cmd::CmTableRow, "CmTableRow", Child},
    CommandInfo{cmd::CmTableHeading, "CmTableHeading", Child},
    CommandInfo{cmd::CmTableData, "CmTableData", Child},
    CommandInfo{cmd::CmOList, "CmOList", Child},
    CommandInfo{cmd::CmUList, "CmUList", Child},
    CommandInfo{cmd::CmListItem, "CmListItem", Child},
    CommandInfo{cmd::CmJavaScript, "CmJavaScript", Child},
    CommandInfo{cmd::CmVBScript, "CmVBScript", Child},
    CommandInfo{cmd::CmApplet, "CmApplet", Child},
    CommandInfo{cmd::CmAppletParams, "CmAppletParams", Child},
    CommandInfo{cmd::CmColorCode, "CmColorCode", Child},
    CommandInfo{cmd::CmOtherTag, "CmOtherTag", Child},
    // style
    CommandInfo{cmd::CmHeading1, "CmHeading1", Child},
    CommandInfo{cmd::CmHeading2, "CmHeading2", Child},
    CommandInfo{cmd::CmHeading3, "CmHeading3", Child},
    CommandInfo{cmd::CmHeading4, "CmHeading4", Child},
    CommandInfo{cmd::CmHeading5, "CmHeading5", Child},
    CommandInfo{cmd::CmHeading6, "CmHeading6", Child},
    CommandInfo{cmd::CmFont, "CmFont", Child},
    CommandInfo{cmd::CmFontSize, "CmFontSize", Child},
    CommandInfo{cmd::CmFontFace, "CmFontFace", Child},
    CommandInfo{cmd::CmFontColor, "CmFontColor", Child},
    CommandInfo{cmd::CmBold, "CmBold", Child},
    CommandInfo{cmd::CmItalic, "CmItalic", Child},
    CommandInfo{cmd::CmUnderline, "CmUnderline", Child},
    CommandInfo{cmd::CmPLeftAlign, "CmPLeftAlign", Child},
    CommandInfo{cmd::CmPRightAlign, "CmPRightAlign", Child},
    CommandInfo{cmd::CmPCenter, "CmPCenter", Child},
    CommandInfo{cmd::CmPJustify, "CmPJustify", Child},
    CommandInfo{cmd::CmPreformated, "CmPreformated", Child},
    CommandInfo{cmd::CmStrong, "CmStrong", Child},
    // breaks
    CommandInfo{cmd::CmParagraph, "CmParagraph", Child},
    CommandInfo{cmd::CmLineBreak, "CmLineBreak", Child},
    CommandInfo{cmd::CmRuledLine, "CmRuledLine", Child},
    // structure
    CommandInfo{cmd::CmHTML, "CmHTML", Child},
    CommandInfo{cmd::CmBody, "CmBody", Child},
    CommandInfo{cmd::CmBackground, "CmBackground", Child},
    CommandInfo{cmd::CmBGCOLOR, "CmBGCOLOR", Child},
    CommandInfo{cmd::CmTEXT, "CmTEXT", Child},
    CommandInfo{cmd::CmLINK, "CmLINK", Child},
    CommandInfo{cmd::CmVLINK, "CmVLINK", Child},
    CommandInfo{cmd::CmRFrameset, "CmRFrameset", Child},
    CommandInfo{cmd::CmCFrameset, "CmCFrameset", Child},
    CommandInfo{cmd::CmFrame, "CmFrame", Child},
    CommandInfo{cmd::CmNoFrames, "CmNoFrames", Child},
    CommandInfo{cmd::CmHEAD, "CmHEAD", Child},
    CommandInfo{cmd::CmCOMMENT, "CmCOMMENT", Child},
    CommandInfo{cmd::CmTITLE, "CmTITLE", Child},
    // window and help
    CommandInfo{cmd::CmArrangeIcons, "CmArrangeIcons", Client},
    CommandInfo{cmd::CmTileChildren, "CmTileChildren", Client},
    CommandInfo{cmd::CmCascadeChildren, "CmCascadeChildren", Client},
    CommandInfo{cmd::CmHelpAbout, "CmHelpAbout", App},
    // recent files, inserted into the File menu at run time
    CommandInfo{cmd::CmFile0 + 0, "CmFile", App},
    CommandInfo{cmd::CmFile0 + 1, "CmFile", App},
    CommandInfo{cmd::CmFile0 + 2, "CmFile", App},
    CommandInfo{cmd::CmFile0 + 3, "CmFile", App},
    CommandInfo{cmd::CmFile0 + 4, "CmFile", App},
    CommandInfo{cmd::CmFile0 + 5, "CmFile", App},
    CommandInfo{cmd::CmFile0 + 6, "CmFile", App},
    CommandInfo{cmd::CmFile0 + 7, "CmFile", App},
    CommandInfo{cmd::CmFile0 + 8, "CmFile", App},
    CommandInfo{cmd::CmFile0 + 9, "CmFile", App},
};

// Flags: 0x01 virtual key, 0x08 Ctrl, 0x10 Alt. Key texts use QKeySequence's portable names.
constexpr std::array accelerators{
    Accelerator{"Ctrl+X", 0x09, 0x58, cmd::CmEditCut},
    Accelerator{"Ctrl+C", 0x09, 0x43, cmd::CmEditCopy},
    Accelerator{"Ctrl+V", 0x09, 0x56, cmd::CmEditPaste},
    Accelerator{"Ctrl+Del", 0x09, 0x2E, cmd::CmEditClear},
    Accelerator{"Alt+Backspace", 0x11, 0x08, cmd::CmEditUndo},
    Accelerator{"F3", 0x01, 0x72, cmd::CmEditFindNext},
    Accelerator{"Alt+Return", 0x11, 0x0D, cmd::CmLineBreak},
    Accelerator{"Ctrl+Return", 0x09, 0x0D, cmd::CmParagraph},
    Accelerator{"Ctrl+B", 0x09, 0x42, cmd::CmBold},
    Accelerator{"Ctrl+I", 0x09, 0x49, cmd::CmItalic},
    Accelerator{"Ctrl+U", 0x09, 0x55, cmd::CmUnderline},
    Accelerator{"Ctrl+S", 0x09, 0x53, cmd::CmFileSave},
    Accelerator{"Ctrl+H", 0x09, 0x48, cmd::CmHTML},
    Accelerator{"Ctrl+J", 0x09, 0x4A, cmd::CmPJustify},
    Accelerator{"Ctrl+A", 0x09, 0x41, cmd::CmPCenter},
    Accelerator{"Ctrl+R", 0x09, 0x52, cmd::CmPRightAlign},
    Accelerator{"Ctrl+L", 0x09, 0x4C, cmd::CmPLeftAlign},
    Accelerator{"Ctrl+T", 0x09, 0x54, cmd::CmTITLE},
    Accelerator{"Ctrl+Alt+T", 0x19, 0x54, cmd::CmBrowserView},
};

// Left to right; id 0 is a gap of 6.
constexpr std::array toolbarItems{
    ToolbarItem{cmd::CmFileNew, "document-new", ":/icons/document-new.svg"},
    ToolbarItem{cmd::CmFileOpen, "document-open", ":/icons/document-open.svg"},
    ToolbarItem{cmd::CmFileSave, "document-save", ":/icons/document-save.svg"},
    ToolbarItem{0, {}, {}},
    ToolbarItem{cmd::CmEditCut, "edit-cut", ":/icons/edit-cut.svg"},
    ToolbarItem{cmd::CmEditCopy, "edit-copy", ":/icons/edit-copy.svg"},
    ToolbarItem{cmd::CmEditPaste, "edit-paste", ":/icons/edit-paste.svg"},
    ToolbarItem{0, {}, {}},
    ToolbarItem{cmd::CmEditUndo, "edit-undo", ":/icons/edit-undo.svg"},
    ToolbarItem{0, {}, {}},
    ToolbarItem{cmd::CmEditFind, "edit-find", ":/icons/edit-find.svg"},
    // A theme without a search-down picture falls back to "go-down", not to Find's own picture.
    ToolbarItem{cmd::CmEditFindNext, "go-down-search", ":/icons/edit-find-next.svg"},
    ToolbarItem{0, {}, {}},
    ToolbarItem{cmd::CmFilePrint, "document-print", ":/icons/document-print.svg"},
};

constexpr std::size_t MaxHintLength = 127;
constexpr std::size_t MaxTooltipLength = 49;

} // namespace

std::span<const CommandInfo> commands()
{
    return catalogue;
}

const CommandInfo* findCommand(CommandId id)
{
    for (const CommandInfo& info : catalogue)
        if (info.id == id)
            return &info;
    return nullptr;
}

std::span<const Accelerator> acceleratorTable()
{
    return accelerators;
}

std::span<const ToolbarItem> toolbar()
{
    return toolbarItems;
}

std::string statusHint(CommandId id)
{
    const std::optional<std::string_view> text = stringTable(id);
    if (!text)
        return {};
    std::string_view hint = text->substr(0, text->find('\n'));
    return std::string(hint.substr(0, MaxHintLength));
}

std::optional<std::string> toolbarTooltip(CommandId id)
{
    if (const MenuItem* item = findMenuItem(id)) {
        std::string tip(splitLabel(item->label).text);
        while (!tip.empty() && tip.back() == '.')
            tip.pop_back();
        if (const std::size_t amp = tip.find('&'); amp != std::string::npos)
            tip.erase(amp, 1);
        tip.resize(std::min(tip.size(), MaxTooltipLength));
        return tip;
    }
    const std::optional<std::string_view> text = stringTable(id);
    if (!text)
        return std::nullopt;
    const std::size_t lineFeed = text->find('\n');
    if (lineFeed == std::string_view::npos)
        return std::nullopt;
    return std::string(text->substr(lineFeed + 1));
}

LabelParts splitLabel(std::string_view label)
{
    const std::size_t cut = label.find_first_of("\t\b");
    if (cut == std::string_view::npos)
        return {std::string(label), {}};
    return {std::string(label.substr(0, cut)), std::string(label.substr(cut + 1))};
}

} // namespace scrivlet
