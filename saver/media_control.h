// MMControl1: the media control that plays the songs. Each assignment to Command
// issues that command ("Close", "Open", "Play") at once and never waits for it;
// Mode tells the device's state (525 = stopped). The program drives the MCI
// sequencer (mci_control_win32.cpp); tests record what is set, in order.
#pragma once

#include <string_view>

namespace velmora {

inline constexpr int mci_mode_not_open = 524;
inline constexpr int mci_mode_stopped = 525;
inline constexpr int mci_mode_playing = 526;

class MediaControl {
public:
    virtual ~MediaControl() = default;
    virtual void set_DeviceType(std::string_view device_type) = 0;
    virtual void set_FileName(std::string_view file_name) = 0;
    virtual void set_Command(std::string_view command) = 0;
    virtual void set_Notify(bool notify) = 0;
    virtual void set_Wait(bool wait) = 0;
    virtual void set_Shareable(bool shareable) = 0;
    virtual int Mode() = 0;
};

}  // namespace velmora
