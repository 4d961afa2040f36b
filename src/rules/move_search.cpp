#include "rules/move_search.h"

#include <cstring>

#include "model/board_sections.h"
#include "model/occupancy.h"
#include "rules/race_state.h"

namespace {

const int32_t NO_TEAM_MATE = 99;
const int32_t REACH_SEARCH_ROWS = 525;  // from this row on the reach is not searched

// Everything one search works with: the caller's best values and buffers.
struct Search {
  const int32_t* mover;
  int32_t* bestLine;
  int32_t* bestRow;
  int32_t* bestLane;
  int32_t* bestMates;
  int32_t* bestAhead;
  int32_t* bestBehind;
  int32_t* bestDist;
  double* bestShare;
  BudgetGrid* grid;
  char* path;
  char* bestPath;
  int32_t targetRow;
  int32_t targetLane;
  int32_t record;
  int32_t farthest;
  bool hasTarget;
};

// Scratch of the follow test's nested target searches: they run inside a
// scoring search, so they need a grid and paths of their own.
BudgetGrid followGrid;
MovePath followPath;
MovePath followBestPath;

// Within one recorded search the board does not change, so whether a
// follower can reach a square depends only on (start, target, budget): those
// answers are kept for the rest of that search.
const int FOLLOW_CACHE_SIZE = 4096;  // a power of two
struct FollowCacheEntry {
  uint64_t key;
  uint32_t stamp;
  bool found;
};
FollowCacheEntry followCache[FOLLOW_CACHE_SIZE];
uint32_t followCacheGeneration = 0;

// Scratch of the searches started by the helpers below (one at a time).
BudgetGrid helperGrid;

int32_t squareValue(int32_t row, int32_t lane) {
  return insideTrack(row, lane) ? trackSquareValue[row][lane] : SQUARE_NONE;
}

int32_t reach12(int32_t row, int32_t lane) {
  return insideTrack(row, lane) ? trackReach12[row][lane] : -1;
}

int32_t reach11(int32_t row, int32_t lane) {
  return insideTrack(row, lane) ? trackReach11[row][lane] : -1;
}

bool sameTeam(int32_t a, int32_t b) {
  return isRiderIndex(a) && isRiderIndex(b) && riderTeam(a) == riderTeam(b);
}

// The rider on (row, lane) or a lap copy of it who has not moved this round.
int32_t unmovedRiderAt(int32_t row, int32_t lane) {
  int32_t rider = riderAtSquare(row, lane, true);
  if (!isRiderIndex(rider) || riders[rider].movedThisRound) return -1;
  return rider;
}

void expand(const Search& search, int32_t row, int32_t lane, int32_t steps, int depth);

// Index of the next scoring line at or ahead of `row`: lines not laid count
// as passed; 4 when the finish is behind too.
int32_t lineIndex(int32_t row) {
  for (int32_t i = 0; i < 4; i++)
    if (lineRows[i] != -1 && lineRows[i] >= row) return i;
  return 4;
}

// +1 when line index k is ahead of the best square's and the line just
// crossed still pays (its last place is free), -1 when it is behind the best
// square's and still pays, 0 otherwise. With fewer than three sprints a
// square beyond the last sprint reads the places of a sprint that is not
// laid, which stay free all race.
int lineTermOf(int32_t k, int32_t bestLine) {
  if (!crossedLinePays(k)) return 0;
  if (k > bestLine) return 1;
  if (k < bestLine) return -1;
  return 0;
}

struct Chains {
  int32_t mates = 0;
  int32_t ahead = 0;
  int32_t behind = 0;
  int32_t dist = NO_TEAM_MATE;
};

// Walks along the candidate's lane away from it (direction -1 behind, +1
// ahead), over the riders who have moved this round on the same terrain,
// pass-through squares not counted.
void walkChain(int32_t row, int32_t lane, int32_t direction, int32_t mover, Chains* chains) {
  int32_t terrain = trackTerrain[row][lane];
  int32_t distance = 0;
  int32_t r = row + direction;
  while (r >= 0 && r < TRACK_ROWS) {
    while (r >= 0 && r < TRACK_ROWS && trackSquareValue[r][lane] == SQUARE_PASS_THROUGH) r += direction;
    if (r < 0 || r >= TRACK_ROWS) break;
    distance++;
    if (trackTerrain[r][lane] != terrain) break;
    int32_t rider = riderAtSquare(r, lane, true);
    if (!isRiderIndex(rider) || !riders[rider].movedThisRound) break;
    if (sameTeam(rider, mover)) {
      chains->mates++;
      if (distance < chains->dist) chains->dist = distance;
    } else if (direction < 0) {
      chains->behind++;
    } else {
      chains->ahead++;
    }
    r += direction;
  }
}

// Whether a follower standing on (row, lane) finds a path to (targetRow,
// targetLane) within `steps` steps.
bool followerReaches(int32_t row, int32_t lane, int32_t targetRow, int32_t targetLane,
                     int32_t steps) {
  int32_t clamped = steps < -1 ? -1 : steps > MAX_STEP_BUDGET ? MAX_STEP_BUDGET : steps;
  uint64_t key = (static_cast<uint64_t>(row) << 27) | (static_cast<uint64_t>(lane) << 22) |
                 (static_cast<uint64_t>(targetRow) << 12) | (static_cast<uint64_t>(targetLane) << 7) |
                 static_cast<uint64_t>(clamped + 1);
  uint32_t slot = static_cast<uint32_t>((key * 0x9E3779B97F4A7C15ull) >> 52) & (FOLLOW_CACHE_SIZE - 1);
  FollowCacheEntry* entry = nullptr;
  for (int probe = 0; probe < 8; probe++) {
    FollowCacheEntry& candidate = followCache[(slot + probe) & (FOLLOW_CACHE_SIZE - 1)];
    if (candidate.stamp != followCacheGeneration) {
      entry = &candidate;
      break;
    }
    if (candidate.key == key) return candidate.found;
  }

  clearBudgetGrid(&followGrid);
  followPath[0] = '\0';
  followBestPath[0] = '\0';
  int32_t noRider = -1;
  MoveChoice unused;
  Search nested = {&noRider, &unused.line, &unused.row, &unused.lane, &unused.mates, &unused.ahead,
                   &unused.behind, &unused.dist, &unused.share, &followGrid, followPath,
                   followBestPath, targetRow, targetLane, 0, 0, true};
  expand(nested, row, lane, clamped, 0);
  bool found = followBestPath[0] != '\0';
  if (entry) {
    entry->key = key;
    entry->stamp = followCacheGeneration;
    entry->found = found;
  }
  return found;
}

struct FollowTest {
  double share = 0.25;
  int followTerm = 0;
  int32_t values[RIDER_COUNT];
};

// Which riders queued behind the mover's start square could draft behind
// him to the candidate square, each one to the square behind the one the
// rider before him would take; how many of them are his team-mates; and
// whether that is better or worse than at the best square so far.
void runFollowTest(const Search& search, int32_t row, int32_t lane, int32_t stepsLeft,
                   FollowTest* test) {
  for (int32_t& v : test->values) v = -1;
  int32_t mover = *search.mover;
  int32_t own = 0, others = 0;
  int32_t startRow = static_cast<int32_t>(moveEndpoints[0]);
  int32_t startLane = static_cast<int32_t>(moveEndpoints[1]);
  if (insideTrack(startRow, startLane)) {
    int32_t startTerrain = trackTerrain[startRow][startLane];
    // A follower drafts with the steps the mover used to get here: the
    // mover's budget less the steps he has left on the candidate.
    int32_t budget = movementTotal + trackSquareValue[startRow][startLane] - stepsLeft;
    int32_t r = startRow, l = startLane, tr = row, tl = lane;
    while ((unmovedRiderAt(r, l) != -1 && r > 0) || r == startRow) {
      r = squareRowBehind(r, l);
      tr = squareRowBehind(tr, tl);
      if (r < 0 || tr < 0) break;
      if (trackTerrain[r][l] != startTerrain) break;
      int32_t follower = unmovedRiderAt(r, l);
      if (follower == -1 || riderAtSquare(tr, tl, true) != -1) continue;
      if (!followerReaches(r, l, tr, tl, budget)) break;
      if (sameTeam(follower, mover))
        own++;
      else
        others++;
      test->values[follower] = reach12(tr, tl);
    }
  }
  if (own + others > 0) test->share = static_cast<double>(own) / (own + others);

  int32_t mateDelta = 0, otherDelta = 0;
  for (int32_t i = 0; i < RIDER_COUNT; i++) {
    int32_t v = test->values[i];
    int32_t b = bestMoveRiderValues[i];
    int32_t amount = 0;
    if (v != -1 && b == -1)
      amount = movementTotal - 6;
    else if (v == -1 && b != -1)
      amount = -(movementTotal - 6);
    else if (v != -1 && b != -1)
      amount = v - b;
    if (sameTeam(i, activeRider))
      mateDelta += amount;
    else
      otherDelta += amount;
  }
  if (*search.bestRow != -1 && (mateDelta != 0 || otherDelta != 0)) {
    int32_t d = 3 * ((reach12(row, lane) - reach12(*search.bestRow, *search.bestLane)) + mateDelta) -
                otherDelta;
    test->followTerm = d > 0 ? 1 : d < 0 ? -1 : 0;
  }
}

// Whether the candidate (row, lane) with these terms replaces the best square.
bool replacesBest(const Search& s, int32_t row, int32_t lane, int lineTerm, const Chains& c,
                  const FollowTest& f) {
  if (*s.bestRow == -1) return true;
  if (lineTerm == 1) return true;
  if (lineTerm != 0) return false;

  const int32_t T = movementTotal;
  const int32_t R12 = reach12(row, lane), R11 = reach11(row, lane);
  const int32_t B12 = reach12(*s.bestRow, *s.bestLane), B11 = reach11(*s.bestRow, *s.bestLane);
  const int32_t bestMates = *s.bestMates, bestAhead = *s.bestAhead, bestBehind = *s.bestBehind;
  const int32_t bestDist = *s.bestDist;
  const double bestShare = *s.bestShare;

  if (B12 < R11) return true;
  if (B12 < R12 && bestMates <= c.mates && f.followTerm != -1) return true;
  if (B11 <= R12 && bestMates < c.mates && (c.dist <= bestDist || bestMates + 1 < c.mates))
    return true;
  if (R12 != B12) return false;

  if (T >= 7) {
    bool sharesEqual = f.share == bestShare;
    bool sharesMatesDistEqual = sharesEqual && c.mates == bestMates && c.dist == bestDist;
    if (bestShare < f.share) return true;
    if (sharesEqual && bestMates < c.mates) return true;
    if (sharesEqual && c.mates == bestMates && c.dist < bestDist) return true;
    if (sharesMatesDistEqual && c.behind < bestBehind) return true;
    if (sharesMatesDistEqual && bestAhead < c.ahead) return true;
    if (sharesEqual && bestMates <= c.mates && f.followTerm == 1) return true;
  }
  if (T <= 6) {
    bool matesDistEqual = c.mates == bestMates && c.dist == bestDist;
    if (bestMates < c.mates) return true;
    if (c.mates == bestMates && c.dist < bestDist) return true;
    if (matesDistEqual && c.behind < bestBehind) return true;
    if (matesDistEqual && bestAhead < c.ahead) return true;
  }
  bool furtherOn = row > *s.bestRow || (row == *s.bestRow && lane > *s.bestLane);
  return bestMates <= c.mates && c.behind <= bestBehind &&
         (T <= 6 || (bestShare <= f.share && f.followTerm != -1)) && furtherOn;
}

void scoreCandidate(const Search& s, int32_t row, int32_t lane, int32_t stepsLeft, int depth) {
  int32_t k = lineIndex(row);
  int lineTerm = lineTermOf(k, *s.bestLine);
  if (lineTerm == -1 && *s.bestRow != -1) return;  // never replaces the best

  Chains chains;
  walkChain(row, lane, -1, *s.mover, &chains);
  walkChain(row, lane, +1, *s.mover, &chains);

  FollowTest follow;
  bool followTested = movementTotal >= 7 && s.record && !breakawayDeclared;
  if (followTested)
    runFollowTest(s, row, lane, stepsLeft, &follow);
  else
    for (int32_t& v : follow.values) v = -1;

  if (!replacesBest(s, row, lane, lineTerm, chains, follow)) return;
  *s.bestRow = row;
  *s.bestLane = lane;
  *s.bestLine = k;
  *s.bestMates = chains.mates;
  *s.bestAhead = chains.ahead;
  *s.bestBehind = chains.behind;
  *s.bestDist = chains.dist;
  *s.bestShare = follow.share;
  if (s.record)
    for (int32_t i = 0; i < RIDER_COUNT; i++) bestMoveRiderValues[i] = follow.values[i];
  memcpy(s.bestPath, s.path, static_cast<size_t>(depth) + 1);
}

const char STEP_ORDER[3] = {'M', 'L', 'R'};

void expand(const Search& s, int32_t row, int32_t lane, int32_t steps, int depth) {
  // Off the grid there is nothing to reach.
  if (!insideTrack(row, lane)) return;
  if (s.hasTarget && row == s.targetRow && lane == s.targetLane) {
    memcpy(s.bestPath, s.path, static_cast<size_t>(depth) + 1);
    return;
  }
  int32_t value = trackSquareValue[row][lane];
  if (value == SQUARE_PASS_THROUGH) {
    expand(s, row + 1, lane, steps, depth);
    return;
  }
  // A cell without a square is met only at the end of a slide over a
  // pass-through run, as where the road ends in one after the finish. The
  // reach counts the row the slide gets to; a real move never ends there
  // (the step rules refuse a step whose slide ends on no square), so the
  // other modes go no further.
  if (value == SQUARE_NONE && !s.farthest) return;

  BudgetGrid& grid = *s.grid;
  if (grid.stamp[row][lane] == grid.generation && grid.steps[row][lane] >= steps) return;
  grid.stamp[row][lane] = grid.generation;
  grid.steps[row][lane] = steps;

  if (steps > 0) {
    for (char step : STEP_ORDER) {
      int32_t target = step == 'M' ? lane : step == 'L' ? lane - 1 : lane + 1;
      if (target < 0 || target >= TRACK_LANES) continue;
      if (squareValue(row + 1, target) == SQUARE_NONE) continue;
      if (stepBlocked(tryStepPrepared(row, lane, step, s.farthest))) continue;
      s.path[depth] = step;
      s.path[depth + 1] = '\0';
      expand(s, row + 1, target, steps - 1, depth + 1);
      s.path[depth] = '\0';
      if (s.hasTarget && s.bestPath[0] != '\0') return;
    }
  }

  if (s.farthest) {
    if (row > *s.bestRow || (row == *s.bestRow && lane > *s.bestLane)) {
      *s.bestRow = row;
      *s.bestLane = lane;
    }
  } else if (!s.hasTarget) {
    scoreCandidate(s, row, lane, steps, depth);
  }
}

}  // namespace

