// The finished edit carries its tag: seamforge run on songs with and without tags, read back
// with ffprobe.

#include <cmath>

#include "tests/renderer/seamforge_fixture.h"
#include "tests/renderer/tagged_songs.h"

namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using seamforgetest::Song;
using taggedsongs::ProbedChapter;

class SeamforgeEditTags : public seamforgetest::Seamforge {
protected:
    // A 3 s tone after 0.5 s of silence, as WAV, then converted by ffmpeg when asked.
    fs::path makeSong(const std::string& file, double frequencyHz,
                      const std::vector<std::string>& ffmpegArguments = {}) {
        const fs::path wav = files / (file + ".source.wav");
        seamforgetest::writeToneSong(wav, 0.5, 3.0, 0.4, frequencyHz);
        const fs::path path = files / file;
        EXPECT_EQ(testsupport::convertWithFfmpeg(wav, path, ffmpegArguments), "");
        return path;
    }
};

long long roundedMs(double seconds) { return std::llround(seconds * 1000.0); }

// The joins are where the analysis map says the segments meet: the sum of the earlier
// segments' frames (their selected durations, the echo's silence included).
std::vector<ProbedChapter> chaptersFromAnalysis(const json& analysis) {
    std::vector<ProbedChapter> chapters;
    long long framesBefore = 0;
    for (const json& track : analysis["tracks"]) {
        const long long frames = std::llround(track["selectedDuration"].get<double>() * 44100.0);
        chapters.push_back({roundedMs(framesBefore / 44100.0),
                            roundedMs((framesBefore + frames) / 44100.0),
                            track["name"].get<std::string>()});
        framesBefore += frames;
    }
    return chapters;
}

TEST_F(SeamforgeEditTags, ChaptersStartAtTheJoinsForEverySongCountAndEnding) {
    const std::vector<fs::path> songs = {makeSong("one.flac", 330.0), makeSong("two.flac", 440.0),
                                         makeSong("three.flac", 550.0)};
    environment["SEAMFORGE_ENCODE_PIECES"] = "2";  // three songs are long enough for two pieces
    for (size_t count = 1; count <= songs.size(); ++count) {
        for (const std::string ending : {"none", "fade", "echoFade"}) {
            SCOPED_TRACE(std::to_string(count) + " songs, " + ending);
            std::vector<Song> job;
            for (size_t i = 0; i < count; ++i) {
                job.push_back(Song{songs[i], "0:00.3", i == 1 ? "0:01.7" : "0:02"});
            }
            const fs::path out = files / ("out-" + std::to_string(count) + ending);
            const fs::path mp3 = expectSuccess(runJob(editJob(job, out, ending)));
            ASSERT_FALSE(mp3.empty());

            const json analysis = testsupport::readJson(out / "analysis-map.json");
            const json probed = taggedsongs::probe(mp3);
            const std::vector<ProbedChapter> expected = chaptersFromAnalysis(analysis);
            EXPECT_EQ(taggedsongs::probedChapters(probed), expected);
            EXPECT_EQ(expected.back().endMs, roundedMs(analysis["finalDuration"].get<double>()));
            EXPECT_EQ(probed["format"]["tags"].value("TLEN", ""),
                      std::to_string(expected.back().endMs));
            EXPECT_EQ(probed["format"]["tags"].value("title", ""), mp3.stem().string());
        }
    }
}

// A song with its title, artist, album and cover, then an untagged FLAC: the edit is titled
// after its file, carries the one artist, album and cover, and two chapters. How each frame
// is written is the tag writer's own test; here what matters is that the songs' tags reach it.
TEST_F(SeamforgeEditTags, ATaggedSongWithACoverAndAnUntaggedFlacMakeATaggedEdit) {
    taggedsongs::writeCover(files / "cover.png");
    const fs::path tagged =
        makeSong("First Song.mp3", 440.0,
                 taggedsongs::concat(taggedsongs::coverArguments(files / "cover.png"),
                                     taggedsongs::metadataArguments("Sunrise", "Ann", "Mornings")));
    const fs::path untagged = makeSong("plain.flac", 550.0);
    const fs::path mp3 = expectSuccess(runJob(
        editJob({Song{tagged, "0:00", "0:02"}, Song{untagged, "0:00", "0:02"}}, files / "out")));
    ASSERT_EQ(mp3.filename(), "First Song into plain - continuous DJ edit.mp3");

    const json analysis = testsupport::readJson(files / "out" / "analysis-map.json");
    std::vector<ProbedChapter> expected = chaptersFromAnalysis(analysis);
    expected[0].title = "Sunrise";  // its own title; the FLAC keeps its file name
    EXPECT_EQ(expected[1].title, "plain.flac");
    const json probed = taggedsongs::probe(mp3);
    EXPECT_EQ(taggedsongs::probedChapters(probed), expected);
    EXPECT_EQ(probed["format"]["tags"].value("artist", ""), "Ann");
    EXPECT_EQ(probed["format"]["tags"].value("album", ""), "Mornings");
    const json streams = probed.value("streams", json::array());
    EXPECT_TRUE(std::any_of(streams.begin(), streams.end(), [](const json& stream) {
        return stream.value("codec_name", "") == "png";
    })) << "no cover picture stream";
}

// An ID3 tag whose frames are noise: LAME skips it by its size, TagLib finds nothing in it,
// and the edit is made with the job's name as the chapter title and nothing it lacks.
TEST_F(SeamforgeEditTags, ASongWithBrokenTagsStillRenders) {
    const fs::path song =
        makeSong("broken.mp3", 440.0, taggedsongs::metadataArguments("Lost", "Nobody", "None"));
    std::string bytes = testsupport::readWholeFile(song);
    ASSERT_EQ(bytes.substr(0, 3), "ID3");
    for (size_t i = 10; i < 60 && i < bytes.size(); ++i) bytes[i] = static_cast<char>(0xA5 ^ i);
    rawwav::writeFile(song, bytes);

    const fs::path mp3 = expectSuccess(runJob(
        editJob({Song{song, "0:00", "0:02", "", "Named in the job"}}, files / "out", "none")));
    ASSERT_FALSE(mp3.empty());
    const json probed = taggedsongs::probe(mp3);
    EXPECT_EQ(probed["format"]["tags"].value("title", ""), "broken - DJ edit");
    TagLib::MPEG::File file(mp3.c_str());
    ASSERT_TRUE(file.hasID3v2Tag());
    for (const char* absent : {"TPE1", "TALB", "APIC"}) {
        EXPECT_TRUE(file.ID3v2Tag()->frameListMap()[absent].isEmpty()) << absent;
    }
    const std::vector<ProbedChapter> chapters = taggedsongs::probedChapters(probed);
    ASSERT_EQ(chapters.size(), 1u);
    EXPECT_EQ(chapters[0].title, "Named in the job");
}

}  // namespace
