#pragma once

#include <string>

namespace scrivlet {

// The user's options, as the application object holds them.
struct SettingsRecord {
    static constexpr std::size_t BrowserPathSize = 101; // at most 100 characters are kept

    bool LCTag = true;       // "LCaseTag": inserted tags in lower case (true) or upper case
    bool blnk = true;        // "BlankFile": open a blank document at start-up
    bool SysBrowser = true;  // "SysBrowser": preview in the desktop's browser, else in BrowserPath
    bool HColor = true;      // "HColor": the body-colour command also paints the editor background
    int MRUSize = 4;         // "MRUSize": requested length of the recent-files list (not capped)
    std::string dir;         // absolute path of the settings file, fixed at start-up
    std::string BrowserPath; // "BrowserPath": external browser program
};

// The settings file of a start directory: an existing file there whose name equals "scrivlet.ini"
// in any letter case (the exact name first, else the first such name in byte order), else
// "<startDir>/scrivlet.ini". Always an absolute path.
std::string settingsFilePath(const std::string& startDir);

// "MRUSize" of section "Options", default 4; read before the application object exists.
int readMRUSize(const std::string& settingsFile);

// Reads "LCaseTag", "BlankFile", "SysBrowser", "HColor" (default 1, true when not 0), then
// "BrowserPath" (empty default, first 100 characters). Sets `dir` to `settingsFile` and MRUSize to `mruSize`.
void loadSettings(SettingsRecord& record, const std::string& settingsFile, int mruSize);

// Writes the six option keys in the order LCaseTag, BlankFile, SysBrowser, MRUSize, HColor,
// BrowserPath to `record.dir`, then flushes. The result is not meant to be reported to the user.
bool writeSettings(const SettingsRecord& record);

} // namespace scrivlet
