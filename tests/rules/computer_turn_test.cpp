#include <gtest/gtest.h>

#include <utility>
#include <vector>

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
  // The rider's move begun on a movement total, the end square written to
  // row and lane when given; the total it leaves.
  static int startMove(int rider, int total, int* row = nullptr, int* lane = nullptr) {
    beginTurnOf(rider);
    int endRow = -1, endLane = -1;
    MovePath path;
    startComputerMove(&total, row ? row : &endRow, lane ? lane : &endLane, path);
    return total;
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

// The cards the computer plays from (30, 2) with a sprint v steps on (0:
// none in reach) and the dice at 2 + 2: those cards leave the hand, no other.
TEST_F(ComputerTurnTest, CardsPlayedForWhatLiesInReach) {
  struct Case {
    const char* what;
    int terrain, rider, sprint;
    void (*more)();
    std::pair<int, int> cards;
    int total;  // 0: not checked
  };
  const int DIE = CARD_DIE;
  const Case cases[] = {
      // Member 1 holds slot 4 (6) and slot 5 (5), member 0 his whites in
      // slots 2 and 3, member 2 only blue cards, member 3 two whites.
      {"cobbles: only one card, the blue one", TERRAIN_COBBLES, 1, 8, nullptr, {4, DIE}, 8},
      {"climb: two white cards for eight", TERRAIN_CLIMB, 0, 8, nullptr, {2, 3}, 10},
      {"climb: one white card for five", TERRAIN_CLIMB, 0, 5, nullptr, {2, DIE}, 0},
      {"climb: team whites when the own are gone", TERRAIN_CLIMB, 2, 8, nullptr, {12, 13}, 0},
      {"6 + 1 is not below 7: one card", TERRAIN_FLAT, 0, 7, nullptr, {0, DIE}, 0},
      {"6 + 1 falls short of 8: a second card", TERRAIN_FLAT, 0, 8, nullptr, {0, 1}, 12},
      {"the team's blue cards after the own", TERRAIN_FLAT, 3, 10, nullptr, {10, 11}, 0},
      {"whites last", TERRAIN_FLAT, 3, 10, [] { cardUsed[0][10] = cardUsed[0][11] = 1; }, {8, 9}, 0},
      // With one sprint, the places read are those of the third sprint.
      {"no card for a line whose places are taken", TERRAIN_FLAT, 0, 8, [] { raceResults[8] = 5; }, {DIE, DIE}, 0},
      {"no line in reach, no card", TERRAIN_FLAT, 0, 0, nullptr, {DIE, DIE}, 0},
      // 12 steps reach row 42, seven more pass the finish.
      {"the finish within two turns means twelve", TERRAIN_FLAT, 0, 0, [] { lineRows[3] = 45; }, {0, 1}, 0},
      // 8 steps reach row 38: 6 + 1 is below 8.
      {"past the last climb with five to ten", TERRAIN_FLAT, 0, 0, [] { climbEndRow = 37; }, {0, 1}, 0},
  };
  auto usedCards = [] {
    int used = 0;
    for (int s = 0; s < CARD_SLOTS; s++) used += cardUsed[0][s] == 1;
    return used;
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetUp();
    layRoad(0, 150, 0, 3, 0, c.terrain);
    putRider(c.rider, 30, 2);
    if (c.sprint > 0) sprintWithin(30, c.sprint);
    if (c.more) c.more();
    const int usedBefore = usedCards();
    playTurn(c.rider, 2, 2);
    EXPECT_EQ(cardsPlayed(), c.cards);
    for (int card : {c.cards.first, c.cards.second}) EXPECT_TRUE(card == DIE || cardUsed[0][card] == 1) << card;
    EXPECT_EQ(usedCards(), usedBefore + (c.cards.first != DIE) + (c.cards.second != DIE));
    EXPECT_TRUE(c.total == 0 || movementTotal == c.total) << movementTotal;
  }
}

// Riders queued behind the card player in his lane, unmoved this round.
class BreakawayTest : public ComputerTurnTest {
 protected:
  void queueBehind(const std::vector<int>& queue) {
    int row = 29;
    for (int rider : queue) putRider(rider, row--, 2);
  }
};

// The card player at (30, 2), a sprint 8 steps on unless he plays no card:
// a breakaway when fewer than a quarter of the riders queued behind him
// are his team-mates. The queue ends at a moved rider, a gap or other
// terrain, not at a pass-through square.
TEST_F(BreakawayTest, DeclaredWhenTheQueueHoldsTooFewTeamMates) {
  struct Case {
    const char* what;
    std::vector<int> queue;
    void (*more)();
    bool card;
    int breakaway;
  };
  const Case cases[] = {
      {"one team-mate among three", {4, 1, 8}, nullptr, true, 0},
      {"one team-mate among five", {4, 5, 1, 8, 12}, nullptr, true, 1},
      {"a quarter is enough", {4, 5, 1, 8}, nullptr, true, 0},
      {"the team-mate behind a moved rider", {4, 5, 6},
       [] { putRider(1, 26, 2), riders[6].movedThisRound = 1; }, true, 1},
      {"the team-mate behind an empty row", {4, 5}, [] { putRider(1, 26, 2); }, true, 1},
      {"the team-mate behind a pass-through square", {4},
       [] { setSquare(28, 2, SQUARE_PASS_THROUGH), putRider(1, 27, 2); }, true, 0},
      {"the team-mate on cobbles", {4, 1}, [] { layRoad(0, 28, 2, 2, 0, TERRAIN_COBBLES); }, true, 1},
      {"no card, no breakaway", {4, 5, 6}, nullptr, false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetUp();
    putRider(0, 30, 2);
    if (c.card) sprintWithin(30, 8);
    queueBehind(c.queue);
    if (c.more) c.more();
    playTurn(0);
    EXPECT_EQ(chosenCards[0] != CARD_DIE, c.card);
    EXPECT_EQ(breakawayDeclared, c.breakaway);
  }
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
  EXPECT_EQ(startMove(0, 4, &riders[0].row, &riders[0].lane), 4);
  ASSERT_GT(pathLength, 0);
  EXPECT_EQ(pathPoints[0][0], 30);
  EXPECT_EQ(squareOf(0),
            std::make_pair(static_cast<int>(pathPoints[pathLength][0]), static_cast<int>(pathPoints[pathLength][1])));
  EXPECT_EQ(riders[0].row, 34);
}

TEST_F(ComputerTurnTest, TheSquareValueAddsToTheBudget) {
  setSquare(30, 2, 2, TERRAIN_DESCENT);
  putRider(0, 30, 2);
  int row = -1;
  EXPECT_EQ(startMove(0, 3, &row), 5);
  EXPECT_EQ(pathLength, 5);
  EXPECT_EQ(row, 35);
}

TEST_F(ComputerTurnTest, OnACurveTheAnimationAimsAtTheDrawnCentreOfTheSquare) {
  setSquare(11, 1, SQUARE_PASS_THROUGH);
  trackArcs[0] = BoardArc(8, 12, 0, 3, 500, 500, 100, 140, 100, 140, 0, 1, 0);
  trackArcCount = 1;
  putRider(0, 10, 1);
  startMove(0, 0);
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
  riders[0].skipTurns = 1;
  startMove(0, 7);
  EXPECT_EQ(riders[0].skipTurns, 0);
  EXPECT_EQ(riders[0].movedThisRound, 1);
  EXPECT_EQ(trackOccupant[30][2], 0);
  EXPECT_EQ(activeRider, 5);
  EXPECT_EQ(moveTimerRequests(), 0);
}

}  // namespace
