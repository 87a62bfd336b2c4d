#include "platform/win32/win32_folder_dialog.h"

#include <windows.h>
#include <shobjidl.h>

#include "platform/win32/com_ptr.h"

namespace pelsdk::platform {

namespace {

using outcome = folder_choice::outcome;

bool set_up(IFileOpenDialog& dialog, const std::u16string& title) {
    FILEOPENDIALOGOPTIONS options = 0;
    return SUCCEEDED(dialog.GetOptions(&options)) &&
           SUCCEEDED(dialog.SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM)) &&
           SUCCEEDED(dialog.SetTitle(reinterpret_cast<const wchar_t*>(title.c_str())));
}

// A folder that cannot be found leaves the dialog where the shell opens it.
void open_in(IFileOpenDialog& dialog, const std::wstring& initial) {
    if (initial.empty()) return;
    com_ptr<IShellItem> folder;
    if (SUCCEEDED(SHCreateItemFromParsingName(initial.c_str(), nullptr, IID_IShellItem,
                                              folder.out_void()))) {
        dialog.SetFolder(folder.get());
    }
}

}  // namespace

folder_choice win32_folder_dialog::pick(window_host* owner, const std::u16string& title,
                                        const std::wstring& initial) {
    com_ptr<IFileOpenDialog> dialog;
    if (FAILED(CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IFileOpenDialog, dialog.out_void()))) {
        return {outcome::not_created, {}};
    }
    if (!set_up(*dialog.get(), title)) return {outcome::not_set_up, {}};
    open_in(*dialog.get(), initial);
    const HRESULT shown = dialog->Show(owner != nullptr ? static_cast<HWND>(owner->handle()) : nullptr);
    if (shown == HRESULT_FROM_WIN32(ERROR_CANCELLED)) return {outcome::cancelled, {}};
    if (FAILED(shown)) return {outcome::not_shown, {}};
    com_ptr<IShellItem> item;
    if (FAILED(dialog->GetResult(item.out()))) return {outcome::no_selection, {}};
    PWSTR path = nullptr;
    if (FAILED(item->GetDisplayName(SIGDN_FILESYSPATH, &path))) return {outcome::no_path, {}};
    folder_choice chosen{outcome::chosen, path};
    CoTaskMemFree(path);
    return chosen;
}

}  // namespace pelsdk::platform
