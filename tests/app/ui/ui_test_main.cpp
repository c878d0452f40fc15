// The widget tests' entry: a QApplication must exist before any widget is made.

#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char* argv[]) {
    // Off screen unless the caller chose a platform (the window manager tests need xcb).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Nothing reaches the desktop of the person running the tests, and no bus is started
    // for the X display either: a test that needs a session bus starts a private one.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    QApplication application(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
