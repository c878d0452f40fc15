#include "renderer/pipeline/render.h"

#include <algorithm>
#include <filesystem>
#include <future>
#include <optional>
#include <semaphore>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "audio/wav_file.h"
#include "common/note_requests.h"
#include "common/text.h"
#include "renderer/base/leftovers.h"
#include "renderer/base/log.h"
#include "renderer/base/render_error.h"
#include "renderer/base/stop_request.h"
#include "renderer/base/timeline.h"
#include "renderer/base/work_folder.h"
#include "renderer/cut/gain_and_ramps.h"
#include "renderer/cut/song_cut.h"
#include "renderer/decode/song_tags.h"
#include "renderer/decode/source_audio.h"
#include "renderer/encode/edit_tags.h"
#include "renderer/encode/edit_wav_stream.h"
#include "renderer/encode/encode_pieces.h"
#include "renderer/encode/id3_tag.h"
#include "renderer/encode/mp3_encoder.h"
#include "renderer/join/edit_layout.h"
#include "renderer/join/finished_edit.h"
#include "renderer/join/join_plan.h"
#include "renderer/join/effect_join.h"
#include "renderer/join/loudness.h"
#include "renderer/join/tempo_and_key.h"
#include "renderer/join/join_qc.h"
#include "renderer/pipeline/songs_side_by_side.h"
#include "renderer/report/edit_notes.h"
#include "renderer/report/output_files.h"
#include "renderer/report/output_name.h"

