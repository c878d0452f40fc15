#include "app/prepare/readme_text.h"

#include <gtest/gtest.h>

namespace {

using app::prepare::readmeText;

const char* const kSteps = R"(Start here:

1. Choose the output folder in Tunewright.
2. Click `Create Edit` in Tunewright.
3. The app uses its bundled local renderer for clear timestamp jobs, or Codex fallback for more complex notes, then saves the finished 320 kbps MP3 and edit notes in the selected output folder.
4. If the background edit does not finish, run `run-audio-diagnostics.sh` if it exists, then open `velvetcut-prompt.md` in Codex as a fallback.
5. For future edits, use this app again: clear the songs, choose the next 1, 2, or 3 source songs, add notes, choose an output folder, and click `Create Edit`.
6. Make sure finished files are saved in the selected output folder and never overwrite the original songs.

Supported MVP:

- 1-song edits
- 2-song edits
- 3-song edits
- MP3, WAV, AIFF, M4A, FLAC, AAC
- Continuous, gapless edits
- Natural transitions
- Phrase-aware cut points
- No fades or crossfades as the transition method
- Optional final ending effect at the end of the finished edit: clean fade or echo/fade)";

TEST(ReadmeText, NamesBothFoldersOrAsksForTheOutputFolder) {
    EXPECT_EQ(readmeText("/home/dj/Songs", QString("/home/dj/Edits")),
              QString("# Tunewright Setup\n\nSource folder:\n\n/home/dj/Songs\n\nOutput folder:\n\n"
                      "/home/dj/Edits\n\n") +
                  kSteps);
    EXPECT_TRUE(readmeText("/s", std::nullopt)
                    .contains("Output folder:\n\n[choose the output folder in Tunewright Setup]\n\n"
                              "Start here:"));
}

}  // namespace
