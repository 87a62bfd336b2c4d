#pragma once

#include <set>

#include "platform/instance_lock.h"

namespace pelsdk::platform {

// The machine's held names; a test adds one to play another process that holds it.
class held_names final : public instance_lock {
public:
    std::set<std::wstring> held;

    bool try_hold(const std::wstring& name) override { return held.insert(name).second; }
};

}  // namespace pelsdk::platform
