// The reading steps: partner code first, then records until the end of the file.
#include "catalogue/product_reading.h"

#include "catalogue/field_reader.h"

namespace orvane {
namespace {

ReadResult fail(CatalogueState& state) {
    state.product_count = 0;
    return ReadResult::read_error;
}

}  // namespace

ReadResult read_records(CatalogueState& state, std::string_view bytes) {
    state.product_count = 0;
    FieldReader reader{bytes};
    // A record is read whole once begun: the file ends only after a record's last
    // field, and blank lines after that field (a hand-edited file's usual ending)
    // begin no record. Between records a blank line is still an empty field.
    while (!only_blank_lines_left(reader)) {
        // More records than there is room for fail the whole file, not just the extra ones.
        if (state.product_count >= max_products) return fail(state);
        Product& product = state.products[state.product_count];
        ++state.product_count;
        for (int field = 1; field <= fields_per_record; ++field) {
            std::optional<std::string> value = read_field(reader);
            if (!value) return fail(state);
            switch (field) {
            case 2: product.name = std::move(*value); break;
            case 3: product.description = std::move(*value); break;
            case 4: product.web_site = std::move(*value); break;
            case 5: product.download_link = std::move(*value); break;
            default: break;
            }
        }
    }
    return ReadResult::loaded;
}

ReadResult read_products(CatalogueState& state, const OpenFile& open_file) {
    const std::optional<std::string> pid_file = open_file(state.app_folder + pid_file_name);
    if (!pid_file) return fail(state);
    FieldReader pid_reader{*pid_file};
    std::optional<std::string> pid = read_field(pid_reader);
    if (!pid) return fail(state);
    state.pid = std::move(*pid);

    state.product_count = 0;
    const std::optional<std::string> products_file = open_file(state.app_folder + products_file_name);
    if (!products_file) return fail(state);
    return read_records(state, *products_file);
}

}  // namespace orvane
