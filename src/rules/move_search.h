// The search over the steps of a move. From a start square it walks every
// square a rider can reach with a number of steps under the step rules, in
// one of three modes:
// - target: the first path to one given square, trying 'M', 'L', 'R' in
//   that order at every square (drafting, and the follow test below);
// - farthest: the farthest square reachable, ignoring riders on the road
//   (the reach tables);
// - scoring: every reachable square scored as an end square for a computer
//   rider, the best one returned with its path. The scoring prefers crossing
//   a scoring line that still pays, then reach for the next turn, then the
//   company of team-mates and shelter for drafting.
// The search is depth-first: a square's children ('M', 'L', 'R') are
// expanded before the square itself is evaluated. The scoring comparisons do
// not form a total order, so this order is part of the result.
#pragma once
#include <cstdint>

#include "model/track.h"
#include "rules/throw_rules.h"

// The most steps left with which each square has been expanded in the current
// search; -1 where it has not. A square is expanded again only when reached
// with more steps left. Each cell carries the generation it was written in,
// so clearing the grid for a new search costs nothing and a search costs
// what it visits, not the size of the grid.
struct BudgetGrid {
  uint32_t generation = 1;
  uint32_t stamp[TRACK_ROWS][TRACK_LANES] = {};
  int32_t steps[TRACK_ROWS][TRACK_LANES] = {};
};

// Sets every entry back to -1 for a new search.
void clearBudgetGrid(BudgetGrid* grid);
// The entry of (row, lane): the most steps left it was expanded with, or -1.
int32_t budgetGridEntry(const BudgetGrid* grid, int32_t row, int32_t lane);

// Expands (row, lane) with `steps` steps left and everything reachable from
// it. The caller clears the grid, empties path and bestPath (each a MovePath
// buffer) and sets the best values before a search (best row and lane -1,
// dist 99, the counts 0, share 0); the result comes back through them.
// `mover` points to the rider whose team counts as his own in scoring mode.
// targetRow/targetLane -1/-1 mean no target. record (scoring mode only) marks
// the search for the move really played: it runs the follow test for moves
// of 7 or more and records the followers of the best square in
// bestMoveRiderValues. farthest selects farthest mode (no target).
// Steps beyond what the path buffers can hold are not taken.
void searchMoves(int32_t row, int32_t lane, int32_t steps, const int32_t* mover,
                 int32_t* bestLine, int32_t* bestRow, int32_t* bestLane,
                 int32_t* bestMates, int32_t* bestAhead, int32_t* bestBehind,
                 int32_t* bestDist, double* bestShare, BudgetGrid* grid,
                 char* path, char* bestPath, int32_t targetRow, int32_t targetLane,
                 int32_t record, int32_t farthest);

// Whether the line crossed on the way to a square of line index k (1 to 4,
// see MoveChoice::line) still pays: its last place is free. Index 0 crosses
// no line.
bool crossedLinePays(int32_t k);

// The best square of a scoring search with the values it is compared by.
struct MoveChoice {
  int32_t line = -1;    // index of the next scoring line ahead of it, 4 beyond the finish
  int32_t row = -1;     // -1: no best square yet
  int32_t lane = -1;
  int32_t mates = 0;    // team-mates in the chains round it
  int32_t ahead = 0;    // opponents in the chain ahead
  int32_t behind = 0;   // opponents in the chain behind
  int32_t dist = 99;    // distance to the nearest team-mate in a chain
  double share = 0;     // part of the possible followers from the mover's team
  MovePath path = {};
};

// A scoring search from (row, lane) with `steps` steps on a cleared grid with
// empty paths; it starts from the best values in *choice (fresh ones start
// afresh, a preset row and lane start with that square as the best so far)
// and leaves the best square and its path there.
void scoreMoves(int32_t row, int32_t lane, int32_t steps, int32_t mover, int32_t record,
                MoveChoice* choice);

// The first path, in 'M', 'L', 'R' order, from (row, lane) to the target
// square within `steps` steps, riders on the road respected. False and an
// empty path when there is none.
bool findMovePath(int32_t row, int32_t lane, int32_t steps, int32_t targetRow,
                  int32_t targetLane, char* path);

// The farthest row reachable from (row, lane) with `steps` steps, whoever
// stands on the road; -1 when (row, lane) is not a square of the grid. A
// slide over a pass-through run that ends on a cell without a square counts
// the row of that cell; one that runs off the grid reaches nothing.
int32_t farthestReachRow(int32_t row, int32_t lane, int32_t steps);

// Fills trackReach12 and trackReach11 for the laid course: every square that
// is neither missing nor pass-through gets the farthest row reachable with 12
// (11) steps plus its own modifier; squares in rows 525 and beyond, too close
// to the end of the grid to search, get row + 18 (row + 17).
void computeReachTables();
