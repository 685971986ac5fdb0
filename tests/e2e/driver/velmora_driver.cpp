// velmora_driver: the end-to-end tests' hands and eyes inside Wine. Each run does
// one thing to the programs under test and prints what it found, one fact a line:
// start a program, wait for or inspect a window, read its controls, send input,
// read or write the registry, capture the screen. Exit code 0 means the thing
// was done (or found); 1 means it was not; 2 means the command line was wrong.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

using Args = std::vector<std::string>;

void sleep_ms(DWORD ms) { Sleep(ms); }

// Polls `found` every 20 ms for up to `seconds`.
template <class Predicate>
bool wait_until(double seconds, Predicate found) {
    const DWORD deadline = GetTickCount() + static_cast<DWORD>(seconds * 1000);
    for (;;) {
        if (found()) return true;
        if (static_cast<LONG>(GetTickCount() - deadline) >= 0) return false;
        sleep_ms(20);
    }
}

HWND find_window(const std::string& caption) { return FindWindowA(nullptr, caption.c_str()); }

HWND require_window(const std::string& caption) {
    HWND window = find_window(caption);
    if (!window) {
        std::printf("no window \"%s\"\n", caption.c_str());
        std::exit(1);
    }
    return window;
}

std::string text_of(HWND window) {
    char buffer[4096] = {};
    SendMessageA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

// Escapes line ends so that every control stays on one output line.
std::string one_line(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\r') out += "\\r";
        else if (c == '\n') out += "\\n";
        else out += c;
    }
    return out;
}

HWND control(HWND window, const std::string& id) {
    HWND child = GetDlgItem(window, std::atoi(id.c_str()));
    if (!child) {
        std::printf("no control %s\n", id.c_str());
        std::exit(1);
    }
    return child;
}

// The program quoted, then its arguments, each quoted when it holds a blank.
std::string command_line_of(const Args& a, std::size_t first) {
    std::string command_line;
    for (std::size_t i = first; i < a.size(); ++i) {
        if (i > first) command_line += ' ';
        const bool quote = i == first || a[i].find_first_of(" \t") != std::string::npos;
        command_line += quote ? "\"" + a[i] + "\"" : a[i];
    }
    return command_line;
}

// Starts the program of a[first] with the arguments after it; says why when it cannot.
bool launch(const Args& a, std::size_t first, PROCESS_INFORMATION& process) {
    const std::string command_line = command_line_of(a, first);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::vector<char> buffer(command_line.begin(), command_line.end());
    buffer.push_back('\0');
    if (CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return true;
    std::printf("cannot start %s (error %lu)\n", command_line.c_str(), GetLastError());
    return false;
}

int cmd_start(const Args& a) {
    if (a.empty()) return 2;
    PROCESS_INFORMATION process{};
    if (!launch(a, 0, process)) return 1;
    std::printf("%lu\n", process.dwProcessId);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 0;
}

struct WindowsOfProcess {
    DWORD pid;
    std::vector<std::string> captions;
};

BOOL CALLBACK collect_visible(HWND window, LPARAM data) {
    auto* seen = reinterpret_cast<WindowsOfProcess*>(data);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == seen->pid && IsWindowVisible(window)) {
        char caption[512] = {};
        GetWindowTextA(window, caption, sizeof caption);
        bool known = false;
        for (const auto& c : seen->captions) known = known || c == caption;
        if (!known) seen->captions.push_back(caption);
    }
    return TRUE;
}

// Starts a program and waits for it to end, noting every visible window it shows;
// one still running when the time is up is ended.
int cmd_run(const Args& a) {
    if (a.size() < 2) return 2;
    const double seconds = std::atof(a[0].c_str());
    PROCESS_INFORMATION process{};
    if (!launch(a, 1, process)) return 1;
    WindowsOfProcess seen{process.dwProcessId, {}};
    const bool ended = wait_until(seconds, [&] {
        EnumWindows(collect_visible, reinterpret_cast<LPARAM>(&seen));
        return WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0;
    });
    for (const auto& caption : seen.captions) std::printf("window \"%s\"\n", caption.c_str());
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    if (ended) {
        std::printf("exit %lu\n", code);
    } else {
        // Ended here, so that it cannot hold the caller's output open for ever.
        std::printf("still running\n");
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return ended ? 0 : 1;
}

int cmd_wait_exit(const Args& a) {
    if (a.size() != 2) return 2;
    HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, std::strtoul(a[0].c_str(), nullptr, 10));
    if (!process) {
        std::printf("exited\n");  // already gone
        return 0;
    }
    const bool ended = WaitForSingleObject(process, static_cast<DWORD>(std::atof(a[1].c_str()) * 1000)) == WAIT_OBJECT_0;
    std::printf(ended ? "exited\n" : "still running\n");
    CloseHandle(process);
    return ended ? 0 : 1;
}

