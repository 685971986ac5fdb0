// frm_checkpassword: the password prompt over the running saver. It is modeless
// and owned by the saver window, so the frame loop goes on animating behind it and
// runs its messages while it waits out each frame; the dialog manager gives it Tab,
// Enter ("Ok") and Escape ("Cancel"). However it closes, it hands the loop back its
// flags and hides the cursor again.
#include "password/frm_checkpassword.h"
#include "password/password_win32.h"
#include "shell/shell_win32.h"
#include "ui/controls_win32.h"
#include "ui/forms_win32.h"
#include "ui/window_data_win32.h"
#include "ui/program_win32.h"

#include <new>

namespace velmora::win32 {
namespace {

constexpr UINT_PTR timer1 = 1;

struct PromptData {
    FrameLoopState& loop;
    ui::FormControls controls;
    // The wrong-password box is up: Command1_Click waits inside it.
    bool message_open = false;
    // A request to close came while the box was up: the box is closed first, and
    // the prompt once Command1_Click is back from it.
    bool unload_pending = false;
    // The window went while the box was up: Command1_Click frees this.
    bool destroyed = false;
};

// At most one prompt at a time.
HWND open_prompt = nullptr;


struct BoxSearch {
    HWND owner;
    HWND box = nullptr;
};

BOOL CALLBACK find_owned_box(HWND window, LPARAM search_data) {
    auto* search = reinterpret_cast<BoxSearch*>(search_data);
    char class_name[16] = {};
    GetClassNameA(window, class_name, sizeof class_name);
    if (GetWindow(window, GW_OWNER) == search->owner && lstrcmpA(class_name, "#32770") == 0) {
        search->box = window;
        return FALSE;
    }
    return TRUE;
}

// Cancel, the time-out and a close request all end here. The wrong-password box
// is never left without its prompt: it is answered first, and the prompt closes
// when Command1_Click returns from it.
void unload(HWND window, PromptData& data) {
    KillTimer(window, timer1);
    if (!data.message_open) {
        DestroyWindow(window);
        return;
    }
    data.unload_pending = true;
    BoxSearch search{window};
    EnumThreadWindows(GetCurrentThreadId(), find_owned_box, reinterpret_cast<LPARAM>(&search));
    if (search.box) PostMessageA(search.box, WM_COMMAND, IDOK, 0);
}

void Command1_Click(HWND window, PromptData& data) {
    if (data.message_open) return;
    const std::string typed = control_text(window, id_checkpassword_text1);
    if (password_accepted(shell().settings.password, typed, keyboard_layout())) {
        prompt_accepted(data.loop);
        DestroyWindow(window);
        return;
    }
    SetDlgItemTextA(window, id_checkpassword_text1, "");
    // The box runs its own message loop, in which the time-out or a close request
    // may come: they only mark the prompt (see unload).
    data.message_open = true;
    show_message(window, wrong_password);
    data.message_open = false;
    if (data.destroyed) {
        delete &data;
        return;
    }
    if (data.unload_pending) {
        DestroyWindow(window);
        return;
    }
    SendMessageA(window, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(window, id_checkpassword_text1)), TRUE);
}

LRESULT CALLBACK prompt_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        auto* loop = static_cast<FrameLoopState*>(reinterpret_cast<CREATESTRUCTA*>(lparam)->lpCreateParams);
        return ui::attach_data(window, new (std::nothrow) PromptData{.loop = *loop, .controls = {}}, wparam, lparam);
    }
    PromptData* data = ui::data_of<PromptData>(window);
    if (!data) return ui::default_procedure(window, message, wparam, lparam);
    switch (message) {
    case WM_CREATE:
        ui::create_controls(window, frm_checkpassword_controls, ui::form_scale(window), data->controls);
        return 0;
    case WM_COMMAND:
        if (HIWORD(wparam) != BN_CLICKED) break;
        if (LOWORD(wparam) == id_checkpassword_command1) Command1_Click(window, *data);
        else if (LOWORD(wparam) == id_checkpassword_command2) unload(window, *data);
        return 0;
    case WM_TIMER:
        if (wparam == timer1) unload(window, *data);
        return 0;
    case WM_CLOSE:
        unload(window, *data);
        return 0;
    case WM_DESTROY:
        KillTimer(window, timer1);
        if (open_prompt == window) open_prompt = nullptr;
        prompt_unloaded(data->loop);
        // Closed with the saver itself (an owned window goes first), the cursor
        // stays as the saver's unload has just left it: shown.
        if (shell().saver_running) hide_cursor();
        return 0;
    case WM_NCDESTROY: {
        const LRESULT result = ui::default_procedure(window, message, wparam, lparam);
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        if (data->message_open) data->destroyed = true;
        else delete data;
        return result;
    }
    default:
        break;
    }
    return ui::default_procedure(window, message, wparam, lparam);
}

// Not counted: the prompt lives inside the saver's lifetime, never beyond it.
const ui::FormClass frm_checkpassword{.name = "frm_checkpassword",
                                      .procedure = prompt_procedure,
                                      .dialog = true,
                                      .counted = false,
                                      .icon_id = 1};

}  // namespace

void show_frm_checkpassword(HWND saver_window, FrameLoopState& loop) {
    if (open_prompt) return;
    HWND window = ui::create_fixed_form(frm_checkpassword, frm_checkpassword_caption, frm_checkpassword_client_width,
                                        frm_checkpassword_client_height, saver_window, &loop);
    if (!window) {
        // No prompt after all: the saver goes on, and the next activity asks again.
        prompt_unloaded(loop);
        return;
    }
    open_prompt = window;
    SetTimer(window, timer1, checkpassword_timeout_ms, nullptr);
    center_form(window);
    if (!IsWindow(window)) return;
    // Top-most at its own place and size: above the saver, itself top-most.
    RECT place;
    GetWindowRect(window, &place);
    SetWindowPos(window, HWND_TOPMOST, place.left, place.top, place.right - place.left, place.bottom - place.top, 0);
    process_pending_events();
    if (!IsWindow(window)) return;
    show_cursor();
    ShowWindow(window, SW_SHOWNORMAL);
    SetForegroundWindow(window);
}

}  // namespace velmora::win32
