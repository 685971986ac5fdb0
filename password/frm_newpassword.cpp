#include "password/frm_newpassword.h"

#include "password/scramble.h"

#include <optional>

namespace velmora {
namespace {

constexpr std::uint16_t no_key = 0xFFFF;
constexpr std::uint32_t dead_key = 0x80000000;

// The character the key of `character` types without Shift, or nothing when the
// layout has no such answer.
std::optional<char> unshifted(unsigned char character, const KeyboardLayout& layout) {
    const std::uint16_t key = layout.key_for_character(character);
    if (key == no_key) return std::nullopt;
    const std::uint32_t typed = layout.character_of_key(key % 256);
    if (typed & dead_key) return std::nullopt;
    const std::uint32_t code = typed & 0xFFFF;
    if (code == 0 || code > 255) return std::nullopt;
    return static_cast<char>(code);
}

}  // namespace

std::string normalize_password(std::string_view text, const KeyboardLayout& layout) {
    std::string normal;
    normal.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto character = static_cast<unsigned char>(text[i]);
        // Both bytes of a two-byte character stay: its second byte may look like a
        // letter, and changing it would make another character.
        if (layout.is_lead_byte(character) && i + 1 < text.size()) {
            normal += text.substr(i, 2);
            ++i;
            continue;
        }
        normal += unshifted(character, layout).value_or(text[i]);
    }
    return normal;
}

NewPasswordCheck check_new_password(std::string_view new_password, std::string_view confirmation,
                                    const KeyboardLayout& layout) {
    NewPasswordCheck check{normalize_password(new_password, layout), normalize_password(confirmation, layout),
                           NewPasswordVerdict::accepted};
    if (check.new_password != check.confirmation) check.verdict = NewPasswordVerdict::mismatch;
    else if (check.new_password.size() > max_password_length) check.verdict = NewPasswordVerdict::too_long;
    return check;
}

void store_new_password(Settings& settings, SettingsStore& store, std::string_view password) {
    settings.password = std::string(password);
    settings.scrambled_password = scramble_password(settings.password);
    store.write("misc", settings.scrambled_password);
}

}  // namespace velmora
