#pragma once
// The one reading of a typed time, shared by the wizard's check and the renderer's cut, so
// that the two can never disagree about what a person typed. Pure and thread-safe.

#include <optional>
#include <string_view>

namespace common {

// Seconds of a typed time, at least 0, or nothing. Forms: "42", "2.5", "1:30", "01:30.25",
// "1:02:03", "1.30" (minutes.seconds, 90 s). A seconds unit ("s", "sec", "seconds", any
// case) makes a number plain seconds ("1.30s" is 1.3 s) and may follow a colon form
// ("1:30s" is 90 s). Numbers are C-locale decimals whatever the process locale; spaces
// anywhere and Unicode spaces at the ends are ignored; "inf", "nan" and hex are no numbers.
std::optional<double> parseTime(std::string_view text);

}  // namespace common
