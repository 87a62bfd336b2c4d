#pragma once

#include <string>

namespace pelsdk::platform {

// A name that one process of the whole machine holds at a time, for the rest of its life.
class instance_lock {
public:
    virtual ~instance_lock() = default;

    // CreateMutexW(nullptr, FALSE, name), the handle kept open until the process ends. False
    // when another process holds the name (ERROR_ALREADY_EXISTS) or it cannot be made.
    virtual bool try_hold(const std::wstring& name) = 0;
};

}  // namespace pelsdk::platform
