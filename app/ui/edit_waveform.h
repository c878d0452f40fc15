#pragma once
// The overview waveform of the finished edit: its peak envelope, a mark with the song number
// at each join and the ending shaded from where it starts. The picture is drawn once per size
// and kept as an image; painting only copies it.

#include <QImage>
#include <QWidget>
#include <optional>
#include <vector>

#include "app/ui/edit_join_map.h"
#include "app/ui/peak_envelope.h"

namespace app::ui {

class EditWaveform : public QWidget {
public:
    explicit EditWaveform(QWidget* parent = nullptr);

    // The edit to draw: its envelope, its length and, for an edit of ours, its joins and ending.
    void setEdit(std::vector<PeakColumn> envelope, double durationSeconds,
                 std::optional<EditJoinMap> joins);
    void clear();

    // The pixel column of `seconds` in a picture `width` pixels wide.
    static int columnAt(double seconds, double durationSeconds, int width);
    static QColor markColor();

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage drawPicture(QSize size) const;
    void drawEnvelope(QImage& picture) const;
    void drawEnding(QImage& picture) const;
    void drawJoinMarks(QImage& picture) const;

    std::vector<PeakColumn> envelope_;
    double durationSeconds_ = 0.0;
    std::optional<EditJoinMap> joins_;
    QImage picture_;  // empty until first painted at the current size
};

}  // namespace app::ui
