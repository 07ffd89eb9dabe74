#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace scrivlet {

using CommandId = std::uint16_t;

// Command identifiers shared by menu items, accelerators, toolbar buttons, hints and response tables.
namespace cmd {
// application
inline constexpr CommandId CmHelpAbout = 2009;
inline constexpr CommandId CmExit = 24310;
inline constexpr CommandId CmOptions = 51734;
inline constexpr CommandId CmFile0 = 31990; // recent files: 31990 .. 31999
// file
inline constexpr CommandId CmFileNew = 24331;
inline constexpr CommandId CmFileOpen = 24332;
inline constexpr CommandId CmFileSave = 24333;
inline constexpr CommandId CmFileSaveAs = 24334;
inline constexpr CommandId CmFilePrint = 24337;
inline constexpr CommandId CmFilePrintSetup = 24338;
inline constexpr CommandId CmBrowserView = 51733;
// edit and search
inline constexpr CommandId CmEditUndo = 24321;
inline constexpr CommandId CmEditCut = 24322;
inline constexpr CommandId CmEditCopy = 24323;
inline constexpr CommandId CmEditPaste = 24324;
inline constexpr CommandId CmEditDelete = 24325;
inline constexpr CommandId CmEditClear = 24326;
inline constexpr CommandId CmEditFind = 24351;
inline constexpr CommandId CmEditReplace = 24352;
inline constexpr CommandId CmEditFindNext = 24353;
inline constexpr CommandId CmNext = 18873; // the Edit menu's "&Next" item
// window
inline constexpr CommandId CmCascadeChildren = 24361;
inline constexpr CommandId CmTileChildren = 24362;
inline constexpr CommandId CmArrangeIcons = 24364;
inline constexpr CommandId CmWindowListFirst = 32001; // first entry of the Window menu's window list
// markup
inline constexpr CommandId CmParagraph = 51682;
inline constexpr CommandId CmLineBreak = 18874;
inline constexpr CommandId CmRuledLine = 51683;
inline constexpr CommandId CmHeading1 = 51684;
inline constexpr CommandId CmHeading2 = 51685;
inline constexpr CommandId CmHeading3 = 51689;
inline constexpr CommandId CmHeading4 = 51688;
inline constexpr CommandId CmHeading5 = 51687;
inline constexpr CommandId CmHeading6 = 51686;
inline constexpr CommandId CmBold = 51690;
inline constexpr CommandId CmItalic = 51691;
inline constexpr CommandId CmHTML = 51692;
inline constexpr CommandId CmUnderline = 51693;
inline constexpr CommandId CmBody = 51694;
inline constexpr CommandId CmBackground = 51695;
inline constexpr CommandId CmBGCOLOR = 51696;
inline constexpr CommandId CmPLeftAlign = 51697;
inline constexpr CommandId CmPJustify = 51698;
inline constexpr CommandId CmPRightAlign = 51699;
inline constexpr CommandId CmStrong = 51700;
inline constexpr CommandId CmPCenter = 51701;
inline constexpr CommandId CmPreformated = 51702;
inline constexpr CommandId CmTEXT = 51703;
inline constexpr CommandId CmLINK = 51704;
inline constexpr CommandId CmVLINK = 51705;
inline constexpr CommandId CmTITLE = 51706;
inline constexpr CommandId CmHEAD = 51707;
inline constexpr CommandId CmCOMMENT = 51708;
inline constexpr CommandId CmColorCode = 51709;
inline constexpr CommandId CmHREF = 51710;
inline constexpr CommandId CmIMG = 51711;
inline constexpr CommandId CmOtherTag = 51712;
inline constexpr CommandId CmFont = 51713;
inline constexpr CommandId CmFontColor = 51716;
inline constexpr CommandId CmFontSize = 51717;
inline constexpr CommandId CmFontFace = 51718;
inline constexpr CommandId CmOList = 51719;
inline constexpr CommandId CmUList = 51720;
inline constexpr CommandId CmListItem = 51721;
inline constexpr CommandId CmCFrameset = 51724;
inline constexpr CommandId CmFrame = 51725;
inline constexpr CommandId CmRFrameset = 51726;
inline constexpr CommandId CmNoFrames = 51727;
inline constexpr CommandId CmTable = 51728;
inline constexpr CommandId CmTableRow = 51729;
inline constexpr CommandId CmTableHeading = 51730;
inline constexpr CommandId CmTableData = 51731;
inline constexpr CommandId CmJavaScript = 51735;
inline constexpr CommandId CmVBScript = 51736;
inline constexpr CommandId CmApplet = 51737;
inline constexpr CommandId CmAppletParams = 51739;
} // namespace cmd

// Which object on the routing chain answers a command.
enum class Owner { Editor, Child, Client, Frame, App, None };

struct CommandInfo {
    CommandId id;
    std::string_view handler; // member function name, e.g. "CmBold"
    Owner owner;
};

// A node of the menu bar. `label` is exactly the catalogue's text, "\t" or "\b" before a key text.
struct MenuItem {
    enum class Kind { Command, Separator, Popup };
    Kind kind;
    std::string_view label;
    CommandId id = 0;      // the item's identifier
    CommandId issues = 0;  // the command it sends when chosen (the id unless decided otherwise)
    CommandId hintId = 0;  // the string-table entry shown as its hint (the id unless decided otherwise)
    std::vector<MenuItem> children; // Popup only
};

// The menu bar in order, top-level group separators included (they are not shown).
const std::vector<MenuItem>& menuBar();
// The command item of the menu bar whose own identifier is `id`, searched through every submenu;
// null when no item carries it.
const MenuItem* findMenuItem(CommandId id);

struct Accelerator {
    // The key in QKeySequence's portable text: "Ctrl+X", "Ctrl+Del", "Alt+Backspace", "F3",
    // "Alt+Return", "Ctrl+Return", "Ctrl+Alt+T", ... ("Return" is the main Enter key).
    std::string_view keyText;
    std::uint8_t flags;       // 0x01 virtual key, 0x08 Ctrl, 0x10 Alt
    std::uint8_t virtualKey;  // Windows virtual-key code as in the table
    CommandId command;
};
std::span<const Accelerator> acceleratorTable();

// Every command the program knows, with its handler and owner.
std::span<const CommandInfo> commands();
const CommandInfo* findCommand(CommandId id);

// The string table: hint texts of commands, system commands and unused identifiers.
std::optional<std::string_view> stringTable(CommandId id);
// The identifiers of the string table's entries, in table order.
std::span<const CommandId> stringTableIds();
// The status-bar hint of `id`: its string-table text up to the first line feed, at most 127
// characters; empty when it has none.
std::string statusHint(CommandId id);

struct ToolbarItem {
    CommandId id;                // 0 for a gap of 6
    std::string_view themeIcon;  // freedesktop icon name of its glyph
    std::string_view fallback;   // bundled picture, ":/icons/<name>.svg"
};
std::span<const ToolbarItem> toolbar();

// The tooltip of a toolbar button: the label of the menu item with that id, cut at its first tab or
// backspace, trailing full stops and the first "&" removed, at most 49 characters; else the
// string-table text after its first line feed; else none.
std::optional<std::string> toolbarTooltip(CommandId id);

// The label as a menu shows it: the text before "\t" or "\b", and the key text after it.
struct LabelParts {
    std::string text;
    std::string key;
};
LabelParts splitLabel(std::string_view label);

} // namespace scrivlet
