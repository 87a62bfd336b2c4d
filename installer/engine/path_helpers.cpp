#include "installer/engine/path_helpers.h"

#include <algorithm>
#include <cwctype>
#include <vector>

#include "platform/text_encoding.h"

namespace {

std::wstring WithoutTrailingBackslash(const std::wstring& path) {
    if (!path.empty() && path.back() == L'\\') return path.substr(0, path.size() - 1);
    return path;
}

}  // namespace

std::wstring JoinPath(const std::wstring& base, const std::wstring& tail) {
    std::wstring joined = base;
    if (tail.empty()) return joined;
    if (!joined.empty() && joined.back() != L'\\') joined += L'\\';
    joined += tail.front() == L'\\' ? tail.substr(1) : tail;
    return joined;
}

std::wstring ParentPath(const std::wstring& path) {
    const std::wstring trimmed = WithoutTrailingBackslash(path);
    const size_t last = trimmed.rfind(L'\\');
    return last == std::wstring::npos ? std::wstring() : trimmed.substr(0, last);
}

std::wstring LastPathComponent(const std::wstring& path) {
    const std::wstring trimmed = WithoutTrailingBackslash(path);
    const size_t last = trimmed.rfind(L'\\');
    return last == std::wstring::npos ? trimmed : trimmed.substr(last + 1);
}

bool CreateDirectories(pelsdk::platform::file_system& files, const std::wstring& path) {
    using pelsdk::platform::make_directory_result;
    if (path.empty()) return false;
    std::vector<std::wstring> pending{path};
    // A folder whose parent was just found or made, yet still reports a missing parent, has a
    // file where that parent should be; without this check the walk would cycle forever.
    bool parent_just_settled = false;
    while (!pending.empty()) {
        switch (files.make_directory(pending.back())) {
            case make_directory_result::created:
            case make_directory_result::already_exists:
                pending.pop_back();
                parent_just_settled = true;
                break;
            case make_directory_result::parent_missing: {
                if (parent_just_settled) return false;
                std::wstring parent = ParentPath(pending.back());
                if (parent.empty()) return false;
                pending.push_back(std::move(parent));
                break;
            }
            case make_directory_result::failed:
                return false;
        }
    }
    return true;
}

bool EqualIgnoringCase(const std::wstring& a, const std::wstring& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](wchar_t x, wchar_t y) { return std::towupper(x) == std::towupper(y); });
}

bool SamePath(const std::wstring& a, const std::wstring& b) {
    return EqualIgnoringCase(WithoutTrailingBackslash(a), WithoutTrailingBackslash(b));
}

void AddPathOnce(std::vector<std::wstring>& folders, const std::wstring& folder) {
    if (std::none_of(folders.begin(), folders.end(),
                     [&](const std::wstring& f) { return SamePath(f, folder); })) {
        folders.push_back(folder);
    }
}

std::wstring WithBackslashes(std::wstring path) {
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return path;
}

std::wstring Utf8ToWide(const std::string& text) { return pelsdk::platform::utf8_to_wide(text); }

std::string WideToUtf8(const std::wstring& text) { return pelsdk::platform::wide_to_utf8(text); }
