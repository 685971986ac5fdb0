// MMControl1 over MCI command strings to the sequencer. Nothing waits: "play" is
// sent without "wait", and the mode is asked for only while a song is open.
#pragma once

#include "saver/media_control.h"

#include <windows.h>

#include <string>

namespace velmora::win32 {

class MciControl final : public MediaControl {
public:
    explicit MciControl(HWND owner) : owner_(owner) {}
    ~MciControl() override;

    void set_DeviceType(std::string_view device_type) override { device_type_ = device_type; }
    void set_FileName(std::string_view file_name) override { file_name_ = file_name; }
    void set_Command(std::string_view command) override;
    void set_Notify(bool notify) override { notify_ = notify; }
    void set_Wait(bool wait) override { wait_ = wait; }
    void set_Shareable(bool shareable) override { shareable_ = shareable; }
    int Mode() override;

private:
    void send(const std::string& command);

    HWND owner_;
    std::string device_type_, file_name_;
    bool notify_ = false, wait_ = false, shareable_ = false;
    bool open_ = false;
};

}  // namespace velmora::win32
