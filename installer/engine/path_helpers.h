#pragma once

#include <string>
#include <vector>

#include "platform/file_system.h"

// Windows path helpers: backslash is the only separator, and only CreateDirectories touches
// the file system.

std::wstring JoinPath(const std::wstring& base, const std::wstring& tail);
std::wstring ParentPath(const std::wstring& path);
std::wstring LastPathComponent(const std::wstring& path);
// Creates the folder and every missing parent; true when the folder exists at the end.
bool CreateDirectories(pelsdk::platform::file_system& files, const std::wstring& path);
// The same text with letters in any case, as Windows compares names.
bool EqualIgnoringCase(const std::wstring& a, const std::wstring& b);
// The same file or folder for Windows: letters in any case, one trailing backslash or none.
bool SamePath(const std::wstring& a, const std::wstring& b);
// Adds the folder unless the list has the same path already.
void AddPathOnce(std::vector<std::wstring>& folders, const std::wstring& folder);
// Replaces every "/" by "\".
std::wstring WithBackslashes(std::wstring path);

std::wstring Utf8ToWide(const std::string& text);
std::string WideToUtf8(const std::wstring& text);
