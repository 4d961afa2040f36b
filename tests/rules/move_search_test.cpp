#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "model/board_sections.h"
#include "model/hooks.h"
#include "model/track.h"
#include "rules/course_builder.h"
#include "rules/move_search.h"
#include "rules/race_state.h"
#include "rules/throw_rules.h"
#include "support/test_track.h"

namespace {

// The grid of the searches run directly through searchMoves below.
BudgetGrid testGrid;

// A search by rider 0 run directly on testGrid, which the caller clears, the
// path begun as `building`; its best square comes back as a choice.
MoveChoice searchDirect(int row, int lane, int steps, char* building, int farthest) {
  MoveChoice c;
  const int32_t mover = 0;
  searchMoves(row, lane, steps, &mover, &c.line, &c.row, &c.lane, &c.mates, &c.ahead, &c.behind, &c.dist,
              &c.share, &testGrid, building, c.path, -1, -1, 0, farthest);
  return c;
}

// Hand-made tracks: every test lays the road it needs on an empty grid.
class MoveSearchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    savedLapRowCount = lapRowCount;
    clearTrack(240);
  }
  void TearDown() override {
    clearTrack(0);
    lapRowCount = savedLapRowCount;
    activeRider = -1;
    moveTimerHook = nullptr;
  }

  // An empty grid of rowCount rows as every rules test starts from, with a
  // move total of 5 and rider 0 the mover.
  static void clearTrack(int rowCount) {
    clearTestTrack(rowCount);
    movementTotal = 5;
    activeRider = 0;
  }
  // Plain squares of one value and terrain over a block of rows and lanes.
  static void road(int rowFrom, int rowTo, int laneFrom, int laneTo, int value = 0,
                   int terrain = TERRAIN_FLAT) {
    for (int row = rowFrom; row <= rowTo; row++)
      for (int lane = laneFrom; lane <= laneTo; lane++) {
        trackSquareValue[row][lane] = value;
        trackTerrain[row][lane] = value == SQUARE_PASS_THROUGH ? TERRAIN_NONE : terrain;
      }
  }
  static void reach(int rowFrom, int rowTo, int laneFrom, int laneTo, int reach12, int reach11) {
    for (int row = rowFrom; row <= rowTo; row++)
      for (int lane = laneFrom; lane <= laneTo; lane++) {
        trackReach12[row][lane] = reach12;
        trackReach11[row][lane] = reach11;
      }
  }
  static void place(int rider, int row, int lane, bool moved) {
    riders[rider].row = row;
    riders[rider].lane = lane;
    riders[rider].movedThisRound = moved ? 1 : 0;
    trackOccupant[row][lane] = rider;
  }
  static void lines(int first, int second, int third, int finish) {
    lineRows[0] = first;
    lineRows[1] = second;
    lineRows[2] = third;
    lineRows[3] = finish;
  }
  // A scoring search by rider 0; `best`, when given, is the best square found
  // before it as {row, lane, line index}.
  static MoveChoice score(int row, int lane, int steps, int mover = 0, int record = 0,
                          std::array<int, 3> best = {-1, -1, -1}) {
    MoveChoice choice;
    if (best[0] != -1) std::tie(choice.row, choice.lane, choice.line) = std::tie(best[0], best[1], best[2]);
    scoreMoves(row, lane, steps, mover, record, &choice);
    return choice;
  }
  static std::pair<int, int> at(const MoveChoice& choice) { return {choice.row, choice.lane}; }
  static std::string targetPath(int row, int lane, int steps, int targetRow, int targetLane) {
    MovePath path;
    bool found = findMovePath(row, lane, steps, targetRow, targetLane, path);
    return found ? std::string(path) : std::string("(none: ") + path + ")";
  }

  int savedLapRowCount = 0;
};

TEST_F(MoveSearchTest, BudgetZeroEvaluatesTheStartSquareAlone) {
  road(0, 20, 0, 4);
  reach(0, 20, 0, 4, 30, 29);
  MoveChoice choice = score(5, 2, 0);
  EXPECT_EQ(at(choice), std::make_pair(5, 2));
  EXPECT_STREQ(choice.path, "");
  EXPECT_EQ(farthestReachRow(5, 2, 0), 5);
}

TEST_F(MoveSearchTest, PassThroughStartMovesOnWithoutAStep) {
  road(0, 20, 0, 4);
  trackSquareValue[5][2] = SQUARE_PASS_THROUGH;
  trackSquareValue[6][2] = SQUARE_PASS_THROUGH;
  EXPECT_EQ(farthestReachRow(5, 2, 0), 7);
  EXPECT_EQ(farthestReachRow(5, 2, 2), 9);
  MoveChoice choice = score(5, 2, 0);
  EXPECT_EQ(at(choice), std::make_pair(7, 2));
  EXPECT_STREQ(choice.path, "");
}

