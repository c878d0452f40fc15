// The finished edit's waveform, its join marks and the join previews on the Complete screen.

#include "app/ui/edit_preview.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPushButton>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <set>
#include <tuple>

#include "app/ui/edit_join_map.h"
#include "app/ui/peak_envelope.h"
#include "app/ui/preview_range.h"
#include "tests/app/support/wizard_test_helpers.h"
#include "tests/app/ui/test_daemons.h"
#include "tests/app/ui/ui_test_support.h"
#include "tests/support/generated_audio.h"
#include "tests/support/test_files.h"

namespace {

using app::ui::EditJoinMap;
using app::ui::FrameRange;

// An analysis map as the local engine writes it, for songs whose spans are `spans` seconds long
// and cut in at `cutIn` seconds; `fadeStart` is the last song's ending start in file time.
std::string analysisMap(const std::string& outputFile, const std::vector<double>& spans,
                        double cutIn, std::optional<double> fadeStart = std::nullopt) {
    QJsonArray tracks;
    for (size_t i = 0; i < spans.size(); ++i) {
        QJsonObject track{{"track", static_cast<int>(i + 1)},
                          {"selectedDuration", spans[i]},
                          {"selectedStartFileTime", cutIn}};
        if (fadeStart && i + 1 == spans.size()) track["finalFadeStartFileTime"] = *fadeStart;
        tracks.append(track);
    }
    const QJsonObject map{{"renderer", "Tunewright local engine"},
                          {"outputFile", QString::fromStdString(outputFile)},
                          {"tracks", tracks}};
    return QJsonDocument(map).toJson().toStdString();
}

// ---- Reading the analysis map ----------------------------------------------------------------

TEST(EditJoinMap, JoinsAreTheSpansLaidEndToEndAndTheEndingSitsInTheLastSpan) {
    struct Case {
        const char* name;
        std::vector<double> spans;
        double cutIn;
        std::optional<double> fadeStart;
        std::vector<double> joins;
        std::optional<double> ending;
    };
    const Case cases[] = {
        {"three songs, fade", {8.0, 4.0, 8.0}, 30.0, 35.0, {8.0, 12.0}, 17.0},
        {"two songs, no ending", {10.5, 6.25}, 1.0, std::nullopt, {10.5}, std::nullopt},
        {"one song, fade", {20.0}, 2.0, 14.0, {}, 12.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto map =
            app::ui::parseEditJoinMap(analysisMap("/o/e.mp3", c.spans, c.cutIn, c.fadeStart));
        ASSERT_TRUE(map.has_value());
        ASSERT_EQ(map->joinSeconds.size(), c.joins.size());
        for (size_t i = 0; i < c.joins.size(); ++i) {
            EXPECT_NEAR(map->joinSeconds[i], c.joins[i], 1e-6);
        }
        ASSERT_EQ(map->endingStartSeconds.has_value(), c.ending.has_value());
        if (c.ending) {
            EXPECT_NEAR(*map->endingStartSeconds, *c.ending, 1e-6);
        }
    }
}

// A blend of 4 s and an effect of 0.5 s, in the edit's own times; a broken entry changes nothing.
// The songs after a blend start earlier, and so does a fade in the last of them.
TEST(EditJoinMap, ReportedJoinsAndAnEndingEffectKeepTheirOwnTimes) {
    std::string faded = analysisMap("/o/e.mp3", {10.0, 10.0}, 0.0, 8.0);
    faded.insert(faded.rfind('}'),
                 R"(, "joins": [{"afterTrack": 1, "startTime": 6.0, "endTime": 10.0}])");
    const auto blended = app::ui::parseEditJoinMap(faded);
    ASSERT_TRUE(blended.has_value());
    EXPECT_EQ(blended->joinSeconds, std::vector<double>({8.0}));
    EXPECT_EQ(blended->endingStartSeconds, 14.0);

    std::string text = analysisMap("/o/e.mp3", {10.0, 10.0, 10.0}, 0.0);
    text.insert(text.rfind('}'),
                R"(, "joins": [{"afterTrack": 1, "startTime": 6.0, "endTime": 10.0},
                               {"afterTrack": 2, "startTime": "x", "endTime": 16.5},
                               {"afterTrack": 7, "startTime": 1.0, "endTime": 1.0}],
                   "endingEffect": {"afterTrack": 3, "seconds": 0.5, "endTime": 26.0})");
    const auto map = app::ui::parseEditJoinMap(text);
    ASSERT_TRUE(map.has_value());
    EXPECT_EQ(map->joinSeconds, std::vector<double>({8.0, 16.0}));
    EXPECT_EQ(map->endingStartSeconds, 25.5);
}

TEST(EditJoinMap, AnythingButTheLocalEnginesMapIsNoMap) {
    const std::string good = analysisMap("/o/e.mp3", {4.0, 4.0}, 0.0);
    std::string agent = good;
    agent.replace(agent.find("Tunewright local engine"), 23, "a helper script");
    const std::string ours = R"({"renderer": "Tunewright local engine")";
    const std::string broken[] = {
        "",
        "not json",
        "[]",
        ours + "}",
        ours + R"(, "tracks": []})",
        ours + R"(, "tracks": [{"selectedDuration": 3}]})",
        ours + R"(, "tracks": [{"selectedDuration": "3", "selectedStartFileTime": 0}]})",
        ours + R"(, "tracks": [{"selectedDuration": -1, "selectedStartFileTime": 0}]})"};
    ASSERT_TRUE(app::ui::parseEditJoinMap(good).has_value());
    EXPECT_FALSE(app::ui::parseEditJoinMap(agent).has_value());
    for (const std::string& text : broken) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(app::ui::parseEditJoinMap(text).has_value());
    }
}

