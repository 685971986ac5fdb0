// An optional record of when each frame reached the screen, for the benchmark:
// set VELMORA_FRAME_LOG to a file name and the saver writes there, when its
// window closes, the milliseconds from process start to the first presented
// frame and then every frame's time, and once a minute of frames the process's
// GDI objects (for the long-run check that nothing leaks).
// Recording allocates nothing per frame.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace velmora::win32 {

class FrameTrace {
public:
    FrameTrace();
    ~FrameTrace();
    FrameTrace(const FrameTrace&) = delete;
    FrameTrace& operator=(const FrameTrace&) = delete;

    void frame_presented();

private:
    std::string file_;
    std::vector<LONGLONG> ticks_;
    LARGE_INTEGER frequency_{};
    double first_frame_ms_ = -1;
    struct Sample {
        std::size_t frame;
        DWORD gdi_objects;
    };
    std::vector<Sample> samples_;
};

}  // namespace velmora::win32
