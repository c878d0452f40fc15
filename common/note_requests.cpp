#include "common/note_requests.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

namespace common {
namespace {

using Words = std::vector<std::string>;

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

// A negation excuses the requests after it in its clause. Words ending in "n't" count too.
constexpr std::string_view kNegations[] = {
    "not", "no", "never", "nor", "without", "avoid", "cannot", "dont", "rather than", "instead of",
};

// Limits, not refusals: "no later than the end of the bar" still asks for the bar.
constexpr std::string_view kNotNegations[] = {
    "no later than", "not later than", "no more than", "not more than", "no further than",
};

constexpr std::string_view kClauseWords[] = {"but", "then"};

// Two words a person also writes as one ("down-beat" reads as "down beat"): read as one.
struct Compound {
    std::string_view first;
    std::string_view second;
    std::string_view word;
};
constexpr Compound kCompounds[] = {{"down", "beat", "downbeat"}, {"bar", "line", "barline"}};

template <size_t N>
bool isAnyOf(std::string_view word, const std::string_view (&words)[N]) {
    return std::find(std::begin(words), std::end(words), word) != std::end(words);
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isWordByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (c >= 'a' && c <= 'z') || isDigit(c) || c == '\'' || byte >= 0x80;
}

// Lower case, "-" and "_" as spaces, the typographic apostrophes as "'".
std::string normalized(std::string_view note) {
    std::string text;
    text.reserve(note.size());
    for (size_t at = 0; at < note.size(); ++at) {
        const char c = note[at];
        if (note.substr(at, 3) == "\xE2\x80\x99" || note.substr(at, 3) == "\xE2\x80\x98") {
            text += '\'';
            at += 2;
        } else if (c == '-' || c == '_') {
            text += ' ';
        } else if (c >= 'A' && c <= 'Z') {
            text += static_cast<char>(c - 'A' + 'a');
        } else {
            text += c;
        }
    }
    return text;
}

// The note's clauses, each as its words. ":", "." and "," between digits stay inside the word
// (1:30, 1.30), so a time never looks like "the 1".
std::vector<Words> clauses(std::string_view note) {
    const std::string text = normalized(note);
    std::vector<Words> result(1);
    std::string word;
    const auto endWord = [&] {
        if (word.empty()) return;
        const bool breaks = isAnyOf(word, kClauseWords);
        Words& clause = result.back();
        const auto compound =
            std::find_if(std::begin(kCompounds), std::end(kCompounds), [&](const Compound& c) {
                return word == c.second && !clause.empty() && clause.back() == c.first;
            });
        if (breaks) {
            result.emplace_back();
        } else if (compound != std::end(kCompounds)) {
            clause.back() = compound->word;
        } else {
            clause.push_back(word);
        }
        word.clear();
    };
    for (size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        const bool betweenDigits =
            at > 0 && at + 1 < text.size() && isDigit(text[at - 1]) && isDigit(text[at + 1]);
        if (isWordByte(c) || ((c == ':' || c == '.' || c == ',') && betweenDigits)) {
            word += c;
            continue;
        }
        endWord();
        if (c == ',' || c == ';' || c == '.' || c == '!' || c == '?' || c == '\n' || c == '\r') {
            result.emplace_back();
        }
    }
    endWord();
    return result;
}

Words split(std::string_view phrase) {
    Words words;
    while (!phrase.empty()) {
        const size_t space = phrase.find(' ');
        words.emplace_back(phrase.substr(0, space));
        phrase = space == std::string_view::npos ? std::string_view() : phrase.substr(space + 1);
    }
    return words;
}

bool startsAt(const Words& clause, size_t at, std::string_view phrase) {
    for (const std::string& word : split(phrase)) {
        if (isAnyOf(word, kFilledNouns)) {
            while (at < clause.size() && isAnyOf(clause[at], kFillers)) ++at;
        }
        if (at == clause.size() || clause[at] != word) return false;
        ++at;
    }
    return true;
}

template <size_t N>
bool anyStartsAt(const Words& clause, size_t at, const std::string_view (&phrases)[N]) {
    return std::any_of(std::begin(phrases), std::end(phrases),
                       [&](std::string_view phrase) { return startsAt(clause, at, phrase); });
}

bool isNegationAt(const Words& clause, size_t at) {
    if (anyStartsAt(clause, at, kNotNegations)) return false;
    const std::string& word = clause[at];
    return anyStartsAt(clause, at, kNegations) ||
           (word.size() > 3 && word.compare(word.size() - 3, 3, "n't") == 0);
}

// The join's words. Each word may carry an ending ("blends", "crossfading", "mixed into").
struct JoinPhrase {
    std::string_view words;
    JoinStyle style;
};
constexpr JoinPhrase kJoinPhrases[] = {
    {"blend", JoinStyle::blend},         {"crossfade", JoinStyle::blend},
    {"cross fade", JoinStyle::blend},    {"mix into", JoinStyle::blend},
    {"mix in", JoinStyle::blend},        {"beatmatch", JoinStyle::blend},
    {"beat match", JoinStyle::blend},    {"smooth transition", JoinStyle::blend},
    {"fade into", JoinStyle::blend},     {"fade in to", JoinStyle::blend},
    {"fade out into", JoinStyle::blend}, {"hard cut", JoinStyle::cut},
    {"just cut", JoinStyle::cut},        {"straight cut", JoinStyle::cut},
    {"clean cut into", JoinStyle::cut},
};

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

// One to nineteen by their place; "twenty" and "thirty" take a following one to nine.
constexpr std::string_view kNumberWords[] = {
    "one",     "two",     "three",     "four",     "five",     "six",      "seven",
    "eight",   "nine",    "ten",       "eleven",   "twelve",   "thirteen", "fourteen",
    "fifteen", "sixteen", "seventeen", "eighteen", "nineteen",
};
constexpr double kLargestNumberWord = 32.0;

// A length led by one of these belongs to the join wherever it stands in the clause.
constexpr std::string_view kLengthLeads[] = {"over",   "for",    "across",
                                             "during", "within", "lasting"};

// After these a length standing right by the join words is a place, not a length: "crossfade 2
// bars before the end".
constexpr std::string_view kPlaceWords[] = {"before", "after", "earlier", "later", "in",
                                            "from",   "past",  "left",    "out"};

// "blends", "blended", "blending", "crossfading", "mixes", "faded".
bool isFormOf(std::string_view word, std::string_view base) {
    if (word.starts_with(base)) {
        const std::string_view ending = word.substr(base.size());
        return ending.empty() || ending == "s" || ending == "es" || ending == "ed" ||
               ending == "ing" || (base.ends_with('e') && ending == "d");
    }
    return base.ends_with('e') && word == std::string(base.substr(0, base.size() - 1)) + "ing";
}

// The number of words the join phrase takes at `at`, 0 where it does not start there.
size_t joinPhraseWordsAt(const Words& clause, size_t at, std::string_view phrase) {
    const Words words = split(phrase);
    if (at + words.size() > clause.size()) return 0;
    for (size_t index = 0; index < words.size(); ++index) {
        if (!isFormOf(clause[at + index], words[index])) return 0;
    }
    return words.size();
}

struct Span {
    size_t begin = 0;
    size_t end = 0;  // one past the last word
};

struct Count {
    double value = 0.0;
    size_t words = 0;
};

// "8", "2.5", "1,5": digits with at most one decimal mark. Times ("1:30") are no count. Read
// without the locale, which the wizard sets from the desktop.
std::optional<double> digitCount(std::string_view word) {
    if (word.empty() || !isDigit(word.front()) || !isDigit(word.back())) return std::nullopt;
    std::string text(word);
    std::replace(text.begin(), text.end(), ',', '.');
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<double> numberWord(std::string_view word) {
    const auto found = std::find(std::begin(kNumberWords), std::end(kNumberWords), word);
    if (found == std::end(kNumberWords)) return std::nullopt;
    return static_cast<double>(found - std::begin(kNumberWords) + 1);
}

std::optional<Count> countAt(const Words& clause, size_t at) {
    const std::string& word = clause[at];
    const bool hasNext = at + 1 < clause.size();
    if (word == "half") {
        const bool article = hasNext && (clause[at + 1] == "a" || clause[at + 1] == "an");
        return Count{0.5, article ? 2u : 1u};
    }
    if (word == "a" || word == "an") return Count{1.0, 1};
    if (const std::optional<double> digits = digitCount(word)) return Count{*digits, 1};
    if (const std::optional<double> number = numberWord(word)) {
        // The "three" of "thirty three" is no count of its own.
        const bool afterTens = at > 0 && (clause[at - 1] == "twenty" || clause[at - 1] == "thirty");
        if (afterTens && *number < 10.0) return std::nullopt;
        return Count{*number, 1};
    }
    if (word != "twenty" && word != "thirty") return std::nullopt;
    const double value = word == "twenty" ? 20.0 : 30.0;
    const std::optional<double> ones = hasNext ? numberWord(clause[at + 1]) : std::nullopt;
    if (!ones || *ones >= 10.0) return Count{value, 1};
    if (value + *ones > kLargestNumberWord) return std::nullopt;
    return Count{value + *ones, 2};
}

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
            digitCount(std::string_view(word).substr(0, unitStart));
        const std::optional<LengthUnit> unit = unitOf(std::string_view(word).substr(unitStart));
        if (digits && unit && *digits > 0.0) return FoundLength{{*digits, *unit}, {at, at + 1}};
        return std::nullopt;
    }
    const std::optional<Count> count = countAt(clause, at);
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

// The clause's last join request. A refused blend ("no blend", "don't crossfade") asks for a
// cut; a refused cut ("not a hard cut") asks for nothing.
std::optional<JoinRequest> clauseJoin(const Words& clause) {
    std::optional<JoinRequest> join;
    Span words;
    bool negated = false;
    for (size_t at = 0; at < clause.size(); ++at) {
        negated = negated || isNegationAt(clause, at);
        for (const JoinPhrase& phrase : kJoinPhrases) {
            const size_t count = joinPhraseWordsAt(clause, at, phrase.words);
            if (count == 0) continue;
            if (!(negated && phrase.style == JoinStyle::cut)) {
                join = JoinRequest{negated ? JoinStyle::cut : phrase.style, std::nullopt};
                words = {at, at + count};
            }
            at += count - 1;
            break;
        }
    }
    if (join && join->style == JoinStyle::blend) join->length = joinLength(clause, words);
    return join;
}

// What only the outside agent does, tested as plain substrings of the whole note so that
// "stem" also finds "stems" and "system", and "pause" finds "pauses".
struct AgentWord {
    std::string_view text;
    std::string_view name;
};

// Excused by a negation in their own clause.
constexpr AgentWord kAgentEffects[] = {
    {"scratch", "scratch"},      {"record scratch", "scratch"}, {"pause", "pause"},
    {"stop and pause", "pause"}, {"power loss", "power down"},  {"power down", "power down"},
    {"tape stop", "tape stop"},  {"slow down", "slow down"},    {"glitch", "glitch"},
};

// Never excused: "no stems" still names more than the local engine does.
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

std::vector<std::string> agentRequests(std::string_view note) {
    const std::string text = normalized(note);
    std::vector<std::pair<size_t, std::string_view>> asked;  // where first asked, the name
    const auto ask = [&](std::string_view name, size_t at) {
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

}  // namespace

NoteRequests readNoteRequests(std::string_view note) {
    NoteRequests requests;
    for (const Words& clause : clauses(note)) {
        for (size_t at = 0; at < clause.size() && !isNegationAt(clause, at); ++at) {
            if (anyStartsAt(clause, at, kNotRequests)) continue;
            for (const RequestPhrase& phrase : kRequestPhrases) {
                if (startsAt(clause, at, phrase.words)) requests.*phrase.request = true;
            }
        }
        if (std::optional<JoinRequest> join = clauseJoin(clause)) requests.join = join;
    }
    requests.needsAgent = agentRequests(note);
    return requests;
}

}  // namespace common
