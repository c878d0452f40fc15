#include "renderer/job/time_targets.h"

#include <locale.h>
#include <stdlib.h>
#include <unicode/regex.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "common/text.h"
#include "renderer/run/constants.h"

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

// Only what a decimal literal can hold; strtod alone would also take "0x1A", "inf" and
// "nan(...)".
bool hasOnlyDecimalLiteralCharacters(std::string_view piece) {
    return piece.find_first_not_of("0123456789+-.eE") == std::string_view::npos;
}

// A decimal floating-point literal in the "C" locale's syntax, whatever locale the process
// runs in; the whole piece must be consumed.
std::optional<double> parseNumber(std::string_view piece) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    if (cLocale == nullptr || piece.empty() || !hasOnlyDecimalLiteralCharacters(piece)) {
        return std::nullopt;
    }
    const std::string text(piece);
    char* end = nullptr;
    const double value = strtod_l(text.c_str(), &end, cLocale);
    // Not finite is not a number: an infinite time would pass every later comparison and
    // break the JSON reports.
    if (end != text.c_str() + text.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::vector<std::string_view> split(std::string_view text, char separator, bool keepEmpty) {
    std::vector<std::string_view> pieces;
    size_t begin = 0;
    while (true) {
        const size_t end = text.find(separator, begin);
        const std::string_view piece = text.substr(begin, end - begin);
        if (keepEmpty || !piece.empty()) pieces.push_back(piece);
        if (end == std::string_view::npos) return pieces;
        begin = end + 1;
    }
}

// "1:05.5" or "1:02:03": each piece non-negative, no upper limit ("1:75" is 135).
std::optional<double> colonTime(std::string_view text) {
    const std::vector<std::string_view> pieces = split(text, ':', false);
    if (pieces.size() != 2 && pieces.size() != 3) return std::nullopt;
    double total = 0.0;
    for (const std::string_view piece : pieces) {
        const std::optional<double> value = parseNumber(piece);
        if (!value || *value < 0.0) return std::nullopt;
        total = total * 60.0 + *value;
    }
    return total;
}

// "1.30" is one minute thirty; anything else with a dot is left to the plain form.
std::optional<double> minutesDotSeconds(std::string_view text) {
    const std::vector<std::string_view> pieces = split(text, '.', true);
    if (pieces.size() != 2 || pieces[1].size() != 2) return std::nullopt;
    const std::optional<double> minutes = parseNumber(pieces[0]);
    const std::optional<double> seconds = parseNumber(pieces[1]);
    if (!minutes || !seconds || *minutes < 0.0 || *seconds < 0.0 || *seconds >= 60.0) {
        return std::nullopt;
    }
    return *minutes * 60.0 + *seconds;
}

std::optional<double> readTime(std::string_view text) {
    if (contains(text, ":")) return colonTime(text);
    if (contains(text, ".")) {
        if (const std::optional<double> seconds = minutesDotSeconds(text)) return seconds;
    }
    const std::optional<double> seconds = parseNumber(text);
    if (!seconds || *seconds < 0.0) return std::nullopt;
    return seconds;
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

std::optional<double> parseTime(std::string_view text) {
    std::string cleaned = common::asciiLower(common::trim(text));
    if (cleaned.empty()) return std::nullopt;
    std::erase(cleaned, ' ');
    cleaned = common::replaceAll(common::replaceAll(cleaned, "seconds", "s"), "sec", "s");
    if (!cleaned.empty() && cleaned.back() == 's') cleaned.pop_back();

    const std::optional<double> seconds = readTime(cleaned);
    // Finite pieces can still combine to infinity ("1e307:0:0").
    if (!seconds || !std::isfinite(*seconds)) return std::nullopt;
    return seconds;
}

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
