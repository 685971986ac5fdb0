// The playlist against a recording media control: the order of songs, the exact
// order of what is set on the control, and silence when music is off or a song
// never ends.
#include "saver/music_playlist.h"

#include "fakes.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

using testing::RecordingControl;
using testing::ScriptedRandom;
using Log = std::vector<std::string>;

Log song_start(const std::string& file) {
    return {"Command=Close", "Notify=true", "Wait=false", "Shareable=false", "DeviceType=Sequencer",
            "FileName=C:\\Velmora\\" + file, "Command=Open", "Command=Play"};
}

struct MusicFixture : ::testing::Test {
    void start_at(double r) {
        random.queued = {r};
        init_sound(playlist, random);
    }
    Playlist playlist;
    Settings settings{"C:\\Velmora\\", 1, 1, 0, "", ""};
    ScriptedRandom random;
    RecordingControl control;
};

TEST_F(MusicFixture, SongTableSwapsTheFirstTwoSongs) {
    start_at(0.0);
    EXPECT_EQ(playlist.song_count, 10);
    EXPECT_EQ(playlist.song_files[1], "ravlo2.mid");
    EXPECT_EQ(playlist.song_files[2], "ravlo1.mid");
    EXPECT_EQ(playlist.song_files[10], "ravlo10.mid");
    EXPECT_EQ(playlist.song_index, 1);
    EXPECT_EQ(random.seedings, 1);
}

TEST_F(MusicFixture, FromStartingPointTenSongsPlayInOrderWhenEachStops) {
    start_at(0.95);  // int(0.95 * 10 + 1) = 10
    ASSERT_EQ(playlist.song_index, 10);
    for (const char* file : {"ravlo2.mid", "ravlo1.mid", "ravlo3.mid"}) {
        control.log.clear();
        handle_music(playlist, settings, control);
        EXPECT_EQ(control.log, song_start(file));
        EXPECT_EQ(playlist.song_playing, 1);
        // Frames and status events while it plays change nothing.
        control.log.clear();
        for (int mode : {mci_mode_playing, mci_mode_not_open, 529}) {
            control.mode = mode;
            MMControl1_StatusUpdate(playlist, control);
            handle_music(playlist, settings, control);
        }
        EXPECT_TRUE(control.log.empty());
        control.mode = mci_mode_stopped;
        MMControl1_StatusUpdate(playlist, control);
        EXPECT_EQ(playlist.song_playing, 0);
    }
}

TEST_F(MusicFixture, ASongThatNeverStopsKeepsThePlaylistWaiting) {
    start_at(0.0);
    handle_music(playlist, settings, control);
    control.log.clear();
    control.mode = mci_mode_not_open;  // the open failed: no device, or no file
    for (int frame = 0; frame < 1000; ++frame) {
        if (frame % 20 == 0) MMControl1_StatusUpdate(playlist, control);
        handle_music(playlist, settings, control);
    }
    EXPECT_EQ(playlist.song_playing, 1);
    EXPECT_TRUE(control.log.empty());
}

TEST_F(MusicFixture, MusicOffIssuesNoCommandAtAll) {
    settings.music_on = 0;
    start_at(0.3);
    for (int frame = 0; frame < 100; ++frame) handle_music(playlist, settings, control);
    sound_off(settings, control);
    EXPECT_TRUE(control.log.empty());
}

TEST_F(MusicFixture, UnloadClosesOnlyWhenMusicIsOn) {
    sound_off(settings, control);
    EXPECT_EQ(control.log, (Log{"Command=Close"}));
    control.log.clear();
    settings.music_on = 2;  // on in a sense, but not 1
    sound_off(settings, control);
    EXPECT_TRUE(control.log.empty());
}

}  // namespace
}  // namespace velmora
