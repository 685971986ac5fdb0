// A US keyboard as Windows describes it (the values Wine gives on a US layout),
// with ASCII upper case. It can also play the US-International layout, whose
// quote key is a dead key, and a code page with two-byte characters.
#pragma once

#include "password/keyboard_layout.h"

#include <cctype>
#include <set>

namespace velmora::testing {

class FakeUsLayout final : public KeyboardLayout {
public:
    std::uint16_t key_for_character(unsigned char c) const override {
        constexpr std::uint16_t shift = 0x100, control = 0x200;
        if (c >= 'a' && c <= 'z') return static_cast<std::uint16_t>(c - 'a' + 'A');
        if (c >= 'A' && c <= 'Z') return shift | c;
        if (c >= '0' && c <= '9') return c;
        if (c == ' ') return 0x20;
        if (c >= 0x01 && c <= 0x1A) return static_cast<std::uint16_t>(control | (c - 1 + 'A'));
        for (int digit = 0; digit < 10; ++digit)
            if (c == shifted_digits[digit]) return static_cast<std::uint16_t>(shift | ('0' + digit));
        for (const Punctuation& key : punctuation) {
            if (c == key.plain) return key.virtual_key;
            if (c == key.shifted) return shift | key.virtual_key;
        }
        return 0xFFFF;
    }
    std::uint32_t character_of_key(std::uint32_t vk) const override {
        if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9') || vk == 0x20) return vk;
        for (const Punctuation& key : punctuation)
            if (vk == key.virtual_key)
                return (international && vk == quote_key ? 0x80000000u : 0u) | static_cast<unsigned char>(key.plain);
        return 0;
    }
    bool is_lead_byte(unsigned char byte) const override { return lead_bytes.contains(byte); }
    std::string upper_case(std::string_view text) const override {
        std::string upper(text);
        for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return upper;
    }

    bool international = false;  // the quote key is a dead key
    std::set<unsigned char> lead_bytes;

private:
    struct Punctuation {
        char plain, shifted;
        std::uint16_t virtual_key;
    };
    static constexpr const char* shifted_digits = ")!@#$%^&*(";
    static constexpr std::uint16_t quote_key = 0xDE;
    static constexpr Punctuation punctuation[] = {
        {';', ':', 0xBA}, {'=', '+', 0xBB}, {',', '<', 0xBC},  {'-', '_', 0xBD}, {'.', '>', 0xBE}, {'/', '?', 0xBF},
        {'`', '~', 0xC0}, {'[', '{', 0xDB}, {'\\', '|', 0xDC}, {']', '}', 0xDD}, {'\'', '"', 0xDE},
    };
};

}  // namespace velmora::testing
