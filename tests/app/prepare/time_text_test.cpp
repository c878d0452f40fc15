#include "app/prepare/time_text.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using app::prepare::parseTimeSeconds;

std::optional<double> parse(const char* text) { return parseTimeSeconds(QString::fromUtf8(text)); }

TEST(ParseTimeSeconds, ReadsColonMinutesDotSecondsAndPlainForms) {
    EXPECT_EQ(parse("1:30"), 90.0);
    EXPECT_EQ(parse("1:75"), 135.0);  // pieces have no upper limit
    EXPECT_EQ(parse("1:02:03"), 3723.0);
    EXPECT_EQ(parse("01:30.25"), 90.25);
    EXPECT_EQ(parse(" 1 : 30 \n"), 90.0);
    EXPECT_EQ(parse("1.30"), 90.0);
    EXPECT_EQ(parse("2.05"), 125.0);
    EXPECT_EQ(parse("1.5"), 1.5);
    EXPECT_EQ(parse("1.75"), 1.75);
    EXPECT_EQ(parse("1.60"), 1.6);  // 60 is not a seconds value: plain number
    EXPECT_EQ(parse("0:00.2"), 0.2);
    EXPECT_EQ(parse("42"), 42.0);
}

TEST(ParseTimeSeconds, StripsTrailingSecondsOnlyFromAPlainNumber) {
    EXPECT_EQ(parse("90s"), 90.0);
    EXPECT_EQ(parse("90 seconds"), 90.0);
    EXPECT_EQ(parse("90sec"), 90.0);
    EXPECT_EQ(parse("42 Seconds"), 42.0);
    EXPECT_EQ(parse("1.30s"), 1.3);  // a number before "s", so no minutes-dot reading
    EXPECT_EQ(parse("1:30s"), std::nullopt);
    EXPECT_EQ(parse("-5s"), std::nullopt);
}

TEST(ParseTimeSeconds, RefusesWhatIsNotASimpleTimestamp) {
    for (const char* text : {"", "   ", "-5", "abc", "1:2:3:4", "1:-5", "1:x", ":", "5:", "s",
                             "1,5", "inf", "nan", "infinity", "1:inf", "infs", "1e400"}) {
        EXPECT_EQ(parse(text), std::nullopt) << '"' << text << '"';
    }
}

}  // namespace