// A map left by an earlier local edit must not mark another program's edit in the same folder.
TEST(EditJoinMap, BelongsOnlyToTheMp3ItNamesAndNotToANewerOne) {
    testsupport::TemporaryFolder folder;
    const auto edit = folder / "Mine - DJ edit.mp3";
    testsupport::writeTestWav(edit, testsupport::silence(0.1));  // contents do not matter here
    const auto mapFile = folder / "analysis-map.json";
    auto writeMap = [&](const std::string& outputFile) {
        std::ofstream(mapFile) << analysisMap(outputFile, {2.0, 2.0}, 0.0);
    };

    writeMap(edit.string());
    EXPECT_TRUE(app::ui::readEditJoinMap(edit).has_value());
    writeMap((folder / "Other - DJ edit.mp3").string());
    EXPECT_FALSE(app::ui::readEditJoinMap(edit).has_value());

    writeMap(edit.string());
    std::filesystem::last_write_time(
        edit, std::filesystem::last_write_time(mapFile) + std::chrono::minutes(5));
    EXPECT_FALSE(app::ui::readEditJoinMap(edit).has_value());

    std::filesystem::remove(mapFile);
    EXPECT_FALSE(app::ui::readEditJoinMap(edit).has_value());
}

// ---- Envelope and preview ranges -------------------------------------------------------------

TEST(PeakEnvelope, ATenthOfASecondPerColumnHoldsItsPeaksAndNothingGivesNoColumns) {
    // 1 s silence, then 1 s tone at half scale: 20 columns of 0.1 s each.
    const auto samples =
        testsupport::concatenate({testsupport::silence(1.0), testsupport::tone(1.0, 441.0, 0.5)});
    const auto envelope = app::ui::peakEnvelope(samples, 2, 20);
    ASSERT_EQ(envelope.size(), 20u);
    for (const size_t column : {0u, 9u, 10u, 19u}) {
        EXPECT_NEAR(envelope[column].high, column < 10 ? 0.0 : 0.5, 0.01) << column;
        EXPECT_NEAR(envelope[column].low, column < 10 ? 0.0 : -0.5, 0.01) << column;
    }
    EXPECT_TRUE(app::ui::peakEnvelope({}, 2, 30).empty());
    EXPECT_TRUE(app::ui::peakEnvelope(samples, 2, 0).empty());
}

TEST(PreviewRange, FourSecondsAroundEachJoinAndTheEndingToTheEnd) {
    constexpr int rate = 44100;
    constexpr long long frames = 20LL * rate;
    // Per case: the range, and its expected start and end in tenths of a second.
    const std::tuple<const char*, FrameRange, int, int> cases[] = {
        {"join in the middle", app::ui::joinPreviewRange(8.0, frames, rate), 40, 120},
        {"join near the start", app::ui::joinPreviewRange(1.5, frames, rate), 0, 55},
        {"join near the end", app::ui::joinPreviewRange(18.0, frames, rate), 140, 200},
        {"ending", app::ui::endingPreviewRange(17.0, frames, rate), 170, 200},
        {"ending past the end", app::ui::endingPreviewRange(25.0, frames, rate), 200, 200},
    };
    for (const auto& [name, range, startTenths, endTenths] : cases) {
        EXPECT_EQ(range.startFrame, startTenths * rate / 10) << name;
        EXPECT_EQ(range.endFrame, endTenths * rate / 10) << name;
    }
}

