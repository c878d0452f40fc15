// The edit's tag: what it takes from the songs' own tags, and how it is written in front of
// LAME's MP3 without touching a byte of the audio.

#include "renderer/encode/edit_tags.h"

#include <signal.h>
#include <sys/resource.h>
#include <taglib/attachedpictureframe.h>
#include <taglib/chapterframe.h>
#include <taglib/tableofcontentsframe.h>

#include <cstdlib>

#include "renderer/base/render_error.h"
#include "renderer/decode/song_tags.h"
#include "renderer/encode/id3_tag.h"
#include "renderer/encode/mp3_encoder.h"
#include "tests/renderer/seamforge_fixture.h"
#include "tests/renderer/tagged_songs.h"

namespace {

namespace fs = std::filesystem;
using renderer::CoverPicture;
using renderer::EditSong;
using renderer::SongTags;
using testsupport::TemporaryFolder;

CoverPicture picture(const std::string& mimeType) { return {mimeType, {1, 2, 3}}; }

EditSong song(const std::string& title, const std::string& artist, const std::string& album,
              std::optional<CoverPicture> cover = std::nullopt, long long frames = 44100) {
    return {SongTags{title, artist, album, std::move(cover)}, "job name", frames};
}

std::vector<std::string> chapterTitles(const renderer::EditTags& tags) {
    std::vector<std::string> titles;
    for (const renderer::EditChapter& chapter : tags.chapters) titles.push_back(chapter.title);
    return titles;
}

TEST(EditTags, TakeArtistsAlbumCoverAndChapterTitlesFromTheSongsInPlayOrder) {
    struct Case {
        std::string what;
        std::vector<EditSong> songs;
        std::string artists;
        std::optional<std::string> album;
        std::string coverMimeType;  // names the cover chosen; empty for none
        std::vector<std::string> chapterTitles;
    };
    const std::vector<Case> cases = {
        {"no tags at all: chapters named from the job",
         {song("", "", ""), song("", "", "")},
         "",
         std::nullopt,
         "",
         {"job name", "job name"}},
        {"each artist once, first appearance first",
         {song("a", "Beta", ""), song("b", "Alpha", ""), song("c", "Beta", "")},
         "Beta / Alpha",
         std::nullopt,
         "",
         {"a", "b", "c"}},
        {"the album of every song that has one",
         {song("a", "", "Night"), song("", "X", ""), song("c", "", "Night")},
         "X",
         "Night",
         "",
         {"a", "job name", "c"}},
        {"two albums: none",
         {song("a", "", "Night"), song("b", "", "Day")},
         "",
         std::nullopt,
         "",
         {"a", "b"}},
        {"the first cover in play order",
         {song("a", "", ""), song("b", "", "", picture("image/png")),
          song("c", "", "", picture("image/jpeg"))},
         "",
         std::nullopt,
         "image/png",
         {"a", "b", "c"}},
        {"one song keeps everything it has",
         {song("Solo", "Ann", "First", picture("image/jpeg"))},
         "Ann",
         "First",
         "image/jpeg",
         {"Solo"}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.what);
        const renderer::EditTags tags = renderer::editTags("Edit title", test.songs);
        EXPECT_EQ(tags.title, "Edit title");
        EXPECT_EQ(tags.artists, test.artists);
        EXPECT_EQ(tags.album, test.album);
        EXPECT_EQ(tags.cover ? tags.cover->mimeType : "", test.coverMimeType);
        EXPECT_EQ(chapterTitles(tags), test.chapterTitles);
    }
}

// Edges are rounded from the summed frames, so chapters meet exactly and the last one ends at
// the edit's length; 22 frames are 0.499 ms, 23 frames 0.522 ms.
TEST(EditTags, ChaptersMeetAtTheJoinsAndEndAtTheEditsLength) {
    const std::vector<EditSong> songs = {song("a", "", "", {}, 33075), song("b", "", "", {}, 22),
                                         song("c", "", "", {}, 1),
                                         song("d", "", "", {}, 441000 + 23)};
    const renderer::EditTags tags = renderer::editTags("t", songs);
    std::vector<std::pair<long long, long long>> edges;
    for (const renderer::EditChapter& chapter : tags.chapters) {
        edges.emplace_back(chapter.startMs, chapter.endMs);
    }
    EXPECT_EQ(edges, (std::vector<std::pair<long long, long long>>{
                         {0, 750}, {750, 750}, {750, 751}, {751, 10751}}));
    EXPECT_EQ(tags.lengthMs, 10751);
}

// Each fixture is made by ffmpeg from the same tone; the picture must come back byte for byte.
TEST(SongTags, AreReadFromEveryTypeAndNeverFail) {
    TemporaryFolder folder;
    testsupport::writeTestWav(folder / "tone.wav", testsupport::tone(1.0, 440.0, 0.5));
    taggedsongs::writeCover(folder / "cover.png");
    taggedsongs::writeCover(folder / "huge.png", "gray", "1300x1300");
    ASSERT_GT(fs::file_size(folder / "huge.png"), renderer::maxCoverPictureBytes);
    const std::string coverBytes = testsupport::readWholeFile(folder / "cover.png");
    using taggedsongs::concat;
    using taggedsongs::coverArguments;
    const auto full = taggedsongs::metadataArguments("Title", "Artist", "Album");
    const auto cover = coverArguments(folder / "cover.png");
    // `tagged`: title, artist and album come back; `fileBytes` is written when there are no
    // ffmpeg arguments.
    struct Case {
        std::string file;
        std::vector<std::string> ffmpegArguments;
        std::string fileBytes;
        bool tagged;
        bool cover;
    };
    const std::vector<Case> cases = {
        {"id3.mp3", concat(cover, full), {}, true, true},
        {"id3v23.mp3", concat(full, {"-id3v2_version", "3"}), {}, true, false},
        {"vorbis.flac", concat(cover, full), {}, true, true},
        {"atoms.m4a", concat(concat(cover, full), {"-c:a", "aac"}), {}, true, true},
        {"info.wav", full, {}, true, false},
        {"id3.aiff", concat(full, {"-write_id3v2", "1"}), {}, true, false},
        {"untagged.flac", {"-c:a", "flac"}, {}, false, false},
        {"huge-cover.mp3", concat(coverArguments(folder / "huge.png"), full), {}, true, false},
        {"garbage.mp3", {}, std::string(5000, '\x7F'), false, false},
        {"truncated.m4a", {}, std::string("\0\0\0 ftypM4A ", 12), false, false},
        {"missing.flac", {}, {}, false, false},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.file);
        const fs::path path = folder / test.file;
        if (!test.ffmpegArguments.empty()) {
            ASSERT_EQ(
                testsupport::convertWithFfmpeg(folder / "tone.wav", path, test.ffmpegArguments),
                "");
        } else if (!test.fileBytes.empty()) {
            rawwav::writeFile(path, test.fileBytes);
        }
        const SongTags tags = renderer::readSongTags(path.string());
        EXPECT_EQ(tags.title, test.tagged ? "Title" : "");
        EXPECT_EQ(tags.artist, test.tagged ? "Artist" : "");
        EXPECT_EQ(tags.album, test.tagged ? "Album" : "");
        ASSERT_EQ(tags.cover.has_value(), test.cover);
        if (test.cover) {
            EXPECT_EQ(tags.cover->mimeType, "image/png");
            EXPECT_EQ(std::string(tags.cover->bytes.begin(), tags.cover->bytes.end()), coverBytes);
        }
    }
}

