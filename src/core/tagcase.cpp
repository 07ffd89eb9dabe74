#include "core/tagcase.h"

namespace scrivlet {

namespace {

// Only the 26 ASCII letters of each case move; locale-dependent <cctype> would also touch
// bytes above 0x7F in some locales.
constexpr char lowered(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr char raised(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

void toLowerAscii(char* text, std::size_t length)
{
    for (std::size_t i = 0; i < length; ++i)
        text[i] = lowered(text[i]);
}

void toUpperAscii(char* text, std::size_t length)
{
    for (std::size_t i = 0; i < length; ++i)
        text[i] = raised(text[i]);
}

void applyTagCase(std::string& text, bool lower)
{
    if (lower)
        toLowerAscii(text.data(), text.size());
    else
        toUpperAscii(text.data(), text.size());
}

} // namespace scrivlet
