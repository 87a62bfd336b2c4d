#include "platform/win32/win32_input_method.h"

#include <imm.h>

namespace pelsdk::platform {

static_assert(composition_part::text == GCS_COMPSTR);
static_assert(composition_part::attributes == GCS_COMPATTR);
static_assert(composition_part::cursor == GCS_CURSORPOS);
static_assert(composition_part::result == GCS_RESULTSTR);
static_assert(attribute_target_converted == ATTR_TARGET_CONVERTED);

namespace {

// A context taken with ImmGetContext, released when the reads are done.
class held_context final : public input_context {
public:
    held_context(HWND window, HIMC context) : window_(window), context_(context) {}
    ~held_context() override { ImmReleaseContext(window_, context_); }
    held_context(const held_context&) = delete;
    held_context& operator=(const held_context&) = delete;

    // The IME answers sizes in bytes; the buffer is sized from that, in units of the kind read.
    std::u16string read_string(uint32_t kind) override {
        const LONG bytes = ImmGetCompositionStringW(context_, kind, nullptr, 0);
        if (bytes <= 0) return {};
        std::wstring text(bytes / sizeof(wchar_t), L'\0');
        const LONG read =
            ImmGetCompositionStringW(context_, kind, text.data(), text.size() * sizeof(wchar_t));
        if (read <= 0) return {};
        text.resize(read / sizeof(wchar_t));
        return std::u16string(text.begin(), text.end());
    }

    std::vector<uint8_t> read_attributes() override {
        const LONG bytes = ImmGetCompositionStringW(context_, GCS_COMPATTR, nullptr, 0);
        if (bytes <= 0) return {};
        std::vector<uint8_t> attributes(bytes);
        const LONG read =
            ImmGetCompositionStringW(context_, GCS_COMPATTR, attributes.data(), bytes);
        attributes.resize(read > 0 ? read : 0);
        return attributes;
    }

    int32_t read_cursor() override {
        return ImmGetCompositionStringW(context_, GCS_CURSORPOS, nullptr, 0);
    }

    void set_candidate_window(const candidate_form& form) override {
        CANDIDATEFORM candidate = {};
        candidate.dwIndex = 0;
        candidate.dwStyle = CFS_EXCLUDE;
        candidate.ptCurrentPos = {form.position.x, form.position.y};
        candidate.rcArea = {form.left, form.top, form.right, form.bottom};
        ImmSetCandidateWindow(context_, &candidate);
    }

    void complete_composition() override {
        ImmNotifyIME(context_, NI_COMPOSITIONSTR, CPS_COMPLETE, 0);
    }

private:
    HWND window_;
    HIMC context_;
};

}  // namespace

void win32_input_method::detach_context() { ImmAssociateContext(window_, nullptr); }

bool win32_input_method::with_context(const std::function<void(input_context&)>& use) {
    HIMC context = ImmGetContext(window_);
    if (context == nullptr) return false;
    held_context held(window_, context);
    use(held);
    return true;
}

void win32_input_method::create_caret() { CreateCaret(window_, nullptr, 1, 1); }

void win32_input_method::destroy_caret() { DestroyCaret(); }

keyboard_layout win32_input_method::current_layout() {
    HKL layout = GetKeyboardLayout(0);
    const auto language = static_cast<uint16_t>(reinterpret_cast<uintptr_t>(layout) & 0xFFFF);
    return {language, ImmIsIME(layout) != FALSE};
}

uint32_t win32_input_method::real_virtual_key() { return ImmGetVirtualKey(window_); }

uint32_t win32_input_method::key_to_char(uint32_t virtual_key) {
    return MapVirtualKeyW(virtual_key, MAPVK_VK_TO_CHAR);
}

}  // namespace pelsdk::platform
