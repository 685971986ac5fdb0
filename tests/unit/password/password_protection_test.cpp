#include "password/password_protection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace velmora {
namespace {

struct StoredValue {
    std::uint32_t type;
    std::vector<std::uint8_t> data;
    std::optional<std::uint32_t> reported_size;  // what the query says, when not the data's size
};

StoredValue string_value(const std::string& text) {
    std::vector<std::uint8_t> data(text.begin(), text.end());
    data.push_back(0);
    return {1, data, std::nullopt};
}

StoredValue dword_value(std::uint32_t number) {
    return {reg_dword,
            {static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(number >> 8),
             static_cast<std::uint8_t>(number >> 16), static_cast<std::uint8_t>(number >> 24)},
            std::nullopt};
}

// Keys by path under HKEY_CURRENT_USER; records what is asked of it.
class FakeRegistry final : public Registry {
public:
    std::optional<Key> open_key(std::uint32_t root, std::string_view path, std::uint32_t access) override {
        ++opens;
        accesses.push_back(access);
        if (root != hkey_current_user || !keys.contains(std::string(path))) return std::nullopt;
        open_paths.push_back(std::string(path));
        return open_paths.size();
    }
    bool query_value(Key key, std::string_view name, std::uint32_t& type, std::span<std::uint8_t> buffer,
                     std::uint32_t& size) override {
        const auto& values = keys.at(open_paths.at(key - 1));
        const auto found = values.find(std::string(name));
        if (found == values.end()) return false;
        const StoredValue& value = found->second;
        if (value.data.size() > buffer.size()) return false;  // ERROR_MORE_DATA
        std::copy(value.data.begin(), value.data.end(), buffer.begin());
        type = value.type;
        size = value.reported_size.value_or(static_cast<std::uint32_t>(value.data.size()));
        return true;
    }
    void close_key(Key) override { ++closes; }

    std::map<std::string, std::map<std::string, StoredValue>> keys;
    std::vector<std::string> open_paths;
    std::vector<std::uint32_t> accesses;
    int opens = 0, closes = 0;
};

struct Case {
    const char* what;
    std::optional<StoredValue> value;  // nothing: the value is missing
    std::string text;
    bool on;
};

TEST(PasswordProtection, ReadsTheDesktopValueAsText) {
    const Case cases[] = {
        {"DWORD 1", dword_value(1), "001", true},
        {"DWORD 0", dword_value(0), "000", false},
        {"DWORD 1234 keeps three digits", dword_value(1234), "123", true},
        {"DWORD 1000 keeps three digits", dword_value(1000), "100", true},
        {"DWORD above 2^24 is held in single precision", dword_value(16777217), "167", true},
        {"DWORD of all ones", dword_value(0xFFFFFFFF), "429", true},
        {"string 1", string_value("1"), "1", true},
        {"string 0", string_value("0"), "0", false},
        {"string read as a number", string_value(" 2 x"), " 2 x", true},
        {"string that is no number", string_value("yes"), "yes", false},
        {"empty string", string_value(""), "", false},
        {"size 0 gives no text", StoredValue{1, {'1', 0}, 0}, "", false},
        {"longer than the buffer", string_value(std::string(255, '1')), "", false},
        {"254 characters and the zero fill the buffer", string_value(std::string(254, '1')), std::string(254, '1'),
         true},
        {"missing value", std::nullopt, "", false},
    };
    for (const Case& c : cases) {
        FakeRegistry registry;
        registry.keys[desktop_key] = {};
        if (c.value) registry.keys[desktop_key].emplace(use_password_value, *c.value);
        EXPECT_EQ(read_registry_string(registry, hkey_current_user, desktop_key, use_password_value), c.text)
            << c.what;
        EXPECT_EQ(password_protection_on(registry), c.on) << c.what;
        EXPECT_EQ(registry.opens, registry.closes) << c.what << ": every opened key is closed";
        for (std::uint32_t access : registry.accesses) EXPECT_EQ(access, reg_key_read) << c.what;
    }
}

TEST(PasswordProtection, MissingKeyIsOff) {
    FakeRegistry registry;
    EXPECT_EQ(read_registry_string(registry, hkey_current_user, desktop_key, use_password_value), "");
    EXPECT_FALSE(password_protection_on(registry));
    EXPECT_EQ(registry.closes, 0);  // nothing was opened
}

TEST(PasswordProtection, OnlyPredefinedRootsAreOpened) {
    FakeRegistry registry;
    registry.keys[desktop_key].emplace(use_password_value, string_value("1"));
    for (std::uint32_t root : {0u, 0x7FFFFFFFu, 0x80000007u, 0xFFFFFFFFu})
        EXPECT_EQ(read_registry_string(registry, root, desktop_key, use_password_value), "") << root;
    EXPECT_EQ(registry.opens, 0);
    for (std::uint32_t root = first_root_key; root <= last_root_key; ++root)
        read_registry_string(registry, root, desktop_key, use_password_value);
    EXPECT_EQ(registry.opens, 7);
}

}  // namespace
}  // namespace velmora
