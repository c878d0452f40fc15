// Edit settings: per-song times and notes, the edit options, the three stored preferences
// and the output folder.

#include "app/songs/edit_settings.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QUrl>

#include "app/platform_words.h"
#include "app/songs/default_notes.h"
#include "app/songs/media_library_paths.h"
#include "app/songs/song_selection.h"
#include "app/songs/starter_guidance.h"

namespace app::songs {
namespace {

const QString kAIAssistModeKey = QStringLiteral("reelhopperAIAssistMode");
const QString kFinalEndingEffectKey = QStringLiteral("tunewrightFinalEndingEffect");
// Where cuts snap lives under two keys so that a build that knows only On and Off keeps its
// meaning: the older key says whether cuts snap at all ("true" for Beat and Bar), the newer
// one which of the two. A build that knows only the older key may change it without touching
// the newer one, so the older key decides On or Off and the newer one only refines On.
const QString kSnapToBeatKey = QStringLiteral("tunewrightSnapToBeat");
const QString kSnapCutsToKey = QStringLiteral("tunewrightSnapCutsTo");
const QString kDefaultStartTime = QStringLiteral("0:00");

// An untouched note is replaced when songs change places; the user's own words stay.
bool isUntouchedNote(const QString& note, const QString& formerStarterText) {
    return note == formerStarterText || note.trimmed().isEmpty() || isDefaultNote(note);
}

// Stores `text` under `path`. A changed value means the finished edit no longer matches
// the settings, so it stops being offered as the result of this setup.
void storeSetting(WizardState& state, QHash<QString, QString>& settings, const QString& path,
                  const QString& text) {
    const auto existing = settings.constFind(path);
    if (existing == settings.constEnd() || *existing != text) state.completedOutputFolder.reset();
    settings.insert(path, text);
}

std::optional<SnapCutsTo> storedSnapCutsTo(const PlatformServices& services) {
    const QString snapsAtAll = services.preference(kSnapToBeatKey).value_or(QString());
    const QString which = services.preference(kSnapCutsToKey).value_or(QString());
    if (snapsAtAll == QLatin1String("false")) return SnapCutsTo::off;
    if (snapsAtAll == QLatin1String("true")) {
        return which == id(SnapCutsTo::bar) ? SnapCutsTo::bar : SnapCutsTo::beat;
    }
    return snapCutsToFromRawValue(which);
}

std::optional<int> firstPosition(const std::vector<TrackFile>& tracks, const QString& path) {
    for (size_t position = 0; position < tracks.size(); ++position) {
        if (tracks[position].url == path) return static_cast<int>(position);
    }
    return std::nullopt;
}

}  // namespace

QString EditSettings::songStartTime(const TrackFile& track) const {
    const WizardState& state = context_.state();
    return state.songStartTimes.value(track.url, kDefaultStartTime);
}

QString EditSettings::songEndTime(const TrackFile& track) const {
    const WizardState& state = context_.state();
    return state.songEndTimes.value(track.url);
}

QString EditSettings::songGuidanceText(const TrackFile& track) const {
    const WizardState& state = context_.state();
    return state.songGuidance.value(track.url);
}

void EditSettings::setSongStartTime(const TrackFile& track, const QString& text) {
    WizardState& state = context_.state();
    storeSetting(state, state.songStartTimes, track.url, text);
    context_.notifyChanged();
}

void EditSettings::setSongEndTime(const TrackFile& track, const QString& text) {
    WizardState& state = context_.state();
    storeSetting(state, state.songEndTimes, track.url, text);
    context_.notifyChanged();
}

void EditSettings::setSongGuidanceText(const TrackFile& track, const QString& text) {
    WizardState& state = context_.state();
    storeSetting(state, state.songGuidance, track.url, text);
    context_.notifyChanged();
}

std::optional<JoinChoice> EditSettings::handJoinChoice(const TrackFile& track) const {
    const WizardState& state = context_.state();
    const auto chosen = state.songJoinChoices.constFind(track.url);
    if (chosen == state.songJoinChoices.constEnd()) return std::nullopt;
    return *chosen;
}

void EditSettings::chooseJoin(const TrackFile& track, JoinChoice choice) {
    WizardState& state = context_.state();
    const std::optional<int> position = firstPosition(state.tracks, track.url);
    if (!position || *position + 1 >= static_cast<int>(state.tracks.size())) return;
    if (handJoinChoice(track) != choice) state.completedOutputFolder.reset();
    state.songJoinChoices.insert(track.url, choice);
    context_.notifyChanged();
}

void EditSettings::chooseEnding(JoinChoice choice) {
    WizardState& state = context_.state();
    if (!isEnding(choice)) return;
    if (state.endingChoice != choice) state.completedOutputFolder.reset();
    state.endingChoice = choice;
    context_.notifyChanged();
}

void EditSettings::syncJoinChoices() {
    WizardState& state = context_.state();
    QHash<QString, JoinChoice> joins;
    for (size_t index = 0; index + 1 < state.tracks.size(); ++index) {
        const QString& path = state.tracks[index].url;
        const auto chosen = state.songJoinChoices.constFind(path);
        if (chosen != state.songJoinChoices.constEnd()) joins.insert(path, *chosen);
    }
    state.songJoinChoices = std::move(joins);
}

void EditSettings::syncSongGuidance() {
    WizardState& state = context_.state();
    const int total = static_cast<int>(state.tracks.size());
    QHash<QString, QString> guidance;
    for (int index = 0; index < total; ++index) {
        const QString& path = state.tracks[static_cast<size_t>(index)].url;
        const auto existing = state.songGuidance.constFind(path);
        // A default left from another position or song count is replaced by this one's.
        const bool keepsExisting =
            existing != state.songGuidance.constEnd() && !isDefaultNote(*existing);
        guidance.insert(path, keepsExisting ? *existing : starterGuidance(index, total));
    }
    state.songGuidance = std::move(guidance);
}

void EditSettings::syncSongTimingFields() {
    WizardState& state = context_.state();
    QHash<QString, QString> startTimes;
    QHash<QString, QString> endTimes;
    for (const TrackFile& track : state.tracks) {
        const QString start = state.songStartTimes.value(track.url).trimmed();
        startTimes.insert(track.url, start.isEmpty() ? kDefaultStartTime : start);
        endTimes.insert(track.url, state.songEndTimes.value(track.url));
    }
    state.songStartTimes = std::move(startTimes);
    state.songEndTimes = std::move(endTimes);
}

void EditSettings::refreshStarterGuidanceAfterOrderChange(const std::vector<TrackFile>& oldTracks) {
    WizardState& state = context_.state();
    const int oldTotal = static_cast<int>(oldTracks.size());
    const int total = static_cast<int>(state.tracks.size());
    for (int index = 0; index < total; ++index) {
        const QString& path = state.tracks[static_cast<size_t>(index)].url;
        const std::optional<int> oldIndex = firstPosition(oldTracks, path);
        const QString formerStarter = oldIndex ? starterGuidance(*oldIndex, oldTotal) : QString();
        if (isUntouchedNote(state.songGuidance.value(path), formerStarter)) {
            state.songGuidance.insert(path, starterGuidance(index, total));
        }
    }
}

void EditSettings::chooseFinalEndingEffect(common::FinalEndingEffect effect) {
    WizardState& state = context_.state();
    if (effect != state.finalEndingEffect) state.completedOutputFolder.reset();
    state.finalEndingEffect = effect;
    context_.services().setPreference(kFinalEndingEffectKey,
                                      QString::fromLatin1(common::rawValue(effect)));
    context_.notifyChanged();
}

void EditSettings::chooseSnapCutsTo(SnapCutsTo snap) {
    WizardState& state = context_.state();
    if (snap != state.snapCutsTo) state.completedOutputFolder.reset();
    state.snapCutsTo = snap;
    PlatformServices& services = context_.services();
    services.setPreference(
        kSnapToBeatKey, snap == SnapCutsTo::off ? QStringLiteral("false") : QStringLiteral("true"));
    services.setPreference(kSnapCutsToKey, id(snap));
    context_.notifyChanged();
}

void EditSettings::chooseAIAssistMode(AIAssistMode mode) {
    context_.state().aiAssistMode = mode;
    saveAIAssistPreferences();
    context_.notifyChanged();
}

void EditSettings::saveAIAssistPreferences() {
    const WizardState& state = context_.state();
    PlatformServices& services = context_.services();
    services.setPreference(kAIAssistModeKey, id(state.aiAssistMode));
}

void EditSettings::openAIProviderConnection(const AIProviderConnection& provider) {
    WizardState& state = context_.state();
    state.aiAssistMode = AIAssistMode::providerLater;
    saveAIAssistPreferences();
    state.aiConnectionMessage =
        QCoreApplication::translate("Songs", provider.message.toUtf8().constData());
    if (provider.setupURL) {
        const QUrl address(*provider.setupURL, QUrl::StrictMode);
        if (address.isValid() && !address.scheme().isEmpty()) {
            context_.services().openWebAddress(*provider.setupURL);
        }
    }
    context_.notifyChanged();
}

void EditSettings::chooseOutputFolder() {
    WizardState& state = context_.state();
    PlatformServices& services = context_.services();
    const auto refuse = [this, &state](const QString& status) {
        state.status = status;
        context_.notifyChanged();
    };
    if (!songFolderReady(state)) {
        return refuse(QCoreApplication::translate(
            "Songs", "Choose 1, 2, or 3 songs before choosing the output folder."));
    }
    if (state.isCreatingEdit) {
        // A new output folder resets the progress, which would hide the running edit.
        return refuse(QCoreApplication::translate(
            "Songs", "Stop the edit before going back to change the setup."));
    }
    OpenPanelRequest request;
    request.title =
        QCoreApplication::translate("Songs", "Choose where the finished edit should be saved");
    request.prompt = QCoreApplication::translate("Songs", "Choose Output Folder");
    request.message = QCoreApplication::translate(
        "Songs", "Choose where this app should save the finished MP3 and edit notes.");
    request.startDirectory = privacySafePickerStartDirectory(
        state, services, state.outputFolder ? state.outputFolder : state.selectedFolder);
    request.canChooseFiles = false;
    request.canChooseDirectories = true;
    request.allowsMultipleSelection = false;
    request.canCreateDirectories = true;

    const QStringList chosen = services.runOpenPanel(request);
    if (chosen.isEmpty() || chosen.front().isEmpty()) return;
    const QString folder = chosen.front();
    if (isBlockedMediaLibraryPath(folder, services.homeFolder()) || !QFileInfo(folder).isDir()) {
        return refuse(QCoreApplication::translate("Songs",
                                                  "Choose a regular output folder in Desktop, "
                                                  "Downloads, or Documents. This app does not "
                                                  "need %1.")
                          .arg(platform_words::mediaLibraryAccess()));
    }
    state.outputFolder = folder;
    context_.resetProgress();
    state.status = QCoreApplication::translate(
        "Songs", "Output folder selected. Add any timing notes, then click Create Edit.");
    context_.notifyChanged();
}

void EditSettings::restorePreferences() {
    WizardState& state = context_.state();
    const PlatformServices& services = context_.services();
    if (const auto stored = services.preference(kAIAssistModeKey)) {
        if (const auto mode = aiAssistModeFromRawValue(*stored)) state.aiAssistMode = *mode;
    }
    if (const auto stored = services.preference(kFinalEndingEffectKey)) {
        const QByteArray raw = stored->toUtf8();
        if (const auto effect = common::finalEndingEffectFromRawValue(
                std::string_view(raw.constData(), static_cast<size_t>(raw.size())))) {
            state.finalEndingEffect = *effect;
        }
    }
    if (const auto snap = storedSnapCutsTo(services)) state.snapCutsTo = *snap;
    context_.notifyChanged();
}

}  // namespace app::songs
