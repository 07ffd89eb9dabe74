#pragma once

#include <string>
#include <vector>

namespace scrivlet {

// The recently used files, kept in section "MRU" of the settings file.
class TRecentFiles {
public:
    static constexpr int MaxCapacity = 10;
    static constexpr int FirstCommandId = 31990; // entry i carries command 31990 + i

    // Capacity is min(10, numSavedFiles), a negative number counting as 0; writes it as "Count"
    // and flushes at once.
    TRecentFiles(std::string iniFile, int numSavedFiles);
    virtual ~TRecentFiles() = default;

    int capacity() const { return capacity_; }
    const std::string& iniFile() const { return iniFile_; }

    // The list as the menu shows it: entries MRU0 .. MRU(Count-1), skipping missing, empty and
    // "Default" ones, most recent first, each with its index.
    struct Entry {
        int index;
        std::string path;
    };
    std::vector<Entry> entries() const;

    // The stored path of the entry with command id `commandId`, whole; empty when the list has no such
    // entry.
    std::string GetMenuText(int commandId) const;

    // Puts `path` at the top: removes the entries equal to it (paths compare exactly), then moves every
    // entry down by one and writes `path` as MRU0; each step reaches the disk as a whole. An empty path,
    // or one holding a line break or NUL, cannot be stored and leaves the list as it was.
    void SaveMenuChoice(const std::string& path);

private:
    int count() const;
    std::string iniFile_;
    int capacity_;
};

} // namespace scrivlet