TEST_F(MoveSearchTest, TargetModeKeepsTheFirstPathInStepOrder) {
  road(0, 20, 0, 3);
  EXPECT_EQ(targetPath(0, 1, 2, 2, 1), "MM");
  EXPECT_EQ(targetPath(0, 1, 2, 2, 2), "MR");
  EXPECT_EQ(targetPath(0, 1, 2, 2, 0), "ML");
  EXPECT_EQ(targetPath(0, 1, 3, 2, 2), "MR");  // a longer budget finds the same first path
  EXPECT_EQ(targetPath(0, 1, 1, 1, 0), "L");
  place(3, 1, 1, false);  // the straight square is taken
  EXPECT_EQ(targetPath(0, 1, 2, 2, 2), "RM");
  EXPECT_EQ(targetPath(0, 1, 2, 2, 1), "LR");
  // Out of reach: no path, and the path stays empty.
  EXPECT_EQ(targetPath(0, 1, 2, 3, 1), "(none: )");
  EXPECT_EQ(targetPath(0, 1, 4, 2, 1 + 3), "(none: )");
}

TEST_F(MoveSearchTest, TargetPathSlidesOverPassThroughSquares) {
  road(0, 20, 0, 3);
  trackSquareValue[2][1] = SQUARE_PASS_THROUGH;
  trackSquareValue[3][1] = SQUARE_PASS_THROUGH;
  // One step into the run lands on row 4 without further letters.
  EXPECT_EQ(targetPath(1, 1, 1, 4, 1), "M");
  EXPECT_EQ(targetPath(1, 1, 2, 5, 2), "MR");
}

TEST_F(MoveSearchTest, EqualSquaresGoToTheLargerRowThenLane) {
  road(0, 20, 0, 4);
  reach(0, 20, 0, 4, 30, 29);
  MoveChoice choice = score(0, 2, 2);
  EXPECT_EQ(at(choice), std::make_pair(2, 4));
  EXPECT_STREQ(choice.path, "RR");
  movementTotal = 8;
  choice = score(0, 2, 2);
  EXPECT_EQ(at(choice), std::make_pair(2, 4));
  EXPECT_DOUBLE_EQ(choice.share, 0.25);  // nobody counted
}

TEST_F(MoveSearchTest, FarthestModeIgnoresRiders) {
  road(0, 40, 0, 2);
  reach(0, 40, 0, 2, 30, 29);
  EXPECT_EQ(farthestReachRow(0, 1, 12), 12);
  place(3, 1, 0, false);
  place(4, 1, 1, false);
  place(5, 1, 2, false);
  EXPECT_EQ(farthestReachRow(0, 1, 12), 12);
  // The scoring search cannot get past the wall.
  MoveChoice choice = score(0, 1, 12, 8);
  EXPECT_EQ(at(choice), std::make_pair(0, 1));
}

TEST_F(MoveSearchTest, ScoringSearchFollowsDepthFirstPostOrder) {
  // Rows 0 and 1 lie before a paying sprint on row 1, row 2 beyond it. A
  // square before the line never loses on the line (its term is 0) and wins
  // on reach; a square beyond the line then wins again on the line. The
  // squares are met in this order: (2,1) (2,0) (2,2) (1,1) (1,0) (2,3) (1,2)
  // (0,1), so the last winner is (1,2).
  road(0, 5, 0, 3);
  reach(0, 1, 0, 3, 40, 39);
  reach(2, 5, 0, 3, 20, 19);
  lines(1, 50, 60, 100);
  MoveChoice choice = score(0, 1, 2);
  EXPECT_EQ(at(choice), std::make_pair(1, 2));
  EXPECT_EQ(choice.line, 0);
  EXPECT_STREQ(choice.path, "R");
}

TEST_F(MoveSearchTest, SquareReachedAgainWithNoMoreStepsIsNotScoredAgain) {
  // Two lanes. After "M" the best is (1,1). "L" reaches (2,0) and (2,1) again
  // with no steps left: they are not expanded or scored again, so (1,0),
  // neither further on nor of better reach, cannot take over. Scoring them
  // again would let a row-2 square win on the line and (1,0) then win back
  // on reach.
  road(0, 5, 0, 1);
  reach(0, 1, 0, 1, 40, 39);
  reach(2, 5, 0, 1, 20, 19);
  lines(1, 50, 60, 100);
  MoveChoice choice = score(0, 1, 2);
  EXPECT_EQ(at(choice), std::make_pair(1, 1));
  EXPECT_STREQ(choice.path, "M");
}

