#pragma once

#include <windows.h>

#include <memory>

#include "platform/accessibility.h"

namespace pelsdk::platform {

// What the accessible objects of a window reach it through. The window empties it as it goes:
// an object a screen reader still holds then answers "not connected" and touches nothing.
struct msaa_window {
    HWND hwnd = nullptr;
    access_source* source = nullptr;
};

// Posted to the window with an element's id in wParam: performs the element's default action.
// The reader's request returns at once and the action runs from the window's own queue, so a
// popup the action opens does not keep the reader waiting.
inline constexpr UINT kDefaultActionMessage = WM_APP + 1;

// The answer to WM_GETOBJECT for OBJID_CLIENT with this wParam: a new object for the client
// area. 0 when the system has no Active Accessibility, which leaves the client to the system.
LRESULT answer_client_area_request(WPARAM wparam, const std::shared_ptr<msaa_window>& window);

}  // namespace pelsdk::platform
