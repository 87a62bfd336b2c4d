#include "ui/core/ime_state.h"

#include <algorithm>
#include <tuple>
#include <utility>

namespace pelsdk::ui {

namespace {

namespace part = platform::composition_part;

// Virtual keys that matter to a composition.
constexpr uint32_t kBackspace = 0x08;
constexpr uint32_t kEnter = 0x0D;
constexpr uint32_t kSpace = 0x20;
constexpr uint32_t kEnd = 0x23;
constexpr uint32_t kHome = 0x24;
constexpr uint32_t kLeft = 0x25;
constexpr uint32_t kRight = 0x27;

constexpr uint16_t kKorean = 0x12;

// What the focused widget is told.
constexpr uint64_t kStarted = 0;
constexpr uint64_t kChanged = 1;
constexpr uint64_t kCommitted = 2;

bool has_converted_clause(const std::vector<uint8_t>& attributes) {
    return std::find(attributes.begin(), attributes.end(), platform::attribute_target_converted) !=
           attributes.end();
}

}  // namespace

ime_state::ime_state(platform::input_method& method, dispatcher dispatch)
    : method_(method), dispatch_(std::move(dispatch)) {
    method_.detach_context();
    // The layout in use before any change is known at once, so the Korean rules hold from the
    // first composition.
    input_language_changed();
}

void ime_state::start_composition() {
    if (composing) return;
    method_.create_caret();
    place_candidates();
    composing = true;
    dispatch_(kStarted);
}

void ime_state::compose(uint32_t lparam_flags) {
    const std::tuple<std::u16string, int32_t, bool> before{composition, cursor, target_converted};
    if (typing_commits_converted_target()) {
        dispatch_(kCommitted);
        dispatch_(kStarted);
    }
    target_converted = false;
    if (is_korean() && (lparam_flags & part::result) != 0 && key_char != 0) dispatch_(kStarted);
    // Changed means changed as drawn: the text, the cursor inside it, or the converted mark.
    if (update_composition(lparam_flags, part::text) &&
        std::tie(composition, cursor, target_converted) != before) {
        dispatch_(kChanged);
    }
}

void ime_state::end_composition() {
    if (!composing) return;
    if (update_composition(0, part::result)) dispatch_(kCommitted);
    method_.destroy_caret();
    composing = false;
}

void ime_state::input_language_changed() {
    const platform::keyboard_layout layout = method_.current_layout();
    language = layout.language;
    is_ime = layout.is_ime;
    if (composing) {
        method_.with_context(
            [](platform::input_context& context) { context.complete_composition(); });
    }
}

void ime_state::key_down_while_composing() {
    if (!composing) return;
    virtual_key = method_.real_virtual_key();
    key_char = method_.key_to_char(virtual_key) & 0xFF;
}

bool ime_state::update_composition(uint32_t lparam_flags, uint32_t which) {
    if (which != part::result && (lparam_flags & which) == 0) return false;
    return method_.with_context([&](platform::input_context& context) {
        if (which == part::result) {
            composition = context.read_string(part::result);
            target_converted = false;
            cursor = length();
        } else {
            read_composition_text(context, lparam_flags);
        }
    });
}

void ime_state::place_candidates() {
    const rect& area = candidate_rect;
    const platform::candidate_form form{
        {area.x, area.y}, area.x, area.y, area.x + area.width, area.y + area.height};
    method_.with_context(
        [&](platform::input_context& context) { context.set_candidate_window(form); });
}

// The language word's low ten bits are the primary language: Korean layouts are 0x0412.
bool ime_state::is_korean() const { return (language & 0x3FF) == kKorean; }

// Typing a character with the cursor at the end of a converted composition accepts the
// conversion: the pending text counts as committed and a new composition begins.
bool ime_state::typing_commits_converted_target() const {
    return target_converted && cursor == length() && key_char != 0 && virtual_key != kBackspace &&
           virtual_key != kEnter && virtual_key != kSpace;
}

void ime_state::read_composition_text(platform::input_context& context, uint32_t lparam_flags) {
    composition = context.read_string(part::text);
    target_converted =
        (lparam_flags & part::attributes) != 0 && has_converted_clause(context.read_attributes());
    if (is_korean()) {
        cursor = length();
    } else if (!target_converted) {
        // An IME's error code or a position past the text is kept inside the text.
        cursor = std::clamp(context.read_cursor(), 0, length());
    } else {
        cursor = cursor_after_key();
    }
}

// The IME reports no cursor inside a converted clause, so it follows the keys that move it.
// Home goes to the start, as it does in any text field.
int32_t ime_state::cursor_after_key() const {
    int32_t moved = cursor;
    if (virtual_key == kLeft) moved = cursor - 1;
    if (virtual_key == kRight) moved = cursor + 1;
    if (virtual_key == kHome) moved = 0;
    if (virtual_key == kEnd) moved = length();
    return std::clamp(moved, 0, length());
}

}  // namespace pelsdk::ui
