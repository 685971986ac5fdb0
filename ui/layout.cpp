#include "ui/layout.h"

#include "ui/twips.h"

#include <algorithm>

namespace ui {

Scale Scale::at_dpi(int dpi_x, int dpi_y) { return {twips_per_pixel(dpi_x), twips_per_pixel(dpi_y)}; }

PixelRect to_pixels(int left, int top, int width, int height, Scale scale) {
    // Each edge is converted on its own, as a form places its controls: the width
    // is the converted width, not the difference of converted edges.
    return {twips_to_pixels(left, scale.x), twips_to_pixels(top, scale.y), twips_to_pixels(width, scale.x),
            twips_to_pixels(height, scale.y)};
}

std::vector<const ControlLayout*> creation_order(std::span<const ControlLayout> controls) {
    std::vector<const ControlLayout*> order;
    for (const ControlLayout& control : controls) order.push_back(&control);
    std::stable_sort(order.begin(), order.end(), [](const ControlLayout* a, const ControlLayout* b) {
        const bool a_stops = a->tab_index >= 0, b_stops = b->tab_index >= 0;
        if (a_stops != b_stops) return a_stops;
        return a->tab_index < b->tab_index;
    });
    return order;
}

}  // namespace ui
