#include "password/frm_checkpassword.h"
#include "password/frm_newpassword.h"

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

namespace velmora {
namespace {

struct Dialog {
    const char* name;
    std::span<const ui::ControlLayout> controls;
    int client_width, client_height;
    std::vector<std::string> tab_order;
};

// At the common DPIs every control of both dialogs lies inside the client area,
// and Tab visits the controls in the order the user fills them in.
TEST(PasswordDialogLayouts, ControlsFitAndTabInOrder) {
    const Dialog dialogs[] = {
        {"frm_newpassword", frm_newpassword_controls, frm_newpassword_client_width, frm_newpassword_client_height,
         {"NewPassword", "NewPassword2", "OK", "Cancel"}},
        {"frm_checkpassword", frm_checkpassword_controls, frm_checkpassword_client_width,
         frm_checkpassword_client_height, {"Text1", "Command1", "Command2"}},
    };
    for (const Dialog& dialog : dialogs) {
        for (const int dpi : {96, 120, 144}) {
            const ui::Scale scale = ui::Scale::at_dpi(dpi, dpi);
            const ui::PixelRect client = ui::to_pixels(0, 0, dialog.client_width, dialog.client_height, scale);
            for (const ui::ControlLayout& control : dialog.controls) {
                const ui::PixelRect place = ui::to_pixels(control, scale);
                EXPECT_LE(place.left + place.width, client.width) << dialog.name << " " << control.name << " " << dpi;
                EXPECT_LE(place.top + place.height, client.height) << dialog.name << " " << control.name << " " << dpi;
            }
        }
        std::vector<std::string> order;
        for (const ui::ControlLayout* control : ui::creation_order(dialog.controls))
            if (control->tab_index >= 0) order.push_back(control->name);
        EXPECT_EQ(order, dialog.tab_order) << dialog.name;
    }
}

}  // namespace
}  // namespace velmora
