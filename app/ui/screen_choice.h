#pragma once
// Which of the four screens the window shows, and the header above it: pure
// functions of the wizard's state, evaluated on every redraw.

#include <QString>

namespace app {
class ContentView;
}

namespace app::ui {

enum class WizardScreen { tools, songs, instructions, createEdit };

WizardScreen screenFor(const ContentView& view);

struct HeaderTexts {
    QString subtitle;
    QString stepPill;
};

HeaderTexts headerFor(const ContentView& view);

}  // namespace app::ui