// Waits until the window is visible, as a user would see it, not merely created.
int cmd_wait_window(const Args& a) {
    if (a.size() != 2) return 2;
    return wait_until(std::atof(a[1].c_str()), [&] {
               HWND window = find_window(a[0]);
               return window && IsWindowVisible(window);
           }) ? 0 : 1;
}

int cmd_wait_gone(const Args& a) {
    if (a.size() != 2) return 2;
    return wait_until(std::atof(a[1].c_str()), [&] { return find_window(a[0]) == nullptr; }) ? 0 : 1;
}

int cmd_window(const Args& a) {
    if (a.size() != 1) return 2;
    HWND window = require_window(a[0]);
    RECT bounds, client;
    GetWindowRect(window, &bounds);
    GetClientRect(window, &client);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    const LONG style = GetWindowLongA(window, GWL_STYLE), ex_style = GetWindowLongA(window, GWL_EXSTYLE);
    std::printf("rect %ld %ld %ld %ld\n", bounds.left, bounds.top, bounds.right, bounds.bottom);
    std::printf("client %ld %ld\n", client.right, client.bottom);
    std::printf("topmost %d\n", (ex_style & WS_EX_TOPMOST) ? 1 : 0);
    std::printf("visible %d\n", IsWindowVisible(window) ? 1 : 0);
    std::printf("caption %d\n", (style & WS_CAPTION) == WS_CAPTION ? 1 : 0);
    std::printf("minimizebox %d\nmaximizebox %d\nsysmenu %d\n", (style & WS_MINIMIZEBOX) ? 1 : 0,
                (style & WS_MAXIMIZEBOX) ? 1 : 0, (style & WS_SYSMENU) ? 1 : 0);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    std::printf("origin %ld %ld\n", origin.x, origin.y);
    std::printf("enabled %d\n", IsWindowEnabled(window) ? 1 : 0);
    std::printf("pid %lu\n", pid);
    std::printf("hwnd %lu\n", static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(window)));
    std::printf("screen %d %d\n", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    // Every monitor's desktop together: left top right bottom, and how many monitors.
    std::printf("desktop %d %d %d %d\n", GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                GetSystemMetrics(SM_YVIRTUALSCREEN) + GetSystemMetrics(SM_CYVIRTUALSCREEN));
    std::printf("monitors %d\n", GetSystemMetrics(SM_CMONITORS));
    return 0;
}

BOOL CALLBACK print_control(HWND child, LPARAM parent) {
    if (GetParent(child) != reinterpret_cast<HWND>(parent)) return TRUE;
    char class_name[64] = {};
    GetClassNameA(child, class_name, sizeof class_name);
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, reinterpret_cast<HWND>(parent), reinterpret_cast<POINT*>(&r), 2);
    std::printf("%d\t%s\t%ld %ld %ld %ld\t0x%08lx\t%s\n", GetDlgCtrlID(child), class_name, r.left, r.top,
                r.right - r.left, r.bottom - r.top, static_cast<unsigned long>(GetWindowLongA(child, GWL_STYLE)),
                one_line(text_of(child)).c_str());
    return TRUE;
}

// One line per child control: id, class, left top width height (client pixels), style, text.
int cmd_controls(const Args& a) {
    if (a.size() != 1) return 2;
    HWND window = require_window(a[0]);
    EnumChildWindows(window, print_control, reinterpret_cast<LPARAM>(window));
    return 0;
}

// The window with the keyboard focus in the thread that owns `window`, or null.
HWND focus_of(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}

int cmd_focus(const Args& a) {
    if (a.size() != 1) return 2;
    HWND focus = focus_of(require_window(a[0]));
    if (!focus) {
        std::printf("no focus\n");
        return 1;
    }
    std::printf("%d\t%s\n", GetDlgCtrlID(focus), one_line(text_of(focus)).c_str());
    return 0;
}

