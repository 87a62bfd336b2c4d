#pragma once

#include <string>

namespace pelsdk::platform {

class shell {
public:
    virtual ~shell() = default;

    // Starts the program's own file again with the verb "runas" and the given parameters,
    // without waiting for it. False when the launch failed or the user refused the elevation.
    virtual bool relaunch_elevated(const std::wstring& parameters) = 0;
};

}  // namespace pelsdk::platform
