#pragma once
// The per-edit choices: edit approach, AI assist mode, the provider links, where cuts snap,
// the joins between songs and the ending effect.

#include <QString>
#include <array>
#include <optional>

#include "app/state/ai_assist_mode.h"
#include "app/state/join_choice.h"
#include "app/state/snap_cuts_to.h"
#include "common/final_ending_effect.h"

namespace app::songs {

enum class EditTimingMode { timeBased };

QString id(EditTimingMode mode);
QString title(EditTimingMode mode);
QString detail(EditTimingMode mode);
QString promptInstruction(EditTimingMode mode);

QString id(AIAssistMode mode);  // the raw value stored in the preferences
QString title(AIAssistMode mode);
QString detail(AIAssistMode mode);
std::optional<AIAssistMode> aiAssistModeFromRawValue(const QString& raw);

// The title, subtitle and message are source texts of the "Songs" translation context: the
// screens translate them where they show them.
struct AIProviderConnection {
    QString id;
    QString title;
    QString subtitle;
    QString symbolName;
    std::optional<QString> setupURL;
    QString message;

    // "openai", "gemini", "grok", "custom", in that order.
    static const std::array<AIProviderConnection, 4>& all();
};

// The snap choice as the Step 3 buttons show it: "Beat", "Bar" or "Off", and what it does.
QString id(SnapCutsTo snap);  // the raw value stored in the preferences: "beat", "bar", "off"
QString title(SnapCutsTo snap);
QString detail(SnapCutsTo snap);
std::optional<SnapCutsTo> snapCutsToFromRawValue(const QString& raw);

// The join choice as the Step 3 buttons show it: "Cut", "Blend 4 beats", ...
QString title(JoinChoice choice);
// The heading of the join choice out of a song: "Into song 2" for `nextNumber` 2.
QString intoSongHeading(int nextNumber);
// The last song's ending choice, shown while the final ending effect is Off.
QString endingHeading();

// An ending effect as the Step 3 buttons show it.
QString title(common::FinalEndingEffect effect);
QString symbolName(common::FinalEndingEffect effect);
QString detail(common::FinalEndingEffect effect);

}  // namespace app::songs
