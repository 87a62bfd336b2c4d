#pragma once

#include <exception>
#include <string>

namespace pelsdk::ui {

// The toolkit's failure: a resource of the system could not be made. Messages are fixed
// English texts starting with "unable to".
class pel_exception : public std::exception {
public:
    explicit pel_exception(std::string message) : message_(std::move(message)) {}
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

}  // namespace pelsdk::ui
