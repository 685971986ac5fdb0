// Whether the running saver asks for a password before it ends: the Windows
// desktop value "ScreenSaveUsePassword" read as a number. The registry is reached
// through the three calls it takes, so that every kind of stored value can be
// tried without Windows.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace velmora {

inline constexpr std::uint32_t reg_key_read = 0x20019;  // KEY_READ
inline constexpr std::uint32_t reg_dword = 4;           // REG_DWORD
inline constexpr std::uint32_t hkey_current_user = 0x80000001;
// The predefined roots, HKEY_CLASSES_ROOT to HKEY_DYN_DATA.
inline constexpr std::uint32_t first_root_key = 0x80000000;
inline constexpr std::uint32_t last_root_key = 0x80000006;
inline constexpr std::size_t registry_buffer_size = 255;

inline constexpr const char* desktop_key = "Control Panel\\Desktop";
inline constexpr const char* use_password_value = "ScreenSaveUsePassword";

// RegOpenKeyExA, RegQueryValueExA and RegCloseKey.
class Registry {
public:
    using Key = std::uintptr_t;
    virtual ~Registry() = default;
    // The opened key, or nothing when it cannot be opened.
    virtual std::optional<Key> open_key(std::uint32_t root, std::string_view path, std::uint32_t access) = 0;
    // Fills `buffer` with the value's data and gives its type and size; false on
    // any failure (missing value, data larger than the buffer).
    virtual bool query_value(Key key, std::string_view name, std::uint32_t& type, std::span<std::uint8_t> buffer,
                             std::uint32_t& size) = 0;
    virtual void close_key(Key key) = 0;
};

// The value as text, or "" on any failure. A REG_DWORD is written in decimal with
// at least three digits; of every value, the first (size - 1) characters are kept,
// which drops a string's terminating zero and keeps three digits of a number.
std::string read_registry_string(Registry& registry, std::uint32_t root, std::string_view path,
                                 std::string_view value_name);

// True when HKEY_CURRENT_USER\Control Panel\Desktop "ScreenSaveUsePassword" reads
// as a number other than 0; missing or unreadable counts as off.
bool password_protection_on(Registry& registry);

}  // namespace velmora
