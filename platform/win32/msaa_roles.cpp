#include "platform/win32/msaa_roles.h"

#include <oleacc.h>

namespace pelsdk::platform {

LONG msaa_role(access_role role) {
    switch (role) {
        case access_role::client:
            return ROLE_SYSTEM_CLIENT;
        case access_role::dialog:
            return ROLE_SYSTEM_DIALOG;
        case access_role::grouping:
            return ROLE_SYSTEM_GROUPING;
        case access_role::static_text:
            return ROLE_SYSTEM_STATICTEXT;
        case access_role::link:
            return ROLE_SYSTEM_LINK;
        case access_role::push_button:
            return ROLE_SYSTEM_PUSHBUTTON;
        case access_role::check_button:
            return ROLE_SYSTEM_CHECKBUTTON;
        case access_role::scroll_bar:
            return ROLE_SYSTEM_SCROLLBAR;
        case access_role::progress_bar:
            return ROLE_SYSTEM_PROGRESSBAR;
    }
    return ROLE_SYSTEM_GROUPING;
}

LONG msaa_states(const access_element& element) {
    static constexpr struct {
        uint32_t ours;
        LONG system;
    } kStates[] = {
        {access_state::focusable, STATE_SYSTEM_FOCUSABLE},
        {access_state::focused, STATE_SYSTEM_FOCUSED},
        {access_state::unavailable, STATE_SYSTEM_UNAVAILABLE},
        {access_state::checked, STATE_SYSTEM_CHECKED},
        {access_state::pressed, STATE_SYSTEM_PRESSED},
        {access_state::read_only, STATE_SYSTEM_READONLY},
        {access_state::invisible, STATE_SYSTEM_INVISIBLE},
    };
    LONG states = 0;
    for (const auto& state : kStates) {
        if (element.states & state.ours) states |= state.system;
    }
    // The system's own links carry this state as well; some readers go by it, not the role.
    if (element.role == access_role::link) states |= STATE_SYSTEM_LINKED;
    return states;
}

}  // namespace pelsdk::platform
