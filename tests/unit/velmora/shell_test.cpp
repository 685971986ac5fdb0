// Start-up rules: reading numbers, the command line, twips, and the order of
// start-up in every mode.
#include "shell/command_line.h"
#include "shell/numeric_text.h"
#include "shell/startup.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace velmora {
namespace {

constexpr std::int32_t int32_max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t int32_min = std::numeric_limits<std::int32_t>::min();

TEST(NumericText, ReadsTheNumberAtTheStartOfAText) {
    struct Case {
        const char* text;
        std::int32_t value;
    };
    const Case cases[] = {
        {"", 0},           {"abc", 0},          {" 1234", 1234},       {"1234xyz", 1234},
        {"1 2\t3\n4", 1234}, {":1234", 0},      {"-17", -17},          {"+17", 17},
        {" - 1 7", -17},   {"--1", 0},          {"2.5", 2},            {"3.5", 4},
        {"-2.5", -2},      {".5", 0},           {"1.5", 2},            {"0.51", 1},
        {"12.7.9", 13},    {"1e3", 1000},       {"1E+3", 1000},        {"15e-1", 2},
        {"2D2", 200},      {"1e", 1},           {"1e+", 1},            {"&H1F", 31},
        {"&hff", 255},     {"&O17", 15},        {"&o19", 1},           {"&HFFFFFFFF", -1},
        {"&H80000000", int32_min}, {"&H", 0},   {"&", 0},              {"&X12", 0},
        {"1,000", 1},      {"2147483647", int32_max}, {"2147483648", int32_max},
        {"-2147483648", int32_min}, {"-2147483649", int32_min}, {"1e400", int32_max},
        {"-1e99999999999999", int32_min}, {"1e-400", 0}, {"&H1FFFFFFFF", int32_max},
        {"99999999999999999999999999999999", int32_max},
    };
    for (const Case& c : cases) EXPECT_EQ(read_int32(c.text), c.value) << '"' << c.text << '"';
}

TEST(NumericText, ReadsFractionsExactly) {
    EXPECT_DOUBLE_EQ(read_number(" 1 . 25"), 1.25);
    EXPECT_DOUBLE_EQ(read_number("-0.125e1"), -1.25);
}

TEST(CommandLine, ArgumentsFollowTheProgramName) {
    EXPECT_EQ(arguments_of("\"C:\\Program Files\\Velmora.scr\" /s"), "/s");
    EXPECT_EQ(arguments_of("C:\\WINDOWS\\Velmora.scr /p 1234"), "/p 1234");
    EXPECT_EQ(arguments_of("Velmora.scr"), "");
    EXPECT_EQ(arguments_of("\"unterminated"), "");
}

TEST(CommandLine, SwitchChoosesTheMode) {
    struct Case {
        const char* arguments;
        SaverMode mode;
        std::int32_t host_window;
    };
    const Case cases[] = {
        {"", SaverMode::configuration, 0},
        {"/c", SaverMode::configuration, 0},
        {"/C", SaverMode::configuration, 0},
        {"/c:1234", SaverMode::configuration, 0},
        {"/s", SaverMode::full_screen, 0},
        {"/S", SaverMode::full_screen, 0},
        {"/saver please", SaverMode::full_screen, 0},
        {"/p 1234", SaverMode::preview, 1234},
        {"/P1234", SaverMode::preview, 1234},
        {"/p", SaverMode::preview, 0},
        {"/p:1234", SaverMode::preview, 0},
        {"/p &H10", SaverMode::preview, 16},
        {"/a 99", SaverMode::change_password, 99},
        {"/p 2147483647", SaverMode::preview, 2147483647},
        {"/p 2147483648", SaverMode::preview, -2147483647 - 1},  // handles are 32-bit patterns
        {"/p 4294967295", SaverMode::preview, -1},
        {"/a 3000000000", SaverMode::change_password, static_cast<std::int32_t>(3000000000u)},
        {"/p 4294967296", SaverMode::preview, 2147483647},  // beyond 32 bits: the limit
        {"/p -5", SaverMode::preview, -5},
        {"/A", SaverMode::change_password, 0},
        {"/x", SaverMode::none, 0},
        {"-s", SaverMode::none, 0},
        {"/", SaverMode::none, 0},
        {" /s", SaverMode::none, 0},
    };
    for (const Case& c : cases) {
        const LaunchRequest request = parse_launch_request(c.arguments);
        EXPECT_EQ(request.mode, c.mode) << '"' << c.arguments << '"';
        EXPECT_EQ(request.host_window, c.host_window) << '"' << c.arguments << '"';
    }
}

// Records the order of what start-up asks of the platform.
class RecordingStartup final : public StartupPlatform {
public:
    int screen_dpi_x() override { return dpi_x; }
    int screen_dpi_y() override { return dpi_y; }
    std::string program_path() override { return path; }
    bool another_configuration_instance_runs() override {
        calls.push_back("instance test");
        return second_instance;
    }
    bool no_window_titled(std::string_view caption) override {
        calls.push_back("look for " + std::string(caption));
        return !saver_window_exists;
    }
    void show_configuration() override { calls.push_back("frm_configuration"); }
    void show_screensaver() override { calls.push_back("frm_screensaver"); }
    void load_preview() override { calls.push_back("frm_preview"); }
    void show_new_password() override { calls.push_back("frm_newpassword"); }
    void wait_while_saver_runs_then_exit() override { calls.push_back("wait"); }

