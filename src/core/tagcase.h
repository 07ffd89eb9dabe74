#pragma once

#include <cstddef>
#include <string>

namespace scrivlet {

// Converts exactly the 52 ASCII letters, in place; every other byte (0x80-0xFF included) stays.
void toLowerAscii(char* text, std::size_t length);
void toUpperAscii(char* text, std::size_t length);
// Lower case when `lower`, else upper case.
void applyTagCase(std::string& text, bool lower);

} // namespace scrivlet
