#pragma once
// One song on Step 3: its number badge (click to replace the song), the move
// arrows, its name, the Start time and End time fields, the note field with the line of
// what the local engine will do under it, and for a song followed by another the choice of
// the join into it ("Into song 2"), for the last song the choice of its ending ("Ending"). The
// fields write through the edit settings' bindings on every keystroke.

#include <QButtonGroup>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <initializer_list>
#include <span>

#include "app/state/join_choice.h"
#include "app/state/track_file.h"
#include "app/ui/components.h"

namespace app {
class Wizard;
}

namespace app::ui {

class SongGuidanceBox : public QFrame {
public:
    SongGuidanceBox(Wizard& view, const songs::TrackFile& track, int index, int total,
                    QWidget* parent = nullptr);

    // Focuses the box's button named `accessibleName`, or else its other move arrow (at the
    // end of the list the one pressed is gone), or else the Start time field.
    void takeFocus(const QString& accessibleName);

    // Copies the state into the fields that differ from it; a field whose text
    // already matches (the one being typed in) is left alone.
    void refresh();

    const songs::TrackFile& track() const { return track_; }
    QLineEdit* startTimeField() const { return startTime_; }
    QLineEdit* endTimeField() const { return endTime_; }
    QPlainTextEdit* noteField() const { return note_; }
    // Shows the note's question while the note is empty, "Note" otherwise.
    QLabel* questionLabel() const { return question_; }
    // What the local engine will do, read with the note; hidden while it has nothing to say.
    QLabel* engineLine() const { return engineLine_; }
    // "Cut", "Blend 4 beats", "Blend 8 beats", "Blend 16 beats", then the effects ("Tape stop"
    // ...); null for the last song.
    QButtonGroup* joinChoices() const { return joinGroup_; }
    // The last song's "Ending": "Cut" and the effects but a pause, shown while the final ending
    // effect is Off; null for the other songs.
    QButtonGroup* endingChoices() const { return endingGroup_; }

private:
    QLineEdit* makeTimeField(const QString& label, const QString& objectName);
    void addJoinChoices(QVBoxLayout* column);
    void addEndingChoices(QVBoxLayout* column);
    // A heading and one row of buttons for each of `rows`, all one exclusive group whose ids
    // are the choices; each button is named "<heading>: <title>" for screen readers.
    QButtonGroup* addChoiceRows(QVBoxLayout* column, const QString& heading,
                                std::initializer_list<std::span<const songs::JoinChoice>> rows,
                                const QString& objectPrefix);

    Wizard& view_;
    songs::TrackFile track_;
    int index_;
    QLineEdit* startTime_;
    QLineEdit* endTime_;
    QPlainTextEdit* note_;
    QLabel* question_;
    QString questionText_;
    QLabel* engineLine_;
    QButtonGroup* joinGroup_ = nullptr;
    QWidget* endingPanel_ = nullptr;
    QButtonGroup* endingGroup_ = nullptr;
};

}  // namespace app::ui
