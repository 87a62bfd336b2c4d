#pragma once

#include <cstdint>

// What the install worker reports for one target folder. Any value above kInstalled is a
// failure.
enum class InstallStatus : int32_t {
    kNotAttempted = 0,
    kWriting = 1,
    kInstalled = 2,
    kResourceNotFound = 20,
    kResourceLoadFailed = 30,
    kFileOpenFailed = 40,
    kFileWriteFailed = 50,
};

inline constexpr int32_t StatusCode(InstallStatus status) { return static_cast<int32_t>(status); }
