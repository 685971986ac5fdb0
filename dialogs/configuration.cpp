#include "dialogs/configuration.h"

#include <algorithm>
#include <iterator>

namespace velmora {
namespace {

int item_index(int control_id) {
    for (std::size_t i = 0; i < configuration_items.size(); ++i)
        if (configuration_items[i].id == control_id) return static_cast<int>(i);
    return -1;
}

const ui::ControlLayout* layout_of(int control_id) {
    for (const ui::ControlLayout& control : frm_configuration_controls)
        if (control.id == control_id) return &control;
    return nullptr;
}

bool recolour(ConfigurationState& state, std::size_t index, Colour colour, HoverChange& change) {
    if (state.fore_colour[index] == colour) return false;
    state.fore_colour[index] = colour;
    change.recoloured.push_back(configuration_items[index].id);
    return true;
}

constexpr int speed_options[] = {id_option1, id_option2, id_option3};

}  // namespace

TwipsRect highlight_frame(const ui::ControlLayout& control) {
    if (control.kind == ui::ControlKind::check_box || control.kind == ui::ControlKind::option_button)
        return {control.left - 5, control.top - 5, control.width + 10, control.height + 10};
    return {control.left - 2, control.top - 2, control.width + 2, control.height + 2};
}

ConfigurationState opening_state() {
    ConfigurationState state;
    for (std::size_t i = 0; i < configuration_items.size(); ++i) state.fore_colour[i] = configuration_items[i].normal;
    return state;
}

Colour fore_colour(const ConfigurationState& state, int control_id) {
    const int index = item_index(control_id);
    return index < 0 ? black : state.fore_colour[static_cast<std::size_t>(index)];
}

HoverChange item_mouse_move(ConfigurationState& state, int control_id) {
    HoverChange change;
    const int index = item_index(control_id);
    const ui::ControlLayout* control = layout_of(control_id);
    if (index < 0 || !control) return change;
    recolour(state, static_cast<std::size_t>(index), white, change);
    const TwipsRect frame = highlight_frame(*control);
    change.frame_changed = !state.shape1_visible || state.shape1 != frame;
    state.shape1 = frame;
    state.shape1_visible = true;
    return change;
}

HoverChange form_mouse_move(ConfigurationState& state) {
    HoverChange change;
    for (std::size_t i = 0; i < configuration_items.size(); ++i)
        recolour(state, i, configuration_items[i].normal, change);
    change.frame_changed = state.shape1_visible;
    state.shape1_visible = false;
    return change;
}

int option_for_speed(int speed) { return speed >= 0 && speed <= 2 ? speed_options[speed] : 0; }

int speed_of_option(int control_id) {
    const auto found = std::find(std::begin(speed_options), std::end(speed_options), control_id);
    return found == std::end(speed_options) ? no_speed_selected : static_cast<int>(found - std::begin(speed_options));
}

ConfigurationChoices choices_for(const Settings& settings) {
    return {settings.music_on != 0, option_for_speed(settings.speed) ? settings.speed : no_speed_selected};
}

void update_settings(const ConfigurationChoices& choices, Settings& settings, SettingsStore& store) {
    settings.music_on = choices.music_checked ? 1 : 0;
    if (choices.selected_speed >= 0 && choices.selected_speed <= 2) settings.speed = choices.selected_speed;
    save_settings(settings, store);
}

std::string configuration_caption(int major, int minor, int revision) {
    return frm_configuration_caption_prefix + std::to_string(major) + "." + std::to_string(minor) + "." +
           std::to_string(revision);
}

std::string catalogue_document(const Settings& settings) { return settings.install_path + "catalog.doc"; }

}  // namespace velmora