class EditTagWriter : public ::testing::Test {
protected:
    TemporaryFolder folder;

    std::string coverBytes;

    // LAME's own MP3 of a 2 s tone, as the renderer gets it, and a real picture.
    void SetUp() override {
        taggedsongs::writeCover(folder / "cover.png");
        coverBytes = testsupport::readWholeFile(folder / "cover.png");
        testsupport::writeTestWav(folder / "edit.wav", testsupport::tone(2.0, 330.0, 0.5));
        ASSERT_EQ(testsupport::encodeWithLame(folder / "edit.wav", folder / "lame.mp3",
                                              {"-b", "320", "--cbr"}),
                  "");
    }

    renderer::EditTags fullTags() const {
        renderer::EditTags tags;
        tags.title = "Ünder into Over - continuous DJ edit";
        tags.artists = "Ann / Bo";
        tags.album = "Night";
        tags.cover = CoverPicture{"image/png", {coverBytes.begin(), coverBytes.end()}};
        tags.chapters = {{"Ünder", 0, 1250}, {"Over", 1250, 2000}};
        tags.lengthMs = 2000;
        return tags;
    }
};

// TagLib reads the frames back; ffprobe reads the whole render's tags in the command-line tests.
TEST_F(EditTagWriter, WritesAnID3v24TagThatTagLibReadsBack) {
    fs::copy_file(folder / "lame.mp3", folder / "tagged.mp3");
    renderer::writeEditTags(folder / "tagged.mp3", fullTags());

    TagLib::MPEG::File file((folder / "tagged.mp3").c_str());
    ASSERT_TRUE(file.hasID3v2Tag());
    TagLib::ID3v2::Tag& tag = *file.ID3v2Tag();
    EXPECT_EQ(tag.header()->majorVersion(), 4u);
    EXPECT_EQ(taggedsongs::frameText(tag, "TIT2"), "Ünder into Over - continuous DJ edit");
    EXPECT_EQ(taggedsongs::frameText(tag, "TPE1"), "Ann / Bo");
    EXPECT_EQ(taggedsongs::frameText(tag, "TALB"), "Night");
    EXPECT_EQ(taggedsongs::frameText(tag, "TLEN"), "2000");

    // A frame of the wrong kind throws std::bad_cast, which fails the test.
    const TagLib::ID3v2::FrameList& pictures = tag.frameListMap()["APIC"];
    ASSERT_EQ(pictures.size(), 1u);
    const auto& cover = dynamic_cast<TagLib::ID3v2::AttachedPictureFrame&>(*pictures.front());
    EXPECT_EQ(cover.type(), TagLib::ID3v2::AttachedPictureFrame::FrontCover);
    EXPECT_EQ(cover.mimeType(), "image/png");
    EXPECT_EQ(std::string(cover.picture().data(), cover.picture().size()), coverBytes);

    std::vector<std::string> described;
    for (TagLib::ID3v2::Frame* frame : tag.frameListMap()["CHAP"]) {
        auto& chapter = dynamic_cast<TagLib::ID3v2::ChapterFrame&>(*frame);
        const TagLib::ID3v2::FrameList& titles = chapter.embeddedFrameListMap()["TIT2"];
        ASSERT_EQ(titles.size(), 1u);
        described.push_back(std::string(chapter.elementID().data(), chapter.elementID().size()) +
                            " " + std::to_string(chapter.startTime()) + "-" +
                            std::to_string(chapter.endTime()) + " " +
                            titles.front()->toString().to8Bit(true));
    }
    EXPECT_EQ(described, (std::vector<std::string>{"chp1 0-1250 Ünder", "chp2 1250-2000 Over"}));

    const TagLib::ID3v2::FrameList& contents = tag.frameListMap()["CTOC"];
    ASSERT_EQ(contents.size(), 1u);
    const auto& toc = dynamic_cast<TagLib::ID3v2::TableOfContentsFrame&>(*contents.front());
    EXPECT_TRUE(toc.isTopLevel() && toc.isOrdered());
    EXPECT_EQ(toc.childElements(), TagLib::ByteVectorList::split("chp1 chp2", " "));
}

