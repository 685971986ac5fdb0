// libFuzzer target: any bytes as the product file, and as the partner file, must
// read without a crash, a hang or a read out of bounds, and leave a sound state.
#include "catalogue/addresses.h"
#include "catalogue/field_reader.h"
#include "catalogue/product_display.h"
#include "catalogue/product_reading.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // The field reader alone always moves forward and ends.
    orvane::FieldReader reader{bytes};
    while (!orvane::at_end(reader)) {
        const std::size_t before = reader.position;
        if (!orvane::read_field(reader)) break;
        check(reader.position > before && reader.position <= size);
    }

    // The bytes as the product file, then as the partner file.
    static auto state = std::make_unique<orvane::CatalogueState>();
    for (const bool as_products : {true, false}) {
        const orvane::OpenFile open_file = [&](const std::string& path) -> std::optional<std::string> {
            const bool products = path.ends_with(orvane::products_file_name);
            if (products == as_products) return std::string(bytes);
            return products ? std::string("1,A,B,http://w/,http://d/,,,,,,,,,,,,,,,\r\n") : std::string("1001");
        };
        state->app_folder = "C:\\";
        const orvane::ReadResult result = orvane::read_products(*state, open_file);
        check(state->product_count >= 0 && state->product_count <= orvane::max_products);
        if (result == orvane::ReadResult::read_error) check(state->product_count == 0);
        check(state->pid.size() <= orvane::max_field_length);
        for (int record = 0; record < state->product_count; ++record) {
            const orvane::Product& product = state->products[record];
            for (const std::string* kept :
                 {&product.name, &product.description, &product.web_site, &product.download_link})
                check(kept->size() <= orvane::max_field_length);
            const orvane::Product* shown = orvane::update_display(*state, state->products[record].name);
            check(shown != nullptr && shown->name == state->products[record].name);
            orvane::is_web_address(state->selected_home_url);
            orvane::is_web_address(state->selected_download_url);
        }
    }
    return 0;
}
