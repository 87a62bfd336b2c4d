// The tooltip as a real popup window under Wine: hovering a widget shows it beside the pointer.
#include <windows.h>
#include <gtest/gtest.h>

#include "tests/support/win32_windows.h"
#include "ui/widgets/tooltip.h"

namespace {

using namespace pelsdk::ui;

void PumpFor(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        Sleep(10);
    }
}

TEST(Win32Tooltip, RestingOnAWidgetShowsAPopupBesideThePointer) {
    UseWin32Windows();
    window win;
    win.create("Tooltip test", {100, 100, 300, 200}, 0);
    HWND hwnd = static_cast<HWND>(win.host().handle());
    widget target;
    target.window = &win;
    win.root.add_child(&target);
    target.create({20, 20, 100, 60});
    win.add_tooltip(&target, {0, 0, 0, 0}, "Velkor", "Writes the plug-in");
    win.host().show();

    POINT inside{50, 50};
    ClientToScreen(hwnd, &inside);
    SetCursorPos(inside.x, inside.y);
    SendMessageW(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(50, 50));  // arms leave tracking
    SendMessageW(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(50, 50));
    PumpFor(1200);

    tooltip* tip = win.tooltip_window();
    ASSERT_NE(tip, nullptr);
    HWND popup = static_cast<HWND>(tip->host().handle());
    ASSERT_TRUE(IsWindowVisible(popup));
    EXPECT_EQ(GetWindow(popup, GW_OWNER), hwnd);
    EXPECT_TRUE(GetWindowLongPtrW(popup, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_NE(GetForegroundWindow(), popup) << "shown without taking the focus";
    RECT placed{};
    GetWindowRect(popup, &placed);
    EXPECT_EQ(placed.right - placed.left, tip->content_size.width + 16);
    EXPECT_EQ(placed.bottom - placed.top, tip->content_size.height + 8);
    EXPECT_GT(tip->title_size.width, 20) << "measured with a real font";
    EXPECT_EQ(placed.left, inside.x + 5);
    EXPECT_EQ(placed.top, inside.y + 20);

    POINT outside{250, 150};
    ClientToScreen(hwnd, &outside);
    SetCursorPos(outside.x, outside.y);
    SendMessageW(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(250, 150));
    PumpFor(300);
    EXPECT_FALSE(IsWindowVisible(popup));
}

}  // namespace
