#include <gtest/gtest.h>

#include "model/board_sections.h"
#include "model/hooks.h"
#include "model/screens.h"
#include "model/track.h"
#include "rules/move_animation.h"
#include "rules/race_state.h"
#include "rules/turn_sequence.h"
#include "support/test_track.h"

namespace {

// A straight flat road of lanes 0..4, rows 0..80, the finish on row 50.
// Riders are played by persons, so a turn stops on the card screen; every
// rider not put on the road has finished.
class TurnSequenceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    clearRoad(81);
    layRoad(0, 80, 0, 4);
    fillTestReach();
    lineRows[3] = 50;
  }
  void TearDown() override { moveTimerHook = nullptr; }

  // A track of that many rows without squares; every rider a person who
  // has finished.
  static void clearRoad(int rows) {
    clearTestTrack(rows);
    for (Rider& r : riders) r.humanControlled = r.finished = r.movedThisRound = 1;
  }
  // A rider still in the race who has moved this round.
  static void enterMoved(int rider, int row, int lane) {
    enterRider(rider, row, lane);
    riders[rider].movedThisRound = 1;
  }
  // A rider parked off his square for the rest of the round.
  static void park(int rider, int row, int lane) {
    enterMoved(rider, row, lane);
    trackOccupant[row][lane] = -1;
    riders[rider].parked = 1;
  }

  // The active rider ends his move where he stands.
  static void endMoveInPlace() {
    const Rider& r = riders[activeRider];
    trackOccupant[r.row][r.lane] = activeRider;
    riders[activeRider].movedThisRound = 1;
  }
  // The order in which the riders get their turns until nobody is left or
  // count turns were given.
  static std::vector<int> turnOrder(int count) {
    std::vector<int> order;
    nextTurn();
    while (activeRider != -1 && static_cast<int>(order.size()) < count) {
      order.push_back(activeRider);
      endMoveInPlace();
      nextTurn();
    }
    return order;
  }
};

TEST_F(TurnSequenceTest, FrontMostPlaysFirstAndTheHigherLaneBreaksTies) {
  enterRider(0, 10, 1);
  enterRider(1, 10, 3);
  enterRider(2, 12, 0);
  enterRider(3, 5, 4);
  EXPECT_EQ(turnOrder(5), (std::vector<int>{2, 1, 0, 3, 2}));
  // The round ended after the fourth move and began again from the front.
  EXPECT_EQ(roundNumber, 3);
  EXPECT_EQ(currentScreen, SCREEN_PLAY_CARDS);
}

TEST_F(TurnSequenceTest, ATurnLiftsTheRiderAndRecordsHisStart) {
  enterRider(4, 30, 2);
  enterRider(5, 20, 2);
  breakawayDeclared = 1;
  chosenCards[0] = 3;
  pathLength = 7;
  bestMoveRiderValues[3] = 12;
  eventCardBonusValue = 6;
  extraDie = 4;
  nextTurn();
  EXPECT_EQ(activeRider, 4);
  EXPECT_EQ(shownTeam, 1);
  EXPECT_EQ(trackOccupant[30][2], -1);
  EXPECT_EQ(trackOccupant[20][2], 5);
  EXPECT_EQ(moveEndpoints[0], 30);
  EXPECT_EQ(moveEndpoints[1], 2);
  EXPECT_EQ(animRow, 30);
  EXPECT_EQ(animLane, 2);
  EXPECT_EQ(breakawayDeclared, 0);
  EXPECT_EQ(chosenCards[0], CARD_DIE);
  EXPECT_EQ(pathLength, -1);
  EXPECT_EQ(bestMoveRiderValues[3], -1);
  // An event card's extra card is cleared; the extra die then waits a turn.
  EXPECT_EQ(eventCardBonusValue, 0);
  EXPECT_EQ(extraDie, 4);
}

TEST_F(TurnSequenceTest, AFinisherTakesTheRidersQueuedBehindHimBeyondTheLine) {
  setSquare(56, 2, SQUARE_PASS_THROUGH);
  enterMoved(0, 58, 2);  // has just moved here
  enterMoved(1, 57, 2);
  enterMoved(2, 55, 2);  // behind the pass-through square
  enterMoved(3, 53, 2);  // row 54 is empty: he stays
  enterMoved(4, 57, 3);  // beyond the line in another lane: stays
  enterRider(5, 20, 0);
  activeRider = 0;
  nextTurn();
  for (int r = 0; r < 5; r++) EXPECT_EQ(riders[r].finished, r < 3 ? 1 : 0) << r;
  for (int row : {58, 57, 55}) EXPECT_EQ(trackOccupant[row][2], -1) << row;
  EXPECT_EQ(trackOccupant[53][2], 3);
  EXPECT_EQ(activeRider, 5);
}

