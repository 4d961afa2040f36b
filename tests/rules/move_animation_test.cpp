#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

#include "model/board_sections.h"
#include "model/hooks.h"
#include "model/screens.h"
#include "model/settings.h"
#include "model/track.h"
#include "model/track_geometry.h"
#include "rules/move_animation.h"
#include "rules/race_state.h"
#include "support/test_track.h"

namespace {

// A straight road of lanes 0..4, rows 0..40, drawn as one straight piece:
// square (row, lane) has its centre at x = 100 + 32 lane, y = 100 + 24 row,
// so a lane change covers 40 board units and a lane 960 units over its 40
// rows. Rider 15 moves; rider 14, a person far behind, takes the next turn;
// every other rider has finished.
class MoveAnimationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    clearTestTrack(41);
    layRoad(0, 40, 0, 4);
    fillTestReach();
    trackQuads[0] = BoardQuad(0, 40, 0, 4, 100, 100, 100, 1060, 228, 1060, 228, 100, 0);
    trackQuadCount = 1;
    lineRows[3] = 38;
    for (Rider& r : riders) {
      r.finished = 1;
      r.movedThisRound = 1;
    }
    enterRider(14, 1, 0);
    riders[14].humanControlled = 1;
    savedSmooth = smoothComputerMovement;
    savedDistance = smoothMoveDistance;
    savedDelay = smoothMoveDelayMs;
    savedInterval = stepMoveIntervalMs;
    smoothComputerMovement = 0;
    smoothMoveDistance = 10;
    smoothMoveDelayMs = 0;
    stepMoveIntervalMs = 200;
    breakawayDeclared = 1;
  }
  void TearDown() override {
    smoothComputerMovement = savedSmooth;
    smoothMoveDistance = savedDistance;
    smoothMoveDelayMs = savedDelay;
    stepMoveIntervalMs = savedInterval;
    moveTimerHook = nullptr;
  }

  // Rider 15's move along the given path points, started as the computer's
  // move starts it.
  static void startMove(std::vector<std::pair<int, int>> points) {
    enterRider(15, points[0].first, points[0].second);
    beginTurnOf(15);
    for (size_t i = 0; i < points.size(); i++) {
      pathPoints[i][0] = static_cast<float>(points[i].first);
      pathPoints[i][1] = static_cast<float>(points[i].second);
    }
    pathLength = static_cast<int>(points.size()) - 1;
    animRow = pathPoints[0][0];
    animLane = pathPoints[0][1];
    animRowTarget = animRow;
    currentScreen = SCREEN_MOVING;
    startMoveAnimation();
  }
  // Delivers the pending tick, as the window's timer would.
  static void tick() { onComputerMoveTimer(lastMoveTimerValue()); }
  // Ticks until the move is over; the number of ticks it took. A move the
  // next turn starts asks for its ticks with another value.
  static int ticksToEnd(int limit = 10000) {
    int ticks = 0;
    int move = lastMoveTimerValue();
    while (currentScreen == SCREEN_MOVING && moveTickIsPending() && lastMoveTimerValue() == move &&
           ticks < limit) {
      tick();
      ticks++;
    }
    return ticks;
  }

  int savedSmooth = 0;
  float savedDistance = 0;
  int savedDelay = 0;
  int savedInterval = 0;
};

TEST_F(MoveAnimationTest, SquareBySquareNStepsTakeNPlusOneTicks) {
  startMove({{10, 1}, {11, 1}, {12, 2}, {13, 2}, {14, 1}});
  EXPECT_EQ(lastMoveTimerDelay(), 0u);
  EXPECT_EQ(ticksToEnd(), 5);
  EXPECT_TRUE(standsOn(15, 14, 1));
  EXPECT_EQ(riders[15].movedThisRound, 1);
  EXPECT_EQ(moveEndpoints[2], 14);
  EXPECT_EQ(moveEndpoints[3], 1);
  EXPECT_EQ(activeRider, 14);
}

TEST_F(MoveAnimationTest, EachTickMovesTheFigureOneSquare) {
  startMove({{10, 1}, {11, 1}, {12, 2}});
  tick();
  EXPECT_EQ(lastMoveTimerDelay(), 201u);
  tick();  // along the lane to (11, 1)
  EXPECT_EQ(riders[15].row, 11);
  EXPECT_FLOAT_EQ(riders[15].boardY, 100 + 24 * 11);
  EXPECT_EQ(animOnSegment, 1);  // the lane change comes next
  tick();
  EXPECT_TRUE(standsOn(15, 12, 2));
}

