#pragma once
// Step 2: choosing the songs (files or a folder), the song list with its count
// and readiness badge, and per song: replace, move earlier, move later.

#include "app/ui/screen_card.h"

namespace app::ui {

class SongsCard : public ScreenCard {
public:
    SongsCard(Wizard& view, QWidget* parent = nullptr);
    void refresh() override;
    QPushButton* mainButton() const override { return chooseFilesButton_; }

private:
    void rebuildSongRows();

    QPushButton* chooseFilesButton_;
    QPushButton* chooseFolderButton_;
    QPushButton* rescanButton_;
    QPushButton* clearButton_;
    QPushButton* showFolderButton_;
    QLabel* countLabel_;
    QLabel* badgeLabel_;
    QLabel* emptyLabel_;
    QWidget* rows_;
    QVBoxLayout* rowsLayout_;
    QString shownTracksKey_;
};

}  // namespace app::ui
