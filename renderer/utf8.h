#pragma once
// UTF-8 validation for text that children print.

#include <string_view>

namespace renderer {

// True when `bytes` is well-formed UTF-8 (no overlong forms, surrogates or
// values above U+10FFFF).
bool isValidUtf8(std::string_view bytes);

}  // namespace renderer