// ---- The preview panel with a real MP3 ---------------------------------------------------------

// A 20 s edit: a loud song 1 (0-8 s), a silent song 2 (8-12 s), a loud song 3 (12-20 s) whose
// fade starts at 17 s.
class EditPreviewTest : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::ensureApplication();
        ASSERT_FALSE(testsupport::findProgram("ffmpeg").empty())
            << testsupport::requiredProgramMessage("ffmpeg");
        const auto wav = folder / "edit.wav";
        testsupport::writeTestWav(
            wav,
            testsupport::concatenate({testsupport::tone(8.0, 220.0, 0.8), testsupport::silence(4.0),
                                      testsupport::tone(8.0, 330.0, 0.8)}));
        ASSERT_EQ(testsupport::convertWithFfmpeg(wav, edit), "");
    }

    void writeOurMap() {
        std::ofstream(folder / "analysis-map.json")
            << analysisMap(edit.string(), {8.0, 4.0, 8.0}, 0.0, 5.0);
    }

    // Shows the edit at the test width and waits for the background read and for the buttons
    // it adds: a layout shows a button added to a visible panel on the next turn of the event
    // loop, not at once.
    void showEdit() {
        preview.resize(kWidth, 200);
        preview.showEdit(QString::fromStdString(edit.string()));
        ASSERT_TRUE(testsupport::waitUntil(
            [&] {
                const auto buttons = preview.findChildren<QPushButton*>();
                return !preview.isReading() && std::none_of(buttons.begin(), buttons.end(),
                                                            [](auto* b) { return b->isHidden(); });
            },
            30.0));
        ASSERT_NE(preview.decodedEdit(), nullptr);
        preview.waveform()->resize(kWidth, preview.waveform()->height());
    }

    // The pixel columns drawn fully in the mark colour along the waveform's bottom row.
    std::set<int> markColumns() {
        const QImage picture = preview.waveform()->grab().toImage();
        std::set<int> columns;
        const QRgb mark = app::ui::EditWaveform::markColor().rgb();
        for (int x = 0; x < picture.width(); ++x) {
            if (picture.pixel(x, picture.height() - 1) == mark) columns.insert(x);
        }
        return columns;
    }

    // How far from the middle row the waveform reaches at column x, as a fraction of half height.
    double reachAt(int x) {
        const QImage picture = preview.waveform()->grab().toImage();
        const QRgb background = picture.pixel(x, 0);
        int reached = 0;
        for (int y = 0; y < picture.height(); ++y) {
            if (picture.pixel(x, y) != background) {
                reached = std::max(reached, std::abs(y - picture.height() / 2));
            }
        }
        return reached / (picture.height() / 2.0);
    }

    QPushButton* button(const QString& name) {
        return uitest::findByAccessibleName<QPushButton>(&preview, name);
    }
    std::vector<QPushButton*> playButtons();

    static constexpr int kWidth = 400;  // 50 ms of the edit per column
    testsupport::TemporaryFolder folder;
    std::filesystem::path edit = folder / "One into Two into Three - continuous DJ edit.mp3";
    app::ui::EditPreview preview;
};

// An agent's edit has no map of ours (the map's own faults are the parser's test).
TEST_F(EditPreviewTest, WithoutAMapTheWaveformShowsAloneWithItsLoudAndSilentStretches) {
    showEdit();
    EXPECT_NEAR(preview.decodedEdit()->duration(), 20.0, 0.1);
    EXPECT_EQ(uitest::accessibleName(preview.waveform()), "Edit waveform");
    const int width = preview.waveform()->width();
    for (const double seconds : {2.0, 6.0, 14.0, 18.0}) {
        EXPECT_GT(reachAt(static_cast<int>(seconds / 20.0 * width)), 0.6) << seconds;
    }
    for (const double seconds : {9.0, 10.0, 11.0}) {
        EXPECT_LT(reachAt(static_cast<int>(seconds / 20.0 * width)), 0.05) << seconds;
    }
    EXPECT_TRUE(markColumns().empty());
    EXPECT_TRUE(preview.findChildren<QPushButton*>().isEmpty());
}

