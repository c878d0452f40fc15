#include "common/note_requests.h"

#include <algorithm>
#include <string>
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
    }
    return requests;
}

}  // namespace common
