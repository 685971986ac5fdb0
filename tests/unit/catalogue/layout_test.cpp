// The catalogue window's layout: twips to pixels at any DPI, and a table whose
// tab order and access keys work as the window needs.
#include "catalogue/frm_orvaneproducts_layout.h"
#include "catalogue/twips.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace orvane {
namespace {

TEST(CatalogueTwips, PixelsPerTwipFollowTheScreenDpi) {
    struct Case {
        int dpi, twips_per_pixel;
    };
    const Case cases[] = {{96, 15}, {120, 12}, {144, 10}, {192, 8}, {72, 20}, {0, 15}, {-5, 15}, {100, 14}, {5000, 1}};
    for (const Case& c : cases) EXPECT_EQ(twips_per_pixel(c.dpi), c.twips_per_pixel) << c.dpi;
}

TEST(CatalogueTwips, PixelsRoundToNearestHalvesToEven) {
    struct Case {
        int twips, twips_per_pixel, pixels;
    };
    const Case cases[] = {
        {6765, 15, 451}, {5475, 15, 365}, {2900, 15, 193}, {2895, 15, 193}, {45, 6, 8},  {39, 6, 6},
        {3, 2, 2},       {5, 2, 2},       {-3, 2, -2},     {-45, 6, -8},    {10, 0, 1}, {165, 15, 11},
    };
    for (const Case& c : cases)
        EXPECT_EQ(twips_to_pixels(c.twips, c.twips_per_pixel), c.pixels) << c.twips << " / " << c.twips_per_pixel;
}

TEST(CatalogueLayout, ControlsAreCreatedInTabOrder) {
    std::vector<std::string> order;
    for (const ControlLayout* control : creation_order())
        if (control->tab_index >= 0) order.push_back(control->name);
    EXPECT_EQ(order, (std::vector<std::string>{"Command2", "Command3", "Command4", "Command1", "Command5", "Command6",
                                               "List1", "Text1", "Text2", "Text3"}));
    EXPECT_EQ(creation_order().size(), frm_orvaneproducts_controls.size());

    std::set<int> ids;
    for (const ControlLayout& control : frm_orvaneproducts_controls) {
        EXPECT_TRUE(ids.insert(control.id).second) << control.name;
        // IDOK and IDCANCEL come from Enter and Escape; no control may answer to them.
        EXPECT_GT(control.id, 2) << control.name;
        EXPECT_EQ(control.kind == ControlKind::label, control.tab_index < 0) << control.name;
    }
}

TEST(CatalogueLayout, ButtonsShareTheirAccessKeys) {
    int l_keys = 0, g_keys = 0;
    for (const ControlLayout& control : frm_orvaneproducts_controls) {
        const std::string text = control.text;
        l_keys += text.starts_with("&L");
        g_keys += text == "&Go!";
        if (control.tooltip) {
            const std::string tooltip = control.tooltip;
            EXPECT_TRUE(tooltip.starts_with(' ') && tooltip.ends_with(' ')) << control.name;
        }
    }
    EXPECT_EQ(l_keys, 3);
    EXPECT_EQ(g_keys, 2);
}

}  // namespace
}  // namespace orvane
