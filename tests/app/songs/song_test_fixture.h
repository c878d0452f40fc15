#pragma once
// A wizard over the fake desktop with helpers that lay out song folders.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "app/songs/starter_guidance.h"
#include "tests/app/support/wizard_test_helpers.h"

namespace songtest {

class SongTest : public testsupport::WizardTest {
protected:
    SongTest() {
        // The pick operations start the real tool check; these tests are about the songs, so
        // the check counts as already running and none is started (clearSongs checks it).
        state().isCheckingTools = true;
    }

    // Creates empty files (their content does not matter here) and returns their paths.
    QStringList makeFiles(const QString& folder, const QStringList& names) {
        const QString root = wizard.makeFolder(folder);
        QStringList paths;
        for (const QString& name : names) paths << testsupport::writeFile(root + "/" + name, "");
        return paths;
    }

    QStringList trackNames() {
        QStringList names;
        for (const auto& track : state().tracks) names << track.name();
        return names;
    }
};

}  // namespace songtest
