#include "app/ui/song_guidance_box.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QSignalBlocker>
#include <algorithm>

#include "app/prepare/engine_line.h"
#include "app/prepare/song_join.h"
#include "app/songs/edit_options.h"
#include "app/ui/screen_texts.h"
#include "app/ui/wizard_style.h"
#include "app/wizard/wizard.h"

namespace app::ui {

SongGuidanceBox::SongGuidanceBox(Wizard& view, const songs::TrackFile& track, int index, int total,
                                 QWidget* parent)
    : QFrame(parent), view_(view), track_(track), index_(index) {
    setStyleRole(this, QStringLiteral("panel"));
    const QString number = QString::number(index + 1);
    setAccessibleName(QCoreApplication::translate("Screens", "Song %1").arg(number));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(16, 14, 16, 14);
    column->setSpacing(10);

    auto* top = new QHBoxLayout;
    top->setSpacing(10);
    auto* badge = makeButton(number, {}, QStringLiteral("songBadge"), this);
    badge->setObjectName(QStringLiteral("replaceSong") + number);
    badge->setAccessibleName(QCoreApplication::translate("Screens", "Replace song %1").arg(number));
    badge->setToolTip(QCoreApplication::translate("Screens", "Replace song %1").arg(number));
    connect(badge, &QPushButton::clicked, this, [this] { view_.songs().replaceTrack(index_); });
    top->addWidget(badge);
    QLabel* name = makeLabel(track.name(), QStringLiteral("headline"), this);
    top->addWidget(name, 1);
    // Hidden rather than disabled at the ends, so the row shows only what can be done.
    if (index > 0) {
        auto* earlier = makeButton({}, QStringLiteral("arrow.up"), QStringLiteral("compact"), this);
        earlier->setAccessibleName(QCoreApplication::translate("Screens", "Move earlier"));
        earlier->setToolTip(QCoreApplication::translate("Screens", "Move earlier"));
        connect(earlier, &QPushButton::clicked, this,
                [this] { view_.songs().moveTrack(index_, -1); });
        top->addWidget(earlier);
    }
    if (index + 1 < total) {
        auto* later = makeButton({}, QStringLiteral("arrow.down"), QStringLiteral("compact"), this);
        later->setAccessibleName(QCoreApplication::translate("Screens", "Move later"));
        later->setToolTip(QCoreApplication::translate("Screens", "Move later"));
        connect(later, &QPushButton::clicked, this, [this] { view_.songs().moveTrack(index_, 1); });
        top->addWidget(later);
    }
    column->addLayout(top);

    auto* times = new QGridLayout;
    times->setHorizontalSpacing(12);
    times->setVerticalSpacing(4);
    startTime_ = makeTimeField(QCoreApplication::translate("Screens", "Start time"),
                               QStringLiteral("songStartTime") + number);
    endTime_ = makeTimeField(QCoreApplication::translate("Screens", "End time"),
                             QStringLiteral("songEndTime") + number);
    times->addWidget(makeLabel(QCoreApplication::translate("Screens", "Start time"),
                               QStringLiteral("fieldLabel"), this),
                     0, 0);
    times->addWidget(makeLabel(QCoreApplication::translate("Screens", "End time"),
                               QStringLiteral("fieldLabel"), this),
                     0, 1);
    times->addWidget(startTime_, 1, 0);
    times->addWidget(endTime_, 1, 1);
    times->setColumnStretch(2, 1);
    column->addLayout(times);
    connect(startTime_, &QLineEdit::textEdited, this,
            [this](const QString& text) { view_.settings().setSongStartTime(track_, text); });
    connect(endTime_, &QLineEdit::textEdited, this,
            [this](const QString& text) { view_.settings().setSongEndTime(track_, text); });

    questionText_ = guidanceQuestion(index, total);
    question_ = makeLabel(questionText_, QStringLiteral("fieldLabel"), this);
    column->addWidget(question_);
    note_ = new QPlainTextEdit(this);
    note_->setObjectName(QStringLiteral("songNote") + number);
    note_->setAccessibleName(QCoreApplication::translate("Screens", "Song %1 note").arg(number));
    note_->setPlaceholderText(guidancePlaceholder(index, total));
    note_->setTabChangesFocus(true);
    note_->setFixedHeight(76);
    column->addWidget(note_);
    engineLine_ = makeLabel({}, QStringLiteral("accent"), this);
    engineLine_->setObjectName(QStringLiteral("engineLine") + number);
    column->addWidget(engineLine_);
    if (index + 1 < total) {
        addJoinChoices(column);
    } else {
        addEndingChoices(column);
    }
    connect(note_, &QPlainTextEdit::textChanged, this, [this] {
        const QString text = note_->toPlainText();
        if (text != view_.settings().songGuidanceText(track_))
            view_.settings().setSongGuidanceText(track_, text);
    });
    refresh();
}

void SongGuidanceBox::takeFocus(const QString& accessibleName) {
    const QString earlier = QCoreApplication::translate("Screens", "Move earlier");
    const QString later = QCoreApplication::translate("Screens", "Move later");
    const QString other = accessibleName == earlier ? later
                          : accessibleName == later ? earlier
                                                    : QString();
    QWidget* target = startTime_;
    for (const QString& name : {other, accessibleName}) {
        for (QPushButton* button : findChildren<QPushButton*>()) {
            if (!name.isEmpty() && button->accessibleName() == name) target = button;
        }
    }
    // Shown with the box on the next turn of the event loop, and focused then.
    target->setFocus();
}

QButtonGroup* SongGuidanceBox::addChoiceRows(
    QVBoxLayout* column, const QString& heading,
    std::initializer_list<std::span<const songs::JoinChoice>> rows, const QString& objectPrefix) {
    column->addWidget(makeLabel(heading, QStringLiteral("fieldLabel"), this));
    auto* group = new QButtonGroup(this);
    group->setExclusive(true);
    for (const std::span<const songs::JoinChoice> choices : rows) {
        auto* row = new AdaptiveButtonRow;
        for (const songs::JoinChoice choice : choices) {
            QPushButton* button =
                makeButton(songs::title(choice), {}, QStringLiteral("choice"), this);
            button->setCheckable(true);
            button->setObjectName(objectPrefix + QString::number(static_cast<int>(choice)));
            // Each song's choice has a "Cut": the heading tells them apart.
            button->setAccessibleName(
                QCoreApplication::translate("Screens", "%1: %2").arg(heading, button->text()));
            group->addButton(button, static_cast<int>(choice));
            row->addWidget(button);
        }
        column->addLayout(row);
    }
    return group;
}

void SongGuidanceBox::addJoinChoices(QVBoxLayout* column) {
    joinGroup_ = addChoiceRows(column, songs::intoSongHeading(index_ + 2),
                               {songs::kBlendChoices, songs::kEffectChoices},
                               QStringLiteral("join%1_").arg(index_ + 1));
    followChoices<songs::JoinChoice>(
        joinGroup_, this,
        [this] {
            const auto join = prepare::songJoin(view_.state(), index_);
            return join ? join->choice : songs::JoinChoice::cut;
        },
        [this](songs::JoinChoice choice) { view_.settings().chooseJoin(track_, choice); });
}

void SongGuidanceBox::addEndingChoices(QVBoxLayout* column) {
    // Hidden as one while another final ending wins over it.
    endingPanel_ = new QWidget(this);
    auto* panel = new QVBoxLayout(endingPanel_);
    panel->setContentsMargins(0, 0, 0, 0);
    panel->setSpacing(column->spacing());
    endingGroup_ = addChoiceRows(panel, songs::endingHeading(), {songs::kEndingChoices},
                                 QStringLiteral("ending_"));
    followChoices<songs::JoinChoice>(
        endingGroup_, this,
        [this] {
            const auto ending = prepare::songEnding(view_.state());
            return ending ? ending->choice : songs::JoinChoice::cut;
        },
        [this](songs::JoinChoice choice) { view_.settings().chooseEnding(choice); });
    column->addWidget(endingPanel_);
}

QLineEdit* SongGuidanceBox::makeTimeField(const QString& label, const QString& objectName) {
    auto* field = new QLineEdit(this);
    field->setObjectName(objectName);
    // "Song 1 start time": the song's number, then the field's label.
    field->setAccessibleName(QCoreApplication::translate("Screens", "Song %1 %2")
                                 .arg(QString::number(index_ + 1), label.toLower()));
    field->setPlaceholderText(QCoreApplication::translate("Screens", "Example: 1:04"));
    field->setFixedWidth(190);
    return field;
}

namespace {

// Checks `choice`'s button. Tab enters the group at the chosen button, as it enters a group of
// radio buttons; while the focus is inside, the group itself keeps it on the button last focused.
void showChoice(QButtonGroup* group, songs::JoinChoice choice) {
    QAbstractButton* chosen = group->button(static_cast<int>(choice));
    if (chosen != nullptr && !chosen->isChecked()) chosen->setChecked(true);
    const QList<QAbstractButton*> buttons = group->buttons();
    if (std::none_of(buttons.begin(), buttons.end(),
                     [](const QAbstractButton* button) { return button->hasFocus(); })) {
        for (QAbstractButton* button : buttons) {
            button->setFocusPolicy(button == chosen ? Qt::StrongFocus : Qt::ClickFocus);
        }
    }
}

}  // namespace

void SongGuidanceBox::refresh() {
    const QString start = view_.settings().songStartTime(track_);
    if (startTime_->text() != start) startTime_->setText(start);
    const QString end = view_.settings().songEndTime(track_);
    if (endTime_->text() != end) endTime_->setText(end);
    const QString note = view_.settings().songGuidanceText(track_);
    if (note_->toPlainText() != note) {
        const QSignalBlocker blocker(note_);
        note_->setPlainText(note);
    }
    // The question asks only while there is no note to answer it; then the field is just "Note".
    const QString label =
        note.isEmpty() ? questionText_ : QCoreApplication::translate("Screens", "Note");
    if (question_->text() != label) question_->setText(label);

    const QString line = prepare::localEngineLine(view_.state(), index_);
    if (engineLine_->text() != line) engineLine_->setText(line);
    engineLine_->setVisible(!line.isEmpty());
    // What the local engine cannot do stands out: the edit will need the AI fallback.
    setStyleRole(engineLine_, prepare::songNoteRequests(view_.state(), index_).needsAgent.empty()
                                  ? QStringLiteral("accent")
                                  : QStringLiteral("warning"));
    // Also found from the note as one of its labels while it says something; the note's
    // description reads it out.
    engineLine_->setBuddy(line.isEmpty() ? nullptr : note_);
    const QString description =
        line.isEmpty() ? questionText_
                       : QCoreApplication::translate("Screens", "%1 %2").arg(questionText_, line);
    if (note_->accessibleDescription() != description) note_->setAccessibleDescription(description);
    if (joinGroup_ != nullptr) {
        const auto join = prepare::songJoin(view_.state(), index_);
        showChoice(joinGroup_, join ? join->choice : songs::JoinChoice::cut);
    }
    if (endingGroup_ != nullptr) {
        const auto ending = prepare::songEnding(view_.state());
        endingPanel_->setVisible(ending.has_value());
        showChoice(endingGroup_, ending ? ending->choice : songs::JoinChoice::cut);
    }
}

}  // namespace app::ui
