// The catalogue window's state: the program's folder, the partner code, the
// products read from the data file, and the addresses of the product on show.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace orvane {

// The data file may hold this many records; one more is a read error.
inline constexpr int max_products = 500;

struct Product {
    std::string name;           // field 2: the list entry
    std::string description;    // field 3
    std::string web_site;       // field 4, without the partner code
    std::string download_link;  // field 5
};

struct CatalogueState {
    std::string app_folder;  // the program's folder, always ending with a backslash
    std::string pid;         // the partner code: the first field of pid.txt
    std::array<Product, max_products> products;
    std::int16_t product_count = 0;     // records 0..product_count-1 are in use
    std::string selected_home_url;      // web site + partner code of the product on show
    std::string selected_download_url;  // download link of the product on show
};

}  // namespace orvane
