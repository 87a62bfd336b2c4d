#include "platform/win32/win32_window_host.h"

#include <windowsx.h>
#include <wtsapi32.h>

#include <algorithm>
#include <cwchar>

#include "platform/text_encoding.h"
#include "platform/win32/system_library.h"

namespace pelsdk::platform {

namespace {

struct dpi_functions {
    using get_context = DPI_AWARENESS_CONTEXT(WINAPI*)();
    using set_context = DPI_AWARENESS_CONTEXT(WINAPI*)(DPI_AWARENESS_CONTEXT);
    using for_window = UINT(WINAPI*)(HWND);
    using contexts_equal = BOOL(WINAPI*)(DPI_AWARENESS_CONTEXT, DPI_AWARENESS_CONTEXT);
    get_context get_thread_context;
    set_context set_thread_context;
    for_window dpi_for_window;
    contexts_equal are_contexts_equal;
};

// Looked up once from User32.dll (which the DLL search order takes from System32).
const dpi_functions& dpi() {
    static const dpi_functions functions = [] {
        HMODULE user = LoadLibraryW(L"User32.dll");
        return dpi_functions{
            library_function<dpi_functions::get_context>(user, "GetThreadDpiAwarenessContext"),
            library_function<dpi_functions::set_context>(user, "SetThreadDpiAwarenessContext"),
            library_function<dpi_functions::for_window>(user, "GetDpiForWindow"),
            library_function<dpi_functions::contexts_equal>(user, "AreDpiAwarenessContextsEqual")};
    }();
    return functions;
}

// The session notifications, from System32 only (WTSAPI32 is not a DLL Windows always takes from
// there). Without them the window simply hears of no lock or unlock.
struct session_functions {
    using register_window = BOOL(WINAPI*)(HWND, DWORD);
    using unregister_window = BOOL(WINAPI*)(HWND);
    register_window register_notification;
    unregister_window unregister_notification;
};

const session_functions& session() {
    static const session_functions functions{
        system_function<session_functions::register_window>(L"wtsapi32.dll",
                                                            "WTSRegisterSessionNotification"),
        system_function<session_functions::unregister_window>(L"wtsapi32.dll",
                                                              "WTSUnRegisterSessionNotification")};
    return functions;
}

// The toolkit's cursors, loaded once: arrow, cross, size WE, size NS, size NWSE, I-beam, hand,
// size NWSE, size NESW.
const HCURSOR* cursor_table() {
    static const HCURSOR cursors[] = {
        LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)), LoadCursorW(nullptr, MAKEINTRESOURCEW(32515)),
        LoadCursorW(nullptr, MAKEINTRESOURCEW(32644)), LoadCursorW(nullptr, MAKEINTRESOURCEW(32645)),
        LoadCursorW(nullptr, MAKEINTRESOURCEW(32642)), LoadCursorW(nullptr, MAKEINTRESOURCEW(32513)),
        LoadCursorW(nullptr, MAKEINTRESOURCEW(32649)), LoadCursorW(nullptr, MAKEINTRESOURCEW(32642)),
        LoadCursorW(nullptr, MAKEINTRESOURCEW(32643))};
    return cursors;
}

int32_t scale(int32_t value, uint32_t dpi) { return MulDiv(value, static_cast<int>(dpi), 96); }

struct styles {
    DWORD style;
    DWORD ex_style;
};

styles styles_for(uint16_t flags) {
    if (flags & window_flags::child) return {WS_CHILD | WS_CLIPCHILDREN, 0};
    DWORD style = 0;
    if (flags & window_flags::borderless) {
        style = (flags & window_flags::custom_frame) ? WS_OVERLAPPEDWINDOW : WS_POPUP;
    } else {
        style = (flags & window_flags::no_system_menu) ? WS_CAPTION : (WS_CAPTION | WS_SYSMENU);
    }
    if (flags & window_flags::minimize_box) style |= WS_MINIMIZEBOX;
    if (flags & window_flags::maximize_box) style |= WS_MAXIMIZEBOX;
    if (flags & window_flags::resizable) style |= WS_THICKFRAME;
    DWORD ex_style = 0;
    if (flags & window_flags::topmost) ex_style |= WS_EX_TOPMOST;
    if (flags & window_flags::modal_frame) ex_style |= WS_EX_DLGMODALFRAME;
    return {style | WS_CLIPCHILDREN, ex_style};
}

}  // namespace

