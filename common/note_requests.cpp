#include "common/note_requests.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/note_tempo_key.h"
#include "common/note_words.h"

namespace common {
namespace {

using note_words::isAnyOf;
using note_words::Words;

struct RequestPhrase {
    std::string_view words;
    bool NoteRequests::*request;
};

// Each phrase is matched word by word, so "on the bar" also finds "on the bar 17" and "on the 1"
// does not find "on the 1:30 mark". "bar line" and "down beat" are read as one word first.
constexpr RequestPhrase kRequestPhrases[] = {
    {"on the downbeat", &NoteRequests::onTheBar},   {"on a downbeat", &NoteRequests::onTheBar},
    {"on the one", &NoteRequests::onTheBar},        {"on the 1", &NoteRequests::onTheBar},
    {"on the bar", &NoteRequests::onTheBar},        {"on the barline", &NoteRequests::onTheBar},
    {"on a bar", &NoteRequests::onTheBar},          {"on a barline", &NoteRequests::onTheBar},
    {"at the bar", &NoteRequests::onTheBar},        {"at the barline", &NoteRequests::onTheBar},
    {"at a bar", &NoteRequests::onTheBar},          {"at a barline", &NoteRequests::onTheBar},
    {"end of the bar", &NoteRequests::onTheBar},    {"end of a bar", &NoteRequests::onTheBar},
    {"end of the phrase", &NoteRequests::onTheBar}, {"end of a phrase", &NoteRequests::onTheBar},
    {"first downbeat", &NoteRequests::onTheBar},
};

// Words a person puts before the bar line without changing the request: "on the next clean
// downbeat", "at the nearest bar". Skipped only right before these nouns, so "on the next one"
// (the next song?) stays no request.
constexpr std::string_view kFillers[] = {"next",  "nearest",   "closest",
                                         "clean", "following", "strong"};
constexpr std::string_view kFilledNouns[] = {"downbeat", "bar", "barline", "phrase"};

// Where one of these starts, the request phrase that starts there means something else.
constexpr std::string_view kNotRequests[] = {"on the one hand"};

// Word by word, with the fillers skipped before the nouns they may stand before.
bool barPhraseStartsAt(const Words& clause, size_t at, std::string_view phrase) {
    for (const std::string& word : note_words::split(phrase)) {
        if (isAnyOf(word, kFilledNouns)) {
            while (at < clause.size() && isAnyOf(clause[at], kFillers)) ++at;
        }
        if (at == clause.size() || clause[at] != word) return false;
        ++at;
    }
    return true;
}

template <size_t N>
bool anyBarPhraseStartsAt(const Words& clause, size_t at, const std::string_view (&phrases)[N]) {
    return std::any_of(std::begin(phrases), std::end(phrases), [&](std::string_view phrase) {
        return barPhraseStartsAt(clause, at, phrase);
    });
}

// The join's words. Each word may carry an ending ("blends", "crossfading", "mixed into").
// `agentName` is the outside agent's word for the same effect, which the note no longer needs
// to ask of it once read here.
struct JoinPhrase {
    std::string_view words;
    JoinStyle style;
    std::string_view agentName = {};
};
constexpr JoinPhrase kJoinPhrases[] = {
    {"blend", JoinStyle::blend},
    {"crossfade", JoinStyle::blend},
    {"cross fade", JoinStyle::blend},
    {"mix into", JoinStyle::blend},
    {"mix in", JoinStyle::blend},
    {"beatmatch", JoinStyle::blend},
    {"beat match", JoinStyle::blend},
    {"smooth transition", JoinStyle::blend},
    {"fade into", JoinStyle::blend},
    {"fade in to", JoinStyle::blend},
    {"fade out into", JoinStyle::blend},
    {"hard cut", JoinStyle::cut},
    {"just cut", JoinStyle::cut},
    {"straight cut", JoinStyle::cut},
    {"clean cut into", JoinStyle::cut},
    {"tape stop", JoinStyle::tapeStop, "tape stop"},
    {"power down", JoinStyle::tapeStop, "power down"},
    {"power loss", JoinStyle::tapeStop, "power down"},
    {"brake", JoinStyle::tapeStop},
    {"slow down and stop", JoinStyle::tapeStop, "slow down"},
    {"backspin", JoinStyle::backspin},
    {"back spin", JoinStyle::backspin},
    {"rewind", JoinStyle::backspin},
    {"spinback", JoinStyle::backspin},
    {"spin back", JoinStyle::backspin},
    {"record scratch", JoinStyle::scratch, "scratch"},
    {"scratch", JoinStyle::scratch, "scratch"},
    {"stop and pause", JoinStyle::pause, "pause"},
    {"pause", JoinStyle::pause, "pause"},
    {"stutter", JoinStyle::stutter},
    {"glitch", JoinStyle::stutter, "glitch"},
    {"echo out", JoinStyle::echoOut},
};

// Where one of these starts, the join word in it means something else: "start from scratch".
struct NotJoin {
    std::string_view words;
    std::string_view agentName;
};
constexpr NotJoin kNotJoins[] = {{"from scratch", "scratch"}};

bool isEffect(JoinStyle style) { return style != JoinStyle::cut && style != JoinStyle::blend; }

// The agent's names the reader took from the note, asked or refused.
using ReadNames = std::vector<std::string_view>;

struct UnitWord {
    std::string_view word;
    LengthUnit unit;
};
constexpr UnitWord kUnitWords[] = {
    {"beat", LengthUnit::beats},     {"beats", LengthUnit::beats},
    {"bar", LengthUnit::bars},       {"bars", LengthUnit::bars},
    {"measure", LengthUnit::bars},   {"measures", LengthUnit::bars},
    {"second", LengthUnit::seconds}, {"seconds", LengthUnit::seconds},
    {"sec", LengthUnit::seconds},    {"secs", LengthUnit::seconds},
    {"s", LengthUnit::seconds},
};

// A length led by one of these belongs to the join wherever it stands in the clause.
constexpr std::string_view kLengthLeads[] = {"over",   "for",    "across",
                                             "during", "within", "lasting"};

// After these a length standing right by the join words is a place, not a length: "crossfade 2
// bars before the end".
constexpr std::string_view kPlaceWords[] = {"before", "after", "earlier", "later", "in",
                                            "from",   "past",  "left",    "out"};

struct Span {
    size_t begin = 0;
    size_t end = 0;  // one past the last word
};

std::optional<LengthUnit> unitOf(std::string_view word) {
    for (const UnitWord& unit : kUnitWords) {
        if (word == unit.word) return unit.unit;
    }
    return std::nullopt;
}

struct FoundLength {
    RequestLength length;
    Span span;
};

// A count and its unit starting at `at`: "8 beats", "two bars", "half a bar", "4s".
std::optional<FoundLength> lengthAt(const Words& clause, size_t at) {
    const std::string& word = clause[at];
    const size_t unitStart = word.find_first_not_of("0123456789.,");
    if (unitStart != 0 && unitStart != std::string::npos) {
        const std::optional<double> digits =
            note_words::digitCount(std::string_view(word).substr(0, unitStart));
        const std::optional<LengthUnit> unit = unitOf(std::string_view(word).substr(unitStart));
        if (digits && unit && *digits > 0.0) return FoundLength{{*digits, *unit}, {at, at + 1}};
        return std::nullopt;
    }
    const std::optional<note_words::Count> count = note_words::countAt(clause, at);
    if (!count || !(count->value > 0.0)) return std::nullopt;
    const size_t unitAt = at + count->words;
    if (unitAt >= clause.size()) return std::nullopt;
    const std::optional<LengthUnit> unit = unitOf(clause[unitAt]);
    if (!unit) return std::nullopt;
    return FoundLength{{count->value, *unit}, {at, unitAt + 1}};
}

// How far a length stands from the join words it belongs to, or nothing when it belongs to
// something else: led by "over", "for" ... anywhere in the clause, or else right by the join
// words ("8 beat blend", "crossfade a bar", "4 second long crossfade", "a blend of 2 bars").
std::optional<size_t> distanceToJoin(const Words& clause, const Span& length, const Span& join) {
    const bool after = length.begin >= join.end;
    if (!after && length.end > join.begin) return std::nullopt;  // inside the join words
    const bool led = length.begin > 0 && isAnyOf(clause[length.begin - 1], kLengthLeads);
    // The lead counts as the length's first word: "for 30 seconds and blend over 8 beats".
    const size_t begin = led ? length.begin - 1 : length.begin;
    const size_t distance = after ? begin - join.end : join.begin - length.end;
    if (led) return distance;
    if (distance > 1) return std::nullopt;
    if (after) {
        const bool place = length.end < clause.size() && isAnyOf(clause[length.end], kPlaceWords);
        if (place || (distance == 1 && clause[join.end] != "of")) return std::nullopt;
        return distance;
    }
    if (distance == 1 && clause[length.end] != "long" && clause[length.end] != "of") {
        return std::nullopt;
    }
    return distance;
}

// The length nearest the join words among those that belong to them.
std::optional<RequestLength> joinLength(const Words& clause, const Span& join) {
    std::optional<RequestLength> nearest;
    size_t nearestDistance = clause.size();
    for (size_t at = 0; at < clause.size(); ++at) {
        const std::optional<FoundLength> found = lengthAt(clause, at);
        if (!found) continue;
        const std::optional<size_t> distance = distanceToJoin(clause, found->span, join);
        if (distance && *distance < nearestDistance) {
            nearest = found->length;
            nearestDistance = *distance;
        }
    }
    return nearest;
}

// Reads the clause's join requests into `join`, the last one winning. A refused blend ("no
// blend", "don't crossfade") asks for a cut unless an effect is asked already ("tape stop, no
// blend"); a refused cut or effect ("not a hard cut", "no scratch") asks for nothing.
void readClauseJoin(const Words& clause, std::optional<JoinRequest>& join, ReadNames& read) {
    std::optional<Span> asked;  // the words of the join asked in this clause
    bool negated = false;
    for (size_t at = 0; at < clause.size(); ++at) {
        negated = negated || note_words::isNegationAt(clause, at);
        const auto idiom = std::find_if(
            std::begin(kNotJoins), std::end(kNotJoins),
            [&](const NotJoin& idiom) { return note_words::startsAt(clause, at, idiom.words); });
        if (idiom != std::end(kNotJoins)) {
            read.push_back(idiom->agentName);
            at += note_words::split(idiom->words).size() - 1;
            continue;
        }
        for (const JoinPhrase& phrase : kJoinPhrases) {
            const size_t count = note_words::phraseFormsAt(clause, at, phrase.words);
            if (count == 0) continue;
            if (!phrase.agentName.empty()) read.push_back(phrase.agentName);
            if (!negated) {
                join = JoinRequest{phrase.style, std::nullopt};
                asked = Span{at, at + count};
            } else if (phrase.style == JoinStyle::blend && !(join && isEffect(join->style))) {
                join = JoinRequest{JoinStyle::cut, std::nullopt};
                asked.reset();
            }
            at += count - 1;
            break;
        }
    }
    const bool hasLength =
        join && (join->style == JoinStyle::blend || join->style == JoinStyle::pause);
    if (asked && hasLength) join->length = joinLength(clause, *asked);
}

// What only the outside agent does, tested as plain substrings of the whole note so that
// "stem" also finds "stems" and "system", and "pause" finds "pauses".
struct AgentWord {
    std::string_view text;
    std::string_view name;
};

// Excused by a negation in their own clause, and where the reader took the same name.
constexpr AgentWord kAgentEffects[] = {
    {"scratch", "scratch"},      {"record scratch", "scratch"}, {"pause", "pause"},
    {"stop and pause", "pause"}, {"power loss", "power down"},  {"power down", "power down"},
    {"tape stop", "tape stop"},  {"slow down", "slow down"},    {"glitch", "glitch"},
};

// Never excused by a negation: "no stems" still names more than the local engine does. "bpm",
// "pitch" and "key change" are excused where the note's tempo or key was read.
constexpr AgentWord kAgentAdvanced[] = {
    {"bpm", "bpm"},
    {"pitch", "pitch"},
    {"key change", "key change"},
    {"internal", "internal"},
    {"stem", "stems"},
    {"demucs", "stems"},
    {"whisper", "lyrics"},
    {"lyric lookup", "lyrics"},
    {"lyrics online", "lyrics"},
    {"look up lyrics", "lyrics"},
    {"online lyrics", "lyrics"},
    {"section map", "section map"},
    {"vocal entrance", "vocal entrance"},
    {"start on vocal", "first vocal"},
    {"enter on vocal", "first vocal"},
    {"first vocal", "first vocal"},
};

// Substrings too: "no " needs its space, so "nope" and a clause ending in "no" excuse nothing.
constexpr std::string_view kAgentNegations[] = {"do not",  "don't",   "dont", "avoid",
                                                "without", "none of", "no "};

std::vector<std::string> agentRequests(std::string_view note, const ReadNames& read) {
    const std::string text = note_words::normalized(note);
    std::vector<std::pair<size_t, std::string_view>> asked;  // where first asked, the name
    const auto ask = [&](std::string_view name, size_t at) {
        if (std::find(read.begin(), read.end(), name) != read.end()) return;
        const auto known = std::find_if(asked.begin(), asked.end(),
                                        [&](const auto& entry) { return entry.second == name; });
        if (known == asked.end()) {
            asked.emplace_back(at, name);
        } else {
            known->first = std::min(known->first, at);
        }
    };
    for (const AgentWord& word : kAgentAdvanced) {
        const size_t at = text.find(word.text);
        if (at != std::string::npos) ask(word.name, at);
    }
    // Clauses at the punctuation alone, as the wizard has always split them: "but" does not
    // split, and the "." of 1.30 does.
    for (size_t begin = 0; begin <= text.size();) {
        const size_t end = std::min(text.find_first_of(",;.!?\r\n", begin), text.size());
        const std::string_view clause = std::string_view(text).substr(begin, end - begin);
        const bool negated = std::any_of(
            std::begin(kAgentNegations), std::end(kAgentNegations),
            [&](std::string_view negation) { return clause.find(negation) != clause.npos; });
        for (const AgentWord& word : kAgentEffects) {
            const size_t at = clause.find(word.text);
            if (!negated && at != std::string_view::npos) ask(word.name, begin + at);
        }
        begin = end + 1;
    }
    std::stable_sort(asked.begin(), asked.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> names;
    for (const auto& entry : asked) names.emplace_back(entry.second);
    return names;
}

// "slow down" is the reader's where its clause refuses it or asks a tempo ("slow down and stop"
// is read with the join); alone it stays the agent's, so that it is not lost.
bool readsSlowDown(const Words& clause, bool tempo) {
    bool negated = false;
    for (size_t at = 0; at < clause.size(); ++at) {
        negated = negated || note_words::isNegationAt(clause, at);
        if (note_words::phraseFormsAt(clause, at, "slow down") != 0 && (negated || tempo)) {
            return true;
        }
    }
    return false;
}

}  // namespace

NoteRequests readNoteRequests(std::string_view note) {
    NoteRequests requests;
    ReadNames read;
    for (const Words& clause : note_words::clauses(note)) {
        for (size_t at = 0; at < clause.size() && !note_words::isNegationAt(clause, at); ++at) {
            if (anyBarPhraseStartsAt(clause, at, kNotRequests)) continue;
            for (const RequestPhrase& phrase : kRequestPhrases) {
                if (barPhraseStartsAt(clause, at, phrase.words)) requests.*phrase.request = true;
            }
        }
        readClauseJoin(clause, requests.join, read);
        const std::optional<TempoRequest> tempo = note_words::clauseTempo(clause);
        if (tempo) requests.tempo = tempo;
        if (readsSlowDown(clause, tempo.has_value())) read.push_back("slow down");
        if (const std::optional<double> semitones = note_words::clauseSemitones(clause)) {
            requests.semitones = semitones;
        }
    }
    if (requests.tempo) read.push_back("bpm");
    if (requests.semitones) {
        read.push_back("pitch");
        read.push_back("key change");
    }
    requests.needsAgent = agentRequests(note, read);
    return requests;
}

}  // namespace common
