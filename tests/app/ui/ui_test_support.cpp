#include "tests/app/ui/ui_test_support.h"

#include <QLabel>

namespace uitest {

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
