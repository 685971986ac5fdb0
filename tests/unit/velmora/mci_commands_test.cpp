// What the media control says to the MCI sequencer, and how it reads the
// device's mode: a status it misreads would stall the playlist on its first song.
#include "saver/mci_commands.h"

#include "saver/media_control.h"

#include <gtest/gtest.h>

namespace velmora::mci {
namespace {

TEST(MciCommands, EveryCommandNamesTheSongByItsAlias) {
    EXPECT_EQ(open_command("C:\\Program Files\\Velmora\\ravlo2.mid", "Sequencer", false),
              "open \"C:\\Program Files\\Velmora\\ravlo2.mid\" type Sequencer alias velmora_song");
    EXPECT_EQ(open_command("a.mid", "Sequencer", true), "open \"a.mid\" type Sequencer alias velmora_song shareable");
    EXPECT_EQ(play_command(true, false), "play velmora_song notify");
    EXPECT_EQ(play_command(false, false), "play velmora_song");
    EXPECT_EQ(play_command(true, true), "play velmora_song notify wait");
    EXPECT_EQ(close_command(), "close velmora_song");
    EXPECT_EQ(status_mode_command(), "status velmora_song mode");
}

TEST(MciCommands, StatusAnswersMapToModes) {
    const struct {
        const char* status;
        int mode;
    } rows[] = {
        {"not ready", mci_mode_not_open},
        {"stopped", mci_mode_stopped},
        {"Stopped", mci_mode_stopped},
        {"playing", mci_mode_playing},
        {"PLAYING", mci_mode_playing},
        {"recording", 527},
        {"seeking", 528},
        {"paused", 529},
        {"open", 530},
        {"", mci_mode_not_open},
        {"stopped ", mci_mode_not_open},
        {"stop", mci_mode_not_open},
    };
    for (const auto& row : rows) EXPECT_EQ(mode_from_status(row.status), row.mode) << '"' << row.status << '"';
}

}  // namespace
}  // namespace velmora::mci
