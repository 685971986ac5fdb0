// The registry calls of the desktop password option, over advapi32.
#include "password/password_protection.h"
#include "password/password_win32.h"

#include <string>

namespace velmora::win32 {
namespace {

class Win32Registry final : public Registry {
public:
    std::optional<Key> open_key(std::uint32_t root, std::string_view path, std::uint32_t access) override {
        // The predefined roots are 32-bit values, sign-extended into a 64-bit handle.
        const auto root_key = reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
        HKEY key = nullptr;
        if (RegOpenKeyExA(root_key, std::string(path).c_str(), 0, access, &key) != ERROR_SUCCESS) return std::nullopt;
        return reinterpret_cast<Key>(key);
    }
    bool query_value(Key key, std::string_view name, std::uint32_t& type, std::span<std::uint8_t> buffer,
                     std::uint32_t& size) override {
        DWORD value_type = 0, value_size = static_cast<DWORD>(buffer.size());
        if (RegQueryValueExA(reinterpret_cast<HKEY>(key), std::string(name).c_str(), nullptr, &value_type,
                             buffer.data(), &value_size) != ERROR_SUCCESS)
            return false;
        type = value_type;
        size = value_size;
        return true;
    }
    void close_key(Key key) override { RegCloseKey(reinterpret_cast<HKEY>(key)); }
};

}  // namespace

bool password_protection_on() {
    Win32Registry registry;
    return velmora::password_protection_on(registry);
}

}  // namespace velmora::win32
