// The Win32 side of the shell: the process's one shell state, the shared routines
// over the real system calls, the settings in the registry, and the few helpers
// every window uses (twips to pixels, pumping events, the program's lifetime).
#pragma once

#include "shell/bas_shellcode.h"

#include <windows.h>

#include <cstdint>

namespace velmora::win32 {

ShellState& shell();

void mark_saver_running();
void mark_saver_stopped();
void show_cursor();
void hide_cursor();
std::int32_t elapsed_ms();
void center_form(HWND window);
bool no_window_titled(const char* caption);

// Reads or writes every setting through the registry key of the settings.
void load_settings();
void save_settings();
SettingsStore& registry_settings();

// Lets every pending window message run, then returns (the message loop's
// "process all pending events"). A quit request ends the full-screen wait.
void process_pending_events();

// Twips of a layout table to pixels of this screen, rounded half to even.
int twips_to_pixels_x(double twips);
int twips_to_pixels_y(double twips);

// The program lives while one of its top-level windows is open: each window says
// when it opens and when it is destroyed; the last one to go ends the message loop.
void note_window_opened();
void note_window_destroyed();
int open_window_count();

// A top-level window of the given caption and client size in twips, centred on the
// screen, with a close box and no minimize or maximize button. `procedure` may be
// null for DefWindowProc; the window counts toward the program's lifetime.
HWND create_dialog_window(const char* class_name, const char* caption, double client_width_twips,
                          double client_height_twips, WNDPROC procedure, void* creation_data);

struct ProgramVersion {
    int major = 0, minor = 0, revision = 0;
};
// The version resource of the running program.
ProgramVersion program_version();

}  // namespace velmora::win32
