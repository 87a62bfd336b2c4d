#pragma once

#include <filesystem>
#include <map>
#include <set>

#include "platform/file_system.h"

namespace pelsdk::platform {

// Windows paths mapped into a folder of the host: C:\AE\Plug-ins is <root>/C/AE/Plug-ins.
// Separators may be doubled, as Windows allows. Drive C: exists; other drives once added. Faults that permissions cannot produce for a
// process running as root are injected by path.
class rooted_file_system final : public file_system {
public:
    explicit rooted_file_system(std::filesystem::path root);

    std::filesystem::path host_path(const std::wstring& windows_path) const;
    void add_drive(wchar_t letter);

    // Creating this folder fails with an error other than "exists" or "parent missing".
    void fail_making(const std::wstring& path);
    // Opening this file succeeds, writing it fails (a full disk).
    void fail_writing(const std::wstring& path);
    // Another process holds this file open without sharing: opening it fails.
    void hold_open(const std::wstring& path);
    // How many times writing this file was attempted.
    int write_attempts(const std::wstring& path) const;

    make_directory_result make_directory(const std::wstring& path) override;
    write_file_result write_file(const std::wstring& path, const void* data,
                                 uint32_t size) override;

private:
    std::filesystem::path root_;
    std::set<std::filesystem::path> failing_folders_;
    std::set<std::filesystem::path> failing_writes_;
    std::set<std::filesystem::path> held_open_;
    std::map<std::filesystem::path, int> write_attempts_;
};

}  // namespace pelsdk::platform
