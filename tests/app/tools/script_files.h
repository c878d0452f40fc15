#pragma once
// Small files and fake programs for the probe tests.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "tests/support/test_files.h"

namespace scriptfiles {

inline QString pathOf(const testsupport::TemporaryFolder& folder) {
    return QString::fromStdString(folder.path().string());
}

// Writes a file, creating its folders, and makes it executable when asked.
inline QString writeFile(const QString& path, const QByteArray& contents, bool executable) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(contents);
    file.close();
    if (executable) file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    return path;
}

inline QString writeScript(const QString& path, const QByteArray& body) {
    return writeFile(path, "#!/bin/sh\n" + body + "\n", true);
}

}  // namespace scriptfiles