TEST_F(EditPreviewTest, JoinMarksSitAtTheAnalysisMapsPositions) {
    writeOurMap();
    showEdit();
    const int width = preview.waveform()->width();
    const std::set<int> marks = markColumns();
    ASSERT_EQ(marks.size(), 2u);
    const double expected[] = {8.0 / 20.0 * width, 12.0 / 20.0 * width};
    int i = 0;
    for (const int column : marks) EXPECT_LE(std::abs(column - expected[i++]), 1.0);

    // The ending's shade starts at 17 s: the silent-looking background changes colour there.
    const QImage picture = preview.waveform()->grab().toImage();
    const int endingColumn = static_cast<int>(17.0 / 20.0 * width);
    EXPECT_NE(picture.pixel(endingColumn + 2, 0), picture.pixel(endingColumn - 2, 0));
    EXPECT_EQ(picture.pixel(endingColumn - 10, 0), picture.pixel(endingColumn - 2, 0));
}

// Qt asks the sound server for its outputs once per process and keeps that answer.
constexpr const char* kOncePerProcess =
    " (Qt reads the outputs once per process: run each Play-button test on its own, as ctest does)";

// Play Join 1, Play Join 2 and Play Ending, reachable by Tab; no button for a third join.
std::vector<QPushButton*> EditPreviewTest::playButtons() {
    writeOurMap();
    showEdit();
    std::vector<QPushButton*> buttons;
    for (const char* name : {"Play Join 1", "Play Join 2", "Play Ending"}) {
        buttons.push_back(button(name));
        EXPECT_NE(buttons.back(), nullptr) << name;
        if (buttons.back() == nullptr) return {};
        EXPECT_EQ(buttons.back()->focusPolicy() & Qt::TabFocus, Qt::TabFocus) << name;
    }
    EXPECT_EQ(button("Play Join 3"), nullptr);
    return buttons;
}

TEST_F(EditPreviewTest, PlayButtonsPlayAndStopTheirStretch) {
    const uitest::HeadlessSoundServer server;
    ASSERT_EQ(server.error(), "");
    ASSERT_TRUE(testsupport::waitUntil(app::ui::JoinPreviewPlayer::audioOutputAvailable, 10))
        << "the sound server's null sink is not seen as an audio output" << kOncePerProcess;
    const std::vector<QPushButton*> buttons = playButtons();
    ASSERT_EQ(buttons.size(), 3u);
    QPushButton* join1 = buttons[0];
    QPushButton* join2 = buttons[1];
    QPushButton* ending = buttons[2];
    // The press action clicks the way a person does, after a short animation, so each press
    // is followed until the player has taken it.
    auto press = [&](QPushButton* b, std::optional<int> playing) {
        EXPECT_TRUE(b->isEnabled()) << b->text().toStdString();
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(b);
        accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_TRUE(
            testsupport::waitUntil([&] { return preview.player().playingId() == playing; }, 5.0))
            << b->text().toStdString();
    };
    press(join1, 1);
    EXPECT_EQ(join1->text().remove('&'), "Stop Join 1");
    press(join2, 2);
    EXPECT_EQ(join1->text().remove('&'), "Play Join 1");
    press(join2, std::nullopt);
    press(ending, -1);
    // A stretch that is left to play ends by itself and its button reads Play again.
    EXPECT_TRUE(testsupport::waitUntil([&] { return !preview.player().playingId(); }, 10.0));
    EXPECT_EQ(ending->text().remove('&'), "Play Ending");
    press(join1, 1);
    preview.hide();  // another screen
    EXPECT_FALSE(preview.player().playingId().has_value());
}

TEST_F(EditPreviewTest, PlayButtonsAreDisabledAndSaySoWithoutASoundServer) {
    uitest::HeadlessSoundServer::pointAtNoServer(folder);
    ASSERT_FALSE(app::ui::JoinPreviewPlayer::audioOutputAvailable())
        << "an audio output is seen" << kOncePerProcess;
    for (QPushButton* b : playButtons()) {
        EXPECT_FALSE(b->isEnabled());
        EXPECT_EQ(b->accessibleDescription(), "No audio output found.");
    }
}

}  // namespace
