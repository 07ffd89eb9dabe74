#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace scrivlet {

// Private-profile (INI) access to one file, with the classic semantics:
// section and key names match regardless of ASCII case; the first of duplicate keys counts;
// every line a write does not touch stays byte for byte, and the file keeps its own line ends.
// A write rewrites the file through a temporary file in the same folder that is flushed and
// renamed over the old one, so a failed write leaves the old file intact.
// Lines starting with ";" are comments. Blanks around names and values are not part of them; a value
// wrapped in double quotes reads without them, and a write quotes a value only where it would not
// read back exactly otherwise (blanks at either end, or quotes at both). A value ends at a NUL byte.
namespace ini {

// Integer read: `def` when the file, section or key is missing; a value that is not a number reads as 0.
int getInt(const std::string& file, std::string_view section, std::string_view key, int def);

// String read, cut to `bufferSize - 1` bytes; `def` (cut alike) when the file, section or key is missing.
std::string getString(const std::string& file, std::string_view section, std::string_view key,
                      std::size_t bufferSize, std::string_view def);

// Replaces the key's value in place, or adds the key at the end of its section, or the section at the
// end of the file, or creates the file. Returns false when the file could not be written.
bool writeString(const std::string& file, std::string_view section, std::string_view key,
                 std::string_view value);
bool writeInt(const std::string& file, std::string_view section, std::string_view key, int value);

// Applies the writes in order as one replacement of the file: afterwards either all of them are in
// the file or none is. Returns false when any of them cannot be stored or the file cannot be written.
bool writeStrings(const std::string& file, std::string_view section,
                  const std::vector<std::pair<std::string, std::string>>& keyValues);

// Whether a value can be stored so that it reads back exactly: it holds no NUL and no line break.
// Other values are refused by the writes (a line break would forge keys of its own).
bool isStorableValue(std::string_view value);

// A buffer size for getString that keeps the whole value.
inline constexpr std::size_t WholeValue = static_cast<std::size_t>(-1);

} // namespace ini

// One section of one INI file, addressed by the file's name as given.
class TProfile {
public:
    // A relative name of an existing file is resolved to its absolute name here, once.
    TProfile(std::string section, std::string fileName);

    int GetInt(std::string_view key, int def = 0) const;
    std::string GetString(std::string_view key, std::size_t bufferSize, std::string_view def = {}) const;
    bool WriteInt(std::string_view key, int value);
    bool WriteString(std::string_view key, std::string_view value);
    // Returns when every write made so far is on disk. Each write above is already synced and
    // renamed into place before it returns, so this has nothing left to do and returns true.
    bool Flush();

    const std::string& fileName() const { return file_; }

private:
    std::string section_;
    std::string file_;
};

} // namespace scrivlet
