#include "app/wizard/wizard.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QTimer>

#include "app/platform_words.h"
#include "app/run/deliverables.h"
#include "app/wizard/run_posting_handle.h"

namespace app {

Wizard::Wizard(PlatformServices& services, QObject* parent)
    : QObject(parent),
      services_(services),
      editRunController_(std::make_shared<run::EditRunController>()) {
    // Runs hold a worker for their whole life; leave room for tool checks and copies.
    backgroundPool_.setMaxThreadCount(8);
}

Wizard::~Wizard() {
    // Closing the window during a run stops it like Stop Edit, and waits for the kill.
    editRunController_->cancel();
    backgroundPool_.waitForDone();
    editRunController_->finishPendingKills();
    // The run's completion, which would release its child, was dropped with this wizard; the
    // child's output callback holds a poster that holds the controller, so release it here.
    editRunController_->reset();
}

void Wizard::notifyChanged() { emit changed(); }

QDateTime Wizard::now() const { return clock_ ? clock_() : QDateTime::currentDateTimeUtc(); }

void Wizard::setClockForTesting(std::function<QDateTime()> clock) { clock_ = std::move(clock); }

void Wizard::runInBackground(std::function<void()> work) { backgroundPool_.start(std::move(work)); }

void Wizard::postToInterface(std::function<void()> block) {
    QMetaObject::invokeMethod(this, std::move(block), Qt::QueuedConnection);
}

void Wizard::runLater(int milliseconds, std::function<void()> block) {
    // With the wizard as the timer's context, a wizard destroyed meanwhile runs nothing.
    QTimer::singleShot(milliseconds, this, std::move(block));
}

std::shared_ptr<const run::PostingHandle> Wizard::postingHandleForRun(int runNumber) {
    return std::make_shared<RunPostingHandle>(
        this, [this] { return currentRunNumber(); }, editRunController_, runNumber);
}

void Wizard::waitForBackgroundWork() { backgroundPool_.waitForDone(); }

bool Wizard::songFolderReady() const { return songs::songFolderReady(state_); }

// ---- Start-up and screen actions ----

void Wizard::startUp() {
    settings_.restorePreferences();
    tools_.refreshToolChecksInBackground();
}

void Wizard::viewCreatedEdit() {
    const std::optional<QString> folder =
        state_.completedOutputFolder ? state_.completedOutputFolder : state_.outputFolder;
    if (!folder) {
        state_.status = QCoreApplication::translate("Wizard", "Choose an output folder first.");
    } else if (const std::optional<QString> file = run::newestAudioFile(*folder)) {
        services_.revealInFileManager(*file);
        state_.status =
            QCoreApplication::translate("Wizard", "Complete. Showing the finished edit %1.")
                .arg(platform_words::inFileManager());
    } else {
        services_.revealInFileManager(*folder);
        state_.status =
            QCoreApplication::translate("Wizard", "Complete. Showing the output folder %1.")
                .arg(platform_words::inFileManager());
    }
    notifyChanged();
}

void Wizard::showWorkFolder() {
    // The folder exists only after a successful hand-off export; the button is disabled before.
    if (state_.handoffFolder) services_.revealInFileManager(*state_.handoffFolder);
}

void Wizard::showSongFolder() {
    if (!state_.selectedFolder) {
        state_.status = QCoreApplication::translate("Wizard", "Choose a folder first.");
        notifyChanged();
        return;
    }
    services_.revealInFileManager(*state_.selectedFolder);
}

void Wizard::createAnotherEdit() {
    // clearSongs refuses while an edit runs and otherwise also leaves the progress screen.
    songs_.clearSongs();
}

void Wizard::backToSetup() {
    state_.showCreateProgressScreen = false;
    notifyChanged();
}

}  // namespace app
