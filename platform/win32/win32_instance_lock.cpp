#include "platform/win32/win32_instance_lock.h"

#include <windows.h>

namespace pelsdk::platform {

// The handle of a held name is never closed: Windows closes it when the process ends, and the
// name is free again for the next process.
bool win32_instance_lock::try_hold(const std::wstring& name) {
    HANDLE mutex = CreateMutexW(nullptr, FALSE, name.c_str());
    if (mutex == nullptr) {
        // Refused: either an elevated installer holds the name and this process may not open
        // it, or this process may not make machine-wide names at all (a standard user's). Only
        // in the second case is the name free.
        if (GetLastError() != ERROR_ACCESS_DENIED) return false;
        HANDLE existing = OpenMutexW(SYNCHRONIZE, FALSE, name.c_str());
        if (existing != nullptr) CloseHandle(existing);
        return existing == nullptr && GetLastError() == ERROR_FILE_NOT_FOUND;
    }
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return false;
    }
    return true;
}

}  // namespace pelsdk::platform