int cmd_text(const Args& a) {
    if (a.size() != 2) return 2;
    std::printf("%s\n", one_line(text_of(control(require_window(a[0]), a[1]))).c_str());
    return 0;
}

int cmd_post_char(const Args& a) {
    if (a.size() != 2 || a[1].empty()) return 2;
    PostMessageA(require_window(a[0]), WM_CHAR, static_cast<unsigned char>(a[1][0]), 1);
    return 0;
}

// A key down and up posted to the window that has the keyboard focus in the target's thread.
int cmd_post_key(const Args& a) {
    if (a.size() != 2) return 2;
    HWND window = require_window(a[0]);
    HWND focus = focus_of(window);
    HWND target = focus ? focus : window;
    const WPARAM vk = std::strtoul(a[1].c_str(), nullptr, 0);
    PostMessageA(target, WM_KEYDOWN, vk, 1);
    PostMessageA(target, WM_KEYUP, vk, 0xC0000001);
    return 0;
}

int cmd_click(const Args& a) {
    if (a.size() != 1 && a.size() != 3) return 2;
    HWND window = require_window(a[0]);
    const LPARAM at = a.size() == 3 ? MAKELPARAM(std::atoi(a[1].c_str()), std::atoi(a[2].c_str())) : MAKELPARAM(10, 10);
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(window, WM_LBUTTONUP, 0, at);
    return 0;
}

// Posts COUNT mouse moves, all at once, or one every INTERVAL ms: paced moves
// span many frames, so no single frame's rules decide what they add up to. Paced
// moves stop early once the window is gone.
int cmd_mouse_moves(const Args& a) {
    if (a.size() != 2 && a.size() != 3) return 2;
    HWND window = require_window(a[0]);
    const int count = std::atoi(a[1].c_str());
    const DWORD interval_ms = a.size() == 3 ? static_cast<DWORD>(std::atoi(a[2].c_str())) : 0;
    for (int i = 0; i < count; ++i) {
        if (interval_ms != 0) {
            if (!IsWindow(window)) break;
            sleep_ms(interval_ms);
        }
        PostMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(100 + i % 500, 100));
    }
    return 0;
}

// The system's two screen-saver flags: is a screen saver running, and is the
// user's own screen saver switched on.
int cmd_saver_flags(const Args& a) {
    if (!a.empty()) return 2;
    BOOL running = FALSE, active = FALSE;
    SystemParametersInfoA(SPI_GETSCREENSAVERRUNNING, 0, &running, 0);
    SystemParametersInfoA(SPI_GETSCREENSAVEACTIVE, 0, &active, 0);
    std::printf("running %d\nactive %d\n", running ? 1 : 0, active ? 1 : 0);
    return 0;
}

int cmd_close(const Args& a) {
    if (a.size() != 1) return 2;
    PostMessageA(require_window(a[0]), WM_CLOSE, 0, 0);
    return 0;
}

// A check box's or option button's state: 0 clear, 1 checked.
int cmd_checked(const Args& a) {
    if (a.size() != 2) return 2;
    std::printf("%ld\n", static_cast<long>(SendMessageA(control(require_window(a[0]), a[1]), BM_GETCHECK, 0, 0)));
    return 0;
}

// Appends the texts, one line, to a file: a stand-in program that a test makes
// the shell start, to learn what it was asked to open.
int cmd_record(const Args& a) {
    if (a.empty()) return 2;
    FILE* out = std::fopen(a[0].c_str(), "ab");
    if (!out) return 1;
    for (std::size_t i = 1; i < a.size(); ++i) std::fprintf(out, i > 1 ? " %s" : "%s", a[i].c_str());
    std::fputc('\n', out);
    std::fclose(out);
    return 0;
}

int cmd_press(const Args& a) {
    if (a.size() != 2) return 2;
    PostMessageA(control(require_window(a[0]), a[1]), BM_CLICK, 0, 0);
    return 0;
}

int cmd_list_items(const Args& a) {
    if (a.size() != 2) return 2;
    HWND list = control(require_window(a[0]), a[1]);
    const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        // Read as UTF-16 and convert: Wine hands another process's ANSI list text over in UTF-16.
        wchar_t wide[1024] = {};
        char item[2048] = {};
        if (SendMessageW(list, LB_GETTEXTLEN, i, 0) < LRESULT(sizeof wide / sizeof *wide)) {
            SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(wide));
            WideCharToMultiByte(CP_ACP, 0, wide, -1, item, sizeof item, nullptr, nullptr);
        }
        std::printf("item %s\n", item);
    }
    std::printf("count %ld\nselected %ld\n", static_cast<long>(count),
                static_cast<long>(SendMessageA(list, LB_GETCURSEL, 0, 0)));
    return 0;
}

