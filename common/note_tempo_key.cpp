#include "common/note_tempo_key.h"

#include <string>
#include <string_view>

namespace common::note_words {
namespace {

struct Found {
    double value = 0.0;
    size_t end = 0;  // one past the last word read
};

struct FoundTempo {
    TempoRequest tempo;
    size_t end = 0;
};

// A tempo's number and its unit word: "128 bpm", "128bpm", "4 percent" ("%" reads as
// "percent"), or a number with no unit ("speed up to 128").
struct TempoNumber {
    double value = 0.0;
    std::string_view unit;  // "bpm", "percent" or empty
    size_t end = 0;
};

std::optional<TempoNumber> tempoNumberAt(const Words& clause, size_t at) {
    if (at >= clause.size()) return std::nullopt;
    const std::string& word = clause[at];
    if (word.size() > 3 && word.ends_with("bpm")) {
        const std::optional<double> digits =
            digitCount(std::string_view(word).substr(0, word.size() - 3));
        if (!digits || !(*digits > 0.0)) return std::nullopt;
        return TempoNumber{*digits, "bpm", at + 1};
    }
    const std::optional<Count> count = numberAt(clause, at);
    if (!count || !(count->value > 0.0)) return std::nullopt;
    const size_t unitAt = at + count->words;
    if (unitAt < clause.size() && (clause[unitAt] == "bpm" || clause[unitAt] == "percent")) {
        return TempoNumber{count->value, clause[unitAt] == "bpm" ? "bpm" : "percent", unitAt + 1};
    }
    return TempoNumber{count->value, {}, unitAt};
}

std::optional<TempoRequest> percentChange(double percent, double sign) {
    if (sign < 0.0 && percent >= 100.0) return std::nullopt;  // slower than standing still
    return TempoRequest{TempoRequest::Kind::byPercent, sign * percent};
}

// "speed up to 128", "slow down 3 %", "speed up by 4 percent". A change by so many BPM ("slow
// down by 4 bpm") is none of the kinds, so it reads as nothing.
std::optional<FoundTempo> changeAt(const Words& clause, size_t at) {
    double sign = 0.0;
    if (phraseFormsAt(clause, at, "speed up") != 0) sign = 1.0;
    if (phraseFormsAt(clause, at, "slow down") != 0) sign = -1.0;
    if (sign == 0.0) return std::nullopt;
    size_t next = at + 2;
    const bool to = next < clause.size() && clause[next] == "to";
    const bool by = next < clause.size() && clause[next] == "by";
    if (to || by) ++next;
    const std::optional<TempoNumber> number = tempoNumberAt(clause, next);
    if (!number) return std::nullopt;
    if (number->unit == "percent" && !to) {
        const std::optional<TempoRequest> change = percentChange(number->value, sign);
        if (change) return FoundTempo{*change, number->end};
    }
    if (to && number->unit != "percent") {
        return FoundTempo{{TempoRequest::Kind::toBpm, number->value}, number->end};
    }
    return std::nullopt;
}

// "at 128 bpm", "128 bpm", "4 % faster", "3 percent slower". "by 4 bpm" and "4 bpm faster"
// change the tempo by an amount of BPM, which is none of the kinds.
std::optional<FoundTempo> amountAt(const Words& clause, size_t at) {
    const std::optional<TempoNumber> number = tempoNumberAt(clause, at);
    if (!number || number->unit.empty()) return std::nullopt;
    // A view of the word itself: the conditional's common type would be a temporary string.
    std::string_view after;
    if (number->end < clause.size()) after = clause[number->end];
    const bool faster = after == "faster";
    const bool slower = after == "slower";
    if (number->unit == "percent") {
        if (!faster && !slower) return std::nullopt;
        const std::optional<TempoRequest> change = percentChange(number->value, faster ? 1 : -1);
        if (!change) return std::nullopt;
        return FoundTempo{*change, number->end + 1};
    }
    if (faster || slower || (at > 0 && clause[at - 1] == "by")) return std::nullopt;
    return FoundTempo{{TempoRequest::Kind::toBpm, number->value}, number->end};
}

constexpr std::string_view kTempoWords[] = {"tempo", "bpm", "speed"};

struct SongNumber {
    double number = 0.0;
    bool possessive = false;  // "song 2's"
    size_t end = 0;
};

// "song 2", "song two", "song 2's".
std::optional<SongNumber> songAt(const Words& clause, size_t at) {
    if (at + 1 >= clause.size() || clause[at] != "song") return std::nullopt;
    std::string word = clause[at + 1];
    const bool possessive = word.ends_with("'s");
    if (possessive) word.resize(word.size() - 2);
    const std::optional<Count> number = numberAt(Words{word}, 0);
    if (!number || number->value < 1.0 || number->value != static_cast<int>(number->value)) {
        return std::nullopt;
    }
    return SongNumber{number->value, possessive, at + 2};
}

// "match the tempo of song 2", "match the bpm of song 2", "match song 2's tempo". "beat match"
// is a blend.
std::optional<FoundTempo> matchAt(const Words& clause, size_t at) {
    if (!isFormOf(clause[at], "match") || (at > 0 && clause[at - 1] == "beat")) return std::nullopt;
    size_t next = at + 1;
    if (const std::optional<SongNumber> song = songAt(clause, next)) {
        if (!song->possessive || song->end >= clause.size() ||
            !isAnyOf(clause[song->end], kTempoWords)) {
            return std::nullopt;
        }
        return FoundTempo{{TempoRequest::Kind::matchSong, song->number}, song->end + 1};
    }
    if (next < clause.size() && clause[next] == "the") ++next;
    if (next + 1 >= clause.size() || !isAnyOf(clause[next], kTempoWords) ||
        clause[next + 1] != "of") {
        return std::nullopt;
    }
    const std::optional<SongNumber> song = songAt(clause, next + 2);
    if (!song || song->possessive) return std::nullopt;
    return FoundTempo{{TempoRequest::Kind::matchSong, song->number}, song->end};
}

struct Interval {
    std::string_view words;
    double semitones;
    bool needsKeyWord;  // a bare "step" is a key's only after "pitch" or "key change"
};
constexpr Interval kIntervals[] = {
    {"semitone", 1, false},   {"semitones", 1, false},  {"half step", 1, false},
    {"half steps", 1, false}, {"whole step", 2, false}, {"whole steps", 2, false},
    {"step", 2, true},        {"steps", 2, true},
};

std::optional<Found> intervalUnitAt(const Words& clause, size_t at, bool keyWord) {
    for (const Interval& interval : kIntervals) {
        if ((keyWord || !interval.needsKeyWord) && startsAt(clause, at, interval.words)) {
            return Found{interval.semitones, at + split(interval.words).size()};
        }
    }
    return std::nullopt;
}

// "2 semitones", "a half step", "half a semitone", "semitone".
std::optional<Found> intervalAt(const Words& clause, size_t at, bool keyWord) {
    if (at >= clause.size()) return std::nullopt;
    if (const std::optional<Found> unit = intervalUnitAt(clause, at, keyWord)) return unit;
    const std::optional<Count> count = countAt(clause, at);
    if (!count || !(count->value > 0.0)) return std::nullopt;
    const std::optional<Found> unit = intervalUnitAt(clause, at + count->words, keyWord);
    if (!unit) return std::nullopt;
    return Found{count->value * unit->value, unit->end};
}

std::optional<double> directionOf(std::string_view word) {
    if (word == "up" || word == "higher") return 1.0;
    if (word == "down" || word == "lower") return -1.0;
    return std::nullopt;
}

// After these a bare number is not the key's: "pitch up 3 bars later".
constexpr std::string_view kOtherUnits[] = {
    "beat", "beats", "bar", "bars", "measure", "measures", "second",  "seconds",
    "sec",  "secs",  "s",   "bpm",  "percent", "times",    "minutes", "minute",
};

// "up 2 semitones", "2 semitones up", "down a semitone", "a half step up"; after a key word
// also "up a step" and a bare number ("pitch up 3").
std::optional<Found> semitonesAt(const Words& clause, size_t at, bool keyWord) {
    if (const std::optional<double> sign = directionOf(clause[at])) {
        if (const std::optional<Found> interval = intervalAt(clause, at + 1, keyWord)) {
            return Found{*sign * interval->value, interval->end};
        }
        if (!keyWord || at + 1 >= clause.size()) return std::nullopt;
        const std::optional<Count> number = numberAt(clause, at + 1);
        const size_t end = at + 1 + (number ? number->words : 0);
        if (!number || !(number->value > 0.0) ||
            (end < clause.size() && isAnyOf(clause[end], kOtherUnits))) {
            return std::nullopt;
        }
        return Found{*sign * number->value, end};
    }
    const std::optional<Found> interval = intervalAt(clause, at, keyWord);
    if (!interval || interval->end >= clause.size()) return std::nullopt;
    const std::optional<double> sign = directionOf(clause[interval->end]);
    if (!sign) return std::nullopt;
    return Found{*sign * interval->value, interval->end + 1};
}

// "pitch", "transpose", "key change", "change the key": a bare "key" ("keep the key") is none.
bool isKeyWordAt(const Words& clause, size_t at) {
    const std::string& word = clause[at];
    if (isFormOf(word, "pitch") || isFormOf(word, "transpose")) return true;
    if (word != "key") return false;
    const bool changeAfter = at + 1 < clause.size() && isFormOf(clause[at + 1], "change");
    const size_t before = at > 0 && clause[at - 1] == "the" ? at - 1 : at;
    const bool changeBefore = before > 0 && isFormOf(clause[before - 1], "change");
    return changeAfter || changeBefore;
}

}  // namespace

std::optional<TempoRequest> clauseTempo(const Words& clause) {
    std::optional<TempoRequest> tempo;
    bool negated = false;
    for (size_t at = 0; at < clause.size(); ++at) {
        negated = negated || isNegationAt(clause, at);
        std::optional<FoundTempo> found = changeAt(clause, at);
        if (!found) found = amountAt(clause, at);
        if (!found) found = matchAt(clause, at);
        if (!found) continue;
        if (!negated) tempo = found->tempo;
        at = found->end - 1;
    }
    return tempo;
}

std::optional<double> clauseSemitones(const Words& clause) {
    std::optional<double> semitones;
    bool negated = false;
    bool keyWord = false;
    for (size_t at = 0; at < clause.size(); ++at) {
        negated = negated || isNegationAt(clause, at);
        keyWord = keyWord || isKeyWordAt(clause, at);
        const std::optional<Found> found = semitonesAt(clause, at, keyWord);
        if (!found) continue;
        if (!negated) semitones = found->value;
        at = found->end - 1;
    }
    return semitones;
}

}  // namespace common::note_words
