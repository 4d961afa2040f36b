// The score panel's decisions without drawing: the stage a panel shows and
// what each cell of a stage sheet holds.
#include <gtest/gtest.h>

#include <algorithm>
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

// Cases the navigation table of the panel does not reach: a negative stage,
// a kept general view with nothing stored, a single stage's kept values.
TEST_F(ScoreSheetTest, KeptViewsAreBroughtIntoRange) {
  struct Case {
    int screen, tour, stored, general, stage, shownStage, sheet, keptStage;
  } cases[] = {
      {SCREEN_SCORECARD, 1, 2, 0, -4, 0, SHEET_STORED_STAGE, 0},
      {SCREEN_SCORECARD, 1, 0, 1, 0, 0, SHEET_CURRENT_RACE, 0},
      {SCREEN_STAGE_STANDINGS, 1, 2, 0, 2, 1, SHEET_STORED_STAGE, 1},
      {SCREEN_SAVED_RACE_SCORECARD, 1, 0, 1, 3, 0, SHEET_EMPTY, 0},
      {SCREEN_SCORECARD, 0, 2, 1, 1, 0, SHEET_CURRENT_RACE, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "screen " << c.screen << " stage " << c.stage);
    tourMode = c.tour;
    stageRecords.assign(static_cast<size_t>(c.stored), StageRecord());
    scoreGeneral = static_cast<char>(c.general);
    scoreStage = c.stage;
    const ScoreView view = scoreView(c.screen);
    EXPECT_FALSE(view.general);
    EXPECT_EQ(view.stage, c.shownStage);
    EXPECT_EQ(view.sheet, c.sheet);
    EXPECT_EQ(sheetResults(view) == nullptr, c.sheet == SHEET_EMPTY);
    clampScorePanelState(c.screen);
    EXPECT_EQ(scoreStage, c.keptStage);
  }
  language = LANGUAGE_ENGLISH;
  setLanguageTexts();
  tourMode = 1;
  stageRecords.assign(2, StageRecord());
  scoreStage = 2;
  EXPECT_EQ(stageSheetTitle(SCREEN_SCORECARD, scoreView(SCREEN_SCORECARD)), "Standings stage 3");
  EXPECT_EQ(stageSheetTitle(SCREEN_STAGE_STANDINGS, scoreView(SCREEN_STAGE_STANDINGS)), "Result stage 2");
  EXPECT_EQ(teamRiderRange(3), "(51-54)");
}

TEST_F(ScoreSheetTest, CellsOfRunningFinishedStoredAndEmptySheets) {
  struct Case {
    const char* what;
    int kind, screen, disqualified;
    std::vector<int32_t> sprints, finish;
    std::vector<int> podium;                  // sprint entries that show their rider
    std::vector<std::pair<int, const char*>> cells;
    std::vector<int> totals;                  // teams whose total shows
  } cases[] = {
      {"running race: sprinter 9 still riding, team 0 home", SHEET_CURRENT_RACE, SCREEN_SCORECARD, -1,
       {9, 5}, {0, 1, 2, 3, 5}, {0, 1}, {{9, ""}, {5, "35"}, {0, "50"}, {15, ""}}, {0}},
      {"the same stage finished", SHEET_CURRENT_RACE, SCREEN_STAGE_STANDINGS, -1,
       {9, 5}, {0, 1, 2, 3, 5}, {0, 1}, {{9, ""}, {5, "35"}}, {0, 1, 2, 3}},
      {"sprint winner 6 disqualified", SHEET_CURRENT_RACE, SCREEN_STAGE_STANDINGS, 6,
       {1, -1, -1, 6}, {0, -1, 2}, {0}, {{6, "0"}, {1, ""}, {2, "35"}}, {0, 1, 2, 3}},
      {"stored stage: sprinter 12 did not finish", SHEET_STORED_STAGE, SCREEN_SAVED_RACE_SCORECARD, -1,
       {77, -1, -1, -1, -1, -1, 12, 4}, {4, 8, -9}, {7}, {{12, "0"}, {4, "55"}, {8, "40"}, {0, "0"}},
       {0, 1, 2, 3}},
      {"empty sheet", SHEET_EMPTY, SCREEN_SAVED_RACE_SCORECARD, -1, {3}, {3}, {}, {{3, ""}, {0, ""}}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    for (auto& rider : riders) rider.disqualified = 0;
    if (c.disqualified >= 0) riders[c.disqualified].disqualified = 1;
    int32_t results[RESULT_PLACES];
    setResults(results, c.sprints, c.finish);
    StageSheet sheet;
    buildStageSheet(c.kind == SHEET_EMPTY ? nullptr : results, c.kind, c.screen, sheet);
    for (int e = 0; e < FIRST_FINISH_PLACE; e++) {
      bool shown = std::find(c.podium.begin(), c.podium.end(), e) != c.podium.end();
      EXPECT_EQ(sheet.podiumShown[e], shown) << "sprint entry " << e;
    }
    for (const auto& cell : c.cells) EXPECT_EQ(sheet.teamCell[cell.first], cell.second) << "rider " << cell.first;
    for (int t = 0; t < TEAM_COUNT; t++) {
      bool shown = std::find(c.totals.begin(), c.totals.end(), t) != c.totals.end();
      EXPECT_EQ(sheet.teamTotalShown[t], shown) << "team " << t;
    }
  }
}

}  // namespace
