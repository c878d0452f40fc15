#include "renderer/time_targets.h"

#include <gtest/gtest.h>

#include <clocale>
#include <optional>
#include <string>
#include <vector>

#include "common/subprocess.h"
#include "tests/support/test_files.h"

namespace renderer {
namespace {

struct TimeCase {
    std::string text;
    double seconds;
};

TEST(ParseTime, ReadsEveryAcceptedForm) {
    const std::vector<TimeCase> cases = {
        {"42", 42},          {"42s", 42},        {"42 sec", 42},     {"42 Seconds", 42},
        {" 42\n", 42},       {"0", 0},           {"1:30", 90},       {"1 : 30", 90},
        {"01:30.25", 90.25}, {"1:05.5", 65.5},   {"1:02:03", 3723},  {"1:75", 135},
        {"1.30", 90},        {"0.45", 45},       {"10.25", 625},     {"1.30s", 90},
        {"2.5", 2.5},        {"1.75", 1.75},     {"12.345", 12.345}, {"1.60", 1.6},
        {"1:30sec", 90},     {"90 SECONDS", 90}, {"+5", 5},          {"1e2", 100},
    };
    for (const TimeCase& c : cases) {
        const std::optional<double> seconds = parseTime(c.text);
        ASSERT_TRUE(seconds.has_value()) << '"' << c.text << '"';
        EXPECT_DOUBLE_EQ(*seconds, c.seconds) << '"' << c.text << '"';
    }
}

TEST(ParseTime, RefusesWhatIsNotATime) {
    const std::vector<std::string> refused = {
        "",    " \t\n", "abc",  "-5",    "1:2:3:4",  "1:-5",      "5:",       "1:\t30", "1,5",
        "inf", "nan",   "-nan", "1e999", "infinity", "1e307:0:0", "1e307.30", "s",      "12abc",
    };
    for (const std::string& text : refused) {
        EXPECT_FALSE(parseTime(text).has_value()) << '"' << text << '"';
    }
}

// Builds a German locale (decimal comma) in a temporary folder, so that a parser that
// followed the process locale would misread "2.5" and "1:05.5".
TEST(ParseTime, IgnoresTheProcessLocale) {
    const std::filesystem::path localedef = testsupport::findProgram("localedef");
    ASSERT_FALSE(localedef.empty()) << testsupport::requiredProgramMessage("localedef");
    testsupport::TemporaryFolder folder;
    common::SubprocessOptions options;
    options.executable = localedef.string();
    options.arguments = {"-i", "de_DE", "-f", "UTF-8", (folder / "de_DE.UTF-8").string()};
    std::string output;
    common::Subprocess child(options, [&](std::string_view chunk) { output.append(chunk); });
    ASSERT_FALSE(child.start().has_value());
    ASSERT_TRUE(child.waitForExit().succeeded())
        << "localedef could not build de_DE (run scripts/install-deps): " << output;

    setenv("LOCPATH", folder.path().c_str(), 1);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    const std::optional<double> plain = parseTime("2.5");
    const std::optional<double> colon = parseTime("1:05.5");
    const std::optional<double> comma = parseTime("2,5");
    std::setlocale(LC_ALL, "C");
    unsetenv("LOCPATH");

    EXPECT_EQ(plain, 2.5);
    EXPECT_EQ(colon, 65.5);
    EXPECT_FALSE(comma.has_value());
}

TEST(NoteTime, TakesTheFirstTimeThatParses) {
    EXPECT_EQ(noteTime("fade out at 2:10 please"), 130.0);
    EXPECT_EQ(noteTime("keep 3 choruses, end near 95s"), 3.0);
    EXPECT_EQ(noteTime("take2"), 2.0);
    EXPECT_EQ(noteTime("END AROUND 1:45"), 105.0);
    EXPECT_EQ(noteTime("stop at 90 Seconds"), 90.0);
    EXPECT_EQ(noteTime("cut at 1.30"), 90.0);
    EXPECT_EQ(noteTime("at 01:02:03.5 exactly"), 3723.5);
    // A colon time needs one or two digits before the colon and may not follow a digit.
    EXPECT_EQ(noteTime("123:45"), 123.0);
    EXPECT_FALSE(noteTime("cut after the second chorus").has_value());
    EXPECT_FALSE(noteTime("").has_value());
}

TEST(NoteTime, SkipsMatchesThatDoNotParse) {
    // An Arabic-Indic three matches the expression's \d but is no C-locale number.
    EXPECT_EQ(noteTime("\xd9\xa3 then 7"), 7.0);
}

TrackJob trackWithNote(std::string note) {
    TrackJob track;
    track.note = std::move(note);
    return track;
}

TEST(InferredEndOffset, UsesANoteTimeOnlyWithAnEndWord) {
    const EndOffset fromNote = inferredEndOffset(trackWithNote("end around 1:45"), 0, 300.0, 1, 1);
    EXPECT_DOUBLE_EQ(fromNote.seconds, 105.0);
    EXPECT_EQ(fromNote.reason, "note_time");

    const EndOffset lastOfTwo = inferredEndOffset(trackWithNote("1:45"), 0, 300.0, 2, 2);
    EXPECT_DOUBLE_EQ(lastOfTwo.seconds, 72.0);
    EXPECT_EQ(lastOfTwo.reason, "local_time_guess");
    EXPECT_DOUBLE_EQ(inferredEndOffset(trackWithNote("1:45"), 0, 300.0, 1, 2).seconds, 58.0);

    // "Weekend" holds "end": the substring tests are literal.
    EXPECT_EQ(inferredEndOffset(trackWithNote("weekend mix 40"), 0, 300.0, 1, 1).reason,
              "note_time");
}

TEST(InferredEndOffset, PicksTheFirstSectionRuleThatApplies) {
    const std::vector<TimeCase> cases = {
        {"intro only", 24},         {"intro into the chorus", 68}, {"long outro", 181.75},
        {"first verse", 44},        {"verse and hook", 68},        {"second chorus", 112},
        {"third hook", 160},        {"the big hook", 68},          {"whatever", 72},
        {"outro of the intro", 24},
    };
    for (const TimeCase& c : cases) {
        // A 200-second song with its first note at 0: available = 199.75.
        const EndOffset end = inferredEndOffset(trackWithNote(c.text), 0, 200.0, 1, 1);
        EXPECT_DOUBLE_EQ(end.seconds, c.seconds) << c.text;
        EXPECT_EQ(end.reason, "local_time_guess") << c.text;
    }
}

TEST(InferredEndOffset, StaysInsideTheFileAndAboveTheMinimums) {
    // 5-second song: every guess is capped at 5 − 0.25 = 4.75.
    for (const char* note : {"intro", "outro", "verse", "second chorus", "", "hook"}) {
        EXPECT_DOUBLE_EQ(inferredEndOffset(trackWithNote(note), 0, 5.0, 1, 1).seconds, 4.75)
            << note;
    }
    EXPECT_DOUBLE_EQ(inferredEndOffset(trackWithNote("fade at 0.1"), 0, 300.0, 1, 1).seconds, 0.25);
    // A first note at 2 s leaves 100 − 2 − 0.25 = 97.75 after musical zero.
    EXPECT_DOUBLE_EQ(inferredEndOffset(trackWithNote("end at 200s"), 88200, 100.0, 1, 1).seconds,
                     97.75);
    // The outro guess is raised to 20, then the section minimum 12 is moot.
    EXPECT_DOUBLE_EQ(inferredEndOffset(trackWithNote("outro"), 0, 30.0, 1, 1).seconds, 20.0);
    // Nothing is ever shorter than half a second, even in a file shorter than that.
    EXPECT_DOUBLE_EQ(inferredEndOffset(trackWithNote("end at 9"), 44100, 1.0, 1, 1).seconds, 0.5);
}

}  // namespace
}  // namespace renderer
