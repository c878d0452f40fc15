#include "app/ui/qt_platform_services.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>

namespace app::ui {
namespace {

QSettings preferenceStore() {
    return QSettings(QStringLiteral("Tunewright"), QStringLiteral("VelvetcutSetup"));
}

}  // namespace

QtPlatformServices::QtPlatformServices(QWidget* window) : window_(window) {}

QStringList QtPlatformServices::runOpenPanel(const OpenPanelRequest& request) {
    QFileDialog dialog(window_, request.title, request.startDirectory);
    // Qt's own dialog: the desktop portals can show neither the message nor these limits.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontResolveSymlinks);
    dialog.setOption(QFileDialog::ReadOnly, !request.canCreateDirectories);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setLabelText(QFileDialog::Accept, request.prompt);
    if (request.canChooseDirectories && !request.canChooseFiles) {
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
    } else {
        dialog.setFileMode(request.allowsMultipleSelection ? QFileDialog::ExistingFiles
                                                           : QFileDialog::ExistingFile);
    }
    // Without QDir::CaseSensitive the name filter matches any letter case ("SONG.MP3"), so the
    // filter can read as plain extensions.
    dialog.setFilter(QDir::AllDirs | QDir::Files | QDir::Drives | QDir::NoDotAndDotDot);
    if (!request.allowedExtensions.isEmpty()) {
        QStringList patterns;
        for (const QString& extension : request.allowedExtensions) patterns << "*." + extension;
        dialog.setNameFilter(
            QCoreApplication::translate("Screens", "Audio files (%1)").arg(patterns.join(' ')));
    }
    if (!request.message.isEmpty()) {
        auto* label = new QLabel(request.message, &dialog);
        label->setWordWrap(true);
        if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
            grid->addWidget(label, grid->rowCount(), 0, 1, grid->columnCount());
        }
    }
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles();
}

void QtPlatformServices::revealInFileManager(const QString& path) {
    const QFileInfo info(path);
    const bool isFolder = info.isDir();
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected()) {
        QDBusMessage call = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.FileManager1"),
            QStringLiteral("/org/freedesktop/FileManager1"),
            QStringLiteral("org.freedesktop.FileManager1"),
            isFolder ? QStringLiteral("ShowFolders") : QStringLiteral("ShowItems"));
        call << QStringList{QUrl::fromLocalFile(info.absoluteFilePath()).toString()} << QString();
        const QDBusMessage reply = bus.call(call, QDBus::Block, 5000);
        if (reply.type() == QDBusMessage::ReplyMessage) return;
    }
    // Without a file manager service, open the folder itself (a file's own folder).
    QDesktopServices::openUrl(
        QUrl::fromLocalFile(isFolder ? info.absoluteFilePath() : info.absolutePath()));
}

bool QtPlatformServices::openWebAddress(const QString& address) {
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty()) return false;
    return QDesktopServices::openUrl(url);
}

std::optional<QString> QtPlatformServices::preference(const QString& key) const {
    const QSettings settings = preferenceStore();
    if (!settings.contains(key)) return std::nullopt;
    return settings.value(key).toString();
}

void QtPlatformServices::setPreference(const QString& key, const QString& value) {
    QSettings settings = preferenceStore();
    settings.setValue(key, value);
}

std::optional<QRect> QtPlatformServices::screenVisibleFrame() const {
    QScreen* screen = window_ ? window_->screen() : nullptr;
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return std::nullopt;
    return screen->availableGeometry();
}

QString QtPlatformServices::resourceFolder() const {
    return QFileInfo(QCoreApplication::applicationDirPath()).absolutePath();
}

QString QtPlatformServices::homeFolder() const { return QDir::homePath(); }

QString QtPlatformServices::desktopFolder() const {
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

QString QtPlatformServices::downloadsFolder() const {
    return QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
}

QString QtPlatformServices::documentsFolder() const {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

}  // namespace app::ui
