#include "app/prepare/time_text.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using app::prepare::parseTimeSeconds;

std::optional<double> parse(const char* text) { return parseTimeSeconds(QString::fromUtf8(text)); }

TEST(ParseTimeSeconds, ReadsColonMinutesDotSecondsAndPlainForms) {
    const std::pair<const char*, double> cases[] = {
        {"1:30", 90.0},
        {"1:75", 135.0},  // pieces have no upper limit
        {"1:02:03", 3723.0},
        {"01:30.25", 90.25},
        {" 1 : 30 \n", 90.0},
        {"1.30", 90.0},
        {"2.05", 125.0},
        {"1.5", 1.5},
        {"1.75", 1.75},
        {"1.60", 1.6},  // 60 is not a seconds value: plain number
        {"0:00.2", 0.2},
        {"42", 42.0},
        // Trailing seconds only after a plain number, which then has no minutes-dot reading.
        {"90s", 90.0},
        {"90 seconds", 90.0},
        {"90sec", 90.0},
        {"42 Seconds", 42.0},
        {"1.30s", 1.3}};
    for (const auto& [text, seconds] : cases) EXPECT_EQ(parse(text), seconds) << text;
}

TEST(ParseTimeSeconds, RefusesWhatIsNotASimpleTimestamp) {
    for (const char* text :
         {"", "   ", "-5", "abc", "1:2:3:4", "1:-5", "1:x", ":", "5:", "s", "1,5", "inf", "nan",
          "infinity", "1:inf", "infs", "1e400", "1:30s", "-5s"}) {
        EXPECT_EQ(parse(text), std::nullopt) << '"' << text << '"';
    }
}

}  // namespace
