#pragma once
// The words and symbols the screens show that depend on the state: the song
// list's header and badge, the note questions and placeholders, the marks of
// the progress rows and the Step 3 and Step 4 headings. Pure functions.

#include <QColor>
#include <QString>

#include "app/run/progress_row.h"

namespace app {
class Wizard;
}

namespace app::ui {

// "1 audio file found", "4 audio files found".
QString audioFilesFoundText(int count);
// "1-song edit ready" ... "3-song edit ready", "needs 1 to 3 songs", "waiting".
QString songReadinessBadgeText(int count);

// The note field's question and placeholder for song `index` (0-based) of `total`.
QString guidanceQuestion(int index, int total);
QString guidancePlaceholder(int index, int total);

struct PhaseStateMark {
    QString symbolName;
    QColor color;
    QString word;
    QString styleRole;  // the label and bar role of the colour
};
PhaseStateMark phaseStateMark(run::ProgressRowState state);

// A text and the symbol beside it.
struct LabelledSymbol {
    QString text;
    QString symbolName;
};

// Step 3's main button: its text and symbol for the current state.
LabelledSymbol createEditButtonLabel(const Wizard& view);
// The last run was stopped or failed and no edit came of it.
bool runEndedWithoutEdit(const Wizard& view);

// Step 4's title and description line. After a stopped or failed run the title is the
// live status headline with its symbol, and there is no description.
LabelledSymbol createEditTitle(const Wizard& view);
QString createEditDescription(const Wizard& view);

QColor statusColor(run::StatusColor color);

}  // namespace app::ui