// LAME's bytes follow the tag unchanged, its header frame included, so every decoder that
// skips the tag gets exactly LAME's samples (the whole renders are decoded in their own tests).
TEST_F(EditTagWriter, KeepsEveryByteLameWroteBehindTheTag) {
    fs::copy_file(folder / "lame.mp3", folder / "tagged.mp3");
    renderer::writeEditTags(folder / "tagged.mp3", fullTags());

    const std::string untagged = testsupport::readWholeFile(folder / "lame.mp3");
    const std::string tagged = testsupport::readWholeFile(folder / "tagged.mp3");
    const size_t tagSize = renderer::renderID3v24Tag(fullTags()).size();
    ASSERT_EQ(tagged.size(), tagSize + untagged.size());
    EXPECT_EQ(tagged.substr(0, 3), "ID3");
    EXPECT_TRUE(tagged.substr(tagSize) == untagged);
}

// A disk that fills up while the tag goes in: the file may not grow past LAME's own MP3. The
// encode fails as a failed LAME does, and the earlier edit of that name stays as it was.
TEST_F(EditTagWriter, DeathTestAFullDiskKeepsTheEarlierEditAndNoPartialFile) {
    const auto lameBytes = static_cast<rlim_t>(fs::file_size(folder / "lame.mp3"));
    fs::create_directory(folder / "out");
    rawwav::writeFile(folder / "out" / "edit.mp3", "the earlier edit");
    const std::string lame = testsupport::bundledLame().string();
    const auto encodeOnAFullDisk = [&] {
        ::setenv("MUSIC_EDIT_LAME", lame.c_str(), 1);
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{lameBytes, lameBytes};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) std::_Exit(3);
        try {
            renderer::encodeMP3(seamforgetest::wavFile(folder / "edit.wav"),
                                folder / "out" / "edit.mp3", [this](const fs::path& untagged) {
                                    renderer::writeEditTags(untagged, fullTags());
                                });
        } catch (const renderer::RenderError& error) {
            const bool expected =
                std::string(error.what()) == "Could not write the edit's tags: File too large";
            std::_Exit(expected ? 0 : 5);
        }
        std::_Exit(4);
    };
    EXPECT_EXIT(encodeOnAFullDisk(), ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(seamforgetest::entryNames(folder / "out"), std::vector<std::string>{"edit.mp3"});
    EXPECT_EQ(testsupport::readWholeFile(folder / "out" / "edit.mp3"), "the earlier edit");
}

}  // namespace
