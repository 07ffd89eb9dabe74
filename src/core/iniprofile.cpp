#include "core/iniprofile.h"

#include <climits>
#include <cstring>
#include <filesystem>
#include <optional>
#include <unistd.h>

#include "core/atomicfile.h"

namespace scrivlet {

namespace {

constexpr std::string_view Bom = "\xEF\xBB\xBF";

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

char asciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalsNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (asciiLower(a[i]) != asciiLower(b[i]))
            return false;
    }
    return true;
}

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// One line of the file: [begin, contentEnd) is its text without the line end, `next` where the
// following line starts.
struct Line {
    std::size_t begin = 0;
    std::size_t contentEnd = 0;
    std::size_t next = 0;
    bool hasEnd = false;
};

class LineReader {
public:
    explicit LineReader(std::string_view text) : text_(text) {}

    bool next(Line& line)
    {
        if (pos_ >= text_.size())
            return false;
        line.begin = pos_;
        const void* nl = std::memchr(text_.data() + pos_, '\n', text_.size() - pos_);
        if (nl == nullptr) {
            line.contentEnd = line.next = text_.size();
            line.hasEnd = false;
        } else {
            const std::size_t at = static_cast<std::size_t>(static_cast<const char*>(nl) - text_.data());
            line.contentEnd = (at > pos_ && text_[at - 1] == '\r') ? at - 1 : at;
            line.next = at + 1;
            line.hasEnd = true;
        }
        pos_ = line.next;
        return true;
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

enum class LineKind { Blank, Section, Key, Other };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    std::string_view name;        // section or key name, without blanks
    std::size_t valueStart = 0;   // first byte after "=" and the blanks following it
};

ParsedLine parse(std::string_view text, const Line& line)
{
    std::size_t p = line.begin;
    if (p == 0 && text.substr(0, Bom.size()) == Bom)
        p = Bom.size();
    while (p < line.contentEnd && isBlank(text[p]))
        ++p;
    ParsedLine parsed;
    if (p == line.contentEnd) {
        parsed.kind = LineKind::Blank;
        return parsed;
    }
    const std::string_view content = text.substr(p, line.contentEnd - p);
    if (content.front() == '[') {
        const std::size_t close = content.find(']');
        parsed.kind = LineKind::Section;
        parsed.name = trimmed(content.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
        return parsed;
    }
    const std::size_t eq = content.find('=');
    if (content.front() == ';' || eq == std::string_view::npos)
        return parsed;
    parsed.kind = LineKind::Key;
    parsed.name = trimmed(content.substr(0, eq));
    std::size_t v = p + eq + 1;
    while (v < line.contentEnd && isBlank(text[v]))
        ++v;
    parsed.valueStart = v;
    return parsed;
}

// Where a key is, or where it would go.
struct Location {
    bool sectionFound = false;
    bool keyFound = false;
    std::size_t valueStart = 0;  // the key's value text: [valueStart, valueEnd)
    std::size_t valueEnd = 0;
    std::size_t insertAt = 0;    // just after the section's last line that is not blank
    bool insertNeedsLineEnd = false;
};

// Only the first section of that name counts, and the first key of that name in it.
Location locate(std::string_view text, std::string_view section, std::string_view key)
{
    Location loc;
    LineReader reader(text);
    Line line;
    while (reader.next(line)) {
        const ParsedLine parsed = parse(text, line);
        if (parsed.kind == LineKind::Section) {
            if (loc.sectionFound)
                break;
            if (!equalsNoCase(parsed.name, section))
                continue;
            loc.sectionFound = true;
        } else if (!loc.sectionFound || parsed.kind == LineKind::Blank) {
            continue;
        } else if (parsed.kind == LineKind::Key && equalsNoCase(parsed.name, key)) {
            loc.keyFound = true;
            loc.valueStart = parsed.valueStart;
            loc.valueEnd = line.contentEnd;
            while (loc.valueEnd > loc.valueStart && isBlank(text[loc.valueEnd - 1]))
                --loc.valueEnd;
            return loc;
        }
        loc.insertAt = line.next;
        loc.insertNeedsLineEnd = !line.hasEnd;
    }
    return loc;
}

// The line end a rewrite adds lines with: the one most lines of the file end with; LF for a file
// without line ends.
std::string_view dominantLineEnd(std::string_view text)
{
    std::size_t crlf = 0;
    std::size_t lf = 0;
    LineReader reader(text);
    Line line;
    while (reader.next(line)) {
        if (!line.hasEnd)
            break;
        if (line.contentEnd + 1 < line.next)
            ++crlf;
        else
            ++lf;
    }
    return crlf > lf ? "\r\n" : "\n";
}

bool hasAny(std::string_view s, std::string_view chars)
{
    return s.find_first_of(chars) != std::string_view::npos;
}

constexpr std::string_view LineBreakOrNul{"\r\n\0", 3};

bool isStorableSection(std::string_view section)
{
    return !section.empty() && trimmed(section) == section && !hasAny(section, LineBreakOrNul)
        && section.find(']') == std::string_view::npos;
}

bool isStorableKey(std::string_view key)
{
    return !key.empty() && trimmed(key) == key && !hasAny(key, LineBreakOrNul)
        && key.find('=') == std::string_view::npos && key.front() != ';' && key.front() != '[';
}

// The stored text that reads back as `value`.
std::string encodeValue(std::string_view value)
{
    const bool needsQuotes = (!value.empty() && (isBlank(value.front()) || isBlank(value.back())))
        || (value.size() >= 2 && value.front() == '"' && value.back() == '"');
    if (!needsQuotes)
        return std::string(value);
    std::string quoted;
    quoted.reserve(value.size() + 2);
    quoted += '"';
    quoted += value;
    quoted += '"';
    return quoted;
}

std::string_view decodeValue(std::string_view stored)
{
    if (stored.size() >= 2 && stored.front() == '"' && stored.back() == '"')
        stored = stored.substr(1, stored.size() - 2);
    return stored.substr(0, stored.find('\0'));
}

void setValue(std::string& text, std::string_view section, std::string_view key, std::string_view value)
{
    const Location loc = locate(text, section, key);
    const std::string encoded = encodeValue(value);
    if (loc.keyFound) {
        text.replace(loc.valueStart, loc.valueEnd - loc.valueStart, encoded);
        return;
    }
    const std::string_view eol = dominantLineEnd(text);
    std::string added;
    if (loc.sectionFound) {
        if (loc.insertNeedsLineEnd)
            added += eol;
        added.append(key).append("=").append(encoded).append(eol);
        text.insert(loc.insertAt, added);
        return;
    }
    if (!text.empty() && text.back() != '\n')
        added += eol;
    added.append("[").append(section).append("]").append(eol);
    added.append(key).append("=").append(encoded).append(eol);
    text += added;
}

std::optional<std::string> readValue(const std::string& file, std::string_view section, std::string_view key)
{
    std::string text;
    if (fileio::readWholeFile(file, text) != fileio::ReadResult::Ok)
        return std::nullopt;
    const Location loc = locate(text, section, key);
    if (!loc.keyFound)
        return std::nullopt;
    return std::string(decodeValue(std::string_view(text).substr(loc.valueStart, loc.valueEnd - loc.valueStart)));
}

// Like atol: leading white space, an optional sign, then digits up to the first other character;
// no digits at all give 0. Values beyond the range of int are held at its ends.
int parseInt(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || (s[i] >= '\t' && s[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        negative = s[i++] == '-';
    long long magnitude = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        magnitude = magnitude * 10 + (s[i] - '0');
        if (magnitude > static_cast<long long>(INT_MAX) + 1)
            magnitude = static_cast<long long>(INT_MAX) + 1;
    }
    const long long value = negative ? -magnitude : magnitude;
    return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

std::string cutToBuffer(std::string_view s, std::size_t bufferSize)
{
    if (bufferSize == 0)
        return {};
    return std::string(s.substr(0, bufferSize - 1));
}

} // namespace

namespace ini {

int getInt(const std::string& file, std::string_view section, std::string_view key, int def)
{
    const std::optional<std::string> value = readValue(file, section, key);
    return value ? parseInt(*value) : def;
}

std::string getString(const std::string& file, std::string_view section, std::string_view key,
                      std::size_t bufferSize, std::string_view def)
{
    const std::optional<std::string> value = readValue(file, section, key);
    return cutToBuffer(value ? std::string_view(*value) : def, bufferSize);
}

bool isStorableValue(std::string_view value)
{
    return !hasAny(value, LineBreakOrNul);
}

bool writeStrings(const std::string& file, std::string_view section,
                  const std::vector<std::pair<std::string, std::string>>& keyValues)
{
    if (!isStorableSection(section))
        return false;
    for (const auto& [key, value] : keyValues) {
        if (!isStorableKey(key) || !isStorableValue(value))
            return false;
    }
    std::string text;
    // A file that is there but cannot be read must not be replaced by one holding only these keys.
    if (fileio::readWholeFile(file, text) == fileio::ReadResult::Failed)
        return false;
    for (const auto& [key, value] : keyValues)
        setValue(text, section, key, value);
    return fileio::replaceFileAtomically(file, text);
}

bool writeString(const std::string& file, std::string_view section, std::string_view key,
                 std::string_view value)
{
    return writeStrings(file, section, {{std::string(key), std::string(value)}});
}

bool writeInt(const std::string& file, std::string_view section, std::string_view key, int value)
{
    return writeString(file, section, key, std::to_string(value));
}

} // namespace ini

TProfile::TProfile(std::string section, std::string fileName)
    : section_(std::move(section))
    , file_(std::move(fileName))
{
    if (!file_.empty() && file_.front() != '/' && ::access(file_.c_str(), F_OK) == 0) {
        std::error_code ec;
        const std::filesystem::path absolute = std::filesystem::absolute(file_, ec);
        if (!ec)
            file_ = absolute.string();
    }
}

int TProfile::GetInt(std::string_view key, int def) const
{
    return ini::getInt(file_, section_, key, def);
}

std::string TProfile::GetString(std::string_view key, std::size_t bufferSize, std::string_view def) const
{
    return ini::getString(file_, section_, key, bufferSize, def);
}

bool TProfile::WriteInt(std::string_view key, int value)
{
    return ini::writeInt(file_, section_, key, value);
}

bool TProfile::WriteString(std::string_view key, std::string_view value)
{
    return ini::writeString(file_, section_, key, value);
}

bool TProfile::Flush()
{
    return true;
}

} // namespace scrivlet
