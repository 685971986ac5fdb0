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

constexpr std::size_t frames_per_sample = 1200;  // a minute at 20 frames a second

// GetGuiResources answers on Windows. Wine answers 0 there, but its handle
// lookup takes a bare 16-bit index as any generation of that slot, so asking
// each slot's type counts the live objects.
DWORD gdi_objects() {
    if (DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return count;
    DWORD count = 0;
    for (UINT_PTR slot = 1; slot <= 0xFFFF; ++slot)
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(slot))) ++count;
    return count;
}

}  // namespace

FrameTrace::FrameTrace() {
    char file[MAX_PATH] = {};
    if (GetEnvironmentVariableA("VELMORA_FRAME_LOG", file, MAX_PATH) == 0) return;
    file_ = file;
    ticks_.reserve(max_frames);
    samples_.reserve(max_frames / frames_per_sample + 1);
    QueryPerformanceFrequency(&frequency_);
}

void FrameTrace::frame_presented() {
    if (file_.empty() || ticks_.size() == ticks_.capacity()) return;
    if (ticks_.empty()) first_frame_ms_ = ms_since_process_start();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    ticks_.push_back(now.QuadPart);
    if (ticks_.size() % frames_per_sample == 1) {
        samples_.push_back({ticks_.size() - 1, gdi_objects()});
    }
}

FrameTrace::~FrameTrace() {
    if (file_.empty()) return;
    FILE* out = std::fopen(file_.c_str(), "w");
    if (!out) return;
    std::fprintf(out, "first_frame_ms %.1f\n", first_frame_ms_);
    for (const Sample& sample : samples_)
        std::fprintf(out, "sample frame %lu gdi %lu\n", static_cast<unsigned long>(sample.frame),
                     static_cast<unsigned long>(sample.gdi_objects));
    for (LONGLONG tick : ticks_) std::fprintf(out, "%.3f\n", double(tick) * 1000.0 / double(frequency_.QuadPart));
    std::fclose(out);
}

}  // namespace velmora::win32
