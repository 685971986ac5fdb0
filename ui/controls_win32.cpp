#include "ui/controls_win32.h"

#include "ui/twips.h"

#include <commctrl.h>

namespace ui {
namespace {

const char* class_of(ControlKind kind) {
    switch (kind) {
    case ControlKind::label: return WC_STATICA;
    case ControlKind::picture: return WC_STATICA;
    case ControlKind::list_box: return WC_LISTBOXA;
    case ControlKind::button: return WC_BUTTONA;
    case ControlKind::check_box: return WC_BUTTONA;
    case ControlKind::option_button: return WC_BUTTONA;
    case ControlKind::text_box: return WC_EDITA;
    }
    return WC_STATICA;
}

DWORD style_of(const ControlLayout& control) {
    DWORD style = WS_CHILD | WS_VISIBLE | (control.tab_index >= 0 ? WS_TABSTOP : 0);
    if (control.flags & control_flags::starts_group) style |= WS_GROUP;
    const bool takes_mouse = control.flags & control_flags::takes_mouse;
    switch (control.kind) {
    // Labels are painted see-through over the form (the form answers WM_CTLCOLORSTATIC):
    // where two overlap, both texts show. One that takes the mouse is a control of
    // its own, drawn beneath whatever lies over it, as buttons are.
    case ControlKind::label:
        return style | SS_NOPREFIX | (control.centred ? SS_CENTER : SS_LEFT) |
               (takes_mouse ? SS_NOTIFY | WS_CLIPSIBLINGS : 0) |
               ((control.flags & control_flags::one_line) ? SS_ENDELLIPSIS : 0);
    // The picture fills its rectangle at every DPI instead of sizing itself to the bitmap.
    case ControlKind::picture: return style | SS_BITMAP | SS_REALSIZECONTROL | (takes_mouse ? SS_NOTIFY : 0);
    // No integral height: the list keeps the height of the layout; not sorted: file order.
    case ControlKind::list_box: return style | WS_CLIPSIBLINGS | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
    case ControlKind::button:
        return style | WS_CLIPSIBLINGS | BS_MULTILINE |
               ((control.flags & control_flags::default_button) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    case ControlKind::check_box: return style | WS_CLIPSIBLINGS | BS_AUTOCHECKBOX;
    case ControlKind::option_button: return style | WS_CLIPSIBLINGS | BS_AUTORADIOBUTTON;
    case ControlKind::text_box:
        style |= WS_CLIPSIBLINGS;
        if (control.flags & control_flags::masked) style |= ES_PASSWORD;
        return control.multi_line ? style | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL
                                  : style | ES_AUTOHSCROLL;
    }
    return style;
}

DWORD ex_style_of(const ControlLayout& control) {
    const bool sunken = control.kind == ControlKind::list_box || control.kind == ControlKind::text_box ||
                        (control.flags & control_flags::sunken_border);
    return sunken ? WS_EX_CLIENTEDGE : 0;
}

void add_tooltip(HWND tooltips, HWND form, HWND control, const char* text) {
    TOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = form;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<char*>(text);
    SendMessageA(tooltips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

// The dialog font: the face of the system's dialog font, 8 points high.
constexpr int dialog_font_height_twips = 160;

struct Fonts {
    GdiObject<HFONT> bold, dialog;
};

Fonts fonts_at(Scale scale) {
    Fonts fonts;
    fonts.bold.reset(CreateFontA(-twips_to_pixels(bold_font_height_twips, scale.y), 0, 0, 0, FW_BOLD, FALSE, FALSE,
                                 FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                 DEFAULT_PITCH | FF_SWISS, bold_font_face));
    // The stock dialog font has the system DPI's size; the face is what is taken from it.
    LOGFONTA face{};
    if (GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof face, &face) == sizeof face) {
        face.lfHeight = -twips_to_pixels(dialog_font_height_twips, scale.y);
        face.lfWidth = 0;
        fonts.dialog.reset(CreateFontIndirectA(&face));
    }
    return fonts;
}

WPARAM font_for(const ControlLayout& control, const FormControls& made) {
    if (control.bold && made.bold_font) return reinterpret_cast<WPARAM>(made.bold_font.get());
    if (made.dialog_font) return reinterpret_cast<WPARAM>(made.dialog_font.get());
    return reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
}

}  // namespace

void create_controls(HWND form, std::span<const ControlLayout> controls, Scale scale, FormControls& made) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    Fonts fonts = fonts_at(scale);
    made.bold_font = std::move(fonts.bold);
    made.dialog_font = std::move(fonts.dialog);
    SetPropA(form, form_controls_property, &made);
    for (const ControlLayout* control : creation_order(controls)) {
        const PixelRect place = to_pixels(*control, scale);
        HWND child = CreateWindowExA(ex_style_of(*control), class_of(control->kind), control->text, style_of(*control),
                                     place.left, place.top, place.width, place.height, form,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(control->id)), instance, nullptr);
        if (!child) continue;
        made.made.emplace_back(control, child);
        SendMessageA(child, WM_SETFONT, font_for(*control, made), FALSE);
        // The visual styles' edit control would show a dot.
        if (control->flags & control_flags::masked) SendMessageA(child, EM_SETPASSWORDCHAR, '*', 0);
        if (control->tooltip) {
            if (!made.tooltips)
                made.tooltips = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                                WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                                                CW_USEDEFAULT, CW_USEDEFAULT, form, nullptr, instance, nullptr);
            if (made.tooltips) add_tooltip(made.tooltips, form, child, control->tooltip);
        }
    }
}

void relayout_controls(HWND form, Scale scale) {
    auto* made = static_cast<FormControls*>(GetPropA(form, form_controls_property));
    if (!made) return;
    // The new fonts go to every control before the old ones are deleted: a control
    // must never hold a deleted font.
    Fonts fonts = fonts_at(scale);
    std::swap(made->bold_font, fonts.bold);
    std::swap(made->dialog_font, fonts.dialog);
    for (const auto& [control, child] : made->made) {
        if (!IsWindow(child)) continue;
        const PixelRect place = to_pixels(*control, scale);
        SendMessageA(child, WM_SETFONT, font_for(*control, *made), FALSE);
        SetWindowPos(child, nullptr, place.left, place.top, place.width, place.height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // The labels are see-through: the form paints behind them again, then they draw.
    RedrawWindow(form, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

}  // namespace ui
