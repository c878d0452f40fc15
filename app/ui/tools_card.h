#pragma once
// Step 1: the tool readiness tiles, the setup notice and "Check Again".

#include <QGridLayout>

#include "app/ui/screen_card.h"

namespace app::ui {

class ToolsCard : public ScreenCard {
public:
    ToolsCard(Wizard& view, QWidget* parent = nullptr);
    void refresh() override;
    QPushButton* mainButton() const override { return checkAgainButton_; }

private:
    void rebuildTiles();

    QLabel* checkingLabel_;
    QWidget* tiles_;
    QGridLayout* tilesLayout_;
    QFrame* notice_;
    QLabel* noticeText_;
    QPushButton* checkAgainButton_;
    QString shownChecksKey_;
};

}  // namespace app::ui
