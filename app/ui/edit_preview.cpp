#include "app/ui/edit_preview.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include "app/ui/components.h"
#include "audio/audio_error.h"
#include "audio/platform_audio_reader.h"

namespace app::ui {
namespace {

constexpr int kEnvelopeColumns = 4000;  // finer than any window is wide
constexpr int kEndingId = -1;

struct ReadingCancelled {};

QString buttonText(int id) {
    return id == kEndingId ? QCoreApplication::translate("Screens", "Play Ending")
                           : QCoreApplication::translate("Screens", "Play Join %1").arg(id);
}

QString stopButtonText(int id) {
    return id == kEndingId ? QCoreApplication::translate("Screens", "Stop Ending")
                           : QCoreApplication::translate("Screens", "Stop Join %1").arg(id);
}

}  // namespace

EditPreview::EditPreview(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("editPreview"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(8);
    waveform_ = new EditWaveform(this);
    column->addWidget(waveform_);
    message_ = makeLabel({}, QStringLiteral("caption"), this);
    column->addWidget(message_);
    buttonRow_ = new QHBoxLayout;
    buttonRow_->setSpacing(8);
    column->addLayout(buttonRow_);
    player_.onPlayingChanged([this] { refreshButtons(); });
    hide();
}

EditPreview::~EditPreview() { cancelReading(); }

QString EditPreview::noOutputDescription() {
    return QCoreApplication::translate("Screens", "No audio output found.");
}

void EditPreview::showEdit(const QString& editFile) {
    cancelReading();
    player_.stop();
    edit_.reset();
    joins_.reset();
    waveform_->clear();
    showMessage({});
    rebuildButtons();
    setVisible(!editFile.isEmpty());
    if (editFile.isEmpty()) return;

    const std::filesystem::path path = editFile.toStdString();
    joins_ = readEditJoinMap(path);
    showMessage(QCoreApplication::translate("Screens", "Reading the finished edit..."));
    auto cancelled = std::make_shared<std::atomic<bool>>(false);
    cancelled_ = cancelled;
    reading_ = std::make_unique<QFutureWatcher<Decoded>>();
    connect(reading_.get(), &QFutureWatcherBase::finished, this, [this] {
        const Decoded decoded = reading_->result();
        reading_.release()->deleteLater();  // this runs inside the watcher's own signal
        applyDecoded(decoded);
    });
    reading_->setFuture(QtConcurrent::run([path, cancelled] {
        Decoded decoded;
        try {
            auto edit = std::make_shared<audio::WavAudio>(audio::loadAudio(path, [cancelled] {
                if (*cancelled) throw ReadingCancelled{};
            }));
            decoded.envelope = peakEnvelope(edit->samples, edit->channels, kEnvelopeColumns);
            decoded.edit = std::move(edit);
        } catch (const ReadingCancelled&) {
        } catch (const std::exception& error) {
            decoded.error = QString::fromStdString(error.what());
        }
        return decoded;
    }));
}

// The worker stops at its next packet; its result is dropped with the watcher.
void EditPreview::cancelReading() {
    if (cancelled_) *cancelled_ = true;
    cancelled_.reset();
    if (reading_) reading_->disconnect(this);
    reading_.reset();
}

void EditPreview::applyDecoded(const Decoded& decoded) {
    cancelled_.reset();
    if (!decoded.edit) {
        showMessage(
            QCoreApplication::translate("Screens", "The finished edit could not be read: %1")
                .arg(decoded.error));
        return;
    }
    edit_ = decoded.edit;
    showMessage({});
    waveform_->setEdit(decoded.envelope, edit_->duration(), joins_);
    rebuildButtons();
}

void EditPreview::showMessage(const QString& text) {
    message_->setText(text);
    message_->setVisible(!text.isEmpty());
}

void EditPreview::rebuildButtons() {
    clearLayout(buttonRow_);
    buttons_.clear();
    if (!edit_ || !joins_) return;
    std::vector<int> ids;
    for (size_t join = 1; join <= joins_->joinSeconds.size(); ++join) {
        ids.push_back(static_cast<int>(join));
    }
    if (joins_->endingStartSeconds) ids.push_back(kEndingId);
    for (const int id : ids) {
        QPushButton* button = makeButton(buttonText(id), QStringLiteral("play.circle"), {}, this);
        connect(button, &QPushButton::clicked, this, [this, id] { togglePreview(id); });
        buttonRow_->addWidget(button);
        buttons_.push_back(button);
    }
    buttonRow_->addStretch(1);
    refreshButtons();
    if (window()) orderTabChainByLayout(window());
}

void EditPreview::refreshButtons() {
    const bool canPlay = JoinPreviewPlayer::audioOutputAvailable();
    for (QPushButton* button : buttons_) {
        button->setEnabled(canPlay);
        button->setAccessibleDescription(canPlay ? QString() : noOutputDescription());
        button->setToolTip(canPlay ? QString() : noOutputDescription());
    }
    if (!joins_) return;
    for (size_t i = 0; i < buttons_.size(); ++i) {
        const int id = i < joins_->joinSeconds.size() ? static_cast<int>(i + 1) : kEndingId;
        const bool playing = player_.playingId() == id;
        updateButton(buttons_[i], playing ? stopButtonText(id) : buttonText(id),
                     playing ? QStringLiteral("stop.circle") : QStringLiteral("play.circle"), {});
    }
}

std::optional<FrameRange> EditPreview::previewRange(int id) const {
    if (!edit_ || !joins_) return std::nullopt;
    if (id == kEndingId) {
        if (!joins_->endingStartSeconds) return std::nullopt;
        return endingPreviewRange(*joins_->endingStartSeconds, edit_->frameCount(),
                                  edit_->sampleRate);
    }
    if (id < 1 || id > static_cast<int>(joins_->joinSeconds.size())) return std::nullopt;
    return joinPreviewRange(joins_->joinSeconds[static_cast<size_t>(id - 1)], edit_->frameCount(),
                            edit_->sampleRate);
}

void EditPreview::togglePreview(int id) {
    if (player_.playingId() == id) {
        player_.stop();
        return;
    }
    if (const std::optional<FrameRange> range = previewRange(id)) player_.play(edit_, *range, id);
}

void EditPreview::hideEvent(QHideEvent* event) {
    player_.stop();
    QWidget::hideEvent(event);
}

}  // namespace app::ui
