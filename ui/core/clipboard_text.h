#pragma once

#include <string_view>

namespace pelsdk::ui {

// Puts UTF-8 text on the system clipboard as Unicode text. False, with nothing copied, when the
// clipboard could not be opened.
bool copy_to_clipboard(std::string_view text);

}  // namespace pelsdk::ui