// Selects an entry as the user's click would: the selection, then its notification.
int cmd_list_select(const Args& a) {
    if (a.size() != 3) return 2;
    HWND window = require_window(a[0]);
    HWND list = control(window, a[1]);
    SendMessageA(list, LB_SETCURSEL, std::atoi(a[2].c_str()), 0);
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    return 0;
}

int cmd_list_dblclick(const Args& a) {
    if (a.size() != 2) return 2;
    HWND window = require_window(a[0]);
    HWND list = control(window, a[1]);
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_DBLCLK), reinterpret_cast<LPARAM>(list));
    return 0;
}

BOOL CALLBACK collect_text(HWND child, LPARAM data) {
    char class_name[64] = {};
    GetClassNameA(child, class_name, sizeof class_name);
    if (lstrcmpiA(class_name, "Static") == 0) {
        const std::string text = text_of(child);
        if (!text.empty()) *reinterpret_cast<std::string*>(data) += text;
    }
    return TRUE;
}

// Waits for a message box with this title, prints its text and dismisses it.
int cmd_msgbox(const Args& a) {
    if (a.size() != 2) return 2;
    HWND box = nullptr;
    if (!wait_until(std::atof(a[1].c_str()), [&] { return (box = FindWindowA("#32770", a[0].c_str())) != nullptr; })) {
        std::printf("no message box \"%s\"\n", a[0].c_str());
        return 1;
    }
    std::string text;
    EnumChildWindows(box, collect_text, reinterpret_cast<LPARAM>(&text));
    std::printf("text %s\n", one_line(text).c_str());
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    return 0;
}

BOOL CALLBACK find_icon_static(HWND child, LPARAM data) {
    char class_name[64] = {};
    GetClassNameA(child, class_name, sizeof class_name);
    if (lstrcmpiA(class_name, "Static") == 0 && (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
        *reinterpret_cast<HWND*>(data) = child;
        return FALSE;
    }
    return TRUE;
}

// The pixels of a screen rectangle, 32 bits each, top row first.
std::vector<DWORD> pixels_of(HDC source, int x, int y, int width, int height) {
    HDC memory = CreateCompatibleDC(source);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ original = SelectObject(memory, section);
    BitBlt(memory, 0, 0, width, height, source, x, y, SRCCOPY);
    GdiFlush();
    std::vector<DWORD> pixels(static_cast<const DWORD*>(bits), static_cast<const DWORD*>(bits) + width * height);
    SelectObject(memory, original);
    DeleteObject(section);
    DeleteDC(memory);
    return pixels;
}

// The standard icon as a static control shows it: drawn at its own size on the
// given background.
std::vector<DWORD> icon_pixels(LPCSTR icon_id, int width, int height, COLORREF background) {
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP canvas = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ original = SelectObject(memory, canvas);
    HBRUSH brush = CreateSolidBrush(background);
    RECT all{0, 0, width, height};
    FillRect(memory, &all, brush);
    DeleteObject(brush);
    DrawIconEx(memory, 0, 0, LoadIconA(nullptr, icon_id), 0, 0, 0, nullptr, DI_NORMAL);
    SelectObject(memory, original);
    DeleteDC(memory);
    // Read back through a screen-format DC, as the capture is.
    HDC reader = CreateCompatibleDC(screen);
    original = SelectObject(reader, canvas);
    std::vector<DWORD> pixels = pixels_of(reader, 0, 0, width, height);
    SelectObject(reader, original);
    DeleteDC(reader);
    DeleteObject(canvas);
    ReleaseDC(nullptr, screen);
    return pixels;
}

// Waits for a message box with this title and says which standard icon it shows,
// from its pixels on the screen (icon handles cannot be compared across
// processes). Leaves the box open.
int cmd_msgbox_icon(const Args& a) {
    if (a.size() != 2) return 2;
    HWND box = nullptr, icon = nullptr;
    if (!wait_until(std::atof(a[1].c_str()), [&] {
            box = FindWindowA("#32770", a[0].c_str());
            if (box) EnumChildWindows(box, find_icon_static, reinterpret_cast<LPARAM>(&icon));
            return icon != nullptr && IsWindowVisible(icon);
        })) {
        std::printf("no message box \"%s\" with an icon\n", a[0].c_str());
        return 1;
    }
    struct Candidate {
        const char* name;
        LPCSTR id;
    };
    const Candidate candidates[] = {{"stop", IDI_HAND}, {"exclamation", IDI_EXCLAMATION},
                                    {"information", IDI_ASTERISK}, {"question", IDI_QUESTION}};
    const char* best = "none";
    std::size_t fewest = ~std::size_t{0};
    // The box may still be painting: look again until one icon matches exactly.
    wait_until(3, [&] {
        RECT place;
        GetWindowRect(icon, &place);
        const int width = place.right - place.left, height = place.bottom - place.top;
        if (width <= 0 || height <= 0) return false;
        HDC screen = GetDC(nullptr);
        const COLORREF background = GetPixel(screen, place.left - 1, place.top);
        const std::vector<DWORD> shown = pixels_of(screen, place.left, place.top, width, height);
        ReleaseDC(nullptr, screen);
        for (const Candidate& candidate : candidates) {
            const std::vector<DWORD> drawn = icon_pixels(candidate.id, width, height, background);
            std::size_t differing = 0;
            for (std::size_t i = 0; i < shown.size(); ++i) differing += (shown[i] & 0xFFFFFF) != (drawn[i] & 0xFFFFFF);
            if (differing < fewest) {
                fewest = differing;
                best = candidate.name;
            }
        }
        return fewest == 0;
    });
    if (fewest == 0) std::printf("icon %s\n", best);
    else std::printf("icon unknown (nearest %s, %lu pixels differ)\n", best, static_cast<unsigned long>(fewest));
    return fewest == 0 ? 0 : 1;
}

HKEY open_user_key(const std::string& path, REGSAM access, bool create) {
    HKEY key = nullptr;
    const LONG result = create ? RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, access, nullptr, &key, nullptr)
                               : RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, access, &key);
    return result == ERROR_SUCCESS ? key : nullptr;
}

