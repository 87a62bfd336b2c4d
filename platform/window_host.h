#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/accessibility.h"

// The native side of one toolkit window: the Win32 window with its window procedure, or the
// scripted stand-in of the tests. The window procedure turns messages into calls on
// window_events; the toolkit window calls window_host for everything it asks of the system.
namespace pelsdk::platform {

class input_method;

struct int_rect {
    int32_t x, y, width, height;
    friend bool operator==(const int_rect&, const int_rect&) = default;
};
struct int_point {
    int32_t x, y;
    friend bool operator==(const int_point&, const int_point&) = default;
};

// Style flags of a toolkit window.
namespace window_flags {
inline constexpr uint16_t borderless = 0x01;
inline constexpr uint16_t no_system_menu = 0x02;
inline constexpr uint16_t resizable = 0x04;
inline constexpr uint16_t minimize_box = 0x08;
inline constexpr uint16_t maximize_box = 0x10;
inline constexpr uint16_t topmost = 0x20;
inline constexpr uint16_t custom_frame = 0x40;
inline constexpr uint16_t child = 0x80;
inline constexpr uint16_t modal_frame = 0x100;
}  // namespace window_flags

// The toolkit's cursors, in the order of its cursor table.
enum class cursor_shape : uint32_t {
    arrow, cross, size_we, size_ns, size_nwse, ibeam, hand, size_nwse_2, size_nesw
};

// The input method's messages, as the window procedure passes them on.
enum class ime_message {
    start_composition,     // WM_IME_STARTCOMPOSITION
    composition,           // WM_IME_COMPOSITION, with its lParam
    end_composition,       // WM_IME_ENDCOMPOSITION
    input_language_changed,  // WM_INPUTLANGCHANGE
    key_down,              // every WM_KEYDOWN of the message loop, before translation
};

// Input the window procedure passes on as it comes; the toolkit turns each into its own event.
// Addresses in p1 live for the duration of the call.
enum class input : uint32_t {
    button_down,      // p1: the button, 0 left, 1 middle, 2 right, 3 and 4 the side buttons
    button_up,        // p1: the button
    double_click,     // p1: the button
    wheel,            // p1: the address of the rotation, a double: 60 for one notch away
    pointer_left,     // the pointer left the client area
    key_down,         // p1: the virtual key
    key_down_detail,  // p1: the address of two int32: the virtual key and the key data
    key_up,           // p1: the virtual key
    character,        // p1: the UTF-16 unit typed
    focus_gained,
    focus_lost,
    session_locked,
    session_unlocked,
};

// What the window procedure produces; pointers in p1 and p2 live for the duration of the call.
class window_events {
public:
    virtual ~window_events() = default;
    // WM_SIZE of the window: the new client size in pixels.
    virtual void on_client_resized(uint32_t pixel_width, uint32_t pixel_height) = 0;
    // WM_PAINT with a non-empty update rectangle, in pixels.
    virtual void on_paint(int32_t left, int32_t top, int32_t right, int32_t bottom) = 0;
    // WM_CLOSE: true when the application handles the close request itself.
    virtual bool on_close_request() = 0;
    // Input and notifications, routed by the toolkit.
    virtual void on_input(input kind, uint64_t p1, uint64_t p2) = 0;
    // A double click: true when the widget under the pointer, or else the window, wants it.
    virtual bool wants_double_click() = 0;
    virtual void on_timer(uint32_t id) = 0;
    // WM_DPICHANGED, after the window was placed: the new DPI and client size in pixels.
    virtual void on_dpi_changed(uint32_t dpi_x, uint32_t dpi_y, uint32_t pixel_width,
                                uint32_t pixel_height) = 0;
    virtual void on_user_message(uint64_t lparam, uint64_t wparam) = 0;
    // WM_MOUSEMOVE. The first move after the pointer enters only arms leave tracking (true);
    // later moves route mouse_move. `dpi` is the window's current DPI.
    virtual bool on_mouse_move(uint32_t dpi) = 0;
    // The pointer is inside and leave tracking is armed: the widgets own the cursor.
    virtual bool is_tracking() const = 0;
    virtual void on_ime_message(ime_message message, uint32_t lparam) = 0;
    // Files dragged over the window: true when the widget under the pointer, or else the
    // window, takes dropped files.
    virtual bool on_file_drag_over() = 0;
    // Files dropped on the window (folders already left out).
    virtual void on_files_dropped(std::vector<std::wstring>& paths) = 0;
    // The window's elements for assistive technology.
    virtual access_source& accessibility() = 0;
};

class window_host {
public:
    virtual ~window_host() = default;

    // Creates the native window for a client rectangle in dips, with the style flags, owned by
    // `owner` (may be null); its messages go to `events`.
    virtual void create(const int_rect& client_dips, uint16_t flags, window_host* owner,
                        window_events& events) = 0;
    virtual void* handle() const = 0;
    // The window's input method; made with the native window.
    virtual platform::input_method& input_method() = 0;
    virtual uint32_t dpi_x() const = 0;
    virtual uint32_t dpi_y() const = 0;

    virtual void set_title(const std::string& utf8) = 0;
    virtual bool is_visible() const = 0;
    // ShowWindow(SW_SHOW) and UpdateWindow.
    virtual void show() = 0;
    // ShowWindow(SW_SHOWNOACTIVATE) and UpdateWindow: shown without taking the focus.
    virtual void show_inactive() = 0;
    virtual void hide() = 0;
    virtual void update() = 0;
    virtual void invalidate(int32_t left, int32_t top, int32_t right, int32_t bottom) = 0;

    virtual void set_timer(uint32_t id, uint32_t interval_ms) = 0;
    virtual void kill_timer(uint32_t id) = 0;
    virtual void set_capture() = 0;
    virtual void release_capture() = 0;
    // The window has the keyboard focus of the system.
    virtual bool has_focus() const = 0;
    // The pointer in client pixels, and on the screen in pixels.
    virtual int_point cursor_position() const = 0;
    virtual int_point screen_cursor_position() const = 0;
    virtual void set_cursor(cursor_shape shape) = 0;
    // The modifier keys as the keyboard state has them now: either Shift, either Ctrl, right Alt.
    virtual bool shift_down() const = 0;
    virtual bool ctrl_down() const = 0;
    virtual bool right_alt_down() const = 0;
    // A high-resolution clock.
    virtual double milliseconds() const = 0;

    // Disables / re-enables (and focuses) the owner, when there is one that is not the desktop.
    virtual void disable_owner() = 0;
    virtual void enable_owner() = 0;
    // Waits for and dispatches messages while `running` stays true.
    virtual void run_loop(const bool& running) = 0;

    // Centres over the owner or the screen, inside the work area.
    virtual void center() = 0;
    // The position is taken as screen pixels, the size as dips.
    virtual void resize(const int_rect& client_dips) = 0;
    // Moves the window, keeping its size, to lie inside the work area of its nearest monitor.
    virtual void keep_in_work_area() = 0;
    // The client area: its screen position in pixels, its size in dips.
    virtual int_rect frame_rect() const = 0;
    // TrackMouseEvent(TME_LEAVE): a mouse_leave event follows when the pointer leaves.
    virtual void track_mouse_leave() = 0;
    // Destroys the native window, re-enabling the owner first.
    virtual void destroy() = 0;
    // Tells assistive technology that an element changed (id 0: the client area).
    virtual void notify_access(access_event event, int32_t id) = 0;
};

}  // namespace pelsdk::platform
