#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/window_host.h"

// The input method (IME) of one window, so that the composition logic runs without Windows.
namespace pelsdk::platform {

// The parts of a composition, as the IME names them in the flags of a composition message.
namespace composition_part {
inline constexpr uint32_t text = 0x8;         // the string being composed
inline constexpr uint32_t attributes = 0x10;  // one attribute byte per UTF-16 unit of the text
inline constexpr uint32_t cursor = 0x80;      // the caret inside the text
inline constexpr uint32_t result = 0x800;     // the committed string
}  // namespace composition_part

// The attribute byte of a unit that belongs to the converted target clause.
inline constexpr uint8_t attribute_target_converted = 1;

// Where the IME shows its candidate list: at `position`, keeping clear of the area given by its
// edges, all in client coordinates.
struct candidate_form {
    int_point position;
    int32_t left, top, right, bottom;
    friend bool operator==(const candidate_form&, const candidate_form&) = default;
};

struct keyboard_layout {
    uint16_t language;  // the low word of the thread's keyboard layout
    bool is_ime;
};

// The window's input context, held for the duration of one `input_method::with_context` call.
// Failing reads give an empty string or attribute list.
class input_context {
public:
    virtual ~input_context() = default;

    // `kind` is composition_part::text or composition_part::result.
    virtual std::u16string read_string(uint32_t kind) = 0;
    virtual std::vector<uint8_t> read_attributes() = 0;
    // As the IME reports it: a position in UTF-16 units, or a negative error code.
    virtual int32_t read_cursor() = 0;
    virtual void set_candidate_window(const candidate_form& form) = 0;
    // Makes the IME commit the composition as it stands.
    virtual void complete_composition() = 0;
};

class input_method {
public:
    virtual ~input_method() = default;

    // Takes the input context away from the window: the IME then no longer composes for it.
    virtual void detach_context() = 0;
    // Calls `use` with the window's input context and releases the context afterwards. False,
    // without calling, when the window has no input context.
    virtual bool with_context(const std::function<void(input_context&)>& use) = 0;
    // A 1 x 1 system caret, which the IME follows while the widget draws the real one.
    virtual void create_caret() = 0;
    virtual void destroy_caret() = 0;
    virtual keyboard_layout current_layout() = 0;
    // The key behind the last key-down message, as it was before the IME processed it.
    virtual uint32_t real_virtual_key() = 0;
    // The character the key types unshifted, with the dead-key flag in the high bit; 0 for none.
    virtual uint32_t key_to_char(uint32_t virtual_key) = 0;
};

}  // namespace pelsdk::platform
