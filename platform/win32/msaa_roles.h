#pragma once

#include <windows.h>

#include "platform/accessibility.h"

namespace pelsdk::platform {

// An element's role and states as Active Accessibility names them (ROLE_SYSTEM_*,
// STATE_SYSTEM_*).
LONG msaa_role(access_role role);
LONG msaa_states(const access_element& element);

}  // namespace pelsdk::platform
