#pragma once

#include <string>

namespace pelsdk::platform {

class shell {
public:
    virtual ~shell() = default;

    // Starts the program's own file again with the verb "runas" and the given parameters,
    // without waiting for it. False when the launch failed or the user refused the elevation.
    virtual bool relaunch_elevated(const std::wstring& parameters) = 0;
    // Opens a document or address with the verb "open" (ShellExecuteW, no owner window,
    // SW_SHOWNORMAL). Its result is not examined: a link that cannot be opened does nothing.
    virtual void open(const std::wstring& target) = 0;
};

}  // namespace pelsdk::platform
