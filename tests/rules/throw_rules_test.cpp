#include <gtest/gtest.h>

#include "model/board_sections.h"
#include "model/hooks.h"
#include "model/screens.h"
#include "model/track.h"
#include "rules/event_deck.h"
#include "rules/race_state.h"
#include "rules/throw_rules.h"
#include "support/test_track.h"

namespace {

int scriptedDraw = 0;
int drawScripted() { return scriptedDraw; }
int redrawCount = 0;
void countRedraw() { redrawCount++; }

// A wide flat road: rows 0..239 of every lane are plain squares, nobody on
// it, no dividers; laps 109 rows long as on the board.
class ThrowRulesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    savedLapRowCount = lapRowCount;
    clearTestTrack(240);
    layRoad(0, 239, 0, TRACK_LANES - 1, 0, TERRAIN_FLAT);
    activeRider = 5;
    riders[5].row = 20;
    riders[5].lane = 3;
    roundNumber = 2;
    eventCardsOn = 1;
    gameRandomOverride = drawScripted;
    redrawHook = countRedraw;
    redrawCount = 0;
    currentScreen = SCREEN_PLAY_CARDS;
  }
  void TearDown() override {
    gameRandomOverride = nullptr;
    redrawHook = nullptr;
    moveTimerHook = nullptr;
    lapRowCount = savedLapRowCount;
    trackDividerCount = 0;
    for (int row = 0; row < TRACK_ROWS; row++)
      for (int lane = 0; lane < TRACK_LANES; lane++) trackOccupant[row][lane] = -1;
    activeRider = -1;
  }

  static void expectLanding(StepResult result, int row, int lane) {
    EXPECT_EQ(result.row, static_cast<float>(row));
    EXPECT_EQ(result.lane, static_cast<float>(lane));
  }
  static void expectBlocked(StepResult result) {
    EXPECT_TRUE(stepBlocked(result)) << "landed on " << result.row << ", " << result.lane;
  }

  int savedLapRowCount = 0;
};

TEST_F(ThrowRulesTest, OneDrawGivesBothDice) {
  scriptedDraw = 17;  // 17 mod 6 + 1 = 6 and 17 / 6 + 1 = 3
  rollMovementValues();
  EXPECT_EQ(diceThrown(), std::make_pair(6, 3));
  EXPECT_EQ(redrawCount, 1);

  scriptedDraw = 36 + 35;  // the draw is taken mod 36: 35 gives 6 and 6
  rollMovementValues();
  EXPECT_EQ(diceThrown(), std::make_pair(6, 6));

  scriptedDraw = 0;
  rollMovementValues();
  EXPECT_EQ(diceThrown(), std::make_pair(1, 1));
}

TEST_F(ThrowRulesTest, CardsStandInForDice) {
  scriptedDraw = 8;  // dice 3 and 2
  chosenCards[0] = CARD_DIE;
  chosenCards[1] = 3;  // white strength card
  rollMovementValues();
  EXPECT_EQ(diceThrown(), std::make_pair(3, 5));

  chosenCards[0] = 0;  // blue
  chosenCards[1] = CARD_DIE;
  rollMovementValues();
  EXPECT_EQ(diceThrown(), std::make_pair(6, 2));

  // Extra cards belong to the active rider's team (rider 5: team 1).
  extraCardValue[1][1] = 5;
  extraCardValue[0][1] = 6;
  dopingCardValue = 6;
  chosenCards[0] = FIRST_EXTRA_SLOT + 1;
  chosenCards[1] = CARD_DOPING;
  rollMovementValues();
  EXPECT_EQ(diceThrown(), std::make_pair(5, 6));
  chosenCards[0] = chosenCards[1] = CARD_DIE;
}

TEST_F(ThrowRulesTest, ThrowWorksOutTheStepsFromTheSquare) {
  trackSquareValue[20][3] = 2;  // a descent square
  scriptedDraw = 8;             // 3 + 2
  pathPointIndex = 4;
  performThrow();
  EXPECT_EQ(movementTotal, 5);
  EXPECT_EQ(pathLength, 7);
  EXPECT_EQ(pathPointIndex, 0);
  EXPECT_EQ(pathPoints[0][0], 20.0f);
  EXPECT_EQ(pathPoints[0][1], 3.0f);
  EXPECT_EQ(currentScreen, SCREEN_CHOOSE_MOVE);
  EXPECT_EQ(redrawCount, 4);
}

