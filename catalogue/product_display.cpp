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

}  // namespace orvane
