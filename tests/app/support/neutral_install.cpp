#include "tests/app/support/neutral_install.h"

#include <QDir>
#include <algorithm>

#include "tests/app/support/fake_platform_services.h"

namespace testsupport {

app::tools::ToolLookups neutralInstall() {
    app::tools::ToolLookups lookups;
    lookups.bundledTool = [](const QString& name) -> std::optional<QString> {
        if (name != QLatin1String("seamforge") && name != QLatin1String("lame")) return {};
        return neutralAppFolder + "/bin/" + name;
    };
    lookups.commandLineTool = [](const QString& name) -> std::optional<QString> {
        if (!QStringList({"apt-get", "git", "ffmpeg", "ffprobe"}).contains(name)) return {};
        return "/usr/bin/" + name;
    };
    // Python and the agent are absent; the renderer answers as the build tree's does.
    lookups.probe = [](const QString& executable, const QStringList& arguments) {
        if (executable != neutralAppFolder + "/bin/seamforge") return app::tools::CommandResult{};
        return app::tools::runCommandResult(buildTreeResourceFolder() + "/bin/seamforge",
                                            arguments);
    };
    return lookups;
}

QStringList machineSpecificTexts(const QStringList& texts) {
    QStringList places = {buildTreeResourceFolder()};
    // A home of "/" would match every path.
    if (QDir::homePath() != QDir::rootPath()) places << QDir::homePath();
    // One entry per text: a build folder inside the home names both places but is one finding.
    QStringList found;
    for (const QString& text : texts) {
        const auto names = [&text](const QString& place) { return text.contains(place); };
        if (std::any_of(places.cbegin(), places.cend(), names)) found << text;
    }
    return found;
}

}  // namespace testsupport
