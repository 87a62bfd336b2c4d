#pragma once

#include <vector>

#include "platform/shell.h"

namespace pelsdk::platform {

// Records the elevated launches and opened links asked of it and answers as set by the test.
class recording_shell final : public shell {
public:
    bool launch_succeeds = true;
    // What a waited-for elevated copy gives back: its exit code, or why it did not start.
    twin_result twin{true, 0};
    std::vector<std::wstring> elevated_launches;
    std::vector<std::wstring> opened;

    bool relaunch_elevated(const std::wstring& parameters) override {
        elevated_launches.push_back(parameters);
        return launch_succeeds;
    }
    twin_result run_elevated_and_wait(const std::wstring& parameters) override {
        elevated_launches.push_back(parameters);
        return twin;
    }
    void open(const std::wstring& target) override { opened.push_back(target); }
};

}  // namespace pelsdk::platform
