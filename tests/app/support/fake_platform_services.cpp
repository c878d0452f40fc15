#include "tests/app/support/fake_platform_services.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace testsupport {

FakePlatformServices::FakePlatformServices(const QString& homeFolder)
    : home(homeFolder), resourceFolderPath(buildTreeResourceFolder()) {
    for (const char* name : {"Desktop", "Downloads", "Documents"}) QDir(home).mkpath(name);
}

QStringList FakePlatformServices::runOpenPanel(const app::OpenPanelRequest& request) {
    panelRequests.push_back(request);
    if (panelAnswers.empty()) return {};
    QStringList answer = panelAnswers.front();
    panelAnswers.pop_front();
    return answer;
}

bool FakePlatformServices::openWebAddress(const QString& address) {
    openedAddresses.push_back(address);
    return QUrl(address).isValid();
}

std::optional<QString> FakePlatformServices::preference(const QString& key) const {
    const auto found = preferences.find(key);
    if (found == preferences.end()) return std::nullopt;
    return found->second;
}

void FakePlatformServices::setPreference(const QString& key, const QString& value) {
    preferences[key] = value;
}

QString buildTreeResourceFolder() {
    return QFileInfo(QStringLiteral(TUNEWRIGHT_BUNDLE_BIN_DIR)).absolutePath();
}

}  // namespace testsupport
