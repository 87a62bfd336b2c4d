#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/input_method.h"
#include "ui/base/geometry.h"

namespace pelsdk::ui {

// What a window knows of the composition the input method is making, kept up to date from the
// IME's messages. The focused widget draws the composition from these fields; each step tells
// it through `ime_composition` with 0 (started), 1 (composition changed) or 2 (committed).
class ime_state {
public:
    // Dispatches `ime_composition` with the given param1.
    using dispatcher = std::function<void(uint64_t)>;

    // Detaches the window's input context and reads the keyboard layout in use.
    ime_state(platform::input_method& method, dispatcher dispatch);

    // WM_IME_STARTCOMPOSITION.
    void start_composition();
    // WM_IME_COMPOSITION, with the composition parts named in its lParam.
    void compose(uint32_t lparam_flags);
    // WM_IME_ENDCOMPOSITION.
    void end_composition();
    // WM_INPUTLANGCHANGE: a running composition is committed as it stands.
    void input_language_changed();
    // Every WM_KEYDOWN of the message loop, before translation; only a composition needs it.
    void key_down_while_composing();
    // Reads the string of kind `which` (composition_part::text or ::result). False without an
    // input context, or when a text update is asked of a message that carries no text.
    bool update_composition(uint32_t lparam_flags, uint32_t which);
    // Shows the IME's candidate list at candidate_rect's top-left, keeping clear of it.
    void place_candidates();

    std::u16string composition;  // being composed, or the result after a commit
    bool composing = false;
    bool target_converted = false;  // a clause of the composition is converted
    uint16_t language = 0;
    bool is_ime = false;
    rect candidate_rect{0, 0, 0, 0};  // set by the focused widget
    uint32_t virtual_key = 0;         // the last key pressed while composing
    uint32_t key_char = 0;            // its character, 0 for keys that type none
    int32_t cursor = 0;               // in UTF-16 units of the composition

private:
    bool is_korean() const;
    bool typing_commits_converted_target() const;
    void read_composition_text(platform::input_context& context, uint32_t lparam_flags);
    int32_t cursor_after_key() const;
    int32_t length() const { return static_cast<int32_t>(composition.size()); }

    platform::input_method& method_;
    dispatcher dispatch_;
};

}  // namespace pelsdk::ui
