// The typed-time reader alone; tests/app/prepare checks that the wizard and the renderer
// both go through it.

#include "common/typed_time.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace {

using common::parseTime;

TEST(ParseTime, ReadsEveryAcceptedForm) {
    // Times in every form; a seconds unit, in any spelling and case, makes plain seconds.
    std::vector<std::pair<std::string, double>> cases = {
        {"42", 42},          {"1:30", 90},    {"1 : 30", 90},     {"01:30.25", 90.25},
        {"1:02:03", 3723},   {"1:75", 135},   {"1.30", 90},       {"0.45", 45},
        {"10.25", 625},      {"2.5", 2.5},    {"1.75", 1.75},     {"1.60", 1.6},
        {"12.345", 12.345},  {"0", 0},        {"1e1", 10},        {" 42\n", 42},
        {"42s", 42},         {"42 sec", 42},  {"42 Seconds", 42}, {"90SEC", 90},
        {"1.30s", 1.3},      {"0.50s", 0.5},  {"2.05 sec", 2.05}, {"1:30s", 90},
        {"1:02:03 s", 3723}, {"0:00.2s", 0.2}};
    // Pasted times end in Unicode spaces as often as in ASCII ones.
    cases.insert(cases.end(),
                 {{"1:30\u00A0", 90}, {"\u2009 42\u202F", 42}, {"\u30001.30 s\u0085\n", 1.3}});
    for (const auto& [text, seconds] : cases) EXPECT_EQ(parseTime(text), seconds) << text;
    EXPECT_FALSE(std::signbit(parseTime("-0").value_or(-1.0)));
}

TEST(ParseTime, RefusesWhatIsNotATime) {
    for (const char* text :
         {"",       " \t\n",  "abc",   "-5",        "-5s",          "1:2:3:4", "1:-5",
          "1:\t30", "1,5",    "s",     "ss",        "5:s",          "inf",     "infs",
          "nan",    "1:inf",  "1e999", "1e307:0:0", "\u00A0\u3000", "0x1A",    "0X1a",
          "+0x5",   "1:0x1E", "0x1p3", "0x1A.00",   "1.30.5s",      "30s:1"}) {
        EXPECT_FALSE(parseTime(text).has_value()) << '"' << text << '"';
    }
}

}  // namespace
