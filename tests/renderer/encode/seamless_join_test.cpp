// An edit encoded in pieces side by side and joined at splice frames must decode, with every
// common decoder, like the same edit encoded in one LAME run: the same length, the same
// quality overall and at every splice, and a header that says so.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <sstream>

#include "audio/wav_file.h"
#include "common/text.h"
#include "renderer/encode/encode_pieces.h"
#include "renderer/encode/lame_info_header.h"
#include "renderer/encode/mp3_encoder.h"
#include "tests/renderer/seamforge_fixture.h"

namespace {

namespace fs = std::filesystem;
using renderer::EncodedPiece;
using renderer::kSamplesPerMp3Frame;
using testsupport::Samples;
using namespace std::chrono_literals;

struct Decoded {
    Samples samples;
    std::string complaints;  // whatever the decoder said beyond its usual lines
};

// Runs a decoder and keeps what it says, less its progress and banner lines.
std::string run(const std::string& program, const std::vector<std::string>& arguments) {
    const fs::path executable = testsupport::findProgram(program);
    EXPECT_FALSE(executable.empty()) << testsupport::requiredProgramMessage(program);
    const common::CapturedRun done = testsupport::captureProgram(executable, arguments);
    std::string complaints = done.status.succeeded() ? "" : program + " failed\n";
    // Banners, progress and file details; what is left is a complaint.
    const char* const usual[] = {
        "\t",         "Frame#",           "input:",       "output:", "skipping ",
        "Directory:", "High Performance", "Playing MPEG", "MPEG 1.0"};
    std::istringstream lines(common::replaceAll(done.output, "\r", "\n"));
    for (std::string line; std::getline(lines, line);) {
        if (line.empty() || line.find("Decoding of") != std::string::npos ||
            std::ranges::any_of(usual, [&](const char* start) { return line.starts_with(start); }))
            continue;
        complaints += line + "\n";
    }
    return complaints;
}

// The three decoders players are built on, each honouring the header's delay and padding.
std::vector<std::pair<std::string, Decoded>> decodeEverywhere(const fs::path& mp3) {
    const std::string wav = mp3.string() + ".wav";
    const std::vector<std::pair<std::string, std::vector<std::string>>> decoders = {
        {"lame", {"--decode", mp3.string(), wav}},
        {"ffmpeg",
         {"-nostdin", "-v", "warning", "-y", "-i", mp3.string(), "-c:a", "pcm_s16le", wav}},
        {"mpg123", {"-w", wav, mp3.string()}}};
    std::vector<std::pair<std::string, Decoded>> decoded;
    for (const auto& [program, arguments] : decoders) {
        const std::string complaints = run(program, arguments);
        decoded.emplace_back(program, Decoded{audio::loadWav(wav).samples, complaints});
    }
    return decoded;
}

struct Fidelity {
    double snrDb = 0.0;
    double largestError = 0.0;  // fraction of full scale
};

// How close `decoded` is to `edit` over frames [firstFrame, firstFrame + frameCount).
Fidelity fidelity(const Samples& edit, const Samples& decoded, long long firstFrame,
                  long long frameCount) {
    double signal = 0.0;
    double error = 0.0;
    Fidelity result;
    for (auto i = static_cast<size_t>(firstFrame * 2);
         i < static_cast<size_t>((firstFrame + frameCount) * 2); ++i) {
        const double original = edit[i];
        const double difference = original - decoded[i];
        signal += original * original;
        error += difference * difference;
        result.largestError = std::max(result.largestError, std::abs(difference) / 32767.0);
    }
    result.snrDb = 10.0 * std::log10(signal / std::max(error, 1.0));
    return result;
}

class SeamlessJoin : public ::testing::Test {
protected:
    void SetUp() override {
        ::setenv("MUSIC_EDIT_LAME", (testsupport::bundleBinFolder() / "lame").c_str(), 1);
        audio = {edit.size(), [this](size_t first, renderer::SampleSpan out) {
                     std::copy_n(edit.begin() + static_cast<std::ptrdiff_t>(first), out.size(),
                                 out.begin());
                 }};
        renderer::runLameEncoder(
            [&](const renderer::ChildInputSink& sink) {
                renderer::writeEditWav(audio, 0, audio.frameCount(), sink);
            },
            onePass);
        plan = renderer::planPieces(audio.frameCount(), 3);
        pieces = renderer::encodePieces(audio, plan, folder.path());
        const auto chosen = renderer::chooseSpliceFrames(pieces, plan);
        ASSERT_TRUE(chosen.has_value()) << "no splice frame fits";
        splices = *chosen;
    }
    void TearDown() override { ::unsetenv("MUSIC_EDIT_LAME"); }

