// The catalogue window's layout: a table whose tab order and access keys work as
// the window needs.
#include "catalogue/frm_orvaneproducts_layout.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace orvane {
namespace {

TEST(CatalogueLayout, ControlsAreCreatedInTabOrder) {
    std::vector<std::string> order;
    for (const ControlLayout* control : ui::creation_order(frm_orvaneproducts_controls))
        if (control->tab_index >= 0) order.push_back(control->name);
    EXPECT_EQ(order, (std::vector<std::string>{"Command2", "Command3", "Command4", "Command1", "Command5", "Command6",
                                               "List1", "Text1", "Text2", "Text3"}));
    EXPECT_EQ(ui::creation_order(frm_orvaneproducts_controls).size(), frm_orvaneproducts_controls.size());

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
