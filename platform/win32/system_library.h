#pragma once

#include <windows.h>

namespace pelsdk::platform {

// A DLL loaded from System32 only: never from the program's own folder, where a download may
// have planted a DLL of the same name. Null when System32 has no such DLL.
HMODULE load_system_library(const wchar_t* name);

// A function of a loaded DLL, as the type it is called through; null when it is missing.
template <typename Function>
Function library_function(HMODULE module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// A function of a System32 DLL; null when the DLL or the function is missing.
template <typename Function>
Function system_function(const wchar_t* library, const char* name) {
    HMODULE module = load_system_library(library);
    return module == nullptr ? nullptr : library_function<Function>(module, name);
}

}  // namespace pelsdk::platform
