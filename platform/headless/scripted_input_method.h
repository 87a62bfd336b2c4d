#pragma once

#include <map>

#include "platform/input_method.h"

namespace pelsdk::platform {

// An IME whose composition, layout and keys are set by the test, and which records what the
// window asks of it.
class scripted_input_method final : public input_method, private input_context {
public:
    // What the IME answers.
    bool has_context = true;
    std::u16string text;
    std::u16string result;
    std::vector<uint8_t> attributes;
    int32_t cursor = 0;
    keyboard_layout layout{0x0409, false};
    uint32_t virtual_key = 0;
    std::map<uint32_t, uint32_t> key_chars;  // virtual key -> mapped character

    // What it was asked.
    bool detached = false;
    int carets = 0;  // created minus destroyed
    int completions = 0;
    std::vector<candidate_form> candidate_windows;

    void detach_context() override { detached = true; }
    bool with_context(const std::function<void(input_context&)>& use) override {
        if (has_context) use(*this);
        return has_context;
    }
    void create_caret() override { ++carets; }
    void destroy_caret() override { --carets; }
    keyboard_layout current_layout() override { return layout; }
    uint32_t real_virtual_key() override { return virtual_key; }
    uint32_t key_to_char(uint32_t key) override {
        const auto found = key_chars.find(key);
        return found == key_chars.end() ? 0 : found->second;
    }

private:
    std::u16string read_string(uint32_t kind) override {
        return kind == composition_part::result ? result : text;
    }
    std::vector<uint8_t> read_attributes() override { return attributes; }
    int32_t read_cursor() override { return cursor; }
    void set_candidate_window(const candidate_form& form) override {
        candidate_windows.push_back(form);
    }
    void complete_composition() override { ++completions; }
};

}  // namespace pelsdk::platform
