// The native services on the real system under Wine: popup menu, clipboard, folder picker and
// the OLE drop target.
#include <windows.h>
#include <gtest/gtest.h>
#include <shlobj.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/win32_windows.h"
#include "ui/core/folder_picker.h"
#include "ui/core/popup_menu.h"

namespace {

using namespace pelsdk::ui;

// A shown window on a thread of its own, whose COM apartment is still free: the window's OLE
// initialisation makes it single-threaded, as in the program.
void WithWindow(const std::function<void(window&, HWND)>& body) {
    std::thread([&] {
        window win(Win32Platform());
        win.create("Services test", {100, 100, 300, 200}, 0);
        win.host().show();
        body(win, static_cast<HWND>(win.host().handle()));
    }).join();
}

TEST(Win32Services, PopupMenuAndFolderPickerAnswerTheUser) {
    WithWindow([](window& win, HWND hwnd) {
        popup_menu menu(win);
        menu.add_item(1, -1, "Select all");
        menu.add_item(2, -1, "Copy");
        const std::pair<std::vector<BYTE>, uint32_t> cases[] = {
            {{VK_ESCAPE}, 0}, {{VK_DOWN, VK_DOWN, VK_RETURN}, 2}};
        for (const auto& [keys, chosen] : cases) {
            SetForegroundWindow(hwnd);
            std::thread typist([&keys = keys] {
                Sleep(700);
                for (BYTE key : keys) {
                    keybd_event(key, 0, 0, 0);
                    keybd_event(key, 0, KEYEVENTF_KEYUP, 0);
                    Sleep(100);
                }
            });
            EXPECT_EQ(menu.show_at_pointer(), chosen);
            typist.join();
        }

        bool found = false;
        std::thread canceller([&] {
            for (int tries = 0; tries < 100 && !found; ++tries) {
                Sleep(100);
                HWND dialog = FindWindowW(nullptr, L"Custom Folder");
                if ((found = dialog != nullptr)) PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
            }
        });
        std::wstring chosen = L"(thrown)";
        EXPECT_NO_THROW(chosen = select_folder(win, "Custom Folder", L"C:\\windows"));
        canceller.join();
        EXPECT_TRUE(found) << "the dialog opened with its title";
        EXPECT_EQ(chosen, L"");
    });
}

TEST(Win32Services, ClipboardTakesUnicodeTextUnlessAnotherWindowHoldsIt) {
    const std::u16string text = u"Quintrel Velkor \u00e9\u00e8 \U0001F642\r\nline two";
    ASSERT_TRUE(pelsdk::platform::win32_clipboard().put_text(text));
    // Another window holds the clipboard open: nothing is copied.
    HWND holder = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  nullptr, nullptr);
    std::thread([&] {
        ASSERT_TRUE(OpenClipboard(holder));
        EXPECT_FALSE(pelsdk::platform::win32_clipboard().put_text(u"other"));
        CloseClipboard();
    }).join();
    DestroyWindow(holder);
    ASSERT_TRUE(OpenClipboard(nullptr));
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(static_cast<const char16_t*>(GlobalLock(data)), text);
    GlobalUnlock(data);
    CloseClipboard();
}

// A real data object as a drag from Explorer gives it: a CF_HDROP list of paths, placed on the
// clipboard and taken back through OLE.
IDataObject* DroppedPaths(const std::vector<std::wstring>& paths) {
    std::wstring list;
    for (const std::wstring& path : paths) list += path + L'\0';
    list += L'\0';
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + list.size() * 2);
    auto* header = static_cast<DROPFILES*>(GlobalLock(block));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = TRUE;
    memcpy(header + 1, list.data(), list.size() * 2);
    GlobalUnlock(block);
    if (OpenClipboard(nullptr) && EmptyClipboard()) SetClipboardData(CF_HDROP, block);
    CloseClipboard();
    IDataObject* data = nullptr;
    OleGetClipboard(&data);
    return data;
}

TEST(Win32Services, DroppedFilesReachTheWidgetWithoutFolders) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "velkor-drop";
    std::filesystem::create_directories(folder / "Plug-ins");
    const std::wstring first = (folder / "a.aex").wstring(), second = (folder / "b.txt").wstring();
    for (const std::wstring& file : {first, second}) std::ofstream(std::filesystem::path(file));
    std::wstring slashed = second;
    std::replace(slashed.begin(), slashed.end(), L'\\', L'/');
    const std::wstring subfolder = (folder / "Plug-ins").wstring();

    WithWindow([&](window& win, HWND hwnd) {
        native_drop_target& target =
            static_cast<pelsdk::platform::win32_window_host&>(win.host()).drop_target();
        EXPECT_EQ(RegisterDragDrop(hwnd, &target), DRAGDROP_E_ALREADYREGISTERED);
        DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        target.DragOver(0, {}, &effect);
        EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE)) << "nobody takes files";
        std::vector<std::vector<std::wstring>> received;
        event_hub::instance().register_handler(&win, &win, event_type::file_drop,
                                               [&](const event_info& e) {
            if (e.param1 != 0) received.push_back(*event_param_as<std::vector<std::wstring>>(e.param1));
        });
        target.DragOver(0, {}, &effect);
        EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_MOVE));

        for (const auto& paths : {std::vector{first, subfolder, slashed}, std::vector{subfolder}}) {
            IDataObject* data = DroppedPaths(paths);
            ASSERT_NE(data, nullptr);
            EXPECT_EQ(target.Drop(data, 0, {}, &effect), S_OK);
            data->Release();
        }
        ASSERT_EQ(received.size(), 2u);
        EXPECT_EQ(received[0], (std::vector<std::wstring>{first, second}));
        EXPECT_TRUE(received[1].empty()) << "only folders: the drop still arrives, empty";
    });
    std::filesystem::remove_all(folder);
}

}  // namespace
