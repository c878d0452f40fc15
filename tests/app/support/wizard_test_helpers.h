#pragma once
// Helpers for wizard tests: an application object, event-loop waiting, small files
// and scripts, and a Wizard wired to the fake desktop inside a temporary home.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <functional>
#include <memory>
#include <ostream>

#include "app/wizard/wizard.h"
#include "tests/app/support/fake_platform_services.h"
#include "tests/support/test_files.h"

// Readable failure messages for Qt texts.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace testsupport {

inline QString pathOf(const TemporaryFolder& folder) {
    return QString::fromStdString(folder.path().string());
}
// The whole file as UTF-8 text; empty when it cannot be read.
QString readText(const QString& path);
// Writes a file, creating its folders, with the given permissions; returns its path.
QString writeFile(const QString& path, const QByteArray& contents,
                  QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner);
// writeFile, then dated `secondsAgo` before now (negative: in the future).
QString writeAgedFile(const QString& path, const QByteArray& contents, double secondsAgo);
// An executable /bin/sh script running `body`; returns its path.
QString writeScript(const QString& path, const QByteArray& body);
// Writes 44.1 kHz stereo WAVs (silence, then a tone a third higher per song) into `folder`
// and returns their paths in the given order.
QStringList writeSongs(const QString& folder, const QStringList& names, double toneSeconds = 6.0,
                       double silenceSeconds = 1.5);

// The LAME beside a fake bundle's engine: none, a script that does nothing, or a link to
// the build tree's real one.
enum class BundledLame { none, standIn, buildTrees };
// Makes `folder` a resource folder whose bin/seamforge runs `engineBody` (no engine when it
// is empty), with the LAME asked for; returns `folder`.
QString writeFakeBundle(const QString& folder, const QByteArray& engineBody,
                        BundledLame lame = BundledLame::none);

// Ends the wizard's tool check with a ready renderer row, as a finished check would; marking
// the check as running first keeps a real one from starting.
void answerToolCheckAsReady(app::Wizard& view);

// Makes sure a QCoreApplication exists (tests run without a main of their own).
void ensureApplication();

// Processes events until `condition` holds or `timeoutSeconds` pass; returns the condition.
bool waitUntil(const std::function<bool()>& condition, double timeoutSeconds);

// A Wizard over a fake desktop whose home is a fresh temporary folder.
struct WizardFixture {
    WizardFixture();
    ~WizardFixture();
    QString homePath() const;
    // Creates a folder (with parents) under the temporary home and returns its path.
    QString makeFolder(const QString& relativePath) const;

    TemporaryFolder folder;
    std::unique_ptr<FakePlatformServices> services;
    std::unique_ptr<app::Wizard> view;
};

// A test over one WizardFixture, with short names for its parts.
class WizardTest : public ::testing::Test {
protected:
    app::Wizard& view() { return *wizard.view; }
    app::WizardState& state() { return wizard.view->state(); }
    FakePlatformServices& desktop() { return *wizard.services; }
    // The next picker answers `paths`; then the song file (or folder) picker opens.
    void pickSongFiles(const QStringList& paths) {
        desktop().answerNextPanel(paths);
        view().songs().chooseSongFiles();
    }
    void pickSongFolder(const QString& folder) {
        desktop().answerNextPanel({folder});
        view().songs().chooseSongFolder();
    }

    WizardFixture wizard;
};

}  // namespace testsupport