TEST_F(ThrowRulesTest, SevenDrawsAnEventCardOnlyAfterTheFirstRoundWithCardsOn) {
  scriptedDraw = 5;  // 6 + 1 = 7
  roundNumber = 1;
  performThrow();
  EXPECT_EQ(movementTotal, 7);
  EXPECT_EQ(currentScreen, SCREEN_CHOOSE_MOVE);

  roundNumber = 2;
  eventCardsOn = 0;
  performThrow();
  EXPECT_EQ(currentScreen, SCREEN_CHOOSE_MOVE);

  eventCardsOn = 1;
  eventCardIndex = 29;
  performThrow();
  EXPECT_EQ(currentScreen, SCREEN_EVENT_CARD);
  EXPECT_EQ(eventCardIndex, 0);  // the deck runs round
  performThrow();
  EXPECT_EQ(eventCardIndex, 1);

  scriptedDraw = 6;  // 1 + 2: no event card
  performThrow();
  EXPECT_EQ(currentScreen, SCREEN_CHOOSE_MOVE);
  EXPECT_EQ(eventCardIndex, 1);
}

TEST_F(ThrowRulesTest, SteepClimbWithAShortThrowIsNoMove) {
  trackSquareValue[20][3] = -6;
  pathPoints[0][0] = pathPoints[0][1] = -5;
  scriptedDraw = 1;  // 2 + 1 = 3
  performThrow();
  EXPECT_EQ(movementTotal, 3);
  EXPECT_EQ(pathLength, -3);
  EXPECT_EQ(currentScreen, SCREEN_NO_MOVE);
  EXPECT_EQ(pathPoints[0][0], -5.0f);  // no start point for a move that does not happen

  // Exactly one step is a move.
  scriptedDraw = 24;  // 1 + 5 = 6, 6 - 6 = 0 steps: still no move
  performThrow();
  EXPECT_EQ(currentScreen, SCREEN_NO_MOVE);
  scriptedDraw = 25;  // 2 + 5 = 7 on a -6 square: one step
  roundNumber = 1;
  performThrow();
  EXPECT_EQ(pathLength, 1);
  EXPECT_EQ(currentScreen, SCREEN_CHOOSE_MOVE);
}

TEST_F(ThrowRulesTest, RiderSittingOutIsNotSentToNoMove) {
  trackSquareValue[20][3] = -6;
  riders[5].skipTurns = 1;
  scriptedDraw = 1;
  performThrow();
  EXPECT_EQ(pathLength, -3);
  EXPECT_EQ(currentScreen, SCREEN_CHOOSE_MOVE);
  riders[5].skipTurns = 0;
}

TEST_F(ThrowRulesTest, StepsLandOneRowAheadInTheirLane) {
  expectLanding(tryStep(10, 5, 'M', 0), 11, 5);
  expectLanding(tryStep(10, 5, 'L', 0), 11, 4);
  expectLanding(tryStep(10, 5, 'R', 0), 11, 6);
  expectBlocked(tryStep(10, 5, 'X', 0));
}

TEST_F(ThrowRulesTest, OuterLanesHaveNoStepOutwards) {
  // Every lane of the grid is road here, yet nothing lies beyond lanes 0 and 22.
  expectBlocked(tryStep(10, 0, 'L', 0));
  expectBlocked(tryStep(10, 0, 'L', 1));
  expectBlocked(tryStep(10, 22, 'R', 0));
  expectBlocked(tryStep(10, 22, 'R', 1));
  expectLanding(tryStep(10, 0, 'R', 0), 11, 1);
  expectLanding(tryStep(10, 1, 'L', 0), 11, 0);
  expectLanding(tryStep(10, 21, 'R', 0), 11, 22);
  expectLanding(tryStep(10, 22, 'L', 0), 11, 21);
  expectLanding(tryStep(10, 22, 'M', 0), 11, 22);
}

TEST_F(ThrowRulesTest, MissingSquaresAndRidersBlock) {
  trackSquareValue[11][4] = SQUARE_NONE;
  expectBlocked(tryStep(10, 4, 'M', 0));
  expectBlocked(tryStep(10, 4, 'M', 1));
  putRider(2, 11, 6);
  expectBlocked(tryStep(10, 6, 'M', 0));
  expectBlocked(tryStep(10, 5, 'R', 0));
  // A lap copy of the square (109 rows and 3 lanes on) blocks it too.
  putRider(3, 11 + 109, 8 + 3);
  expectBlocked(tryStep(10, 8, 'M', 0));
}

TEST_F(ThrowRulesTest, IgnoringOccupancyAnswersWithTheSquareSteppedFrom) {
  putRider(2, 11, 6);
  expectLanding(tryStep(10, 6, 'M', 1), 10, 6);
  expectLanding(tryStep(10, 5, 'R', 1), 10, 5);
  // Row 0 is a square like any other: the answer (0, 0) means "allowed".
  expectLanding(tryStep(0, 0, 'M', 1), 0, 0);
}

