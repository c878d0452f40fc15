// File names of the edit, from song file names of any bytes.

#include "renderer/report/output_name.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using renderer::cleanTitle;
using renderer::TrackJob;

std::string outputName(const std::vector<std::string>& paths) {
    std::vector<TrackJob> tracks;
    for (const std::string& path : paths)
        tracks.push_back(TrackJob{path, "ignored name", "", "", "", {}, {}, {}});
    return renderer::outputName(tracks);
}

TEST(OutputName, BuildsFromFileNamesNotFromSongNames) {
    EXPECT_EQ(outputName({"/Music/My Song (Live).mp3"}), "My Song Live - DJ edit.mp3");
    EXPECT_EQ(outputName({"/m/a_b.wav", "/m/C:D.m4a"}), "a b into C D - continuous DJ edit.mp3");
    EXPECT_EQ(outputName({"one.mp3", "two.flac", "three.aiff"}),
              "one into two into three - continuous DJ edit.mp3");
    EXPECT_EQ(outputName({"/m/Mix v1.2.wav"}), "Mix v1.2 - DJ edit.mp3");  // only the last dot
    // A leading dot would hide the edit from file managers and from the search for it.
    EXPECT_EQ(outputName({"/m/(...) Baby.wav"}), "Baby - DJ edit.mp3");
    EXPECT_EQ(outputName({"/m/.hidden song.wav", "/m/....wav"}),
              "hidden song into Music Edit - continuous DJ edit.mp3");
}

TEST(CleanTitle, KeepsOnlyTheAllowedCharactersWithSingleSpaces) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"  Rock & Roll, Pt. 2 + 'Intro' - Edit  ", "Rock & Roll, Pt. 2 + 'Intro' - Edit"},
        {"a/b\\c:d_e[f]\"g\"\th", "a b c d e f g h"},
        {"Caf\u00e9 D\u00e9j\u00e0 Vu", "Caf D j Vu"},
        {"\u65e5\u672c\u8a9e\u306e\u66f2", "Music Edit"},
        {"", "Music Edit"},
        {"___ ()", "Music Edit"},
        // A leading dot would hide the edit; later dots stay.
        {"(...) Baby.", "Baby."},
        {" . .x. y", "x. y"},
        {"...", "Music Edit"},
        // A lead byte followed by an ASCII letter, a cut-off three-byte sequence, an overlong
        // "/", a surrogate and a lone continuation byte are each one scalar of their own: the
        // letters around them survive.
        {"\xC3"
         "A\xE2\x82"
         "B\xC0\xAF"
         "C\xED\xA0\x80"
         "D\x80"
         "E",
         "A B C D E"},
        {"x\xF0\x9F\x8E\xB5y", "x y"},  // a four-byte scalar goes as a whole
    };
    for (const auto& [text, title] : cases) EXPECT_EQ(cleanTitle(text), title) << text;
}

TEST(OutputName, LongNamesKeepFirstAndLastTitleAndNeverExceed180Characters) {
    const auto titled = [](size_t length, char letter) { return std::string(length, letter); };
    // 48 + 6 + 48 + 6 + 47 + 25 = 180 characters: kept whole.
    const std::string whole =
        outputName({titled(48, 'a') + ".mp3", titled(48, 'b') + ".mp3", titled(47, 'c') + ".mp3"});
    EXPECT_EQ(whole.size(), 180u);
    EXPECT_NE(whole.find(titled(48, 'b')), std::string::npos);
    // One more character: the middle title goes.
    EXPECT_EQ(
        outputName({titled(48, 'a') + ".mp3", titled(48, 'b') + ".mp3", titled(48, 'c') + ".mp3"}),
        titled(48, 'a') + " into " + titled(48, 'c') + " - continuous DJ edit.mp3");

    // Even first and last are too long together: both are cut, neither disappears.
    const std::string cut =
        outputName({titled(200, 'a') + ".wav", "mid.wav", titled(200, 'c') + ".wav"});
    EXPECT_LE(cut.size(), 180u);
    EXPECT_EQ(cut.find("mid"), std::string::npos);
    EXPECT_TRUE(cut.starts_with(titled(10, 'a')));
    EXPECT_NE(cut.find(" into " + titled(70, 'c')), std::string::npos);
    EXPECT_TRUE(cut.ends_with("c - continuous DJ edit.mp3"));

    // One long title: the cut falls right after a space, which goes too.
    EXPECT_EQ(outputName({"/m/" + titled(165, 'x') + " " + titled(100, 'y') + ".mp3"}),
              titled(165, 'x') + " - DJ edit.mp3");
    EXPECT_EQ(outputName({"/m/" + titled(166, 'z') + ".mp3"}).size(), 180u);
}

}  // namespace
