#include "common/typed_time.h"

#include <locale.h>
#include <stdlib.h>

#include <cmath>
#include <string>
#include <vector>

#include "common/text.h"

namespace common {
namespace {

// Only what a decimal literal can hold; strtod alone would also take "0x1A", "inf" and
// "nan(...)".
bool hasOnlyDecimalLiteralCharacters(std::string_view piece) {
    return piece.find_first_not_of("0123456789+-.eE") == std::string_view::npos;
}

// A decimal floating-point literal in the "C" locale's syntax, whatever locale the process
// runs in; the whole piece must be consumed and the value finite.
std::optional<double> parseNumber(std::string_view piece) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    if (cLocale == nullptr || piece.empty() || !hasOnlyDecimalLiteralCharacters(piece)) {
        return std::nullopt;
    }
    const std::string text(piece);
    char* end = nullptr;
    const double value = strtod_l(text.c_str(), &end, cLocale);
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
    if (text.find(':') != std::string_view::npos) return colonTime(text);
    if (text.find('.') != std::string_view::npos) {
        if (const std::optional<double> seconds = minutesDotSeconds(text)) return seconds;
    }
    return parseNumber(text);
}

}  // namespace

std::optional<double> parseTime(std::string_view text) {
    std::string cleaned = asciiLower(trim(text));
    std::erase(cleaned, ' ');
    cleaned = replaceAll(replaceAll(cleaned, "seconds", "s"), "sec", "s");
    if (cleaned.empty()) return std::nullopt;

    std::optional<double> seconds;
    if (cleaned.back() == 's') {
        // A unit says the number is seconds, so "1.30s" is no minutes.seconds reading.
        cleaned.pop_back();
        seconds = parseNumber(cleaned);
        if (!seconds && cleaned.find(':') != std::string::npos) seconds = colonTime(cleaned);
    } else {
        seconds = readTime(cleaned);
    }
    // Finite pieces can still combine to infinity ("1e307:0:0").
    if (!seconds || *seconds < 0.0 || !std::isfinite(*seconds)) return std::nullopt;
    return *seconds + 0.0;  // "-0" is 0, not the -0.0 that reports would print with its sign
}

}  // namespace common
