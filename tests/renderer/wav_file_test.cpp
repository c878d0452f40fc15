#include "renderer/wav_file.h"

#include <gtest/gtest.h>

#include "renderer/render_error.h"
#include "tests/renderer/raw_wav.h"
#include "tests/support/generated_audio.h"
#include "tests/support/test_files.h"

namespace renderer {
namespace {

using rawwav::chunk;
using rawwav::fmtBody;
using rawwav::riff;
using rawwav::samplesBody;
using Samples = std::vector<int16_t>;

WavAudio parse(const std::string& bytes) { return parseWav(rawwav::bytesOf(bytes)); }

std::string failureOf(const std::string& bytes) {
    try {
        parse(bytes);
    } catch (const RenderError& error) {
        return error.what();
    }
    return "no failure";
}

const Samples kFourSamples{100, -100, 200, -200};

TEST(LoadWav, WalksChunksInAnyOrderAndKeepsTheSamplesThatArePresent) {
    // LIST before fmt, and a data chunk that claims far more than the file holds.
    const std::string bytes =
        riff(chunk("LIST", std::string(10, 'x')) + chunk("fmt ", fmtBody(1, 2, 44100, 16)) +
             chunk("data", samplesBody(kFourSamples), 1'000'000));
    const WavAudio audio = parse(bytes);
    EXPECT_EQ(audio.sampleRate, 44100);
    EXPECT_EQ(audio.channels, 2);
    EXPECT_EQ(audio.samples, kFourSamples);
}

TEST(LoadWav, SkipsThePadByteAfterAnOddChunk) {
    // Without the pad byte the next id would start one byte early and never match.
    const std::string bytes =
        riff(chunk("junk", "abc") + std::string(1, '\0') + chunk("fmt ", fmtBody(1, 1, 44100, 16)) +
             chunk("data", samplesBody({5, -5})));
    EXPECT_EQ(parse(bytes).samples, (Samples{5, 5, -5, -5}));
}

TEST(LoadWav, UsesDefaultsWithoutAUsableFmtChunkAndIgnoresALaterOne) {
    // A fmt chunk shorter than 16 bytes is skipped; one after data is never read.
    const std::string bytes =
        riff(chunk("fmt ", std::string(12, '\0')) + chunk("data", samplesBody(kFourSamples)) +
             chunk("fmt ", fmtBody(1, 1, 8000, 8)));
    const WavAudio audio = parse(bytes);
    EXPECT_EQ(audio.samples, kFourSamples);
}

TEST(LoadWav, IgnoresATrailingOddByteAndAcceptsAnEmptyDataChunk) {
    const std::string oddBody = samplesBody(kFourSamples) + "z";
    EXPECT_EQ(parse(riff(chunk("fmt ", fmtBody(1, 2, 44100, 16)) + chunk("data", oddBody))).samples,
              kFourSamples);
    const std::string emptyData =
        riff(chunk("LIST", "abcd") + chunk("fmt ", fmtBody(1, 2, 44100, 16)) + chunk("data", ""));
    EXPECT_TRUE(parse(emptyData).samples.empty());
}

TEST(LoadWav, ReportsEachKindOfUnusableFile) {
    const std::string notWave = "Converted audio is not a WAVE file.";
    const std::string noPcm = "Converted audio has no PCM data.";
    const std::string not16Bit = "Decoded WAV audio is not readable 16-bit PCM.";

    const std::string headerOnly = rawwav::pcmWav(1, 2, 44100, 16, "");
    ASSERT_EQ(headerOnly.size(), 44u);
    EXPECT_EQ(failureOf(headerOnly), notWave);
    std::string notRiff = rawwav::pcmWav(1, 2, 44100, 16, samplesBody(kFourSamples));
    notRiff.replace(0, 4, "RIFX");
    EXPECT_EQ(failureOf(notRiff), notWave);
    std::string notWaveTag = rawwav::pcmWav(1, 2, 44100, 16, samplesBody(kFourSamples));
    notWaveTag.replace(8, 4, "AVI ");
    EXPECT_EQ(failureOf(notWaveTag), notWave);

    EXPECT_EQ(failureOf(riff(chunk("fmt ", fmtBody(1, 2, 44100, 16)) + chunk("LIST", "abcdefgh") +
                             chunk("junk", std::string(20, 'j')))),
              noPcm);
    // An odd last chunk whose pad byte is missing ends the walk past the end.
    EXPECT_EQ(failureOf(riff(chunk("fmt ", fmtBody(1, 2, 44100, 16)) + chunk("junk", "abcde"))),
              noPcm);

    EXPECT_EQ(failureOf(rawwav::pcmWav(1, 2, 44100, 24, std::string(12, '\0'))), not16Bit);
    EXPECT_EQ(failureOf(rawwav::pcmWav(1, 0, 44100, 16, std::string(12, '\0'))), not16Bit);
}

TEST(LoadWav, ADataChunkDeclaring4GiBReadsOnlyWhatIsThere) {
    const std::string bytes = riff(chunk("fmt ", fmtBody(1, 2, 44100, 16)) +
                                   chunk("data", samplesBody(kFourSamples), 0xFFFFFFFF));
    EXPECT_EQ(parse(bytes).samples, kFourSamples);
}

TEST(LoadWav, ConvertsMono22050ToStereo44100) {
    testsupport::TemporaryFolder folder;
    const Samples mono = testsupport::tone(1.0, 440.0, 0.5, 22050, 1);
    testsupport::writeTestWav(folder / "mono.wav", mono, 22050, 1);
    const WavAudio audio = loadWav(folder / "mono.wav");
    EXPECT_EQ(audio.frameCount(), 44100);
    for (long long frame = 0; frame < audio.frameCount(); ++frame) {
        ASSERT_EQ(audio.samples[frame * 2], audio.samples[frame * 2 + 1]);
    }
    EXPECT_EQ(audio.samples[2 * 2], mono[1]);  // even output frames land on input frames
}

TEST(WriteWav, WritesTheCanonicalHeaderAndReadsBack) {
    testsupport::TemporaryFolder folder;
    const Samples samples{1, -1, 300, -300, 32767, -32768};
    WavAudio audio;
    audio.samples = samples;
    writeWav(audio, folder / "out.wav");

    const std::string bytes = testsupport::readWholeFile(folder / "out.wav");
    ASSERT_EQ(bytes.size(), 56u);
    const std::string expectedHeader = "RIFF" + rawwav::le(48, 4) + "WAVE" +
                                       chunk("fmt ", fmtBody(1, 2, 44100, 16)) + "data" +
                                       rawwav::le(12, 4);
    EXPECT_EQ(bytes.substr(0, 44), expectedHeader);
    EXPECT_EQ(bytes.substr(44), samplesBody(samples));
    EXPECT_EQ(loadWav(folder / "out.wav").samples, samples);
}

TEST(WriteWav, RefusesSizesTheHeaderCannotHold) {
    EXPECT_THROW(wavHeader(44100, 0, 4), RenderError);
    EXPECT_THROW(wavHeader(44100, 32768, 4), RenderError);  // block align above 65535
    EXPECT_NO_THROW(wavHeader(44100, 32767, 4));
    EXPECT_THROW(wavHeader(1 << 30, 4, 4), RenderError);  // byte rate above 32 bits
    EXPECT_THROW(wavHeader(0, 2, 4), RenderError);
    // The RIFF size field holds 36 + data bytes.
    const size_t largestCount = (0xFFFFFFFFull - 36) / 2;
    EXPECT_NO_THROW(wavHeader(44100, 2, largestCount));
    EXPECT_THROW(wavHeader(44100, 2, largestCount + 1), RenderError);
}

}  // namespace
}  // namespace renderer
