#include "ui/core/folder_picker.h"

#include <algorithm>

#include "platform/text_encoding.h"
#include "ui/base/pel_exception.h"
#include "ui/core/window.h"

namespace pelsdk::ui {

namespace {

using outcome = platform::folder_choice::outcome;

const char* failure_message(outcome result) {
    switch (result) {
        case outcome::not_created:
            return "unable to create the folder \"select\" dialog box";
        case outcome::not_set_up:
            return "unable to setup the folder \"select\" dialog box";
        case outcome::not_shown:
            return "unable to display the folder \"select\" dialog box";
        case outcome::no_selection:
            return "unable to retrieve the selection from the folder \"select\" dialog box";
        default:
            return "unable to retrieve a result from the folder \"select\" dialog box";
    }
}

}  // namespace

std::wstring select_folder(window& owner, std::string_view title, const std::wstring& initial) {
    platform::folder_choice choice = owner.platform().folders.pick(
        &owner.host(), platform::utf8_to_utf16(title), initial);
    if (choice.result == outcome::cancelled) return {};
    if (choice.result != outcome::chosen) throw pel_exception(failure_message(choice.result));
    std::replace(choice.path.begin(), choice.path.end(), L'/', L'\\');
    return choice.path;
}

}  // namespace pelsdk::ui
