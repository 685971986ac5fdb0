#include "saver/music_playlist.h"

namespace velmora {

void setup_music(Playlist& playlist, RandomSource& random) {
    playlist.song_count = 10;
    // Slots 1 and 2 hold the second and the first song: the rotation has always
    // been in this order.
    playlist.song_files[1] = "ravlo2.mid";
    playlist.song_files[2] = "ravlo1.mid";
    for (int slot = 3; slot <= 10; ++slot) playlist.song_files[slot] = "ravlo" + std::to_string(slot) + ".mid";
    playlist.song_playing = 0;
    random.seed_from_clock();
    playlist.song_index = static_cast<std::int32_t>(random.next() * playlist.song_count + 1);
}

void init_sound(Playlist& playlist, RandomSource& random) {
    setup_music(playlist, random);
}

void handle_music(Playlist& playlist, const Settings& settings, MediaControl& control) {
    if (settings.music_on == 0 || playlist.song_playing == 1 || playlist.song_count == 0) return;
    if (++playlist.song_index > playlist.song_count) playlist.song_index = 1;
    // "Close" first releases the previous song, so one song at a time is open.
    control.set_Command("Close");
    control.set_Notify(true);
    control.set_Wait(false);
    control.set_Shareable(false);
    control.set_DeviceType("Sequencer");
    control.set_FileName(settings.install_path + playlist.song_files[playlist.song_index]);
    control.set_Command("Open");
    playlist.song_playing = 1;
    control.set_Command("Play");
}

void MMControl1_StatusUpdate(Playlist& playlist, MediaControl& control) {
    if (control.Mode() == mci_mode_stopped) playlist.song_playing = 0;
}

void sound_off(const Settings& settings, MediaControl& control) {
    if (settings.music_on == 1) control.set_Command("Close");
}

}  // namespace velmora
