#pragma once

#include <string>

namespace pelsdk::platform {

// Where a program without a window of its own tells the person or tool that started it.
class console {
public:
    virtual ~console() = default;

    // Prints one line (UTF-8): to the standard output when the starter redirected it, else to
    // the console of the parent process when it has one (AttachConsole(ATTACH_PARENT_PROCESS));
    // nowhere otherwise.
    virtual void print_line(const std::string& text) = 0;
};

}  // namespace pelsdk::platform
