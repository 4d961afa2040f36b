#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "files/tour_file.h"
#include "model/screens.h"
#include "model/track.h"
#include "rules/race_state.h"
#include "rules/standings.h"
#include "texts/language_texts.h"
#include "support/test_track.h"

namespace {

class StandingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (auto& rider : riders) rider.disqualified = 0;
    stageRecords.clear();
  }
  void TearDown() override {
    for (auto& rider : riders) rider.disqualified = 0;
    stageRecords.clear();
    currentScreen = SCREEN_MAIN_MENU;
  }
};

TEST_F(StandingsTest, RankingTakesTheHighestAndKeepsTeamOrderOnTies) {
  int32_t ranking[4];
  const int32_t level[4] = {7, 7, 7, 7};
  rankTeams(level, ranking);
  EXPECT_EQ(std::vector<int32_t>(ranking, ranking + 4), (std::vector<int32_t>{0, 1, 2, 3}));
  const int32_t mixed[4] = {5, 9, 1, 9};
  rankTeams(mixed, ranking);
  EXPECT_EQ(std::vector<int32_t>(ranking, ranking + 4), (std::vector<int32_t>{1, 3, 0, 2}));
  const int32_t negative[4] = {-3, 0, -3, -8};
  rankTeams(negative, ranking);
  EXPECT_EQ(std::vector<int32_t>(ranking, ranking + 4), (std::vector<int32_t>{1, 0, 2, 3}));
}

TEST_F(StandingsTest, FinishersGetTheirPlaceAndSprintPoints) {
  int32_t results[RESULT_PLACES];
  // Rider 5 takes two sprint wins and finishes second; rider 9 takes a
  // sprint place and never finishes.
  setResults(results, {5, 9, -1, 5, -1, 1}, {1, 5, 2, 3, 0});
  StageScore score;
  scoreStageResults(results, 1, score);
  EXPECT_EQ(score.finishPlace[1], 0);
  EXPECT_EQ(score.finishPlace[5], 1);
  EXPECT_EQ(score.finishPlace[9], -1);
  EXPECT_EQ(score.sprintPoints[5], 20);
  EXPECT_EQ(score.stageTotal[5], 40 + 20);
  EXPECT_EQ(score.sprintPoints[1], 3);
  EXPECT_EQ(score.stageTotal[1], 53);
  EXPECT_EQ(score.sprintPoints[9], 0);  // completed stage, not a finisher
  EXPECT_EQ(score.stageTotal[9], 0);
  EXPECT_EQ(score.teamTotal[0], 53 + 35 + 32 + 30);
  EXPECT_EQ(score.teamTotal[1], 60);
  EXPECT_TRUE(score.teamAllFinished[0]);
  EXPECT_FALSE(score.teamAllFinished[1]);
  EXPECT_FALSE(score.teamAllFinished[2]);

  // While the stage is being ridden the sprint counts for a rider still
  // racing, but not for one who has been disqualified.
  scoreStageResults(results, 0, score);
  EXPECT_EQ(score.sprintPoints[9], 5);
  EXPECT_EQ(score.stageTotal[9], 0);
  EXPECT_EQ(score.teamTotal[2], 0);
  riders[9].disqualified = 1;
  scoreStageResults(results, 0, score);
  EXPECT_EQ(score.sprintPoints[9], 0);
}

TEST_F(StandingsTest, EntriesThatAreNoRiderCountAsFreePlaces) {
  int32_t results[RESULT_PLACES];
  setResults(results, {99, -7, 16}, {3, 3, 40, -1, 2});
  StageScore score;
  scoreStageResults(results, 0, score);
  // A rider listed twice keeps his first place.
  EXPECT_EQ(score.finishPlace[3], 0);
  EXPECT_EQ(score.stageTotal[3], 50);
  EXPECT_EQ(score.finishPlace[2], 4);
  EXPECT_EQ(score.stageTotal[2], 30);
  int32_t all = 0;
  for (int r = 0; r < RIDER_COUNT; r++) all += score.stageTotal[r];
  EXPECT_EQ(all, 80);
}

TEST_F(StandingsTest, GeneralClassificationAddsEveryStoredStage) {
  GeneralScore general;
  scoreGeneralClassification(general);
  for (int t = 0; t < 4; t++) {
    EXPECT_EQ(general.teamTotal[t], 0);
    EXPECT_EQ(general.ranking[t], t);
  }

  StageRecord first, second;
  setResults(first.results, {12, 0}, {12, 0, 4});
  // Rider 12 holds a sprint place of stage 2 but did not finish it.
  setResults(second.results, {12, 4}, {4, 0});
  stageRecords = {first, second};
  // The running race's disqualifications do not reach stored stages.
  riders[0].disqualified = 1;
  scoreGeneralClassification(general);
  EXPECT_EQ(general.riderTotal[12], 60);
  EXPECT_EQ(general.riderTotal[0], 45 + 40);
  EXPECT_EQ(general.riderTotal[4], 35 + 55);
  EXPECT_EQ(general.teamTotal[0], 85);
  EXPECT_EQ(general.teamTotal[1], 90);
  EXPECT_EQ(general.teamTotal[3], 60);
  EXPECT_EQ(std::vector<int32_t>(general.ranking, general.ranking + 4), (std::vector<int32_t>{1, 0, 3, 2}));
}

TEST_F(StandingsTest, ASavedRaceIsShownWithItsOwnTeamNames) {
  char savedNames[4][TEAM_NAME_SIZE], savedPreview[4][TEAM_NAME_SIZE];
  memcpy(savedNames, teamNames, sizeof savedNames);
  memcpy(savedPreview, previewTeamNames, sizeof savedPreview);
  strcpy(teamNames[1], "Current");
  strcpy(previewTeamNames[1], "Saved");
  memset(previewTeamNames[2], 'P', TEAM_NAME_SIZE);  // no terminator
  currentScreen = SCREEN_SCORECARD;
  EXPECT_EQ(standingsTeamName(1), "Current");
  currentScreen = SCREEN_STAGE_STANDINGS;
  EXPECT_EQ(standingsTeamName(1), "Current");
  currentScreen = SCREEN_SAVED_RACE_SCORECARD;
  EXPECT_EQ(standingsTeamName(1), "Saved");
  EXPECT_EQ(standingsTeamName(2), std::string(12, 'P'));
  EXPECT_EQ(standingsTeamName(4), "");
  memcpy(teamNames, savedNames, sizeof savedNames);
  memcpy(previewTeamNames, savedPreview, sizeof savedPreview);
}

}  // namespace
