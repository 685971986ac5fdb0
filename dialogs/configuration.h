// What the settings dialog decides, free of any window: which items are lit and
// where the highlight frame Shape1 stands as the mouse moves, what the controls
// show for the loaded settings and what closing makes of them (update_settings),
// the caption, and what "Cool Downloads" and the maker link open.
#pragma once

#include "dialogs/colour.h"
#include "dialogs/frm_configuration_layout.h"
#include "shell/bas_shellcode.h"

#include <array>
#include <string>
#include <vector>

namespace velmora {

// The maker's home page, opened by the settings dialog and the about box.
inline constexpr const char* maker_home_page = "http://www.orvane.example/";

struct TwipsRect {
    int left = 0, top = 0, width = 0, height = 0;
    constexpr bool operator==(const TwipsRect&) const = default;
};

// The frame Shape1 around a control: −5/+10 twips for the check box and the
// options; −2/+2 for a text item, so that it ends at the item's right and bottom.
TwipsRect highlight_frame(const ui::ControlLayout& control);

// The dialog's own state beyond the settings: each item's text colour (in the
// order of configuration_items) and the frame.
struct ConfigurationState {
    std::array<Colour, configuration_items.size()> fore_colour{};
    bool shape1_visible = false;
    TwipsRect shape1{};
};

// Every item in its normal colour, the frame hidden: the dialog as it opens.
ConfigurationState opening_state();

// The item's text colour now; black for a control that is not an item.
Colour fore_colour(const ConfigurationState& state, int control_id);

// What a mouse move changed, so that only that is drawn again.
struct HoverChange {
    std::vector<int> recoloured;  // ids of the items whose colour changed
    bool frame_changed = false;   // Shape1 moved, appeared or disappeared
    bool operator==(const HoverChange&) const = default;
};

// The pointer moved over this control: an item turns white and the frame moves
// around it and shows. Anything else (the picture) changes nothing.
HoverChange item_mouse_move(ConfigurationState& state, int control_id);

// The pointer moved over the background: every item takes its normal colour
// again and the frame hides.
HoverChange form_mouse_move(ConfigurationState& state);

// What the check box and the options hold.
inline constexpr int no_speed_selected = -1;
struct ConfigurationChoices {
    bool music_checked = false;
    int selected_speed = no_speed_selected;  // 0 Normal, 1 Faster, 2 Fastest
    bool operator==(const ConfigurationChoices&) const = default;
};

// The controls for the loaded settings: the check box on for any music_on but 0
// (the saver plays for any such value); the option of the stored speed, none for
// a speed outside 0 to 2.
ConfigurationChoices choices_for(const Settings& settings);

// The option button for a speed and back; 0 and no_speed_selected where none.
int option_for_speed(int speed);
int speed_of_option(int control_id);

// Copies the controls into the settings (music_on 0 or 1; speed from the option,
// kept when none is selected), then saves every setting.
void update_settings(const ConfigurationChoices& choices, Settings& settings, SettingsStore& store);

// "Velmora Screen Saver Configuration v.3.0.0" for version 3.0.0.
std::string configuration_caption(int major, int minor, int revision);

// The catalogue document: install_path with "catalog.doc" straight after it.
std::string catalogue_document(const Settings& settings);

}  // namespace velmora
