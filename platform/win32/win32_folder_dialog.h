#pragma once

#include "platform/folder_dialog.h"

namespace pelsdk::platform {

// The shell's IFileOpenDialog picking file-system folders. COM must be initialised on the
// thread (every toolkit window initialises OLE).
class win32_folder_dialog final : public folder_dialog {
public:
    folder_choice pick(window_host* owner, const std::u16string& title,
                       const std::wstring& initial) override;
};

}  // namespace pelsdk::platform