    fs::path join(const std::string& name, renderer::ReservoirBytes reservoir) {
        renderer::JoinedMp3 joined = renderer::joinPieces(pieces, splices, reservoir);
        renderer::writeJoinedMp3(joined, audio.frameCount(), folder / name);
        return folder / name;
    }

    // The two 1152-frame windows that meet at each splice, in decoded frames.
    std::vector<long long> spliceWindowStarts() const {
        std::vector<long long> starts;
        for (const long long splice : splices) {
            const long long decodedStart =
                splice * kSamplesPerMp3Frame - renderer::kLameStartDelaySamples;
            starts.push_back(decodedStart - kSamplesPerMp3Frame);
            starts.push_back(decodedStart);
        }
        return starts;
    }

    // Empty when the joined edit matches the one-pass encode at every splice window.
    std::string seamFaults(const Samples& joined, const Samples& single) const {
        const Fidelity whole = fidelity(edit, single, 0, audio.frameCount());
        std::string faults;
        for (const long long start : spliceWindowStarts()) {
            const Fidelity ours = fidelity(edit, joined, start, kSamplesPerMp3Frame);
            const Fidelity theirs = fidelity(edit, single, start, kSamplesPerMp3Frame);
            if (ours.snrDb < theirs.snrDb - 3.0 || ours.largestError > whole.largestError) {
                faults += "window at " + std::to_string(start) + ": " + std::to_string(ours.snrDb) +
                          " dB against " + std::to_string(theirs.snrDb) + " dB, error " +
                          std::to_string(ours.largestError) + "\n";
            }
        }
        return faults;
    }

