// The window layer's logic: twips to pixels (the one conversion both programs
// use), layouts placed at 96 and 144 DPI, creation in tab order, and the rule
// that the program lives while a counted window is open.
#include "ui/layout.h"
#include "ui/live_windows.h"
#include "ui/twips.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace ui {
namespace {

TEST(Twips, PerPixelFromDpiRoundsHalfToEven) {
    const struct {
        int dpi, twips_per_pixel;
    } rows[] = {
        {96, 15}, {120, 12}, {144, 10}, {192, 8}, {72, 20}, {100, 14},  // 14.4
        {160, 9},                                                       // 9.0
        {576, 2},                                                       // 2.5 -> 2
        {0, 15},  {-5, 15},                                             // no answer from the screen: 96 dpi
        {4000, 1}, {5000, 1},                                           // never 0
    };
    for (const auto& row : rows) EXPECT_EQ(twips_per_pixel(row.dpi), row.twips_per_pixel) << row.dpi;
}

TEST(Twips, PixelsRoundHalfToEven) {
    const struct {
        double twips;
        int twips_per_pixel, pixels;
    } rows[] = {
        {7125, 15, 475}, {4605, 15, 307}, {6765, 15, 451}, {5475, 15, 365}, {2900, 15, 193}, {2895, 15, 193},
        {165, 15, 11},   {22.5, 15, 2},   {37.5, 15, 2},   {45, 6, 8},      {39, 6, 6},      {3, 2, 2},
        {5, 2, 2},       {-3, 2, -2},     {-45, 6, -8},    {10, 0, 1},      {10, -4, 1},  // no scale: 15
    };
    for (const auto& row : rows)
        EXPECT_EQ(twips_to_pixels(row.twips, row.twips_per_pixel), row.pixels)
            << row.twips << " / " << row.twips_per_pixel;
}

TEST(Layout, PlacesConvertEachEdgeAtTheScreensScale) {
    const ControlLayout control{1, "Command1", ControlKind::button, "&Exit", 3810, 2550, 2895, 555, 3};
    const struct {
        int dpi;
        PixelRect place;
    } rows[] = {
        {96, {254, 170, 193, 37}},   // 15 twips a pixel
        {144, {381, 255, 290, 56}},  // 10: 289.5 -> 290, 55.5 -> 56
        {120, {318, 212, 241, 46}},  // 12: 317.5 -> 318, 212.5 -> 212, 241.25, 46.25
    };
    for (const auto& row : rows) EXPECT_EQ(to_pixels(control, Scale::at_dpi(row.dpi, row.dpi)), row.place) << row.dpi;
    EXPECT_EQ(to_pixels(control, Scale::at_dpi(96, 144)), (PixelRect{254, 255, 193, 56}));
}

TEST(Layout, TabStopsAreCreatedFirstInTabOrder) {
    const std::array<ControlLayout, 5> controls{{
        {1, "Label1", ControlKind::label, "", 0, 0, 1, 1, -1},
        {2, "Command2", ControlKind::button, "", 0, 0, 1, 1, 2},
        {3, "Text1", ControlKind::text_box, "", 0, 0, 1, 1, 0},
        {4, "Label2", ControlKind::label, "", 0, 0, 1, 1, -1},
        {5, "Check1", ControlKind::check_box, "", 0, 0, 1, 1, 1},
    }};
    std::vector<std::string> order;
    for (const ControlLayout* control : creation_order(controls)) order.push_back(control->name);
    EXPECT_EQ(order, (std::vector<std::string>{"Text1", "Check1", "Command2", "Label1", "Label2"}));
}

TEST(LiveWindows, TheLastCountedWindowToCloseEndsTheProgram) {
    LiveWindows windows;
    EXPECT_TRUE(windows.none_left());  // nothing opened: nothing to wait for
    windows.opened();
    windows.opened();
    EXPECT_FALSE(windows.closed());
    EXPECT_FALSE(windows.none_left());
    EXPECT_TRUE(windows.closed());
    EXPECT_TRUE(windows.none_left());
    // A window opened after the last one closed keeps the program alive again.
    windows.opened();
    EXPECT_FALSE(windows.none_left());
    EXPECT_TRUE(windows.closed());
    // A stray close never counts below zero.
    EXPECT_TRUE(windows.closed());
    EXPECT_TRUE(windows.none_left());
}

}  // namespace
}  // namespace ui
