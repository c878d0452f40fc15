#include "renderer/output_name.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using renderer::cleanTitle;
using renderer::outputName;
using renderer::TrackJob;

std::vector<TrackJob> tracksAt(const std::vector<std::string>& paths) {
    std::vector<TrackJob> tracks;
    for (const std::string& path : paths) {
        TrackJob track;
        track.path = path;
        track.name = "ignored name";
        tracks.push_back(track);
    }
    return tracks;
}

TEST(OutputName, BuildsFromFileNamesNotFromSongNames) {
    EXPECT_EQ(outputName(tracksAt({"/Music/My Song (Live).mp3"})), "My Song Live - DJ edit.mp3");
    EXPECT_EQ(outputName(tracksAt({"/m/a_b.wav", "/m/C:D.m4a"})),
              "a b into C D - continuous DJ edit.mp3");
    EXPECT_EQ(outputName(tracksAt({"one.mp3", "two.flac", "three.aiff"})),
              "one into two into three - continuous DJ edit.mp3");
    // Only the last extension goes.
    EXPECT_EQ(outputName(tracksAt({"/m/Mix v1.2.wav"})), "Mix v1.2 - DJ edit.mp3");
}

TEST(CleanTitle, KeepsOnlyTheAllowedCharactersWithSingleSpaces) {
    EXPECT_EQ(cleanTitle("  Rock & Roll, Pt. 2 + 'Intro' - Edit  "),
              "Rock & Roll, Pt. 2 + 'Intro' - Edit");
    EXPECT_EQ(cleanTitle("a/b\\c:d_e[f]\"g\"\th"), "a b c d e f g h");
    EXPECT_EQ(cleanTitle("Caf\u00e9 D\u00e9j\u00e0 Vu"), "Caf D j Vu");
}

TEST(CleanTitle, FallsBackToMusicEditWhenNothingIsLeft) {
    EXPECT_EQ(cleanTitle("\u65e5\u672c\u8a9e\u306e\u66f2"), "Music Edit");
    EXPECT_EQ(cleanTitle(""), "Music Edit");
    EXPECT_EQ(cleanTitle("___ ()"), "Music Edit");
    EXPECT_EQ(outputName(tracksAt({"/m/\u3055\u304f\u3089.mp3"})), "Music Edit - DJ edit.mp3");
}

TEST(CleanTitle, BrokenUtf8NeverSwallowsTheLettersAfterIt) {
    // A lead byte followed by an ASCII letter, a cut-off three-byte sequence, an overlong
    // form of "/", a surrogate and a lone continuation byte: each is one scalar of its
    // own, and the letters around them survive.
    EXPECT_EQ(cleanTitle("\xC3"
                         "A\xE2\x82"
                         "B\xC0\xAF"
                         "C\xED\xA0\x80"
                         "D\x80"
                         "E"),
              "A B C D E");
    // A four-byte scalar (an emoji) is replaced as a whole.
    EXPECT_EQ(cleanTitle("x\xF0\x9F\x8E\xB5y"), "x y");
}

// Titles of `length` characters that end in a letter.
std::string titleOfLength(size_t length, char letter) { return std::string(length, letter); }

TEST(OutputName, LongNamesKeepFirstAndLastTitleAndNeverExceed180Characters) {
    // 48 + 6 + 48 + 6 + 47 + 25 = 180 characters: kept whole.
    const auto exactly180 =
        tracksAt({titleOfLength(48, 'a') + ".mp3", titleOfLength(48, 'b') + ".mp3",
                  titleOfLength(47, 'c') + ".mp3"});
    const std::string whole = outputName(exactly180);
    EXPECT_EQ(whole.size(), 180u);
    EXPECT_NE(whole.find(titleOfLength(48, 'b')), std::string::npos);

    // One more character: the middle title goes.
    const auto exactly181 =
        tracksAt({titleOfLength(48, 'a') + ".mp3", titleOfLength(48, 'b') + ".mp3",
                  titleOfLength(48, 'c') + ".mp3"});
    EXPECT_EQ(outputName(exactly181), titleOfLength(48, 'a') + " into " + titleOfLength(48, 'c') +
                                          " - continuous DJ edit.mp3");

    // Even first and last are too long together: both are cut, neither disappears.
    const auto huge =
        tracksAt({titleOfLength(200, 'a') + ".wav", "mid.wav", titleOfLength(200, 'c') + ".wav"});
    const std::string cut = outputName(huge);
    EXPECT_LE(cut.size(), 180u);
    EXPECT_EQ(cut.find("mid"), std::string::npos);
    EXPECT_EQ(cut.substr(0, 10), titleOfLength(10, 'a'));
    EXPECT_NE(cut.find(" into " + titleOfLength(70, 'c')), std::string::npos);
    EXPECT_TRUE(cut.ends_with("c - continuous DJ edit.mp3"));
}

TEST(OutputName, OneLongTitleIsShortenedWithoutATrailingSpace) {
    // 165 letters, a space, then more words: the cut falls right after the space.
    const std::string title = titleOfLength(165, 'x') + " " + titleOfLength(100, 'y');
    const std::string name = outputName(tracksAt({"/m/" + title + ".mp3"}));
    EXPECT_EQ(name, titleOfLength(165, 'x') + " - DJ edit.mp3");

    const std::string fits = titleOfLength(166, 'z');
    EXPECT_EQ(outputName(tracksAt({"/m/" + fits + ".mp3"})).size(), 180u);
}

}  // namespace
