// The MCI command strings that play the songs, and what the sequencer's answer
// to "status ... mode" means as the media control's Mode (524 to 530). The Win32
// media control only sends these strings; everything it decides is here.
#pragma once

#include <string>
#include <string_view>

namespace velmora::mci {

// Every command names the open song by this alias.
inline constexpr std::string_view song_alias = "velmora_song";

std::string open_command(std::string_view file_name, std::string_view device_type, bool shareable);
std::string play_command(bool notify, bool wait);
std::string close_command();
std::string status_mode_command();

// The Mode for a "status mode" answer, whatever its letter case; an answer the
// table does not know counts as not open (524), as a failed status does.
int mode_from_status(std::string_view status);

}  // namespace velmora::mci
