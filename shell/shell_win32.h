// The Win32 side of the shell: the process's one shell state, the shared routines
// over the real system calls, the settings in the registry, and the helpers the
// saver's windows use (twips to pixels at the recorded scale, pumping events).
// Window classes, the message loop and the program's lifetime are the ui layer's.
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

}  // namespace velmora::win32
