#include "app/tool_check/tool_probes.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>
#include <limits>

#include "app/platform_words.h"
#include "app/tool_check/agent_command.h"
#include "common/subprocess.h"

namespace app::tools {
namespace {

const QString kBash = QStringLiteral("/bin/bash");
// The row texts are read when a check runs, after the person's language is loaded.
QString bundledInThisApp(const QString& path) {
    return QCoreApplication::translate("ToolCheck", "Bundled in this app:\n%1").arg(path);
}
QString optionalHelperText() {
    return QCoreApplication::translate("ToolCheck",
                                       "Optional helper. Not required for local standalone edits.");
}
QString notConfiguredText() {
    return QCoreApplication::translate("ToolCheck", "Optional fallback not configured on %1.")
        .arg(platform_words::thisComputer());
}
// Shows whether the renderer can decode other formats; the renderer row alone blocks Step 1.
// Row names and descriptive commands stay English in the rows (the code and the report
// lines match on them); the Step 1 screen translates them as it shows them.
const QString kAudioDecodingName =
    QString::fromUtf8(QT_TRANSLATE_NOOP("ToolCheck", "Audio decoding libraries"));
QString neededOnlyForAgentText() {
    return QCoreApplication::translate("ToolCheck", "Optional. Needed only for Codex fallback.");
}

const QString kAudioPackagesImport = QStringLiteral(
    "import numpy, scipy, librosa, soundfile, pydub, mutagen, pyloudnorm; "
    "print('audio python packages OK')");
const QString kMusicAIPackagesImport = QStringLiteral(
    "import torch, torchaudio, torchcodec, demucs, whisper, essentia, librosa, madmom, allin1; "
    "print('music AI analysis packages OK')");

// Strict decoding: a probe whose output is not valid UTF-8 shows nothing rather than mojibake.
QString decodeUtf8OrEmpty(const std::string& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    if (decoder.hasError()) return {};
    return text;
}

std::optional<QString> firstExecutable(const QStringList& candidates) {
    for (const QString& candidate : candidates) {
        if (isExecutableFile(candidate)) return candidate;
    }
    return std::nullopt;
}

std::optional<QString> findBundled(const ToolEnvironment& environment, const QString& name) {
    if (environment.lookups.bundledTool) return environment.lookups.bundledTool(name);
    return bundledToolPath(environment.resourceFolder, name);
}

std::optional<QString> findOnCommandLine(const ToolEnvironment& environment, const QString& name) {
    if (environment.lookups.commandLineTool) return environment.lookups.commandLineTool(name);
    return commandLineToolPath(name, environment.probeTimeout);
}

CommandResult runProbe(const ToolEnvironment& environment, const QString& executable,
                       const QStringList& arguments) {
    if (environment.lookups.probe) return environment.lookups.probe(executable, arguments);
    return runCommandResult(executable, arguments, std::nullopt, environment.probeTimeout);
}

ToolCheck makeCheck(const QString& name, const QString& command, const QString& status,
                    bool isReady) {
    ToolCheck check;
    check.name = name;
    check.command = command;
    check.status = status;
    check.isReady = isReady;
    return check;
}

ToolCheck rendererCheck(const ToolEnvironment& environment) {
    const auto path = findBundled(environment, QStringLiteral("seamforge"));
    return makeCheck(QString::fromUtf8(QT_TRANSLATE_NOOP("ToolCheck", "Local music renderer")),
                     QStringLiteral("seamforge"),
                     path ? bundledInThisApp(*path)
                          : QCoreApplication::translate(
                                "ToolCheck", "Missing from app bundle. Reinstall Tunewright."),
                     path.has_value());
}

// The renderer names the FFmpeg libraries it was built with on its "FFmpeg ..." version line.
std::optional<QString> ffmpegVersionsOf(const ToolEnvironment& environment,
                                        const QString& renderer) {
    const CommandResult result = runProbe(environment, renderer, {QStringLiteral("--version")});
    if (!result.succeeded) return std::nullopt;
    for (const QString& line : result.output.split(QLatin1Char('\n'))) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(QStringLiteral("FFmpeg ")) && trimmed.contains("libav")) {
            return trimmed.mid(7);
        }
    }
    return std::nullopt;
}

ToolCheck audioDecodingCheck(const ToolEnvironment& environment) {
    const auto renderer = findBundled(environment, QStringLiteral("seamforge"));
    const std::optional<QString> versions =
        renderer ? ffmpegVersionsOf(environment, *renderer) : std::nullopt;
    return makeCheck(
        kAudioDecodingName, QStringLiteral("FFmpeg"),
        versions ? QCoreApplication::translate("ToolCheck", "Used by the local renderer:\n%1")
                       .arg(*versions)
                 : QCoreApplication::translate("ToolCheck",
                                               "Missing from app bundle. Reinstall Tunewright."),
        versions.has_value());
}

