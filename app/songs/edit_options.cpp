#include "app/songs/edit_options.h"

#include "app/platform_words.h"

namespace app::songs {

QString id(EditTimingMode) { return QStringLiteral("timeBased"); }

QString title(EditTimingMode) { return QStringLiteral("Time Based Edit"); }

QString detail(EditTimingMode) {
    return QStringLiteral(
        "Use each Start time and End time as a tight target after setting 0:00 to the first real "
        "musical note, then snap only to the nearest clean beat or bar.");
}

QString promptInstruction(EditTimingMode) {
    return QStringLiteral(
        "Time Based Edit is selected. Treat typed times as tight target windows after normalizing "
        "song zero to the first real musical note/opening downbeat. Stay almost exact: snap only "
        "to the nearest clean beat, bar, downbeat, or zero-crossing needed for a musical cut. If "
        "the target is at the end of a vocal line or instrumental beat, cut before the next lyric "
        "line starts. Do not continue into the next lyric, next chorus, or next section just to "
        "complete a longer phrase.");
}

QString id(AIAssistMode mode) {
    switch (mode) {
        case AIAssistMode::localOnly:
            return QStringLiteral("localOnly");
        case AIAssistMode::agentFallback:
            return QStringLiteral("codexFallback");
        case AIAssistMode::providerLater:
            return QStringLiteral("providerLater");
    }
    return QStringLiteral("codexFallback");
}

QString title(AIAssistMode mode) {
    switch (mode) {
        case AIAssistMode::localOnly:
            return QStringLiteral("Local Only");
        case AIAssistMode::agentFallback:
            return QStringLiteral("Codex Fallback");
        case AIAssistMode::providerLater:
            return QStringLiteral("Provider API");
    }
    return {};
}

QString detail(AIAssistMode mode) {
    switch (mode) {
        case AIAssistMode::localOnly:
            return QStringLiteral(
                "No outside help. If confidence is low, the app stops and explains what it needs.");
        case AIAssistMode::agentFallback:
            return "Local engine first, then Codex on " + platform_words::thisComputer() +
                   " only if the edit needs help.";
        case AIAssistMode::providerLater:
            return QStringLiteral(
                "Future secure-key option for OpenAI, Gemini, Grok, or another provider.");
    }
    return {};
}

std::optional<AIAssistMode> aiAssistModeFromRawValue(const QString& raw) {
    for (AIAssistMode mode : kAllAIAssistModes) {
        if (id(mode) == raw) return mode;
    }
    return std::nullopt;
}

const std::array<AIProviderConnection, 4>& AIProviderConnection::all() {
    static const std::array<AIProviderConnection, 4> providers = {{
        {"openai", "OpenAI", "API keys", "sparkles", "https://platform.openai.com/api-keys",
         "Opened OpenAI setup. Secure API-key saving is planned for a future update."},
        {"gemini", "Gemini", "AI Studio", "diamond", "https://aistudio.google.com/app/apikey",
         "Opened Gemini setup. Secure API-key saving is planned for a future update."},
        {"grok", "Grok", "xAI console", "xmark.circle", "https://console.x.ai/",
         "Opened Grok setup. Secure API-key saving is planned for a future update."},
        {"custom", "Custom", "coming next", "link", std::nullopt,
         "Custom provider setup is planned for the secure-key version."},
    }};
    return providers;
}

QString snapToBeatTitle(bool snapToBeat) {
    return snapToBeat ? QStringLiteral("On") : QStringLiteral("Off");
}

QString snapToBeatDetail(bool snapToBeat) {
    return snapToBeat
               ? QStringLiteral(
                     "Moves each cut to just before the nearest beat when the "
                     "song has a steady beat.")
               : QStringLiteral("Cuts stay on the nearest zero crossing to the typed times.");
}

QString title(common::FinalEndingEffect effect) {
    return QString::fromLatin1(common::title(effect));
}

QString symbolName(common::FinalEndingEffect effect) {
    switch (effect) {
        case common::FinalEndingEffect::none:
            return QStringLiteral("speaker.fill");
        case common::FinalEndingEffect::fade:
            return QStringLiteral("speaker.wave.2.fill");
        case common::FinalEndingEffect::echoFade:
            return QStringLiteral("waveform.path.ecg");
    }
    return {};
}

QString detail(common::FinalEndingEffect effect) {
    switch (effect) {
        case common::FinalEndingEffect::none:
            return QStringLiteral("The finished edit ends on the final clean phrase ending.");
        case common::FinalEndingEffect::fade:
            return QStringLiteral(
                "The fade starts at the chosen endpoint, then fades for about 2 more seconds.");
        case common::FinalEndingEffect::echoFade:
            return QStringLiteral(
                "Place the endpoint after the last word. The app repeats that word softly into a "
                "4-second fade.");
    }
    return {};
}

}  // namespace app::songs
