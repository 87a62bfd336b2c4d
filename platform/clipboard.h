#pragma once

#include <string>

namespace pelsdk::platform {

// The system clipboard.
class clipboard {
public:
    virtual ~clipboard() = default;
    // Replaces the clipboard's contents with Unicode text (CF_UNICODETEXT in a movable,
    // zero-filled block of 2 x length + 2 bytes). False, and nothing copied, when the clipboard
    // cannot be opened or the block cannot be had.
    virtual bool put_text(const std::u16string& text) = 0;
};

}  // namespace pelsdk::platform
