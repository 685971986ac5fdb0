// The stored form of the screen saver password: a fixed-key exclusive-or of each
// character's byte, written as two lower-case letters per character. The form is
// kept in the "misc" setting; nothing here touches the store.
#pragma once

#include <string>
#include <string_view>

namespace velmora {

// Every character is taken as a single byte (its ANSI code, 0 to 255). The result
// is twice as long as `password`: for the j-th character one letter in "k".."z"
// (high four bits, counting down from "z") and one in "a".."p" (low four bits).
std::string scramble_password(std::string_view password);

// The inverse of scramble_password for every form it produces.
std::string unscramble_password(std::string_view scrambled_password);

}  // namespace velmora