TEST_F(ThrowRulesTest, PassThroughSquaresSlideToTheNextSquare) {
  for (int row = 11; row <= 13; row++) trackSquareValue[row][2] = SQUARE_PASS_THROUGH;
  expectLanding(tryStep(10, 2, 'M', 0), 14, 2);
  expectLanding(tryStep(10, 1, 'R', 0), 14, 2);
  expectLanding(tryStep(10, 2, 'M', 1), 10, 2);

  putRider(4, 14 + 109, 2 + 3);  // the landing square's copy on the next lap
  expectBlocked(tryStep(10, 2, 'M', 0));
  expectLanding(tryStep(10, 2, 'M', 1), 10, 2);

  trackOccupant[14 + 109][5] = -1;
  trackSquareValue[14][2] = SQUARE_NONE;  // the slide ends off the road
  expectBlocked(tryStep(10, 2, 'M', 0));
}

TEST_F(ThrowRulesTest, LaneDividerBlocksSidewaysStepsFromItsRows) {
  trackDividers[0] = LaneDivider(3, 7, 0);
  trackDividerCount = 1;
  for (int row = 3; row <= 6; row++) {
    expectBlocked(tryStep(row, 0, 'R', 0));
    expectBlocked(tryStep(row, 1, 'L', 0));
    expectBlocked(tryStep(row, 0, 'R', 1));
    expectLanding(tryStep(row, 0, 'M', 0), row + 1, 0);
    expectLanding(tryStep(row, 1, 'M', 0), row + 1, 1);
    expectLanding(tryStep(row, 1, 'R', 0), row + 1, 2);  // not across this divider
  }
  expectLanding(tryStep(7, 0, 'R', 0), 8, 1);
  expectLanding(tryStep(7, 1, 'L', 0), 8, 0);
  expectLanding(tryStep(2, 0, 'R', 0), 3, 1);
  expectLanding(tryStep(2, 1, 'L', 0), 3, 0);
}

TEST_F(ThrowRulesTest, PreparedStepsFollowTheDividersOfTheMoment) {
  trackDividers[0] = LaneDivider(3, 7, 0);
  trackDividers[1] = LaneDivider(0, 2, 21);
  trackDividerCount = 2;
  auto sameAnswers = [] {
    prepareStepTable();
    for (int row = -1; row < 12; row++)
      for (int lane = -1; lane <= TRACK_LANES; lane++)
        for (char step : {'M', 'L', 'R'}) {
          StepResult plain = tryStep(row, lane, step, 0);
          StepResult prepared = tryStepPrepared(row, lane, step, 0);
          if (plain.row != prepared.row || plain.lane != prepared.lane) return false;
        }
    return true;
  };
  EXPECT_TRUE(sameAnswers());
  expectBlocked(tryStepPrepared(0, 22, 'L', 0));
  expectLanding(tryStepPrepared(2, 22, 'L', 0), 3, 21);
  // The same number of dividers, one of them moved: the table follows.
  trackDividers[0] = LaneDivider(4, 9, 1);
  EXPECT_TRUE(sameAnswers());
  expectLanding(tryStepPrepared(3, 0, 'R', 0), 4, 1);
  expectBlocked(tryStepPrepared(8, 2, 'L', 0));
  trackDividerCount = 0;
  EXPECT_TRUE(sameAnswers());
  expectLanding(tryStepPrepared(8, 2, 'L', 0), 9, 1);
}

TEST_F(ThrowRulesTest, NothingLiesBeyondTheGrid) {
  for (int lane = 0; lane < TRACK_LANES; lane++) trackSquareValue[TRACK_ROWS - 1][lane] = 0;
  expectBlocked(tryStep(TRACK_ROWS - 1, 3, 'M', 0));
  expectBlocked(tryStep(TRACK_ROWS - 1, 3, 'M', 1));
  expectBlocked(tryStep(-5, 3, 'M', 0));
  expectBlocked(tryStep(10, 23, 'M', 0));
  expectBlocked(tryStep(10, -1, 'M', 1));

  // A pass-through run to the last row of the grid lands nowhere.
  for (int row = 530; row < TRACK_ROWS; row++) trackSquareValue[row][4] = SQUARE_PASS_THROUGH;
  trackSquareValue[529][4] = 0;
  expectBlocked(tryStep(529, 4, 'M', 0));
  for (int row = 529; row < TRACK_ROWS; row++)
    for (int lane = 0; lane < TRACK_LANES; lane++) trackSquareValue[row][lane] = SQUARE_NONE;
}

}  // namespace
