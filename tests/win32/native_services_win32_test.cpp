// The native services on the real system under Wine: popup menu, clipboard, folder picker and
// the OLE drop target.
#include <windows.h>
#include <gtest/gtest.h>
#include <shlobj.h>

#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/win32_windows.h"
#include "ui/core/folder_picker.h"
#include "ui/core/popup_menu.h"

namespace {

using namespace pelsdk::ui;

// On a thread of its own, whose COM apartment is still free: the window's OLE initialisation
// makes it single-threaded, as in the program.
void OnFreshThread(const std::function<void()>& body) {
    UseWin32Windows();
    std::thread(body).join();
}

struct TestWindow {
    TestWindow() {
        win.create("Services test", {100, 100, 300, 200}, 0);
        hwnd = static_cast<HWND>(win.host().handle());
        win.host().show();
    }
    window win;
    HWND hwnd = nullptr;
};

void Type(const std::vector<WORD>& keys) {
    for (WORD key : keys) {
        keybd_event(static_cast<BYTE>(key), 0, 0, 0);
        keybd_event(static_cast<BYTE>(key), 0, KEYEVENTF_KEYUP, 0);
        Sleep(100);
    }
}

TEST(Win32Services, PopupMenuGivesTheChosenCommandOrZero) {
    OnFreshThread([] {
        TestWindow test;
        popup_menu menu;
        menu.add_item(1, -1, "Select all");
        menu.add_item(2, -1, "Copy");
        struct Case {
            std::vector<WORD> keys;
            uint32_t chosen;
        };
        const Case cases[] = {{{VK_ESCAPE}, 0}, {{VK_DOWN, VK_DOWN, VK_RETURN}, 2}};
        for (const Case& c : cases) {
            SetForegroundWindow(test.hwnd);
            std::thread typist([&] {
                Sleep(700);
                Type(c.keys);
            });
            EXPECT_EQ(menu.show_at_pointer(test.win), c.chosen);
            typist.join();
        }
    });
}

std::u16string ClipboardText() {
    std::u16string text;
    if (!OpenClipboard(nullptr)) return u"(not opened)";
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const char16_t*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

TEST(Win32Services, ClipboardTakesUnicodeTextUnlessSomeoneHoldsIt) {
    pelsdk::platform::win32_clipboard clipboard;
    const std::u16string text = u"Quintrel Velkor \u00e9\u00e8 \U0001F642\r\nline two";
    ASSERT_TRUE(clipboard.put_text(text));
    EXPECT_EQ(ClipboardText(), text);

    // While another program holds the clipboard open nothing is copied.
    HANDLE opened = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::thread holder([&] {
        HWND owner = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                     nullptr, nullptr);
        OpenClipboard(owner);
        SetEvent(opened);
        WaitForSingleObject(done, 10000);
        CloseClipboard();
        DestroyWindow(owner);
    });
    WaitForSingleObject(opened, 10000);
    EXPECT_FALSE(clipboard.put_text(u"other"));
    SetEvent(done);
    holder.join();
    EXPECT_EQ(ClipboardText(), text);
    CloseHandle(opened);
    CloseHandle(done);
}

TEST(Win32Services, CancellingTheFolderPickerGivesAnEmptyPath) {
    OnFreshThread([] {
        TestWindow test;
        bool found = false;
        std::thread canceller([&] {
            for (int tries = 0; tries < 100 && !found; ++tries) {
                Sleep(100);
                if (HWND dialog = FindWindowW(nullptr, L"Custom Folder")) {
                    found = true;
                    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
                }
            }
        });
        std::wstring chosen = L"(thrown)";
        EXPECT_NO_THROW(chosen = select_folder(&test.win, "Custom Folder", L"C:\\windows"));
        canceller.join();
        EXPECT_TRUE(found) << "the dialog opened with its title";
        EXPECT_EQ(chosen, L"");
    });
}

// A drag source's data: a CF_HDROP list of paths, as Explorer gives it.
class FileList final : public IDataObject {
public:
    explicit FileList(std::vector<std::wstring> paths) : paths_(std::move(paths)) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (id != IID_IUnknown && id != IID_IDataObject) return E_NOINTERFACE;
        *object = this;
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
        if (format->cfFormat != CF_HDROP || !(format->tymed & TYMED_HGLOBAL)) return DV_E_FORMATETC;
        std::wstring list;
        for (const std::wstring& path : paths_) list += path + L'\0';
        list += L'\0';
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + list.size() * 2);
        auto* header = static_cast<DROPFILES*>(GlobalLock(block));
        header->pFiles = sizeof(DROPFILES);
        header->fWide = TRUE;
        memcpy(header + 1, list.data(), list.size() * 2);
        GlobalUnlock(block);
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = block;
        medium->pUnkForRelease = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }

private:
    std::vector<std::wstring> paths_;
};

TEST(Win32Services, DroppedFilesReachTheWidgetWithoutFolders) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "velkor-drop";
    std::filesystem::create_directories(folder / "Plug-ins");
    const std::wstring first = (folder / "a.aex").wstring(), second = (folder / "b.txt").wstring();
    for (const std::wstring& file : {first, second}) {
        CloseHandle(CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    }
    const std::wstring subfolder = (folder / "Plug-ins").wstring();

    OnFreshThread([&] {
        TestWindow test;
        auto& host = static_cast<pelsdk::platform::win32_window_host&>(test.win.host());
        native_drop_target& target = host.drop_target();
        EXPECT_EQ(target.registered, test.hwnd);
        EXPECT_EQ(RegisterDragDrop(test.hwnd, &target), DRAGDROP_E_ALREADYREGISTERED);
        IUnknown* asked = nullptr;
        EXPECT_EQ(target.QueryInterface(IID_IDataObject, reinterpret_cast<void**>(&asked)), E_FAIL);

        widget area;
        area.window = &test.win;
        test.win.root.add_child(&area);
        area.create({0, 0, 150, 200});
        POINT inside{20, 20};
        ClientToScreen(test.hwnd, &inside);
        SetCursorPos(inside.x, inside.y);

        DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        EXPECT_EQ(target.DragOver(0, {inside.x, inside.y}, &effect), S_OK);
        EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE)) << "nobody takes files";

        std::vector<std::vector<std::wstring>> received;
        event_hub::instance().register_handler(&area, &area, event_type::file_drop,
                                               [&](const event_info& e) {
            if (e.param2 == 0) received.push_back(*event_param_as<std::vector<std::wstring>>(e.param1));
        });
        effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        target.DragOver(0, {inside.x, inside.y}, &effect);
        EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_MOVE));

        FileList mixed({first, subfolder, second});
        FileList folders({subfolder});
        EXPECT_EQ(target.Drop(&mixed, 0, {inside.x, inside.y}, &effect), S_OK);
        EXPECT_EQ(target.Drop(&folders, 0, {inside.x, inside.y}, &effect), S_OK);
        ASSERT_EQ(received.size(), 2u);
        EXPECT_EQ(received[0], (std::vector<std::wstring>{first, second}));
        EXPECT_TRUE(received[1].empty()) << "only folders: the drop still arrives, empty";

        target.revoke();
        EXPECT_EQ(RegisterDragDrop(test.hwnd, &target), S_OK) << "revoked";
        RevokeDragDrop(test.hwnd);
    });
    std::filesystem::remove_all(folder);
}

}  // namespace
