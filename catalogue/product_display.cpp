// Showing one product: the kept addresses follow the record, not the text boxes.
#include "catalogue/product_display.h"

#include "catalogue/addresses.h"

namespace orvane {

const Product* update_display(CatalogueState& state, std::string_view name) {
    for (int record = 0; record < state.product_count; ++record) {
        const Product& product = state.products[record];
        if (product.name != name) continue;
        state.selected_home_url = with_partner_code(product.web_site, state.pid);
        state.selected_download_url = product.download_link;
        return &product;
    }
    return nullptr;
}

const Product* update_display_for_entry(CatalogueState& state, int entry) {
    if (entry < 0 || entry >= state.product_count) return nullptr;
    // The name is looked up again rather than the record taken as it stands: of
    // two records of one name, either entry shows the first.
    return update_display(state, state.products[static_cast<std::size_t>(entry)].name);
}

}  // namespace orvane
