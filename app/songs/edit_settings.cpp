// ContentView's edit settings: per-song times and notes, the edit options, the two stored
// preferences and the output folder.

#include <QFileInfo>
#include <QUrl>

#include "app/prepare/note_portion.h"
#include "app/platform_words.h"
#include "app/songs/starter_guidance.h"
#include "app/wizard/content_view.h"

namespace app {
namespace {

const QString kAIAssistModeKey = QStringLiteral("reelhopperAIAssistMode");
const QString kFinalEndingEffectKey = QStringLiteral("tunewrightFinalEndingEffect");
const QString kDefaultStartTime = QStringLiteral("0:00");

// An untouched note is replaced when songs change places; the user's own words stay.
bool isUntouchedNote(const QString& note, const QString& formerStarterText) {
    return note == formerStarterText || note.trimmed().isEmpty() || prepare::isDefaultNote(note);
}

// Stores `text` under `path`. A changed value means the finished edit no longer matches
// the settings, so it stops being offered as the result of this setup.
void storeSetting(WizardState& state, QHash<QString, QString>& settings, const QString& path,
                  const QString& text) {
    const auto existing = settings.constFind(path);
    if (existing == settings.constEnd() || *existing != text) state.completedOutputFolder.reset();
    settings.insert(path, text);
}

std::optional<int> firstPosition(const std::vector<songs::TrackFile>& tracks, const QString& path) {
    for (size_t position = 0; position < tracks.size(); ++position) {
        if (tracks[position].url == path) return static_cast<int>(position);
    }
    return std::nullopt;
}

}  // namespace

QString ContentView::songStartTime(const songs::TrackFile& track) const {
    return state_.songStartTimes.value(track.url, kDefaultStartTime);
}

QString ContentView::songEndTime(const songs::TrackFile& track) const {
    return state_.songEndTimes.value(track.url);
}

QString ContentView::songGuidanceText(const songs::TrackFile& track) const {
    return state_.songGuidance.value(track.url);
}

void ContentView::setSongStartTime(const songs::TrackFile& track, const QString& text) {
    storeSetting(state_, state_.songStartTimes, track.url, text);
    notifyChanged();
}

void ContentView::setSongEndTime(const songs::TrackFile& track, const QString& text) {
    storeSetting(state_, state_.songEndTimes, track.url, text);
    notifyChanged();
}

void ContentView::setSongGuidanceText(const songs::TrackFile& track, const QString& text) {
    storeSetting(state_, state_.songGuidance, track.url, text);
    notifyChanged();
}

void ContentView::syncSongGuidance() {
    const int total = static_cast<int>(state_.tracks.size());
    QHash<QString, QString> guidance;
    for (int index = 0; index < total; ++index) {
        const QString& path = state_.tracks[static_cast<size_t>(index)].url;
        const auto existing = state_.songGuidance.constFind(path);
        // A default left from another position or song count is replaced by this one's.
        const bool keepsExisting =
            existing != state_.songGuidance.constEnd() && !prepare::isDefaultNote(*existing);
        guidance.insert(path, keepsExisting ? *existing : songs::starterGuidance(index, total));
    }
    state_.songGuidance = std::move(guidance);
}

void ContentView::syncSongTimingFields() {
    QHash<QString, QString> startTimes;
    QHash<QString, QString> endTimes;
    for (const songs::TrackFile& track : state_.tracks) {
        const QString start = state_.songStartTimes.value(track.url).trimmed();
        startTimes.insert(track.url, start.isEmpty() ? kDefaultStartTime : start);
        endTimes.insert(track.url, state_.songEndTimes.value(track.url));
    }
    state_.songStartTimes = std::move(startTimes);
    state_.songEndTimes = std::move(endTimes);
}

void ContentView::refreshStarterGuidanceAfterOrderChange(
    const std::vector<songs::TrackFile>& oldTracks) {
    const int oldTotal = static_cast<int>(oldTracks.size());
    const int total = static_cast<int>(state_.tracks.size());
    for (int index = 0; index < total; ++index) {
        const QString& path = state_.tracks[static_cast<size_t>(index)].url;
        const std::optional<int> oldIndex = firstPosition(oldTracks, path);
        const QString formerStarter =
            oldIndex ? songs::starterGuidance(*oldIndex, oldTotal) : QString();
        if (isUntouchedNote(state_.songGuidance.value(path), formerStarter)) {
            state_.songGuidance.insert(path, songs::starterGuidance(index, total));
        }
    }
}

void ContentView::chooseFinalEndingEffect(common::FinalEndingEffect effect) {
    if (effect != state_.finalEndingEffect) state_.completedOutputFolder.reset();
    state_.finalEndingEffect = effect;
    services_.setPreference(kFinalEndingEffectKey, QString::fromLatin1(common::rawValue(effect)));
    notifyChanged();
}

void ContentView::chooseAIAssistMode(songs::AIAssistMode mode) {
    state_.aiAssistMode = mode;
    saveAIAssistPreferences();
    notifyChanged();
}

void ContentView::saveAIAssistPreferences() {
    services_.setPreference(kAIAssistModeKey, songs::id(state_.aiAssistMode));
}

void ContentView::openAIProviderConnection(const songs::AIProviderConnection& provider) {
    state_.aiAssistMode = songs::AIAssistMode::providerLater;
    saveAIAssistPreferences();
    state_.aiConnectionMessage = provider.message;
    if (provider.setupURL) {
        const QUrl address(*provider.setupURL, QUrl::StrictMode);
        if (address.isValid() && !address.scheme().isEmpty()) {
            services_.openWebAddress(*provider.setupURL);
        }
    }
    notifyChanged();
}

void ContentView::chooseOutputFolder() {
    if (!songFolderReady()) {
        state_.status =
            QStringLiteral("Choose 1, 2, or 3 songs before choosing the output folder.");
        notifyChanged();
        return;
    }
    if (state_.isCreatingEdit) {
        // A new output folder resets the progress, which would hide the running edit.
        state_.status = QStringLiteral("Stop the edit before going back to change the setup.");
        notifyChanged();
        return;
    }
    OpenPanelRequest request;
    request.title = QStringLiteral("Choose where the finished edit should be saved");
    request.prompt = QStringLiteral("Choose Output Folder");
    request.message =
        QStringLiteral("Choose where this app should save the finished MP3 and edit notes.");
    request.startDirectory = privacySafePickerStartDirectory(
        state_.outputFolder ? state_.outputFolder : state_.selectedFolder);
    request.canChooseFiles = false;
    request.canChooseDirectories = true;
    request.allowsMultipleSelection = false;
    request.canCreateDirectories = true;

    const QStringList chosen = services_.runOpenPanel(request);
    if (chosen.isEmpty() || chosen.front().isEmpty()) return;
    const QString folder = chosen.front();
    if (isBlockedMediaLibraryPath(folder) || !QFileInfo(folder).isDir()) {
        state_.status =
            "Choose a regular output folder in Desktop, Downloads, or Documents. This app does not "
            "need " +
            platform_words::mediaLibraryAccess() + ".";
        notifyChanged();
        return;
    }
    state_.outputFolder = folder;
    resetProgress();
    state_.status =
        QStringLiteral("Output folder selected. Add any timing notes, then click Create Edit.");
    notifyChanged();
}

void ContentView::restorePreferences() {
    if (const auto stored = services_.preference(kAIAssistModeKey)) {
        if (const auto mode = songs::aiAssistModeFromRawValue(*stored)) state_.aiAssistMode = *mode;
    }
    if (const auto stored = services_.preference(kFinalEndingEffectKey)) {
        const QByteArray raw = stored->toUtf8();
        if (const auto effect = common::finalEndingEffectFromRawValue(
                std::string_view(raw.constData(), static_cast<size_t>(raw.size())))) {
            state_.finalEndingEffect = *effect;
        }
    }
    notifyChanged();
}

}  // namespace app
