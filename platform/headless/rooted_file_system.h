#pragma once

#include <filesystem>
#include <map>
#include <set>
#include <vector>

#include "platform/file_system.h"

namespace pelsdk::platform {

// Windows paths mapped into a folder of the host: C:\AE\Plug-ins is <root>/C/AE/Plug-ins.
// Separators may be doubled, as Windows allows. Drive C: exists; other drives once added. Faults
// that permissions cannot produce for a process running as root are injected by path, and calls
// fail with the Windows errors the real ones give.
class rooted_file_system final : public file_system {
public:
    explicit rooted_file_system(std::filesystem::path root);

    std::filesystem::path host_path(const std::wstring& windows_path) const;
    void add_drive(wchar_t letter);
    // Puts a file with these bytes at the path, making its folders.
    void add_file(const std::wstring& path, const std::string& bytes);

    // Creating this folder fails with an error other than "exists" or "parent missing".
    void fail_making(const std::wstring& path);
    // Writing any file in this folder stops half way and fails, as on a full disk.
    void fail_writing_in(const std::wstring& folder);
    // Another process holds this file open without sharing: it cannot be opened, replaced or
    // deleted.
    void hold_open(const std::wstring& path);
    // The read-only attribute: a file that is neither replaced nor deleted, or a folder in which
    // nothing is made.
    void make_read_only(const std::wstring& path);
    // How many times a file was written in this folder.
    int writes_in(const std::wstring& folder) const;
    // What was scheduled for deletion at the next start, in order.
    std::vector<std::wstring> restart_deletions;

    make_directory_result make_directory(const std::wstring& path) override;
    write_outcome write_file(const std::wstring& path, const void* data, uint32_t size) override;
    uint32_t replace_file(const std::wstring& from, const std::wstring& to) override;
    uint32_t copy_file(const std::wstring& from, const std::wstring& to) override;
    uint32_t delete_file(const std::wstring& path) override;
    uint32_t remove_folder(const std::wstring& path) override;
    uint32_t delete_at_restart(const std::wstring& path) override;
    std::optional<uint64_t> file_size(const std::wstring& path) override;
    bool append_to_file(const std::wstring& path, const std::string& bytes) override;

private:
    // Why a new file cannot be made at this path: 0 when it can.
    uint32_t refuses_making(const std::filesystem::path& file) const;
    // Why the file at this path cannot be replaced or deleted: 0 when it can.
    uint32_t refuses_changing(const std::filesystem::path& file) const;

    std::filesystem::path root_;
    std::set<std::filesystem::path> failing_folders_;
    std::set<std::filesystem::path> failing_writes_;
    std::set<std::filesystem::path> held_open_;
    std::set<std::filesystem::path> read_only_;
    std::map<std::filesystem::path, int> writes_;
};

}  // namespace pelsdk::platform
