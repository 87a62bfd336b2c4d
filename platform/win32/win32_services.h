#pragma once

#include "platform/services.h"

namespace pelsdk::platform {

// The process's one set of Win32 services.
services& win32_services();

}  // namespace pelsdk::platform
