// The creation order of the catalogue window's controls.
#include "catalogue/frm_orvaneproducts_layout.h"

#include <algorithm>

namespace orvane {

std::vector<const ControlLayout*> creation_order() {
    std::vector<const ControlLayout*> order;
    for (const ControlLayout& control : frm_orvaneproducts_controls) order.push_back(&control);
    std::stable_sort(order.begin(), order.end(), [](const ControlLayout* a, const ControlLayout* b) {
        const bool a_stops = a->tab_index >= 0, b_stops = b->tab_index >= 0;
        if (a_stops != b_stops) return a_stops;
        return a->tab_index < b->tab_index;
    });
    return order;
}

}  // namespace orvane
