// Reading the number at the start of a text, the way a general numeric parser
// does: the window handle after "/P" and "/A", and the numbers of the settings.
#pragma once

#include <cstdint>
#include <string_view>

namespace velmora {

// Blanks, tabs and line feeds are ignored wherever they stand ("1 2" is 12). Then
// an optional sign, digits with an optional decimal point and an exponent ("E" or
// "D", optionally signed), or "&H" followed by hexadecimal or "&O" by octal digits.
// Reading stops at the first character that cannot continue the number; no number
// gives 0. Hexadecimal and octal values are 32-bit patterns: "&HFFFFFFFF" is -1.
double read_number(std::string_view text);

// read_number, rounded half to even to a 32-bit signed integer. Values beyond the
// 32-bit range saturate at its limits (a huge exponent gives the largest value).
std::int32_t read_int32(std::string_view text);

}  // namespace velmora
