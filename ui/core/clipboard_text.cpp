#include "ui/core/clipboard_text.h"

#include "platform/text_encoding.h"
#include "ui/core/window.h"

namespace pelsdk::ui {

bool copy_to_clipboard(window& from, std::string_view text) {
    return from.platform().clips.put_text(platform::utf8_to_utf16(text));
}

}  // namespace pelsdk::ui
