#include "platform/headless/rooted_file_system.h"

#include <fstream>

#include "platform/text_encoding.h"

namespace pelsdk::platform {

namespace fs = std::filesystem;

rooted_file_system::rooted_file_system(fs::path root) : root_(std::move(root)) {
    fs::create_directories(root_ / "C");
}

void rooted_file_system::add_drive(wchar_t letter) {
    fs::create_directories(host_path(std::wstring(1, letter) + L":"));
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

void rooted_file_system::fail_writing(const std::wstring& path) {
    failing_writes_.insert(host_path(path));
}

void rooted_file_system::hold_open(const std::wstring& path) { held_open_.insert(host_path(path)); }

int rooted_file_system::write_attempts(const std::wstring& path) const {
    const auto found = write_attempts_.find(host_path(path));
    return found == write_attempts_.end() ? 0 : found->second;
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
    fs::create_directory(folder, error);
    return error ? make_directory_result::failed : make_directory_result::created;
}

write_file_result rooted_file_system::write_file(const std::wstring& path, const void* data,
                                                 uint32_t size) {
    const fs::path file = host_path(path);
    ++write_attempts_[file];
    std::error_code error;
    if (held_open_.count(file) != 0 || fs::is_directory(file, error)) {
        return write_file_result::open_failed;
    }
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out) return write_file_result::open_failed;
    if (failing_writes_.count(file) != 0) return write_file_result::write_failed;
    out.write(static_cast<const char*>(data), size);
    out.close();
    return out ? write_file_result::written : write_file_result::write_failed;
}

}  // namespace pelsdk::platform
