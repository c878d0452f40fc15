#pragma once
// Tells the desktop when an edit ends unseen: when a run completes, fails or is stopped
// while the window is not active, one notification goes to the freedesktop notification
// service on the session bus, with the outcome's headline, the edit's name and the app's
// icon; activating it raises and activates the window. Every call is asynchronous and its
// errors are dropped, so with no service (or no bus) nothing happens and nothing waits.
// Interface thread only.

#include <QDBusConnection>
#include <QObject>
#include <QWidget>

namespace app {
class Wizard;
}

namespace app::ui {

class DesktopNotification : public QObject {
    Q_OBJECT

public:
    DesktopNotification(Wizard& view, QWidget& window,
                        const QDBusConnection& bus = QDBusConnection::sessionBus());

    // Notifies through `bus` from now on (a test's private bus).
    void useBus(const QDBusConnection& bus);

private slots:
    void actionInvoked(uint id, const QString& actionKey);

private:
    void listenForActions(bool listen);
    void followRun();
    void send(const QString& headline, const QString& body);

    Wizard& view_;
    QWidget& window_;
    QDBusConnection bus_;
    int settledRun_ = 0;  // the last run whose end has been seen, told or not
    uint shownId_ = 0;    // the service's id of our notification on show, 0 for none
};

}  // namespace app::ui
