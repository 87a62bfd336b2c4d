#pragma once

#include <string>

#include "platform/services.h"

namespace pelsdk::platform {

// The program above the platform layer, which defines it: wWinMain makes the machine's services
// and hands them over with the command line. Returns the process exit code.
int application_main(const std::wstring& command_line, services& os);

}  // namespace pelsdk::platform