namespace renderer {
namespace {

constexpr size_t kMaxTracks = 3;

void checkTrackCount(const RenderJob& job) {
    if (job.tracks.empty() || job.tracks.size() > kMaxTracks) {
        throw RenderError("Local renderer supports 1 to 3 songs.");
    }
}

// The file system ends a path at its first NUL, so such a path would name another file or
// folder than the job does. The message shows the NUL as "\u0000", and must: a NUL would
// end it there.
void refusePathsWithNul(const RenderJob& job) {
    const std::string nul(1, '\0');
    const auto shown = [&](const std::string& path) {
        return common::replaceAll(path, nul, "\\u0000");
    };
    if (job.outputFolder.find(nul) != std::string::npos) {
        throw RenderError("Output folder path contains a NUL character: " +
                          shown(job.outputFolder));
    }
    for (const TrackJob& track : job.tracks) {
        if (track.path.find(nul) != std::string::npos) {
            throw RenderError("Source file missing: " + shown(track.path));
        }
    }
}

void createOutputFolder(const std::string& path) {
    std::error_code error;
    std::filesystem::create_directories(path, error);
    if (error) throw std::system_error(error, "Could not create the output folder " + path);
}

// Only a path with nothing behind it is missing; a file that exists but cannot be
// read is reported by the decoder with its own reason.
void requireSourceFile(const TrackJob& track) {
    std::error_code error;
    const bool exists = !track.path.empty() && std::filesystem::exists(track.path, error);
    const bool nothingThere = !error || error == std::errc::no_such_file_or_directory ||
                              error == std::errc::not_a_directory;
    if (!exists && nothingThere) throw RenderError("Source file missing: " + track.path);
}

// What the songs hand on once every one is cut.
struct CutSongs {
    std::vector<std::vector<int16_t>> segments;  // play order
    std::vector<double> segmentLevels;
    std::vector<TrackAnalysis> tracks;
    std::vector<long long> startFrames;           // each segment's first frame in its song
    std::vector<std::optional<SongBeats>> beats;  // where a snap or a blend asked for them
    std::vector<std::optional<long long>> endingStartFrames;  // in the segment
    std::vector<long long> cutEndFrames;                      // in the segment
    std::vector<std::optional<BeatGrid>> grids;               // trusted, in segment seconds
    std::vector<std::optional<BarLines>> bars;                // trusted, in segment seconds
};

// A slot among the songs allowed to hold their audio in memory, held for its scope.
class MemorySlot {
public:
    explicit MemorySlot(std::counting_semaphore<>& slots) : slots_(slots) { slots_.acquire(); }
    ~MemorySlot() { slots_.release(); }
    MemorySlot(const MemorySlot&) = delete;
    MemorySlot& operator=(const MemorySlot&) = delete;

private:
    std::counting_semaphore<>& slots_;
};

std::optional<JoinAsk> joinOut(const RenderJob& job, size_t index, const EndingPlan& ending);

std::optional<TempoKeyAsk> tempoKeyAsk(const TrackJob& track) {
    if (track.tempo || track.semitones) return TempoKeyAsk{track.tempo, track.semitones, "choice"};
    const common::NoteRequests requests = common::readNoteRequests(track.note);
    if (requests.tempo || requests.semitones) {
        return TempoKeyAsk{requests.tempo, requests.semitones, "note"};
    }
    return std::nullopt;
}

// A join other than a cut, or a tempo, asked anywhere: counted in beats, of any of the songs.
bool musicalAsk(const RenderJob& job) {
    return std::any_of(job.tracks.begin(), job.tracks.end(), [](const TrackJob& track) {
        const std::optional<JoinAsk> ask = joinAsk(track);
        return (ask && ask->request.style != common::JoinStyle::cut) || tempoKeyAsk(track);
    });
}

// Bars when the job asks for them, or when cuts on the beat are asked and the song's note asks
// for the bar line. Where a blend, an effect or a tempo is asked, every song has its beats found
// even where its cuts stay.
CutSnap cutSnap(const RenderJob& job, int songNumber) {
    const auto index = static_cast<size_t>(songNumber - 1);
    const TrackJob& track = job.tracks[index];
    const bool findBeats = musicalAsk(job);
    CutSnap snap;
    if (job.snapToBar) {
        snap = {true, SnapUnit::bar, "choice"};
    } else if (job.snapToBeat) {
        snap = common::readNoteRequests(track.note).onTheBar
                   ? CutSnap{true, SnapUnit::bar, "note"}
                   : CutSnap{true, SnapUnit::beat, ""};
    }
    snap.findBeats = findBeats;
    return snap;
}

SourceOnDisk decodeSong(const TrackJob& track, int songNumber, const WorkFolder& workFolder) {
    const TimelineStage stage("decode song " + std::to_string(songNumber));
    requireSourceFile(track);
    return decodeSourceToDisk(track.path, workFolder.path(), songNumber);
}

// A tape stop plays the song on past its cut end, slowing, and a backspin turns back at it
// with no fade: their songs' segments hold that much more than the cut.
constexpr double kPlayedPastEndSeconds = 2.0;

long long framesPastEnd(const RenderJob& job, int songNumber, const EndingPlan& ending) {
    const std::optional<JoinAsk> ask = joinOut(job, static_cast<size_t>(songNumber - 1), ending);
    const bool readsOn = ask && (ask->request.style == common::JoinStyle::tapeStop ||
                                 ask->request.style == common::JoinStyle::backspin);
    return readsOn ? static_cast<long long>(kPlayedPastEndSeconds * targetSampleRate) : 0;
}

// The song's audio never leaves this function, so it is released, with its memory slot, as
// soon as it is cut; only its cut segment goes on.
SongCut decodeAndCutSong(const RenderJob& job, int songNumber, const EndingPlan& ending,
                         const WorkFolder& workFolder, std::counting_semaphore<>& memorySlots) {
    throwIfStopRequested();
    const TrackJob& track = job.tracks[static_cast<size_t>(songNumber - 1)];
    const SourceOnDisk onDisk = decodeSong(track, songNumber, workFolder);
    throwIfStopRequested();
    const MemorySlot slot(memorySlots);
    std::optional<TimelineStage> readStage(std::in_place,
                                           "read song " + std::to_string(songNumber));
    const audio::WavAudio song = readSourceIntoMemory(onDisk);
    readStage.reset();
    throwIfStopRequested();
    const TimelineStage stage("cut song " + std::to_string(songNumber));
    return cutSong(song.samples, track, songNumber, static_cast<int>(job.tracks.size()), ending,
                   cutSnap(job, songNumber), framesPastEnd(job, songNumber, ending));
}

// A trusted grid and bars, moved from the song's seconds to its segment's.
void keepSegmentGrid(CutSongs& cuts, size_t index) {
    const double shift = static_cast<double>(cuts.startFrames[index]) / targetSampleRate;
    std::optional<BeatGrid> grid;
    std::optional<BarLines> bars;
    if (const std::optional<SongBeats>& beats = cuts.beats[index]; beats && beats->grid) {
        grid = *beats->grid;
        grid->anchorSeconds -= shift;
        if (beats->bars) {
            bars = *beats->bars;
            bars->firstDownbeatSeconds -= shift;
        }
    }
    cuts.grids.push_back(grid);
    cuts.bars.push_back(bars);
}

CutSongs cutEverySong(const RenderJob& job, const EndingPlan& ending,
                      const WorkFolder& workFolder) {
    std::counting_semaphore<> memorySlots(songsInMemoryAtOnce());
    std::vector<SongCut> songCuts = cutSongsSideBySide(
        static_cast<int>(job.tracks.size()), songDecodeParallelism(), [&](int songNumber) {
            return decodeAndCutSong(job, songNumber, ending, workFolder, memorySlots);
        });
    CutSongs cuts;
    for (SongCut& cut : songCuts) {
        cuts.endingStartFrames.push_back(cut.endingStartFrame);
        cuts.cutEndFrames.push_back(cut.cutEndFrame);
        cuts.segments.push_back(std::move(cut.segment));
        cuts.segmentLevels.push_back(cut.level);
        cuts.tracks.push_back(std::move(cut.analysis));
        cuts.startFrames.push_back(cut.startFrame);
        cuts.beats.push_back(std::move(cut.beats));
        keepSegmentGrid(cuts, cuts.segments.size() - 1);
    }
    return cuts;
}

// Every song given the tempo and key asked of it, side by side; its grid, cut end and ending
// follow the new tempo.
std::vector<TempoKeyChange> changeTempoAndKey(const RenderJob& job, CutSongs& cuts) {
    std::vector<std::optional<TempoKeyAsk>> asks;
    for (const TrackJob& track : job.tracks) asks.push_back(tempoKeyAsk(track));
    std::vector<TempoKeyChange> changes = decideTempoAndKey(asks, cuts.grids);
    std::vector<std::future<std::vector<int16_t>>> changed;
    for (const TempoKeyChange& change : changes) {
        const auto index = static_cast<size_t>(change.track - 1);
        if (!change.changes()) continue;
        changed.push_back(std::async(std::launch::async, [&cuts, &change, index] {
            return changedSegment(cuts.segments[index], change);
        }));
    }
    size_t next = 0;
    for (const TempoKeyChange& change : changes) {
        if (!change.changes()) continue;
        const auto index = static_cast<size_t>(change.track - 1);
        cuts.segments[index] = changed[next++].get();
        const auto later = [&](long long frame) {
            return static_cast<long long>(std::llround(static_cast<double>(frame) / change.speed));
        };
        cuts.cutEndFrames[index] = later(cuts.cutEndFrames[index]);
        if (cuts.endingStartFrames[index]) {
            cuts.endingStartFrames[index] = later(*cuts.endingStartFrames[index]);
        }
        if (std::optional<BeatGrid>& grid = cuts.grids[index]) {
            grid->anchorSeconds /= change.speed;
            grid->periodSeconds /= change.speed;
        }
        if (std::optional<BarLines>& bars = cuts.bars[index]) {
            bars->firstDownbeatSeconds /= change.speed;
        }
    }
    return changes;
}

EditLayout layOutCutSongs(const RenderJob& job, const CutSongs& cuts, const EndingPlan& ending) {
    const std::vector<double> gains = levelMatchGains(cuts.segmentLevels);
    std::vector<LaidOutSong> songs;
    for (size_t i = 0; i < cuts.segments.size(); ++i) {
        LaidOutSong song;
        song.segment = cuts.segments[i];
        song.gain = gains[i];
        song.grid = cuts.grids[i];
        song.bars = cuts.bars[i];
        song.joinOut = joinOut(job, i, ending);
        song.endingStartFrame = cuts.endingStartFrames[i];
        song.cutEndFrame = cuts.cutEndFrames[i];
        songs.push_back(std::move(song));
    }
    return layOutEdit(songs);
}

// What is asked of the join out of song `index`: on the last song only an effect that needs
// no next song, and only while the chosen ending is Off (a chosen ending wins).
std::optional<JoinAsk> joinOut(const RenderJob& job, size_t index, const EndingPlan& ending) {
    std::optional<JoinAsk> ask = joinAsk(job.tracks[index]);
    if (!ask || index + 1 < job.tracks.size()) return ask;
    if (!isEndingEffect(ask->request.style) || ending.effect != common::FinalEndingEffect::none) {
        return std::nullopt;
    }
    return ask;
}

// What the job or the notes ask that the edit does not do, and why.
std::vector<LeftOutRequest> leftOutRequests(const RenderJob& job, const EndingPlan& ending) {
    std::vector<LeftOutRequest> leftOut;
    for (size_t i = 0; i < job.tracks.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        const std::optional<JoinAsk> ask = joinAsk(job.tracks[i]);
        if (i + 1 == job.tracks.size() && ask && !joinOut(job, i, ending) &&
            ask->request.style != common::JoinStyle::cut) {
            const common::JoinStyle style = ask->request.style;
            const std::string words = effectWords(std::string(joinStyleName(style)));
            leftOut.push_back({number, (style == common::JoinStyle::echoOut ? "an " : "a ") + words,
                               isEndingEffect(style)
                                   ? "the chosen " + std::string(common::title(ending.effect)) +
                                         " ending wins over the note"
                                   : "no song follows it"});
        }
        for (const std::string& request : common::readNoteRequests(job.tracks[i].note).needsAgent) {
            leftOut.push_back({number, "\"" + request + "\"", "the local engine cannot do that"});
        }
    }
    return leftOut;
}

// The songs' own tags are read only now, when every song has decoded: a file that reached
// here is a readable regular file.
// Each song's chapter runs from where it starts to sound to where the next does.
std::vector<EditSong> editSongs(const RenderJob& job, const CutSongs& cuts,
                                const EditLayout& layout) {
    std::vector<EditSong> songs;
    for (size_t i = 0; i < job.tracks.size(); ++i) {
        const long long next = i + 1 < layout.songStartFrames.size() ? layout.songStartFrames[i + 1]
                                                                     : layout.frameCount;
        songs.push_back({readSongTags(job.tracks[i].path), cuts.tracks[i].name,
                         next - layout.songStartFrames[i]});
    }
    return songs;
}

// LAME reads the edit as it is finished, so it is never written to disk; a long edit is
// encoded in pieces side by side. The MP3 is tagged before it takes its final name. Returns
// the finished MP3's absolute path.
std::filesystem::path encodeEdit(const FinishedEdit& edit, const RenderJob& job,
                                 const std::vector<EditSong>& songs, const WorkFolder& workFolder) {
    const std::filesystem::path mp3 =
        std::filesystem::absolute(std::filesystem::path(job.outputFolder) / outputName(job.tracks));
    const EditTags tags = editTags(mp3.stem().string(), songs);
    const TimelineStage stage("encode MP3");
    const EditAudio audio{edit.sampleCount(), [&edit](size_t firstSample, SampleSpan out) {
                              edit.copySamples(firstSample, out);
                          }};
    const std::vector<PiecePlan> plan =
        planPieces(audio.frameCount(), encodePieceCount(audio.frameCount()));
    writeMP3Atomically(
        [&](const std::filesystem::path& untagged) {
            encodeEditMP3(audio, plan, workFolder.path(), untagged);
        },
        mp3, [&](const std::filesystem::path& untagged) { writeEditTags(untagged, tags); });
    return mp3;
}

}  // namespace

void render(const RenderJob& job) {
    const TimelineStage wholeRun("render");
    throwIfStopRequested();
    checkTrackCount(job);
    refusePathsWithNul(job);
    createOutputFolder(job.outputFolder);
    const WorkFolder workFolder;
    // Only renders that are gone: this one's folder is locked, as is every running one's.
    removeLeftoverWorkFolders(workFolder.path().parent_path());
    removeLeftoverPartialMP3s(job.outputFolder);
    log("LOCAL_STEP analyze starting");
    const EndingPlan ending = resolveEndingPlan(job);

    CutSongs cuts = cutEverySong(job, ending, workFolder);
    log("LOCAL_STEP cuts done");

    std::optional<TimelineStage> joinStage(std::in_place, "join, ending and checks");
    std::vector<TempoKeyChange> tempoChanges = changeTempoAndKey(job, cuts);
    EditLayout layout = layOutCutSongs(job, cuts, ending);
    const std::vector<EditSong> songs = editSongs(job, cuts, layout);
    const FinishedEdit edit(std::move(cuts.segments), cuts.segmentLevels, ending.effect,
                            layout.endingStartFrame, std::move(layout.parts));
    FinishedRender finished;
    finished.finalFadeSeconds = edit.finalFadeSeconds();
    finished.peakAfterNormalize = edit.peakAfterNormalize();
    finished.transitionChecks = checkJoins(
        edit, std::span<const long long>(layout.songStartFrames).subspan(1));
    finished.joins = std::move(layout.joins);
    finished.leftOut = leftOutRequests(job, ending);
    finished.ending = std::move(layout.ending);
    finished.tempoChanges = std::move(tempoChanges);
    finished.finalDuration =
        static_cast<double>(edit.sampleCount() / targetChannels) / targetSampleRate;
    finished.trackCount = static_cast<int>(job.tracks.size());
    finished.effect = ending.effect;
    finished.tracks = std::move(cuts.tracks);
    finished.appVersion = job.appVersion;
    joinStage.reset();
    throwIfStopRequested();

    finished.mp3Path = encodeEdit(edit, job, songs, workFolder);
    log("LOCAL_STEP render done");
    writeCompanionFiles(finished);
    throwIfStopRequested();
    writeFinalLine("LOCAL_RENDER_OK " + finished.mp3Path.string());
}

}  // namespace renderer
