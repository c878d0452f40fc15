#include "app/prepare/engine_line.h"

#include <QCoreApplication>
#include <QStringList>
#include <cmath>

#include "app/prepare/song_join.h"
#include "app/songs/edit_options.h"

namespace app::prepare {
namespace {

// The reader's names of what only the agent does, for the catalogue: the line shows them in the
// person's language.
[[maybe_unused]] constexpr const char* kAgentRequestNames[] = {
    QT_TRANSLATE_NOOP("NoteRequests", "scratch"),
    QT_TRANSLATE_NOOP("NoteRequests", "pause"),
    QT_TRANSLATE_NOOP("NoteRequests", "power down"),
    QT_TRANSLATE_NOOP("NoteRequests", "tape stop"),
    QT_TRANSLATE_NOOP("NoteRequests", "slow down"),
    QT_TRANSLATE_NOOP("NoteRequests", "glitch"),
    QT_TRANSLATE_NOOP("NoteRequests", "bpm"),
    QT_TRANSLATE_NOOP("NoteRequests", "pitch"),
    QT_TRANSLATE_NOOP("NoteRequests", "key change"),
    QT_TRANSLATE_NOOP("NoteRequests", "internal"),
    QT_TRANSLATE_NOOP("NoteRequests", "stems"),
    QT_TRANSLATE_NOOP("NoteRequests", "lyrics"),
    QT_TRANSLATE_NOOP("NoteRequests", "section map"),
    QT_TRANSLATE_NOOP("NoteRequests", "vocal entrance"),
    QT_TRANSLATE_NOOP("NoteRequests", "first vocal"),
    QT_TRANSLATE_NOOP("NoteRequests", "backspin"),
    QT_TRANSLATE_NOOP("NoteRequests", "stutter"),
    QT_TRANSLATE_NOOP("NoteRequests", "echo out"),
};

// A text of the catalogue's "Prepare" context, marked at its use with QT_TRANSLATE_NOOP.
QString prepareText(const char* text) { return QCoreApplication::translate("Prepare", text); }

// The effect the note asks at the song's end; `next` is the next song's number, 0 for the last
// song, whose ending the effect then is.
QString effectLine(common::JoinStyle style, int next) {
    using common::JoinStyle;
    const auto either = [&](const char* into, const char* ending) {
        return next ? prepareText(into).arg(next) : prepareText(ending);
    };
    switch (style) {
        case JoinStyle::tapeStop:
            return either(QT_TRANSLATE_NOOP("Prepare", "Tape stop into song %1"), QT_TRANSLATE_NOOP("Prepare", "Ends with a tape stop"));
        case JoinStyle::backspin:
            return either(QT_TRANSLATE_NOOP("Prepare", "Backspin into song %1"), QT_TRANSLATE_NOOP("Prepare", "Ends with a backspin"));
        case JoinStyle::scratch:
            return either(QT_TRANSLATE_NOOP("Prepare", "Scratch into song %1"), QT_TRANSLATE_NOOP("Prepare", "Ends with a scratch"));
        case JoinStyle::stutter:
            return either(QT_TRANSLATE_NOOP("Prepare", "Stutter into song %1"), QT_TRANSLATE_NOOP("Prepare", "Ends with a stutter"));
        case JoinStyle::echoOut:
            return either(QT_TRANSLATE_NOOP("Prepare", "Echo out into song %1"), QT_TRANSLATE_NOOP("Prepare", "Ends with an echo out"));
        case JoinStyle::pause:
            return next ? prepareText(QT_TRANSLATE_NOOP("Prepare", "Pause, then song %1 on its beat")).arg(next) : QString();
        case JoinStyle::cut:
        case JoinStyle::blend:
            break;
    }
    return {};
}

// The reader's name of an effect, in the person's language.
QString effectName(common::JoinStyle style) {
    using common::JoinStyle;
    switch (style) {
        case JoinStyle::tapeStop:
            return QCoreApplication::translate("NoteRequests", "tape stop");
        case JoinStyle::backspin:
            return QCoreApplication::translate("NoteRequests", "backspin");
        case JoinStyle::scratch:
            return QCoreApplication::translate("NoteRequests", "scratch");
        case JoinStyle::stutter:
            return QCoreApplication::translate("NoteRequests", "stutter");
        case JoinStyle::echoOut:
            return QCoreApplication::translate("NoteRequests", "echo out");
        default:
            return QCoreApplication::translate("NoteRequests", "pause");
    }
}

// A join's line: a cut, a blend of so many beats (or seconds), or an effect.
QString joinLine(const common::JoinRequest& request, int next) {
    if (request.style == common::JoinStyle::cut) {
        return prepareText(QT_TRANSLATE_NOOP("Prepare", "Cut into song %1")).arg(next);
    }
    if (request.style != common::JoinStyle::blend) return effectLine(request.style, next);
    const std::optional<common::RequestLength>& length = request.length;
    if (length && length->unit == common::LengthUnit::seconds) {
        return prepareText(QT_TRANSLATE_NOOP("Prepare", "Blend into song %1 over %2 seconds, beat-matched"))
            .arg(next)
            .arg(QString::number(length->count));
    }
    const double beats = !length ? 8.0
                         : length->unit == common::LengthUnit::bars ? length->count * 4.0
                                                                     : length->count;
    return prepareText(QT_TRANSLATE_NOOP("Prepare", "Blend into song %1 over %2 beats, beat-matched"))
        .arg(next)
        .arg(QString::number(beats));
}

QString handWins(const QString& line, const QString& heading) {
    return prepareText(QT_TRANSLATE_NOOP("Prepare", "%1 (your choice in %2 wins over the note)"))
        .arg(line, heading);
}

// How the last song ends: its ending choice or the note's effect while the chosen ending is Off.
QString endingLine(const WizardState& state, const common::NoteRequests& requests) {
    const std::optional<SongJoin> ending = songEnding(state);
    if (!ending) {
        if (!requests.join || !songs::isEndingEffect(joinChoiceFor(*requests.join))) return {};
        return prepareText(QT_TRANSLATE_NOOP("Prepare", "The chosen ending wins over the note's %1")).arg(effectName(requests.join->style));
    }
    const QString line = ending->choice == songs::JoinChoice::cut
                             ? prepareText(QT_TRANSLATE_NOOP("Prepare", "Ends on its cut"))
                             : effectLine(joinStyleOf(ending->choice), 0);
    if (ending->overridesNote()) return handWins(line, songs::endingHeading());
    return ending->choice == songs::JoinChoice::cut ? QString() : line;
}

// The segment's tempo and key as the note asks them.
QStringList tempoAndKeyLines(const common::NoteRequests& requests) {
    QStringList lines;
    if (const std::optional<common::TempoRequest> tempo = requests.tempo) {
        using Kind = common::TempoRequest::Kind;
        const QString value = QString::number(std::abs(tempo->value));
        if (tempo->kind == Kind::toBpm) {
            lines << prepareText(QT_TRANSLATE_NOOP("Prepare", "Plays at %1 BPM")).arg(value);
        } else if (tempo->kind == Kind::byPercent) {
            lines << (tempo->value < 0 ? prepareText(QT_TRANSLATE_NOOP("Prepare", "Plays %1 % slower")) : prepareText(QT_TRANSLATE_NOOP("Prepare", "Plays %1 % faster"))).arg(value);
        } else {
            lines << prepareText(QT_TRANSLATE_NOOP("Prepare", "Plays at the tempo of song %1")).arg(value);
        }
    }
    if (const std::optional<double> semitones = requests.semitones) {
        const QString value = QString::number(std::abs(*semitones));
        lines << (*semitones < 0 ? prepareText(QT_TRANSLATE_NOOP("Prepare", "Key %1 semitones down")) : prepareText(QT_TRANSLATE_NOOP("Prepare", "Key %1 semitones up"))).arg(value);
    }
    return lines;
}

QString joined(const QStringList& parts) {
    QString line;
    for (const QString& part : parts) {
        if (part.isEmpty()) continue;
        line = line.isEmpty() ? part : prepareText(QT_TRANSLATE_NOOP("Prepare", "%1; %2")).arg(line, part);
    }
    return line;
}

}  // namespace

QString localEngineLine(const WizardState& state, int index) {
    const common::NoteRequests requests = songNoteRequests(state, index);
    // The local engine does not take such an edit at all, so its join would not be made here.
    if (!requests.needsAgent.empty()) {
        QStringList names;
        for (const std::string& name : requests.needsAgent) {
            names << QCoreApplication::translate("NoteRequests", name.c_str());
        }
        return QCoreApplication::translate("Prepare", "Needs AI help: %1")
            .arg(names.join(QCoreApplication::translate("Prepare", ", ")));
    }
    const std::optional<SongJoin> join = songJoin(state, index);
    const QStringList tempoAndKey = tempoAndKeyLines(requests);
    if (!join) {
        const QString bar = requests.onTheBar ? prepareText(QT_TRANSLATE_NOOP("Prepare", "Cuts on the bar")) : QString();
        return joined(QStringList{bar, endingLine(state, requests)} + tempoAndKey);
    }
    const int next = index + 2;
    // The hand choice, else the note's request as written.
    QString line = joinLine(
        !join->chosenByHand && join->noteAsks ? *join->noteAsks : joinRequestOf(join->choice), next);
    if (requests.onTheBar) line = prepareText(QT_TRANSLATE_NOOP("Prepare", "%1, on the bar")).arg(line);
    if (join->overridesNote()) line = handWins(line, songs::intoSongHeading(next));
    return joined(QStringList{line} + tempoAndKey);
}

}  // namespace app::prepare
