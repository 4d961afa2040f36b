// The score panel's decisions without drawing: the sheet a view shows and
// what each cell of a stage sheet holds.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "files/tour_file.h"
#include "model/screens.h"
#include "rules/race_state.h"
#include "rules/score_sheet.h"
#include "rules/stage_end.h"
#include "support/test_track.h"
#include "texts/language_texts.h"

namespace {

class ScoreSheetTest : public ::testing::Test {
 protected:
  void TearDown() override {
    for (auto& rider : riders) rider.disqualified = 0;
    stageRecords.clear();
    tourMode = 0;
  }
};

// "1" for each entry shown.
template <size_t N>
std::string shown(const bool (&flags)[N]) {
  std::string text;
  for (bool flag : flags) text += flag ? '1' : '0';
  return text;
}

// A saved race without stages shows an empty sheet, never the race in
// memory; a single stage always the race in memory; the sheet titles.
TEST_F(ScoreSheetTest, TheSheetAViewShowsAndItsTitle) {
  tourMode = 1;
  scoreGeneral = 1;
  scoreStage = 3;
  const ScoreView saved = scoreView(SCREEN_SAVED_RACE_SCORECARD);
  EXPECT_EQ(saved.sheet, SHEET_EMPTY);
  EXPECT_FALSE(saved.general || saved.generalTabEnabled);
  EXPECT_EQ(sheetResults(saved), nullptr);
  stageRecords.assign(2, StageRecord());
  tourMode = 0;
  EXPECT_EQ(sheetResults(scoreView(SCREEN_SCORECARD)), raceResults);
  clampScorePanelState(SCREEN_SCORECARD);
  EXPECT_EQ(scoreGeneral * 10 + scoreStage, 13) << "a single stage keeps the panel's values";
  language = LANGUAGE_ENGLISH;
  setLanguageTexts();
  tourMode = 1;
  scoreStage = 2;
  EXPECT_EQ(stageSheetTitle(SCREEN_SCORECARD, scoreView(SCREEN_SCORECARD)), "Standings stage 3");
  EXPECT_EQ(stageSheetTitle(SCREEN_STAGE_STANDINGS, scoreView(SCREEN_STAGE_STANDINGS)), "Result stage 2");
  EXPECT_EQ(teamRiderRange(3), "(51-54)");
}

TEST_F(ScoreSheetTest, CellsOfRunningFinishedStoredAndEmptySheets) {
  const struct {
    const char* what;
    int kind, screen, disqualified;
    std::vector<int32_t> sprints, finish;
    const char *podium, *totals;  // the sprint entries that show their rider, the teams whose total shows
    std::vector<std::pair<int, const char*>> cells;
  } cases[] = {
      {"running race: sprinter 9 still riding, team 0 home", SHEET_CURRENT_RACE, SCREEN_SCORECARD, -1,
       {9, 5}, {0, 1, 2, 3, 5}, "110000000", "1000", {{9, ""}, {5, "35"}, {0, "50"}, {15, ""}}},
      {"running race: team 1 home but for its last rider", SHEET_CURRENT_RACE, SCREEN_SCORECARD, -1,
       {}, {4, 5, 6, 0}, "000000000", "0000", {{7, ""}, {6, "35"}}},
      {"the same stage finished", SHEET_CURRENT_RACE, SCREEN_STAGE_STANDINGS, -1,
       {9, 5}, {0, 1, 2, 3, 5}, "110000000", "1111", {{9, ""}, {5, "35"}}},
      {"sprint winner 6 disqualified", SHEET_CURRENT_RACE, SCREEN_STAGE_STANDINGS, 6,
       {1, -1, -1, 6}, {0, -1, 2}, "100000000", "1111", {{6, "0"}, {1, ""}, {2, "35"}}},
      {"stored stage: sprinter 12 did not finish, a rider index out of range", SHEET_STORED_STAGE,
       SCREEN_SAVED_RACE_SCORECARD, -1, {77, -1, -1, -1, -1, -1, 12, 4}, {4, 8, -9}, "000000010", "1111",
       {{12, "0"}, {4, "55"}, {8, "40"}, {0, "0"}}},
      {"empty sheet", SHEET_EMPTY, SCREEN_SAVED_RACE_SCORECARD, -1, {3}, {3}, "000000000", "0000",
       {{3, ""}, {0, ""}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    for (auto& rider : riders) rider.disqualified = 0;
    if (c.disqualified >= 0) riders[c.disqualified].disqualified = 1;
    int32_t results[RESULT_PLACES];
    setResults(results, c.sprints, c.finish);
    StageSheet sheet;
    buildStageSheet(c.kind == SHEET_EMPTY ? nullptr : results, c.kind, c.screen, sheet);
    EXPECT_EQ(shown(sheet.podiumShown), c.podium);
    EXPECT_EQ(shown(sheet.teamTotalShown), c.totals);
    for (const auto& cell : c.cells) EXPECT_EQ(sheet.teamCell[cell.first], cell.second) << "rider " << cell.first;
  }
}

}  // namespace
