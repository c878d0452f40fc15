#pragma once
// Step 4: the progress of the edit (five step rows with their state marks), the
// live status panel with the overall bar, the short log, and the buttons to
// stop, go back, view the finished edit or start another one.

#include <QProgressBar>
#include <vector>

#include "app/ui/edit_preview.h"
#include "app/ui/screen_card.h"

namespace app::ui {

class CreateEditCard : public ScreenCard {
public:
    CreateEditCard(Wizard& view, QWidget* parent = nullptr);
    void refresh() override;
    // "View Edit" once complete, "Stop Edit" while running, otherwise "Back".
    QPushButton* mainButton() const override;

private:
    struct PhaseRow {
        SymbolLabel* symbol;
        QLabel* title;
        QLabel* word;
        QLabel* detail;
        QProgressBar* bar;
    };
    void rebuildPhaseRows();
    void refreshPhaseRows();
    void refreshLiveStatus();
    void refreshButtons();
    void refreshFinishedEdit();

    SymbolLabel* titleSymbol_;
    QLabel* title_;
    QLabel* description_;

    // The finished edit: its cover (when it has one) beside its file name.
    QWidget* finishedEdit_;
    QLabel* finishedCover_;
    QLabel* finishedName_;
    QString shownEditKey_;

    SymbolLabel* liveSymbol_;
    QLabel* liveHeadline_;
    QLabel* liveMessage_;
    QLabel* liveTiming_;
    QLabel* monitoringNote_;  // shown only while a run goes on
    QProgressBar* overallBar_;

    // "All 5 steps complete": the folded list of a complete edit; checked shows the list.
    QPushButton* foldToggle_;
    QFrame* progressList_;
    QVBoxLayout* phasesLayout_;
    std::vector<PhaseRow> phaseRows_;
    QString shownPhasesKey_;

    // The finished edit's waveform and join previews, under its name.
    EditPreview* preview_;

    QLabel* log_;

    QPushButton* stopButton_;
    QPushButton* backButton_;
    QPushButton* viewEditButton_;
    QPushButton* workFolderButton_;
    QPushButton* anotherEditButton_;
    QPushButton* backToSetupButton_;
};

}  // namespace app::ui
