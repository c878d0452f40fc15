#pragma once
// Edit settings: per-song times and notes, the edit options, the stored
// preferences and the output folder. Interface thread only.

#include <QString>
#include <optional>
#include <vector>

#include "app/songs/edit_options.h"
#include "app/songs/song_context.h"
#include "app/state/track_file.h"
#include "common/final_ending_effect.h"

namespace app::songs {

class EditSettings {
public:
    explicit EditSettings(SongContext& context) : context_(context) {}

    // The text field bindings: reading gives "0:00" / empty text by default, writing
    // stores the text exactly as typed under the song's path.
    QString songStartTime(const TrackFile& track) const;
    QString songEndTime(const TrackFile& track) const;
    QString songGuidanceText(const TrackFile& track) const;
    void setSongStartTime(const TrackFile& track, const QString& text);
    void setSongEndTime(const TrackFile& track, const QString& text);
    void setSongGuidanceText(const TrackFile& track, const QString& text);

    // The join out of a song chosen by hand; absent while its note decides. A hand choice wins
    // over the note from then on, also when the note later asks otherwise. The last song has
    // no join: choosing one for it does nothing.
    std::optional<JoinChoice> handJoinChoice(const TrackFile& track) const;
    void chooseJoin(const TrackFile& track, JoinChoice choice);
    // The last song's ending, chosen by hand; a choice that is no ending (a blend, a pause)
    // does nothing.
    void chooseEnding(JoinChoice choice);

    // Fit the per-song maps to the current songs: a note for every song (its position's
    // starter unless the user wrote one), a start time for every song ("0:00" when blank).
    // They do not notify.
    void syncSongGuidance();
    void syncSongTimingFields();
    // Keeps the hand-chosen joins of the songs still followed by another, where they are.
    void syncJoinChoices();
    // After songs changed places, untouched notes become the starter of their new position.
    void refreshStarterGuidanceAfterOrderChange(const std::vector<TrackFile>& oldTracks);

    void chooseFinalEndingEffect(common::FinalEndingEffect effect);
    void chooseSnapCutsTo(SnapCutsTo snap);
    void chooseAIAssistMode(AIAssistMode mode);
    void openAIProviderConnection(const AIProviderConnection& provider);
    void chooseOutputFolder();
    // Restores "reelhopperAIAssistMode", "tunewrightFinalEndingEffect" and the snap choice
    // ("tunewrightSnapToBeat", refined by "tunewrightSnapCutsTo").
    void restorePreferences();

private:
    void saveAIAssistPreferences();

    SongContext& context_;
};

}  // namespace app::songs
