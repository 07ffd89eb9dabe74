#pragma once

#include <string>
#include <string_view>

namespace scrivlet {

// The tags that refer to a chosen file.
enum class FileTagKind { Image, Background, Applet };

// Opening and closing text of a file tag; an empty `close` means no closing text.
struct FileTagTexts {
    std::string open;
    std::string close;
};

// `path` as an attribute value inside double quotes: every '"' becomes "&quot;", all else stays.
std::string quotedAttributeValue(std::string_view path);

// The tag of `kind` referring to `path`, of any length. The tag's own letters follow the tag case
// (lower case when `lowerCase`); the path goes in byte for byte as given (file names are
// case-sensitive), only its double quotes escaped.
FileTagTexts composeFileTag(FileTagKind kind, std::string_view path, bool lowerCase);

} // namespace scrivlet
