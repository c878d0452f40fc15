#pragma once
// Ctrl+Return (or Ctrl+Enter) anywhere in one window presses that window's main button.
// Read from the key presses themselves, not through a shortcut: a shortcut needs Qt to know
// the window is active, and keys can reach a field before it does (right after a dialog, on
// a busy machine), which would type a line break into the field instead. Keys in a dialog
// over the window are left alone. Interface thread only.

#include <QObject>
#include <QWidget>
#include <functional>

namespace app::ui {

class MainButtonKeys : public QObject {
public:
    // Watches every key press of the application for `window` (which owns this object).
    MainButtonKeys(QWidget* window, std::function<void()> press);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    std::function<void()> press_;
};

}  // namespace app::ui
