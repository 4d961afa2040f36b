#include "rules/crash_chain.h"

#include "model/board_sections.h"
#include "model/occupancy.h"
#include "model/track.h"
#include "rules/throw_rules.h"

namespace {

// True when a divider on the line between dividerLane and the lane after it
// covers row; the divider's last row counts as covered.
bool dividerAt(int dividerLane, int row) {
  for (int d = 0; d < trackDividerCount && d < MAX_TRACK_DIVIDERS; d++) {
    const LaneDivider& divider = trackDividers[d];
    if (divider.lane == dividerLane && divider.rowFrom <= row && row <= divider.rowTo) return true;
  }
  return false;
}

bool passThrough(int row, int lane) {
  return insideTrack(row, lane) && trackSquareValue[row][lane] == SQUARE_PASS_THROUGH;
}

// The rider on (row, lane) across laps when he can still be brought down,
// else -1.
int riderToBringDown(int row, int lane) {
  int rider = riderAtSquare(row, lane, true);
  if (!isRiderIndex(rider)) return -1;
  return riders[rider].skipTurns == 0 ? rider : -1;
}

// Passes the crash to every rider still upright on rows rowFrom down to
// rowTo of one lane.
void spreadAlongLane(int lane, int rowFrom, int rowTo, int originRow) {
  for (int q = rowFrom; q >= rowTo; q--)
    if (riderToBringDown(q, lane) != -1) spreadCrash(q, lane, originRow);
}

}  // namespace

void spreadCrash(int row, int lane, int originRow) {
  if (!insideTrack(row, lane)) return;
  int rider = riderAtSquare(row, lane, true);
  // Nobody on the square: nobody falls, and nothing passes the crash on.
  if (!isRiderIndex(rider)) return;
  riders[rider].skipTurns = 1;
  riders[rider].crashInvolved = 1;

  // The next square behind in the own lane; pass-through squares are only
  // ridden over, so the crash reaches past them.
  int behind = squareRowBehind(row, lane);
  if (behind >= 0 && riderToBringDown(behind, lane) != -1) spreadCrash(behind, lane, originRow);

  // Beside: the neighbouring lane from this row back to the square behind.
  if (lane >= 1 && !passThrough(row, lane - 1) && !dividerAt(lane - 1, row))
    spreadAlongLane(lane - 1, row, behind + 1, originRow);
  if (lane + 1 < TRACK_LANES && !passThrough(row, lane + 1) && !dividerAt(lane, row)) {
    int first = row == originRow ? row - 1 : row;
    spreadAlongLane(lane + 1, first, behind + 1, originRow);
  }
}
