#include "audio/platform_audio_reader.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/error.h>
#include <libavutil/log.h>
#include <libswresample/swresample.h>
}

#include <memory>
#include <string>
#include <vector>

#include "audio/audio_error.h"
#include "audio/file_bytes.h"
#include "audio/resample.h"
#include "audio/stop_check.h"

namespace audio {
namespace {

struct FormatContextCloser {
    void operator()(AVFormatContext* context) const { avformat_close_input(&context); }
};
struct CodecContextFreer {
    void operator()(AVCodecContext* context) const { avcodec_free_context(&context); }
};
struct PacketFreer {
    void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
struct FrameFreer {
    void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
struct ResamplerFreer {
    void operator()(SwrContext* context) const { swr_free(&context); }
};
using FormatContextPtr = std::unique_ptr<AVFormatContext, FormatContextCloser>;
using CodecContextPtr = std::unique_ptr<AVCodecContext, CodecContextFreer>;
using PacketPtr = std::unique_ptr<AVPacket, PacketFreer>;
using FramePtr = std::unique_ptr<AVFrame, FrameFreer>;
using ResamplerPtr = std::unique_ptr<SwrContext, ResamplerFreer>;

const char* const kCannotDecode = "Local audio reader cannot decode this file.";
const char* const kCouldNotStart = "Local audio reader could not start.";
const char* const kDecodeFailed = "Local audio decode failed.";
const char* const kCouldNotCopy = "Local audio reader could not copy decoded samples.";

std::string ffmpegErrorText(int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    if (av_strerror(code, text, sizeof text) < 0) return "error " + std::to_string(code);
    return text;
}

FormatContextPtr openInput(const std::filesystem::path& path) {
    // Only the local file: a playlist-like file must not make the reader open URLs.
    AVDictionary* options = nullptr;
    av_dict_set(&options, "protocol_whitelist", "file", 0);
    AVFormatContext* opened = nullptr;
    const std::string url = "file:" + path.string();
    const int result = avformat_open_input(&opened, url.c_str(), nullptr, &options);
    av_dict_free(&options);
    if (result < 0) {
        throw AudioError("Local audio reader could not open " + path.string() + ": " +
                         ffmpegErrorText(result));
    }
    FormatContextPtr input(opened);
    const int infoResult = avformat_find_stream_info(input.get(), nullptr);
    if (infoResult < 0) {
        throw AudioError("Local audio reader could not read " + path.string() + ": " +
                         ffmpegErrorText(infoResult));
    }
    return input;
}

AVStream* firstAudioStream(AVFormatContext& input) {
    AVStream* chosen = nullptr;
    for (unsigned i = 0; i < input.nb_streams; ++i) {
        AVStream* stream = input.streams[i];
        if (chosen == nullptr && stream->codecpar->codec_type == AVMEDIA_TYPE_AUDIO) {
            chosen = stream;
        } else {
            stream->discard = AVDISCARD_ALL;
        }
    }
    if (chosen == nullptr) throw AudioError("Source file has no readable audio track.");
    return chosen;
}

CodecContextPtr openDecoder(const AVStream& stream) {
    const AVCodec* codec = avcodec_find_decoder(stream.codecpar->codec_id);
    if (codec == nullptr) throw AudioError(kCannotDecode);
    CodecContextPtr decoder(avcodec_alloc_context3(codec));
    if (!decoder) throw AudioError(kCouldNotStart);
    if (avcodec_parameters_to_context(decoder.get(), stream.codecpar) < 0) {
        throw AudioError(kCannotDecode);
    }
    if (avcodec_open2(decoder.get(), codec, nullptr) < 0) throw AudioError(kCouldNotStart);
    return decoder;
}

// Collects decoded frames as 16-bit interleaved samples. A stream may change its
// rate or channel layout midway; each stretch of one format is converted to the
// target form on its own, so no sample is read with the wrong layout.
class SampleCollector {
public:
    ~SampleCollector() { av_channel_layout_uninit(&layout_); }

    void append(const AVFrame& frame) {
        if (frame.nb_samples <= 0) return;
        const int channels = frame.ch_layout.nb_channels;
        if (channels <= 0) throw AudioError(kCouldNotCopy);
        if (!sameFormat(frame)) startStretch(frame);

        const size_t count = static_cast<size_t>(frame.nb_samples) * static_cast<size_t>(channels);
        if (collected_.samples.size() + stretch_.size() + count > maxDecodedSamples) {
            throw AudioError("Decoded audio is too long.");
        }
        // Grow in place, then convert straight into the new tail.
        const size_t oldSize = stretch_.size();
        stretch_.resize(oldSize + count);
        auto* tail = reinterpret_cast<uint8_t*>(stretch_.data() + oldSize);
        const int converted =
            swr_convert(converter_.get(), &tail, frame.nb_samples,
                        const_cast<const uint8_t**>(frame.extended_data), frame.nb_samples);
        if (converted < 0) throw AudioError(kCouldNotCopy);
        stretch_.resize(oldSize + static_cast<size_t>(converted) * static_cast<size_t>(channels));
    }

