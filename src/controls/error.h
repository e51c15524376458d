#pragma once
#include <stdexcept>
#include <string>

namespace pesavia {

// A failure of the platform (file, stream, conversion, chart axis). It carries the French message the
// operator sees and stops the handler in progress; the window layer shows it as an error message.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

} // namespace pesavia
