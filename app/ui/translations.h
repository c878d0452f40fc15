#pragma once
// The wizard in the person's language: the compiled catalogue "tunewright_<language>.qm" for
// the locale (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), and Qt's own "qtbase_<language>.qm" for
// the standard dialogs. A missing catalogue leaves the English source texts. Call on the
// interface thread after the application object exists and before any window is made.

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

namespace app::ui {

// Where the catalogues may be, in order: <resource folder>/share/tunewright/translations (the
// build tree and a plain install), then tunewright/translations in the system's data folders
// (the package puts them in /usr/share/tunewright/translations).
QStringList translationFolders(const QString& resourceFolder);

// Installs the catalogues found for `locale` on `application` (which owns the translators).
// Returns whether the wizard's own catalogue was found.
bool installTranslations(QCoreApplication& application, const QString& resourceFolder,
                         const QLocale& locale = QLocale::system());

}  // namespace app::ui
