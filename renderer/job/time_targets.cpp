#include "renderer/job/time_targets.h"

#include <unicode/regex.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <array>
#include <memory>
#include <string>

#include "common/text.h"
#include "renderer/base/constants.h"

namespace renderer {
namespace {

// Words that make a time found in a note count as its end time; plain substring tests, so
// "end" also matches "ending" or "weekend".
constexpr std::array<std::string_view, 7> kEndWords = {"shorten", "fade",  "end",   "around",
                                                       "near",    "after", "before"};

// A colon time needs one or two digits before its colon and may not follow another digit,
// so "123:45" yields 123; digits glued to letters on the left ("take2") still count.
constexpr const char* kNoteTimePattern =
    R"re((?<!\d)(\d{1,2}:\d{2}(?::\d{2})?(?:\.\d+)?|\d+(?:\.\d+)?\s*(?:s|sec|seconds)?)(?!\d))re";

bool contains(std::string_view text, std::string_view word) {
    return text.find(word) != std::string_view::npos;
}

const icu::RegexPattern* noteTimePattern() {
    static const std::unique_ptr<icu::RegexPattern> pattern = [] {
        UParseError parseError{};
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::RegexPattern> compiled(icu::RegexPattern::compile(
            icu::UnicodeString::fromUTF8(kNoteTimePattern), 0, parseError, status));
        if (U_FAILURE(status)) compiled.reset();
        return compiled;
    }();
    return pattern.get();
}

double sectionGuess(std::string_view note, double availableSeconds, bool followedByAnother) {
    const bool chorusOrHook = contains(note, "chorus") || contains(note, "hook");
    if (contains(note, "intro") && !chorusOrHook) return 24.0;
    if (contains(note, "outro")) return std::max(availableSeconds - 18.0, 20.0);
    if (contains(note, "verse") && !chorusOrHook) return 44.0;
    if (contains(note, "second") && chorusOrHook) return 112.0;
    if (contains(note, "third") && chorusOrHook) return 160.0;
    if (chorusOrHook) return 68.0;
    return followedByAnother ? 58.0 : 72.0;
}

}  // namespace

std::optional<double> noteTime(std::string_view note) {
    const icu::RegexPattern* pattern = noteTimePattern();
    if (pattern == nullptr) return std::nullopt;
    const std::string lowered = common::asciiLower(note);
    const icu::UnicodeString text = icu::UnicodeString::fromUTF8(lowered);
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<icu::RegexMatcher> matcher(pattern->matcher(text, status));
    if (U_FAILURE(status)) return std::nullopt;
    while (matcher->find(status) && U_SUCCESS(status)) {
        const icu::UnicodeString match = matcher->group(1, status);
        if (U_FAILURE(status)) break;
        std::string matchText;
        match.toUTF8String(matchText);
        if (const std::optional<double> seconds = parseTime(matchText)) return seconds;
    }
    return std::nullopt;
}

EndOffset inferredEndOffset(const TrackJob& track, long long firstFrame, double durationSeconds,
                            int songNumber, int songCount) {
    const std::string note = common::asciiLower(track.note);
    // The longest end offset that still stays a quarter second inside the file.
    const double available =
        std::max(durationSeconds - static_cast<double>(firstFrame) / targetSampleRate - 0.25, 0.5);

    const bool mentionsEnd =
        std::any_of(kEndWords.begin(), kEndWords.end(),
                    [&](std::string_view word) { return contains(note, word); });
    if (mentionsEnd) {
        if (const std::optional<double> seconds = noteTime(note)) {
            return {std::min(available, std::max(*seconds, 0.25)), endReasonNoteTime};
        }
    }
    const double guess = sectionGuess(note, available, songNumber < songCount);
    return {std::min(available, std::max(guess, 12.0)), endReasonLocalTimeGuess};
}

}  // namespace renderer