ToolCheck optionalToolCheck(const ToolEnvironment& environment, const QString& name,
                            const QString& command, bool appResourcesFirst) {
    const std::optional<QString> bundled = findBundled(environment, command);
    std::optional<QString> found = appResourcesFirst ? bundled : std::nullopt;
    if (!found) found = findOnCommandLine(environment, command);
    if (!found) {
        return makeCheck(name, command,
                         optionalFallbackToolNames().contains(name)
                             ? optionalHelperText()
                             : QCoreApplication::translate("ToolCheck", "Not found"),
                         false);
    }
    return makeCheck(name, command, bundled == found ? bundledInThisApp(*found) : *found, true);
}

ToolCheck encoderCheck(const ToolEnvironment& environment) {
    // As lameProgramPath: the bundle's, else the one on the command line.
    const auto bundled = findBundled(environment, QStringLiteral("lame"));
    const auto found = bundled ? bundled : findOnCommandLine(environment, QStringLiteral("lame"));
    QString status = QCoreApplication::translate(
        "ToolCheck", "Missing bundled LAME encoder. Reinstall Tunewright.");
    if (found) status = bundled == found ? bundledInThisApp(*found) : *found;
    return makeCheck(QString::fromUtf8(QT_TRANSLATE_NOOP("ToolCheck", "MP3 encoder")),
                     QString::fromUtf8(QT_TRANSLATE_NOOP("ToolCheck", "bundled lame")), status,
                     found.has_value());
}

// Without an environment of its own, the system's python3.11 is asked.
ToolCheck pythonPackagesCheck(const ToolEnvironment& environment, const QString& name,
                              const std::optional<QString>& interpreter,
                              const QString& commandWithoutInterpreter, const QString& importLine) {
    const CommandResult result =
        interpreter ? runProbe(environment, *interpreter, {QStringLiteral("-c"), importLine})
                    : runProbe(environment, kBash,
                               {QStringLiteral("-lc"), "python3.11 -c \"" + importLine + "\""});
    const QString command = interpreter ? *interpreter : commandWithoutInterpreter;
    if (!result.succeeded) return makeCheck(name, command, notConfiguredText(), false);
    const QString where =
        interpreter ? *interpreter : QCoreApplication::translate("ToolCheck", "system python3");
    return makeCheck(name, command, result.output.trimmed() + "\n" + where, true);
}

ToolCheck agentCheck(const std::optional<QString>& agentPath) {
    return makeCheck(
        QString::fromUtf8(QT_TRANSLATE_NOOP("ToolCheck", "Codex CLI")), QStringLiteral("codex"),
        agentPath
            ? QCoreApplication::translate("ToolCheck", "Optional AI fallback ready:\n%1")
                  .arg(*agentPath)
            : QCoreApplication::translate(
                  "ToolCheck", "Optional. Local standalone edits can still run without Codex."),
        agentPath.has_value());
}

ToolCheck skillCheck(const ToolEnvironment& environment) {
    const QString path = agentSkillPath(environment.homeFolder);
    const bool exists = QFileInfo::exists(path);
    return makeCheck(
        QString::fromUtf8(QT_TRANSLATE_NOOP("ToolCheck", "Velvetcut skill")), path,
        exists ? QCoreApplication::translate("ToolCheck", "Optional fallback skill ready:\n%1")
                     .arg(path)
               : neededOnlyForAgentText(),
        exists);
}

}  // namespace

bool isExecutableFile(const QString& path) {
    if (path.isEmpty() || !QFileInfo(path).isFile()) return false;
    return ::access(QFile::encodeName(path).constData(), X_OK) == 0;
}

CommandResult runCommandResult(const QString& executable, const QStringList& arguments,
                               const std::optional<QString>& workingDirectory,
                               std::chrono::milliseconds timeout) {
    common::SubprocessOptions options;
    options.executable = QFile::encodeName(executable).toStdString();
    for (const QString& argument : arguments) options.arguments.push_back(argument.toStdString());
    if (workingDirectory)
        options.workingDirectory = QFile::encodeName(*workingDirectory).toStdString();
    options.stdinFromNullDevice = true;
    // A login shell's children (a profile, python) go down with it when it runs out of time.
    options.ownProcessGroup = true;
    const common::CapturedRun run =
        common::runAndCapture(std::move(options), std::numeric_limits<size_t>::max(), timeout);
    if (run.startError || run.timedOut) return {};
    CommandResult result;
    result.output = decodeUtf8OrEmpty(run.output);
    result.succeeded = run.status.succeeded();
    return result;
}