bool crossedLinePays(int32_t k) {
  if (k < 1 || k > FINISH_LINE + 1) return false;
  int32_t lastPlace = k <= FINISH_LINE ? raceResults[SPRINT_PLACES * k - 1] : raceResults[RESULT_PLACES - 1];
  return lastPlace == -1;
}

void clearBudgetGrid(BudgetGrid* grid) {
  if (++grid->generation == 0) {
    memset(grid->stamp, 0, sizeof grid->stamp);
    grid->generation = 1;
  }
}

int32_t budgetGridEntry(const BudgetGrid* grid, int32_t row, int32_t lane) {
  if (!insideTrack(row, lane) || grid->stamp[row][lane] != grid->generation) return -1;
  return grid->steps[row][lane];
}

void searchMoves(int32_t row, int32_t lane, int32_t steps, const int32_t* mover,
                 int32_t* bestLine, int32_t* bestRow, int32_t* bestLane,
                 int32_t* bestMates, int32_t* bestAhead, int32_t* bestBehind,
                 int32_t* bestDist, double* bestShare, BudgetGrid* grid,
                 char* path, char* bestPath, int32_t targetRow, int32_t targetLane,
                 int32_t record, int32_t farthest) {
  bool hasTarget = !(targetRow == -1 && targetLane == -1);
  Search search = {mover, bestLine, bestRow, bestLane, bestMates, bestAhead, bestBehind,
                   bestDist, bestShare, grid, path, bestPath, targetRow, targetLane,
                   hasTarget || farthest ? 0 : record, hasTarget ? 0 : farthest, hasTarget};
  // The path buffers hold MAX_STEP_BUDGET letters: a path already begun
  // leaves fewer for the rest of the move.
  int depth = static_cast<int>(strnlen(path, MOVE_PATH_SIZE));
  if (depth >= MOVE_PATH_SIZE) return;
  if (steps > MAX_STEP_BUDGET - depth) steps = MAX_STEP_BUDGET - depth;
  prepareStepTable();
  if (search.record && ++followCacheGeneration == 0) {
    memset(followCache, 0, sizeof followCache);
    followCacheGeneration = 1;
  }
  expand(search, row, lane, steps, depth);
}

