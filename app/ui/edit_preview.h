#pragma once
// The finished edit, to see and hear: its waveform with the joins marked, and one button per
// join ("Play Join N") and for the ending ("Play Ending"). The MP3 is decoded off the interface
// thread; a second press of the playing button stops it, and playback stops when this panel is
// hidden (another screen) or destroyed (the window closes).

#include <QFutureWatcher>
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <atomic>
#include <memory>
#include <optional>
#include <vector>

#include "app/ui/edit_join_map.h"
#include "app/ui/edit_waveform.h"
#include "app/ui/join_preview.h"

class QHBoxLayout;

namespace app::ui {

class EditPreview : public QWidget {
public:
    explicit EditPreview(QWidget* parent = nullptr);
    ~EditPreview() override;

    // Reads `editFile` in the background and shows it; an empty path shows nothing.
    void showEdit(const QString& editFile);
    // The decoded edit once it is read, for what the buttons play.
    std::shared_ptr<const audio::WavAudio> decodedEdit() const { return edit_; }
    EditWaveform* waveform() const { return waveform_; }
    JoinPreviewPlayer& player() { return player_; }
    bool isReading() const { return reading_ != nullptr; }

    static QString noOutputDescription();

protected:
    void hideEvent(QHideEvent* event) override;

private:
    struct Decoded {
        std::shared_ptr<const audio::WavAudio> edit;
        std::vector<PeakColumn> envelope;
        QString error;
    };
    void cancelReading();
    void applyDecoded(const Decoded& decoded);
    void showMessage(const QString& text);  // an empty text hides the line
    void rebuildButtons();
    void refreshButtons();
    void togglePreview(int id);
    std::optional<FrameRange> previewRange(int id) const;

    EditWaveform* waveform_;
    QLabel* message_;
    QHBoxLayout* buttonRow_;
    std::vector<QPushButton*> buttons_;  // the joins in play order, then the ending
    std::optional<EditJoinMap> joins_;
    std::shared_ptr<const audio::WavAudio> edit_;
    std::shared_ptr<std::atomic<bool>> cancelled_;
    std::unique_ptr<QFutureWatcher<Decoded>> reading_;
    JoinPreviewPlayer player_;
};

}  // namespace app::ui
