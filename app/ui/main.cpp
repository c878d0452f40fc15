// VelvetcutSetup: the Tunewright wizard. "--quit-after-first-show" opens the
// window, waits until its first screen is shown, prints one line and quits
// (used to check that the program starts on a real display).

#include <QApplication>
#include <QTimer>
#include <cstdio>

#include "app/ui/qt_platform_services.h"
#include "app/ui/wizard_header.h"
#include "app/ui/wizard_style.h"
#include "app/ui/wizard_window.h"
#include "app/wizard/content_view.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VelvetcutSetup"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tunewright"));
    QApplication::setApplicationVersion(app::appVersion);
    QApplication::setDesktopFileName(QStringLiteral("velvetcut-setup"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setPalette(app::ui::wizardPalette());

    const bool quitAfterFirstShow =
        QApplication::arguments().contains(QStringLiteral("--quit-after-first-show"));

    app::ui::QtPlatformServices services;
    app::ContentView view(services);
    app::ui::WizardWindow window(view);
    services.setWindow(&window);
    if (quitAfterFirstShow) {
        window.setFirstShowHandler([&window] {
            std::printf("VelvetcutSetup shows \"%s\"\n", qPrintable(window.header()->stepPill()));
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        });
    }
    window.show();
    return QApplication::exec();
}
