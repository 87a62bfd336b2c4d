#include <windows.h>

#include "platform/application.h"
#include "platform/win32/win32_services.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
    // Before anything can load a DLL: only System32 is searched, never the download folder.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    return pelsdk::platform::application_main(commandLine, pelsdk::platform::win32_services());
}
