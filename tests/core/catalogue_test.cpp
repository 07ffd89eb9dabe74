#include "core/commands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

using namespace scrivlet;

namespace {

void forEachCommandItem(const std::vector<MenuItem>& items, const std::function<void(const MenuItem&)>& visit)
{
    for (const MenuItem& item : items) {
        if (item.kind == MenuItem::Kind::Command)
            visit(item);
        else if (item.kind == MenuItem::Kind::Popup)
            forEachCommandItem(item.children, visit);
    }
}

// The label as the user reads it: without the key text and the first mnemonic marker.
std::string plainText(std::string_view label)
{
    std::string text = splitLabel(label).text;
    if (const std::size_t amp = text.find('&'); amp != std::string::npos)
        text.erase(amp, 1);
    return text;
}

// A menu's key text in the accelerator table's spelling.
std::string acceleratorSpelling(std::string key)
{
    const std::pair<std::string, std::string> renames[] = {{"BkSp", "Backspace"}, {"Enter", "Return"}};
    for (const auto& [from, to] : renames)
        if (const std::size_t at = key.find(from); at != std::string::npos)
            key.replace(at, from.size(), to);
    return key;
}

std::filesystem::path resourcesDir()
{
    return std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "resources";
}

} // namespace

TEST(Catalogue, EveryMenuCommandReachesAHandlerAndNoItemIdRepeats)
{
    std::map<CommandId, std::string> seen;
    forEachCommandItem(menuBar(), [&](const MenuItem& item) {
        const std::string label(item.label);
        EXPECT_TRUE(seen.emplace(item.id, label).second)
            << "id " << item.id << " on both \"" << seen[item.id] << "\" and \"" << label << "\"";
        const CommandInfo* info = findCommand(item.issues);
        ASSERT_NE(info, nullptr) << label << " issues " << item.issues << ", which no class answers";
        EXPECT_NE(info->owner, Owner::None) << label << " issues the unanswered " << item.issues;
        EXPECT_FALSE(info->handler.empty()) << label;
        if (item.id != cmd::CmNext) {
            EXPECT_EQ(item.issues, item.id) << label << " sends another command than its own";
        }
    });
    // The decision: "&Next" keeps its own id (so it has no toolbar tooltip) but works like F3.
    const MenuItem* next = findMenuItem(cmd::CmNext);
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->issues, cmd::CmEditFindNext);
    ASSERT_NE(findCommand(cmd::CmNext), nullptr);
    EXPECT_EQ(findCommand(cmd::CmNext)->owner, Owner::None);
}

TEST(Catalogue, EveryAnsweredCommandIsReachableFromMenuKeyOrToolbar)
{
    // A command that has a handler but no way to be chosen means a forgotten menu item.
    std::set<CommandId> reachable;
    forEachCommandItem(menuBar(), [&](const MenuItem& item) { reachable.insert(item.issues); });
    for (const Accelerator& accel : acceleratorTable())
        reachable.insert(accel.command);
    for (const ToolbarItem& item : toolbar())
        reachable.insert(item.id);

    std::set<CommandId> ids;
    for (const CommandInfo& info : commands()) {
        EXPECT_TRUE(ids.insert(info.id).second) << "command " << info.id << " listed twice";
        const bool recentFile = info.id >= cmd::CmFile0 && info.id < cmd::CmFile0 + 10;
        if (info.owner != Owner::None && !recentFile) {
            EXPECT_TRUE(reachable.count(info.id)) << info.handler << " (" << info.id << ") cannot be chosen";
        }
    }
}

TEST(Catalogue, TopLevelGroupsGiveEightMenusInOrder)
{
    // The separators mark the groups File 1, Edit 6, Container 0, Object 0, Window 0, Help 1.
    std::vector<std::string> visible;
    std::vector<int> groupSizes{0};
    for (const MenuItem& item : menuBar()) {
        ASSERT_NE(item.kind, MenuItem::Kind::Command) << "a command directly on the menu bar";
        if (item.kind == MenuItem::Kind::Separator) {
            groupSizes.push_back(0);
        } else {
            visible.push_back(plainText(item.label));
            ++groupSizes.back();
        }
    }
    EXPECT_EQ(visible, (std::vector<std::string>{"File", "Edit", "Insert", "Style", "Breaks", "Structure",
                                                  "Window", "Help"}));
    EXPECT_EQ(groupSizes, (std::vector<int>{1, 6, 0, 0, 0, 1}));

    // The Window menu is found as the only popup holding the arrangement commands.
    int windowMenus = 0;
    for (const MenuItem& item : menuBar())
        for (const MenuItem& child : item.children)
            if (child.id == cmd::CmCascadeChildren || child.id == cmd::CmTileChildren ||
                child.id == cmd::CmArrangeIcons) {
                EXPECT_EQ(plainText(item.label), "Window");
                ++windowMenus;
                break;
            }
    EXPECT_EQ(windowMenus, 1);
}

