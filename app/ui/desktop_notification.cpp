#include "app/ui/desktop_notification.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QFileInfo>
#include <QImage>

#include "app/run/deliverables.h"
#include "app/wizard/wizard.h"

namespace app::ui {
namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
// The installed icon and menu entry are both named after the desktop file.
const QString kDesktopName = QStringLiteral("velvetcut-setup");
constexpr int kCallTimeoutMs = 5000;
constexpr int kImageSide = 64;  // pixels

bool runHasEnded(const Wizard& view) {
    return !view.state().isCreatingEdit &&
           (view.state().completedOutputFolder || view.progress().createHasFailed() ||
            view.progress().createWasStopped());
}

// The window's own icon as raw pixels, so the notification shows it also where the icon
// is not installed (a build tree): width, height, row stride, alpha, bits, channels, RGBA.
QVariant iconPixels(const QIcon& icon) {
    if (icon.isNull()) return {};
    const QImage image =
        icon.pixmap(kImageSide, kImageSide).toImage().convertToFormat(QImage::Format_RGBA8888);
    const int rowStride = static_cast<int>(image.bytesPerLine());
    const bool hasAlpha = true;
    const int bitsPerSample = 8;
    const int channels = 4;
    QDBusArgument pixels;
    pixels.beginStructure();
    pixels << image.width() << image.height() << rowStride << hasAlpha << bitsPerSample << channels
           << QByteArray(reinterpret_cast<const char*>(image.constBits()),
                         static_cast<qsizetype>(image.sizeInBytes()));
    pixels.endStructure();
    return QVariant::fromValue(pixels);
}

// The finished MP3's file name, else the songs' titles joined by " into ".
QString editName(const Wizard& view) {
    const WizardState& state = view.state();
    if (state.completedOutputFolder) {
        if (const auto edit = run::newestAudioFile(*state.completedOutputFolder)) {
            return QFileInfo(*edit).fileName();
        }
    }
    QStringList titles;
    for (const songs::TrackFile& track : state.tracks) {
        titles << QFileInfo(track.url).completeBaseName();
    }
    return titles.join(QCoreApplication::translate("Screens", " into "));
}

}  // namespace

DesktopNotification::DesktopNotification(Wizard& view, QWidget& window, const QDBusConnection& bus)
    : QObject(&window), view_(view), window_(window), bus_(bus) {
    listenForActions(true);
    connect(&view_, &Wizard::changed, this, &DesktopNotification::followRun);
}

void DesktopNotification::useBus(const QDBusConnection& bus) {
    listenForActions(false);
    bus_ = bus;
    shownId_ = 0;
    listenForActions(true);
}

// QtDBus delivers a bus signal only to a slot named in text.
void DesktopNotification::listenForActions(bool listen) {
    const QString signal = QStringLiteral("ActionInvoked");
    const char* slot = SLOT(actionInvoked(uint, QString));
    if (listen) {
        bus_.connect(kService, kPath, kInterface, signal, this, slot);
    } else {
        bus_.disconnect(kService, kPath, kInterface, signal, this, slot);
    }
}

// Each run is settled once: an end seen while the window is active needs no notification,
// and later redraws of the same end must not send one either.
void DesktopNotification::followRun() {
    const int run = view_.currentRunNumber();
    if (run == settledRun_ || !runHasEnded(view_)) return;
    settledRun_ = run;
    if (window_.isActiveWindow()) return;
    send(view_.progress().liveEditHeadline(), editName(view_));
}

void DesktopNotification::send(const QString& headline, const QString& body) {
    if (!bus_.isConnected()) return;
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Notify"));
    QVariantMap hints;
    hints.insert(QStringLiteral("desktop-entry"), kDesktopName);
    if (const QVariant pixels = iconPixels(window_.windowIcon()); pixels.isValid()) {
        hints.insert(QStringLiteral("image-data"), pixels);
    }
    // "default" is the action of clicking the notification itself.
    call << QStringLiteral("Tunewright") << shownId_ << kDesktopName << headline << body
         << QStringList{QStringLiteral("default"), tr("Show Tunewright")} << hints << -1;
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call, kCallTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* finished) {
                const QDBusPendingReply<uint> reply = *finished;
                if (reply.isValid()) shownId_ = reply.value();
                finished->deleteLater();
            });
}

void DesktopNotification::actionInvoked(uint id, const QString& actionKey) {
    if (id == 0 || id != shownId_ || actionKey != QLatin1String("default")) return;
    shownId_ = 0;
    window_.show();
    window_.setWindowState(window_.windowState() & ~Qt::WindowMinimized);
    window_.raise();
    window_.activateWindow();
}

}  // namespace app::ui
