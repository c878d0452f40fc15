#pragma once
// Encodes the finished edit with several LAME processes side by side, one per piece of the
// edit, and joins their frames into one MP3 that decodes like a single encode (mp3_splice.h).
// Every piece but the first starts a few MP3 frames before its share of the edit (so its
// encoder has settled by the splice), every piece but the last goes on a few frames past it,
// and every piece starts a whole number of MP3 frames into the edit, so that its frames line
// up with those of an encode of the whole edit.

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "renderer/encode/edit_wav_stream.h"
#include "renderer/encode/mp3_splice.h"

namespace renderer {

// One piece, in edit frames (samples per channel) and MP3 frames of the whole edit.
struct PiecePlan {
    long long firstFrame = 0;
    long long frameCount = 0;
    long long firstSpliceMp3Frame = 0;  // where it may take over from the piece before it
    long long lastSpliceMp3Frame = 0;
};

inline constexpr std::string_view encodedOnlyInPartMessage =
    "The edit's MP3 was encoded only in part (is the disk full?).";

// How many pieces an edit of `editFrames` is encoded in: SEAMFORGE_ENCODE_PIECES when it holds
// a positive number, else one per processor core this process may use. Pieces are never shorter
// than 20 s by default (so a short edit stays one piece) nor than 2 s when the number is forced.
int encodePieceCount(long long editFrames);

// `pieceCount` pieces of about equal length, back to back at whole MP3 frames; each must get
// at least 2 s of the edit, as encodePieceCount sees to.
std::vector<PiecePlan> planPieces(long long editFrames, int pieceCount);

// Runs one LAME per piece side by side (each with the options of a one-pass encode, the
// piece's WAV on its standard input, its MP3 in `workFolder`) and reads back what each wrote.
// Fails with the first piece's error to happen, once every other piece has been ended; a
// piece that exited 0 without all its frames fails with RenderError(encodedOnlyInPartMessage).
std::vector<EncodedPiece> encodePieces(const EditAudio& edit, const std::vector<PiecePlan>& plan,
                                       const std::filesystem::path& workFolder);

// The splice frame between each piece and the next, or nothing when one of them has none.
std::optional<std::vector<long long>> chooseSpliceFrames(const std::vector<EncodedPiece>& pieces,
                                                         const std::vector<PiecePlan>& plan);

// Rewrites the joined stream's LAME header for `editFrames`, checks that every frame finds its
// data, and writes it to `mp3Path` (every write checked; RenderError on failure).
void writeJoinedMp3(JoinedMp3& joined, long long editFrames, const std::filesystem::path& mp3Path);

// Writes the edit's untagged MP3 at `mp3Path`: from pieces side by side when `plan` has more
// than one, else, or when no splice frame fits (said in the timeline), in one LAME pass. An
// encode that LAME left short fails with RenderError(encodedOnlyInPartMessage).
void encodeEditMP3(const EditAudio& edit, const std::vector<PiecePlan>& plan,
                   const std::filesystem::path& workFolder, const std::filesystem::path& mp3Path);

}  // namespace renderer
