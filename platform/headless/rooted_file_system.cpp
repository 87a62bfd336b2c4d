#include "platform/headless/rooted_file_system.h"

#include <fstream>

#include "platform/text_encoding.h"

namespace pelsdk::platform {

namespace fs = std::filesystem;

namespace {

constexpr uint32_t kErrorDirectory = 267;  // RemoveDirectoryW of a file

}  // namespace

rooted_file_system::rooted_file_system(fs::path root) : root_(std::move(root)) {
    fs::create_directories(root_ / "C");
}

void rooted_file_system::add_drive(wchar_t letter) {
    fs::create_directories(host_path(std::wstring(1, letter) + L":"));
}

void rooted_file_system::add_file(const std::wstring& path, const std::string& bytes) {
    const fs::path file = host_path(path);
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

fs::path rooted_file_system::host_path(const std::wstring& windows_path) const {
    fs::path host = root_;
    size_t start = 0;
    while (start <= windows_path.size()) {
        size_t end = windows_path.find_first_of(L"\\/", start);
        if (end == std::wstring::npos) end = windows_path.size();
        std::wstring component = windows_path.substr(start, end - start);
        if (component.size() == 2 && component[1] == L':') component.pop_back();
        if (!component.empty()) {
            const std::string utf8 = wide_to_utf8(component);
            host /= std::u8string(utf8.begin(), utf8.end());
        }
        start = end + 1;
    }
    return host;
}

void rooted_file_system::fail_making(const std::wstring& path) {
    failing_folders_.insert(host_path(path));
}

void rooted_file_system::fail_writing_in(const std::wstring& folder) {
    failing_writes_.insert(host_path(folder));
}

void rooted_file_system::hold_open(const std::wstring& path) { held_open_.insert(host_path(path)); }

void rooted_file_system::make_read_only(const std::wstring& path) {
    read_only_.insert(host_path(path));
}

int rooted_file_system::writes_in(const std::wstring& folder) const {
    const auto found = writes_.find(host_path(folder));
    return found == writes_.end() ? 0 : found->second;
}

uint32_t rooted_file_system::refuses_making(const fs::path& file) const {
    std::error_code error;
    if (!fs::is_directory(file.parent_path(), error)) return kErrorPathNotFound;
    if (read_only_.count(file.parent_path()) != 0) return kErrorAccessDenied;
    if (fs::is_directory(file, error)) return kErrorAccessDenied;
    return refuses_changing(file);
}

uint32_t rooted_file_system::refuses_changing(const fs::path& file) const {
    if (held_open_.count(file) != 0) return kErrorSharingViolation;
    if (read_only_.count(file) != 0) return kErrorAccessDenied;
    return 0;
}

make_directory_result rooted_file_system::make_directory(const std::wstring& path) {
    const fs::path folder = host_path(path);
    std::error_code error;
    if (failing_folders_.count(folder) != 0) return make_directory_result::failed;
    if (fs::exists(folder, error)) return make_directory_result::already_exists;
    // A drive that does not exist cannot be made.
    if (folder.parent_path() == root_) return make_directory_result::parent_missing;
    // Windows reports a parent that is a file the same way as a missing one.
    if (!fs::is_directory(folder.parent_path(), error)) return make_directory_result::parent_missing;
    if (read_only_.count(folder.parent_path()) != 0) return make_directory_result::failed;
    fs::create_directory(folder, error);
    return error ? make_directory_result::failed : make_directory_result::created;
}

write_outcome rooted_file_system::write_file(const std::wstring& path, const void* data,
                                             uint32_t size) {
    const fs::path file = host_path(path);
    ++writes_[file.parent_path()];
    if (const uint32_t refused = refuses_making(file)) {
        return {write_file_result::open_failed, refused};
    }
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out) return {write_file_result::open_failed, kErrorAccessDenied};
    const bool disk_full = failing_writes_.count(file.parent_path()) != 0;
    out.write(static_cast<const char*>(data), disk_full ? size / 2 : size);
    out.close();
    if (disk_full || !out) return {write_file_result::write_failed, kErrorDiskFull};
    return {write_file_result::written, 0};
}

uint32_t rooted_file_system::replace_file(const std::wstring& from, const std::wstring& to) {
    const fs::path source = host_path(from), target = host_path(to);
    std::error_code error;
    if (!fs::is_regular_file(source, error)) return kErrorFileNotFound;
    if (const uint32_t refused = refuses_making(target)) return refused;
    fs::rename(source, target, error);
    return error ? kErrorAccessDenied : 0;
}

uint32_t rooted_file_system::copy_file(const std::wstring& from, const std::wstring& to) {
    const fs::path source = host_path(from), target = host_path(to);
    std::error_code error;
    if (!fs::is_regular_file(source, error)) return kErrorFileNotFound;
    if (const uint32_t refused = refuses_making(target)) return refused;
    fs::copy_file(source, target, fs::copy_options::overwrite_existing, error);
    return error ? kErrorAccessDenied : 0;
}

uint32_t rooted_file_system::delete_file(const std::wstring& path) {
    const fs::path file = host_path(path);
    std::error_code error;
    if (!fs::exists(file, error)) {
        return fs::is_directory(file.parent_path(), error) ? kErrorFileNotFound : kErrorPathNotFound;
    }
    if (fs::is_directory(file, error)) return kErrorAccessDenied;
    if (const uint32_t refused = refuses_changing(file)) return refused;
    fs::remove(file, error);
    return error ? kErrorAccessDenied : 0;
}

uint32_t rooted_file_system::remove_folder(const std::wstring& path) {
    const fs::path folder = host_path(path);
    std::error_code error;
    if (!fs::exists(folder, error)) return kErrorFileNotFound;
    if (!fs::is_directory(folder, error)) return kErrorDirectory;
    if (!fs::is_empty(folder, error)) return kErrorDirNotEmpty;
    if (read_only_.count(folder) != 0) return kErrorAccessDenied;
    fs::remove(folder, error);
    return error ? kErrorAccessDenied : 0;
}

uint32_t rooted_file_system::delete_at_restart(const std::wstring& path) {
    restart_deletions.push_back(path);
    return 0;
}

std::optional<uint64_t> rooted_file_system::file_size(const std::wstring& path) {
    const fs::path file = host_path(path);
    std::error_code error;
    if (!fs::is_regular_file(file, error)) return std::nullopt;
    return fs::file_size(file, error);
}

bool rooted_file_system::append_to_file(const std::wstring& path, const std::string& bytes) {
    const fs::path file = host_path(path);
    if (refuses_making(file) != 0) return false;
    std::ofstream out(file, std::ios::binary | std::ios::app);
    out << bytes;
    return static_cast<bool>(out);
}

}  // namespace pelsdk::platform
