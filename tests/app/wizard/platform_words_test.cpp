// No text the wizard shows, writes or hands the agent names another platform's facilities. Every
// line of code (comments aside) of the wizard and the programs it runs is read, so a text counts
// on whichever path it appears.

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QRegularExpression>

#include "tests/app/support/wizard_test_helpers.h"

namespace {

TEST(PlatformWords, NoLineOfTheWizardOrTheEngineNamesAnotherPlatform) {
    const QRegularExpression otherPlatform(
        QStringLiteral(R"(Finder|\bMacs?\b|macOS|Apple|AVFoundation|xcode|Photos)"));
    int files = 0;
    for (const char* folder : {"/app", "/renderer", "/common"}) {
        QDirIterator sources(QStringLiteral(TUNEWRIGHT_SOURCE_DIR) + folder, {"*.cpp", "*.h"},
                             QDir::Files, QDirIterator::Subdirectories);
        while (sources.hasNext()) {
            const QString path = sources.next();
            ++files;
            int number = 0;
            for (const QString& line : testsupport::readText(path).split('\n')) {
                ++number;
                if (line.trimmed().startsWith("//")) continue;
                EXPECT_FALSE(otherPlatform.match(line).hasMatch())
                    << path.toStdString() << ":" << number << ": " << line.toStdString();
            }
        }
    }
    EXPECT_GT(files, 100) << "the sources were not found";
}

}  // namespace
