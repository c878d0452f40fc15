#pragma once
// Which of the four screens the window shows, and the header above it: pure
// functions of the wizard's state, evaluated on every redraw.

#include <QString>

namespace app {
class Wizard;
}

namespace app::ui {

enum class WizardScreen { tools, songs, instructions, createEdit };

WizardScreen screenFor(const Wizard& view);

struct HeaderTexts {
    QString subtitle;
    QString stepPill;
};

HeaderTexts headerFor(const Wizard& view);

}  // namespace app::ui
