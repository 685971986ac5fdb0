// Small product files for the catalogue's tests: records in the 20-field layout
// and a set of in-memory files to read them from.
#pragma once

#include "catalogue/product_reading.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace orvane::fixtures {

// One record of 20 fields on one line, fields 2 to 5 as given, the rest numbered.
inline std::string record(const std::string& name, const std::string& description = "about",
                          const std::string& web_site = "http://w/", const std::string& download = "http://d/") {
    std::string line = "1," + name + "," + description + "," + web_site + "," + download;
    for (int field = 6; field <= fields_per_record; ++field) line += "," + std::to_string(field);
    return line + "\r\n";
}

// `count` records named "Product 1", "Product 2", ...
inline std::string numbered_records(int count) {
    std::string file;
    for (int n = 1; n <= count; ++n) file += record("Product " + std::to_string(n));
    return file;
}

// Files by name in one folder; a missing entry is a file that cannot be opened.
struct Files {
    std::map<std::string, std::string> content;
    std::vector<std::string> opened;

    OpenFile opener(const std::string& folder) {
        return [this, folder](const std::string& path) -> std::optional<std::string> {
            opened.push_back(path);
            if (path.rfind(folder, 0) != 0) return std::nullopt;
            const auto found = content.find(path.substr(folder.size()));
            if (found == content.end()) return std::nullopt;
            return found->second;
        };
    }
};

// The state lives on the heap: it has room for 500 records.
inline std::unique_ptr<CatalogueState> fresh_state(const std::string& app_folder = "C:\\Orvane\\") {
    auto state = std::make_unique<CatalogueState>();
    state->app_folder = app_folder;
    return state;
}

}  // namespace orvane::fixtures
