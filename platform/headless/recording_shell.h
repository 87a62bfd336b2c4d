#pragma once

#include <vector>

#include "platform/shell.h"

namespace pelsdk::platform {

// Records the elevated launches asked of it and answers as set by the test.
class recording_shell final : public shell {
public:
    bool launch_succeeds = true;
    std::vector<std::wstring> elevated_launches;

    bool relaunch_elevated(const std::wstring& parameters) override {
        elevated_launches.push_back(parameters);
        return launch_succeeds;
    }
};

}  // namespace pelsdk::platform
