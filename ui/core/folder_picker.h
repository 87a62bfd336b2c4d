#pragma once

#include <string>
#include <string_view>

namespace pelsdk::ui {

class window;

// Asks the user for a folder with the shell's folder picker, modal over the owner,
// starting in `initial` when it names a folder. The chosen path with backslashes only, or an
// empty string when the user cancelled. Throws pel_exception when the picker cannot be made,
// set up or shown, or gives no path.
std::wstring select_folder(window& owner, std::string_view title, const std::wstring& initial);

}  // namespace pelsdk::ui
