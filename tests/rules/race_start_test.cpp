#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "model/board_sections.h"
#include "model/hooks.h"
#include "model/screens.h"
#include "model/track.h"
#include "rules/course_builder.h"
#include "rules/race_start.h"
#include "rules/race_state.h"
#include "support/test_track.h"

namespace {

// A start-order draw whose two dice sum to total.
int drawForSum(int total) {
  int first = total > 6 ? 6 : total - 1;
  return diceDraw(first, total - first);
}

class RaceStartTest : public ::testing::Test {
 protected:
  void SetUp() override {
    initBoardSections();
    clearTestTrack(TRACK_ROWS);
  }
  void TearDown() override {
    stopScriptedRandom();
    moveTimerHook = nullptr;
  }
  static void layCourse(const char* course) {
    strcpy(courseSpec, course);
    ASSERT_TRUE(buildCourse());
  }
  // Team t throws as the screens do: throw, then Next.
  static void throwAndNext() {
    throwStartOrder();
    ASSERT_EQ(currentScreen, SCREEN_START_THROW_RESULT);
    resolveStartOrder();
  }
  static void makeAllHuman() {
    for (Rider& r : riders) r.humanControlled = 1;
  }
};

TEST_F(RaceStartTest, ThrowSumsBothDiceOfOneDraw) {
  layCourse("64S5F12");
  activeRider = 8;
  scriptRandom({diceDraw(3, 5) + 36 * 7});  // only the draw modulo 36 counts
  throwStartOrder();
  EXPECT_EQ(startRolls[2], 8);
  // The first die is the draw / 6, the second the remainder.
  EXPECT_EQ(diceThrown(), std::make_pair(5, 3));
  EXPECT_EQ(currentScreen, SCREEN_START_THROW_RESULT);
}

TEST_F(RaceStartTest, TiedTeamsThrowAgainUntilOneIsAhead) {
  layCourse("64S5F12");
  makeAllHuman();
  activeRider = 0;
  currentScreen = SCREEN_START_THROW;
  // 9, 11, 11, 4: teams 1 and 2 throw again; then 6, 6 ties again; then 5, 8.
  scriptRandom({drawForSum(9), drawForSum(11), drawForSum(11), drawForSum(4), drawForSum(6),
                drawForSum(6), drawForSum(5), drawForSum(8)});
  std::vector<int> throwers;
  for (int i = 0; i < 8; i++) {
    ASSERT_EQ(currentScreen, SCREEN_START_THROW) << i;
    throwers.push_back(activeRider / 4);
    throwAndNext();
    if (i == 3) {
      EXPECT_EQ(startRolls[0], 0);
      EXPECT_EQ(startRolls[1], -1);
      EXPECT_EQ(startRolls[2], -1);
      EXPECT_EQ(startRolls[3], 0);
    }
  }
  EXPECT_EQ(throwers, (std::vector<int>{0, 1, 2, 3, 1, 2, 1, 2}));
  EXPECT_EQ(firstPlacingRider, 8);
  EXPECT_EQ(activeRider, 8);
  EXPECT_EQ(currentScreen, SCREEN_START_PLACE_HUMAN);
  EXPECT_EQ(movementValues[0], -1);
}

TEST_F(RaceStartTest, RollOffAfterTheLastTeamWrapsToTheFirstTiedTeam) {
  layCourse("64S5F12");
  makeAllHuman();
  activeRider = 0;
  scriptRandom({drawForSum(12), drawForSum(3), drawForSum(4), drawForSum(12), drawForSum(2),
                drawForSum(7)});
  for (int i = 0; i < 4; i++) throwAndNext();
  EXPECT_EQ(activeRider, 0);  // team 0 is the first tied team after team 3
  throwAndNext();
  EXPECT_EQ(activeRider, 12);  // team 3, skipping the teams out of the roll-off
  throwAndNext();
  EXPECT_EQ(firstPlacingRider, 12);
}

TEST_F(RaceStartTest, PlacingOrderRunsMemberByMemberFromTheWinningTeam) {
  layCourse("64S5F12");
  makeAllHuman();
  activeRider = firstPlacingRider = 8;
  std::vector<int> order{activeRider};
  for (int i = 0; i < 15; i++) {
    selectNextRiderToPlace();
    order.push_back(activeRider);
    EXPECT_EQ(currentScreen, SCREEN_START_PLACE_HUMAN);
  }
  EXPECT_EQ(order, (std::vector<int>{8, 12, 0, 4, 9, 13, 1, 5, 10, 14, 2, 6, 11, 15, 3, 7}));
}

// All sixteen riders stand on the start rows of the start lanes, never two
// team-mates in one lane.
void expectSoundStartGrid(int lowestLane, int highestLane) {
  for (int i = 0; i < RIDER_COUNT; i++) {
    const Rider& r = riders[i];
    ASSERT_GE(r.row, 0) << i;
    EXPECT_LE(r.row, 3) << i;
    EXPECT_GE(r.lane, lowestLane) << i;
    EXPECT_LE(r.lane, highestLane) << i;
    // The first rider to move has been lifted off the grid for his move.
    EXPECT_EQ(trackOccupant[r.row][r.lane], i == activeRider ? -1 : i);
    for (int j = 0; j < i; j++) {
      if (riderTeam(j) == riderTeam(i)) {
        EXPECT_NE(riders[j].lane, r.lane) << i << " " << j;
      }
    }
  }
}

TEST_F(RaceStartTest, ComputerRidersFillTheGridOfAStartSectionZeroCourse) {
  layCourse("01S23S7S8F12");
  activeRider = firstPlacingRider = 4;
  currentScreen = SCREEN_START_PLACE_COMPUTER;
  placeComputerRider();
  // Rows 2, 3, 1, 0 in turn, lanes from the highest down.
  EXPECT_EQ(squareOf(4), std::make_pair(2, 4));
  EXPECT_EQ(squareOf(8), std::make_pair(2, 3));
  EXPECT_EQ(squareOf(5), std::make_pair(2, 0));  // the last square of row 2
  expectSoundStartGrid(0, 4);
  // The race has begun with the front-most rider: row 3, lane 4.
  EXPECT_EQ(squareOf(9), std::make_pair(3, 4));
  EXPECT_EQ(roundNumber, 1);
  EXPECT_EQ(activeRider, 9);
  EXPECT_EQ(startCursorRow, -1);
  EXPECT_EQ(startCursorLane, -1);
}

TEST_F(RaceStartTest, ComputerRidersFillTheGridOfAStartSectionSixCourse) {
  layCourse("67S8F12");
  activeRider = firstPlacingRider = 0;
  placeComputerRider();
  EXPECT_EQ(squareOf(0), std::make_pair(2, 7));
  expectSoundStartGrid(4, 7);
}

TEST_F(RaceStartTest, ComputerRiderSkipsLanesOfTeamMates) {
  layCourse("01S23S7S8F12");
  makeAllHuman();
  riders[2].humanControlled = 0;
  putRider(0, 0, 4);  // team-mates in lanes 4 and 3
  putRider(1, 3, 3);
  putRider(5, 2, 2);  // an opponent on row 2, lane 2
  activeRider = 2;
  firstPlacingRider = 0;
  placeComputerRider();
  EXPECT_EQ(squareOf(2), std::make_pair(2, 1));
  EXPECT_EQ(startCursorRow, 0);
  EXPECT_EQ(startCursorLane, 0);
}

}  // namespace
