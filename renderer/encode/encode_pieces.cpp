#include "renderer/encode/encode_pieces.h"

#include <fcntl.h>
#include <sched.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <mutex>
#include <string>
#include <thread>

#include "audio/file_bytes.h"
#include "renderer/base/cancel_token.h"
#include "renderer/base/render_error.h"
#include "renderer/base/timeline.h"
#include "renderer/encode/lame_info_header.h"
#include "renderer/encode/mp3_encoder.h"

namespace renderer {
namespace {

constexpr double kDefaultMinimumPieceSeconds = 20.0;
constexpr double kForcedMinimumPieceSeconds = 2.0;
// MP3 frames a piece starts before its share and goes on past it. Near its own first and last
// frames a piece's encoder differs from a whole-edit encode (no audio before, padding after),
// so splices keep kSpliceMargin frames away from both.
constexpr long long kLeadInMp3Frames = 8;
constexpr long long kTailMp3Frames = 8;
constexpr long long kSpliceMargin = 3;

std::filesystem::path piecePath(const std::filesystem::path& workFolder, size_t index) {
    return workFolder / ("edit-piece-" + std::to_string(index + 1) + ".mp3");
}

// An encode that LAME did not finish (a full disk leaves its exit status at 0) must be neither
// joined nor delivered: its frames must be whole and hold exactly `frameCount` edit frames.
EncodedPiece readEncode(const std::filesystem::path& path, long long firstFrame,
                        long long frameCount) {
    EncodedPiece piece;
    piece.bytes = audio::readFileBytes(path);
    piece.firstMp3Frame = firstFrame / kSamplesPerMp3Frame;
    std::optional<std::vector<Mp3Frame>> frames = parseMp3Frames(piece.bytes);
    const std::optional<LameInfo> info =
        frames && !frames->empty() ? readLameInfo(piece.bytes, frames->front()) : std::nullopt;
    const bool whole =
        info && info->audioFrames == static_cast<long long>(frames->size()) - 1 &&
        info->delaySamples == kLameStartDelaySamples &&
        info->audioFrames * kSamplesPerMp3Frame - info->delaySamples - info->paddingSamples ==
            frameCount;
    if (!whole) throw RenderError(std::string(encodedOnlyInPartMessage));
    piece.frames = std::move(*frames);
    return piece;
}

[[noreturn]] void throwWriteError(int error) {
    throw RenderError(std::string("Could not write the edit's MP3: ") + std::strerror(error));
}

// Not flushed to the disk here: the tag is written in front of these bytes next, and that
// write is flushed.
void writeWholeFile(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (descriptor < 0) throwWriteError(errno);
    try {
        while (!bytes.empty()) {
            const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
            if (written < 0 && errno == EINTR) continue;
            if (written <= 0) throwWriteError(written < 0 ? errno : ENOSPC);
            bytes = bytes.subspan(static_cast<size_t>(written));
        }
    } catch (...) {
        ::close(descriptor);
        throw;
    }
    if (::close(descriptor) != 0) throwWriteError(errno);
}

// The cores this process may run on, which a container or taskset may keep below the machine's.
int availableCores() {
    cpu_set_t cores;
    CPU_ZERO(&cores);
    if (::sched_getaffinity(0, sizeof cores, &cores) == 0) return std::max(1, CPU_COUNT(&cores));
    return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

}  // namespace

int encodePieceCount(long long editFrames) {
    int wanted = availableCores();
    double minimumSeconds = kDefaultMinimumPieceSeconds;
    if (const char* configured = std::getenv("SEAMFORGE_ENCODE_PIECES")) {
        if (const int forced = std::atoi(configured); forced > 0) {
            wanted = forced;
            minimumSeconds = kForcedMinimumPieceSeconds;
        }
    }
    const auto fitting = static_cast<long long>(static_cast<double>(editFrames) /
                                                (minimumSeconds * targetSampleRate));
    return static_cast<int>(std::clamp<long long>(fitting, 1, wanted));
}

std::vector<PiecePlan> planPieces(long long editFrames, int pieceCount) {
    std::vector<long long> boundaries;  // MP3 frame where each piece's share starts
    for (int k = 0; k < pieceCount; ++k) {
        boundaries.push_back(
            std::llround(static_cast<double>(editFrames) * k / pieceCount / kSamplesPerMp3Frame));
    }
    std::vector<PiecePlan> plan;
    for (size_t k = 0; k < boundaries.size(); ++k) {
        PiecePlan piece;
        const bool last = k + 1 == boundaries.size();
        if (k > 0) {
            piece.firstFrame = (boundaries[k] - kLeadInMp3Frames) * kSamplesPerMp3Frame;
            piece.firstSpliceMp3Frame = boundaries[k] - kLeadInMp3Frames + kSpliceMargin;
            piece.lastSpliceMp3Frame = boundaries[k] + kTailMp3Frames - kSpliceMargin;
        }
        const long long end =
            last ? editFrames : (boundaries[k + 1] + kTailMp3Frames) * kSamplesPerMp3Frame;
        piece.frameCount = std::min(end, editFrames) - piece.firstFrame;
        plan.push_back(piece);
    }
    return plan;
}

std::vector<EncodedPiece> encodePieces(const EditAudio& edit, const std::vector<PiecePlan>& plan,
                                       const std::filesystem::path& workFolder) {
    std::vector<CancelToken> tokens(plan.size());
    std::mutex failureMutex;  // guards failure
    std::exception_ptr failure;
    {
        std::vector<std::jthread> workers;
        for (size_t k = 0; k < plan.size(); ++k) {
            workers.emplace_back([&, k] {
                const ScopedCancelToken installed(tokens[k]);
                try {
                    const TimelineStage stage("encode piece " + std::to_string(k + 1));
                    runLameEncoder(
                        [&](const ChildInputSink& sink) {
                            writeEditWav(edit, plan[k].firstFrame, plan[k].frameCount, sink);
                        },
                        piecePath(workFolder, k));
                } catch (...) {
                    // The others can only be thrown away now; the first failure is the cause.
                    std::lock_guard guard(failureMutex);
                    if (!failure) failure = std::current_exception();
                    for (CancelToken& token : tokens) token.cancel();
                }
            });
        }
    }  // joins every worker
    if (failure) std::rethrow_exception(failure);
    std::vector<EncodedPiece> pieces;
    for (size_t k = 0; k < plan.size(); ++k) {
        pieces.push_back(
            readEncode(piecePath(workFolder, k), plan[k].firstFrame, plan[k].frameCount));
        std::error_code ignored;
        std::filesystem::remove(piecePath(workFolder, k), ignored);
    }
    return pieces;
}

std::optional<std::vector<long long>> chooseSpliceFrames(const std::vector<EncodedPiece>& pieces,
                                                         const std::vector<PiecePlan>& plan) {
    std::vector<long long> splices;
    for (size_t k = 1; k < pieces.size(); ++k) {
        const std::optional<long long> splice = findSpliceFrame(
            pieces[k - 1], pieces[k], plan[k].firstSpliceMp3Frame, plan[k].lastSpliceMp3Frame);
        if (!splice) return std::nullopt;
        splices.push_back(*splice);
    }
    return splices;
}

void writeJoinedMp3(JoinedMp3& joined, long long editFrames, const std::filesystem::path& mp3Path) {
    rewriteLameInfoHeader(joined.bytes, joined.frames, editFrames);
    if (!mainDataIsConsistent(joined.frames)) {
        throw RenderError("The encoded pieces of the edit could not be joined.");
    }
    writeWholeFile(mp3Path, joined.bytes);
}

void encodeEditMP3(const EditAudio& edit, const std::vector<PiecePlan>& plan,
                   const std::filesystem::path& workFolder, const std::filesystem::path& mp3Path) {
    if (plan.size() > 1) {
        const std::vector<EncodedPiece> pieces = encodePieces(edit, plan, workFolder);
        const TimelineStage stage("join pieces");
        if (const std::optional<std::vector<long long>> splices =
                chooseSpliceFrames(pieces, plan)) {
            JoinedMp3 joined = joinPieces(pieces, *splices);
            writeJoinedMp3(joined, edit.frameCount(), mp3Path);
            return;
        }
    }
    std::optional<TimelineStage> fallback;
    if (plan.size() > 1) fallback.emplace("encode in one pass: no splice frame fits");
    runLameEncoder(
        [&](const ChildInputSink& sink) { writeEditWav(edit, 0, edit.frameCount(), sink); },
        mp3Path);
    readEncode(mp3Path, 0, edit.frameCount());
}

}  // namespace renderer
