#include "platform/win32/win32_console.h"

#include <windows.h>

#include "platform/text_encoding.h"

namespace pelsdk::platform {

// Found once, at the first line: a tool that captures the output hands a pipe or file as the
// standard output, which takes the UTF-8 bytes as they are; a command prompt has a console,
// which takes UTF-16 text whatever its code page.
void win32_console::print_line(const std::string& text) {
    if (target_ == target::unknown) {
        output_ = GetStdHandle(STD_OUTPUT_HANDLE);
        DWORD mode = 0;
        if (output_ != nullptr && output_ != INVALID_HANDLE_VALUE) {
            // An inherited console handle is still a console.
            target_ = GetConsoleMode(output_, &mode) ? target::attached : target::redirected;
        } else if (AttachConsole(ATTACH_PARENT_PROCESS)) {
            output_ = CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
            target_ = output_ == INVALID_HANDLE_VALUE ? target::none : target::attached;
        } else {
            target_ = target::none;
        }
    }
    DWORD written = 0;
    if (target_ == target::redirected) {
        const std::string line = text + "\r\n";
        WriteFile(output_, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    } else if (target_ == target::attached) {
        const std::wstring line = utf8_to_wide(text) + L"\r\n";
        WriteConsoleW(output_, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    }
}

}  // namespace pelsdk::platform
