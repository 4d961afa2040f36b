#include <gtest/gtest.h>

#include <string>

#include "model/board_sections.h"
#include "model/hooks.h"
#include "model/track.h"
#include "rules/crash_chain.h"
#include "support/test_track.h"

namespace {

// A hand-made stretch of road: rows 0..40 of lanes 0..5 are plain squares,
// everything else has no square; no dividers, nobody on the road.
class CrashChainTest : public ::testing::Test {
 protected:
  void SetUp() override {
    savedLapRowCount = lapRowCount;
    savedRowCount = trackRowCount;
    savedDividerCount = trackDividerCount;
    clearTestTrack(41);
    layRoad(0, 40, 0, 5);
  }
  void TearDown() override {
    lapRowCount = savedLapRowCount;
    trackRowCount = savedRowCount;
    trackDividerCount = savedDividerCount;
    for (int row = 0; row < TRACK_ROWS; row++)
      for (int lane = 0; lane < TRACK_LANES; lane++) trackOccupant[row][lane] = -1;
    moveTimerHook = nullptr;
  }

  static void addDivider(int rowFrom, int rowTo, int lane) {
    trackDividers[trackDividerCount++] = LaneDivider(rowFrom, rowTo, lane);
  }
  // The crash as an event card brings it about: the causer on his square.
  static void crash(int causer) {
    spreadCrash(riders[causer].row, riders[causer].lane, riders[causer].row);
  }
  static bool down(int rider) {
    return riders[rider].skipTurns == 1 && riders[rider].crashInvolved == 1;
  }
  static bool untouched(int rider) {
    return riders[rider].skipTurns == 0 && riders[rider].crashInvolved == 0;
  }
  // Riders 0 to count-1 in order: 'D' down in the crash, '.' untouched, '?'
  // anything else.
  static std::string fates(int count) {
    std::string all;
    for (int r = 0; r < count; r++) all += down(r) ? 'D' : untouched(r) ? '.' : '?';
    return all;
  }

  int savedLapRowCount = 0;
  int savedRowCount = 0;
  int savedDividerCount = 0;
};

TEST_F(CrashChainTest, RidersStraightBehindFallUntilAGap) {
  putRider(0, 20, 2);
  putRider(1, 19, 2);
  putRider(2, 18, 2);
  putRider(3, 16, 2);  // row 17 is empty: the chain stops before him
  putRider(4, 21, 2);  // ahead of the causer
  crash(0);
  EXPECT_EQ(fates(5), "DDD..");
}

TEST_F(CrashChainTest, AtTheCrashRowTheLeftFallsAndTheRightDoesNot) {
  putRider(0, 20, 2);
  putRider(1, 20, 1);  // level on the left: behind in the game's order
  putRider(2, 20, 3);  // level on the right: counts as ahead
  putRider(3, 19, 3);  // right and behind, but the square behind the causer is empty
  putRider(4, 19, 0);  // behind the left rider, two lanes over
  crash(0);
  // From the left rider the crash goes on only to the row behind him (4 stays up).
  EXPECT_EQ(fates(5), "DD...");
}

TEST_F(CrashChainTest, BehindTheCrashRowTheRightFallsToo) {
  putRider(0, 20, 2);
  putRider(1, 19, 2);
  putRider(2, 19, 3);  // level on the right of a victim behind the causer's row
  putRider(3, 19, 4);  // and on to the next lane
  putRider(4, 18, 5);  // no one at (18, 4): out of reach
  crash(0);
  EXPECT_EQ(fates(5), "DDDD.");
}

TEST_F(CrashChainTest, PassThroughSquaresBehindAreRiddenOver) {
  trackSquareValue[19][2] = SQUARE_PASS_THROUGH;
  trackSquareValue[18][2] = SQUARE_PASS_THROUGH;
  putRider(0, 20, 2);
  putRider(1, 17, 2);  // the next square behind in the lane
  putRider(2, 18, 1);  // beside the pass-through stretch: within the reach on the left
  putRider(3, 16, 2);  // behind the victim: the chain goes on
  putRider(4, 15, 3);  // right of an empty square behind: not reached
  crash(0);
  EXPECT_EQ(fates(5), "DDDD.");
}

TEST_F(CrashChainTest, APassThroughSquareBesideKeepsTheCrashInItsLane) {
  trackSquareValue[20][1] = SQUARE_PASS_THROUGH;
  trackSquareValue[19][3] = SQUARE_PASS_THROUGH;
  putRider(0, 20, 2);
  putRider(1, 19, 2);
  putRider(2, 19, 1);  // left of the victim, but the causer's left is pass-through
  putRider(3, 18, 3);  // reached from the victim only through a pass-through square
  crash(0);
  // The victim's own left is a plain square: rider 2 falls by him.
  EXPECT_EQ(fates(4), "DDD.");
}

TEST_F(CrashChainTest, ADividerBlocksUpToAndIncludingItsLastRow) {
  addDivider(10, 20, 1);  // between lanes 1 and 2, last row 20
  addDivider(5, 19, 2);   // between lanes 2 and 3, last row 19
  putRider(0, 20, 2);
  putRider(1, 20, 1);
  putRider(2, 19, 2);
  putRider(3, 19, 3);
  crash(0);
  EXPECT_EQ(fates(4), "D.D.");
}

TEST_F(CrashChainTest, ADividerEndingBeforeTheRowDoesNotBlock) {
  addDivider(10, 19, 1);
  putRider(0, 20, 2);
  putRider(1, 20, 1);
  crash(0);
  EXPECT_TRUE(down(1));
}

TEST_F(CrashChainTest, ARiderAlreadySittingOutStopsTheChain) {
  putRider(0, 20, 2);
  putRider(1, 19, 2);
  riders[1].skipTurns = 2;
  putRider(2, 18, 2);
  putRider(3, 18, 1);  // left of the resting rider
  crash(0);
  EXPECT_EQ(fates(4), "D?..");
  EXPECT_EQ(2, riders[1].skipTurns);
  EXPECT_EQ(0, riders[1].crashInvolved);
}

TEST_F(CrashChainTest, RidersOnOtherLapsAreFoundOnTheirCopies) {
  trackRowCount = 300;
  for (int row = 100; row < 300; row++)
    for (int lane = 3; lane <= 8; lane++) trackSquareValue[row][lane] = 0;
  putRider(0, 20, 2);
  putRider(1, 19 + 109, 2 + 3);  // a lap further on, on the copy of (19, 2)
  crash(0);
  EXPECT_TRUE(down(1));
}

TEST_F(CrashChainTest, EmptySquaresAndTheTrackEdgesBringNobodyDown) {
  putRider(5, 19, 2);
  spreadCrash(20, 2, 20);  // nobody on the crash square
  EXPECT_TRUE(untouched(5));
  spreadCrash(-1, 0, -1);
  spreadCrash(0, TRACK_LANES, 0);
  for (int r = 0; r < RIDER_COUNT; r++) EXPECT_TRUE(untouched(r)) << r;

  putRider(0, 0, 0);   // first row, first lane: nothing behind or to the left
  putRider(1, 0, 1);
  crash(0);
  EXPECT_EQ(fates(2), "D.");
  trackSquareValue[30][TRACK_LANES - 1] = 0;
  trackSquareValue[30][TRACK_LANES - 2] = 0;
  putRider(2, 30, TRACK_LANES - 1);  // last lane: nothing to the right
  putRider(3, 30, TRACK_LANES - 2);
  crash(2);
  EXPECT_EQ(fates(4), "D.DD");
}

}  // namespace
