#pragma once
// Plays one stretch of the decoded edit through the default audio output with QAudioSink.
// Interface thread only; play() returns at once and the sink pulls the samples as it needs
// them. Playing another stretch stops the one before.

#include <QAudioSink>
#include <QBuffer>
#include <QObject>
#include <functional>
#include <memory>
#include <optional>

#include "app/ui/preview_range.h"
#include "audio/wav_audio.h"

namespace app::ui {

class JoinPreviewPlayer : public QObject {
public:
    explicit JoinPreviewPlayer(QObject* parent = nullptr);
    ~JoinPreviewPlayer() override;

    // True when the machine has an audio output that takes 16-bit stereo.
    static bool audioOutputAvailable();

    // Starts `range` of `edit` and remembers `id` as what plays; false when no output started.
    bool play(std::shared_ptr<const audio::WavAudio> edit, FrameRange range, int id);
    void stop();
    // The id given to play() while its stretch plays.
    std::optional<int> playingId() const { return playingId_; }

    // Called after every start and every stop, including the end of a stretch.
    void onPlayingChanged(std::function<void()> callback) { playingChanged_ = std::move(callback); }

private:
    void finish();

    std::unique_ptr<QAudioSink> sink_;
    QBuffer buffer_;
    QByteArray bytes_;
    std::optional<int> playingId_;
    std::function<void()> playingChanged_;
};

}  // namespace app::ui