// Prints "<type> <data>" of a value under HKEY_CURRENT_USER; exit 1 when missing.
int cmd_reg_query(const Args& a) {
    if (a.size() != 2) return 2;
    HKEY key = open_user_key(a[0], KEY_READ, false);
    if (!key) {
        std::printf("missing\n");
        return 1;
    }
    char data[4096] = {};
    DWORD type = 0, size = sizeof data - 1;
    const LONG result = RegQueryValueExA(key, a[1].c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS) {
        std::printf("missing\n");
        return 1;
    }
    if (type == REG_DWORD) std::printf("REG_DWORD %lu\n", *reinterpret_cast<DWORD*>(data));
    else std::printf("%s %s\n", type == REG_SZ ? "REG_SZ" : "OTHER", data);
    return 0;
}

int cmd_reg_set(const Args& a) {
    if (a.size() != 3) return 2;
    HKEY key = open_user_key(a[0], KEY_WRITE, true);
    if (!key) return 1;
    const LONG result = RegSetValueExA(key, a[1].c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(a[2].c_str()),
                                       static_cast<DWORD>(a[2].size() + 1));
    RegCloseKey(key);
    return result == ERROR_SUCCESS ? 0 : 1;
}

int cmd_reg_delete(const Args& a) {
    if (a.size() != 1) return 2;
    const LONG result = RegDeleteTreeA(HKEY_CURRENT_USER, a[0].c_str());
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND ? 0 : 1;
}

int cmd_reg_delete_value(const Args& a) {
    if (a.size() != 2) return 2;
    HKEY key = open_user_key(a[0], KEY_SET_VALUE, false);
    if (!key) return 0;  // no key, no value
    const LONG result = RegDeleteValueA(key, a[1].c_str());
    RegCloseKey(key);
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND ? 0 : 1;
}

