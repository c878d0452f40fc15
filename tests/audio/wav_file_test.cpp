// Reading WAVE files held in memory and writing the canonical WAV the encoder gets.

#include "audio/wav_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "audio/audio_error.h"
#include "tests/support/generated_audio.h"
#include "tests/support/raw_wav.h"
#include "tests/support/test_files.h"

namespace audio {
namespace {

using rawwav::chunk;
using rawwav::riff;
using rawwav::samplesBody;
using testsupport::Samples;

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
    for (size_t k = 0; k < cases.size(); ++k) {
        EXPECT_THAT([&] { parse(cases[k].first); },
                    ::testing::ThrowsMessage<AudioError>(cases[k].second))
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
    EXPECT_THROW(wavHeader(44100, 2, largestCount + 1), AudioError);
}

}  // namespace
}  // namespace audio

// A decoder that ran out of disk leaves the whole song's size in the header and only part
// of the samples behind: the file written for us must be refused, a user's own WAV is read
// as far as it goes.
TEST(LoadCompleteWav, RefusesSamplesThatEndBeforeTheHeaderSays) {
    testsupport::TemporaryFolder folder;
    const std::string fmt = rawwav::chunk("fmt ", rawwav::fmtBody(1, 2, 44100, 16));
    const std::string fourFrames = rawwav::samplesBody({1, -1, 2, -2, 3, -3, 4, -4});
    const struct {
        const char* name;
        int64_t declaredBytes;
        bool complete;
    } cases[] = {{"exact", 16, true}, {"one byte short", 17, false}, {"half there", 32, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::filesystem::path path = folder / (std::string(c.name) + ".wav");
        rawwav::writeFile(path,
                          rawwav::riff(fmt + rawwav::chunk("data", fourFrames, c.declaredBytes)));
        EXPECT_EQ(audio::loadWav(path).frameCount(), 4);
        if (c.complete) {
            EXPECT_EQ(audio::loadCompleteWav(path).samples, audio::loadWav(path).samples);
        } else {
            EXPECT_THROW(audio::loadCompleteWav(path), audio::TruncatedWavError);
        }
    }
}
