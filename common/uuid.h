#pragma once
// Random (version 4) UUIDs in canonical upper-case text form,
// e.g. "3F2504E0-4F89-41D3-9A0C-0305E82C3301".

#include <string>

namespace common {

std::string makeUuidString();

}  // namespace common
