#include "app/ui/main_button_keys.h"

#include <QApplication>
#include <QKeyEvent>

namespace app::ui {

MainButtonKeys::MainButtonKeys(QWidget* window, std::function<void()> press)
    : QObject(window), window_(window), press_(std::move(press)) {
    qApp->installEventFilter(this);
}

bool MainButtonKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != window_) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool returnKey = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (!returnKey || (key->modifiers() & ~Qt::KeypadModifier) != Qt::ControlModifier) {
        return false;
    }
    // A held key repeats: only the first press counts, or it would go on to press the next
    // screen's main button too.
    if (!key->isAutoRepeat()) press_();
    return true;
}

}  // namespace app::ui
