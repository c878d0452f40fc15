#include "app/prepare/advanced_request.h"

#include <QLatin1StringView>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <array>

namespace app::prepare {
namespace {

constexpr std::array kNegationWords = {
    QLatin1StringView("do not"), QLatin1StringView("don't"),   QLatin1StringView("dont"),
    QLatin1StringView("avoid"),  QLatin1StringView("without"), QLatin1StringView("none of"),
    QLatin1StringView("no "),
};

constexpr std::array kEffectWords = {
    QLatin1StringView("scratch"),    QLatin1StringView("record scratch"),
    QLatin1StringView("pause"),      QLatin1StringView("stop and pause"),
    QLatin1StringView("power loss"), QLatin1StringView("power down"),
    QLatin1StringView("tape stop"),  QLatin1StringView("slow down"),
    QLatin1StringView("glitch"),
};

// Never excused by a negation: "no beat match" still needs more than the local engine.
constexpr std::array kAdvancedWords = {
    QLatin1StringView("bpm"),
    QLatin1StringView("pitch"),
    QLatin1StringView("key change"),
    QLatin1StringView("beat match"),
    QLatin1StringView("beatmatch"),
    QLatin1StringView("blend"),
    QLatin1StringView("internal"),
    QLatin1StringView("stem"),
    QLatin1StringView("demucs"),
    QLatin1StringView("whisper"),
    QLatin1StringView("lyric lookup"),
    QLatin1StringView("lyrics online"),
    QLatin1StringView("look up lyrics"),
    QLatin1StringView("online lyrics"),
    QLatin1StringView("section map"),
    QLatin1StringView("vocal entrance"),
    QLatin1StringView("start on vocal"),
    QLatin1StringView("enter on vocal"),
    QLatin1StringView("first vocal"),
};

template <size_t N>
bool containsAny(const QString& text, const std::array<QLatin1StringView, N>& words) {
    return std::any_of(words.begin(), words.end(),
                       [&](QLatin1StringView word) { return text.contains(word); });
}

}  // namespace

bool asksForAdvancedRequest(const QString& note) {
    QString lowered = note.toLower();
    lowered.replace(QLatin1Char('-'), QLatin1Char(' '));
    lowered.replace(QLatin1Char('_'), QLatin1Char(' '));
    if (lowered.isEmpty()) return false;

    if (containsAny(lowered, kAdvancedWords)) return true;
    // A negation speaks for its own clause only: "tape stop into song 2, no gap" still asks
    // for the tape stop.
    static const QRegularExpression clauseBreak(QStringLiteral("[,;.!?\\r\\n]"));
    const QStringList clauses = lowered.split(clauseBreak);
    return std::any_of(clauses.begin(), clauses.end(), [](const QString& clause) {
        return containsAny(clause, kEffectWords) && !containsAny(clause, kNegationWords);
    });
}

}  // namespace app::prepare