TEST_F(TurnSequenceTest, TheLastFinisherEndsTheRaceWithoutAnotherTurn) {
  enterMoved(7, 60, 1);
  activeRider = 7;
  nextTurn();
  EXPECT_EQ(riders[7].finished, 1);
  EXPECT_EQ(activeRider, -1);
  EXPECT_EQ(currentScreen, SCREEN_DOPING_CONTROL);
}

TEST_F(TurnSequenceTest, RoundEndsFollowAtOnceWhileEveryoneSitsOut) {
  enterRider(0, 10, 0);
  enterRider(1, 12, 1);
  riders[0].skipTurns = 2;
  riders[1].skipTurns = 1;
  roundNumber = 4;
  nextTurn();
  EXPECT_EQ(roundNumber, 6);
  EXPECT_EQ(activeRider, 1);
  EXPECT_EQ(riders[1].skipTurns, 0);
  EXPECT_EQ(riders[0].skipTurns, 0);
  EXPECT_EQ(riders[0].movedThisRound, 1);  // still sits this round out
  endMoveInPlace();
  nextTurn();
  EXPECT_EQ(roundNumber, 7);
  EXPECT_EQ(activeRider, 1);
  endMoveInPlace();
  nextTurn();
  EXPECT_EQ(activeRider, 0);
}

TEST_F(TurnSequenceTest, OneRoundEndWhenSomeoneMayStillMove) {
  enterRider(0, 10, 0);
  enterRider(1, 12, 1);
  riders[0].movedThisRound = 1;
  riders[1].skipTurns = 1;
  roundNumber = 4;
  nextTurn();
  EXPECT_EQ(roundNumber, 5);
  EXPECT_EQ(activeRider, 0);
}

TEST_F(TurnSequenceTest, AChosenRiderWithATurnToSitOutSitsItOut) {
  enterRider(0, 30, 0);
  enterRider(1, 20, 0);
  riders[0].skipTurns = 1;  // brought down in a crash this round
  nextTurn();
  EXPECT_EQ(activeRider, 1);
  EXPECT_EQ(riders[0].skipTurns, 0);
  EXPECT_EQ(riders[0].movedThisRound, 1);
  EXPECT_EQ(trackOccupant[30][0], 0);
  EXPECT_EQ(roundNumber, 2);
  endMoveInPlace();
  nextTurn();
  EXPECT_EQ(roundNumber, 3);
  EXPECT_EQ(activeRider, 0);
}

TEST_F(TurnSequenceTest, ParkedRiderGoesToTheHighestFreeLaneBelowInHisRow) {
  park(0, 20, 3);
  enterMoved(1, 20, 3);
  enterMoved(2, 20, 2);
  nextTurn();
  EXPECT_EQ(riders[0].parked, 0);
  EXPECT_EQ(squareOf(0), std::make_pair(20, 1));
  EXPECT_EQ(trackOccupant[20][1], 0);
  EXPECT_EQ(roundNumber, 3);
  EXPECT_EQ(activeRider, 1);
}

TEST_F(TurnSequenceTest, ParkedRiderGoesToTheRowBehindWhenHisRowIsTaken) {
  park(0, 20, 3);
  for (int lane = 0; lane <= 3; lane++) enterMoved(1 + lane, 20, lane);
  // A rider on a later lap's copy of (19, 4) blocks it as well.
  enterMoved(5, 19 + 109, 4 + 3);
  setSquare(19 + 109, 4 + 3, 0);
  trackRowCount = 200;
  lineRows[3] = 150;
  nextTurn();
  EXPECT_EQ(squareOf(0), std::make_pair(19, 3));
}

TEST_F(TurnSequenceTest, TheFrontMostParkedRiderIsPutBackFirst) {
  park(0, 20, 4);
  park(1, 21, 1);
  enterMoved(2, 21, 1);  // takes rider 1's square
  enterMoved(3, 21, 0);
  nextTurn();
  // Rider 1 finds his row full below lane 1 and takes row 20, lane 4, the
  // square rider 0 left; rider 0 then takes the next lane down.
  EXPECT_EQ(squareOf(1), std::make_pair(20, 4));
  EXPECT_EQ(squareOf(0), std::make_pair(20, 3));
}

