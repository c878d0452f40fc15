// VelvetcutSetup: the Tunewright wizard. Two check modes print to standard output and quit:
// "--quit-after-first-show" once the first screen is shown (the program starts on a real
// display), "--report-tool-check" once the Step 1 check has ended, with one "name: status"
// line per tool and then the screen the window moved on to (an installed copy finds its
// own engine and encoder).

#include <QApplication>
#include <QTimer>
#include <cstdio>

#include "app/ui/qt_platform_services.h"
#include "app/ui/translations.h"
#include "app/ui/wizard_header.h"
#include "app/ui/wizard_style.h"
#include "app/ui/wizard_window.h"
#include "app/wizard/wizard.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VelvetcutSetup"));
    QApplication::setApplicationVersion(app::appVersion);
    QApplication::setDesktopFileName(QStringLiteral("velvetcut-setup"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setPalette(app::ui::wizardPalette());

    const bool quitAfterFirstShow =
        QApplication::arguments().contains(QStringLiteral("--quit-after-first-show"));

    app::ui::QtPlatformServices services;
    // Before the first text is made: the wizard state and the screens read their words once.
    app::ui::installTranslations(application, services.resourceFolder());
    QApplication::setApplicationDisplayName(QCoreApplication::translate("Screens", "Tunewright"));
    app::Wizard view(services);
    app::ui::WizardWindow window(view);
    services.setWindow(&window);
    if (quitAfterFirstShow) {
        window.setFirstShowHandler([&window] {
            std::printf("VelvetcutSetup shows \"%s\"\n", qPrintable(window.header()->stepPill()));
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        });
    }
    if (QApplication::arguments().contains(QStringLiteral("--report-tool-check"))) {
        // Connected after the window's own refresh, so the header already shows the new step.
        QObject::connect(
            &view, &app::Wizard::changed, &window, [&view, &window, reported = false]() mutable {
                const app::WizardState& state = view.state();
                if (reported || state.isCheckingTools || state.toolChecks.empty()) return;
                reported = true;
                for (const app::tools::ToolCheck& check : state.toolChecks) {
                    QString status = check.status;
                    std::printf("%s: %s\n", qPrintable(check.name),
                                qPrintable(status.replace(QLatin1Char('\n'), QLatin1Char(' '))));
                }
                std::printf("VelvetcutSetup shows \"%s\"\n",
                            qPrintable(window.header()->stepPill()));
                std::fflush(stdout);
                QTimer::singleShot(0, qApp, &QCoreApplication::quit);
            });
    }
    window.show();
    return QApplication::exec();
}
