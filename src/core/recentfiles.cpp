#include "core/recentfiles.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <utility>

#include "core/iniprofile.h"

namespace scrivlet {

namespace {

constexpr std::string_view Section = "MRU";
constexpr std::string_view CountKey = "Count";
constexpr std::string_view NoEntry = "Default"; // the text a missing entry reads as for the menu

std::string entryKey(int index)
{
    return "MRU" + std::to_string(index);
}

// The stored value of an entry, or nothing when the key is missing. Paths are kept whole: a path
// cut to a fixed buffer would name a different file.
std::optional<std::string> storedEntry(const std::string& file, int index)
{
    // No stored value holds a line break, so this default can only mean a missing key.
    constexpr std::string_view Missing = "\n";
    std::string value = ini::getString(file, Section, entryKey(index), ini::WholeValue, Missing);
    if (value == Missing)
        return std::nullopt;
    return value;
}

} // namespace

TRecentFiles::TRecentFiles(std::string iniFile, int numSavedFiles)
    : iniFile_(std::move(iniFile))
    , capacity_(std::clamp(numSavedFiles, 0, MaxCapacity))
{
    TProfile mru(std::string(Section), iniFile_);
    mru.WriteInt(CountKey, capacity_);
    mru.Flush();
}

int TRecentFiles::count() const
{
    // The menu reserves command ids for MaxCapacity entries only, so a "Count" edited while the
    // program runs is held to that range as well.
    return std::clamp(ini::getInt(iniFile_, Section, CountKey, capacity_), 0, MaxCapacity);
}

std::vector<TRecentFiles::Entry> TRecentFiles::entries() const
{
    std::vector<Entry> list;
    const int n = count();
    for (int i = 0; i < n; ++i) {
        std::string path = ini::getString(iniFile_, Section, entryKey(i), ini::WholeValue, "");
        if (!path.empty() && path != NoEntry)
            list.push_back({i, std::move(path)});
    }
    return list;
}

std::string TRecentFiles::GetMenuText(int commandId) const
{
    const int index = commandId - FirstCommandId;
    if (index < 0 || index >= count())
        return {};
    std::string path = ini::getString(iniFile_, Section, entryKey(index), ini::WholeValue, "");
    return path == NoEntry ? std::string() : path;
}

void TRecentFiles::SaveMenuChoice(const std::string& path)
{
    // A path that cannot be stored would leave the list moved down with nothing on top.
    if (path.empty() || !ini::isStorableValue(path))
        return;
    const int n = count();
    std::vector<std::optional<std::string>> stored;
    for (int i = 0; i < n; ++i)
        stored.push_back(storedEntry(iniFile_, i));

    // Step 1: take out the entries equal to the path; the ones after them move up (a missing entry
    // as an empty value) and the freed places at the end are emptied.
    const auto isPath = [&](const std::optional<std::string>& e) { return e && *e == path; };
    const auto first = std::find_if(stored.begin(), stored.end(), isPath);
    if (first != stored.end()) {
        std::vector<std::optional<std::string>> kept;
        std::copy_if(stored.begin(), stored.end(), std::back_inserter(kept),
                     [&](const std::optional<std::string>& e) { return !isPath(e); });
        std::vector<std::pair<std::string, std::string>> writes;
        for (int i = static_cast<int>(first - stored.begin()); i < n; ++i) {
            const std::size_t k = static_cast<std::size_t>(i);
            writes.emplace_back(entryKey(i), k < kept.size() ? kept[k].value_or("") : std::string());
            stored[k] = writes.back().second;
        }
        ini::writeStrings(iniFile_, Section, writes);
    }

    // Step 2: every entry moves down by one, the last one to the place just past the list; an entry
    // that is missing or reads "Default" is not copied. Then the path goes on top.
    std::vector<std::pair<std::string, std::string>> writes;
    for (int i = n - 1; i >= 0; --i) {
        const std::optional<std::string>& entry = stored[static_cast<std::size_t>(i)];
        if (entry && *entry != NoEntry)
            writes.emplace_back(entryKey(i + 1), *entry);
    }
    writes.emplace_back(entryKey(0), path);
    ini::writeStrings(iniFile_, Section, writes);
}

} // namespace scrivlet
