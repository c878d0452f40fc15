#pragma once
// The common shape of the four screens' cards: built once, then redrawn in
// place from the wizard's state on every change.

#include <QPushButton>

#include "app/ui/components.h"

namespace app {
class Wizard;
}

namespace app::ui {

class ScreenCard : public Card {
public:
    ScreenCard(int stepNumber, Wizard& view, QWidget* parent)
        : Card(stepNumber, parent), view_(view) {}

    // Brings every widget in line with the state; never rebuilds a field the
    // user is typing in.
    virtual void refresh() = 0;
    // The button that Ctrl+Return presses on this screen; null when there is none.
    virtual QPushButton* mainButton() const = 0;

protected:
    Wizard& view() const { return view_; }

private:
    Wizard& view_;
};

}  // namespace app::ui
