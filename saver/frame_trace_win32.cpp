#include "saver/frame_trace_win32.h"

#include <cstdio>

namespace velmora::win32 {
namespace {

constexpr std::size_t max_frames = 1 << 16;  // almost an hour at 20 frames a second

double ms_since_process_start() {
    FILETIME created, exited, kernel, user, now;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    GetSystemTimeAsFileTime(&now);
    const auto as_100ns = [](const FILETIME& t) { return (ULONGLONG(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
    return double(as_100ns(now) - as_100ns(created)) / 10000.0;
}

}  // namespace

FrameTrace::FrameTrace() {
    char file[MAX_PATH] = {};
    if (GetEnvironmentVariableA("VELMORA_FRAME_LOG", file, MAX_PATH) == 0) return;
    file_ = file;
    ticks_.reserve(max_frames);
    QueryPerformanceFrequency(&frequency_);
}

void FrameTrace::frame_presented() {
    if (file_.empty() || ticks_.size() == ticks_.capacity()) return;
    if (ticks_.empty()) first_frame_ms_ = ms_since_process_start();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    ticks_.push_back(now.QuadPart);
}

FrameTrace::~FrameTrace() {
    if (file_.empty()) return;
    FILE* out = std::fopen(file_.c_str(), "w");
    if (!out) return;
    std::fprintf(out, "first_frame_ms %.1f\n", first_frame_ms_);
    for (LONGLONG tick : ticks_) std::fprintf(out, "%.3f\n", double(tick) * 1000.0 / double(frequency_.QuadPart));
    std::fclose(out);
}

}  // namespace velmora::win32
