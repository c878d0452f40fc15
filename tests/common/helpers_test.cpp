#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "common/atomic_file.h"
#include "common/final_ending_effect.h"
#include "common/iso_time.h"
#include "common/text.h"
#include "common/uuid.h"
#include "tests/support/test_files.h"

namespace {

TEST(Text, TrimAndLowerCase) {
    EXPECT_EQ(common::trim(" \t\n 1:30 \r\n"), "1:30");
    EXPECT_EQ(common::trim(" \n "), "");
    // Every Unicode space goes at the ends; inside, and other characters of several bytes at
    // the ends, stay.
    EXPECT_EQ(common::trim("\u00A0\u3000\u2000 1\u00A0:30\u200A\u2028\u205F\u0085"), "1\u00A0:30");
    EXPECT_EQ(common::trim("\u1680\u2029\u202F"), "");
    EXPECT_EQ(common::trim("\u00E9t\u00E9\u00A0"), "\u00E9t\u00E9");
    EXPECT_EQ(common::trim("\u200B1\u00A1"), "\u200B1\u00A1");  // no spaces, despite the bytes
    EXPECT_EQ(common::asciiLower("Song.MP3 \xC3\x89"), "song.mp3 \xC3\x89");
    EXPECT_EQ(common::replaceAll("90 seconds sec", "sec", "s"), "90 sonds s");
}

TEST(Uuid, CanonicalUpperCaseAndFresh) {
    const std::string first = common::makeUuidString();
    EXPECT_TRUE(std::regex_match(
        first, std::regex("[0-9A-F]{8}-[0-9A-F]{4}-4[0-9A-F]{3}-[89AB][0-9A-F]{3}-[0-9A-F]{12}")))
        << first;
    EXPECT_NE(first, common::makeUuidString());
}

TEST(IsoTime, WholeSecondsInUtcWithZ) {
    const auto moment =
        std::chrono::system_clock::time_point(std::chrono::milliseconds(1765060139999));
    EXPECT_EQ(common::iso8601Utc(moment), "2025-12-06T22:28:59Z");
}

// The raw value is what job files and saved preferences hold; titles and tails are checked
// where the notes and the renderer use them.
TEST(FinalEndingEffect, RawValuesReadBackExactly) {
    for (const common::FinalEndingEffect effect : common::kAllFinalEndingEffects) {
        EXPECT_EQ(common::finalEndingEffectFromRawValue(common::rawValue(effect)), effect);
    }
    EXPECT_EQ(common::rawValue(common::FinalEndingEffect::echoFade), "echoFade");
    EXPECT_FALSE(common::finalEndingEffectFromRawValue("Fade"));
}

TEST(AtomicFile, ReplacesContentsAndLeavesNoTemporaryFile) {
    testsupport::TemporaryFolder folder;
    const auto path = folder / "notes.md";
    common::writeFileAtomically(path, "first");
    common::writeFileAtomically(path, "second\n");
    EXPECT_EQ(testsupport::readWholeFile(path), "second\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST(AtomicFile, FailureKeepsTheEarlierFile) {
    testsupport::TemporaryFolder folder;
    EXPECT_THROW(common::writeFileAtomically(folder / "missing/notes.md", "x"), std::system_error);
    const auto path = folder / "locked" / "notes.md";
    std::filesystem::create_directories(path.parent_path());
    common::writeFileAtomically(path, "kept");
    std::filesystem::permissions(path.parent_path(), std::filesystem::perms::owner_read |
                                                         std::filesystem::perms::owner_exec);
    if (::geteuid() != 0) {  // root ignores folder permissions
        EXPECT_THROW(common::writeFileAtomically(path, "lost"), std::system_error);
    }
    EXPECT_EQ(testsupport::readWholeFile(path), "kept");
}

}  // namespace
