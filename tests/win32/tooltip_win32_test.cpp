// The tooltip as a real popup window under Wine: hovering a widget shows it beside the pointer.
#include <windows.h>
#include <gtest/gtest.h>

#include "tests/support/win32_windows.h"
#include "ui/widgets/tooltip.h"

namespace {

using namespace pelsdk::ui;

// Moves the pointer to a client point and lets the window's timers run for a while.
void RestAt(HWND hwnd, int x, int y, DWORD milliseconds) {
    POINT screen{x, y};
    ClientToScreen(hwnd, &screen);
    SetCursorPos(screen.x, screen.y);
    // The first move only arms leave tracking.
    for (int i = 0; i < 2; ++i) SendMessageW(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
    for (const DWORD start = GetTickCount(); GetTickCount() - start < milliseconds; Sleep(10)) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    }
}

TEST(Win32Tooltip, RestingOnAWidgetShowsAPopupBesideThePointer) {
    window win(Win32Platform());
    win.create("Tooltip test", {100, 100, 300, 200}, 0);
    const HWND hwnd = static_cast<HWND>(win.host().handle());
    add_tooltip(win.root, {20, 20, 100, 60}, "Velkor", "Writes the plug-in");
    win.host().show();

    RestAt(hwnd, 50, 50, 1200);
    tooltip* tip = tooltip_of(win);
    ASSERT_NE(tip, nullptr);
    const HWND popup = static_cast<HWND>(tip->host().handle());
    ASSERT_TRUE(IsWindowVisible(popup));
    EXPECT_EQ(GetWindow(popup, GW_OWNER), hwnd);
    EXPECT_TRUE(GetWindowLongPtrW(popup, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_NE(GetForegroundWindow(), popup) << "shown without taking the focus";
    POINT pointer{50, 50};
    ClientToScreen(hwnd, &pointer);
    RECT placed{};
    GetWindowRect(popup, &placed);
    EXPECT_EQ(placed.left, pointer.x + 5);
    EXPECT_EQ(placed.top, pointer.y + 20);
    EXPECT_EQ(placed.right - placed.left, tip->content_size.width + 16);
    EXPECT_EQ(placed.bottom - placed.top, tip->content_size.height + 8);

    RestAt(hwnd, 250, 150, 300);
    EXPECT_FALSE(IsWindowVisible(popup));
}

}  // namespace
