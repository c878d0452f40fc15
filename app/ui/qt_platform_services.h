#pragma once
// The wizard's desktop services on Linux: Qt file dialogs, the freedesktop file
// manager interface, the browser, QSettings and the screen. Interface thread only;
// the pickers are modal and block until the user answers.

#include <QPointer>
#include <QWidget>

#include "app/state/platform_services.h"

namespace app::ui {

class QtPlatformServices : public PlatformServices {
public:
    // The window, when given, parents the pickers and names the screen to fit.
    explicit QtPlatformServices(QWidget* window = nullptr);
    void setWindow(QWidget* window) { window_ = window; }

    QStringList runOpenPanel(const OpenPanelRequest& request) override;
    void revealInFileManager(const QString& path) override;
    bool openWebAddress(const QString& address) override;
    std::optional<QString> preference(const QString& key) const override;
    void setPreference(const QString& key, const QString& value) override;
    std::optional<QRect> screenVisibleFrame() const override;
    QString resourceFolder() const override;
    QString homeFolder() const override;
    QString desktopFolder() const override;
    QString downloadsFolder() const override;
    QString documentsFolder() const override;

private:
    QPointer<QWidget> window_;
};

}  // namespace app::ui
