#include <gtest/gtest.h>

#include "model/board_sections.h"
#include "model/hooks.h"
#include "model/screens.h"
#include "model/track.h"
#include "rules/line_points.h"
#include "rules/race_state.h"
#include "support/test_track.h"

namespace {

// Sprints on rows 20 and 40, the finish on row 60; no third sprint.
class LinePointsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    clearTestTrack(100);
    layRoad(0, 99, 0, 4);
    lineRows[0] = 20;
    lineRows[1] = 40;
    lineRows[3] = 60;
  }
  void TearDown() override { moveTimerHook = nullptr; }
  static void cross(int rider, int fromRow, int toRow) { awardLinePoints(fromRow, toRow, &rider); }
};

TEST_F(LinePointsTest, ThreePlacesPerSprintAndNothingForTheFourth) {
  cross(5, 15, 25);
  EXPECT_EQ(raceResults[0], 5);
  EXPECT_EQ(riderScore[5], 10);
  EXPECT_EQ(lastLineWinner, 5);
  cross(6, 18, 21);
  cross(7, 20, 22);  // starting on the line and moving on crosses it
  cross(8, 10, 30);
  EXPECT_EQ(raceResults[1], 6);
  EXPECT_EQ(raceResults[2], 7);
  EXPECT_EQ(riderScore[6], 5);
  EXPECT_EQ(riderScore[7], 3);
  EXPECT_EQ(riderScore[8], 0);
  EXPECT_EQ(lastLineWinner, 5);
}

TEST_F(LinePointsTest, StoppingOnTheLineScoresItOnTheNextMove) {
  cross(3, 12, 20);
  EXPECT_EQ(raceResults[0], -1);
  EXPECT_EQ(riderScore[3], 0);
  cross(3, 20, 24);
  EXPECT_EQ(raceResults[0], 3);
  EXPECT_EQ(riderScore[3], 10);
}

TEST_F(LinePointsTest, OneMoveCrossingASprintAndTheFinishScoresBoth) {
  cross(2, 38, 61);
  EXPECT_EQ(raceResults[3], 2);
  EXPECT_EQ(raceResults[9], 2);
  EXPECT_EQ(riderScore[2], 60);
  EXPECT_EQ(lastLineWinner, 2);
}

TEST_F(LinePointsTest, TheSixteenthFinisherGetsEightPoints) {
  for (int rider = 0; rider < RIDER_COUNT; rider++) cross(rider, 59, 62);
  EXPECT_EQ(raceResults[24], 15);
  EXPECT_EQ(riderScore[15], 8);
  EXPECT_EQ(riderScore[0], 50);
  EXPECT_EQ(riderScore[1], 40);
  int total = 0;
  for (int score : riderScore) total += score;
  EXPECT_EQ(total, 385);
}

TEST_F(LinePointsTest, ARiderScoresALineOnlyOnce) {
  cross(4, 15, 25);
  // Put back behind the sprint after being parked, he crosses it again.
  cross(4, 19, 23);
  cross(9, 19, 23);
  EXPECT_EQ(raceResults[0], 4);
  EXPECT_EQ(raceResults[1], 9);
  EXPECT_EQ(raceResults[2], -1);
  EXPECT_EQ(riderScore[4], 10);
}

TEST_F(LinePointsTest, AMissingSprintAndABadRiderGiveNothing) {
  cross(1, 0, 99);  // sprints 0 and 1 and the finish, not the missing third
  EXPECT_EQ(riderScore[1], 10 + 10 + 50);
  EXPECT_EQ(raceResults[6], -1);
  awardLinePoints(0, 99, nullptr);
  int nobody = -1;
  awardLinePoints(0, 99, &nobody);
  int tooHigh = RIDER_COUNT;
  awardLinePoints(0, 99, &tooHigh);
  EXPECT_EQ(raceResults[1], -1);
}

TEST_F(LinePointsTest, ABlockedRiderIsParkedAndTheNextTurnFollows) {
  for (Rider& r : riders) r.finished = 1;
  riders[0] = Rider();
  riders[1] = Rider();
  riders[0].humanControlled = riders[1].humanControlled = 1;
  putRider(0, 30, 2);
  putRider(1, 25, 1);
  beginTurnOf(0);
  // Someone else stands on his square meanwhile: that cell is not his.
  trackOccupant[30][2] = 1;
  currentScreen = SCREEN_NO_MOVE;
  parkBlockedRider();
  EXPECT_EQ(riders[0].parked, 1);
  EXPECT_EQ(riders[0].movedThisRound, 1);
  EXPECT_EQ(trackOccupant[30][2], 1);
  EXPECT_EQ(activeRider, 1);
  EXPECT_EQ(currentScreen, SCREEN_PLAY_CARDS);
}

}  // namespace
