#include "app/songs/edit_options.h"

#include <QCoreApplication>
#include <string>

#include "app/platform_words.h"

namespace app::songs {

QString id(EditTimingMode) { return QStringLiteral("timeBased"); }

QString title(EditTimingMode) { return QCoreApplication::translate("Songs", "Time Based Edit"); }

QString detail(EditTimingMode) {
    return QCoreApplication::translate(
        "Songs",
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
            return QCoreApplication::translate("Songs", "Local Only");
        case AIAssistMode::agentFallback:
            return QCoreApplication::translate("Songs", "Codex Fallback");
        case AIAssistMode::providerLater:
            return QCoreApplication::translate("Songs", "Provider API");
    }
    return {};
}

QString detail(AIAssistMode mode) {
    switch (mode) {
        case AIAssistMode::localOnly:
            return QCoreApplication::translate(
                "Songs",
                "No outside help. If confidence is low, the app stops and explains what it needs.");
        case AIAssistMode::agentFallback:
            return QCoreApplication::translate("Songs",
                                               "Local engine first, then Codex on %1 only if the "
                                               "edit needs help.")
                .arg(platform_words::thisComputer());
        case AIAssistMode::providerLater:
            return QCoreApplication::translate(
                "Songs", "Future secure-key option for OpenAI, Gemini, Grok, or another provider.");
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
        {"openai", QT_TRANSLATE_NOOP("Songs", "OpenAI"), QT_TRANSLATE_NOOP("Songs", "API keys"),
         "sparkles", "https://platform.openai.com/api-keys",
         QT_TRANSLATE_NOOP("Songs",
                           "Opened OpenAI setup. Secure API-key saving is planned for a future "
                           "update.")},
        {"gemini", QT_TRANSLATE_NOOP("Songs", "Gemini"), QT_TRANSLATE_NOOP("Songs", "AI Studio"),
         "diamond", "https://aistudio.google.com/app/apikey",
         QT_TRANSLATE_NOOP("Songs",
                           "Opened Gemini setup. Secure API-key saving is planned for a future "
                           "update.")},
        {"grok", QT_TRANSLATE_NOOP("Songs", "Grok"), QT_TRANSLATE_NOOP("Songs", "xAI console"),
         "xmark.circle", "https://console.x.ai/",
         QT_TRANSLATE_NOOP("Songs",
                           "Opened Grok setup. Secure API-key saving is planned for a future "
                           "update.")},
        {"custom", QT_TRANSLATE_NOOP("Songs", "Custom"), QT_TRANSLATE_NOOP("Songs", "coming next"),
         "link", std::nullopt,
         QT_TRANSLATE_NOOP("Songs",
                           "Custom provider setup is planned for the secure-key version.")},
    }};
    return providers;
}

QString id(SnapCutsTo snap) {
    switch (snap) {
        case SnapCutsTo::beat:
            return QStringLiteral("beat");
        case SnapCutsTo::bar:
            return QStringLiteral("bar");
        case SnapCutsTo::off:
            return QStringLiteral("off");
    }
    return QStringLiteral("beat");
}

QString title(SnapCutsTo snap) {
    switch (snap) {
        case SnapCutsTo::beat:
            return QCoreApplication::translate("Songs", "Beat");
        case SnapCutsTo::bar:
            return QCoreApplication::translate("Songs", "Bar");
        case SnapCutsTo::off:
            return QCoreApplication::translate("Songs", "Off");
    }
    return {};
}

QString detail(SnapCutsTo snap) {
    switch (snap) {
        case SnapCutsTo::beat:
            return QCoreApplication::translate(
                "Songs",
                "Cuts move to just before the nearest steady beat, at most half a beat. A song "
                "whose note asks for the bar line has its cuts moved to its bars.");
        case SnapCutsTo::bar:
            return QCoreApplication::translate(
                "Songs",
                "Cuts move to just before the nearest bar line, at most half a bar or 1.2 "
                "seconds. Where a song's bars are unclear, its cuts move to the beat.");
        case SnapCutsTo::off:
            return QCoreApplication::translate(
                "Songs", "Cuts stay on the nearest zero crossing to the typed times.");
    }
    return {};
}

std::optional<SnapCutsTo> snapCutsToFromRawValue(const QString& raw) {
    for (const SnapCutsTo snap : kAllSnapCutsTo) {
        if (id(snap) == raw) return snap;
    }
    return std::nullopt;
}

QString title(JoinChoice choice) {
    switch (choice) {
        case JoinChoice::cut:
            return QCoreApplication::translate("Songs", "Cut");
        case JoinChoice::tapeStop:
            return QCoreApplication::translate("Songs", "Tape stop");
        case JoinChoice::backspin:
            return QCoreApplication::translate("Songs", "Backspin");
        case JoinChoice::scratch:
            return QCoreApplication::translate("Songs", "Scratch");
        case JoinChoice::pause:
            return QCoreApplication::translate("Songs", "Pause");
        case JoinChoice::stutter:
            return QCoreApplication::translate("Songs", "Stutter");
        case JoinChoice::echoOut:
            return QCoreApplication::translate("Songs", "Echo out");
        default:
            return QCoreApplication::translate("Songs", "Blend %1 beats").arg(blendBeats(choice));
    }
}

QString endingHeading() { return QCoreApplication::translate("Songs", "Ending"); }

QString intoSongHeading(int nextNumber) {
    return QCoreApplication::translate("Songs", "Into song %1").arg(nextNumber);
}

QString title(common::FinalEndingEffect effect) {
    // The renderer writes these titles into its notes; only the screen translates them.
    [[maybe_unused]] static constexpr const char* kTitles[] = {
        QT_TRANSLATE_NOOP("Songs", "Off"), QT_TRANSLATE_NOOP("Songs", "Fade"),
        QT_TRANSLATE_NOOP("Songs", "Echo/Fade")};
    return QCoreApplication::translate("Songs", std::string(common::title(effect)).c_str());
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
            return QCoreApplication::translate(
                "Songs", "The finished edit ends on the final clean phrase ending.");
        case common::FinalEndingEffect::fade:
            return QCoreApplication::translate(
                "Songs",
                "The fade starts at the chosen endpoint, then fades for about 2 more seconds.");
        case common::FinalEndingEffect::echoFade:
            return QCoreApplication::translate(
                "Songs",
                "Place the endpoint after the last word. The app repeats that word softly into a "
                "4-second fade.");
    }
    return {};
}

}  // namespace app::songs
