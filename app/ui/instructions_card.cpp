#include "app/ui/instructions_card.h"

#include <QApplication>
#include <QCoreApplication>
#include <optional>

#include "app/songs/edit_options.h"
#include "app/ui/screen_texts.h"
#include "app/ui/symbols.h"
#include "app/ui/wizard_style.h"
#include "app/wizard/wizard.h"

namespace app::ui {

InstructionsCard::InstructionsCard(Wizard& view, QWidget* parent) : ScreenCard(3, view, parent) {
    content()->addWidget(makeLabel(QCoreApplication::translate("Screens", "Instructions"),
                                   QStringLiteral("title"), this));
    content()->addWidget(
        makeLabel(QCoreApplication::translate("Screens", "Enter the timing for each song"),
                  QStringLiteral("headline"), this));
    content()->addWidget(
        makeLabel(QCoreApplication::translate(
                      "Screens",
                      "Add start and end times for each song, plus any short note. Click a song "
                      "number to replace that file, or use the arrows to reorder."),
                  QStringLiteral("body"), this));

    QVBoxLayout* timingLayout = nullptr;
    QFrame* timing = makePanel(QStringLiteral("panel"), &timingLayout, this);
    timingLayout->addWidget(makeRuleRow(
        QStringLiteral("clock"), QCoreApplication::translate("Screens", "Timing is the default"),
        QCoreApplication::translate(
            "Screens",
            "Use Start time and End time as tight targets. The editor normalizes 0:00 "
            "to the first real musical note, then snaps only to the nearest clean "
            "beat, bar, downbeat, or zero crossing."),
        palette::accent(), timing));
    content()->addWidget(timing);

    boxesLayout_ = new QVBoxLayout;
    boxesLayout_->setSpacing(10);
    content()->addLayout(boxesLayout_);

    content()->addWidget(buildOutputFolderPanel());
    content()->addWidget(buildEndingEffectPanel());
    content()->addWidget(buildSnapCutsToPanel());
    content()->addWidget(buildAIAssistPanel());

    content()->addWidget(
        makeLabel(QCoreApplication::translate("Screens",
                                              "Create Edit will move to a progress screen and "
                                              "show the editing phases until the job is "
                                              "complete."),
                  QStringLiteral("body"), this));
    createEditButton_ =
        makeButton(QCoreApplication::translate("Screens", "&Create Edit"),
                   QStringLiteral("wand.and.stars"), QStringLiteral("primary"), this);
    createEditButton_->setDefault(true);
    createEditButton_->setObjectName(QStringLiteral("createEditButton"));
    connect(createEditButton_, &QPushButton::clicked, this, [this] {
        WizardState& state = this->view().state();
        if (state.isCreatingEdit) {
            // Reached through "Back to Setup" while an edit runs: the busy button leads back to it.
            state.showCreateProgressScreen = true;
            this->view().notifyChanged();
            return;
        }
        this->view().runs().createEdit();
    });
    // After Back from a finished edit: the same way to it as on Step 4, for as long as the
    // settings still describe it.
    viewEditButton_ = makeButton(QCoreApplication::translate("Screens", "&View Edit"),
                                 QStringLiteral("music.note.list"), QStringLiteral("success"));
    connect(viewEditButton_, &QPushButton::clicked, this,
            [this] { this->view().viewCreatedEdit(); });
    auto* buttons = new AdaptiveButtonRow;
    buttons->addWidget(createEditButton_);
    buttons->addWidget(viewEditButton_);
    content()->addLayout(buttons);
    content()->addStretch(1);
}

QWidget* InstructionsCard::buildOutputFolderPanel() {
    QVBoxLayout* layout = nullptr;
    QFrame* panel = makePanel(QStringLiteral("panel"), &layout, this);
    layout->addWidget(makeLabel(QCoreApplication::translate("Screens", "Choose output folder"),
                                QStringLiteral("headline"), panel));
    layout->addWidget(
        makeLabel(QCoreApplication::translate("Screens",
                                              "Pick where the finished 320 kbps MP3 and edit "
                                              "notes should be saved."),
                  QStringLiteral("body"), panel));
    outputRequired_ =
        makeLabel(QCoreApplication::translate("Screens", "Required before Create Edit."),
                  QStringLiteral("warning"), panel);
    layout->addWidget(outputRequired_);

    outputChosenRow_ = new QWidget(panel);
    auto* chosen = new QHBoxLayout(outputChosenRow_);
    chosen->setContentsMargins(0, 0, 0, 0);
    chosen->setSpacing(8);
    outputSymbol_ = new SymbolLabel(18, outputChosenRow_);
    outputSymbol_->setSymbol(QStringLiteral("folder.fill"), palette::accent());
    chosen->addWidget(outputSymbol_);
    outputPath_ = makeLabel({}, QStringLiteral("mono"), outputChosenRow_);
    outputPath_->setObjectName(QStringLiteral("outputFolderPath"));
    outputPath_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    chosen->addWidget(outputPath_, 1);
    layout->addWidget(outputChosenRow_);

    auto* buttons = new AdaptiveButtonRow;
    chooseOutputButton_ =
        makeButton(QCoreApplication::translate("Screens", "Choose &Output Folder"),
                   QStringLiteral("folder.fill"));
    chooseOutputButton_->setObjectName(QStringLiteral("chooseOutputFolder"));
    showOutputButton_ = makeButton(QCoreApplication::translate("Screens", "Show"),
                                   QStringLiteral("magnifyingglass"));
    buttons->addWidget(chooseOutputButton_);
    buttons->addWidget(showOutputButton_);
    layout->addLayout(buttons);
    connect(chooseOutputButton_, &QPushButton::clicked, this,
            [this] { this->view().settings().chooseOutputFolder(); });
    connect(showOutputButton_, &QPushButton::clicked, this, [this] {
        if (const auto& folder = this->view().state().outputFolder) {
            this->view().services().revealInFileManager(*folder);
        }
    });
    return panel;
}

QWidget* InstructionsCard::buildEndingEffectPanel() {
    QVBoxLayout* layout = nullptr;
    QFrame* panel = makePanel(QStringLiteral("panel"), &layout, this);
    layout->addWidget(makeLabel(QCoreApplication::translate("Screens", "Final ending effect"),
                                QStringLiteral("headline"), panel));
    effectGroup_ = new QButtonGroup(panel);
    effectGroup_->setExclusive(true);
    auto* row = new AdaptiveButtonRow;
    for (const common::FinalEndingEffect effect : common::kAllFinalEndingEffects) {
        QPushButton* button =
            makeButton(songs::title(effect), songs::symbolName(effect), QStringLiteral("choice"));
        button->setCheckable(true);
        effectGroup_->addButton(button, static_cast<int>(effect));
        row->addWidget(button);
    }
    followChoices<common::FinalEndingEffect>(
        effectGroup_, this, [this] { return this->view().state().finalEndingEffect; },
        [this](common::FinalEndingEffect effect) {
            this->view().settings().chooseFinalEndingEffect(effect);
        });
    layout->addLayout(row);
    effectDetail_ = makeLabel({}, QStringLiteral("body"), panel);
    layout->addWidget(effectDetail_);
    return panel;
}

QWidget* InstructionsCard::buildSnapCutsToPanel() {
    QVBoxLayout* layout = nullptr;
    QFrame* panel = makePanel(QStringLiteral("panel"), &layout, this);
    const QString heading = QCoreApplication::translate("Screens", "Snap cuts to");
    layout->addWidget(makeLabel(heading, QStringLiteral("headline"), panel));
    snapGroup_ = new QButtonGroup(panel);
    snapGroup_->setExclusive(true);
    auto* row = new AdaptiveButtonRow;
    for (const songs::SnapCutsTo snap : songs::kAllSnapCutsTo) {
        QPushButton* button = makeButton(songs::title(snap), {}, QStringLiteral("choice"));
        button->setCheckable(true);
        // "Bar" alone says little to a screen reader, and the ending effect has an "Off" too.
        button->setAccessibleName(
            QCoreApplication::translate("Screens", "%1: %2").arg(heading, button->text()));
        snapGroup_->addButton(button, static_cast<int>(snap));
        row->addWidget(button);
    }
    followChoices<songs::SnapCutsTo>(
        snapGroup_, this, [this] { return this->view().state().snapCutsTo; },
        [this](songs::SnapCutsTo snap) { this->view().settings().chooseSnapCutsTo(snap); });
    layout->addLayout(row);
    snapDetail_ = makeLabel({}, QStringLiteral("body"), panel);
    layout->addWidget(snapDetail_);
    return panel;
}

QWidget* InstructionsCard::buildAIAssistPanel() {
    QVBoxLayout* layout = nullptr;
    QFrame* panel = makePanel(QStringLiteral("panel"), &layout, this);
    layout->addWidget(makeRuleRow(
        QStringLiteral("brain.head.profile"),
        QCoreApplication::translate("Screens", "AI assist connection"),
        QCoreApplication::translate(
            "Screens", "Local engine runs first. Pick a fallback only for low-confidence edits."),
        palette::accent(), panel));

    modeGroup_ = new QButtonGroup(panel);
    modeGroup_->setExclusive(true);
    auto* modes = new AdaptiveButtonRow;
    for (const songs::AIAssistMode mode : songs::kAllAIAssistModes) {
        QPushButton* button = makeButton(songs::title(mode), {}, QStringLiteral("choice"));
        button->setCheckable(true);
        modeGroup_->addButton(button, static_cast<int>(mode));
        modes->addWidget(button);
    }
    followChoices<songs::AIAssistMode>(
        modeGroup_, this, [this] { return this->view().state().aiAssistMode; },
        [this](songs::AIAssistMode mode) { this->view().settings().chooseAIAssistMode(mode); });
    layout->addLayout(modes);
    modeDetail_ = makeLabel({}, QStringLiteral("body"), panel);
    layout->addWidget(modeDetail_);

    auto* providers = new AdaptiveButtonRow;
    for (const songs::AIProviderConnection& provider : songs::AIProviderConnection::all()) {
        const QString title =
            QCoreApplication::translate("Songs", provider.title.toUtf8().constData());
        const QString subtitle =
            QCoreApplication::translate("Songs", provider.subtitle.toUtf8().constData());
        QPushButton* button =
            makeButton(QCoreApplication::translate("Screens", "%1  ·  %2").arg(title, subtitle),
                       provider.symbolName, QStringLiteral("link"));
        button->setAccessibleName(title);
        button->setAccessibleDescription(subtitle);
        providers->addWidget(button);
        connect(button, &QPushButton::clicked, this,
                [this, provider] { this->view().settings().openAIProviderConnection(provider); });
    }
    layout->addLayout(providers);
    layout->addWidget(
        makeLabel(QCoreApplication::translate("Screens",
                                              "Provider setup links only. Secure API-key saving "
                                              "is planned for a future update."),
                  QStringLiteral("caption"), panel));
    connectionMessage_ = makeLabel({}, QStringLiteral("accent"), panel);
    layout->addWidget(connectionMessage_);
    return panel;
}

void InstructionsCard::rebuildGuidanceBoxes() {
    // A move rebuilds every box, the focused control's too: the keyboard stays with its song.
    const QWidget* focused = QApplication::focusWidget();
    std::optional<QUuid> focusedSong;
    QString focusedName;
    for (const SongGuidanceBox* box : boxes_) {
        if (focused != nullptr && box->isAncestorOf(focused)) {
            focusedSong = box->track().id;
            focusedName = focused->accessibleName();
        }
    }
    clearLayout(boxesLayout_);
    boxes_.clear();
    const auto& tracks = view().state().tracks;
    const int total = static_cast<int>(tracks.size());
    for (int index = 0; index < total; ++index) {
        auto* box =
            new SongGuidanceBox(view(), tracks[static_cast<size_t>(index)], index, total, this);
        boxes_.push_back(box);
        boxesLayout_->addWidget(box);
        if (focusedSong == box->track().id) box->takeFocus(focusedName);
    }
    orderTabChainByLayout(this);
}

void InstructionsCard::refresh() {
    const WizardState& state = view().state();
    // Ids and order: a move swaps songs, a replacement brings a new id.
    QString key;
    for (const songs::TrackFile& track : state.tracks) key += track.id.toString();
    if (key != shownTracksKey_) {
        shownTracksKey_ = key;
        rebuildGuidanceBoxes();
    } else {
        for (SongGuidanceBox* box : boxes_) box->refresh();
    }
    refreshOutputFolder();
    refreshOptions();
    viewEditButton_->setVisible(state.completedOutputFolder.has_value() && !state.isCreatingEdit);
    const LabelledSymbol label = createEditButtonLabel(view());
    updateButton(createEditButton_,
                 label.text == QCoreApplication::translate("Screens", "Create Edit")
                     ? QCoreApplication::translate("Screens", "&Create Edit")
                     : label.text,
                 label.symbolName, QStringLiteral("primary"));
}

void InstructionsCard::refreshOutputFolder() {
    const auto& folder = view().state().outputFolder;
    outputRequired_->setVisible(!folder);
    outputChosenRow_->setVisible(folder.has_value());
    if (folder) outputPath_->setText(*folder);
    updateButton(chooseOutputButton_,
                 folder ? QCoreApplication::translate("Screens", "Change &Folder")
                        : QCoreApplication::translate("Screens", "Choose &Output Folder"),
                 QStringLiteral("folder.fill"), {});
    showOutputButton_->setVisible(folder.has_value());
}

void InstructionsCard::refreshOptions() {
    const WizardState& state = view().state();
    if (QAbstractButton* chosen = effectGroup_->button(static_cast<int>(state.finalEndingEffect))) {
        chosen->setChecked(true);
    }
    effectDetail_->setText(songs::detail(state.finalEndingEffect));
    if (QAbstractButton* chosen = snapGroup_->button(static_cast<int>(state.snapCutsTo))) {
        chosen->setChecked(true);
    }
    snapDetail_->setText(songs::detail(state.snapCutsTo));
    if (QAbstractButton* chosen = modeGroup_->button(static_cast<int>(state.aiAssistMode))) {
        chosen->setChecked(true);
    }
    modeDetail_->setText(songs::detail(state.aiAssistMode));
    connectionMessage_->setText(state.aiConnectionMessage);
    connectionMessage_->setVisible(!state.aiConnectionMessage.isEmpty());
}

}  // namespace app::ui
