// The notification popup as a real modal window under Wine.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <thread>
#include <tuple>

#include "installer/ui/notification_popup.h"
#include "tests/support/win32_windows.h"

namespace {

using namespace pelsdk::ui;

HWND HandleOf(window& w) { return static_cast<HWND>(w.host().handle()); }

POINT CentreOf(HWND hwnd) {
    RECT outer{};
    GetWindowRect(hwnd, &outer);
    return {(outer.left + outer.right) / 2, (outer.top + outer.bottom) / 2};
}

// One popup a case, answered as its loop starts by Escape, Enter or the system's close.
TEST(Win32NotificationPopup, EscapeEnterAndSystemCloseEndItWhileTheOwnerWaits) {
    // A thread of its own, whose COM apartment is still free for the windows' OLE set-up.
    std::thread([] {
        window owner(Win32Platform());
        owner.create("Velkor popup owner", {100, 100, 500, 400}, 0);
        owner.host().show();
        const HWND ownerHwnd = HandleOf(owner);
        const std::tuple<UINT, WPARAM, int32_t> cases[] = {
            {WM_KEYDOWN, VK_ESCAPE, 0}, {WM_KEYDOWN, VK_RETURN, 1}, {WM_CLOSE, 0, 0}};
        for (const auto& [message, key, result] : cases) {
            NotificationPopup popup(Win32Platform());
            popup.Build(&owner, "Exit Installer", "Are you sure you want to cancel?");
            const HWND hwnd = HandleOf(popup);
            EXPECT_LE(std::abs(CentreOf(hwnd).x - CentreOf(ownerHwnd).x), 1);
            EXPECT_LE(std::abs(CentreOf(hwnd).y - CentreOf(ownerHwnd).y), 1);

            bool shownOverADisabledOwner = false;
            event_hub::instance().register_handler(&popup, &popup, event_type::loop_started,
                                                   [&, message = message, key = key](const event_info&) {
                shownOverADisabledOwner = !IsWindowEnabled(ownerHwnd) && IsWindowVisible(hwnd);
                PostMessageW(hwnd, message, key, 0);
            });
            EXPECT_EQ(popup.run(), result) << message << " " << key;
            EXPECT_TRUE(shownOverADisabledOwner);
            EXPECT_TRUE(IsWindowEnabled(ownerHwnd));
            EXPECT_FALSE(IsWindowVisible(hwnd));
        }
    }).join();
}

}  // namespace