    testsupport::TemporaryFolder folder;
    const Samples edit = testsupport::musicLike(12.0);
    renderer::EditAudio audio;
    const fs::path onePass = folder / "one-pass.mp3";
    std::vector<renderer::PiecePlan> plan;
    std::vector<EncodedPiece> pieces;
    std::vector<long long> splices;
};

TEST_F(SeamlessJoin, DecodesLikeOneEncodeWithEveryDecoder) {
    ASSERT_EQ(splices.size(), 2u);
    const fs::path joined = join("joined.mp3", renderer::ReservoirBytes::move);
    const auto ours = decodeEverywhere(joined);
    const auto theirs = decodeEverywhere(onePass);
    for (size_t d = 0; d < ours.size(); ++d) {
        SCOPED_TRACE(ours[d].first);
        EXPECT_EQ(ours[d].second.complaints, "");
        EXPECT_EQ(theirs[d].second.complaints, "");
        ASSERT_EQ(ours[d].second.samples.size(), edit.size());
        ASSERT_EQ(theirs[d].second.samples.size(), edit.size());
        const double snr = fidelity(edit, ours[d].second.samples, 0, audio.frameCount()).snrDb;
        EXPECT_NEAR(snr, fidelity(edit, theirs[d].second.samples, 0, audio.frameCount()).snrDb,
                    0.1);
        EXPECT_EQ(seamFaults(ours[d].second.samples, theirs[d].second.samples), "");
    }
    // Without its reservoir bytes the incoming piece's first frame decodes the outgoing
    // piece's bytes: the seam check must see that.
    const auto plain = decodeEverywhere(join("plain.mp3", renderer::ReservoirBytes::leave));
    EXPECT_NE(seamFaults(plain[0].second.samples, theirs[0].second.samples), "");
}

// The rewritten header says what LAME's own header says for the same audio, and its seek
// table points into the frame where each percent of the audio starts.
TEST_F(SeamlessJoin, TheHeaderMatchesAOnePassEncodesHeader) {
    const std::string joinedText =
        testsupport::readWholeFile(join("joined.mp3", renderer::ReservoirBytes::move));
    const std::string singleText = testsupport::readWholeFile(onePass);
    const std::vector<uint8_t> joined(joinedText.begin(), joinedText.end());
    const std::vector<uint8_t> single(singleText.begin(), singleText.end());
    const auto joinedFrames = renderer::parseMp3Frames(joined);
    const auto singleFrames = renderer::parseMp3Frames(single);
    ASSERT_TRUE(joinedFrames && singleFrames);
    const auto ours = renderer::readLameInfo(joined, joinedFrames->front());
    const auto theirs = renderer::readLameInfo(single, singleFrames->front());
    ASSERT_TRUE(ours && theirs);
    EXPECT_EQ(ours->audioFrames, theirs->audioFrames);
    EXPECT_EQ(ours->delaySamples, theirs->delaySamples);
    EXPECT_EQ(ours->paddingSamples, theirs->paddingSamples);

    // LAME's own CRCs, recomputed, prove the CRC; ours are then checked the same way.
    const size_t lame = 156;  // the LAME extension with all four Info fields present
    for (const auto& [bytes, frames] :
         {std::pair(&single, &*singleFrames), std::pair(&joined, &*joinedFrames)}) {
        const std::span<const uint8_t> all(*bytes);
        const auto at = [&](size_t offset) { return all[offset] << 8 | all[offset + 1]; };
        EXPECT_EQ(at(lame + 32), renderer::crc16Arc(all.subspan((*frames)[1].offset)));
        EXPECT_EQ(at(lame + 34), renderer::crc16Arc(all.first(lame + 34)));
    }
    // Peak and ReplayGain described one piece only: written as not set.
    EXPECT_EQ(std::vector<uint8_t>(joined.begin() + lame + 11, joined.begin() + lame + 19),
              std::vector<uint8_t>(8, 0));
    for (size_t i = 0; i < 100; ++i) {
        const size_t entry = joined[52 + i];
        const size_t frame = static_cast<size_t>(ours->audioFrames) * i / 100;
        const size_t start = (*joinedFrames)[1 + frame].offset;
        EXPECT_LE(entry * joined.size() / 256, start) << i;
        EXPECT_GT((entry + 1) * joined.size() / 256, start) << i;
    }
}

// Pieces start whole MP3 frames into the edit, cover it, and overlap their neighbours by more
// than the splice window, which keeps clear of both pieces' first and last frames.
TEST(PlanPieces, LineUpWithWholeFramesAndOverlapAroundEverySplice) {
    const long long second = 44100;
    ::unsetenv("SEAMFORGE_ENCODE_PIECES");
    EXPECT_EQ(renderer::encodePieceCount(39 * second), 1);  // under 20 s a piece: one pass
    ::setenv("SEAMFORGE_ENCODE_PIECES", "4", 1);
    EXPECT_EQ(renderer::encodePieceCount(360 * second), 4);
    EXPECT_EQ(renderer::encodePieceCount(5 * second), 2);  // never under 2 s a piece
    ::unsetenv("SEAMFORGE_ENCODE_PIECES");
    for (const auto& [frames, count] : {std::pair(360 * second + 77, 4), std::pair(4 * second, 2),
                                        std::pair(45 * second + 1151, 2)}) {
        SCOPED_TRACE(frames);
        const std::vector<renderer::PiecePlan> plan = renderer::planPieces(frames, count);
        ASSERT_EQ(plan.size(), static_cast<size_t>(count));
        EXPECT_EQ(plan.front().firstFrame, 0);
        EXPECT_EQ(plan.back().firstFrame + plan.back().frameCount, frames);
        for (size_t k = 1; k < plan.size(); ++k) {
            const renderer::PiecePlan& before = plan[k - 1];
            const renderer::PiecePlan& piece = plan[k];
            EXPECT_EQ(piece.firstFrame % kSamplesPerMp3Frame, 0);
            EXPECT_LE(piece.firstSpliceMp3Frame, piece.lastSpliceMp3Frame);
            EXPECT_GE(piece.firstSpliceMp3Frame * kSamplesPerMp3Frame,
                      piece.firstFrame + 2 * kSamplesPerMp3Frame);
            EXPECT_LE((piece.lastSpliceMp3Frame + 2) * kSamplesPerMp3Frame,
                      before.firstFrame + before.frameCount);
            EXPECT_GT(piece.firstSpliceMp3Frame, before.lastSpliceMp3Frame);
        }
    }
}

// The pieces route through the real seamforge.
class SeamforgePieces : public seamforgetest::Seamforge {
protected:
    void SetUp() override {
        Seamforge::SetUp();
        testsupport::writeTestWav(files / "song.wav", testsupport::musicLike(12.0));
        environment["SEAMFORGE_ENCODE_PIECES"] = "3";
    }

