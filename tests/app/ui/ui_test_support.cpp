#include "tests/app/ui/ui_test_support.h"

#include <QLabel>

#include "tests/support/generated_audio.h"

namespace uitest {

QStringList writeSongs(const QString& folder, const QStringList& names, double toneSeconds) {
    QStringList paths;
    double frequency = 330.0;
    for (const QString& name : names) {
        const QString path = folder + QLatin1Char('/') + name;
        testsupport::writeTestWav(
            path.toStdString(),
            testsupport::concatenate(
                {testsupport::silence(1.5), testsupport::tone(toneSeconds, frequency, 0.4)}));
        paths << path;
        frequency *= 1.25;
    }
    return paths;
}

QString accessibleName(QWidget* widget) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible != nullptr ? accessible->text(QAccessible::Name) : QString();
}

QStringList visibleLabelTexts(QWidget* root) {
    QStringList texts;
    for (QLabel* label : root->findChildren<QLabel*>()) {
        if (label->isVisibleTo(root) && !label->text().isEmpty()) texts << label->text();
    }
    return texts;
}

}  // namespace uitest
