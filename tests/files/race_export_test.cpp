#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "files/standings_export.h"
#include "files/tour_file.h"
#include "model/board_sections.h"
#include "model/screens.h"
#include "rules/race_state.h"
#include "rules/standings.h"
#include "support/race_driver.h"
#include "support/scratch_folder.h"
#include "texts/language_texts.h"
#include "support/file_bytes.h"

namespace {

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t from = 0, at;
  while ((at = text.find('\n', from)) != std::string::npos) {
    lines.push_back(text.substr(from, at - from));
    from = at + 1;
  }
  return lines;
}

class RaceExportTest : public ScratchFolderTest {
 protected:
  void SetUp() override {
    ScratchFolderTest::SetUp();
    if (HasFatalFailure()) return;
    initBoardSections();
    language = LANGUAGE_ENGLISH;
    setLanguageTexts();
    stageRecords.clear();
  }
  void TearDown() override {
    releaseRaceDriver();
    stageRecords.clear();
    tourMode = 0;
    tourFileName.clear();
    standingsPath.clear();
    standingsStatus = STANDINGS_NONE;
    ScratchFolderTest::TearDown();
  }
};

// Whole computer races: the stage scores of the finished race agree with
// the points the riders scored on the road, the export lists them, and in a
// tour the stage goes into the tour file and comes back from it.
TEST_F(RaceExportTest, FinishedRacesAreStoredAndExported) {
  for (int c = 0; c < 4; c++) {
    SCOPED_TRACE(predefinedCourses[c]);
    ASSERT_TRUE(startComputerRace(predefinedCourses[c], 77 + c, false));
    RaceRun run = runRaceToEnd();
    ASSERT_TRUE(run.ended) << run.failure;

    StageScore score;
    scoreStageResults(raceResults, 1, score);
    int32_t sum = 0;
    for (int r = 0; r < RIDER_COUNT; r++) {
      EXPECT_EQ(score.stageTotal[r], riderScore[r]) << "rider " << r;
      sum += riderScore[r];
    }
    EXPECT_EQ(sum, score.teamTotal[0] + score.teamTotal[1] + score.teamTotal[2] + score.teamTotal[3]);

    // Single stage, exported from the stage standings.
    tourMode = 0;
    stageRecords.clear();
    standingsPath = "standings.csv";
    currentScreen = SCREEN_STAGE_STANDINGS;
    writeStandingsFile();
    ASSERT_EQ(standingsStatus, STANDINGS_WRITTEN);
    std::vector<std::string> lines = splitLines(readWholeFile("standings.csv"));
    ASSERT_EQ(lines.size(), 19u);
    EXPECT_EQ(lines[0], "Result stage 1");
    for (int n = 1; n <= 16; n++) {
      int32_t rider = raceResults[8 + n];
      std::string start = std::to_string(n) + ";";
      if (rider >= 0)
        start += std::to_string(printedRiderNumber(rider)) + ";" + std::to_string(placePoints[8 + n]) + ";" +
                 std::to_string(score.sprintPoints[rider]) + ";" + std::to_string(riderScore[rider]) + ";";
      EXPECT_EQ(lines[1 + n].rfind(start, 0), 0u) << lines[1 + n];
    }

    // A tour: the stage is appended, saved and read back.
    tourMode = 1;
    tourFileName = "race.velq";
    standingsPath = "race.csv";
    appendStageRecord();
    ASSERT_EQ(saveTour(tourFileName), 1);
    stageRecords.clear();
    ASSERT_EQ(loadTour(tourFileName), 1);
    ASSERT_EQ(stageRecords.size(), 1u);
    EXPECT_EQ(memcmp(stageRecords[0].results, raceResults, sizeof raceResults), 0);
    writeStandingsFile();
    ASSERT_EQ(standingsStatus, STANDINGS_WRITTEN);
    lines = splitLines(readWholeFile("race.csv"));
    ASSERT_EQ(lines.size(), 13u + 19u);
    EXPECT_EQ(lines[0], "General classification after stage 1");
    GeneralScore general;
    scoreGeneralClassification(general);
    for (int t = 0; t < 4; t++) EXPECT_EQ(general.teamTotal[t], score.teamTotal[t]);
    EXPECT_EQ(lines[13], "Result stage 1");
    releaseRaceDriver();
  }
}

}  // namespace
