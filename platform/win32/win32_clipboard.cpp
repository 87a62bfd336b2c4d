#include "platform/win32/win32_clipboard.h"

#include <windows.h>

#include <cstring>

namespace pelsdk::platform {

bool win32_clipboard::put_text(const std::u16string& text) {
    // Zero-filled, so the text ends with its terminating zero.
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, text.size() * 2 + 2);
    if (block == nullptr) return false;
    std::memcpy(GlobalLock(block), text.data(), text.size() * 2);
    GlobalUnlock(block);
    if (!OpenClipboard(nullptr)) {
        GlobalFree(block);
        return false;
    }
    EmptyClipboard();
    // Once placed, the block belongs to the clipboard.
    const bool placed = SetClipboardData(CF_UNICODETEXT, block) != nullptr;
    CloseClipboard();
    if (!placed) GlobalFree(block);
    return placed;
}

}  // namespace pelsdk::platform
