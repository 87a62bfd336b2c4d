#include "platform/win32/system_library.h"

namespace pelsdk::platform {

// Kept loaded for the life of the process, like a statically imported DLL.
HMODULE load_system_library(const wchar_t* name) {
    return LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
}

}  // namespace pelsdk::platform
