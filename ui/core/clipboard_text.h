#pragma once

#include <string_view>

namespace pelsdk::ui {

class window;

// Puts UTF-8 text on the system clipboard as Unicode text. False, with nothing copied, when the
// clipboard could not be opened.
bool copy_to_clipboard(window& from, std::string_view text);

}  // namespace pelsdk::ui
