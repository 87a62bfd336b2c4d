// The notification popup as a real modal window under Wine.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <thread>

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

// One popup a case, each answered by a message posted to it as its loop starts.
TEST(Win32NotificationPopup, EscapeEnterAndSystemCloseEndItWhileTheOwnerWaits) {
    UseWin32Windows();
    // A thread of its own, whose COM apartment is still free for the windows' OLE set-up.
    std::thread([] {
        window owner;
        owner.create("Velkor popup owner", {100, 100, 500, 400}, 0);
        owner.host().show();
        const HWND ownerHwnd = HandleOf(owner);
        struct Case {
            const char* name;
            UINT message;
            WPARAM key;
            int32_t result;
        };
        const Case cases[] = {
            {"Escape", WM_KEYDOWN, VK_ESCAPE, 0},
            {"Enter", WM_KEYDOWN, VK_RETURN, 1},
            {"system close", WM_CLOSE, 0, 0},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            NotificationPopup popup;
            popup.Build(&owner, "Exit Installer",
                        "Are you sure you want to cancel Velkor Plug-in for After Effects "
                        "installation?");
            const HWND hwnd = HandleOf(popup);
            RECT client{};
            GetClientRect(hwnd, &client);
            EXPECT_EQ(client.right, 400);
            EXPECT_EQ(client.bottom, popup.root.bounds.height);
            const POINT popupCentre = CentreOf(hwnd), ownerCentre = CentreOf(ownerHwnd);
            EXPECT_LE(std::abs(popupCentre.x - ownerCentre.x), 1);
            EXPECT_LE(std::abs(popupCentre.y - ownerCentre.y), 1);

            bool ownerDisabled = false, shown = false;
            event_hub::instance().register_handler(&popup, &popup, event_type::loop_started,
                                                   [&](const event_info&) {
                                                       ownerDisabled = !IsWindowEnabled(ownerHwnd);
                                                       shown = IsWindowVisible(hwnd) != FALSE;
                                                       PostMessageW(hwnd, c.message, c.key, 0);
                                                   });
            EXPECT_EQ(popup.run(), c.result);
            EXPECT_TRUE(ownerDisabled);
            EXPECT_TRUE(shown);
            EXPECT_TRUE(IsWindowEnabled(ownerHwnd));
            EXPECT_FALSE(IsWindowVisible(hwnd));
        }
    }).join();
}

}  // namespace
