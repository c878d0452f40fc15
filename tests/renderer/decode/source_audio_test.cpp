// Songs that are not MP3 decoded in-process, WAV by the renderer's own reader and everything
// else through FFmpeg, the conversion of both to 44.1 kHz stereo, and the WAV the encoder gets.
// MP3 (through LAME) and unreadable songs are run through seamforge.

#include "renderer/source_audio.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

#include "renderer/render_error.h"
#include "renderer/resample.h"
#include "renderer/wav_file.h"
#include "tests/support/generated_audio.h"
#include "tests/support/raw_wav.h"
#include "tests/support/test_files.h"

namespace renderer {
namespace {

namespace fs = std::filesystem;
using rawwav::chunk;
using rawwav::riff;
using rawwav::samplesBody;
using testsupport::Samples;

void convert(const fs::path& source, const fs::path& destination,
             const std::vector<std::string>& arguments = {}) {
    ASSERT_EQ(testsupport::convertWithFfmpeg(source, destination, arguments), "");
}

// RMS of one channel over the middle half, as a fraction of full scale.
double middleRms(const std::vector<int16_t>& samples, size_t channel) {
    const size_t frames = samples.size() / 2;
    double sum = 0.0;
    for (size_t frame = frames / 4; frame < frames * 3 / 4; ++frame) {
        const double value = samples[frame * 2 + channel] / 32767.0;
        sum += value * value;
    }
    return std::sqrt(sum / static_cast<double>(frames * 3 / 4 - frames / 4));
}

// Left is a 440 Hz tone, right a quieter 660 Hz one, so swapped or mixed channels show.
Samples distinctStereo(double seconds, int sampleRate) {
    const Samples left = testsupport::tone(seconds, 440.0, 0.5, sampleRate, 1);
    const Samples right = testsupport::tone(seconds, 660.0, 0.25, sampleRate, 1);
    Samples stereo;
    for (size_t i = 0; i < left.size(); ++i) stereo.insert(stereo.end(), {left[i], right[i]});
    return stereo;
}

class SourceAudio : public ::testing::Test {
protected:
    testsupport::TemporaryFolder songs;
    testsupport::TemporaryFolder work;

