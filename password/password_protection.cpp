#include "password/password_protection.h"

#include "shell/numeric_text.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace velmora {
namespace {

// The four bytes, least significant first, as an unsigned number held in single
// precision (exact up to 2^24; larger numbers keep their rounded value), written
// in decimal with at least three digits.
std::string dword_text(const std::array<std::uint8_t, registry_buffer_size>& buffer) {
    const std::uint32_t number =
        buffer[0] | buffer[1] << 8 | buffer[2] << 16 | static_cast<std::uint32_t>(buffer[3]) << 24;
    const float held = static_cast<float>(number);
    char text[32];
    std::snprintf(text, sizeof text, "%03.0f", static_cast<double>(held));
    return text;
}

}  // namespace

std::string read_registry_string(Registry& registry, std::uint32_t root, std::string_view path,
                                 std::string_view value_name) {
    if (root < first_root_key || root > last_root_key) return "";
    const std::optional<Registry::Key> key = registry.open_key(root, path, reg_key_read);
    if (!key) return "";
    std::array<std::uint8_t, registry_buffer_size> buffer{};
    std::uint32_t type = 0, size = 0;
    const bool read = registry.query_value(*key, value_name, type, buffer, size);
    registry.close_key(*key);
    if (!read) return "";
    std::string text = type == reg_dword ? dword_text(buffer) : std::string(buffer.begin(), buffer.end());
    // A size of 0 keeps nothing; no size can reach past what the buffer held.
    const std::size_t kept = size == 0 ? 0 : std::min<std::size_t>(size - 1, text.size());
    return text.substr(0, kept);
}

bool password_protection_on(Registry& registry) {
    return read_number(read_registry_string(registry, hkey_current_user, desktop_key, use_password_value)) != 0;
}

}  // namespace velmora