// A part of the screen as a 24-bit bottom-up BMP file.
bool capture(const std::string& file, int left, int top, int width, int height) {
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ original = SelectObject(memory, section);
    BitBlt(memory, 0, 0, width, height, screen, left, top, SRCCOPY);
    GdiFlush();
    const DWORD row = (static_cast<DWORD>(width) * 3 + 3) & ~3u, image_size = row * height;
    BITMAPFILEHEADER header{};
    header.bfType = 0x4D42;
    header.bfOffBits = sizeof header + sizeof info.bmiHeader;
    header.bfSize = header.bfOffBits + image_size;
    FILE* out = std::fopen(file.c_str(), "wb");
    bool written = false;
    if (out) {
        written = std::fwrite(&header, sizeof header, 1, out) == 1 &&
                  std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out) == 1 &&
                  std::fwrite(bits, image_size, 1, out) == 1;
        std::fclose(out);
    }
    SelectObject(memory, original);
    DeleteObject(section);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return written;
}

// The primary monitor.
int cmd_capture(const Args& a) {
    if (a.size() != 1) return 2;
    return capture(a[0], 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)) ? 0 : 1;
}

// Every monitor: the whole desktop.
int cmd_capture_desktop(const Args& a) {
    if (a.size() != 1) return 2;
    return capture(a[0], GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                   GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN))
               ? 0
               : 1;
}

// A window's outer rectangle, as the user sees it.
int cmd_capture_window(const Args& a) {
    if (a.size() != 2) return 2;
    RECT r;
    GetWindowRect(require_window(a[0]), &r);
    return capture(a[1], r.left, r.top, r.right - r.left, r.bottom - r.top) ? 0 : 1;
}

// Tells a window that its DPI changed, as Windows does when it is moved to a
// monitor of another DPI, suggesting its present place. The suggested rectangle
// is handed over in the target's own memory, as Windows hands it.
int cmd_dpi_changed(const Args& a) {
    if (a.size() != 2) return 2;
    HWND window = require_window(a[0]);
    const int dpi = std::atoi(a[1].c_str());
    RECT suggested;
    GetWindowRect(window, &suggested);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, pid);
    if (!process) return 1;
    void* remote = VirtualAllocEx(process, nullptr, sizeof suggested, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    bool sent = false;
    if (remote && WriteProcessMemory(process, remote, &suggested, sizeof suggested, nullptr)) {
        DWORD_PTR result = 0;
        sent = SendMessageTimeoutA(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(remote),
                                   SMTO_ABORTIFHUNG, 10000, &result) != 0;
    }
    if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return sent ? 0 : 1;
}

// Changes the resolution of the (virtual) screen, as the display settings do.
int cmd_display_mode(const Args& a) {
    if (a.size() != 2) return 2;
    DEVMODEA mode{};
    mode.dmSize = sizeof mode;
    mode.dmPelsWidth = static_cast<DWORD>(std::atoi(a[0].c_str()));
    mode.dmPelsHeight = static_cast<DWORD>(std::atoi(a[1].c_str()));
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    const LONG result = ChangeDisplaySettingsA(&mode, 0);
    std::printf("result %ld\nscreen %d %d\n", result, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    return result == DISP_CHANGE_SUCCESSFUL ? 0 : 1;
}

// A plain top-level window with this caption, kept for `seconds` (a stand-in for
// another program's window: a running saver, the host of a preview, a window on
// another monitor), at 50, 50 or where asked, optionally with a given client size.
// It clips its children, as the host of a preview should, so that its own
// painting never covers the guest's.
int cmd_hold_window(const Args& a) {
    if (a.size() != 2 && a.size() != 4 && a.size() != 6) return 2;
    const int left = a.size() >= 4 ? std::atoi(a[2].c_str()) : 50, top = a.size() >= 4 ? std::atoi(a[3].c_str()) : 50;
    const DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN;
    RECT frame{0, 0, 300, 200};
    if (a.size() == 6) {
        frame = {0, 0, std::atoi(a[4].c_str()), std::atoi(a[5].c_str())};
        AdjustWindowRect(&frame, style, FALSE);
    }
    HWND window = CreateWindowExA(0, "STATIC", a[0].c_str(), style, left, top, frame.right - frame.left,
                                  frame.bottom - frame.top, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!window) return 1;
    const DWORD deadline = GetTickCount() + static_cast<DWORD>(std::atof(a[1].c_str()) * 1000);
    while (IsWindow(window) && static_cast<LONG>(GetTickCount() - deadline) < 0) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    }
    if (IsWindow(window)) DestroyWindow(window);
    return 0;
}