namespace {

// A search on the helpers' grid from an empty path: the best values start
// from *choice and the result comes back there, the best path in bestPath.
void searchFromScratch(int32_t row, int32_t lane, int32_t steps, int32_t mover, MoveChoice* choice,
                       char* bestPath, int32_t targetRow, int32_t targetLane, int32_t record,
                       int32_t farthest) {
  clearBudgetGrid(&helperGrid);
  MovePath path = {};
  bestPath[0] = '\0';
  searchMoves(row, lane, steps, &mover, &choice->line, &choice->row, &choice->lane, &choice->mates,
              &choice->ahead, &choice->behind, &choice->dist, &choice->share, &helperGrid, path,
              bestPath, targetRow, targetLane, record, farthest);
}

}  // namespace

void scoreMoves(int32_t row, int32_t lane, int32_t steps, int32_t mover, int32_t record,
                MoveChoice* choice) {
  searchFromScratch(row, lane, steps, mover, choice, choice->path, -1, -1, record, 0);
}

bool findMovePath(int32_t row, int32_t lane, int32_t steps, int32_t targetRow,
                  int32_t targetLane, char* path) {
  MoveChoice unused;
  searchFromScratch(row, lane, steps, -1, &unused, path, targetRow, targetLane, 0, 0);
  return path[0] != '\0';
}

int32_t farthestReachRow(int32_t row, int32_t lane, int32_t steps) {
  if (squareValue(row, lane) == SQUARE_NONE) return -1;
  MoveChoice farthest;
  searchFromScratch(row, lane, steps, -1, &farthest, farthest.path, -1, -1, 0, 1);
  return farthest.row;
}

void computeReachTables() {
  for (int pass = 0; pass < 2; pass++) {
    int32_t budget = pass == 0 ? 12 : 11;
    int32_t(*table)[TRACK_LANES] = pass == 0 ? trackReach12 : trackReach11;
    for (int32_t row = 0; row < TRACK_ROWS; row++) {
      for (int32_t lane = 0; lane < TRACK_LANES; lane++) {
        int32_t value = trackSquareValue[row][lane];
        if (value == SQUARE_NONE || value == SQUARE_PASS_THROUGH) continue;
        if (row >= REACH_SEARCH_ROWS)
          table[row][lane] = row + budget + 6;
        else
          table[row][lane] = farthestReachRow(row, lane, budget + value);
      }
    }
  }
}
