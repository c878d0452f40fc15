#include "app/ui/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QStandardPaths>
#include <QTranslator>

namespace app::ui {
namespace {

// Tries `locale`'s UI languages in order ("de-AT", "de", ...) the way Qt does.
bool installFirst(QCoreApplication& application, const QLocale& locale, const QString& name,
                  const QStringList& folders) {
    for (const QString& folder : folders) {
        auto* translator = new QTranslator(&application);
        if (translator->load(locale, name, QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator);
            return true;
        }
        delete translator;
    }
    return false;
}

}  // namespace

QStringList translationFolders(const QString& resourceFolder) {
    QStringList folders;
    if (!resourceFolder.isEmpty()) {
        folders << QDir(resourceFolder).filePath(QStringLiteral("share/tunewright/translations"));
    }
    folders << QStandardPaths::locateAll(QStandardPaths::GenericDataLocation,
                                         QStringLiteral("tunewright/translations"),
                                         QStandardPaths::LocateDirectory);
    return folders;
}

bool installTranslations(QCoreApplication& application, const QString& resourceFolder,
                         const QLocale& locale) {
    installFirst(application, locale, QStringLiteral("qtbase"),
                 {QLibraryInfo::path(QLibraryInfo::TranslationsPath)});
    return installFirst(application, locale, QStringLiteral("tunewright"),
                        translationFolders(resourceFolder));
}

}  // namespace app::ui