std::optional<QString> bundledToolPath(const QString& resourceFolder, const QString& name) {
    // An empty resource folder would turn the candidates into paths relative to the current folder.
    if (resourceFolder.isEmpty() || name.isEmpty()) return std::nullopt;
    const QDir resources(resourceFolder);
    return firstExecutable({resources.filePath("StandaloneEngine/bin/" + name),
                            resources.filePath("Tools/bin/" + name),
                            resources.filePath("bin/" + name)});
}

std::optional<QString> commandLineToolPath(const QString& name, std::chrono::milliseconds timeout) {
    const QString script =
        QStringLiteral(
            "if [[ -x /opt/homebrew/bin/brew ]]; then eval \"$(/opt/homebrew/bin/brew shellenv)\"; "
            "elif [[ -x /usr/local/bin/brew ]]; then eval \"$(/usr/local/bin/brew shellenv)\"; "
            "elif [[ -x /home/linuxbrew/.linuxbrew/bin/brew ]]; then "
            "eval \"$(/home/linuxbrew/.linuxbrew/bin/brew shellenv)\"; fi; "
            "command -v ") +
        name;
    const CommandResult result =
        runCommandResult(kBash, {QStringLiteral("-lc"), script}, std::nullopt, timeout);
    const QString path = result.output.trimmed();
    if (!result.succeeded || path.isEmpty()) return std::nullopt;
    return path;
}

std::optional<QString> lameProgramPath(const QString& resourceFolder,
                                       std::chrono::milliseconds timeout) {
    if (auto bundled = bundledToolPath(resourceFolder, QStringLiteral("lame"))) return bundled;
    return commandLineToolPath(QStringLiteral("lame"), timeout);
}

std::optional<QString> pythonAudioEnvironmentPythonPath(const ToolEnvironment& environment) {
    if (!environment.resourceFolder.isEmpty()) {
        const QDir resources(environment.resourceFolder);
        if (auto bundled =
                firstExecutable({resources.filePath("StandaloneEngine/python/bin/python3"),
                                 resources.filePath("StandaloneEngine/python/bin/python"),
                                 resources.filePath("Python/bin/python3"),
                                 resources.filePath("Python/bin/python")})) {
            return bundled;
        }
    }
    QStringList setupFolders;
    if (!environment.documentsFolder.isEmpty()) {
        const QDir documents(environment.documentsFolder);
        setupFolders << documents.filePath("Tunewright Setup")
                     << documents.filePath("Velvetcut Setup");
    }
    if (environment.selectedFolder) {
        const QDir songs(*environment.selectedFolder);
        setupFolders << songs.filePath("Tunewright Setup") << songs.filePath("Velvetcut Setup");
    }
    QStringList candidates;
    for (const QString& folder : setupFolders) {
        candidates << QDir(folder).filePath(".brightloom-env/bin/python");
    }
    return firstExecutable(candidates);
}

std::optional<QString> musicAIEnvironmentPythonPath(const ToolEnvironment& environment) {
    if (environment.documentsFolder.isEmpty()) return std::nullopt;
    return firstExecutable(
        {QDir(environment.documentsFolder).filePath("Tunewright Setup/.music-ai-env/bin/python")});
}

const QSet<QString>& optionalFallbackToolNames() {
    static const QSet<QString> names = {"Package manager",
                                        "Homebrew",
                                        "Git",
                                        "ffmpeg",
                                        "ffprobe",
                                        "lame",
                                        "sox",
                                        "rubberband",
                                        "aubio",
                                        "Python 3.11",
                                        "Python audio packages",
                                        "Music AI analysis packages",
                                        "Codex CLI",
                                        "Codex login",
                                        "Velvetcut skill"};
    return names;
}

bool countsAsMissing(const ToolCheck& check) {
    return !check.isReady && !optionalFallbackToolNames().contains(check.name) &&
           check.name != kAudioDecodingName;
}

const QStringList& packageManagers() {
    static const QStringList managers = {"apt-get", "dnf", "pacman", "zypper"};
    return managers;
}

ToolCheck packageManagerCheck(const QStringList& managers, std::chrono::milliseconds timeout) {
    ToolEnvironment environment;
    environment.probeTimeout = timeout;
    return packageManagerCheck(managers, environment);
}

ToolCheck packageManagerCheck(const QStringList& managers, const ToolEnvironment& environment) {
    for (const QString& manager : managers) {
        if (const std::optional<QString> path = findOnCommandLine(environment, manager)) {
            return makeCheck(QString::fromUtf8(QT_TRANSLATE_NOOP("ToolCheck", "Package manager")),
                             manager, *path, true);
        }
    }
    return makeCheck(QString::fromUtf8(QT_TRANSLATE_NOOP("ToolCheck", "Package manager")),
                     managers.join(QStringLiteral(", ")), optionalHelperText(), false);
}

