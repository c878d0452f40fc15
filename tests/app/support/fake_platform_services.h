#pragma once
// A scripted stand-in for the desktop: pickers answer from a queue, reveals and
// opened addresses are recorded, preferences live in memory, and the folders are
// whatever the test sets (by default inside one temporary home folder).

#include <QStringList>
#include <QUrl>
#include <deque>
#include <map>

#include "app/state/platform_services.h"

namespace testsupport {

class FakePlatformServices : public app::PlatformServices {
public:
    // home/Desktop, home/Downloads and home/Documents are created; the resource
    // folder is the build tree's bundle (holding bin/seamforge and bin/lame).
    explicit FakePlatformServices(const QString& homeFolder);

    // The next picker returns `paths` (an empty list means the user cancelled).
    void answerNextPanel(const QStringList& paths) { panelAnswers.push_back(paths); }

    QStringList runOpenPanel(const app::OpenPanelRequest& request) override;
    void revealInFileManager(const QString& path) override { revealedPaths.push_back(path); }
    bool openWebAddress(const QString& address) override {
        openedAddresses.push_back(address);
        return QUrl(address).isValid();
    }
    std::optional<QString> preference(const QString& key) const override {
        const auto found = preferences.find(key);
        return found == preferences.end() ? std::nullopt : std::optional(found->second);
    }
    void setPreference(const QString& key, const QString& value) override {
        preferences[key] = value;
    }
    std::optional<QRect> screenVisibleFrame() const override { return screenFrame; }
    QString resourceFolder() const override { return resourceFolderPath; }
    QString homeFolder() const override { return home; }
    QString desktopFolder() const override { return home + "/Desktop"; }
    QString downloadsFolder() const override { return home + "/Downloads"; }
    QString documentsFolder() const override { return home + "/Documents"; }

    QString home;
    QString resourceFolderPath;
    std::optional<QRect> screenFrame = QRect(0, 0, 1920, 1080);
    std::deque<QStringList> panelAnswers;
    std::vector<app::OpenPanelRequest> panelRequests;  // every picker opened, in order
    std::vector<QString> revealedPaths;
    std::vector<QString> openedAddresses;
    std::map<QString, QString> preferences;
};

// The build tree's resource folder (the folder that holds bin/).
QString buildTreeResourceFolder();

}  // namespace testsupport
