// The settings against a memory store: defaults, the exact values written, and
// stored text that is not what we write.
#include "shell/bas_shellcode.h"
#include "shell/shell_routines.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace velmora {
namespace {

using Writes = std::vector<std::pair<std::string, std::string>>;

TEST(Settings, CleanMachineGivesTheDefaults) {
    MemorySettingsStore store;
    Settings settings;
    load_settings(settings, store);
    EXPECT_EQ(settings.install_path, "empty");
    EXPECT_EQ(settings.music_on, 1);
    EXPECT_EQ(settings.soundfx_on, 1);
    EXPECT_EQ(settings.speed, 0);
    EXPECT_EQ(settings.scrambled_password, "");
    EXPECT_EQ(settings.password, "");
    EXPECT_TRUE(store.writes.empty());
}

TEST(Settings, SaveAfterLoadWritesBackInOrderAndNeverTheInstallPath) {
    MemorySettingsStore store;
    Settings settings;
    load_settings(settings, store);
    save_settings(settings, store);
    EXPECT_EQ(store.writes, (Writes{{"music_on", "1"}, {"soundfx_on", "1"}, {"speed", "0"}, {"misc", ""}}));
    EXPECT_EQ(store.values.count("install_path"), 0u);
}

TEST(Settings, StoredValuesAndThePasswordRoundTrip) {
    MemorySettingsStore store;
    store.values = {{"install_path", "C:\\Velmora\\"}, {"music_on", "0"}, {"soundfx_on", "1"}, {"speed", "2"}};
    Settings settings;
    load_settings(settings, store);
    settings.password = "Frost-1!";
    save_settings(settings, store);

    Settings reread;
    load_settings(reread, store);
    EXPECT_EQ(reread.install_path, "C:\\Velmora\\");
    EXPECT_EQ(reread.music_on, 0);
    EXPECT_EQ(reread.speed, 2);
    EXPECT_EQ(reread.password, "Frost-1!");
    EXPECT_EQ(store.values["misc"].size(), 16u);
}

TEST(Settings, NumbersThatAreNotDecimalIntegersAreReadAsNumericText) {
    struct Case {
        const char* stored;
        std::int32_t value;
    };
    const Case cases[] = {{"abc", 0}, {"", 0}, {" 2 ", 2}, {"1.5", 2}, {"&H1", 1}, {"7x", 7}, {"1e99", 2147483647}};
    for (const Case& c : cases) {
        MemorySettingsStore store;
        store.values["speed"] = c.stored;
        Settings settings;
        load_settings(settings, store);
        EXPECT_EQ(settings.speed, c.value) << '"' << c.stored << '"';
    }
}

TEST(ShellRoutines, SaverFlagsShareOneOutputVariable) {
    struct Call {
        unsigned action, parameter, update_flag;
        bool operator==(const Call&) const = default;
    };
    std::vector<Call> calls;
    std::uint32_t previous_running = 1;  // what the system says was running before each call 1
    const SystemParametersCall spi = [&](unsigned action, unsigned parameter, std::uint32_t* output, unsigned flag) {
        calls.push_back({action, parameter, flag});
        *output = action == spi_set_screen_saver_running ? previous_running : 0;
    };
    mark_saver_running(spi);
    EXPECT_EQ(calls, (std::vector<Call>{{97, 1, 0}, {17, 0, 1}}));
    calls.clear();
    mark_saver_stopped(spi);
    EXPECT_EQ(calls, (std::vector<Call>{{97, 0, 0}, {17, 1, 1}}));
}

TEST(ShellRoutines, CursorLoopsReachTheirStateAndNeverHang) {
    int count = -3;
    const ShowCursorCall counting = [&](bool show) { return show ? ++count : --count; };
    show_cursor(counting);
    EXPECT_EQ(count, 0);
    count = 4;
    hide_cursor(counting);
    EXPECT_EQ(count, -1);

    int calls = 0;
    const ShowCursorCall stuck = [&](bool) { return ++calls, 5; };
    hide_cursor(stuck);  // a count that never moves
    EXPECT_GT(calls, 0);
    EXPECT_LT(calls, 1000);
}

TEST(ShellRoutines, CentringAWindowLargerThanTheScreenGoesNegative) {
    EXPECT_EQ(centred_position(15360, 11520, 7125, 4605), (std::pair<float, float>{4117.5f, 3457.5f}));
    const auto [left, top] = centred_position(9600, 7200, 12000, 9000);
    EXPECT_EQ(left, -1200.0f);
    EXPECT_EQ(top, -900.0f);
}

}  // namespace
}  // namespace velmora
