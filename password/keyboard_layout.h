// The keyboard layout and text rules of the user's locale, as the password
// dialogs need them: which key makes a character, what that key makes without
// Shift, and the ANSI code page's upper case. The program asks Windows
// (keyboard_layout_win32); tests use a US layout.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace velmora {

class KeyboardLayout {
public:
    virtual ~KeyboardLayout() = default;
    // VkKeyScanA: low byte the virtual key, high byte the shift state; 0xFFFF when
    // no key makes the character.
    virtual std::uint16_t key_for_character(unsigned char character) const = 0;
    // MapVirtualKeyA(key, 2): the character the key makes without Shift in the low
    // word, the top bit set for a dead key, 0 when it makes none.
    virtual std::uint32_t character_of_key(std::uint32_t virtual_key) const = 0;
    // IsDBCSLeadByte: the byte starts a two-byte character of the code page.
    virtual bool is_lead_byte(unsigned char byte) const = 0;
    // CharUpperBuffA: the text in upper case under the code page's rules.
    virtual std::string upper_case(std::string_view text) const = 0;
};

}  // namespace velmora
