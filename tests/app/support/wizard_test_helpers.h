#pragma once
// Helpers for wizard tests: an application object, event-loop waiting and a
// ContentView wired to the fake desktop inside a temporary home folder.

#include <QCoreApplication>
#include <functional>
#include <memory>

#include "app/wizard/content_view.h"
#include "tests/app/support/fake_platform_services.h"
#include "tests/support/test_files.h"

namespace testsupport {

// Makes sure a QCoreApplication exists (tests run without a main of their own).
void ensureApplication();

// Processes events until `condition` holds or `timeoutSeconds` pass; returns the condition.
bool waitUntil(const std::function<bool()>& condition, double timeoutSeconds);

// A ContentView over a fake desktop whose home is a fresh temporary folder.
struct WizardFixture {
    WizardFixture();
    ~WizardFixture();
    QString homePath() const;
    // Creates a folder (with parents) under the temporary home and returns its path.
    QString makeFolder(const QString& relativePath) const;

    TemporaryFolder folder;
    std::unique_ptr<FakePlatformServices> services;
    std::unique_ptr<app::ContentView> view;
};

}  // namespace testsupport
