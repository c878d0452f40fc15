#include "app/prepare/diagnostics_script.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/prepare/handoff_writer.h"
#include "common/subprocess.h"
#include "tests/support/generated_audio.h"
#include "tests/support/test_files.h"

namespace {

namespace fs = std::filesystem;
using app::prepare::diagnosticsScript;

// Every character bash treats specially inside double quotes, and two command substitutions.
const std::string kHostileFolderName = "Mix \"One\" \\ $(touch pwned) `touch pwned` $HOME end\\";

QString qtPath(const fs::path& path) { return QString::fromStdString(path.string()); }

common::CapturedRun runBash(const std::vector<std::string>& arguments, const fs::path& folder) {
    const fs::path bash = testsupport::findProgram("bash");
    EXPECT_FALSE(bash.empty()) << testsupport::requiredProgramMessage("bash");
    common::SubprocessOptions options;
    options.executable = bash.string();
    options.arguments = arguments;
    options.workingDirectory = folder.string();
    return common::runAndCapture(options, 1 << 20);
}

// The folder's own name mentions it; only a file of exactly that name means a command ran.
bool containsPwnedFile(const fs::path& root) {
    std::error_code error;
    for (fs::recursive_directory_iterator it(root, error), end; !error && it != end;
         it.increment(error)) {
        if (it->path().filename() == "pwned") return true;
    }
    return false;
}

TEST(DiagnosticsScript, RunsToItsEndForAnyFolderNameWithoutRunningIt) {
    testsupport::TemporaryFolder temporary;
    const fs::path songFolder = temporary / kHostileFolderName;
    fs::create_directories(songFolder);
    testsupport::writeTestWav(songFolder / "First Song.WAV", testsupport::tone(0.5, 440.0, 0.3));
    testsupport::writeTestWav(songFolder / "notes.txt", testsupport::silence(0.1));
    const fs::path script = temporary / "run-audio-diagnostics.sh";
    app::prepare::write(diagnosticsScript(qtPath(songFolder)), qtPath(script), true);

    const common::CapturedRun syntax = runBash({"-n", script.string()}, temporary.path());
    EXPECT_TRUE(syntax.status.succeeded()) << syntax.output;

    const common::CapturedRun run = runBash({script.string()}, temporary.path());
    ASSERT_FALSE(run.startError) << *run.startError;
    EXPECT_TRUE(run.status.succeeded()) << "exit " << run.status.code << "\n" << run.output;
    const std::string& out = run.output;

    EXPECT_NE(
        out.find("Tunewright Setup diagnostics\nSong folder: " + songFolder.string() + "\n\n"),
        std::string::npos)
        << out;
    // Each probe reports either way; the machine decides which.
    for (const std::string probe : {"Package manager", "ffmpeg", "codex", "numpy"}) {
        EXPECT_TRUE(out.find("\nOK: " + probe) != std::string::npos ||
                    out.find("\nMISSING: " + probe) != std::string::npos)
            << probe << " in\n"
            << out;
    }

    const size_t audioSection = out.find("\nAudio files:\n");
    ASSERT_NE(audioSection, std::string::npos) << out;
    const std::string audio = out.substr(audioSection);
    EXPECT_NE(audio.find("\n\nFILE: First Song.WAV\n"), std::string::npos) << audio;
    EXPECT_NE(audio.find("codec_name=pcm_s16le"), std::string::npos) << audio;
    EXPECT_EQ(audio.find("notes.txt"), std::string::npos) << audio;

    EXPECT_FALSE(containsPwnedFile(temporary.path()));
    EXPECT_FALSE(fs::exists(fs::current_path() / "pwned"));
}

}  // namespace
