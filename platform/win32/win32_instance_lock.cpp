#include "platform/win32/win32_instance_lock.h"

#include <windows.h>

namespace pelsdk::platform {

// The handle of a held name is never closed: Windows closes it when the process ends, and the
// name is free again for the next process.
bool win32_instance_lock::try_hold(const std::wstring& name) {
    HANDLE mutex = CreateMutexW(nullptr, FALSE, name.c_str());
    // Also a name another account made and this one may not open: someone holds it.
    if (mutex == nullptr) return false;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return false;
    }
    return true;
}

}  // namespace pelsdk::platform