    bool empty() const { return collected_.samples.empty() && stretch_.empty(); }

    WavAudio finish() {
        finishStretch();
        return std::move(collected_);
    }

private:
    bool sameFormat(const AVFrame& frame) const {
        return converter_ && frame.format == format_ && frame.sample_rate == sampleRate_ &&
               av_channel_layout_compare(&frame.ch_layout, &layout_) == 0;
    }

    void startStretch(const AVFrame& frame) {
        finishStretch();
        av_channel_layout_uninit(&layout_);
        if (av_channel_layout_copy(&layout_, &frame.ch_layout) < 0) throw AudioError(kCouldNotCopy);
        format_ = frame.format;
        sampleRate_ = frame.sample_rate;
        // Same layout and rate on both sides: only the sample format changes.
        SwrContext* converter = nullptr;
        if (swr_alloc_set_opts2(&converter, &layout_, AV_SAMPLE_FMT_S16, sampleRate_, &layout_,
                                static_cast<AVSampleFormat>(format_), sampleRate_, 0,
                                nullptr) < 0) {
            throw AudioError(kCouldNotCopy);
        }
        converter_.reset(converter);
        if (swr_init(converter_.get()) < 0) throw AudioError(kCouldNotCopy);
    }

    void finishStretch() {
        if (stretch_.empty()) return;
        WavAudio converted =
            convertToTargetFormat(std::move(stretch_), layout_.nb_channels, sampleRate_);
        stretch_.clear();
        if (collected_.samples.size() + converted.samples.size() > maxDecodedSamples) {
            throw AudioError("Decoded audio is too long.");
        }
        collected_.samples.insert(collected_.samples.end(), converted.samples.begin(),
                                  converted.samples.end());
    }

    WavAudio collected_;
    std::vector<int16_t> stretch_;
    ResamplerPtr converter_;
    AVChannelLayout layout_{};
    int format_ = AV_SAMPLE_FMT_NONE;
    int sampleRate_ = 0;
};

// Decoders report damaged packets as invalid data; like FFmpeg's own tools the
// reader skips them, but a stream that yields nothing besides such errors failed.
class Decoder {
public:
    Decoder(AVCodecContext& context, SampleCollector& collector)
        : context_(context), collector_(collector), frame_(av_frame_alloc()) {
        if (!frame_) throw AudioError(kCouldNotStart);
    }

    void send(const AVPacket* packet) {
        const int result = avcodec_send_packet(&context_, packet);
        if (result < 0 && result != AVERROR_EOF) noteError(result);
        receiveFrames();
    }

    bool rejectedAnyPacket() const { return rejectedPackets_ > 0; }

private:
    void receiveFrames() {
        while (true) {
            const int result = avcodec_receive_frame(&context_, frame_.get());
            if (result == AVERROR(EAGAIN) || result == AVERROR_EOF) return;
            if (result < 0) {
                noteError(result);
                continue;
            }
            collector_.append(*frame_);
            av_frame_unref(frame_.get());
        }
    }

    void noteError(int code) {
        if (code != AVERROR_INVALIDDATA) throw AudioError(kDecodeFailed);
        ++rejectedPackets_;
    }

    AVCodecContext& context_;
    SampleCollector& collector_;
    FramePtr frame_;
    int rejectedPackets_ = 0;
};

}  // namespace

WavAudio loadAudio(const std::filesystem::path& path, const StopCheck& stopCheck) {
    av_log_set_level(AV_LOG_QUIET);
    // A pipe or device would block the demuxer or never end.
    requireRegularFile(path);

    const FormatContextPtr input = openInput(path);
    const AVStream* stream = firstAudioStream(*input);
    const CodecContextPtr codec = openDecoder(*stream);

    SampleCollector collector;
    Decoder decoder(*codec, collector);
    const PacketPtr packet(av_packet_alloc());
    if (!packet) throw AudioError(kCouldNotStart);
    while (true) {
        if (stopCheck) stopCheck();  // a long file must not keep a stopped program busy
        const int result = av_read_frame(input.get(), packet.get());
        if (result == AVERROR_EOF) break;
        if (result < 0) throw AudioError(kDecodeFailed);
        if (packet->stream_index == stream->index) decoder.send(packet.get());
        av_packet_unref(packet.get());
    }
    decoder.send(nullptr);  // drain what the decoder still holds

    if (collector.empty()) {
        throw AudioError(decoder.rejectedAnyPacket() ? kDecodeFailed : "Decoded audio is empty.");
    }
    return collector.finish();
}

}  // namespace audio
