#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

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

// Rider 0 causes the crash on (20, 2); the others stand on the squares
// given, in order. Squares may be made pass-through, dividers laid as
// {first row, last row, lane on their left}.
TEST_F(CrashChainTest, WhoFallsAroundTheCauser) {
  struct Case {
    const char* what;
    std::vector<std::pair<int, int>> passThrough;
    std::vector<std::array<int, 3>> dividers;
    std::vector<std::pair<int, int>> squares;
    const char* fates;
  };
  const Case cases[] = {
      // Row 17 is empty: the chain stops before rider 3; rider 4 is ahead.
      {"straight behind until a gap", {}, {}, {{20, 2}, {19, 2}, {18, 2}, {16, 2}, {21, 2}}, "DDD.."},
      // Level on the left counts as behind, on the right as ahead; rider 3
      // is right of the empty square behind the causer; from the left rider
      // the crash goes on only to the row behind him, not two lanes over.
      {"at the crash row the left falls, the right does not", {}, {},
       {{20, 2}, {20, 1}, {20, 3}, {19, 3}, {19, 0}}, "DD..."},
      // Level on the right of a victim behind the causer's row, and on to
      // the next lane; nobody at (18, 4), so rider 4 is out of reach.
      {"behind the crash row the right falls too", {}, {}, {{20, 2}, {19, 2}, {19, 3}, {19, 4}, {18, 5}}, "DDDD."},
      // Rider 1 is the next square behind in the lane, rider 2 beside the
      // pass-through stretch, rider 3 behind the victim; rider 4 is right
      // of an empty square behind.
      {"pass-through squares behind are ridden over", {{19, 2}, {18, 2}}, {},
       {{20, 2}, {17, 2}, {18, 1}, {16, 2}, {15, 3}}, "DDDD."},
      // Rider 2 is left of the victim, whose own left is a plain square;
      // rider 3 is reached from the victim only through a pass-through square.
      {"a pass-through square beside keeps the crash in its lane", {{20, 1}, {19, 3}}, {},
       {{20, 2}, {19, 2}, {19, 1}, {18, 3}}, "DDD."},
      // The square behind the causer is (18, 2): lane 1 would be searched
      // from row 20 back to row 19, but its square at the crash row is
      // only ridden over.
      {"a pass-through square on the left keeps the crash out of that lane", {{20, 1}, {19, 2}}, {},
       {{20, 2}, {19, 1}}, "D."},
      {"a divider blocks up to and including its last row", {}, {{10, 20, 1}, {5, 19, 2}},
       {{20, 2}, {20, 1}, {19, 2}, {19, 3}}, "D.D."},
      {"a divider ending before the row does not block", {}, {{10, 19, 1}}, {{20, 2}, {20, 1}}, "DD"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    clearTestTrack(41);
    layRoad(0, 40, 0, 5);
    for (const auto& square : c.passThrough) trackSquareValue[square.first][square.second] = SQUARE_PASS_THROUGH;
    for (const auto& d : c.dividers) addDivider(d[0], d[1], d[2]);
    const int count = static_cast<int>(c.squares.size());
    for (int r = 0; r < count; r++) putRider(r, c.squares[r].first, c.squares[r].second);
    crash(0);
    EXPECT_EQ(fates(count), c.fates);
  }
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