TEST_F(MoveAnimationTest, ASmoothLaneChangeOfFortyUnitsAtTenTakesFourTicks) {
  smoothComputerMovement = 1;
  startMove({{10, 1}, {11, 2}});
  tick();  // completes the start square and sets up the segment
  EXPECT_EQ(animOnSegment, 1);
  EXPECT_FLOAT_EQ(animStep[0], 8);
  EXPECT_FLOAT_EQ(animStep[1], 6);
  EXPECT_EQ(lastMoveTimerDelay(), 1u);
  tick();
  EXPECT_FLOAT_EQ(riders[15].boardX, 132 + 8);
  EXPECT_FLOAT_EQ(riders[15].boardY, 340 + 6);
  EXPECT_NEAR(riders[15].heading, std::acos(0.8), 1e-6);
  EXPECT_EQ(ticksToEnd(), 3);
  EXPECT_TRUE(standsOn(15, 11, 2));
}

TEST_F(MoveAnimationTest, SmoothAlongTheLaneAtTheDistancePerTick) {
  smoothComputerMovement = 1;
  startMove({{10, 1}, {11, 1}});
  // 24 units a row at 10 units a tick: the row is covered in three ticks
  // after the tick that completes the start square, less half a tick.
  EXPECT_EQ(ticksToEnd(), 3);
  EXPECT_TRUE(standsOn(15, 11, 1));
}

TEST_F(MoveAnimationTest, AMoveOfNoStepsParksTheRider) {
  lineRows[0] = 10;
  enterRider(3, 9, 1);  // would follow if drafting were offered
  breakawayDeclared = 0;
  startMove({{10, 1}});
  EXPECT_EQ(ticksToEnd(), 1);
  EXPECT_EQ(riders[15].parked, 1);
  EXPECT_EQ(riders[15].movedThisRound, 1);
  EXPECT_EQ(trackOccupant[10][1], -1);
  EXPECT_EQ(raceResults[0], -1);
  EXPECT_EQ(riders[3].movedThisRound, 0);
  EXPECT_EQ(activeRider, 3);  // the next turn, not a follow
}

TEST_F(MoveAnimationTest, WithoutABreakawayTheRiderBehindMayFollow) {
  breakawayDeclared = 0;
  enterRider(3, 9, 1);
  startMove({{10, 1}, {11, 1}, {12, 1}, {13, 1}, {14, 1}, {15, 1}, {16, 1}, {17, 1}, {18, 1}, {19, 1}});
  ticksToEnd();
  EXPECT_TRUE(standsOn(3, 18, 1));
  EXPECT_EQ(activeRider, 14);
}

TEST_F(MoveAnimationTest, WithABreakawayNobodyFollows) {
  enterRider(3, 9, 1);
  startMove({{10, 1}, {11, 1}, {12, 1}, {13, 1}, {14, 1}, {15, 1}, {16, 1}, {17, 1}, {18, 1}, {19, 1}});
  ticksToEnd();
  EXPECT_EQ(riders[3].row, 9);
  EXPECT_EQ(activeRider, 3);
}

TEST_F(MoveAnimationTest, TheEndOfTheMoveScoresTheLinesCrossed) {
  lineRows[0] = 11;
  startMove({{10, 1}, {11, 1}, {12, 1}});
  ticksToEnd();
  EXPECT_EQ(raceResults[0], 15);
  EXPECT_EQ(riderScore[15], 10);
}

TEST_F(MoveAnimationTest, AnOverlayPausesTheMoveAndItsReturnLeavesOneChain) {
  lineRows[0] = 11;
  startMove({{10, 1}, {11, 1}, {12, 1}, {13, 1}});
  tick();
  EXPECT_EQ(moveTimerRequests(), 2);
  // The scorecard opens and closes twice before the pending tick arrives.
  for (int i = 0; i < 2; i++) {
    previousScreen = currentScreen;
    currentScreen = SCREEN_SCORECARD;
    currentScreen = previousScreen;
    restartMoveTimer();
  }
  EXPECT_EQ(moveTimerRequests(), 2);
  // It opens again and the tick arrives meanwhile: the figure stays and no
  // tick is asked for.
  float x = riders[15].boardX, y = riders[15].boardY;
  int row = riders[15].row;
  currentScreen = SCREEN_SCORECARD;
  tick();
  EXPECT_EQ(moveTimerRequests(), 2);
  EXPECT_FALSE(moveTickIsPending());
  EXPECT_EQ(riders[15].row, row);
  EXPECT_EQ(riders[15].boardX, x);
  EXPECT_EQ(riders[15].boardY, y);
  restartMoveTimer();  // still on the overlay: nothing
  EXPECT_EQ(moveTimerRequests(), 2);
  currentScreen = SCREEN_MOVING;
  restartMoveTimer();
  EXPECT_EQ(moveTimerRequests(), 3);
  restartMoveTimer();
  EXPECT_EQ(moveTimerRequests(), 3);
  // A tick delivered twice (a second chain) would do nothing the second time.
  int value = lastMoveTimerValue();
  onComputerMoveTimer(value);
  int requests = moveTimerRequests();
  onComputerMoveTimer(value - 1);
  EXPECT_EQ(moveTimerRequests(), requests);
  ticksToEnd();
  EXPECT_TRUE(standsOn(15, 13, 1));
  EXPECT_EQ(raceResults[0], 15);
  EXPECT_EQ(raceResults[1], -1);
  EXPECT_EQ(riderScore[15], 10);
}

