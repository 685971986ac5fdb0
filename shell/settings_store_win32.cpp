// The settings in the registry: string values under HKEY_CURRENT_USER\<settings_key>.
#include "shell/shell_win32.h"
#include "ui/owners_win32.h"

#include <string>
#include <vector>

namespace velmora::win32 {
namespace {

class RegistrySettingsStore final : public SettingsStore {
public:
    std::optional<std::string> read(std::string_view name) override {
        ui::RegistryKey key;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, settings_key, 0, KEY_READ, key.receive()) != ERROR_SUCCESS)
            return std::nullopt;
        std::optional<std::string> text;
        const std::string value_name(name);
        DWORD type = 0, size = 0;
        if (RegQueryValueExA(key.get(), value_name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
            (type == REG_SZ || type == REG_EXPAND_SZ)) {
            std::vector<char> buffer(size + 1, '\0');
            if (RegQueryValueExA(key.get(), value_name.c_str(), nullptr, &type,
                                 reinterpret_cast<BYTE*>(buffer.data()), &size) == ERROR_SUCCESS) {
                // The stored text need not end in a zero: stop at the first one or at its size.
                text = std::string(buffer.data(), strnlen(buffer.data(), size));
            }
        }
        return text;
    }

    void write(std::string_view name, std::string_view value) override {
        ui::RegistryKey key;
        if (RegCreateKeyExA(HKEY_CURRENT_USER, settings_key, 0, nullptr, 0, KEY_WRITE, nullptr, key.receive(),
                            nullptr) != ERROR_SUCCESS)
            return;
        const std::string value_name(name), text(value);
        RegSetValueExA(key.get(), value_name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>(text.size() + 1));
    }
};

}  // namespace

SettingsStore& registry_settings() {
    static RegistrySettingsStore store;
    return store;
}

}  // namespace velmora::win32