    int dpi_x = 96, dpi_y = 96;
    std::string path = "C:\\WINDOWS\\Velmora Screen Saver.scr";
    bool second_instance = false, saver_window_exists = false;
    std::vector<std::string> calls;
};

TEST(Startup, ReadsSettingsFirstThenOpensTheWindowOfTheMode) {
    struct Case {
        const char* arguments;
        bool second_instance, saver_window_exists;
        std::vector<std::string> calls;
        bool saver_running;
        std::int32_t host_window;
    };
    const std::string look = "look for screen saver running";
    const Case cases[] = {
        {"", false, false, {"instance test", "frm_configuration"}, false, 0},
        {"/c", true, false, {"instance test"}, false, 0},
        {"/s", false, false, {look, "frm_screensaver", "wait"}, true, 0},
        {"/s", false, true, {look}, false, 0},
        {"/p 1234", false, false, {"frm_preview"}, false, 1234},
        {"/a 77", false, false, {"frm_newpassword"}, false, 77},
        {"/x", false, false, {}, false, 0},
        {"-s", false, false, {}, false, 0},
    };
    for (const Case& c : cases) {
        ShellState shell;
        RecordingStartup platform;
        platform.second_instance = c.second_instance;
        platform.saver_window_exists = c.saver_window_exists;
        MemorySettingsStore store;
        store.values["speed"] = "1";
        start_up(shell, c.arguments, platform, store);
        EXPECT_EQ(shell.settings.speed, 1) << "every mode reads the settings first: \"" << c.arguments << '"';
        EXPECT_EQ(platform.calls, c.calls) << '"' << c.arguments << '"';
        EXPECT_EQ(shell.saver_running, c.saver_running) << '"' << c.arguments << '"';
        EXPECT_EQ(shell.host_window, c.host_window) << '"' << c.arguments << '"';
    }
}

TEST(Startup, RecordsTwipsPerPixelOfBothAxes) {
    ShellState shell;
    RecordingStartup platform;
    platform.dpi_x = 120;
    platform.dpi_y = 144;
    MemorySettingsStore store;
    start_up(shell, "/x", platform, store);
    EXPECT_EQ(shell.twips_per_pixel_x, 12);
    EXPECT_EQ(shell.twips_per_pixel_y, 10);
}

TEST(Startup, OnlyTheProgramNamedVelmoraScreenSaverIsGuarded) {
    const struct {
        const char* path;
        bool guarded;
    } rows[] = {
        {"C:\\WINDOWS\\system32\\Velmora Screen Saver.scr", true},
        {"C:\\x\\VELMORA SCREEN SAVER.SCR", true},
        {"Velmora Screen Saver", true},
        {"Z:/build/velmora screen saver.exe", true},
        {"C:\\WINDOWS\\Velmora.scr", false},
        {"C:\\Velmora Screen Saver\\Velmora.scr", false},
        {"C:\\x\\Velmora Screen Saver 2.scr", false},
        {"C:\\x\\Velmora Screen Saver.old.scr", false},
        {"", false},
    };
    for (const auto& row : rows) EXPECT_EQ(is_guarded_configuration_program(row.path), row.guarded) << row.path;
}

TEST(Startup, TheGuardAsksForAnotherInstanceOnlyForTheGuardedName) {
    ShellState shell;
    RecordingStartup platform;
    platform.path = "C:\\WINDOWS\\Velmora.scr";
    platform.second_instance = true;
    MemorySettingsStore store;
    start_up(shell, "/c", platform, store);
    EXPECT_EQ(platform.calls, (std::vector<std::string>{"frm_configuration"}));
}

}  // namespace
}  // namespace velmora
