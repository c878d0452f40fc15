#include "app/ui/join_preview.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QMediaDevices>
#include <algorithm>

namespace app::ui {
namespace {

QAudioFormat sampleFormat(int sampleRate, int channels) {
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(channels);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

}  // namespace

JoinPreviewPlayer::JoinPreviewPlayer(QObject* parent) : QObject(parent) {}

JoinPreviewPlayer::~JoinPreviewPlayer() {
    // No callback may reach an owner that is being destroyed.
    playingChanged_ = nullptr;
    stop();
}

bool JoinPreviewPlayer::audioOutputAvailable() {
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    return !device.isNull() && device.isFormatSupported(sampleFormat(44100, 2));
}

bool JoinPreviewPlayer::play(std::shared_ptr<const audio::WavAudio> edit, FrameRange range,
                             int id) {
    stop();
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    const QAudioFormat format = sampleFormat(edit->sampleRate, edit->channels);
    if (device.isNull() || !device.isFormatSupported(format)) return false;
    const long long frames = edit->frameCount();
    const long long first = std::clamp(range.startFrame, 0LL, frames);
    const long long end = std::clamp(range.endFrame, first, frames);
    const auto* data = reinterpret_cast<const char*>(edit->samples.data() + first * edit->channels);
    bytes_ = QByteArray(data, static_cast<qsizetype>((end - first) * edit->channels *
                                                     static_cast<long long>(sizeof(int16_t))));
    buffer_.setData(bytes_);
    buffer_.open(QIODevice::ReadOnly);

    sink_ = std::make_unique<QAudioSink>(device, format);
    connect(sink_.get(), &QAudioSink::stateChanged, this, [this](QAudio::State state) {
        // Idle means the stretch has been played out; a stopped sink reports its own end.
        if (state == QAudio::IdleState ||
            (state == QAudio::StoppedState && sink_ && sink_->error() != QAudio::NoError)) {
            finish();
        }
    });
    sink_->start(&buffer_);
    if (sink_->error() != QAudio::NoError || sink_->state() == QAudio::StoppedState) {
        finish();
        return false;
    }
    playingId_ = id;
    if (playingChanged_) playingChanged_();
    return true;
}

void JoinPreviewPlayer::stop() {
    if (!sink_) return;
    finish();
}

// Deleting the sink later: this can run inside the sink's own state signal.
void JoinPreviewPlayer::finish() {
    if (sink_) {
        QAudioSink* sink = sink_.release();
        sink->disconnect(this);
        sink->stop();
        sink->deleteLater();
    }
    buffer_.close();
    const bool wasPlaying = playingId_.has_value();
    playingId_.reset();
    if (wasPlaying && playingChanged_) playingChanged_();
}

}  // namespace app::ui