TEST_F(TurnSequenceTest, ARiderLeftBeyondTheLineFinishesWhenNobodyElseCanPlay) {
  // Carried over the line by drafting in another lane than the finisher.
  enterMoved(3, 55, 4);
  nextTurn();
  EXPECT_EQ(riders[3].finished, 1);
  EXPECT_EQ(trackOccupant[55][4], -1);
  EXPECT_EQ(currentScreen, SCREEN_DOPING_CONTROL);
}

TEST_F(TurnSequenceTest, ParkedRiderBlockedByRidersLeftBeyondTheLineGetsBackOnce_TheyFinish) {
  // Lane 0 behind the parked rider, and its copies one lap on (3 lanes
  // across) beyond the finish, where riders were left standing.
  clearRoad(200);
  layRoad(0, 5, 0, 0);
  layRoad(100, 120, 3, 3);
  lineRows[3] = 100;
  park(0, 5, 0);
  for (int r = 0; r <= 5; r++) enterMoved(1 + r, r + 109, 3);
  nextTurn();
  for (int r = 1; r <= 6; r++) EXPECT_EQ(riders[r].finished, 1) << r;
  EXPECT_EQ(riders[0].parked, 0);
  EXPECT_EQ(activeRider, 0);
  EXPECT_EQ(riders[0].row, 5);
}

TEST_F(TurnSequenceTest, ARiderWhoCanNeverBePutBackLeavesTheRaceAndTheRaceEnds) {
  // Nothing but pass-through squares at and behind the parked rider.
  clearRoad(81);
  layRoad(0, 2, 0, 0, SQUARE_PASS_THROUGH);
  layRoad(3, 80, 0, 0);
  lineRows[3] = 50;
  park(0, 2, 0);
  int roundBefore = roundNumber;
  nextTurn();
  EXPECT_EQ(riders[0].finished, 1);
  EXPECT_EQ(currentScreen, SCREEN_DOPING_CONTROL);
  EXPECT_LE(roundNumber, roundBefore + 2);
  for (int p = 0; p < RESULT_PLACES; p++) EXPECT_EQ(raceResults[p], -1);
}

TEST_F(TurnSequenceTest, AParkedRiderWithoutASquareIsNotGivenATurn) {
  layRoad(0, 2, 4, 4, SQUARE_PASS_THROUGH);
  // No real square at or behind him in lane 4; lanes 0..3 of rows 0..2 are taken.
  park(0, 2, 4);
  for (int r = 0; r <= 2; r++)
    for (int lane = 0; lane <= 3; lane++) enterMoved(1 + r * 4 + lane, r, lane);
  nextTurn();
  EXPECT_EQ(riders[0].parked, 1);
  EXPECT_EQ(riders[0].movedThisRound, 1);
  EXPECT_NE(activeRider, 0);
  EXPECT_NE(activeRider, -1);
}

TEST_F(TurnSequenceTest, LapCountsOnlyMarksBehindTheRider) {
  lapLineRows[0] = 5;
  lapLineRows[1] = 114;
  enterRider(0, 5, 0);
  updateRiderLap(0);
  EXPECT_EQ(riderLap[0], 0);
  riders[0].row = 6;
  updateRiderLap(0);
  EXPECT_EQ(riderLap[0], 1);
  riders[0].row = 115;
  updateRiderLap(0);
  EXPECT_EQ(riderLap[0], 2);
  updateRiderLap(-1);  // no rider: nothing
  updateRiderLap(RIDER_COUNT);
}

TEST_F(TurnSequenceTest, AComputerRiderPlaysHisTurnAtOnce) {
  enterRider(9, 10, 2);
  riders[9].humanControlled = 0;
  roundNumber = 1;  // no cards in the first round
  int before = moveTimerRequests();
  scriptRandom({diceDraw(2, 3)});
  nextTurn();
  stopScriptedRandom();
  EXPECT_EQ(activeRider, 9);
  EXPECT_EQ(currentScreen, SCREEN_MOVING);
  EXPECT_EQ(movementTotal, 5);
  EXPECT_EQ(pathLength, 5);
  EXPECT_EQ(moveTimerRequests(), before + 1);
}

}  // namespace
