#pragma once

#include <vector>

#include "platform/console.h"

namespace pelsdk::platform {

// Keeps the lines printed to the starter's console.
class recording_console final : public console {
public:
    std::vector<std::string> lines;

    void print_line(const std::string& text) override { lines.push_back(text); }
};

}  // namespace pelsdk::platform
