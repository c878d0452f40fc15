#include "tests/app/support/fake_platform_services.h"

#include <QDir>
#include <QFileInfo>

namespace testsupport {

FakePlatformServices::FakePlatformServices(const QString& homeFolder)
    : home(homeFolder), resourceFolderPath(buildTreeResourceFolder()) {
    for (const char* name : {"Desktop", "Downloads", "Documents"}) QDir(home).mkpath(name);
}

QStringList FakePlatformServices::runOpenPanel(const app::OpenPanelRequest& request) {
    panelRequests.push_back(request);
    if (panelAnswers.empty()) return {};
    const QStringList answer = panelAnswers.front();
    panelAnswers.pop_front();
    return answer;
}

QString buildTreeResourceFolder() {
    return QFileInfo(QStringLiteral(TUNEWRIGHT_BUNDLE_BIN_DIR)).absolutePath();
}

}  // namespace testsupport