TEST(Catalogue, AcceleratorKeyTextsAgreeWithTheirCodesAndMenuLabels)
{
    std::map<CommandId, std::string> keyOf;
    std::set<std::string> keys;
    for (const Accelerator& accel : acceleratorTable()) {
        const std::string text(accel.keyText);
        const CommandInfo* info = findCommand(accel.command);
        ASSERT_NE(info, nullptr) << text << " sends " << accel.command << ", which no class answers";
        EXPECT_NE(info->owner, Owner::None) << text;
        EXPECT_TRUE(keys.insert(text).second) << text << " bound twice";
        keyOf[accel.command] = text;

        // The portable key text must name the same key and modifiers as the Windows entry.
        std::string key = text;
        std::uint8_t flags = 0x01;
        for (const auto& [prefix, flag] : {std::pair<std::string, std::uint8_t>{"Ctrl+", 0x08}, {"Alt+", 0x10}})
            if (key.rfind(prefix, 0) == 0) {
                flags |= flag;
                key.erase(0, prefix.size());
            }
        EXPECT_EQ(accel.flags, flags) << text;
        const std::map<std::string, std::uint8_t> named{{"Del", 0x2E}, {"Backspace", 0x08}, {"Return", 0x0D}, {"F3", 0x72}};
        const std::uint8_t code = named.count(key) ? named.at(key) : (key.size() == 1 ? std::uint8_t(key[0]) : 0);
        EXPECT_EQ(accel.virtualKey, code) << text;
    }
    EXPECT_EQ(acceleratorTable().size(), 19u);

    // A label's key text must be the key that really sends the item's command; "Del" and "Alt+F4"
    // are handled outside the table.
    forEachCommandItem(menuBar(), [&](const MenuItem& item) {
        const std::string shown = splitLabel(item.label).key;
        if (shown.empty() || shown == "Del" || shown == "Alt+F4")
            return;
        EXPECT_EQ(keyOf[item.issues], acceleratorSpelling(shown)) << item.label;
    });
}

TEST(Catalogue, ToolbarButtonsAndTheirTooltips)
{
    struct Expected {
        CommandId id;
        std::optional<std::string> tooltip;
    };
    const Expected expected[] = {
        {24331, "New"}, {24332, "Open"}, {24333, "Save"},  {0, std::nullopt},  {24322, "Cut"},
        {24323, "Copy"}, {24324, "Paste"}, {0, std::nullopt}, {24321, "Undo"}, {0, std::nullopt},
        {24351, "Find"}, {24353, std::nullopt}, // carried by no menu item, so no tooltip
        {0, std::nullopt}, {24337, "Print"},
    };
    const std::span<const ToolbarItem> items = toolbar();
    ASSERT_EQ(items.size(), std::size(expected));
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].id, expected[i].id) << "position " << i + 1;
        if (items[i].id == 0)
            continue;
        EXPECT_EQ(toolbarTooltip(items[i].id), expected[i].tooltip) << "button " << items[i].id;
        EXPECT_FALSE(statusHint(items[i].id).empty()) << "button " << items[i].id << " has no hint";
        EXPECT_FALSE(items[i].themeIcon.empty());
    }
}

