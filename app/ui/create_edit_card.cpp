#include "app/ui/create_edit_card.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cmath>

#include "app/run/deliverables.h"
#include "app/run/live_status.h"
#include "app/ui/edit_cover_art.h"
#include "app/ui/screen_texts.h"
#include "app/ui/symbols.h"
#include "app/ui/wizard_style.h"
#include "app/wizard/wizard.h"

namespace app::ui {
namespace {

constexpr int kBarSteps = 1000;
constexpr int kCoverSide = 72;  // pixels

QProgressBar* makeBar(QWidget* parent) {
    auto* bar = new QProgressBar(parent);
    bar->setRange(0, kBarSteps);
    bar->setTextVisible(false);
    return bar;
}

void setBar(QProgressBar* bar, double fraction) {
    const int value = static_cast<int>(std::lround(std::clamp(fraction, 0.0, 1.0) * kBarSteps));
    if (bar->value() != value) bar->setValue(value);
}

QString styleRoleFor(run::StatusColor color) {
    switch (color) {
        case run::StatusColor::green:
            return QStringLiteral("success");
        case run::StatusColor::red:
            return QStringLiteral("danger");
        case run::StatusColor::orange:
            return QStringLiteral("warning");
        case run::StatusColor::amber:
            break;
    }
    return {};
}

QColor titleColor(const Wizard& view) {
    if (view.state().completedOutputFolder) return palette::success();
    if (runEndedWithoutEdit(view)) return statusColor(view.progress().liveEditStatusColor());
    return palette::accent();
}

}  // namespace

CreateEditCard::CreateEditCard(Wizard& view, QWidget* parent) : ScreenCard(4, view, parent) {
    auto* titleRow = new QHBoxLayout;
    titleRow->setSpacing(10);
    titleSymbol_ = new SymbolLabel(26, this);
    titleRow->addWidget(titleSymbol_);
    title_ = makeLabel({}, QStringLiteral("title"), this);
    titleRow->addWidget(title_, 1);
    content()->addLayout(titleRow);
    description_ = makeLabel({}, QStringLiteral("body"), this);
    content()->addWidget(description_);

    finishedEdit_ = new QWidget(this);
    auto* finishedRow = new QHBoxLayout(finishedEdit_);
    finishedRow->setContentsMargins(0, 0, 0, 0);
    finishedRow->setSpacing(12);
    finishedCover_ = new QLabel(finishedEdit_);
    finishedCover_->setFixedSize(kCoverSide, kCoverSide);
    finishedCover_->setAccessibleName(QCoreApplication::translate("Screens", "Cover art"));
    finishedRow->addWidget(finishedCover_);
    finishedName_ = makeLabel({}, QStringLiteral("headline"), finishedEdit_);
    finishedName_->setObjectName(QStringLiteral("finishedEditName"));
    finishedName_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    finishedRow->addWidget(finishedName_, 1);
    finishedEdit_->hide();
    content()->addWidget(finishedEdit_);

    // The finished edit's waveform and join previews, right under its name.
    preview_ = new EditPreview(this);
    content()->addWidget(preview_);

    // The live status panel.
    QVBoxLayout* liveLayout = nullptr;
    QFrame* live = makePanel(QStringLiteral("panel"), &liveLayout, this);
    auto* liveTop = new QHBoxLayout;
    liveTop->setSpacing(12);
    liveSymbol_ = new SymbolLabel(24, live);
    liveTop->addWidget(liveSymbol_, 0, Qt::AlignTop);
    auto* liveText = new QVBoxLayout;
    liveText->setSpacing(4);
    liveHeadline_ = makeLabel({}, QStringLiteral("headline"), live);
    liveHeadline_->setObjectName(QStringLiteral("liveEditHeadline"));
    liveMessage_ = makeLabel({}, QStringLiteral("body"), live);
    liveText->addWidget(liveHeadline_);
    liveText->addWidget(liveMessage_);
    liveTop->addLayout(liveText, 1);
    liveLayout->addLayout(liveTop);
    overallBar_ = makeBar(live);
    overallBar_->setAccessibleName(QCoreApplication::translate("Screens", "Overall progress"));
    liveLayout->addWidget(overallBar_);
    // Once the edit is complete the progress list folds into the line beside the timing, so
    // the edit itself stays in view on a small screen; the line opens the list again.
    auto* timingRow = new QHBoxLayout;
    liveTiming_ = makeLabel({}, QStringLiteral("mono"), live);
    timingRow->addWidget(liveTiming_, 1);
    foldToggle_ = makeButton({}, QStringLiteral("checkmark.circle.fill"), {}, live);
    foldToggle_->setCheckable(true);
    foldToggle_->hide();
    timingRow->addWidget(foldToggle_);
    liveLayout->addLayout(timingRow);
    monitoringNote_ = makeLabel(
        QCoreApplication::translate("Progress", run::liveEditMonitoringNote.toUtf8().constData()),
        QStringLiteral("caption"), live);
    liveLayout->addWidget(monitoringNote_);
    content()->addWidget(live);

    // The progress list.
    QVBoxLayout* listLayout = nullptr;
    progressList_ = makePanel(QStringLiteral("panel"), &listLayout, this);
    listLayout->addWidget(makeLabel(QCoreApplication::translate("Screens", "Music edit progress"),
                                    QStringLiteral("headline"), progressList_));
    phasesLayout_ = new QVBoxLayout;
    phasesLayout_->setSpacing(12);
    listLayout->addLayout(phasesLayout_);
    content()->addWidget(progressList_);
    connect(foldToggle_, &QPushButton::toggled, progressList_, &QWidget::setVisible);

    // The short log.
    QVBoxLayout* logLayout = nullptr;
    QFrame* logFrame = makePanel(QStringLiteral("log"), &logLayout, this);
    log_ = makeLabel({}, QStringLiteral("mono"), logFrame);
    log_->setObjectName(QStringLiteral("createLog"));
    log_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    logLayout->addWidget(log_);
    content()->addWidget(logFrame);

    auto* buttons = new AdaptiveButtonRow;
    stopButton_ = makeButton(QCoreApplication::translate("Screens", "S&top Edit"),
                             QStringLiteral("stop.circle"), QStringLiteral("danger"));
    backButton_ =
        makeButton(QCoreApplication::translate("Screens", "&Back"), QStringLiteral("chevron.left"));
    viewEditButton_ = makeButton(QCoreApplication::translate("Screens", "&View Edit"),
                                 QStringLiteral("music.note.list"), QStringLiteral("success"));
    workFolderButton_ = makeButton(QCoreApplication::translate("Screens", "Show &Work Folder"),
                                   QStringLiteral("folder.badge.gearshape"));
    anotherEditButton_ = makeButton(QCoreApplication::translate("Screens", "Create &Another Edit"),
                                    QStringLiteral("plus.circle"));
    backToSetupButton_ = makeButton(QCoreApplication::translate("Screens", "Back to &Setup"),
                                    QStringLiteral("chevron.left"));
    for (QPushButton* button : {stopButton_, backButton_, viewEditButton_, workFolderButton_,
                                anotherEditButton_, backToSetupButton_}) {
        buttons->addWidget(button);
    }
    content()->addLayout(buttons);
    connect(stopButton_, &QPushButton::clicked, this,
            [this] { this->view().runs().stopCreateEdit(); });
    connect(backButton_, &QPushButton::clicked, this,
            [this] { this->view().progress().backToInstructions(); });
    connect(viewEditButton_, &QPushButton::clicked, this,
            [this] { this->view().viewCreatedEdit(); });
    connect(workFolderButton_, &QPushButton::clicked, this,
            [this] { this->view().showWorkFolder(); });
    connect(anotherEditButton_, &QPushButton::clicked, this,
            [this] { this->view().createAnotherEdit(); });
    connect(backToSetupButton_, &QPushButton::clicked, this,
            [this] { this->view().backToSetup(); });
    content()->addStretch(1);
}

QPushButton* CreateEditCard::mainButton() const {
    if (view().state().completedOutputFolder) return viewEditButton_;
    // Stopping is never the main button: a second Ctrl+Return meant for Create Edit must
    // not end the run it just started. Stop takes a click or its Alt shortcut.
    if (view().state().isCreatingEdit) return nullptr;
    return backButton_;
}

void CreateEditCard::rebuildPhaseRows() {
    clearLayout(phasesLayout_);
    phaseRows_.clear();
    for (const run::ProgressRow& phase : view().state().createSteps) {
        auto* rowWidget = new QWidget(this);
        rowWidget->setAccessibleName(phase.title);
        auto* column = new QVBoxLayout(rowWidget);
        column->setContentsMargins(0, 0, 0, 0);
        column->setSpacing(4);
        auto* top = new QHBoxLayout;
        top->setSpacing(8);
        PhaseRow row{};
        row.symbol = new SymbolLabel(18, rowWidget);
        top->addWidget(row.symbol);
        row.title = makeLabel(phase.title, QStringLiteral("headline"), rowWidget);
        top->addWidget(row.title, 1);
        row.word = makeLabel({}, QStringLiteral("muted"), rowWidget);
        row.word->setWordWrap(false);
        top->addWidget(row.word);
        column->addLayout(top);
        row.detail = makeLabel({}, QStringLiteral("body"), rowWidget);
        column->addWidget(row.detail);
        row.bar = makeBar(rowWidget);
        row.bar->setAccessibleName(
            QCoreApplication::translate("Screens", "%1 progress").arg(phase.title));
        column->addWidget(row.bar);
        phasesLayout_->addWidget(rowWidget);
        phaseRows_.push_back(row);
    }
    orderTabChainByLayout(this);
}

void CreateEditCard::refreshPhaseRows() {
    const auto& steps = view().state().createSteps;
    QString key;
    for (const run::ProgressRow& phase : steps) key += run::rawValue(phase.id) + QLatin1Char('|');
    if (key != shownPhasesKey_ || phaseRows_.size() != steps.size()) {
        shownPhasesKey_ = key;
        rebuildPhaseRows();
    }
    for (size_t i = 0; i < steps.size(); ++i) {
        const run::ProgressRow& phase = steps[i];
        PhaseRow& row = phaseRows_[i];
        const PhaseStateMark mark = phaseStateMark(phase.state);
        row.symbol->setSymbol(mark.symbolName, mark.color);  // the word beside it says the state
        row.title->setText(phase.title);
        row.word->setText(mark.word);
        setStyleRole(row.word, mark.styleRole);
        row.detail->setText(phase.detail);
        setBar(row.bar, phase.progress);
        setStyleRole(row.bar,
                     mark.styleRole == QLatin1String("accent") ? QString() : mark.styleRole);
    }

    const bool folds = view().state().completedOutputFolder.has_value();
    if (folds) {
        updateButton(
            foldToggle_,
            QCoreApplication::translate("Screens", "All %1 steps complete").arg(steps.size()),
            QStringLiteral("checkmark.circle.fill"), {});
    } else {
        foldToggle_->setChecked(false);  // the next complete edit starts folded again
    }
    foldToggle_->setVisible(folds);
    progressList_->setVisible(!folds || foldToggle_->isChecked());
}

void CreateEditCard::refreshLiveStatus() {
    const Wizard& model = view();
    const run::StatusColor color = model.progress().liveEditStatusColor();
    liveSymbol_->setSymbol(model.progress().liveEditSymbolName(), statusColor(color));
    liveHeadline_->setText(model.progress().liveEditHeadline());
    liveMessage_->setText(model.progress().liveEditMessage());
    liveTiming_->setText(model.progress().liveEditTimingText());
    monitoringNote_->setVisible(model.state().isCreatingEdit);
    setBar(overallBar_, model.progress().overallProgress());
    setStyleRole(overallBar_, styleRoleFor(color));
    log_->setText(model.state().createLog);
    log_->parentWidget()->setVisible(!model.state().createLog.isEmpty());
}

void CreateEditCard::refreshButtons() {
    const WizardState& state = view().state();
    stopButton_->setVisible(state.isCreatingEdit);
    viewEditButton_->setVisible(state.completedOutputFolder.has_value());
    workFolderButton_->setEnabled(state.handoffFolder.has_value());
    // Clearing the songs would forget the running engine; stop the edit first.
    anotherEditButton_->setEnabled(!state.isCreatingEdit);
    for (QPushButton* button : {stopButton_, backButton_, viewEditButton_}) {
        button->setDefault(button == mainButton());
    }
}

// The edit is read again only when another file, or a rewritten one, is the newest.
void CreateEditCard::refreshFinishedEdit() {
    const std::optional<QString>& folder = view().state().completedOutputFolder;
    const std::optional<QString> edit = folder ? run::newestAudioFile(*folder) : std::nullopt;
    const QFileInfo file(edit.value_or(QString()));
    const QString key =
        edit ? *edit + QLatin1Char('|') + QString::number(file.lastModified().toMSecsSinceEpoch())
             : QString();
    if (key == shownEditKey_) return;
    shownEditKey_ = key;
    finishedEdit_->setVisible(edit.has_value());
    preview_->showEdit(edit.value_or(QString()));
    if (!edit) return;
    finishedName_->setText(file.fileName());
    const QImage cover = editCoverArt(*edit);
    finishedCover_->setVisible(!cover.isNull());
    finishedCover_->setPixmap(cover.isNull() ? QPixmap()
                                             : QPixmap::fromImage(cover.scaled(
                                                   kCoverSide, kCoverSide, Qt::KeepAspectRatio,
                                                   Qt::SmoothTransformation)));
}

void CreateEditCard::refresh() {
    const LabelledSymbol title = createEditTitle(view());
    title_->setText(title.text);
    titleSymbol_->setSymbol(title.symbolName, titleColor(view()));
    const QString description = createEditDescription(view());
    description_->setText(description);
    description_->setVisible(!description.isEmpty());
    refreshLiveStatus();
    refreshPhaseRows();
    refreshButtons();
    refreshFinishedEdit();
}

}  // namespace app::ui
