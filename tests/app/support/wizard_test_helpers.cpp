#include "tests/app/support/wizard_test_helpers.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QThread>

#include "tests/support/generated_audio.h"

namespace testsupport {

QString readText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

QString writeFile(const QString& path, const QByteArray& contents, QFile::Permissions permissions) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(contents);
    file.close();
    file.setPermissions(permissions);
    return path;
}

QString writeAgedFile(const QString& path, const QByteArray& contents, double secondsAgo) {
    QFile file(writeFile(path, contents));
    EXPECT_TRUE(file.open(QIODevice::ReadWrite) &&
                file.setFileTime(QDateTime::currentDateTimeUtc().addMSecs(
                                     static_cast<qint64>(-secondsAgo * 1000)),
                                 QFileDevice::FileModificationTime))
        << path.toStdString();
    return path;
}

QString writeScript(const QString& path, const QByteArray& body) {
    return writeFile(path, "#!/bin/sh\n" + body + "\n",
                     QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QStringList writeSongs(const QString& folder, const QStringList& names, double toneSeconds,
                       double silenceSeconds) {
    QStringList paths;
    double frequency = 330.0;
    for (const QString& name : names) {
        const QString path = folder + QLatin1Char('/') + name;
        testsupport::writeTestWav(
            path.toStdString(),
            testsupport::concatenate({testsupport::silence(silenceSeconds),
                                      testsupport::tone(toneSeconds, frequency, 0.4)}));
        paths << path;
        frequency *= 1.25;
    }
    return paths;
}

QString writeFakeBundle(const QString& folder, const QByteArray& engineBody, BundledLame lame) {
    QDir().mkpath(folder + "/bin");
    if (!engineBody.isEmpty()) writeScript(folder + "/bin/seamforge", engineBody);
    if (lame == BundledLame::standIn) writeScript(folder + "/bin/lame", "exit 0");
    if (lame == BundledLame::buildTrees) {
        EXPECT_TRUE(QFile::link(buildTreeResourceFolder() + "/bin/lame", folder + "/bin/lame"));
    }
    return folder;
}

void answerToolCheckAsReady(app::Wizard& view) {
    view.state().isCheckingTools = true;
    app::tools::ToolCheck engine;
    engine.name = QStringLiteral("Local music renderer");
    engine.isReady = true;
    view.tools().applyToolCheckResults({engine});
}

void ensureApplication() {
    if (QCoreApplication::instance() != nullptr) return;
    static int argc = 1;
    static char name[] = "wizard-tests";
    static char* argv[] = {name, nullptr};
    new QCoreApplication(argc, argv);  // lives for the whole test program
}

bool waitUntil(const std::function<bool()>& condition, double timeoutSeconds) {
    QDeadlineTimer deadline(static_cast<qint64>(timeoutSeconds * 1000));
    while (!condition()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return true;
}

WizardFixture::WizardFixture() {
    ensureApplication();
    services = std::make_unique<FakePlatformServices>(homePath());
    view = std::make_unique<app::Wizard>(*services);
}

WizardFixture::~WizardFixture() {
    if (!view) return;  // a test closed the window itself
    view->editRunController().cancel();
    view->waitForBackgroundWork();
    QCoreApplication::processEvents();
    view.reset();
}

QString WizardFixture::homePath() const { return pathOf(folder); }

QString WizardFixture::makeFolder(const QString& relativePath) const {
    QDir(homePath()).mkpath(relativePath);
    return QDir(homePath()).filePath(relativePath);
}

}  // namespace testsupport
