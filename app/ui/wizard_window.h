#pragma once
// The wizard's one window: the header and the card of the current step, redrawn
// from Wizard on every change. Below 780 pixels of content height the
// header scrolls together with the card; from 780 up the header stays put and
// only a card taller than the window scrolls. Interface thread only.

#include <QMainWindow>
#include <QScrollArea>
#include <QVBoxLayout>
#include <functional>

#include "app/ui/screen_choice.h"

namespace app {
class Wizard;
}

namespace app::ui {

class ScreenCard;
class WizardHeader;
class ToolsCard;
class SongsCard;
class InstructionsCard;
class CreateEditCard;
class DesktopNotification;

class WizardWindow : public QMainWindow {
public:
    explicit WizardWindow(Wizard& view, QWidget* parent = nullptr);

    // Runs once after the first show has finished its start-up and window fit.
    void setFirstShowHandler(std::function<void()> handler) {
        firstShowHandler_ = std::move(handler);
    }

    void refresh();
    // Fits the window to its screen (see window_fit.h) and applies the result.
    void ensureReadableWindowSize();

    WizardScreen currentScreen() const { return currentScreen_; }
    ScreenCard* currentCard() const;
    WizardHeader* header() const { return header_; }
    ToolsCard* toolsCard() const { return toolsCard_; }
    SongsCard* songsCard() const { return songsCard_; }
    InstructionsCard* instructionsCard() const { return instructionsCard_; }
    CreateEditCard* createEditCard() const { return createEditCard_; }
    QScrollArea* scrollArea() const { return scrollArea_; }
    bool headerScrollsWithCard() const { return headerScrolls_; }
    DesktopNotification* desktopNotification() const { return desktopNotification_; }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void applyScrollRule();
    void pressMainButton();

    Wizard& view_;
    WizardHeader* header_;
    QVBoxLayout* rootLayout_;
    QVBoxLayout* contentLayout_;
    QScrollArea* scrollArea_;
    ToolsCard* toolsCard_;
    SongsCard* songsCard_;
    InstructionsCard* instructionsCard_;
    CreateEditCard* createEditCard_;
    DesktopNotification* desktopNotification_;
    WizardScreen currentScreen_ = WizardScreen::tools;
    bool headerScrolls_ = false;
    bool shownOnce_ = false;
    bool fitDone_ = false;
    bool fitAwaitsFrame_ = false;  // fitted before the window manager had framed the window
    std::function<void()> firstShowHandler_;
};

}  // namespace app::ui
