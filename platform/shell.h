#pragma once

#include <cstdint>
#include <string>

namespace pelsdk::platform {

// Windows error of a start the user refused at the elevation prompt.
inline constexpr uint32_t kErrorCancelled = 1223;

struct twin_result {
    bool started;
    uint32_t code;  // the elevated copy's exit code, or the Windows error of its start
};

class shell {
public:
    virtual ~shell() = default;

    // Starts the program's own file again with the verb "runas" and the given parameters,
    // without waiting for it. False when the launch failed or the user refused the elevation.
    virtual bool relaunch_elevated(const std::wstring& parameters) = 0;
    // The same start with SEE_MASK_NOCLOSEPROCESS, then waits for the elevated copy to end.
    virtual twin_result run_elevated_and_wait(const std::wstring& parameters) = 0;
    // Opens a document or address with the verb "open" (ShellExecuteW, no owner window,
    // SW_SHOWNORMAL). Its result is not examined: a link that cannot be opened does nothing.
    virtual void open(const std::wstring& target) = 0;
};

}  // namespace pelsdk::platform