ToolCheck agentLoginCheck(const std::optional<QString>& agentPath,
                          std::chrono::milliseconds timeout) {
    ToolEnvironment environment;
    environment.probeTimeout = timeout;
    return agentLoginCheck(agentPath, environment);
}

ToolCheck agentLoginCheck(const std::optional<QString>& agentPath,
                          const ToolEnvironment& environment) {
    const QString name = QString::fromUtf8(QT_TRANSLATE_NOOP("ToolCheck", "Codex login"));
    const QString command = QStringLiteral("codex login status");
    if (!agentPath) return makeCheck(name, command, neededOnlyForAgentText(), false);
    // The exit status decides readiness; the output alone decides the text.
    const CommandResult result = runProbe(environment, *agentPath, agentLoginStatusArguments());
    const QString output = result.output.trimmed();
    QString status = QCoreApplication::translate("ToolCheck", "Optional fallback not signed in.");
    if (!output.isEmpty()) {
        status =
            (result.succeeded
                 ? QCoreApplication::translate("ToolCheck", "Optional fallback signed in:\n%1")
                 : QCoreApplication::translate("ToolCheck", "Optional fallback not signed in:\n%1"))
                .arg(output);
    }
    return makeCheck(name, command, status, result.succeeded);
}

bool agentKnownNotSignedIn(const std::vector<ToolCheck>& checks) {
    bool agentFound = false;
    bool signedIn = true;
    for (const ToolCheck& check : checks) {
        if (check.name == QLatin1String("Codex CLI")) agentFound = check.isReady;
        if (check.name == QLatin1String("Codex login")) signedIn = check.isReady;
    }
    return agentFound && !signedIn;
}

std::vector<ToolCheck> buildToolChecks(const ToolEnvironment& environment) {
    std::vector<ToolCheck> checks;
    checks.push_back(packageManagerCheck(packageManagers(), environment));
    checks.push_back(rendererCheck(environment));
    checks.push_back(audioDecodingCheck(environment));

    struct OptionalTool {
        const char* name;
        const char* command;
        bool appResourcesFirst;
    };
    static constexpr OptionalTool kOptionalTools[] = {
        {QT_TRANSLATE_NOOP("ToolCheck", "Homebrew"), "brew", false},
        {QT_TRANSLATE_NOOP("ToolCheck", "Git"), "git", false},
        {QT_TRANSLATE_NOOP("ToolCheck", "ffmpeg"), "ffmpeg", true},
        {QT_TRANSLATE_NOOP("ToolCheck", "ffprobe"), "ffprobe", true},
        {QT_TRANSLATE_NOOP("ToolCheck", "sox"), "sox", false},
        {QT_TRANSLATE_NOOP("ToolCheck", "rubberband"), "rubberband", false},
        {QT_TRANSLATE_NOOP("ToolCheck", "aubio"), "aubio", false},
        {QT_TRANSLATE_NOOP("ToolCheck", "Python 3.11"), "python3.11", false},
    };
    for (const OptionalTool& tool : kOptionalTools) {
        checks.push_back(optionalToolCheck(environment, QString::fromLatin1(tool.name),
                                           QString::fromLatin1(tool.command),
                                           tool.appResourcesFirst));
    }

    checks.push_back(encoderCheck(environment));
    checks.push_back(pythonPackagesCheck(
        environment, QString::fromUtf8(QT_TRANSLATE_NOOP("ToolCheck", "Python audio packages")),
        pythonAudioEnvironmentPythonPath(environment),
        QString::fromUtf8(QT_TRANSLATE_NOOP("ToolCheck", "audio venv import check")),
        kAudioPackagesImport));
    checks.push_back(pythonPackagesCheck(
        environment,
        QString::fromUtf8(QT_TRANSLATE_NOOP("ToolCheck", "Music AI analysis packages")),
        musicAIEnvironmentPythonPath(environment),
        QString::fromUtf8(QT_TRANSLATE_NOOP("ToolCheck", "music AI venv import check")),
        kMusicAIPackagesImport));

    const std::optional<QString> agentPath = environment.agentLocator
                                                 ? environment.agentLocator()
                                                 : agentExecutablePath(environment.probeTimeout);
    checks.push_back(agentCheck(agentPath));
    checks.push_back(agentLoginCheck(agentPath, environment));
    checks.push_back(skillCheck(environment));
    return checks;
}

}  // namespace app::tools