std::wstring first_free_class_name(const wchar_t* base) {
    wchar_t name[256];
    wcscpy_s(name, 256, base);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    while (GetClassInfoExW(GetModuleHandleW(nullptr), name, &existing)) wcscat_s(name, 256, L"0");
    return name;
}

win32_window_host::win32_window_host() { SetCursor(cursor_table()[0]); }

// Registered once per process, under the first free name.
const wchar_t* win32_window_host::registered_class() {
    static const std::wstring name = [] {
        std::wstring free_name = first_free_class_name(L"PELSDK_WINDOW_CLASS");
        WNDCLASSEXW info{};
        info.cbSize = sizeof(info);
        info.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
        info.lpfnWndProc = &win32_window_host::window_procedure;
        info.hInstance = GetModuleHandleW(nullptr);
        info.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
        info.lpszClassName = free_name.c_str();
        RegisterClassExW(&info);
        return free_name;
    }();
    return name.c_str();
}

win32_window_host::~win32_window_host() {
    if (hwnd_ != nullptr) destroy();
}

void win32_window_host::create(const int_rect& client_dips, uint16_t flags, window_host* owner,
                               window_events& events) {
    events_ = &events;

    HDC screen = GetDC(nullptr);
    dpi_x_ = static_cast<uint32_t>(GetDeviceCaps(screen, LOGPIXELSX));
    dpi_y_ = static_cast<uint32_t>(GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);

    const styles chosen = styles_for(flags);
    style_ = chosen.style;
    ex_style_ = chosen.ex_style;
    RECT outer{0, 0, scale(client_dips.width, dpi_x_), scale(client_dips.height, dpi_y_)};
    AdjustWindowRectEx(&outer, style_, FALSE, ex_style_);
    const int x = scale(client_dips.x, dpi_x_), y = scale(client_dips.y, dpi_y_);

    HWND owner_hwnd = owner != nullptr ? static_cast<HWND>(owner->handle()) : nullptr;
    const DPI_AWARENESS_CONTEXT saved = dpi().get_thread_context();
    dpi().set_thread_context(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    hwnd_ = CreateWindowExW(ex_style_, registered_class(), L"", style_, x, y, outer.right - outer.left,
                            outer.bottom - outer.top, owner_hwnd, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
    dpi().set_thread_context(saved);

    const UINT window_dpi = dpi().dpi_for_window(hwnd_);
    if (window_dpi != 0 && (window_dpi != dpi_x_ || window_dpi != dpi_y_)) {
        dpi_x_ = dpi_y_ = window_dpi;
        SetWindowPos(hwnd_, nullptr, scale(client_dips.x, window_dpi), scale(client_dips.y, window_dpi),
                     scale(client_dips.width, window_dpi), scale(client_dips.height, window_dpi),
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    input_method_ = std::make_unique<win32_input_method>(hwnd_);
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    if (session().register_notification) {
        session().register_notification(hwnd_, NOTIFY_FOR_THIS_SESSION);
    }
    drop_target_.register_for(hwnd_, events);
    *accessible_ = {hwnd_, &events.accessibility()};
    record_frame();
    background_brush_ = CreateSolidBrush(0xFF00FF);
}

void win32_window_host::set_title(const std::string& utf8) {
    SetWindowTextW(hwnd_, utf8_to_wide(utf8).c_str());
}

bool win32_window_host::is_visible() const { return IsWindowVisible(hwnd_) != FALSE; }

void win32_window_host::show() {
    ShowWindow(hwnd_, SW_SHOW);
    UpdateWindow(hwnd_);
}

void win32_window_host::show_inactive() {
    ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
    UpdateWindow(hwnd_);
}

void win32_window_host::hide() { ShowWindow(hwnd_, SW_HIDE); }
void win32_window_host::update() { UpdateWindow(hwnd_); }

void win32_window_host::invalidate(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    const RECT area{left, top, right, bottom};
    InvalidateRect(hwnd_, &area, FALSE);
}

void win32_window_host::set_timer(uint32_t id, uint32_t interval_ms) {
    SetTimer(hwnd_, id, interval_ms, nullptr);
}
void win32_window_host::kill_timer(uint32_t id) { KillTimer(hwnd_, id); }
void win32_window_host::set_capture() { SetCapture(hwnd_); }
void win32_window_host::release_capture() { ReleaseCapture(); }
bool win32_window_host::has_focus() const { return GetFocus() == hwnd_; }

int_point win32_window_host::cursor_position() const {
    POINT at{};
    GetCursorPos(&at);
    ScreenToClient(hwnd_, &at);
    return {at.x, at.y};
}

int_point win32_window_host::screen_cursor_position() const {
    POINT at{};
    GetCursorPos(&at);
    return {at.x, at.y};
}

void win32_window_host::set_cursor(cursor_shape shape) {
    SetCursor(cursor_table()[static_cast<uint32_t>(shape)]);
}

bool win32_window_host::shift_down() const {
    return GetKeyState(VK_LSHIFT) < 0 || GetKeyState(VK_RSHIFT) < 0;
}

bool win32_window_host::ctrl_down() const {
    return GetKeyState(VK_LCONTROL) < 0 || GetKeyState(VK_RCONTROL) < 0;
}

bool win32_window_host::right_alt_down() const { return GetKeyState(VK_RMENU) < 0; }

double win32_window_host::milliseconds() const {
    LARGE_INTEGER count{}, frequency{};
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(count.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

HWND win32_window_host::owner_window() const {
    HWND owner = GetWindow(hwnd_, GW_OWNER);
    return owner == GetDesktopWindow() ? nullptr : owner;
}

void win32_window_host::disable_owner() {
    if (HWND owner = owner_window()) EnableWindow(owner, FALSE);
}

void win32_window_host::enable_owner() {
    if (HWND owner = owner_window()) {
        EnableWindow(owner, TRUE);
        SetFocus(owner);
    }
}

// Messages of every window of the thread are dispatched here while this loop is innermost.
void win32_window_host::run_loop(const bool& running) {
    while (running) {
        WaitMessage();
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (!running) return;
            if (message.message == WM_KEYDOWN) events_->on_ime_message(ime_message::key_down, 0);
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

RECT win32_window_host::frame_insets() const {
    RECT insets{0, 0, 0, 0};
    AdjustWindowRectEx(&insets, static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE)));
    return insets;
}

void win32_window_host::center() {
    const RECT insets = frame_insets();
    const int width = scale(frame_.width, dpi_x_) + (insets.right - insets.left);
    const int height = scale(frame_.height, dpi_y_) + (insets.bottom - insets.top);
    HWND owner = owner_window();
    RECT reference{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (owner != nullptr) GetWindowRect(owner, &reference);
    int x = reference.left + ((reference.right - reference.left) - width) / 2;
    int y = reference.top + ((reference.bottom - reference.top) - height) / 2;

    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(owner != nullptr ? owner : hwnd_, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    if (x + width > work.right) x = work.right - width;
    if (x < work.left) x = work.left + 1;
    if (y + height > work.bottom) y = work.bottom - height;
    if (y < work.top) y = work.top + 1;
    SetWindowPos(hwnd_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void win32_window_host::resize(const int_rect& client_dips) {
    const RECT insets = frame_insets();
    pending_position_ = {client_dips.x, client_dips.y};
    maximized_ = false;
    dpi_changed_ = false;
    SetWindowPos(hwnd_, nullptr, client_dips.x, client_dips.y,
                 scale(client_dips.width, dpi_x_) + (insets.right - insets.left),
                 scale(client_dips.height, dpi_y_) + (insets.bottom - insets.top),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    while (dpi_changed_) {
        dpi_changed_ = false;
        SetWindowPos(hwnd_, nullptr, 0, 0, scale(client_dips.width, dpi_x_),
                     scale(client_dips.height, dpi_y_), SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    }
    pending_position_ = {0, 0};
}

void win32_window_host::keep_in_work_area() {
    RECT outer{};
    GetWindowRect(hwnd_, &outer);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromRect(&outer, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    const LONG width = outer.right - outer.left, height = outer.bottom - outer.top;
    LONG x = outer.left, y = outer.top;
    if (x + width > work.right) x = work.right - width;
    if (x < work.left) x = work.left;
    if (y + height > work.bottom) y = work.bottom - height;
    if (y < work.top) y = work.top;
    SetWindowPos(hwnd_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int_rect win32_window_host::frame_rect() const {
    RECT client{}, outer{};
    GetClientRect(hwnd_, &client);
    GetWindowRect(hwnd_, &outer);
    const RECT insets = frame_insets();
    return {outer.left - insets.left, outer.top - insets.top,
            MulDiv(client.right, 96, static_cast<int>(dpi_x_)),
            MulDiv(client.bottom, 96, static_cast<int>(dpi_y_))};
}

// The size the window returns to after a maximise: never below the minimum.
void win32_window_host::record_frame() {
    frame_ = frame_rect();
    frame_.width = std::max(frame_.width, min_size_.x);
    frame_.height = std::max(frame_.height, min_size_.y);
}

void win32_window_host::track_mouse_leave() {
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof(track);
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = hwnd_;
    track.dwHoverTime = HOVER_DEFAULT;
    TrackMouseEvent(&track);
}

void win32_window_host::destroy() {
    if (hwnd_ == nullptr) return;
    drop_target_.revoke();
    *accessible_ = {};
    enable_owner();
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    if (session().unregister_notification) session().unregister_notification(hwnd_);
    DestroyWindow(hwnd_);
    DeleteObject(background_brush_);
    hwnd_ = nullptr;
}

void win32_window_host::on_dpi_changed(WPARAM wparam, const RECT& suggested) {
    dpi_x_ = LOWORD(wparam);
    dpi_y_ = HIWORD(wparam);
    dpi_changed_ = true;
    // A resize to (0, 0) leaves the position to the system, like no resize at all.
    const bool pending = pending_position_ != int_point{0, 0};
    const int x = pending ? pending_position_.x : suggested.left;
    const int y = pending ? pending_position_.y : suggested.top;
    SetWindowPos(hwnd_, nullptr, x, y, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    RECT client{};
    GetClientRect(hwnd_, &client);
    events_->on_dpi_changed(dpi_x_, dpi_y_, static_cast<uint32_t>(client.right),
                            static_cast<uint32_t>(client.bottom));
}

LRESULT CALLBACK win32_window_host::window_procedure(HWND hwnd, UINT message, WPARAM wparam,
                                                     LPARAM lparam) {
    auto* host = reinterpret_cast<win32_window_host*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (host == nullptr) return DefWindowProcW(hwnd, message, wparam, lparam);
    return host->handle(message, wparam, lparam);
}

LRESULT win32_window_host::handle(UINT message, WPARAM wparam, LPARAM lparam) {
    const auto event = [this](input kind, uint64_t p1 = 0, uint64_t p2 = 0) {
        events_->on_input(kind, p1, p2);
    };
    const auto address = [](const void* value) { return reinterpret_cast<uint64_t>(value); };
    switch (message) {
        case WM_MOVE:
        case WM_COMMAND:
            return 0;
        case WM_INPUTLANGCHANGE:
            events_->on_ime_message(ime_message::input_language_changed, 0);
            return 0;
        case WM_SIZE:
            if (wparam == SIZE_MAXIMIZED) maximized_ = true;
            if (wparam == SIZE_RESTORED) {
                if (maximized_) {
                    maximized_ = false;
                } else {
                    record_frame();
                }
            }
            events_->on_client_resized(LOWORD(lparam), HIWORD(lparam));
            return 0;
        case WM_SETFOCUS:
            event(input::focus_gained);
            return 0;
        case WM_KILLFOCUS:
            event(input::focus_lost);
            return 0;
        case WM_PAINT: {
            RECT update{};
            if (GetUpdateRect(hwnd_, &update, FALSE) && !IsRectEmpty(&update)) {
                events_->on_paint(update.left, update.top, update.right, update.bottom);
                ValidateRect(hwnd_, &update);
            }
            return 0;
        }
        case WM_CLOSE:
            events_->on_close_request();
            return 1;
        case WM_SETCURSOR:
            // While the pointer is tracked the widgets own the cursor.
            if (!events_->is_tracking()) DefWindowProcW(hwnd_, message, wparam, lparam);
            return 0;
        case WM_GETMINMAXINFO: {
            auto* limits = reinterpret_cast<MINMAXINFO*>(lparam);
            const RECT insets = frame_insets();
            const LONG grow_x = insets.right - insets.left, grow_y = insets.bottom - insets.top;
            limits->ptMinTrackSize = {min_size_.x + grow_x, min_size_.y + grow_y};
            limits->ptMaxTrackSize = {max_size_.x + grow_x, max_size_.y + grow_y};
            return 0;
        }
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN: {
            // System keys too: Alt+F4 alone never reaches the default procedure.
            const int32_t detail[2] = {static_cast<int32_t>(wparam), static_cast<int32_t>(lparam)};
            event(input::key_down, wparam);
            event(input::key_down_detail, address(detail));
            return 0;
        }
        case WM_KEYUP:
        case WM_SYSKEYUP:
            event(input::key_up, wparam);
            return 0;
        case WM_CHAR:
            event(input::character, wparam);
            return 0;
        // The focused widget draws the composition: the IME's own window stays hidden.
        case WM_IME_STARTCOMPOSITION:
            events_->on_ime_message(ime_message::start_composition, 0);
            return 0;
        case WM_IME_COMPOSITION:
            events_->on_ime_message(ime_message::composition, static_cast<uint32_t>(lparam));
            return 0;
        case WM_IME_ENDCOMPOSITION:
            events_->on_ime_message(ime_message::end_composition, 0);
            return 0;
        case WM_IME_SETCONTEXT:
            return DefWindowProcW(hwnd_, message, wparam, lparam & ~ISC_SHOWUICOMPOSITIONWINDOW);
        case WM_TIMER:
            events_->on_timer(static_cast<uint32_t>(wparam));
            return 0;
        case WM_MENUCHAR:
            return LOWORD(wparam) == L' ' ? 0 : (MNC_CLOSE << 16);
        case WM_MOUSEMOVE:
            return events_->on_mouse_move(dpi().dpi_for_window(hwnd_)) ? 1 : 0;
        case WM_LBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_RBUTTONDOWN:
            event(input::button_down,
                  message == WM_LBUTTONDOWN ? 0 : message == WM_MBUTTONDOWN ? 1 : 2);
            return 0;
        case WM_LBUTTONUP:
        case WM_MBUTTONUP:
        case WM_RBUTTONUP:
            event(input::button_up,
                  message == WM_LBUTTONUP ? 0 : message == WM_MBUTTONUP ? 1 : 2);
            return 0;
        case WM_LBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
            event(events_->wants_double_click() ? input::double_click : input::button_down,
                  message == WM_LBUTTONDBLCLK ? 0 : message == WM_MBUTTONDBLCLK ? 1 : 2);
            return 0;
        case WM_MOUSEWHEEL: {
            const double delta = GET_WHEEL_DELTA_WPARAM(wparam) * 0.5;
            event(input::wheel, address(&delta));
            return 0;
        }
        case WM_XBUTTONDOWN:
        case WM_XBUTTONUP: {
            const WORD button = GET_XBUTTON_WPARAM(wparam);
            if (button == XBUTTON1 || button == XBUTTON2) {
                event(message == WM_XBUTTONDOWN ? input::button_down : input::button_up,
                      button == XBUTTON1 ? 3 : 4);
            }
            return 0;
        }
        case WM_MOUSELEAVE:
            event(input::pointer_left);
            return 0;
        case WM_WTSSESSION_CHANGE:
            if (wparam == WTS_SESSION_LOCK) event(input::session_locked);
            if (wparam == WTS_SESSION_UNLOCK) event(input::session_unlocked);
            return 0;
        case WM_DPICHANGED:
            on_dpi_changed(wparam, *reinterpret_cast<const RECT*>(lparam));
            return 0;
        case WM_GETOBJECT:
            // The client area answers for itself; the frame stays the system's.
            if (static_cast<DWORD>(lparam) == static_cast<DWORD>(OBJID_CLIENT)) {
                return answer_client_area_request(wparam, accessible_);
            }
            return DefWindowProcW(hwnd_, message, wparam, lparam);
        case kDefaultActionMessage:
            // The owner stays disabled while one of its popups runs: nothing acts past the popup.
            if (IsWindowEnabled(hwnd_)) {
                events_->accessibility().do_default_action(static_cast<int32_t>(wparam));
            }
            return 0;
        case WM_USER:
            events_->on_user_message(static_cast<uint64_t>(lparam), static_cast<uint64_t>(wparam));
            return 0;
        default:
            return DefWindowProcW(hwnd_, message, wparam, lparam);
    }
}

namespace {

DWORD win_event_of(access_event event) {
    switch (event) {
        case access_event::focus: return EVENT_OBJECT_FOCUS;
        case access_event::state_changed: return EVENT_OBJECT_STATECHANGE;
        case access_event::name_changed: return EVENT_OBJECT_NAMECHANGE;
        case access_event::value_changed: return EVENT_OBJECT_VALUECHANGE;
        case access_event::reordered: return EVENT_OBJECT_REORDER;
        case access_event::dialog_opened: return EVENT_SYSTEM_DIALOGSTART;
    }
    return EVENT_OBJECT_REORDER;
}

}  // namespace

// A dialog's start concerns the window itself; every other change an element of its client area.
void win32_window_host::notify_access(access_event event, int32_t id) {
    if (hwnd_ == nullptr) return;
    const bool whole_window = event == access_event::dialog_opened;
    NotifyWinEvent(win_event_of(event), hwnd_, whole_window ? OBJID_WINDOW : OBJID_CLIENT,
                   whole_window ? CHILDID_SELF : id);
}

}  // namespace pelsdk::platform