    std::string job(const fs::path& out) {
        return editJob({seamforgetest::Song{files / "song.wav", "0:00", "0:11"}}, out, "none");
    }
};

// A first piece without a reservoir leaves no free bytes for the next one to take over in:
// the edit is encoded again in one pass, as one piece would have been, and the timeline says so.
TEST_F(SeamforgePieces, FallBackToOnePassWhenNoSpliceFrameFits) {
    environment["MUSIC_EDIT_LAME"] =  // deciding by the piece it encodes
        standInLame(6, {{"piece-1", "exec '" + bundledLame().string() + "' --nores \"$@\""}})
            .string();
    environment["SEAMFORGE_TIMELINE"] = (files / "timeline.txt").string();
    const fs::path fallback = expectSuccess(runJob(job(files / "fallback")));
    environment["SEAMFORGE_ENCODE_PIECES"] = "1";
    const fs::path onePass = expectSuccess(runJob(job(files / "one-pass")));
    ASSERT_FALSE(fallback.empty());
    EXPECT_EQ(testsupport::readWholeFile(fallback), testsupport::readWholeFile(onePass));
    const std::string timeline = testsupport::readWholeFile(files / "timeline.txt");
    EXPECT_NE(timeline.find("start encode piece 3"), std::string::npos) << timeline;
    EXPECT_NE(timeline.find("start encode in one pass: no splice frame fits"), std::string::npos)
        << timeline;
}

// A piece that fails, or that LAME leaves cut short (it exits 0 when the disk is full), fails
// the render with one line; a piece still encoding is ended, not waited for, and an earlier
// edit stays as it was.
TEST_F(SeamforgePieces, AFailingOrShortPieceFailsTheRenderAndKeepsTheEarlierEdit) {
    const fs::path out = files / "out";
    fs::create_directory(out);
    const std::string earlier(5000, '\x33');
    rawwav::writeFile(out / "song - DJ edit.mp3", earlier);
    rawwav::writeFile(files / "job.json", job(out));
    const std::string realLame = "'" + bundledLame().string() + "' \"$@\"";
    const std::string cutShort(renderer::encodedOnlyInPartMessage);
    struct Fault {
        std::string firstPiece;
        std::string secondPiece;
        std::string message;
    };
    for (const Fault& fault : std::vector<Fault>{
             {"exec sleep 30", "echo 'piece two: disk full'; exit 1", "piece two: disk full"},
             {"exec " + realLame,
              realLame + " && head -c 100000 \"$6\" > \"$6.cut\" && mv \"$6.cut\" \"$6\"; exit 0",
              cutShort},
             {"exec " + realLame, realLame + " && printf x >> \"$6\"; exit 0", cutShort}}) {
        SCOPED_TRACE(fault.message);
        environment["MUSIC_EDIT_LAME"] =
            standInLame(6, {{"piece-1", fault.firstPiece}, {"piece-2", fault.secondPiece}})
                .string();
        const common::CapturedRun run =
            common::runAndCapture(commandFor({(files / "job.json").string()}), 1 << 20, 20s);
        ASSERT_FALSE(run.timedOut) << "the render waited for a piece it no longer needed";
        expectFailure({run.status.code, run.output, takeStandardError()}, fault.message);
        EXPECT_EQ(seamforgetest::entryNames(out), std::vector<std::string>{"song - DJ edit.mp3"});
        EXPECT_EQ(testsupport::readWholeFile(out / "song - DJ edit.mp3"), earlier);
    }
}

}  // namespace
