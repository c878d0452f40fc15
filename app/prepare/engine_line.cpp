#include "app/prepare/engine_line.h"

#include <QCoreApplication>
#include <QStringList>

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
};

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
    if (!join) {
        return requests.onTheBar ? QCoreApplication::translate("Prepare", "Cuts on the bar")
                                 : QString();
    }
    const int next = index + 2;
    QString line = join->choice == songs::JoinChoice::cut
                       ? QCoreApplication::translate("Prepare", "Cut into song %1").arg(next)
                       : QCoreApplication::translate(
                             "Prepare", "Blend into song %1 over %2 beats, beat-matched")
                             .arg(next)
                             .arg(songs::blendBeats(join->choice));
    if (requests.onTheBar)
        line = QCoreApplication::translate("Prepare", "%1, on the bar").arg(line);
    if (join->chosenByHand && join->noteAsks && *join->noteAsks != join->choice) {
        line = QCoreApplication::translate("Prepare", "%1 (your choice in %2 wins over the note)")
                   .arg(line, songs::intoSongHeading(next));
    }
    return line;
}

}  // namespace app::prepare
