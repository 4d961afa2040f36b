#include <gtest/gtest.h>

#include "model/board_sections.h"
#include "model/hooks.h"
#include "model/screens.h"
#include "model/track.h"
#include "rules/computer_turn.h"
#include "rules/event_deck.h"
#include "rules/move_animation.h"
#include "rules/race_state.h"
#include "support/test_track.h"

namespace {

// A straight road of lanes 0..3, rows 0..150, the finish on row 140, no
// sprint yet and the last climb out of reach. One computer rider (or a few)
// on it; round 2.
class ComputerTurnTest : public ::testing::Test {
 protected:
  void SetUp() override {
    clearTestTrack(151);
    layRoad(0, 150, 0, 3);
    fillTestReach();
    lineRows[3] = 140;
    climbEndRow = 500;
  }
  void TearDown() override {
    stopScriptedRandom();
    moveTimerHook = nullptr;
  }
  // The rider's turn with the dice scripted to first + second.
  static void playTurn(int rider, int first = 1, int second = 1) {
    beginTurnOf(rider);
    scriptRandom({diceDraw(first, second)});
    int who = rider, total = 0, bestRow = -1, bestLane = -1;
    MovePath path;
    playComputerTurn(&who, &total, &bestRow, &bestLane, path);
  }
  // A sprint so that the smallest value crossing it from row is v.
  static void sprintWithin(int row, int v) { lineRows[0] = row + v - 1; }
};

TEST_F(ComputerTurnTest, NoCardInTheFirstRoundAndASevenIsPlayedAsAMove) {
  roundNumber = 1;
  eventCardsOn = 1;
  putRider(0, 20, 1);
  sprintWithin(20, 8);
  unsigned char deckPosition = eventCardIndex;
  playTurn(0, 3, 4);
  EXPECT_EQ(cardsPlayed(), std::make_pair(CARD_DIE, CARD_DIE));
  EXPECT_EQ(movementTotal, 7);
  EXPECT_EQ(currentScreen, SCREEN_MOVING);
  EXPECT_EQ(eventCardIndex, deckPosition);
  EXPECT_EQ(moveTimerRequests(), 1);
}

TEST_F(ComputerTurnTest, AThrownSevenDrawsAnEventCardAfterTheFirstRound) {
  eventCardsOn = 1;
  putRider(0, 20, 1);
  unsigned char deckPosition = eventCardIndex;
  playTurn(0, 3, 4);
  EXPECT_EQ(currentScreen, SCREEN_EVENT_CARD);
  EXPECT_EQ(eventCardIndex, (deckPosition + 1) % EVENT_CARD_COUNT);
  EXPECT_EQ(moveTimerRequests(), 0);
}

TEST_F(ComputerTurnTest, OnCobblesOnlyOneCardTheBlueOne) {
  layRoad(0, 150, 0, 3, 0, TERRAIN_COBBLES);
  putRider(1, 30, 2);  // member 1: own cards slot 4 (6) and slot 5 (5)
  sprintWithin(30, 8);
  playTurn(1, 2, 2);
  EXPECT_EQ(cardsPlayed(), std::make_pair(4, CARD_DIE));
  EXPECT_EQ(cardUsed[0][4], 1);
  EXPECT_EQ(cardUsed[0][5], 0);
  EXPECT_EQ(movementValues[0], 6);
  EXPECT_EQ(movementTotal, 8);
}

TEST_F(ComputerTurnTest, OnAClimbTwoWhiteCardsForEightAndOneForFive) {
  layRoad(0, 150, 0, 3, 0, TERRAIN_CLIMB);
  putRider(0, 30, 2);  // member 0: own whites in slots 2 and 3
  sprintWithin(30, 8);
  playTurn(0);
  EXPECT_EQ(cardsPlayed(), std::make_pair(2, 3));
  EXPECT_EQ(movementTotal, 10);

  SetUp();
  layRoad(0, 150, 0, 3, 0, TERRAIN_CLIMB);
  putRider(0, 30, 2);
  sprintWithin(30, 5);
  playTurn(0);
  EXPECT_EQ(cardsPlayed(), std::make_pair(2, CARD_DIE));
}

TEST_F(ComputerTurnTest, OnAClimbATeamWhiteWhenTheOwnWhitesAreGone) {
  layRoad(0, 150, 0, 3, 0, TERRAIN_CLIMB);
  putRider(2, 30, 2);  // member 2 holds only blue cards
  sprintWithin(30, 8);
  playTurn(2);
  EXPECT_EQ(cardsPlayed(), std::make_pair(12, 13));
  EXPECT_EQ(cardUsed[0][6], 0);
}

TEST_F(ComputerTurnTest, ASecondCardOnlyWhenTheFirstPlusOneFallsShort) {
  putRider(0, 30, 2);
  sprintWithin(30, 7);
  playTurn(0);
  EXPECT_EQ(cardsPlayed(), std::make_pair(0, CARD_DIE));  // 6 + 1 is not below 7

  SetUp();
  putRider(0, 30, 2);
  sprintWithin(30, 8);
  playTurn(0);
  EXPECT_EQ(cardsPlayed(), std::make_pair(0, 1));
  EXPECT_EQ(movementTotal, 12);
}

TEST_F(ComputerTurnTest, BlueCardsOfTheTeamAfterTheOwnAndWhitesLast) {
  putRider(3, 30, 2);  // member 3 holds two whites
  sprintWithin(30, 10);
  playTurn(3);
  EXPECT_EQ(cardsPlayed(), std::make_pair(10, 11));
  SetUp();
  putRider(3, 30, 2);
  cardUsed[0][10] = cardUsed[0][11] = 1;
  sprintWithin(30, 10);
  playTurn(3);
  EXPECT_EQ(cardsPlayed(), std::make_pair(8, 9));
}

TEST_F(ComputerTurnTest, NoCardForALineWhosePlacesAreTaken) {
  putRider(0, 30, 2);
  sprintWithin(30, 8);
  raceResults[8] = 5;  // with one sprint, the places read are those of the third sprint
  playTurn(0);
  EXPECT_EQ(chosenCards[0], CARD_DIE);
}

TEST_F(ComputerTurnTest, WithNoLineInReachNoCard) {
  putRider(0, 30, 2);
  playTurn(0);
  EXPECT_EQ(cardsPlayed(), std::make_pair(CARD_DIE, CARD_DIE));
}

TEST_F(ComputerTurnTest, TheFinishWithinTwoTurnsMeansTwelve) {
  lineRows[3] = 90;
  putRider(0, 75, 2);  // 12 steps reach row 87, seven more pass row 90
  playTurn(0);
  EXPECT_EQ(cardsPlayed(), std::make_pair(0, 1));
}

TEST_F(ComputerTurnTest, PastTheLastClimbWithFiveToTen) {
  climbEndRow = 37;
  putRider(0, 30, 2);  // 8 steps reach row 38
  playTurn(0);
  EXPECT_EQ(cardsPlayed(), std::make_pair(0, 1));  // 6 + 1 below 8
}

// Riders queued behind the card player in his lane, unmoved this round.
class BreakawayTest : public ComputerTurnTest {
 protected:
  void queueBehind(std::initializer_list<int> queue) {
    int row = 29;
    for (int rider : queue) putRider(rider, row--, 2);
  }
};

TEST_F(BreakawayTest, OneTeamMateAmongThreeKeepsTheDoorOpen) {
  putRider(0, 30, 2);
  sprintWithin(30, 8);
  queueBehind({4, 1, 8});
  playTurn(0);
  ASSERT_NE(chosenCards[0], CARD_DIE);
  EXPECT_EQ(breakawayDeclared, 0);
}

TEST_F(BreakawayTest, OneTeamMateAmongFiveIsABreakaway) {
  putRider(0, 30, 2);
  sprintWithin(30, 8);
  queueBehind({4, 5, 1, 8, 12});
  playTurn(0);
  EXPECT_EQ(breakawayDeclared, 1);
}

TEST_F(BreakawayTest, AQuarterIsEnough) {
  putRider(0, 30, 2);
  sprintWithin(30, 8);
  queueBehind({4, 5, 1, 8});
  playTurn(0);
  EXPECT_EQ(breakawayDeclared, 0);
}

TEST_F(BreakawayTest, TheQueueEndsAtAMovedRiderAGapOrOtherTerrain) {
  putRider(0, 30, 2);
  sprintWithin(30, 8);
  queueBehind({4, 5, 6});
  putRider(1, 26, 2);  // a team-mate behind the moved rider 6
  riders[6].movedThisRound = 1;
  playTurn(0);
  EXPECT_EQ(breakawayDeclared, 1);

  SetUp();
  putRider(0, 30, 2);
  sprintWithin(30, 8);
  queueBehind({4, 5});
  putRider(1, 26, 2);  // row 27 is empty
  playTurn(0);
  EXPECT_EQ(breakawayDeclared, 1);

  SetUp();
  putRider(0, 30, 2);
  sprintWithin(30, 8);
  setSquare(28, 2, SQUARE_PASS_THROUGH);
  queueBehind({4});
  putRider(1, 27, 2);  // behind a pass-through square: still queued
  playTurn(0);
  EXPECT_EQ(breakawayDeclared, 0);

  SetUp();
  putRider(0, 30, 2);
  sprintWithin(30, 8);
  layRoad(0, 28, 2, 2, 0, TERRAIN_COBBLES);
  queueBehind({4, 1});  // the team-mate stands on cobbles
  playTurn(0);
  EXPECT_EQ(breakawayDeclared, 1);
}

TEST_F(BreakawayTest, NoCardNoBreakaway) {
  putRider(0, 30, 2);
  queueBehind({4, 5, 6});
  playTurn(0);
  EXPECT_EQ(breakawayDeclared, 0);
}

TEST_F(ComputerTurnTest, ThePathPointsFollowASlideOverAPassThroughSquare) {
  clearTestTrack(30);
  setSquare(10, 2, 0);
  setSquare(11, 2, 0);
  setSquare(12, 3, SQUARE_PASS_THROUGH);
  setSquare(13, 3, 0);
  setSquare(14, 3, 0);
  fillTestReach();
  lineRows[3] = 25;
  climbEndRow = 500;
  roundNumber = 1;
  putRider(0, 10, 2);
  playTurn(0, 2, 1);
  ASSERT_EQ(pathLength, 3);
  const int points[4][2] = {{10, 2}, {11, 2}, {13, 3}, {14, 3}};  // the slide's square left out
  for (int p = 0; p < 4; p++)
    for (int c = 0; c < 2; c++) EXPECT_EQ(pathPoints[p][c], points[p][c]) << "point " << p;
  EXPECT_EQ(currentScreen, SCREEN_MOVING);
}

TEST_F(ComputerTurnTest, ABudgetBelowOneWaitsOnTheNoMovePanel) {
  setSquare(30, 2, -6, TERRAIN_CLIMB);
  putRider(0, 30, 2);
  roundNumber = 1;
  playTurn(0, 1, 2);
  EXPECT_EQ(currentScreen, SCREEN_NO_MOVE);
  EXPECT_EQ(pathPoints[0][0], 30);
  EXPECT_EQ(moveTimerRequests(), 0);
}

TEST_F(ComputerTurnTest, SearchFromTheRidersOwnCellsLeavesTheEndSquareInThem) {
  putRider(0, 30, 2);
  beginTurnOf(0);
  int total = 4;
  MovePath path;
  startComputerMove(&total, &riders[0].row, &riders[0].lane, path);
  EXPECT_EQ(total, 4);
  ASSERT_GT(pathLength, 0);
  EXPECT_EQ(pathPoints[0][0], 30);
  EXPECT_EQ(squareOf(0),
            std::make_pair(static_cast<int>(pathPoints[pathLength][0]), static_cast<int>(pathPoints[pathLength][1])));
  EXPECT_EQ(riders[0].row, 34);
}

TEST_F(ComputerTurnTest, TheSquareValueAddsToTheBudget) {
  setSquare(30, 2, 2, TERRAIN_DESCENT);
  putRider(0, 30, 2);
  beginTurnOf(0);
  int total = 3, row = -1, lane = -1;
  MovePath path;
  startComputerMove(&total, &row, &lane, path);
  EXPECT_EQ(total, 5);
  EXPECT_EQ(pathLength, 5);
  EXPECT_EQ(row, 35);
}

TEST_F(ComputerTurnTest, OnACurveTheAnimationAimsAtTheDrawnCentreOfTheSquare) {
  setSquare(11, 1, SQUARE_PASS_THROUGH);
  trackArcs[0] = BoardArc(8, 12, 0, 3, 500, 500, 100, 140, 100, 140, 0, 1, 0);
  trackArcCount = 1;
  putRider(0, 10, 1);
  beginTurnOf(0);
  int total = 0, row = -1, lane = -1;
  MovePath path;
  startComputerMove(&total, &row, &lane, path);
  // Real squares of lane 1 on the curve: rows 8, 9, 10, 12; row 10 is the
  // third of four, drawn at 8 + 5/8 of the curve's 4 rows.
  EXPECT_FLOAT_EQ(animRowTarget, 10.5f);
  EXPECT_EQ(currentScreen, SCREEN_NO_MOVE);
}

TEST_F(ComputerTurnTest, ARiderWithATurnToSitOutMakesNoMove) {
  for (Rider& r : riders) r.finished = 1;
  riders[0] = Rider();
  riders[5] = Rider();
  riders[5].humanControlled = 1;
  putRider(0, 30, 2);
  putRider(5, 20, 2);
  beginTurnOf(0);
  riders[0].skipTurns = 1;
  int total = 7, row = -1, lane = -1;
  MovePath path;
  startComputerMove(&total, &row, &lane, path);
  EXPECT_EQ(riders[0].skipTurns, 0);
  EXPECT_EQ(riders[0].movedThisRound, 1);
  EXPECT_EQ(trackOccupant[30][2], 0);
  EXPECT_EQ(activeRider, 5);
  EXPECT_EQ(moveTimerRequests(), 0);
}

}  // namespace
