// Toolkit windows on real Win32 windows under Wine, driven by sending them messages.
#include <windows.h>
#include <gtest/gtest.h>

#include "tests/support/win32_windows.h"

namespace {

using namespace pelsdk::ui;

HWND HandleOf(window& w) { return static_cast<HWND>(w.host().handle()); }

TEST(Win32Window, ClassNameGetsASuffixWhenTaken) {
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

TEST(Win32Window, ClientAreaAndFrameFollowTheRequestAndCentringStaysInTheWorkArea) {
    window win(Win32Platform());
    win.create("Toolkit test", {0, 0, 320, 200}, 0);
    RECT client{};
    GetClientRect(HandleOf(win), &client);
    EXPECT_EQ(client.right, 320);
    EXPECT_EQ(client.bottom, 200);
    const LONG_PTR style = GetWindowLongPtrW(HandleOf(win), GWL_STYLE);
    const LONG_PTR expected = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    EXPECT_EQ(style & (expected | WS_THICKFRAME), expected);

    window wide(Win32Platform());
    wide.create("Wide", {0, 0, GetSystemMetrics(SM_CXSCREEN) + 200, 100}, 0);
    wide.center();
    RECT outer{};
    GetWindowRect(HandleOf(wide), &outer);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(HandleOf(wide), MONITOR_DEFAULTTONEAREST), &monitor);
    EXPECT_EQ(outer.left, monitor.rcWork.left + 1);
}

TEST(Win32Window, PaintsThroughDirect2DAndTurnsMessagesIntoEvents) {
    window win(Win32Platform());
    win.create("Toolkit test", {0, 0, 320, 200}, 0);
    const HWND hwnd = HandleOf(win);
    int paints = 0;
    double wheel = 0;
    uint64_t key = 0;
    auto& hub = event_hub::instance();
    hub.register_handler(&win.root, &win.root, event_type::paint, [&](const event_info&) {
        ++paints;
        win.drawing().set_fill_color({1, 0, 0, 1});
        win.drawing().fill_rect({0, 0, 10, 10});
    });
    hub.register_handler(&win, &win, event_type::mouse_wheel,
                         [&](const event_info& e) { wheel = *event_param_as<double>(e.param1); });
    hub.register_handler(&win, &win, event_type::key_down,
                         [&](const event_info& e) { key = e.param1; });
    win.host().show();
    InvalidateRect(hwnd, nullptr, FALSE);
    UpdateWindow(hwnd);
    EXPECT_GE(paints, 1);
    RECT update{};
    EXPECT_FALSE(GetUpdateRect(hwnd, &update, FALSE)) << "the paint validated the window";

    SetFocus(hwnd);
    SendMessageW(hwnd, WM_MOUSEWHEEL, MAKEWPARAM(0, 120), MAKELPARAM(10, 10));
    EXPECT_EQ(wheel, 60.0);
    EXPECT_EQ(SendMessageW(hwnd, WM_MENUCHAR, MAKEWPARAM(L' ', MF_SYSMENU), 0), 0);
    EXPECT_EQ(SendMessageW(hwnd, WM_MENUCHAR, MAKEWPARAM(L'x', MF_SYSMENU), 0), 0x10000);

    // Alt+F4 is a key like any other: it does not close the window.
    SendMessageW(hwnd, WM_SYSKEYDOWN, VK_F4, 1 << 29);
    EXPECT_EQ(key, static_cast<uint64_t>(VK_F4));
    MSG pending;
    while (PeekMessageW(&pending, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&pending);
    EXPECT_TRUE(IsWindowVisible(hwnd));

    hub.register_handler(&win, &win, event_type::close_request, [](const event_info&) {});
    EXPECT_EQ(SendMessageW(hwnd, WM_CLOSE, 0, 0), 1);
    EXPECT_TRUE(IsWindowVisible(hwnd)) << "the application handles it";
    hub.unregister_all(&win);
    SendMessageW(hwnd, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(hwnd));
    EXPECT_TRUE(IsWindow(hwnd)) << "closing hides; the window object destroys";
}

}  // namespace
