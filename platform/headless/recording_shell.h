#pragma once

#include <vector>

#include "platform/shell.h"

namespace pelsdk::platform {

// Records the elevated launches and opened links asked of it and answers as set by the test.
class recording_shell final : public shell {
public:
    bool launch_succeeds = true;
    std::vector<std::wstring> elevated_launches;
    std::vector<std::wstring> opened;

    bool relaunch_elevated(const std::wstring& parameters) override {
        elevated_launches.push_back(parameters);
        return launch_succeeds;
    }
    void open(const std::wstring& target) override { opened.push_back(target); }
};

}  // namespace pelsdk::platform