// A bare black full-screen window that does nothing: what a window alone costs,
// for the benchmark to set the saver against.
int cmd_hold_fullscreen(const Args& a) {
    if (a.size() != 2) return 2;
    HWND window = CreateWindowExA(WS_EX_TOPMOST, "STATIC", a[0].c_str(), WS_POPUP | WS_VISIBLE | SS_BLACKRECT, 0, 0,
                                  GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    if (!window) return 1;
    const DWORD deadline = GetTickCount() + static_cast<DWORD>(std::atof(a[1].c_str()) * 1000);
    MSG message;
    for (;;) {
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        const LONG left = static_cast<LONG>(deadline - GetTickCount());
        if (!IsWindow(window) || left <= 0) break;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left), QS_ALLINPUT);
    }
    if (IsWindow(window)) DestroyWindow(window);
    return 0;
}

// The kernel handles a process holds, from the system's handle list
// (GetProcessHandleCount answers 0 under Wine).
int cmd_handles(const Args& a) {
    if (a.size() != 1) return 2;
    struct HandleEntry {
        ULONG owner_pid;
        BYTE object_type, flags;
        USHORT value;
        PVOID object;
        ULONG access;
    };
    struct HandleList {
        ULONG count;
        HandleEntry entries[1];
    };
    using Query = LONG(WINAPI*)(ULONG, PVOID, ULONG, PULONG);
    const auto query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
    if (!query) return 1;
    constexpr ULONG system_handle_information = 16;
    std::vector<unsigned char> buffer(1 << 16);
    LONG status;
    ULONG needed = 0;
    while ((status = query(system_handle_information, buffer.data(), ULONG(buffer.size()), &needed)) ==
           LONG(0xC0000004))  // STATUS_INFO_LENGTH_MISMATCH
        buffer.resize(std::max<std::size_t>(buffer.size() * 2, needed));
    if (status != 0) return 1;
    const auto* list = reinterpret_cast<const HandleList*>(buffer.data());
    const ULONG pid = std::strtoul(a[0].c_str(), nullptr, 10);
    unsigned long count = 0;
    for (ULONG i = 0; i < list->count; ++i) count += list->entries[i].owner_pid == pid;
    std::printf("handles %lu\n", count);
    return 0;
}

int cmd_close_child(const Args& a) {
    if (a.size() != 1) return 2;
    HWND child = GetWindow(require_window(a[0]), GW_CHILD);
    if (!child) return 1;
    PostMessageA(child, WM_CLOSE, 0, 0);
    return 0;
}

struct ProcessWindows {
    DWORD pid;
    int all = 0, visible = 0;
};

BOOL CALLBACK count_process_window(HWND window, LPARAM data) {
    auto& windows = *reinterpret_cast<ProcessWindows*>(data);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == windows.pid) {
        ++windows.all;
        if (IsWindowVisible(window)) ++windows.visible;
    }
    return TRUE;
}

int cmd_windows_of(const Args& a) {
    if (a.size() != 1) return 2;
    ProcessWindows windows{static_cast<DWORD>(std::strtoul(a[0].c_str(), nullptr, 10))};
    EnumWindows(count_process_window, reinterpret_cast<LPARAM>(&windows));
    std::printf("windows %d\nvisible %d\n", windows.all, windows.visible);
    return 0;
}

// Puts the pointer at a point of the window's client area (of the screen for the
// caption "-"), as the user's mouse would: the window under it gets the move and
// sets its cursor.
bool pointer_to(const Args& a) {
    POINT at{std::atoi(a[1].c_str()), std::atoi(a[2].c_str())};
    if (a[0] != "-") ClientToScreen(require_window(a[0]), &at);
    return SetCursorPos(at.x, at.y) != FALSE;
}

int cmd_mouse_move(const Args& a) {
    if (a.size() != 3) return 2;
    return pointer_to(a) ? 0 : 1;
}

// The pointer to the point, then a press and release of the left button there.
int cmd_mouse_click(const Args& a) {
    if (a.size() != 3) return 2;
    if (!pointer_to(a)) return 1;
    sleep_ms(50);
    INPUT input[2]{};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    return SendInput(2, input, sizeof *input) == 2 ? 0 : 1;
}

int cmd_cursor(const Args&) {
    CURSORINFO info{};
    info.cbSize = sizeof info;
    if (!GetCursorInfo(&info)) return 1;
    std::printf("showing %d\n", (info.flags & CURSOR_SHOWING) ? 1 : 0);
    return 0;
}

struct Command {
    const char* name;
    int (*run)(const Args&);
    const char* usage;
};

