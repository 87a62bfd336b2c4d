#pragma once

#include <windows.h>
#include <oleidl.h>

#include <atomic>

#include "platform/window_host.h"

namespace pelsdk::ui {

// The OLE drop target of one native window: files dragged over the window ask the toolkit
// window whether they are taken, files dropped reach it as a list of paths. It lives inside its
// window's native record, which holds the first reference and pins it for OLE.
class native_drop_target final : public IDropTarget {
public:
    native_drop_target();
    ~native_drop_target();
    native_drop_target(const native_drop_target&) = delete;
    native_drop_target& operator=(const native_drop_target&) = delete;

    // RegisterDragDrop once the window exists; RevokeDragDrop before it goes.
    void register_for(HWND hwnd, platform::window_events& events);
    void revoke();

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID interface_id, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL at,
                                        DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL at, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL at,
                                   DWORD* effect) override;

    HRESULT ole_result;  // of the OleInitialize made for the window
    HWND registered = nullptr;

private:
    std::atomic<ULONG> references_{1};
    platform::window_events* events_ = nullptr;
};

}  // namespace pelsdk::ui
