#include "common/note_words.h"

#include <charconv>
#include <system_error>

namespace common::note_words {
namespace {

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
constexpr Compound kCompounds[] = {{"down", "beat", "downbeat"},
                                   {"bar", "line", "barline"},
                                   {"per", "cent", "percent"},
                                   {"semi", "tone", "semitone"},
                                   {"semi", "tones", "semitones"}};

// One to nineteen by their place; "twenty" and "thirty" take a following one to nine.
constexpr std::string_view kNumberWords[] = {
    "one",     "two",     "three",     "four",     "five",     "six",      "seven",
    "eight",   "nine",    "ten",       "eleven",   "twelve",   "thirteen", "fourteen",
    "fifteen", "sixteen", "seventeen", "eighteen", "nineteen",
};
constexpr double kLargestNumberWord = 32.0;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isWordByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (c >= 'a' && c <= 'z') || isDigit(c) || c == '\'' || byte >= 0x80;
}

template <size_t N>
bool anyStartsAt(const Words& clause, size_t at, const std::string_view (&phrases)[N]) {
    return std::any_of(std::begin(phrases), std::end(phrases),
                       [&](std::string_view phrase) { return startsAt(clause, at, phrase); });
}

std::optional<double> numberWord(std::string_view word) {
    const auto found = std::find(std::begin(kNumberWords), std::end(kNumberWords), word);
    if (found == std::end(kNumberWords)) return std::nullopt;
    return static_cast<double>(found - std::begin(kNumberWords) + 1);
}

}  // namespace

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

// ":", "." and "," between digits stay inside the word (1:30, 1.30), so a time never looks like
// "the 1".
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
        if (c == '%') {
            word = "percent";
            endWord();
        }
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
        if (at == clause.size() || clause[at] != word) return false;
        ++at;
    }
    return true;
}

bool isNegationAt(const Words& clause, size_t at) {
    if (anyStartsAt(clause, at, kNotNegations)) return false;
    const std::string& word = clause[at];
    return anyStartsAt(clause, at, kNegations) ||
           (word.size() > 3 && word.compare(word.size() - 3, 3, "n't") == 0);
}

bool isFormOf(std::string_view word, std::string_view base) {
    if (word.starts_with(base)) {
        const std::string_view ending = word.substr(base.size());
        return ending.empty() || ending == "s" || ending == "es" || ending == "ed" ||
               ending == "ing" || (base.ends_with('e') && ending == "d");
    }
    return base.ends_with('e') && word == std::string(base.substr(0, base.size() - 1)) + "ing";
}

size_t phraseFormsAt(const Words& clause, size_t at, std::string_view phrase) {
    const Words words = split(phrase);
    if (at + words.size() > clause.size()) return 0;
    for (size_t index = 0; index < words.size(); ++index) {
        if (!isFormOf(clause[at + index], words[index])) return 0;
    }
    return words.size();
}

std::optional<double> digitCount(std::string_view word) {
    if (word.empty() || !isDigit(word.front()) || !isDigit(word.back())) return std::nullopt;
    std::string text(word);
    std::replace(text.begin(), text.end(), ',', '.');
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<Count> numberAt(const Words& clause, size_t at) {
    const std::string& word = clause[at];
    const bool hasNext = at + 1 < clause.size();
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

std::optional<Count> countAt(const Words& clause, size_t at) {
    const std::string& word = clause[at];
    if (word == "half") {
        const bool article =
            at + 1 < clause.size() && (clause[at + 1] == "a" || clause[at + 1] == "an");
        return Count{0.5, article ? 2u : 1u};
    }
    if (word == "a" || word == "an") return Count{1.0, 1};
    return numberAt(clause, at);
}

}  // namespace common::note_words
