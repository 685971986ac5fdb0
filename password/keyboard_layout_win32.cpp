// The keyboard layout and code page as Windows gives them for this thread.
#include "password/password_win32.h"

namespace velmora::win32 {
namespace {

class Win32KeyboardLayout final : public KeyboardLayout {
public:
    std::uint16_t key_for_character(unsigned char character) const override {
        return static_cast<std::uint16_t>(VkKeyScanA(static_cast<CHAR>(character)));
    }
    std::uint32_t character_of_key(std::uint32_t virtual_key) const override {
        return MapVirtualKeyA(virtual_key, MAPVK_VK_TO_CHAR);
    }
    bool is_lead_byte(unsigned char byte) const override { return IsDBCSLeadByte(byte) != FALSE; }
    std::string upper_case(std::string_view text) const override {
        std::string upper(text);
        if (!upper.empty()) CharUpperBuffA(upper.data(), static_cast<DWORD>(upper.size()));
        return upper;
    }
};

}  // namespace

const KeyboardLayout& keyboard_layout() {
    static const Win32KeyboardLayout layout;
    return layout;
}

}  // namespace velmora::win32
