#pragma once
// Step 3: the timing rule, one guidance box per song, the output folder, the
// ending effect, where cuts snap and the AI assist options, and the Create Edit button.

#include <QButtonGroup>
#include <vector>

#include "app/ui/screen_card.h"
#include "app/ui/song_guidance_box.h"

namespace app::ui {

class InstructionsCard : public ScreenCard {
public:
    InstructionsCard(Wizard& view, QWidget* parent = nullptr);
    void refresh() override;
    QPushButton* mainButton() const override { return createEditButton_; }

    const std::vector<SongGuidanceBox*>& guidanceBoxes() const { return boxes_; }

private:
    QWidget* buildOutputFolderPanel();
    QWidget* buildEndingEffectPanel();
    QWidget* buildSnapCutsToPanel();
    QWidget* buildAIAssistPanel();
    void rebuildGuidanceBoxes();
    void refreshOutputFolder();
    void refreshOptions();

    QVBoxLayout* boxesLayout_;
    std::vector<SongGuidanceBox*> boxes_;
    QString shownTracksKey_;

    QLabel* outputRequired_;
    QWidget* outputChosenRow_;
    SymbolLabel* outputSymbol_;
    QLabel* outputPath_;
    QPushButton* chooseOutputButton_;
    QPushButton* showOutputButton_;

    QButtonGroup* effectGroup_;
    QLabel* effectDetail_;
    QButtonGroup* snapGroup_;
    QLabel* snapDetail_;
    QButtonGroup* modeGroup_;
    QLabel* modeDetail_;
    QLabel* connectionMessage_;

    QPushButton* createEditButton_;
    QPushButton* viewEditButton_;
};

}  // namespace app::ui
