#pragma once

#include <cstdint>
#include <string>

#include "platform/services.h"

// The record of a run with the deployment switches, for whoever deploys the plug-in: UTF-8, one
// fact per line, each stamped with the local time. Lines are appended as they happen, so that a
// run cut short leaves what it did, and earlier runs stay above it; a silent run also prints
// them to the console it was started from.
class InstallLog {
public:
    InstallLog(pelsdk::platform::services& os, std::wstring file, bool toConsole);

    void Write(const std::string& fact);
    // Writes how the run ended, "<outcome>; exit code <code>", and gives the code back.
    int End(const std::string& outcome, int code);
    // "Windows error 5: Access is denied.", or "" for 0.
    std::string WindowsError(uint32_t error) const;
    // "Failed <what>", with its Windows error when it has one.
    std::string Failed(const std::string& what, uint32_t error) const;

private:
    pelsdk::platform::services& os_;
    std::wstring file_;
    bool toConsole_;
};

// %TEMP%\VelkorInstaller.log
std::wstring DefaultLogFile(pelsdk::platform::system_info& info);
