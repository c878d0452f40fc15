#pragma once
// The wizard's reading of a typed time, used to decide whether the local engine
// may take an edit. It differs from the renderer's reader on a trailing "s":
// "1:30s" is refused here and "1.30s" is 1.3 seconds.

#include <QString>
#include <optional>

namespace app::prepare {

// Seconds of a typed time ("1:30", "1:02:03", "1.30" = 90, "1.5", "90s", "90 seconds"),
// or nothing when the text is not a simple timestamp. A result is never negative,
// never infinite and never NaN.
std::optional<double> parseTimeSeconds(const QString& text);

}  // namespace app::prepare
