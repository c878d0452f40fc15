#include "app/ui/edit_waveform.h"

#include <QCoreApplication>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "app/ui/wizard_style.h"

namespace app::ui {
namespace {

constexpr int kHeightPixels = 96;

// The envelope's columns that fall on pixel column x, merged.
PeakColumn peakAtPixel(const std::vector<PeakColumn>& envelope, int x, int width) {
    const auto count = static_cast<long long>(envelope.size());
    const long long first = x * count / width;
    const long long end = std::max((x + 1) * count / width, first + 1);
    PeakColumn peak;
    for (long long i = first; i < end && i < count; ++i) {
        peak.low = std::min(peak.low, envelope[static_cast<size_t>(i)].low);
        peak.high = std::max(peak.high, envelope[static_cast<size_t>(i)].high);
    }
    return peak;
}

}  // namespace

EditWaveform::EditWaveform(QWidget* parent) : QWidget(parent) {
    setAccessibleName(QCoreApplication::translate("Screens", "Edit waveform"));
    setMinimumHeight(kHeightPixels);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void EditWaveform::setEdit(std::vector<PeakColumn> envelope, double durationSeconds,
                           std::optional<EditJoinMap> joins) {
    envelope_ = std::move(envelope);
    durationSeconds_ = durationSeconds;
    joins_ = std::move(joins);
    const int joinCount = joins_ ? static_cast<int>(joins_->joinSeconds.size()) : 0;
    setAccessibleDescription(
        joinCount == 0 ? QString()
                       : QCoreApplication::translate("Screens", "%1 join(s) marked%2")
                             .arg(joinCount)
                             .arg(joins_->endingStartSeconds
                                      ? QCoreApplication::translate("Screens", ", ending shaded")
                                      : QString()));
    picture_ = QImage();
    update();
}

void EditWaveform::clear() { setEdit({}, 0.0, std::nullopt); }

int EditWaveform::columnAt(double seconds, double durationSeconds, int width) {
    if (durationSeconds <= 0.0 || width < 1) return 0;
    const auto column = static_cast<int>(std::lround(seconds / durationSeconds * width));
    return std::clamp(column, 0, width - 1);
}

QColor EditWaveform::markColor() { return palette::accent(); }

QSize EditWaveform::sizeHint() const { return {600, kHeightPixels}; }

void EditWaveform::paintEvent(QPaintEvent*) {
    if (picture_.size() != size()) picture_ = drawPicture(size());
    QPainter painter(this);
    painter.drawImage(0, 0, picture_);
}

QImage EditWaveform::drawPicture(QSize size) const {
    QImage picture(size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(QColor(0, 0, 0, 56));
    if (envelope_.empty() || size.isEmpty()) return picture;
    drawEnvelope(picture);
    drawEnding(picture);
    drawJoinMarks(picture);
    return picture;
}

void EditWaveform::drawEnvelope(QImage& picture) const {
    QPainter painter(&picture);
    painter.setPen(palette::text(0.75));
    const int width = picture.width();
    const double middle = (picture.height() - 1) / 2.0;
    for (int x = 0; x < width; ++x) {
        const PeakColumn peak = peakAtPixel(envelope_, x, width);
        const auto top = static_cast<int>(std::lround(middle - peak.high * middle));
        const auto bottom = static_cast<int>(std::lround(middle - peak.low * middle));
        painter.drawLine(x, top, x, bottom);
    }
}

void EditWaveform::drawEnding(QImage& picture) const {
    if (!joins_ || !joins_->endingStartSeconds) return;
    const int start = columnAt(*joins_->endingStartSeconds, durationSeconds_, picture.width());
    QPainter painter(&picture);
    QColor shade = palette::warning();
    shade.setAlphaF(0.28f);
    painter.fillRect(QRect(start, 0, picture.width() - start, picture.height()), shade);
}

// The number beside a mark is the song that begins there.
void EditWaveform::drawJoinMarks(QImage& picture) const {
    if (!joins_) return;
    QPainter painter(&picture);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(12);
    painter.setFont(font);
    int songNumber = 2;
    for (const double seconds : joins_->joinSeconds) {
        const int x = columnAt(seconds, durationSeconds_, picture.width());
        painter.fillRect(QRect(x, 0, 1, picture.height()), markColor());
        painter.setPen(palette::text(1.0));
        painter.drawText(QRect(x + 4, 2, 24, 16), Qt::AlignLeft | Qt::AlignTop,
                         QString::number(songNumber++));
    }
}

}  // namespace app::ui
