// The finished edit carries its tag: seamforge run on songs with and without tags, read back
// with ffprobe and TagLib.

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

// An untagged FLAC, a song with its title, artist, album and cover, and an MP3 whose ID3 tag
// is noise (LAME skips it by its size, TagLib finds nothing in it), for every song count and
// ending: the chapters start at the joins and are titled with each song's own title, else its
// job name; the edit takes the one artist, album and cover there are, and nothing else.
TEST_F(SeamforgeEditTags, ChaptersAndTagsForEverySongCountAndEnding) {
    taggedsongs::writeCover(files / "cover.png");
    const fs::path broken =
        makeSong("broken.mp3", 550.0, taggedsongs::metadataArguments("Lost", "Nobody", "None"));
    std::string bytes = testsupport::readWholeFile(broken);
    ASSERT_EQ(bytes.substr(0, 3), "ID3");
    for (size_t i = 10; i < 60 && i < bytes.size(); ++i) bytes[i] = static_cast<char>(0xA5 ^ i);
    rawwav::writeFile(broken, bytes);
    const std::vector<Song> songs = {
        Song{makeSong("plain.flac", 330.0), "0:00.3", "0:02"},
        Song{makeSong(
                 "Tagged.mp3", 440.0,
                 taggedsongs::concat(taggedsongs::coverArguments(files / "cover.png"),
                                     taggedsongs::metadataArguments("Sunrise", "Ann", "Mornings"))),
             "0:00.3", "0:01.7"},
        Song{broken, "0:00.3", "0:02", "", "Named in the job"}};
    environment["SEAMFORGE_ENCODE_PIECES"] = "2";  // three songs are long enough for two pieces
    for (size_t count = 1; count <= songs.size(); ++count) {
        for (const std::string ending : {"none", "fade", "echoFade"}) {
            SCOPED_TRACE(std::to_string(count) + " songs, " + ending);
            const fs::path out = files / ("out-" + std::to_string(count) + ending);
            const std::vector<Song> job(songs.begin(), songs.begin() + static_cast<long>(count));
            const fs::path mp3 = expectSuccess(runJob(editJob(job, out, ending)));
            ASSERT_FALSE(mp3.empty());

            const json analysis = testsupport::readJson(out / "analysis-map.json");
            const json probed = taggedsongs::probe(mp3);
            std::vector<ProbedChapter> expected = chaptersFromAnalysis(analysis);
            if (count > 1) expected[1].title = "Sunrise";
            EXPECT_EQ(taggedsongs::probedChapters(probed), expected);
            EXPECT_EQ(expected.back().endMs, roundedMs(analysis["finalDuration"].get<double>()));
            const json tags = probed["format"]["tags"];
            EXPECT_EQ(tags.value("TLEN", ""), std::to_string(expected.back().endMs));
            EXPECT_EQ(tags.value("title", ""), mp3.stem().string());
            if (count > 1) {
                EXPECT_EQ(tags.value("artist", ""), "Ann");
                EXPECT_EQ(tags.value("album", ""), "Mornings");
                EXPECT_EQ(probed["streams"].back().value("codec_name", ""), "png");
                continue;
            }
            TagLib::MPEG::File file(mp3.c_str());
            ASSERT_TRUE(file.hasID3v2Tag());
            for (const char* absent : {"TPE1", "TALB", "APIC"}) {
                EXPECT_TRUE(file.ID3v2Tag()->frameListMap()[absent].isEmpty()) << absent;
            }
        }
    }
}

}  // namespace