const Command commands[] = {
    {"start", cmd_start, "start <program> [arguments...]      prints the process id"},
    {"run", cmd_run, "run <seconds> <program> [args...]   waits for the end, lists its visible windows"},
    {"wait-exit", cmd_wait_exit, "wait-exit <pid> <seconds>"},
    {"wait-window", cmd_wait_window, "wait-window <caption> <seconds>     until it is visible"},
    {"wait-gone", cmd_wait_gone, "wait-gone <caption> <seconds>"},
    {"window", cmd_window, "window <caption>                    rectangle, styles, owner"},
    {"controls", cmd_controls, "controls <caption>                  one line per child control"},
    {"focus", cmd_focus, "focus <caption>                     the control with the keyboard focus"},
    {"text", cmd_text, "text <caption> <control id>"},
    {"post-char", cmd_post_char, "post-char <caption> <character>"},
    {"post-key", cmd_post_key, "post-key <caption> <virtual key>    to the focused control"},
    {"click", cmd_click, "click <caption> [x y]"},
    {"mouse-move", cmd_mouse_move, "mouse-move <caption>|- <x> <y>      the pointer to a client (or screen) point"},
    {"mouse-click", cmd_mouse_click, "mouse-click <caption> <x> <y>       the pointer there, then a left click"},
    {"mouse-moves", cmd_mouse_moves, "mouse-moves <caption> <count> [interval ms]"},
    {"saver-flags", cmd_saver_flags, "saver-flags                         running and active"},
    {"close", cmd_close, "close <caption>                     posts WM_CLOSE"},
    {"press", cmd_press, "press <caption> <button id>"},
    {"checked", cmd_checked, "checked <caption> <button id>       0 clear, 1 checked"},
    {"record", cmd_record, "record <file> [text...]             appends the texts to the file"},
    {"list-items", cmd_list_items, "list-items <caption> <list id>"},
    {"list-select", cmd_list_select, "list-select <caption> <list id> <index>"},
    {"list-dblclick", cmd_list_dblclick, "list-dblclick <caption> <list id>"},
    {"msgbox", cmd_msgbox, "msgbox <title> <seconds>            prints its text, presses OK"},
    {"msgbox-icon", cmd_msgbox_icon, "msgbox-icon <title> <seconds>       which standard icon it shows"},
    {"reg-query", cmd_reg_query, "reg-query <HKCU key> <value>"},
    {"reg-set", cmd_reg_set, "reg-set <HKCU key> <value> <text>"},
    {"reg-delete", cmd_reg_delete, "reg-delete <HKCU key>"},
    {"reg-delete-value", cmd_reg_delete_value, "reg-delete-value <HKCU key> <value>"},
    {"capture", cmd_capture, "capture <file.bmp>                  the whole (primary) screen"},
    {"capture-desktop", cmd_capture_desktop, "capture-desktop <file.bmp>          every monitor"},
    {"capture-window", cmd_capture_window, "capture-window <caption> <file.bmp> the window as shown"},
    {"dpi-changed", cmd_dpi_changed, "dpi-changed <caption> <dpi>         sends WM_DPICHANGED"},
    {"display-mode", cmd_display_mode, "display-mode <width> <height>       ChangeDisplaySettings"},
    {"hold-window", cmd_hold_window, "hold-window <caption> <seconds> [left top [client w h]]  a window of ours"},
    {"hold-fullscreen", cmd_hold_fullscreen, "hold-fullscreen <caption> <seconds>  a bare full-screen window"},
    {"handles", cmd_handles, "handles <pid>                       how many kernel handles it holds"},
    {"close-child", cmd_close_child, "close-child <caption>               posts WM_CLOSE to its first child"},
    {"windows-of", cmd_windows_of, "windows-of <pid>                    its top-level windows, and how many show"},
    {"cursor", cmd_cursor, "cursor                              is the mouse cursor showing"},
};

}  // namespace

int main(int argc, char** argv) {
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    if (argc >= 2) {
        const Args args(argv + 2, argv + argc);
        for (const Command& command : commands) {
            if (std::strcmp(argv[1], command.name) == 0) {
                const int result = command.run(args);
                if (result == 2) std::printf("usage: velmora_driver %s\n", command.usage);
                return result;
            }
        }
    }
    for (const Command& command : commands) std::printf("velmora_driver %s\n", command.usage);
    return 2;
}