TEST(Catalogue, BundledToolbarPicturesExistAndAreListedInTheResourceFile)
{
    std::ifstream qrcFile(resourcesDir() / "scrivlet.qrc");
    ASSERT_TRUE(qrcFile) << resourcesDir();
    const std::string qrc{std::istreambuf_iterator<char>(qrcFile), {}};
    std::vector<std::string> pictures{"icons/scrivlet.svg"};
    for (const ToolbarItem& item : toolbar())
        if (item.id != 0) {
            const std::string prefix = ":/";
            ASSERT_EQ(std::string(item.fallback).rfind(prefix, 0), 0u) << item.fallback;
            pictures.push_back(std::string(item.fallback.substr(prefix.size())));
        }
    for (const std::string& picture : pictures) {
        EXPECT_TRUE(std::filesystem::is_regular_file(resourcesDir() / picture)) << picture;
        EXPECT_NE(qrc.find("<file>" + picture + "</file>"), std::string::npos) << picture << " not in scrivlet.qrc";
    }
}

TEST(Catalogue, TooltipRuleUsesTheItemIdAndCleansTheLabel)
{
    struct Row {
        const char* fault;
        CommandId id;
        std::optional<std::string> tooltip;
    };
    const Row rows[] = {
        {"trailing dots kept", 24334, "Save As"},
        {"not cut at the tab", 24326, "Clear All"},
        {"not cut at the backspace", 18873, "Next"},
        {"searched only one level deep", 51739, "Applet Parameter"},
        {"found through the issued command instead of the item id", 24353, std::nullopt},
        {"string-table text without a line feed used as tooltip", 61536, std::nullopt},
        {"unknown id given a tooltip", 12345, std::nullopt},
    };
    for (const Row& row : rows)
        EXPECT_EQ(toolbarTooltip(row.id), row.tooltip) << row.fault;
}

TEST(Catalogue, SplitLabelSeparatesTheKeyTextAtTabOrBackspace)
{
    EXPECT_EQ(splitLabel("&Next\bF3").text, "&Next");
    EXPECT_EQ(splitLabel("&Next\bF3").key, "F3");
    EXPECT_EQ(splitLabel("&Browser View\tCtrl+Alt+T").key, "Ctrl+Alt+T");
    EXPECT_EQ(splitLabel("Pre&formated").text, "Pre&formated");
    EXPECT_EQ(splitLabel("Pre&formated").key, "");
}

TEST(Catalogue, MenuHintsIncludingTheBorrowedTexts)
{
    struct Row {
        const char* fault;
        CommandId itemId;
        std::string hint;
    };
    const Row rows[] = {
        {"SIZE not given the unused font-size text", 51717, "Change Font Size"},
        {"FACE not given the unused typestyle text", 51718, "Change Font Typestyle"},
        {"FRAME not given the unused frame text", 51725, "Define a Frame"},
        {"Arrange Icons not given the unused text", 24364, "Arrange Icons"},
        {"Next shows find next's hint though it has none", 18873, ""},
        {"an item without text shows something", 51735, ""},
        {"odd wording normalised", 51699, "Paragraph Right"},
        {"br and hr texts mixed up (case differs)", 18874, "Insert <br> tag"},
        {"hr text", 51683, "Insert <hr> Tag"},
    };
    for (const Row& row : rows) {
        const MenuItem* item = findMenuItem(row.itemId);
        ASSERT_NE(item, nullptr) << row.itemId;
        EXPECT_EQ(statusHint(item->hintId), row.hint) << row.fault;
    }
    // Only items without a text of their own borrow another entry's.
    forEachCommandItem(menuBar(), [](const MenuItem& item) {
        if (item.hintId != item.id) {
            EXPECT_FALSE(stringTable(item.id).has_value()) << item.label << " hides its own hint";
            EXPECT_TRUE(stringTable(item.hintId).has_value()) << item.label << " borrows a missing text";
        }
    });
}

TEST(Catalogue, StringTableHasOneEntryPerIdAndTheSystemCommandTexts)
{
    std::set<CommandId> ids;
    for (const CommandId id : stringTableIds())
        EXPECT_TRUE(ids.insert(id).second) << "string " << id << " twice";
    EXPECT_EQ(statusHint(61488), "Enlarges the window to it maximum size");
    EXPECT_EQ(statusHint(61536), "Closes the window");
    EXPECT_EQ(statusHint(65535), "File/document operations");
    EXPECT_EQ(statusHint(1), "");
    for (const CommandId id : stringTableIds())
        EXPECT_EQ(stringTable(id)->find('\n'), std::string_view::npos) << id;
}
