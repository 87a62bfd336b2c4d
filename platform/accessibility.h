#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pelsdk::platform {

// What a window shows to assistive technology: a tree of elements under its client area, read
// and acted on through access_source, changes told through window_host::notify_access. The
// toolkit describes its widgets portably; the Windows bridge serves them to screen readers.

// What an element is; the bridge maps each to the system's role.
enum class access_role : uint32_t {
    client,        // a window's drawing area, the root of its tree
    dialog,        // a popup window's drawing area
    grouping,      // a panel that gathers other elements
    static_text,
    link,
    push_button,
    check_button,
    scroll_bar,
    progress_bar,
};

// An element's states, as flags.
namespace access_state {
inline constexpr uint32_t focusable = 0x01;
inline constexpr uint32_t focused = 0x02;
inline constexpr uint32_t unavailable = 0x04;
inline constexpr uint32_t checked = 0x08;
inline constexpr uint32_t pressed = 0x10;
inline constexpr uint32_t read_only = 0x20;
inline constexpr uint32_t invisible = 0x40;
}  // namespace access_state

struct access_rect {
    int32_t x, y, width, height;
    friend bool operator==(const access_rect&, const access_rect&) = default;
};

// One element. Id 0 is the client area; every other id names its element for as long as the
// element exists and is never given to another while the window lives.
struct access_element {
    int32_t id = 0;
    access_role role = access_role::grouping;
    std::string name;            // UTF-8, as read
    std::string value;           // empty: none (a scroll position, a percentage, a link target)
    std::string description;     // read after the name: a dialog's message
    std::string default_action;  // empty: none; else its verb: "Press", "Check", "Uncheck", "Jump"
    uint32_t states = 0;
    access_rect bounds{0, 0, 0, 0};  // in client pixels
    std::vector<int32_t> children;   // in reading order
};

// The tree of a window, asked on the thread that runs the window.
class access_source {
public:
    virtual ~access_source() = default;
    // The client element first, then every element below it as it is now; hidden ones are left
    // out.
    virtual std::vector<access_element> elements() = 0;
    // The deepest element at a client pixel; 0 for the client itself, -1 outside the client.
    virtual int32_t element_at(int32_t client_x, int32_t client_y) = 0;
    // The element with the keyboard focus; 0 when none below the client has it.
    virtual int32_t focused_element() = 0;
    // Does what a click on the element does; false when it has no default action (or is gone).
    virtual bool do_default_action(int32_t id) = 0;
};

// What changed, for the screen reader.
enum class access_event : uint32_t {
    focus,          // the element took the keyboard focus
    state_changed,  // checked, pressed or unavailable changed
    name_changed,   // a text or a title
    value_changed,  // a progress or scroll position
    reordered,      // elements below it came or went (a page switched)
    dialog_opened,  // the window, a popup, was shown (id 0)
};

}  // namespace pelsdk::platform
