#include "core/colorcode.h"

namespace scrivlet {

std::string colorCode(int red, int green, int blue)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string code(1, '#');
    for (const int component : {red, green, blue}) {
        const unsigned value = static_cast<unsigned>(component) & 0xFFu;
        code += digits[value >> 4];
        code += digits[value & 0xFu];
    }
    return code;
}

std::string colorStartTag(const ColorTag& tag, std::string_view code)
{
    std::string text(tag.head);
    text += code;
    text += "\">";
    return text;
}

} // namespace scrivlet
