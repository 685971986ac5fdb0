// Test doubles for the saver's seams: scripted chance, a clock that moves only
// when the loop sleeps or works, a window system that runs scripted events, and
// a media control that records what it is told.
#pragma once

#include "saver/frm_screensaver.h"
#include "saver/media_control.h"
#include "saver/random_source.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace velmora::testing {

// Hands out the queued numbers, then `fallback` for ever.
class ScriptedRandom final : public RandomSource {
public:
    void seed_from_clock() override { ++seedings; }
    double next() override {
        if (queued.empty()) return fallback;
        const double value = queued.front();
        queued.pop_front();
        return value;
    }
    std::deque<double> queued;
    double fallback = 0.0;
    int seedings = 0;
};

class RecordingControl final : public MediaControl {
public:
    void set_DeviceType(std::string_view v) override { log.push_back("DeviceType=" + std::string(v)); }
    void set_FileName(std::string_view v) override { log.push_back("FileName=" + std::string(v)); }
    void set_Command(std::string_view v) override { log.push_back("Command=" + std::string(v)); }
    void set_Notify(bool v) override { log.push_back(std::string("Notify=") + (v ? "true" : "false")); }
    void set_Wait(bool v) override { log.push_back(std::string("Wait=") + (v ? "true" : "false")); }
    void set_Shareable(bool v) override { log.push_back(std::string("Shareable=") + (v ? "true" : "false")); }
    int Mode() override { return mode; }
    std::vector<std::string> log;
    int mode = mci_mode_playing;
};

// The window system as the frame loop sees it. Time stands still except when the
// loop sleeps (wait_for_events) or a test says work took time (`now += ...`).
class FakeSaverPlatform final : public SaverPlatform {
public:
    std::int32_t elapsed_ms() override { return now; }
    std::vector<std::uint32_t> message_after_ms;
    // Messages already in the queue: the next sleep ends at once, and the next
    // pump runs them.
    std::vector<std::function<void()>> pending;
    void process_pending_events() override {
        ++pumps;
        const auto messages = std::move(pending);
        pending.clear();
        for (const auto& message : messages) message();
        if (on_pump) on_pump();
    }
    // The loop wakes when the time is up, or earlier when a message arrives
    // `message_after_ms` into its sleep (one message per entry, in order).
    bool wait_for_events(std::uint32_t timeout_ms) override {
        waits.push_back(timeout_ms);
        if (!pending.empty()) return true;
        const bool message = !message_after_ms.empty() && message_after_ms.front() < timeout_ms;
        const std::uint32_t slept = message ? message_after_ms.front() : timeout_ms;
        if (message) message_after_ms.erase(message_after_ms.begin());
        now = static_cast<std::int32_t>(static_cast<std::uint32_t>(now) + slept);
        return message;
    }
    void frame_presented() override {
        if (on_frame) on_frame();
    }
    void hide_cursor() override { calls.push_back("hide_cursor"); }
    void show_cursor() override { calls.push_back("show_cursor"); }
    void mark_saver_running() override { calls.push_back("mark_saver_running"); }
    void mark_saver_stopped() override { calls.push_back("mark_saver_stopped"); }
    void make_topmost() override { calls.push_back("make_topmost"); }
    void settle_window() override { calls.push_back("settle_window"); }
    bool password_protection_on() override { return password_on; }
    void show_password_prompt() override { ++prompts; }
    void unload_window() override { ++unloads; }

    std::int32_t now = 100000;
    std::function<void()> on_pump, on_frame;
    int pumps = 0, prompts = 0, unloads = 0;
    bool password_on = false;
    std::vector<std::uint32_t> waits;
    std::vector<std::string> calls;
};

}  // namespace velmora::testing
