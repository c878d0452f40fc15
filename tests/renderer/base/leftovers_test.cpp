// A render killed outright leaves its work folder and a hidden partial MP3; the next render
// removes them, and never what belongs to a render that still runs.

#include "renderer/base/leftovers.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <sstream>
#include <thread>

#include "renderer/base/owner_lock.h"
#include "tests/renderer/seamforge_fixture.h"
#include "tests/support/process_state.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using seamforgetest::entryNames;
using seamforgetest::Seamforge;
using seamforgetest::Song;

const std::string kDeadUuid = "11111111-2222-3333-4444-555555555555";
const std::string kLiveUuid = "AAAAAAAA-BBBB-CCCC-DDDD-EEEEEEEEEEEE";
const std::string kOldUuid = "01234567-89AB-CDEF-0123-456789ABCDEF";
const std::string kYoungUuid = "FEDCBA98-7654-3210-FEDC-BA9876543210";

void touch(const fs::path& path) { rawwav::writeFile(path, "left over"); }

class Leftovers : public Seamforge {
protected:
    fs::path workFolder(const std::string& uuid) {
        const fs::path folder = temporary / ("tunewright-local-" + uuid);
        fs::create_directories(folder);
        touch(folder / "tunewright-local-render.wav");
        return folder;
    }
};

TEST_F(Leftovers, OnlyThoseOfEndedRendersAreRemovedWhenARenderStarts) {
    // Owners: one gone (its lock is free), one running (this test holds its lock).
    touch(workFolder(kDeadUuid) / renderer::workFolderLockName);
    const renderer::OwnerLock liveFolder(workFolder(kLiveUuid) / renderer::workFolderLockName);
    // Without a lock file: old ones died before locking, young ones may be starting now.
    const fs::path old = workFolder(kOldUuid);
    fs::last_write_time(old, fs::file_time_type::clock::now() - 2min);
    workFolder(kYoungUuid);
    touch(temporary / "tunewright-local-not-a-uuid");
    fs::create_directories(files / "out");
    const std::string deadPartial = ".Song - DJ edit.mp3.partial-" + kDeadUuid;
    const std::string livePartial = ".Song - DJ edit.mp3.partial-" + kLiveUuid;
    touch(files / "out" / deadPartial);
    touch(files / "out" / ("notes.partial-" + kDeadUuid));  // not hidden: not ours
    const renderer::OwnerLock livePartialLock(files / "out" / livePartial);

    seamforgetest::writeToneSong(files / "Song.wav", 0.5, 2.0, 0.5);
    const seamforgetest::SeamforgeRun result =
        runJob(editJob({Song{files / "Song.wav"}}, files / "out"));
    ASSERT_EQ(result.status, 0) << result.standardOutput;

    EXPECT_EQ(
        entryNames(temporary.path()),
        (std::vector<std::string>{"tunewright-local-" + kLiveUuid, "tunewright-local-" + kYoungUuid,
                                  "tunewright-local-not-a-uuid"}));
    EXPECT_TRUE(
        fs::exists(temporary / ("tunewright-local-" + kLiveUuid) / "tunewright-local-render.wav"));
    const std::vector<std::string> outputs = entryNames(files / "out");
    EXPECT_EQ(std::count(outputs.begin(), outputs.end(), deadPartial), 0);
    EXPECT_EQ(std::count(outputs.begin(), outputs.end(), livePartial), 1);
    EXPECT_EQ(std::count(outputs.begin(), outputs.end(), "notes.partial-" + kDeadUuid), 1);
}

// SIGKILL gives seamforge no chance to clean up: its LAME must still die with it, every one
// of them when the edit is encoded in pieces, and the next render into the same folder
// removes what the killed one left.
TEST_F(Leftovers, AKilledRenderTakesItsEncoderAlongAndTheNextRenderTidiesUp) {
    seamforgetest::writeToneSong(files / "Song.wav", 0.5, 5.0, 0.5);
    const fs::path pidFile = files / "encoders.pid";
    environment["MUSIC_EDIT_LAME"] =
        seamforgetest::writeScript(
            files / "hanging-lame",
            "echo partial > \"$6\"\necho $$ >> '" + pidFile.string() + "'\nexec sleep 30\n")
            .string();
    for (const int pieces : {1, 2}) {
        SCOPED_TRACE(pieces);
        fs::remove(pidFile);
        environment["SEAMFORGE_ENCODE_PIECES"] = std::to_string(pieces);
        std::vector<pid_t> encoders;
        const auto killOnceEveryPieceEncodes = [&](pid_t seamforge) {
            for (int waited = 0; encoders.size() < static_cast<size_t>(pieces) && waited < 3000;
                 ++waited) {
                std::this_thread::sleep_for(10ms);
                std::istringstream lines(fs::exists(pidFile) ? testsupport::readWholeFile(pidFile)
                                                             : "");
                encoders.clear();
                for (pid_t pid = 0; lines >> pid;) encoders.push_back(pid);
            }
            ASSERT_EQ(encoders.size(), static_cast<size_t>(pieces));
            ::kill(seamforge, SIGKILL);
        };
        const seamforgetest::SeamforgeRun killed =
            runWhile(editJob({Song{files / "Song.wav", "0:00", "0:04.5"}}, files / "out"),
                     killOnceEveryPieceEncodes);
        EXPECT_EQ(killed.signal, SIGKILL);
        for (const pid_t encoder : encoders) {
            EXPECT_TRUE(testsupport::waitForProcessEnd(encoder)) << "LAME outlived the renderer";
        }
    }
    ASSERT_FALSE(temporaryFolderIsEmpty());
    // The last killed render's hidden partial MP3: it removed the one before it left.
    ASSERT_EQ(entryNames(files / "out").size(), 1u);

    environment["MUSIC_EDIT_LAME"] = bundledLame().string();
    environment.erase("SEAMFORGE_ENCODE_PIECES");
    expectSuccess(runJob(editJob({Song{files / "Song.wav"}}, files / "out")));
    EXPECT_EQ(entryNames(files / "out"),
              (std::vector<std::string>{"Song - DJ edit.mp3", "analysis-map.json", "edit-notes.md",
                                        "qc-report.json", "render-stats.json"}));
}

}  // namespace
