#pragma once

#include <string>
#include <string_view>

namespace pelsdk::platform {

// UTF-8 <-> wide text as Windows code page 65001 converts it with no flags: an empty input
// gives an empty result, and invalid input becomes U+FFFD replacement characters.
std::wstring utf8_to_wide(std::string_view text);
std::string wide_to_utf8(std::wstring_view text);
// UTF-16 code units on every host, for text that is measured or laid out.
std::u16string utf8_to_utf16(std::string_view text);

}  // namespace pelsdk::platform