    WavAudio load(const std::string& name) { return loadSourceAudio(songs / name, work.path(), 1); }
};

TEST_F(SourceAudio, FfmpegTypesDecodeToStereoAtTheTargetRate) {
    const Samples stereo = distinctStereo(0.5, 44100);
    testsupport::writeTestWav(songs / "source.wav", stereo);
    for (const std::string name : {"song.flac", "song.aiff", "Song.AIF"}) {
        SCOPED_TRACE(name);
        convert(songs / "source.wav", songs / name);
        EXPECT_EQ(load(name).samples, stereo);  // lossless: sample for sample
    }

    testsupport::writeTestWav(songs / "source48k.wav", distinctStereo(1.0, 48000), 48000);
    convert(songs / "source48k.wav", songs / "song.m4a", {"-c:a", "aac"});
    convert(songs / "source48k.wav", songs / "song.aac", {"-c:a", "aac", "-ar", "44100"});
    for (const std::string name : {"song.m4a", "song.aac"}) {
        SCOPED_TRACE(name);
        const WavAudio audio = load(name);
        EXPECT_EQ(audio.sampleRate, 44100);
        EXPECT_EQ(audio.channels, 2);
        // AAC adds up to a few thousand frames of encoder delay and padding.
        EXPECT_NEAR(static_cast<double>(audio.frameCount()), 44100.0, 3000.0);
        // Measured away from the edges, where the codec smears the tone's onset.
        EXPECT_NEAR(middleRms(audio.samples, 0), 0.5 / std::sqrt(2.0), 0.02);
        EXPECT_NEAR(middleRms(audio.samples, 1), 0.25 / std::sqrt(2.0), 0.02);
    }
}

// Both readers, the renderer's WAV reader and FFmpeg, end in the same stereo form.
TEST_F(SourceAudio, MonoIsDoubledAndSixChannelsKeepTheFirstTwo) {
    testsupport::writeTestWav(songs / "mono.wav", testsupport::tone(1.0, 440.0, 0.5, 22050, 1),
                              22050, 1);
    convert(songs / "mono.wav", songs / "mono.flac");
    for (const std::string name : {"mono.wav", "mono.flac"}) {
        SCOPED_TRACE(name);
        const WavAudio mono = load(name);
        ASSERT_EQ(mono.frameCount(), 44100);
        for (long long frame = 0; frame < mono.frameCount(); ++frame) {
            ASSERT_EQ(mono.samples[frame * 2], mono.samples[frame * 2 + 1]) << frame;
        }
    }

    const Samples front = distinctStereo(0.25, 44100);
    const Samples others = testsupport::noise(0.25, 0.9, 7, 44100, 4);
    Samples sixChannels;
    for (size_t frame = 0; frame < front.size() / 2; ++frame) {
        sixChannels.insert(sixChannels.end(), {front[frame * 2], front[frame * 2 + 1]});
        sixChannels.insert(sixChannels.end(), others.begin() + static_cast<long>(frame * 4),
                           others.begin() + static_cast<long>(frame * 4 + 4));
    }
    testsupport::writeTestWav(songs / "six.wav", sixChannels, 44100, 6);
    convert(songs / "six.wav", songs / "six.flac");
    EXPECT_EQ(load("six.flac").samples, front);
    EXPECT_EQ(load("six.wav").samples, front);
}

TEST(ResampleStereo, InterpolatesEachChannelAndRoundsCountsAndHalvesAwayFromZero) {
    // Doubling the rate puts a new frame halfway between each pair of input frames; past the
    // last input frame the last value is held. Halfway between -32768 and 32767 is -0.5: -1.
    EXPECT_EQ(resampleStereo(Samples{0, 0, 3, -3, 10, -10}, 1000, 2000),
              (Samples{0, 0, 2, -2, 3, -3, 7, -7, 10, -10, 10, -10}));
    EXPECT_EQ(resampleStereo(Samples{-32768, 32767, 32767, -32768}, 1000, 2000),
              (Samples{-32768, 32767, -1, -1, 32767, -32768, 32767, -32768}));
    // 2 frames at 48000 -> 44100: 1.8375 frames round up to 2; 0.5 -> 1, 2.5 -> 3.
    EXPECT_EQ(resampleStereo(Samples{0, 0, 100, 100}, 48000, 44100).size(), 4u);
    EXPECT_EQ(resampledFrameCount(3, 6, 1), 1);
    EXPECT_EQ(resampledFrameCount(5, 2, 1), 3);
    EXPECT_EQ(resampledFrameCount(1000, 48000, 44100), 919);

    // One frame, equal rates and rates of 0 are left as they are.
    EXPECT_EQ(resampleStereo(Samples{7, -7}, 22050, 44100), (Samples{7, -7}));
    const Samples frames{1, 2, 3, 4};
    for (const auto& [from, to] : {std::pair{44100, 44100}, {0, 44100}, {44100, 0}}) {
        EXPECT_EQ(resampleStereo(frames, from, to), frames) << from << " -> " << to;
    }
}

TEST(ConvertToTargetFormat, DropsAHalfFrameAndRefusesRatesThatWouldInflateASmallFile) {
    // A half frame at the end would shift every later channel.
    EXPECT_EQ(stereoFromChannels(Samples{1, 2, 3, 4, 5}, 2), (Samples{1, 2, 3, 4}));
    EXPECT_THROW(convertToTargetFormat(Samples(1000), 2, 1), RenderError);
    EXPECT_THROW(convertToTargetFormat(Samples(1000), 2, 0), RenderError);
    EXPECT_EQ(convertToTargetFormat(Samples(1000), 2, minimumSourceSampleRate).frameCount(),
              resampledFrameCount(500, minimumSourceSampleRate, 44100));
}

const Samples kFour{100, -100, 200, -200};
const std::string kStereoFmt = chunk("fmt ", rawwav::fmtBody(1, 2, 44100, 16));

WavAudio parse(const std::string& bytes) {
    return parseWav(std::vector<uint8_t>(bytes.begin(), bytes.end()));
}

TEST(ParseWav, WalksTheChunksAndKeepsTheSamplesThatArePresent) {
    const struct {
        const char* what;
        std::string bytes;
        Samples expected;
    } cases[] = {
        {"LIST before fmt, data claiming more than the file holds",
         riff(chunk("LIST", std::string(10, 'x')) + kStereoFmt +
              chunk("data", samplesBody(kFour), 1'000'000)),
         kFour},
        {"data declaring 4 GiB", riff(kStereoFmt + chunk("data", samplesBody(kFour), 0xFFFFFFFF)),
         kFour},
        // Without the pad byte the next id would start one byte early and never match.
        {"odd chunk and its pad byte, mono",
         riff(chunk("junk", "abc") + std::string(1, '\0') +
              chunk("fmt ", rawwav::fmtBody(1, 1, 44100, 16)) +
              chunk("data", samplesBody({5, -5}))),
         Samples{5, 5, -5, -5}},
        {"short fmt skipped, a later fmt never read",
         riff(chunk("fmt ", std::string(12, '\0')) + chunk("data", samplesBody(kFour)) +
              chunk("fmt ", rawwav::fmtBody(1, 1, 8000, 8))),
         kFour},
        {"trailing odd data byte", riff(kStereoFmt + chunk("data", samplesBody(kFour) + "z")),
         kFour},
        {"empty data after a LIST", riff(chunk("LIST", "abcd") + kStereoFmt + chunk("data", "")),
         Samples{}},
    };
    for (const auto& wav : cases) {
        EXPECT_EQ(parse(wav.bytes).samples, wav.expected) << wav.what;
    }
}

TEST(ParseWav, ReportsEachKindOfUnusableFile) {
    const std::string notWave = "Converted audio is not a WAVE file.";
    const std::string noPcm = "Converted audio has no PCM data.";
    const std::string not16Bit = "Decoded WAV audio is not readable 16-bit PCM.";
    const std::string whole = rawwav::pcmWav(1, 2, 44100, 16, samplesBody(kFour));
    const std::vector<std::pair<std::string, std::string>> cases = {
        {rawwav::pcmWav(1, 2, 44100, 16, ""), notWave},  // the 44-byte header alone
        {"RIFX" + whole.substr(4), notWave},
        {whole.substr(0, 8) + "AVI " + whole.substr(12), notWave},
        {riff(kStereoFmt + chunk("LIST", "abcdefgh") + chunk("junk", std::string(20, 'j'))), noPcm},
        // An odd last chunk whose pad byte is missing ends the walk past the end.
        {riff(kStereoFmt + chunk("junk", "abcde")), noPcm},
        {rawwav::pcmWav(1, 2, 44100, 24, std::string(12, '\0')), not16Bit},
        {rawwav::pcmWav(1, 0, 44100, 16, std::string(12, '\0')), not16Bit},
    };
    ASSERT_EQ(cases[0].first.size(), 44u);
    for (size_t k = 0; k < cases.size(); ++k) {
        EXPECT_THAT([&] { parse(cases[k].first); },
                    ::testing::ThrowsMessage<RenderError>(cases[k].second))
            << "case " << k;
    }
}

TEST(WriteWav, WritesTheCanonicalHeaderAndRefusesADataSizeItCannotHold) {
    testsupport::TemporaryFolder folder;
    const Samples samples{1, -1, 300, -300, 32767, -32768};  // three frames
    writeWav(WavAudio{.samples = samples}, folder / "out.wav");
    EXPECT_EQ(testsupport::readWholeFile(folder / "out.wav"),
              "RIFF" + rawwav::le(48, 4) + "WAVE" + kStereoFmt + "data" + rawwav::le(12, 4) +
                  samplesBody(samples));

    // The RIFF size field holds 36 + data bytes.
    const size_t largestCount = (0xFFFFFFFFull - 36) / 2;
    EXPECT_NO_THROW(wavHeader(44100, 2, largestCount));
    EXPECT_THROW(wavHeader(44100, 2, largestCount + 1), RenderError);
}

}  // namespace
}  // namespace renderer
