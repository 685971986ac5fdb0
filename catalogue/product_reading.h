// Reading the partner code and the product records into the window's state. The
// files come through `open_file`, so the steps run the same over real files and
// over bytes in a test.
#pragma once

#include "catalogue/catalogue_state.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

inline constexpr const char* pid_file_name = "pid.txt";
inline constexpr const char* products_file_name = "orvane_products.txt";

// A record is exactly 20 fields: 1 unused, 2 name, 3 description, 4 web site,
// 5 download link, 6 to 20 unused.
inline constexpr int fields_per_record = 20;

// The whole content of the file at `path`, or nothing when it cannot be opened or read.
using OpenFile = std::function<std::optional<std::string>(const std::string& path)>;

enum class ReadResult { loaded, read_error };

// Reads app_folder + "pid.txt" (its first field becomes pid), then the records of
// app_folder + "orvane_products.txt". After a read error product_count is 0 and pid
// keeps whatever pid.txt gave; the caller reports the error and lists no product.
ReadResult read_products(CatalogueState& state, const OpenFile& open_file);

// The records part alone, over the product file's bytes.
ReadResult read_records(CatalogueState& state, std::string_view bytes);

}  // namespace orvane
