// The settings dialog's logic: which items light up and where the frame goes as
// the mouse moves (and that nothing is redrawn that did not change), what the
// controls show for the stored settings, what closing writes, and the texts the
// dialog builds.
#include "dialogs/configuration.h"
#include "dialogs/frm_about_layout.h"

#include <gtest/gtest.h>

#include <set>
#include <span>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace velmora {
namespace {

using Writes = std::vector<std::pair<std::string, std::string>>;

const ui::ControlLayout& layout(int id) {
    for (const ui::ControlLayout& control : frm_configuration_controls)
        if (control.id == id) return control;
    throw std::logic_error("no control " + std::to_string(id));
}

std::set<int> lit_items(const ConfigurationState& state) {
    std::set<int> lit;
    for (const ConfigurationItem& item : configuration_items)
        if (fore_colour(state, item.id) == white) lit.insert(item.id);
    return lit;
}

TEST(ConfigurationHover, EachItemLightsAndTheFrameTakesItsKindsMargins) {
    const struct {
        int id;
        Colour normal;
        TwipsRect frame;
    } rows[] = {
        {id_label1, grey, {4873, 613, 2162, 227}},    // text items: -2 / +2
        {id_label2, red, {5608, 1048, 797, 227}},
        {id_label5, red, {5308, 3568, 1457, 227}},
        {id_label7, yellow, {3523, 4123, 1037, 227}},
        {id_label8, yellow, {5743, 4123, 527, 227}},
        {id_check2, green, {5515, 1540, 1240, 295}},  // check box and options: -5 / +10
        {id_option1, green, {5500, 2095, 805, 265}},
        {id_option2, green, {5500, 2500, 805, 265}},
        {id_option3, green, {5500, 2950, 925, 265}},
    };
    for (const auto& row : rows) {
        ConfigurationState state = opening_state();
        EXPECT_EQ(fore_colour(state, row.id), row.normal) << row.id;
        const HoverChange change = item_mouse_move(state, row.id);
        EXPECT_EQ(change, (HoverChange{{row.id}, true})) << row.id;
        EXPECT_EQ(lit_items(state), std::set<int>{row.id}) << row.id;
        EXPECT_TRUE(state.shape1_visible) << row.id;
        EXPECT_EQ(state.shape1, row.frame) << row.id;
    }
}

TEST(ConfigurationHover, ATextItemsFrameEndsAtItsRightAndBottomEdges) {
    for (const ConfigurationItem& item : configuration_items) {
        const ui::ControlLayout& control = layout(item.id);
        if (control.kind != ui::ControlKind::label) continue;
        const TwipsRect frame = highlight_frame(control);
        EXPECT_EQ(frame.left + frame.width, control.left + control.width) << control.name;
        EXPECT_EQ(frame.top + frame.height, control.top + control.height) << control.name;
    }
}

TEST(ConfigurationHover, ItemsStayLitUntilThePointerCrossesTheBackground) {
    ConfigurationState state = opening_state();
    EXPECT_FALSE(state.shape1_visible);
    item_mouse_move(state, id_label7);
    // Straight onto another item: both lit, the frame follows the last.
    EXPECT_EQ(item_mouse_move(state, id_label8), (HoverChange{{id_label8}, true}));
    EXPECT_EQ(lit_items(state), (std::set<int>{id_label7, id_label8}));
    EXPECT_EQ(state.shape1, highlight_frame(layout(id_label8)));
    // Back onto the first: only the frame moves.
    EXPECT_EQ(item_mouse_move(state, id_label7), (HoverChange{{}, true}));
    // The picture is a control without hover: nothing changes over it.
    EXPECT_EQ(item_mouse_move(state, id_image1), HoverChange{});
    EXPECT_EQ(lit_items(state), (std::set<int>{id_label7, id_label8}));
    EXPECT_TRUE(state.shape1_visible);

    const HoverChange restored = form_mouse_move(state);
    EXPECT_EQ(std::set<int>(restored.recoloured.begin(), restored.recoloured.end()),
              (std::set<int>{id_label7, id_label8}));
    EXPECT_TRUE(restored.frame_changed);
    EXPECT_EQ(lit_items(state), std::set<int>{});
    EXPECT_FALSE(state.shape1_visible);
    for (const ConfigurationItem& item : configuration_items) EXPECT_EQ(fore_colour(state, item.id), item.normal);
}

TEST(ConfigurationHover, MovesThatChangeNothingRedrawNothing) {
    ConfigurationState state = opening_state();
    EXPECT_EQ(form_mouse_move(state), HoverChange{});  // the background, nothing lit
    item_mouse_move(state, id_option2);
    EXPECT_EQ(item_mouse_move(state, id_option2), HoverChange{});  // moving within the lit item
    form_mouse_move(state);
    EXPECT_EQ(form_mouse_move(state), HoverChange{});
}

TEST(ConfigurationHover, ControlsThatAreNotItemsAreBlackOnBlack) {
    const ConfigurationState state = opening_state();
    EXPECT_EQ(fore_colour(state, id_image1), black);
    EXPECT_EQ(fore_colour(state, 12345), black);
}

TEST(ConfigurationSettings, TheControlsShowTheStoredSettings) {
    const struct {
        const char* music_on;
        const char* speed;
        ConfigurationChoices shown;
    } rows[] = {
        {"1", "0", {true, 0}},
        {"0", "1", {false, 1}},
        {"1", "2", {true, 2}},
        {"5", "2", {true, 2}},                   // the saver plays for any music_on but 0
        {"1", "3", {true, no_speed_selected}},   // out of range: no option
        {"1", "-1", {true, no_speed_selected}},
        {"1", "abc", {true, 0}},                 // not a number: read as 0
    };
    for (const auto& row : rows) {
        MemorySettingsStore store;
        store.values = {{"music_on", row.music_on}, {"speed", row.speed}};
        Settings settings;
        load_settings(settings, store);
        EXPECT_EQ(choices_for(settings), row.shown) << row.music_on << " " << row.speed;
    }
}

TEST(ConfigurationSettings, UpdateSettingsCopiesTheControlsThenSavesEverySetting) {
    const struct {
        const char* stored_speed;
        ConfigurationChoices chosen;
        const char* music_on;
        const char* speed;
    } rows[] = {
        {"2", {true, 0}, "1", "0"},                  // "Fastest" shown, "Normal" chosen
        {"0", {false, 1}, "0", "1"},
        {"1", {true, 2}, "1", "2"},
        {"1", {true, no_speed_selected}, "1", "1"},  // none selected: the speed is kept
        {"7", {false, no_speed_selected}, "0", "7"}, // out of range, nothing chosen: written back unchanged
        {"7", {true, 2}, "1", "2"},
    };
    for (const auto& row : rows) {
        MemorySettingsStore store;
        store.values = {{"install_path", "C:\\Saver\\"}, {"speed", row.stored_speed}, {"soundfx_on", "0"}};
        Settings settings;
        load_settings(settings, store);
        store.writes.clear();
        update_settings(row.chosen, settings, store);
        EXPECT_EQ(store.writes,
                  (Writes{{"music_on", row.music_on}, {"soundfx_on", "0"}, {"speed", row.speed}, {"misc", ""}}))
            << row.stored_speed;
        EXPECT_EQ(store.values["install_path"], "C:\\Saver\\");
    }
}

TEST(ConfigurationSettings, ShownAndClosedUntouchedTheSettingsComeBackAsTheyWere) {
    for (const char* speed : {"0", "1", "2", "9"}) {
        MemorySettingsStore store;
        store.values = {{"music_on", "0"}, {"speed", speed}};
        Settings settings;
        load_settings(settings, store);
        update_settings(choices_for(settings), settings, store);
        EXPECT_EQ(store.values["speed"], speed);
        EXPECT_EQ(store.values["music_on"], "0");
    }
}

TEST(ConfigurationSettings, OptionsAndSpeeds) {
    EXPECT_EQ(option_for_speed(0), id_option1);
    EXPECT_EQ(option_for_speed(1), id_option2);
    EXPECT_EQ(option_for_speed(2), id_option3);
    EXPECT_EQ(option_for_speed(3), 0);
    EXPECT_EQ(option_for_speed(no_speed_selected), 0);
    EXPECT_EQ(speed_of_option(id_option3), 2);
    EXPECT_EQ(speed_of_option(id_check2), no_speed_selected);
}

TEST(ConfigurationTexts, CaptionAndCatalogueDocument) {
    EXPECT_EQ(configuration_caption(3, 0, 0), "Velmora Screen Saver Configuration v.3.0.0");
    EXPECT_EQ(configuration_caption(10, 2, 31), "Velmora Screen Saver Configuration v.10.2.31");
    const struct {
        const char* install_path;
        const char* document;
    } rows[] = {
        {"C:\\Saver\\", "C:\\Saver\\catalog.doc"},
        {"C:\\Saver", "C:\\Savercatalog.doc"},  // no separator is added
        {"empty", "emptycatalog.doc"},          // never installed
    };
    for (const auto& row : rows) {
        Settings settings;
        settings.install_path = row.install_path;
        EXPECT_EQ(catalogue_document(settings), row.document);
    }
}

TEST(DialogLayouts, IdsAreUniqueAndClearOfEnterAndEscape) {
    for (const auto& table : {std::span<const ui::ControlLayout>(frm_configuration_controls),
                              std::span<const ui::ControlLayout>(frm_about_controls)}) {
        std::set<int> ids;
        for (const ui::ControlLayout& control : table) {
            EXPECT_TRUE(ids.insert(control.id).second) << control.name;
            EXPECT_GT(control.id, 2) << control.name;
        }
    }
    for (const ConfigurationItem& item : configuration_items) EXPECT_NO_THROW(layout(item.id));
}

TEST(DialogLayouts, TabOrder) {
    std::vector<std::string> order;
    for (const ui::ControlLayout* control : ui::creation_order(frm_configuration_controls))
        if (control->tab_index >= 0) order.push_back(control->name);
    EXPECT_EQ(order, (std::vector<std::string>{"Check2", "Option1", "Option2", "Option3"}));
    // "Ok" first, so it has the focus when the about box opens.
    EXPECT_STREQ(ui::creation_order(frm_about_controls).front()->name, "Command1");
}

}  // namespace
}  // namespace velmora
