#include "core/settings.h"

#include <filesystem>
#include <string_view>

#include "core/iniprofile.h"

namespace scrivlet {

namespace {

constexpr std::string_view FileName = "scrivlet.ini";
constexpr std::string_view OptionsSection = "Options";
constexpr int DefaultMRUSize = 4;

bool equalsNoCase(std::string_view a, std::string_view b)
{
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

std::string absoluteFolder(const std::string& dir)
{
    std::string folder = dir.empty() ? std::string(".") : dir;
    if (folder.front() != '/') {
        std::error_code ec;
        const std::filesystem::path absolute = std::filesystem::absolute(folder, ec);
        if (!ec)
            folder = absolute.string();
    }
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder;
}

// The bool options, in the order they are read.
struct BoolOption {
    std::string_view key;
    bool SettingsRecord::*member;
};
constexpr BoolOption ReadOrder[] = {
    {"LCaseTag", &SettingsRecord::LCTag},
    {"BlankFile", &SettingsRecord::blnk},
    {"SysBrowser", &SettingsRecord::SysBrowser},
    {"HColor", &SettingsRecord::HColor},
};

} // namespace

std::string settingsFilePath(const std::string& startDir)
{
    const std::string folder = absoluteFolder(startDir);
    const std::string prefix = folder == "/" ? folder : folder + "/";

    // Among several names that differ only in letter case, the exact one wins, then the first in
    // byte order, so every start picks the same file.
    std::string chosen;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!equalsNoCase(name, FileName))
            continue;
        std::error_code statError;
        if (!std::filesystem::is_regular_file(it->path(), statError))
            continue;
        if (name == FileName) {
            chosen = name;
            break;
        }
        if (chosen.empty() || name < chosen)
            chosen = name;
    }
    return prefix + (chosen.empty() ? std::string(FileName) : chosen);
}

int readMRUSize(const std::string& settingsFile)
{
    return ini::getInt(settingsFile, OptionsSection, "MRUSize", DefaultMRUSize);
}

void loadSettings(SettingsRecord& record, const std::string& settingsFile, int mruSize)
{
    record.dir = settingsFile;
    const TProfile options(std::string(OptionsSection), record.dir);
    for (const BoolOption& option : ReadOrder)
        record.*option.member = options.GetInt(option.key, 1) != 0;
    record.BrowserPath = options.GetString("BrowserPath", SettingsRecord::BrowserPathSize, "");
    record.MRUSize = mruSize;
}

bool writeSettings(const SettingsRecord& record)
{
    TProfile options(std::string(OptionsSection), record.dir);
    bool ok = true;
    ok &= options.WriteInt("LCaseTag", record.LCTag ? 1 : 0);
    ok &= options.WriteInt("BlankFile", record.blnk ? 1 : 0);
    ok &= options.WriteInt("SysBrowser", record.SysBrowser ? 1 : 0);
    ok &= options.WriteInt("MRUSize", record.MRUSize);
    ok &= options.WriteInt("HColor", record.HColor ? 1 : 0);
    ok &= options.WriteString("BrowserPath", record.BrowserPath);
    ok &= options.Flush();
    return ok;
}

} // namespace scrivlet