// One lane, reach 20 but for a stretch of reach 40, and a best square found
// before the search as {row, lane, line index}: whether the line a square
// lies beyond still pays decides before the reach does.
TEST_F(MoveSearchTest, BestSoFarAgainstASquareOverALine) {
  struct Case {
    const char* what;
    int reachFrom, reachTo;
    std::array<int, 4> lines;
    std::vector<std::pair<int, int>> taken;  // result place, rider
    int row, steps;
    std::array<int, 3> best;
    int wantRow, wantLine;
  };
  const Case cases[] = {
      // The best so far lies before the second sprint; two steps cross it.
      {"the sprint still pays", 0, 5, {2, 5, 60, 100}, {}, 5, 2, {5, 2, 1}, 7, 2},
      {"all three places taken: the better reach stays", 0, 5, {2, 5, 60, 100}, {{3, 4}, {4, 9}, {5, 12}}, 5, 2,
       {5, 2, 1}, 5, 1},
      // The best so far lies beyond a paying line; a square before every
      // line (line index 0) does not lose on the line and wins on its reach.
      {"a square before every line compares on reach", 3, 3, {3, 50, 60, 100}, {}, 2, 1, {4, 2, 1}, 3, 0},
      // Beyond the only sprint the line index is 3: the third place of a
      // third sprint, which is never taken, makes the line pay, so a square
      // beyond the sprint wins despite its poorer reach.
      {"one sprint: a missing sprint's place pays", 2, 2, {2, -1, -1, 100}, {}, 3, 2, {2, 2, 0}, 5, 3},
      {"one sprint: only that place decides", 2, 2, {2, -1, -1, 100}, {{8, 6}}, 3, 2, {2, 2, 0}, 2, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    clearTrack(240);
    road(0, 20, 2, 2);
    reach(0, 20, 2, 2, 20, 19);
    reach(c.reachFrom, c.reachTo, 2, 2, 40, 39);
    lines(c.lines[0], c.lines[1], c.lines[2], c.lines[3]);
    for (const auto& place : c.taken) raceResults[place.first] = place.second;
    MoveChoice choice = score(c.row, 2, c.steps, 0, 0, c.best);
    EXPECT_EQ(std::make_pair(choice.row, choice.line), std::make_pair(c.wantRow, c.wantLine));
  }
}

TEST_F(MoveSearchTest, ChainsCountRidersWhoHaveMovedOnTheSameTerrain) {
  road(0, 30, 4, 4);
  reach(0, 30, 4, 4, 40, 39);
  trackSquareValue[12][4] = SQUARE_PASS_THROUGH;
  place(1, 14, 4, true);   // team-mate, adjacent
  place(4, 13, 4, true);   // opponent behind
  place(2, 11, 4, true);   // team-mate three positions back (row 12 not counted)
  place(5, 9, 4, true);    // beyond the gap on row 10: not in the chain
  place(6, 16, 4, true);   // opponent ahead
  place(7, 17, 4, false);  // has not moved: ends the chain
  place(8, 18, 4, true);
  MoveChoice choice = score(15, 4, 0, 0);
  EXPECT_EQ(choice.mates, 2);
  EXPECT_EQ(choice.dist, 1);
  EXPECT_EQ(choice.behind, 1);
  EXPECT_EQ(choice.ahead, 1);

  // Another team moving: riders 4 to 7 are his mates now.
  choice = score(15, 4, 0, 5);
  EXPECT_EQ(choice.mates, 2);
  EXPECT_EQ(choice.dist, 1);
  EXPECT_EQ(choice.behind, 2);
  EXPECT_EQ(choice.ahead, 0);

  // Cobbles on row 13 end the chain behind there.
  trackTerrain[13][4] = TERRAIN_COBBLES;
  choice = score(15, 4, 0, 0);
  EXPECT_EQ(choice.mates, 1);
  EXPECT_EQ(choice.behind, 0);
  trackTerrain[13][4] = TERRAIN_FLAT;

  // Only a mate far back: his distance counts; a rider on the lap copy of a
  // square belongs to the chain as well.
  trackOccupant[14][4] = -1;
  choice = score(15, 4, 0, 0);
  EXPECT_EQ(choice.mates, 0);
  EXPECT_EQ(choice.dist, 99);
  place(1, 14 + 109, 4 + 3, true);
  choice = score(15, 4, 0, 0);
  EXPECT_EQ(choice.mates, 2);
  EXPECT_EQ(choice.dist, 1);
}

// The mover (rider 0) starts from (10, 2), a -4 climb square, with a total of
// 7: he has 7 - 4 = 3 steps, and a follower may use as many steps as the
// mover took to reach the candidate.
// Queued behind him: his team-mate rider 1, then rider 4 of another team.
class FollowTestTest : public MoveSearchTest {
 protected:
  void SetUp() override {
    MoveSearchTest::SetUp();
    road(0, 30, 2, 2);
    reach(0, 30, 2, 2, 50, 45);
    trackSquareValue[10][2] = -4;
    moveEndpoints[0] = 10;
    moveEndpoints[1] = 2;
    movementTotal = 7;
    activeRider = 0;
    place(1, 9, 2, false);
    place(4, 8, 2, false);
  }
};

TEST_F(FollowTestTest, RecordedSearchPrefersASquareTeamMatesCanFollowTo) {
  // Three steps ahead rider 1 follows in the three steps the mover took;
  // rider 4, stuck behind him on the one-lane road, ends the queue (share 1).
  // The squares nearer by do no better, so the farthest is kept.
  MoveChoice choice = score(10, 2, 3, 0, 1);
  EXPECT_EQ(choice.row, 13);
  EXPECT_STREQ(choice.path, "MMM");
  EXPECT_DOUBLE_EQ(choice.share, 1.0);
  for (int r = 0; r < RIDER_COUNT; r++) EXPECT_EQ(bestMoveRiderValues[r], r == 1 ? 50 : -1) << r;
}

TEST_F(FollowTestTest, TrialSearchNeitherTestsFollowersNorRecords) {
  for (int r = 0; r < RIDER_COUNT; r++) bestMoveRiderValues[r] = 77;
  MoveChoice choice = score(10, 2, 3, 0, 0);
  EXPECT_EQ(choice.row, 13);
  EXPECT_STREQ(choice.path, "MMM");
  for (int r = 0; r < RIDER_COUNT; r++) EXPECT_EQ(bestMoveRiderValues[r], 77);
}

TEST_F(FollowTestTest, BreakawayOrShortMoveSkipsTheFollowTest) {
  breakawayDeclared = 1;
  for (int r = 0; r < RIDER_COUNT; r++) bestMoveRiderValues[r] = 77;
  MoveChoice choice = score(10, 2, 3, 0, 1);
  EXPECT_EQ(choice.row, 13);
  for (int r = 0; r < RIDER_COUNT; r++) EXPECT_EQ(bestMoveRiderValues[r], -1);

  breakawayDeclared = 0;
  movementTotal = 6;
  choice = score(10, 2, 3, 0, 1);
  EXPECT_EQ(choice.row, 13);
  EXPECT_DOUBLE_EQ(choice.share, 0.25);
}

TEST_F(FollowTestTest, FollowersGetTheStepsTheMoverUsed) {
  // A two-lane road, a flat start and a queue of an opponent (rider 4) in
  // front of a team-mate (rider 1), who can pass him in lane 3. A 7-step move
  // lets both draft to every square two or more steps ahead (share 0.5), so
  // the search keeps the farthest one. Were the followers given the steps
  // the mover has left, nobody could follow past three steps (share 0.25)
  // and the search would stop at row 13.
  road(0, 30, 3, 3);
  reach(0, 30, 3, 3, 50, 45);
  trackSquareValue[10][2] = 0;
  trackOccupant[9][2] = trackOccupant[8][2] = -1;
  place(4, 9, 2, false);
  place(1, 8, 2, false);
  for (int r = 0; r < RIDER_COUNT; r++) bestMoveRiderValues[r] = -1;
  MoveChoice choice = score(10, 2, 7, 0, 1);
  EXPECT_EQ(at(choice), std::make_pair(17, 3));
  EXPECT_DOUBLE_EQ(choice.share, 0.5);
  for (int r = 0; r < RIDER_COUNT; r++)
    EXPECT_EQ(bestMoveRiderValues[r], r == 1 || r == 4 ? 50 : -1) << r;
}

// A wider road: from (10, 2) with a total of 8 the mover may step to (11, 1),
// (11, 2) or (11, 3). Rider 1 (his team) and rider 4 (another team) queue
// behind him.
class FollowTermTest : public MoveSearchTest {
 protected:
  void SetUp() override {
    MoveSearchTest::SetUp();
    road(0, 30, 0, 4);
    reach(0, 30, 0, 4, 50, 45);
    moveEndpoints[0] = 10;
    moveEndpoints[1] = 2;
    movementTotal = 8;
    activeRider = 0;
    place(1, 9, 2, false);
    place(4, 8, 2, false);
  }
};

TEST_F(FollowTermTest, BetterReachWinsWhenTheFollowersDoNotLose) {
  // (11, 2): rider 4 would need rider 1's square, share 1. (11, 3): both
  // follow, share 0.5, but its reach is better and rider 1 keeps his reach.
  trackReach12[11][3] = 52;
  MoveChoice choice = score(10, 2, 1, 0, 1);
  EXPECT_EQ(at(choice), std::make_pair(11, 3));
  EXPECT_DOUBLE_EQ(choice.share, 0.5);
  EXPECT_EQ(bestMoveRiderValues[1], 50);
  EXPECT_EQ(bestMoveRiderValues[4], 50);
}

TEST_F(FollowTermTest, BetterReachLosesWhenItHelpsTheOpponentsMore) {
  // Rider 1 would fall back 2 in reach and rider 4 gains a follow worth
  // 8 - 6 = 2: 3 * (2 - 2) - 2 < 0.
  trackReach12[11][3] = 52;
  trackReach12[10][3] = 48;
  MoveChoice choice = score(10, 2, 1, 0, 1);
  EXPECT_EQ(at(choice), std::make_pair(11, 2));
  EXPECT_DOUBLE_EQ(choice.share, 1.0);
  EXPECT_EQ(bestMoveRiderValues[1], 50);
  EXPECT_EQ(bestMoveRiderValues[4], -1);
}

TEST_F(MoveSearchTest, ReachTablesOnAStraightRoad) {
  road(0, 99, 0, 2);
  trackSquareValue[50][1] = 3;   // descent: three more steps
  trackSquareValue[60][1] = -2;  // climb
  trackSquareValue[70][1] = SQUARE_PASS_THROUGH;
  computeReachTables();
  EXPECT_EQ(trackReach12[0][0], 12);
  EXPECT_EQ(trackReach11[0][0], 11);
  EXPECT_EQ(trackReach12[50][1], 65);
  EXPECT_EQ(trackReach11[50][1], 64);
  // Ten steps from the climb square: the tenth slides over row 70.
  EXPECT_EQ(trackReach12[60][1], 71);
  EXPECT_EQ(trackReach12[95][2], 99);
  EXPECT_EQ(trackReach12[70][1], -1);
  EXPECT_EQ(trackReach11[70][1], -1);
  EXPECT_EQ(trackReach12[10][3], -1);
}

TEST_F(MoveSearchTest, ReachNearTheEndOfTheGridIsNotSearched) {
  road(500, TRACK_ROWS - 1, 0, 2);
  computeReachTables();
  EXPECT_EQ(trackReach12[524][0], 536);  // still searched
  EXPECT_EQ(trackReach11[524][0], 535);
  EXPECT_EQ(trackReach12[525][0], 543);
  EXPECT_EQ(trackReach11[525][0], 542);
  EXPECT_EQ(trackReach12[544][2], 562);
  EXPECT_EQ(trackReach11[544][2], 561);
}

TEST_F(MoveSearchTest, PassThroughRunAtTheEndOfTheRoad) {
  // The road ends in a run of pass-through squares. The reach counts the
  // row the slide gets to, just past the road; a real move cannot end
  // there, nor on the run, and stops in front of it. A slide off the grid
  // reaches nothing.
  road(0, 99, 0, 0);
  road(90, 99, 0, 0, SQUARE_PASS_THROUGH);
  EXPECT_EQ(farthestReachRow(85, 0, 12), 100);
  EXPECT_EQ(farthestReachRow(100, 0, 12), -1);  // not a square
  EXPECT_EQ(score(85, 0, 12).row, 89);
  MovePath path;
  EXPECT_FALSE(findMovePath(85, 0, 12, 100, 0, path));

  road(500, TRACK_ROWS - 1, 5, 5);
  road(530, TRACK_ROWS - 1, 5, 5, SQUARE_PASS_THROUGH);
  EXPECT_EQ(farthestReachRow(520, 5, 20), 529);
  EXPECT_EQ(farthestReachRow(530, 5, 3), -1);  // starting inside the run
  EXPECT_FALSE(findMovePath(520, 5, 20, TRACK_ROWS, 5, path));
}

TEST_F(MoveSearchTest, PathsNeverOutgrowTheirBuffers) {
  road(0, 100, 0, 0);
  reach(0, 100, 0, 0, 30, 29);
  EXPECT_EQ(farthestReachRow(0, 0, 60), MAX_STEP_BUDGET);
  MoveChoice choice = score(0, 0, 60);
  EXPECT_EQ(choice.row, MAX_STEP_BUDGET);
  EXPECT_EQ(strlen(choice.path), static_cast<size_t>(MAX_STEP_BUDGET));
  // A path already begun leaves room only for the rest.
  MovePath building = "MMMMM";
  clearBudgetGrid(&testGrid);
  choice = searchDirect(5, 0, 60, building, 0);
  EXPECT_EQ(choice.row, MAX_STEP_BUDGET);
  EXPECT_EQ(strlen(choice.path), static_cast<size_t>(MAX_STEP_BUDGET));
  EXPECT_STREQ(building, "MMMMM");
}

TEST_F(MoveSearchTest, ClearedGridForgetsTheLastSearch) {
  road(0, 20, 0, 2);
  MovePath building = {};
  clearBudgetGrid(&testGrid);
  searchDirect(0, 1, 3, building, 1);
  EXPECT_EQ(budgetGridEntry(&testGrid, 0, 1), 3);
  EXPECT_EQ(budgetGridEntry(&testGrid, 2, 1), 1);
  clearBudgetGrid(&testGrid);
  EXPECT_EQ(budgetGridEntry(&testGrid, 0, 1), -1);
  EXPECT_EQ(budgetGridEntry(&testGrid, 2, 1), -1);
  EXPECT_EQ(budgetGridEntry(&testGrid, -1, 1), -1);

  // When the generation count runs round, every old mark is wiped.
  testGrid.generation = 0xFFFFFFFFu;
  testGrid.stamp[4][4] = 1;
  testGrid.steps[4][4] = 7;
  testGrid.stamp[5][5] = 0xFFFFFFFFu;
  testGrid.steps[5][5] = 6;
  EXPECT_EQ(budgetGridEntry(&testGrid, 5, 5), 6);
  clearBudgetGrid(&testGrid);
  EXPECT_EQ(budgetGridEntry(&testGrid, 4, 4), -1);
  EXPECT_EQ(budgetGridEntry(&testGrid, 5, 5), -1);
  EXPECT_EQ(searchDirect(0, 1, 3, building, 1).row, 3);
  EXPECT_EQ(budgetGridEntry(&testGrid, 0, 1), 3);
}

// ---- Comparison with a plain enumeration of every path -------------------

const int SMALL_ROWS = 24;
const int SMALL_LANES = 6;

// Every path from (row, lane) with `steps` steps, step by step under the step
// rules, without any pruning; pass-through squares slide on.
struct Enumeration {
  int mostStepsLeft[TRACK_ROWS][TRACK_LANES];
  std::string firstPath[TRACK_ROWS][TRACK_LANES];
  bool ignoreOccupancy = false;

  void run(int row, int lane, int steps, bool ignore) {
    for (auto& r : mostStepsLeft)
      for (int& v : r) v = -1;
    for (auto& r : firstPath)
      for (std::string& p : r) p.clear();
    ignoreOccupancy = ignore;
    std::string path;
    walk(row, lane, steps, path);
  }
  void walk(int row, int lane, int steps, std::string& path) {
    // Measuring the reach, a slide that ends on a cell without a square
    // reaches that cell; a real move never gets there.
    if (!insideTrack(row, lane)) return;
    if (trackSquareValue[row][lane] == SQUARE_NONE && !ignoreOccupancy) return;
    if (trackSquareValue[row][lane] == SQUARE_PASS_THROUGH) {
      walk(row + 1, lane, steps, path);
      return;
    }
    if (mostStepsLeft[row][lane] == -1) firstPath[row][lane] = path;
    if (steps > mostStepsLeft[row][lane]) mostStepsLeft[row][lane] = steps;
    if (steps <= 0) return;
    for (char step : {'M', 'L', 'R'}) {
      if (stepBlocked(tryStep(row, lane, step, ignoreOccupancy ? 1 : 0))) continue;
      path.push_back(step);
      walk(row + 1, step == 'M' ? lane : step == 'L' ? lane - 1 : lane + 1, steps - 1, path);
      path.pop_back();
    }
  }
};

// The first path met in step order that reaches the target.
bool firstPathTo(int row, int lane, int steps, int targetRow, int targetLane, std::string& path) {
  if (row == targetRow && lane == targetLane) return true;
  if (!insideTrack(row, lane) || trackSquareValue[row][lane] == SQUARE_NONE) return false;
  if (trackSquareValue[row][lane] == SQUARE_PASS_THROUGH)
    return firstPathTo(row + 1, lane, steps, targetRow, targetLane, path);
  if (steps <= 0) return false;
  for (char step : {'M', 'L', 'R'}) {
    if (stepBlocked(tryStep(row, lane, step, 0))) continue;
    path.push_back(step);
    if (firstPathTo(row + 1, step == 'M' ? lane : step == 'L' ? lane - 1 : lane + 1, steps - 1,
                    targetRow, targetLane, path))
      return true;
    path.pop_back();
  }
  return false;
}

Enumeration enumeration;

void layRandomTrack(std::mt19937& random) {
  std::uniform_int_distribution<int> percent(0, 99), modifier(-3, 3), lane(0, SMALL_LANES - 1);
  std::uniform_int_distribution<int> reachValue(0, 60), row(0, SMALL_ROWS - 1);
  for (int r = 0; r < SMALL_ROWS; r++)
    for (int l = 0; l < SMALL_LANES; l++) {
      int p = percent(random);
      trackSquareValue[r][l] = p < 12 ? SQUARE_NONE : p < 24 ? SQUARE_PASS_THROUGH : modifier(random);
      trackTerrain[r][l] = p < 24 ? TERRAIN_NONE : TERRAIN_FLAT;
      trackReach12[r][l] = reachValue(random);
      trackReach11[r][l] = trackReach12[r][l] - percent(random) % 3;
      trackOccupant[r][l] = -1;
    }
  trackDividerCount = percent(random) % 4;
  for (int d = 0; d < trackDividerCount; d++) {
    int from = row(random);
    trackDividers[d] = LaneDivider(from, from + 1 + percent(random) % 6, lane(random) % (SMALL_LANES - 1));
  }
  for (int rider = 0; rider < RIDER_COUNT; rider++) {
    riders[rider].row = riders[rider].lane = -1;
    riders[rider].movedThisRound = 0;
  }
  int riderCount = percent(random) % 6;
  for (int rider = 0; rider < riderCount; rider++) {
    int r = row(random), l = lane(random);
    if (trackSquareValue[r][l] < SQUARE_PASS_THROUGH + 1 || trackOccupant[r][l] != -1) continue;
    putRider(rider, r, l);
  }
}

TEST_F(MoveSearchTest, PrunedSearchesAgreeWithEveryPathEnumerated) {
  std::mt19937 random(20240611);
  std::uniform_int_distribution<int> row(0, SMALL_ROWS - 1), lane(0, SMALL_LANES - 1);
  std::uniform_int_distribution<int> budget(0, 8);
  clearTrack(SMALL_ROWS);
  // Every line pays and the three lines split the road, so every square has a
  // line index of 1 or more and the scoring is a plain order: line index,
  // then reach, then row, then lane.
  lineRows[1] = 8;
  lineRows[2] = 16;
  movementTotal = 5;
  int compared = 0, withSteps = 0;
  for (int track = 0; track < 150; track++) {
    layRandomTrack(random);
    for (int start = 0; start < 6; start++) {
      int r = row(random) / 2, l = lane(random), steps = budget(random);
      if (trackSquareValue[r][l] == SQUARE_NONE || trackOccupant[r][l] != -1) continue;
      SCOPED_TRACE("track " + std::to_string(track) + " from " + std::to_string(r) + "," +
                   std::to_string(l) + " with " + std::to_string(steps));

      // Farthest mode: the farthest square and every grid entry.
      MovePath building = {};
      clearBudgetGrid(&testGrid);
      const MoveChoice farthest = searchDirect(r, l, steps, building, 1);
      enumeration.run(r, l, steps, true);
      int farRow = -1, farLane = -1;
      for (int rr = 0; rr < TRACK_ROWS; rr++)
        for (int ll = 0; ll < TRACK_LANES; ll++) {
          ASSERT_EQ(budgetGridEntry(&testGrid, rr, ll), enumeration.mostStepsLeft[rr][ll])
              << "farthest, square " << rr << "," << ll;
          if (enumeration.mostStepsLeft[rr][ll] != -1) {
            farRow = rr;
            farLane = ll;
          }
        }
      EXPECT_EQ(at(farthest), std::make_pair(farRow, farLane));

      // Scoring mode: the best square by the plain order, with the first
      // path that reached it.
      clearBudgetGrid(&testGrid);
      const MoveChoice choice = searchDirect(r, l, steps, building, 0);
      enumeration.run(r, l, steps, false);
      int wantRow = -1, wantLane = -1;
      auto lineIndexOf = [](int row) { return row <= 8 ? 1 : row <= 16 ? 2 : 4; };
      for (int rr = 0; rr < TRACK_ROWS; rr++)
        for (int ll = 0; ll < TRACK_LANES; ll++) {
          ASSERT_EQ(budgetGridEntry(&testGrid, rr, ll), enumeration.mostStepsLeft[rr][ll])
              << "scoring, square " << rr << "," << ll;
          if (enumeration.mostStepsLeft[rr][ll] == -1) continue;
          if (wantRow == -1 || lineIndexOf(rr) > lineIndexOf(wantRow) ||
              (lineIndexOf(rr) == lineIndexOf(wantRow) &&
               trackReach12[rr][ll] >= trackReach12[wantRow][wantLane])) {
            wantRow = rr;
            wantLane = ll;
          }
        }
      EXPECT_EQ(at(choice), std::make_pair(wantRow, wantLane));
      if (wantRow != -1) {
        EXPECT_EQ(std::string(choice.path), enumeration.firstPath[wantRow][wantLane]);
        if (choice.path[0] != '\0') withSteps++;
      }

      // Target mode: the first path in step order to a few squares.
      for (int t = 0; t < 4; t++) {
        int tr = r + 1 + row(random) % 8, tl = lane(random);
        std::string expected;
        if (!firstPathTo(r, l, steps, tr, tl, expected)) expected.clear();
        MovePath path;
        findMovePath(r, l, steps, tr, tl, path);
        EXPECT_EQ(std::string(path), expected) << "to " << tr << "," << tl;
      }
      compared++;
    }
  }
  EXPECT_GT(compared, 400);
  EXPECT_GT(withSteps, 200);
}

// ---- The reach tables of laid courses -------------------------------------

bool layCourse(const char* course) {
  initBoardSections();
  return buildTestCourse(course);
}

TEST(ReachTablesTest, LaidCoursesHoldConsistentReach) {
  const char* courses[] = {"64S5F12", "01S23S7S8F12", "67S8F12", "01S23S4S5F12", "012S37812F34",
                           "012378123781237812378F1237"};
  for (const char* course : courses) {
    SCOPED_TRACE(course);
    ASSERT_TRUE(layCourse(course));
    int searched = 0;
    for (int row = 0; row < TRACK_ROWS; row++)
      for (int lane = 0; lane < TRACK_LANES; lane++) {
        int value = trackSquareValue[row][lane];
        if (value == SQUARE_NONE || value == SQUARE_PASS_THROUGH) {
          ASSERT_EQ(trackReach12[row][lane], -1) << row << "," << lane;
          ASSERT_EQ(trackReach11[row][lane], -1) << row << "," << lane;
          continue;
        }
        ASSERT_GE(trackReach12[row][lane], trackReach11[row][lane]) << row << "," << lane;
        ASSERT_GE(trackReach11[row][lane], row) << row << "," << lane;
        if (row >= 525) {
          ASSERT_EQ(trackReach12[row][lane], row + 18);
          ASSERT_EQ(trackReach11[row][lane], row + 17);
        } else {
          // A reach lies on the course, or just past its end at the end of
          // a slide over the pass-through squares that close it.
          ASSERT_LE(trackReach12[row][lane], trackRowCount) << row << "," << lane;
          searched++;
        }
      }
    EXPECT_GT(searched, 200);
  }
  // The longest of them reaches into the rows that are not searched.
  EXPECT_GT(trackRowCount, 525);
}

// The farthest row any walk of the step rules reaches from (row, lane) with
// `steps` steps, riders ignored: each step lands one row on and slides over
// pass-through squares; a slide off the grid reaches nothing.
int walkedReach(int row, int lane, int steps) {
  static bool seen[TRACK_ROWS][TRACK_LANES][MAX_STEP_BUDGET + 1];
  memset(seen, 0, sizeof seen);
  std::vector<std::array<int, 3>> open = {{row, lane, steps}};
  int farthest = row;
  while (!open.empty()) {
    auto [r, l, s] = open.back();
    open.pop_back();
    if (s == 0) continue;
    for (char step : {'M', 'L', 'R'}) {
      if (stepBlocked(tryStep(r, l, step, 1))) continue;
      int t = step == 'M' ? l : step == 'L' ? l - 1 : l + 1;
      int landing = r + 1;
      while (landing < TRACK_ROWS && trackSquareValue[landing][t] == SQUARE_PASS_THROUGH) landing++;
      if (landing >= TRACK_ROWS || seen[landing][t][s - 1]) continue;
      seen[landing][t][s - 1] = true;
      farthest = std::max(farthest, landing);
      open.push_back({landing, t, s - 1});
    }
  }
  return farthest;
}

TEST(ReachTablesTest, ReachAtTheEndOfACourseAgreesWithTheStepRules) {
  // The default course closes with section 4 after the finish, whose last
  // rows end in pass-through squares: a slide there reaches the row just
  // past the road.
  ASSERT_TRUE(layCourse("012S37812F34"));
  int compared = 0, pastTheEnd = 0;
  for (int row = trackRowCount - 30; row < trackRowCount; row++)
    for (int lane = 0; lane < TRACK_LANES; lane++) {
      int value = trackSquareValue[row][lane];
      if (value == SQUARE_NONE || value == SQUARE_PASS_THROUGH) continue;
      ASSERT_EQ(trackReach12[row][lane], walkedReach(row, lane, 12 + value)) << row << "," << lane;
      ASSERT_EQ(trackReach11[row][lane], walkedReach(row, lane, 11 + value)) << row << "," << lane;
      compared++;
      if (trackReach12[row][lane] == trackRowCount) pastTheEnd++;
    }
  EXPECT_GT(compared, 25);
  EXPECT_GT(pastTheEnd, 5);
}

TEST(ReachTablesTest, ReachDoesNotDependOnRidersOnTheRoad) {
  ASSERT_TRUE(layCourse("01S23S7S8F12"));
  static int32_t before[TRACK_ROWS][TRACK_LANES];
  memcpy(before, trackReach12, sizeof before);
  for (int rider = 0; rider < RIDER_COUNT; rider++) {
    int row = 20 + rider * 3, lane = 2 + rider % 4;
    if (trackSquareValue[row][lane] > SQUARE_PASS_THROUGH) trackOccupant[row][lane] = rider;
  }
  computeReachTables();
  EXPECT_EQ(memcmp(before, trackReach12, sizeof before), 0);
  for (int row = 0; row < TRACK_ROWS; row++)
    for (int lane = 0; lane < TRACK_LANES; lane++) trackOccupant[row][lane] = -1;
}

}  // namespace
