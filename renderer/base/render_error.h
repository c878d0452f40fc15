#pragma once
// The renderer's one error type: a user-readable message that becomes the
// "LOCAL_RENDER_FAILED " line.

#include <stdexcept>
#include <string>

namespace renderer {

class RenderError : public std::runtime_error {
public:
    explicit RenderError(const std::string& message) : std::runtime_error(message) {}
    const char* message() const { return what(); }
};

}  // namespace renderer
