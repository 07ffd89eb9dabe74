#pragma once

#include <string>
#include <string_view>

namespace scrivlet {

// "#RRGGBB": each component as two upper-case hexadecimal digits, red first. Components are taken
// modulo 256.
std::string colorCode(int red, int green, int blue);

// A colour tag: the start tag's head, the code, then "\">"; closed by `close`.
struct ColorTag {
    std::string_view head;
    std::string_view close;
};
inline constexpr ColorTag BodyColorTag{"<BODY BGCOLOR=\"", "</BODY>"};
inline constexpr ColorTag FontColorTag{"<FONT COLOR=\"", "</FONT>"};

// The start tag of `tag` carrying `code`, in the table's upper case.
std::string colorStartTag(const ColorTag& tag, std::string_view code);

} // namespace scrivlet
