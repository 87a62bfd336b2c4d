#pragma once

#include <cstddef>
#include <cstdint>
#include <cwchar>
#include <string>

namespace pelsdk::platform {

// The number of UTF-16 code units that Windows would store for this text: wide strings hold
// UTF-16 on Windows and whole code points elsewhere.
inline size_t utf16_units(const std::wstring& text) {
#if WCHAR_MAX > 0xFFFF
    size_t units = 0;
    for (wchar_t c : text) units += static_cast<uint32_t>(c) > 0xFFFF ? 2 : 1;
    return units;
#else
    return text.size();
#endif
}

}  // namespace pelsdk::platform
