// The playlist of ten MIDI songs: from a random starting point, one after another
// for as long as the saver runs. The frame loop asks once per frame whether to
// start the next song; the control's status event, once a second, says when one
// has stopped. A song that never reports stopped (no device, missing file) leaves
// the playlist waiting, in silence.
#pragma once

#include "saver/media_control.h"
#include "saver/random_source.h"
#include "shell/bas_shellcode.h"

#include <array>
#include <cstdint>
#include <string>

namespace velmora {

struct Playlist {
    std::array<std::string, 21> song_files{};  // slots 1..song_count
    std::int32_t song_count = 0;
    std::int32_t song_index = 0;    // slot started last; before the first, the random start
    std::int32_t song_playing = 0;  // 1 from opening a song until it reports stopped
};

void setup_music(Playlist& playlist, RandomSource& random);
void init_sound(Playlist& playlist, RandomSource& random);
void handle_music(Playlist& playlist, const Settings& settings, MediaControl& control);
void MMControl1_StatusUpdate(Playlist& playlist, MediaControl& control);
void sound_off(const Settings& settings, MediaControl& control);

}  // namespace velmora
