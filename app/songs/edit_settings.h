#pragma once
// Edit settings: per-song times and notes, the edit options, the three stored
// preferences and the output folder.

#include <QString>
#include <vector>

#include "app/songs/edit_options.h"
#include "app/songs/song_context.h"
#include "app/state/track_file.h"
#include "common/final_ending_effect.h"

namespace app::songs {

// The text field bindings: reading gives "0:00" / empty text by default, writing
// stores the text exactly as typed under the song's path.
QString songStartTime(const WizardState& state, const TrackFile& track);
QString songEndTime(const WizardState& state, const TrackFile& track);
QString songGuidanceText(const WizardState& state, const TrackFile& track);
void setSongStartTime(SongContext& context, const TrackFile& track, const QString& text);
void setSongEndTime(SongContext& context, const TrackFile& track, const QString& text);
void setSongGuidanceText(SongContext& context, const TrackFile& track, const QString& text);

// Fit the per-song maps to the current songs: a note for every song (its position's
// starter unless the user wrote one), a start time for every song ("0:00" when blank).
void syncSongGuidance(WizardState& state);
void syncSongTimingFields(WizardState& state);
// After songs changed places, untouched notes become the starter of their new position.
void refreshStarterGuidanceAfterOrderChange(WizardState& state,
                                            const std::vector<TrackFile>& oldTracks);

void chooseFinalEndingEffect(SongContext& context, common::FinalEndingEffect effect);
void chooseSnapToBeat(SongContext& context, bool snapToBeat);
void chooseAIAssistMode(SongContext& context, AIAssistMode mode);
void saveAIAssistPreferences(const WizardState& state, PlatformServices& services);
void openAIProviderConnection(SongContext& context, const AIProviderConnection& provider);
void chooseOutputFolder(SongContext& context);
// Restores "reelhopperAIAssistMode", "tunewrightFinalEndingEffect" and
// "tunewrightSnapToBeat".
void restorePreferences(SongContext& context);

}  // namespace app::songs
