// Toolkit windows on real Win32 windows under Wine, driven by sending them messages.
#include <windows.h>
#include <gtest/gtest.h>

#include <memory>

#include "tests/support/win32_windows.h"

namespace {

using namespace pelsdk::ui;

class Win32Window : public ::testing::Test {
protected:
    void SetUp() override {
        UseWin32Windows();
        win = std::make_unique<window>();
        win->create("Toolkit test", {0, 0, 320, 200}, 0);
        hwnd = static_cast<HWND>(win->host().handle());
    }

    void Listen(event_object& object, event_type type) {
        event_hub::instance().register_handler(&object, &object, type, [this, type](const event_info& e) {
            heard.push_back(type);
            last_param1 = e.param1;
        });
    }

    std::unique_ptr<window> win;
    HWND hwnd = nullptr;
    std::vector<event_type> heard;
    uint64_t last_param1 = 0;
};

TEST_F(Win32Window, ClassNameGetsASuffixWhenTaken) {
    wchar_t name[256];
    GetClassNameW(hwnd, name, 256);
    EXPECT_EQ(std::wstring(name).rfind(L"PELSDK_WINDOW_CLASS", 0), 0u);

    WNDCLASSEXW taken{};
    taken.cbSize = sizeof(taken);
    taken.lpfnWndProc = DefWindowProcW;
    taken.hInstance = GetModuleHandleW(nullptr);
    taken.lpszClassName = L"VELKOR_TEST_CLASS";
    ASSERT_NE(RegisterClassExW(&taken), 0);
    EXPECT_EQ(pelsdk::platform::first_free_class_name(L"VELKOR_TEST_CLASS"), L"VELKOR_TEST_CLASS0");
    EXPECT_EQ(pelsdk::platform::first_free_class_name(L"VELKOR_FREE_CLASS"), L"VELKOR_FREE_CLASS");
    UnregisterClassW(L"VELKOR_TEST_CLASS", GetModuleHandleW(nullptr));
}

TEST_F(Win32Window, ClientAreaTitleAndStyleFollowTheRequest) {
    RECT client{};
    GetClientRect(hwnd, &client);
    EXPECT_EQ(client.right, 320);
    EXPECT_EQ(client.bottom, 200);
    wchar_t title[64];
    GetWindowTextW(hwnd, title, 64);
    EXPECT_STREQ(title, L"Toolkit test");
    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN), WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN);
    EXPECT_EQ(style & WS_THICKFRAME, 0);
}

TEST_F(Win32Window, CloseRespectsAHandledCloseRequest) {
    win->host().show();
    Listen(*win, event_type::close_request);
    EXPECT_EQ(SendMessageW(hwnd, WM_CLOSE, 0, 0), 1);
    EXPECT_TRUE(IsWindowVisible(hwnd)) << "the application handles it";
    event_hub::instance().unregister_all(win.get());
    SendMessageW(hwnd, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(hwnd));
    EXPECT_TRUE(IsWindow(hwnd)) << "closing hides; the window object destroys";
}

TEST_F(Win32Window, MessagesBecomeToolkitEvents) {
    win->host().show();
    SetFocus(hwnd);
    Listen(*win, event_type::mouse_wheel);
    Listen(*win, event_type::key_down);
    double wheel = 0;
    event_hub::instance().register_handler(win.get(), win.get(), event_type::mouse_wheel,
                                           [&](const event_info& e) { wheel = *event_param_as<double>(e.param1); });
    ASSERT_EQ(GetFocus(), hwnd);
    SendMessageW(hwnd, WM_MOUSEWHEEL, MAKEWPARAM(0, 120), MAKELPARAM(10, 10));
    EXPECT_EQ(wheel, 60.0);

    EXPECT_EQ(SendMessageW(hwnd, WM_MENUCHAR, MAKEWPARAM(L' ', MF_SYSMENU), 0), 0);
    EXPECT_EQ(SendMessageW(hwnd, WM_MENUCHAR, MAKEWPARAM(L'x', MF_SYSMENU), 0), 0x10000);

    // Alt+F4 is a key like any other: it does not close the window.
    SendMessageW(hwnd, WM_SYSKEYDOWN, VK_F4, 1 << 29);
    EXPECT_EQ(heard.back(), event_type::key_down);
    EXPECT_EQ(last_param1, static_cast<uint64_t>(VK_F4));
    MSG pending;
    while (PeekMessageW(&pending, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&pending);
    EXPECT_TRUE(IsWindowVisible(hwnd));
}

TEST_F(Win32Window, CentringStaysInsideTheWorkArea) {
    win->center();
    RECT outer{};
    GetWindowRect(hwnd, &outer);
    const int screen_width = GetSystemMetrics(SM_CXSCREEN);
    EXPECT_LE(std::abs((outer.left + outer.right) / 2 - screen_width / 2), 1);

    window wide;
    wide.create("Wide", {0, 0, screen_width + 200, 100}, 0);
    wide.center();
    RECT wide_outer{};
    GetWindowRect(static_cast<HWND>(wide.host().handle()), &wide_outer);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(static_cast<HWND>(wide.host().handle()), MONITOR_DEFAULTTONEAREST), &monitor);
    EXPECT_EQ(wide_outer.left, monitor.rcWork.left + 1);
}

class ClosingPopup : public window {
public:
    void on_user_message(uint64_t, uint64_t) override {
        owner_enabled_while_running = IsWindowEnabled(static_cast<HWND>(owner->host().handle())) != FALSE;
        close(5);
    }
    bool owner_enabled_while_running = true;
};

TEST_F(Win32Window, ModalLoopDisablesAndReenablesTheOwner) {
    win->host().show();
    ClosingPopup popup;
    popup.owner = win.get();
    popup.create("Popup", {0, 0, 100, 80}, 0);
    PostMessageW(static_cast<HWND>(popup.host().handle()), WM_USER, 0, 0);
    EXPECT_EQ(popup.run(), 5);
    EXPECT_FALSE(popup.owner_enabled_while_running);
    EXPECT_TRUE(IsWindowEnabled(hwnd));
    EXPECT_FALSE(IsWindowVisible(static_cast<HWND>(popup.host().handle())));
}

TEST_F(Win32Window, PaintingReachesTheRootThroughDirect2D) {
    int paints = 0;
    event_hub::instance().register_handler(&win->root, &win->root, event_type::paint, [&](const event_info&) {
        ++paints;
        win->drawing().set_fill_color({1, 0, 0, 1});
        win->drawing().fill_rect({0, 0, 10, 10});
    });
    win->host().show();
    InvalidateRect(hwnd, nullptr, FALSE);
    UpdateWindow(hwnd);
    EXPECT_GE(paints, 1);
    RECT update{};
    EXPECT_FALSE(GetUpdateRect(hwnd, &update, FALSE)) << "the paint validated the window";
}

}  // namespace
