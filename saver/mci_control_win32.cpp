#include "saver/mci_control_win32.h"

#include "saver/mci_commands.h"

#include <mmsystem.h>

namespace velmora::win32 {

MciControl::~MciControl() {
    if (open_) send(mci::close_command());
}

void MciControl::send(const std::string& command) {
    // Results are not examined: a song that fails simply never reports stopped.
    mciSendStringA(command.c_str(), nullptr, 0, owner_);
}

void MciControl::set_Command(std::string_view command) {
    if (command == "Close") {
        if (open_) send(mci::close_command());
        open_ = false;
    } else if (command == "Open") {
        if (open_) send(mci::close_command());
        const std::string open = mci::open_command(file_name_, device_type_, shareable_);
        open_ = mciSendStringA(open.c_str(), nullptr, 0, owner_) == 0;
    } else if (command == "Play") {
        if (open_) send(mci::play_command(notify_, wait_));
    }
}

int MciControl::Mode() {
    if (!open_) return mci_mode_not_open;
    char status[64] = {};
    if (mciSendStringA(mci::status_mode_command().c_str(), status, sizeof status, nullptr) != 0)
        return mci_mode_not_open;
    return mci::mode_from_status(status);
}

}  // namespace velmora::win32
