#include "core/commands.h"

#include <array>

namespace scrivlet {

namespace {

struct StringEntry {
    CommandId id;
    std::string_view text;
};

// The hint texts. Some entries serve no command of their own: items without a text of their own
// borrow 51714, 51715, 18876 and 18877; the rest are kept for completeness of the table.
constexpr std::array strings{
    // file
    StringEntry{24331, "Creates a new window"},
    StringEntry{24332, "Opens a window"},
    StringEntry{24333, "Saves the active document"},
    StringEntry{24334, "Saves the active document with a new name"},
    StringEntry{24337, "Prints the active document"},
    StringEntry{24338, "Sets print characteristics for the active document"},
    StringEntry{51733, "View in external browser"},
    StringEntry{24310, "Quits Scrivlet and prompts to save the documents"},
    // edit and search
    StringEntry{24321, "Reverses the last operation"},
    StringEntry{24351, "Finds the specified text"},
    StringEntry{24352, "Finds the specified text and changes it"},
    StringEntry{24353, "Finds the next match"},
    StringEntry{24322, "Cuts the selection and puts it on the Clipboard"},
    StringEntry{24323, "Copies the selection and puts it on the Clipboard"},
    StringEntry{24324, "Inserts the Clipboard contents at the insertion point"},
    StringEntry{24326, "Clears the active document"},
    StringEntry{24325, "Deletes the selection"},
    StringEntry{51734, "Change Scrivlet Options"},
    // insert
    StringEntry{51710, "Insert Hyperlink"},
    StringEntry{51711, "Insert Graphic"},
    StringEntry{51728, "Insert Table"},
    StringEntry{51729, "Insert Table Row"},
    StringEntry{51730, "Insert Table Headings"},
    StringEntry{51731, "Insert Table Data"},
    StringEntry{51719, "Begin Ordered List"},
    StringEntry{51720, "Begin Unordered List"},
    StringEntry{51721, "Insert List Item"},
    StringEntry{51709, "Insert Color Code"},
    StringEntry{51712, "Insert other HTML Tag"},
    // style
    StringEntry{51684, "Insert <H1>...</H1> Style"},
    StringEntry{51685, "Insert <H2>...</H2> Style"},
    StringEntry{51689, "Insert <H3>...</H3> Style"},
    StringEntry{51688, "Insert <H4>...</H4> Style"},
    StringEntry{51687, "Insert <H5>...</H5> Style"},
    StringEntry{51686, "Insert <H6>...</H6> Style"},
    StringEntry{51713, "Insert FONT Tag"},
    StringEntry{51716, "Change Font Color"},
    StringEntry{51690, "Make Text Bold"},
    StringEntry{51691, "Makes Text Italic"},
    StringEntry{51693, "Underlines Text"},
    StringEntry{51697, "Paragraph Left Align"},
    StringEntry{51699, "Paragraph Right"},
    StringEntry{51701, "Paragraph Center"},
    StringEntry{51698, "Paragraph Justify"},
    StringEntry{51702, "Preformats Text"},
    StringEntry{51700, "Adds Strong Attribute"},
    // breaks
    StringEntry{51682, "Insert <p> Tag"},
    StringEntry{18874, "Insert <br> tag"},
    StringEntry{51683, "Insert <hr> Tag"},
    // structure
    StringEntry{51692, "Add <HTML> Tags to a Document"},
    StringEntry{51694, "Add <BODY> Tag to Document"},
    StringEntry{51695, "Change Text Background"},
    StringEntry{51696, "Change Background Color"},
    StringEntry{51703, "Change Text Color"},
    StringEntry{51704, "Change Color for Unvisited Links"},
    StringEntry{51705, "Change Color for Visited Links"},
    StringEntry{51726, "Create Rows Frameset"},
    StringEntry{51724, "Insert a Columns Frameset"},
    StringEntry{51727, "Enter No Frames Tag"},
    StringEntry{51707, "Insert <HEAD> Tag"},
    StringEntry{51708, "Insert Comment Text"},
    StringEntry{51706, "Insert Web Page Title"},
    // window and help
    StringEntry{24362, "Tile Windows"},
    StringEntry{24361, "Cascade Windows"},
    StringEntry{2009, "About the Scrivlet application"},
    // the window's system commands
    StringEntry{61440, "Changes the size of the window"},
    StringEntry{61456, "Moves the window to another position"},
    StringEntry{61472, "Reduces the window to an icon"},
    StringEntry{61488, "Enlarges the window to it maximum size"},
    StringEntry{61504, "Switches to next window"},
    StringEntry{61536, "Closes the window"},
    StringEntry{61728, "Restores the window to its previous size"},
    StringEntry{61744, "Opens task list"},
    // carried by no command
    StringEntry{51714, "Change Font Size"},
    StringEntry{51715, "Change Font Typestyle"},
    StringEntry{18876, "Define a Frame"},
    StringEntry{18877, "Arrange Icons"},
    StringEntry{18875, "Tile Windows"},
    StringEntry{2008, "Access About"},
    StringEntry{51722, "Select WWW Browser"},
    StringEntry{51723, "Test Page in Web Browser"},
    StringEntry{51732, "Switch case of HTML Tags"},
    StringEntry{24320, "Edit operations"},
    StringEntry{24327, "Inserts a new line"},
    StringEntry{24328, "Edits the current line"},
    StringEntry{24339, "Closes the active document"},
    StringEntry{24350, "Search/replace operations"},
    StringEntry{65535, "File/document operations"},
};

} // namespace

std::optional<std::string_view> stringTable(CommandId id)
{
    for (const StringEntry& entry : strings)
        if (entry.id == id)
            return entry.text;
    return std::nullopt;
}

std::span<const CommandId> stringTableIds()
{
    static const auto ids = [] {
        std::array<CommandId, strings.size()> out{};
        for (std::size_t i = 0; i < strings.size(); ++i)
            out[i] = strings[i].id;
        return out;
    }();
    return ids;
}

} // namespace scrivlet
