#pragma once

#include "platform/system_info.h"

namespace pelsdk::platform {

// System facts set by the test: an elevated program started from the Downloads folder.
class fixed_system_info final : public system_info {
public:
    bool wow64 = false;
    std::optional<std::wstring> app_data = L"C:\\ProgramData";
    std::optional<std::wstring> program_files = L"C:\\Program Files";
    std::wstring temp = L"C:\\Temp\\";
    std::wstring program = L"C:\\Downloads\\VelkorInstaller.exe";
    bool elevated = true;
    local_time time{2026, 3, 9, 14, 5, 7, 42};

    bool is_wow64_process() override { return wow64; }
    std::optional<std::wstring> common_app_data_folder() override { return app_data; }
    std::optional<std::wstring> program_files_folder() override { return program_files; }
    std::wstring temp_folder() override { return temp; }
    std::wstring program_path() override { return program; }
    bool is_elevated() override { return elevated; }
    local_time now() override { return time; }
    // A stand-in text that names the code, so tests see which error reached the message.
    std::string error_text(uint32_t error) override {
        return "system message " + std::to_string(error) + ".";
    }
};

}  // namespace pelsdk::platform
