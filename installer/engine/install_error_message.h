#pragma once

#include <cstdint>
#include <string>

// The message shown to the user for a failed install status (or a code of the other installer
// components), with the code in it.
std::string InstallErrorMessage(int32_t code);
