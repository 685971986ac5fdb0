// The per-user settings store: named string values under one application and
// section. The program uses the registry (settings_store_win32.cpp); tests use
// MemorySettingsStore.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velmora {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text, or nothing when the key or the value does not exist.
    virtual std::optional<std::string> read(std::string_view name) = 0;
    // Creates the keys when needed and stores the text as a string value.
    virtual void write(std::string_view name, std::string_view value) = 0;
};

// An in-memory store that also records every write, in order.
class MemorySettingsStore final : public SettingsStore {
public:
    std::optional<std::string> read(std::string_view name) override {
        const auto found = values.find(std::string(name));
        if (found == values.end()) return std::nullopt;
        return found->second;
    }
    void write(std::string_view name, std::string_view value) override {
        values[std::string(name)] = std::string(value);
        writes.emplace_back(name, value);
    }

    std::map<std::string, std::string> values;
    std::vector<std::pair<std::string, std::string>> writes;
};

}  // namespace velmora
