#pragma once

#include <string>

#include "platform/window_host.h"

namespace pelsdk::platform {

// What became of a folder dialog, step by step as it is set up and shown.
struct folder_choice {
    enum class outcome { chosen, cancelled, not_created, not_set_up, not_shown, no_selection, no_path };
    outcome result;
    std::wstring path;  // as the shell gave it, when chosen
};

// The shell's folder picker (IFileOpenDialog with FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM).
class folder_dialog {
public:
    virtual ~folder_dialog() = default;
    // Modal over the owner (null: no owner); opens in `initial` when it names a folder.
    virtual folder_choice pick(window_host* owner, const std::u16string& title,
                               const std::wstring& initial) = 0;
};

}  // namespace pelsdk::platform