TEST_F(MoveAnimationTest, ATickOfAnAbandonedRaceDoesNothing) {
  startMove({{10, 1}, {11, 1}});
  int oldTick = lastMoveTimerValue();
  currentScreen = SCREEN_MAIN_MENU;  // the race is given up
  enterRider(14, 20, 3);
  riders[14].humanControlled = 0;
  riders[15].finished = 1;
  trackOccupant[10][1] = -1;
  startMove({{20, 3}, {21, 3}});
  int requests = moveTimerRequests();
  onComputerMoveTimer(oldTick);
  EXPECT_EQ(moveTimerRequests(), requests);
  EXPECT_EQ(pathPointIndex, 0);
  EXPECT_TRUE(moveTickIsPending());
  EXPECT_EQ(ticksToEnd(), 2);
  EXPECT_TRUE(standsOn(15, 21, 3));
}

TEST_F(MoveAnimationTest, ASmoothDistanceOfZeroOrNearlyZeroStillEnds) {
  smoothComputerMovement = 1;
  for (float distance : {0.0f, 0.001f}) {
    smoothMoveDistance = distance;
    riders[15].finished = 0;
    trackOccupant[14][3] = -1;
    startMove({{10, 1}, {11, 1}, {12, 2}, {13, 3}, {14, 3}});
    // At least one board unit a tick: 24 units a row, 40 a lane change.
    int ticks = ticksToEnd(100000);
    EXPECT_LE(ticks, 1 + 24 + 40 + 40 + 24) << distance;
    EXPECT_TRUE(standsOn(15, 14, 3)) << distance;
  }
}

TEST_F(MoveAnimationTest, AnIntervalOfZeroStillWaitsOneMillisecond) {
  stepMoveIntervalMs = 0;
  startMove({{10, 1}, {11, 1}, {12, 1}, {13, 1}});
  tick();
  EXPECT_EQ(lastMoveTimerDelay(), 1u);
  smoothComputerMovement = 1;
  smoothMoveDelayMs = 30;
  tick();
  EXPECT_EQ(lastMoveTimerDelay(), 31u);
}

TEST_F(MoveAnimationTest, TheFirstTickNeedsNothingFromTheDisplay) {
  // Whatever an earlier move or frame left in the animation state.
  animRowStep = -3;
  animOnSegment = 1;
  animStep[0] = animStep[1] = 1e9f;
  startMove({{10, 1}, {11, 2}, {12, 2}});
  EXPECT_EQ(animOnSegment, 0);
  EXPECT_EQ(ticksToEnd(), 3);
  EXPECT_TRUE(standsOn(15, 12, 2));
}

TEST_F(MoveAnimationTest, OffTheDrawnRoadTheMoveGoesOnARowATick) {
  trackQuadCount = 0;
  smoothComputerMovement = 1;
  startMove({{10, 1}, {11, 1}, {12, 1}});
  EXPECT_EQ(ticksToEnd(), 3);
  EXPECT_TRUE(standsOn(15, 12, 1));
}

TEST_F(MoveAnimationTest, UndoTakesBackExactlyTheLastStep) {
  enterRider(15, 12, 2);
  activeRider = 15;
  trackOccupant[12][2] = -1;
  const float points[3][2] = {{10, 1}, {11, 1}, {12, 2}};
  for (int i = 0; i < 3; i++) {
    pathPoints[i][0] = points[i][0];
    pathPoints[i][1] = points[i][1];
  }
  pathLength = 5;
  pathPointIndex = 2;
  undoMoveStep();
  EXPECT_EQ(pathPointIndex, 1);
  EXPECT_EQ(squareOf(15), std::make_pair(11, 1));
  EXPECT_FLOAT_EQ(riders[15].boardX, 132);
  EXPECT_FLOAT_EQ(riders[15].boardY, 100 + 24 * 11);
  EXPECT_EQ(trackOccupant[11][1], -1);
  undoMoveStep();
  EXPECT_EQ(pathPointIndex, 0);
  EXPECT_EQ(riders[15].row, 10);
  undoMoveStep();
  EXPECT_EQ(pathPointIndex, 0);
  EXPECT_EQ(riders[15].row, 10);
}

TEST_F(MoveAnimationTest, APathLongerThanThePathPointsIsCut) {
  startMove({{10, 1}});
  pathLength = 70;
  startMoveAnimation();
  EXPECT_EQ(pathLength, MAX_PATH_POINTS - 1);
}

}  // namespace
