#pragma once
// Everything the wizard needs from the desktop, behind one small interface so
// that every operation can be tested headless with a scripted fake.

#include <QRect>
#include <QString>
#include <QStringList>
#include <optional>

namespace app {

struct OpenPanelRequest {
    QString title;
    QString prompt;   // the confirm button's text
    QString message;  // shown inside the panel
    QString startDirectory;
    bool canChooseFiles = true;
    bool canChooseDirectories = false;
    bool allowsMultipleSelection = false;
    bool canCreateDirectories = false;
    QStringList allowedExtensions;  // lower-case; empty means any file
};

class PlatformServices {
public:
    virtual ~PlatformServices() = default;

    // A modal file or folder picker; the chosen paths, empty when cancelled.
    virtual QStringList runOpenPanel(const OpenPanelRequest& request) = 0;
    // Shows a file selected in its folder, or a folder itself, in the file manager.
    virtual void revealInFileManager(const QString& path) = 0;
    // Opens a web address in the browser; false when it could not.
    virtual bool openWebAddress(const QString& address) = 0;

    virtual std::optional<QString> preference(const QString& key) const = 0;
    virtual void setPreference(const QString& key, const QString& value) = 0;

    // The visible frame of the screen the window is on; nothing without a screen.
    virtual std::optional<QRect> screenVisibleFrame() const = 0;

    // The folder that holds the folder of the running executable.
    virtual QString resourceFolder() const = 0;
    virtual QString homeFolder() const = 0;
    virtual QString desktopFolder() const = 0;
    virtual QString downloadsFolder() const = 0;
    virtual QString documentsFolder() const = 0;
};

}  // namespace app
