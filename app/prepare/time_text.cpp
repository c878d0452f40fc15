#include "app/prepare/time_text.h"

#include <QStringList>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <string>

#include "common/text.h"

namespace app::prepare {
namespace {

locale_t cLocale() {
    // Created once and kept for the life of the program: strtod_l needs a handle
    // that outlives every call, and the user's locale must not decide what "1.5" is.
    static const locale_t locale = ::newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

// A C-locale decimal number that spans the whole piece. Infinity and NaN are not
// numbers here: an infinite time cannot be cut.
std::optional<double> parseNumber(const QString& piece) {
    const std::string bytes = piece.toStdString();
    if (bytes.empty() || common::isAsciiWhitespace(bytes.front())) return std::nullopt;
    char* end = nullptr;
    const double value = ::strtod_l(bytes.c_str(), &end, cLocale());
    if (end != bytes.c_str() + bytes.size()) return std::nullopt;
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<double> nonNegative(std::optional<double> value) {
    if (!value || *value < 0 || !std::isfinite(*value)) return std::nullopt;
    return value;
}

std::optional<double> parseColonForm(const QString& text) {
    const QStringList pieces = text.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    if (pieces.size() != 2 && pieces.size() != 3) return std::nullopt;
    double total = 0;
    for (const QString& piece : pieces) {
        const std::optional<double> value = parseNumber(piece);
        if (!value || *value < 0) return std::nullopt;
        total = total * 60 + *value;
    }
    return nonNegative(total);
}

// "1.30" is one minute thirty; "1.5" and "1.75" fall through to the plain form.
std::optional<double> parseMinutesDotSeconds(const QString& text) {
    const QStringList pieces = text.split(QLatin1Char('.'), Qt::KeepEmptyParts);
    if (pieces.size() != 2 || pieces[1].size() != 2) return std::nullopt;
    const std::optional<double> minutes = parseNumber(pieces[0]);
    const std::optional<double> seconds = parseNumber(pieces[1]);
    if (!minutes || !seconds || *minutes < 0 || *seconds < 0 || *seconds >= 60) {
        return std::nullopt;
    }
    return nonNegative(*minutes * 60 + *seconds);
}

}  // namespace

std::optional<double> parseTimeSeconds(const QString& text) {
    QString compact = text.trimmed().toLower();
    if (compact.isEmpty()) return std::nullopt;
    compact.remove(QLatin1Char(' '));
    compact.replace(QStringLiteral("seconds"), QStringLiteral("s"));
    compact.replace(QStringLiteral("sec"), QStringLiteral("s"));

    if (compact.endsWith(QLatin1Char('s'))) {
        if (const std::optional<double> value = parseNumber(compact.chopped(1))) {
            return nonNegative(value);
        }
    }
    if (compact.contains(QLatin1Char(':'))) return parseColonForm(compact);
    if (compact.contains(QLatin1Char('.'))) {
        if (const std::optional<double> value = parseMinutesDotSeconds(compact)) return value;
    }
    return nonNegative(parseNumber(compact));
}

}  // namespace app::prepare
