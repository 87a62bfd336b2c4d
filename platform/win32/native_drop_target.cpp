#include "platform/win32/native_drop_target.h"

#include <shellapi.h>

#include <algorithm>
#include <string>
#include <vector>

namespace pelsdk::ui {

namespace {

// The files of a CF_HDROP list; folders, and paths whose attributes cannot be read, are left
// out.
std::vector<std::wstring> dropped_files(HDROP drop) {
    std::vector<std::wstring> paths;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        std::wstring path(DragQueryFileW(drop, i, nullptr, 0), L'\0');
        DragQueryFileW(drop, i, path.data(), static_cast<UINT>(path.size() + 1));
        if (GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_DIRECTORY) continue;
        std::replace(path.begin(), path.end(), L'/', L'\\');
        paths.push_back(std::move(path));
    }
    return paths;
}

}  // namespace

// Single-threaded apartment, once per window: OLE calls the drop target on the window's thread.
native_drop_target::native_drop_target() : ole_result(OleInitialize(nullptr)) {
    CoLockObjectExternal(this, TRUE, FALSE);
}

native_drop_target::~native_drop_target() {
    revoke();
    CoLockObjectExternal(this, FALSE, FALSE);
    if (ole_result != RPC_E_CHANGED_MODE) OleUninitialize();
}

void native_drop_target::register_for(HWND hwnd, platform::window_events& events) {
    events_ = &events;
    if (registered == nullptr && SUCCEEDED(RegisterDragDrop(hwnd, this))) registered = hwnd;
}

void native_drop_target::revoke() {
    if (registered == nullptr) return;
    RevokeDragDrop(registered);
    registered = nullptr;
}

HRESULT native_drop_target::QueryInterface(REFIID interface_id, void** object) {
    if (object == nullptr) return E_FAIL;
    if (interface_id != IID_IUnknown && interface_id != IID_IDropTarget) {
        *object = nullptr;
        return E_FAIL;
    }
    AddRef();
    *object = static_cast<IDropTarget*>(this);
    return S_OK;
}

// The object is part of its window's record: the count never frees it.
ULONG native_drop_target::AddRef() { return ++references_; }
ULONG native_drop_target::Release() { return --references_; }

HRESULT native_drop_target::DragEnter(IDataObject*, DWORD, POINTL, DWORD*) { return S_OK; }
HRESULT native_drop_target::DragLeave() { return S_OK; }

// The pointer position comes from the system's cursor, as for every other pointer event.
HRESULT native_drop_target::DragOver(DWORD, POINTL, DWORD* effect) {
    const bool taken = events_ != nullptr && events_->on_file_drag_over();
    if (effect != nullptr) *effect = taken ? DROPEFFECT_MOVE : DROPEFFECT_NONE;
    return S_OK;
}

HRESULT native_drop_target::Drop(IDataObject* data, DWORD, POINTL, DWORD*) {
    FORMATETC format{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    if (data == nullptr || FAILED(data->GetData(&format, &medium))) return E_FAIL;
    std::vector<std::wstring> paths = dropped_files(static_cast<HDROP>(medium.hGlobal));
    ReleaseStgMedium(&medium);
    if (events_ != nullptr) events_->on_files_dropped(paths);
    return S_OK;
}

}  // namespace pelsdk::ui
