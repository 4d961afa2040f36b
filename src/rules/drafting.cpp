#include "rules/drafting.h"

#include "model/board_sections.h"
#include "model/hooks.h"
#include "model/occupancy.h"
#include "model/screens.h"
#include "model/track.h"
#include "rules/line_points.h"
#include "rules/move_animation.h"
#include "rules/move_search.h"
#include "rules/race_state.h"
#include "rules/throw_rules.h"
#include "rules/turn_sequence.h"

namespace {

const int LAPS = 6;

// The steps offered to the candidate on the follow question; a chain goes
// on with the same number whoever answers.
int offeredSteps = 0;


void putActiveRiderBack() {
  if (isRiderIndex(activeRider) && !riders[activeRider].parked) putRiderBackOnGrid(activeRider);
}

void putCandidateBack() {
  if (isRiderIndex(followCandidate)) putRiderBackOnGrid(followCandidate);
}

// The square the candidate would reach with an average throw of his own.
void ownBestSquare(int candidate, int& row, int& lane) {
  const Rider& r = riders[candidate];
  MoveChoice choice;
  scoreMoves(r.row, r.lane, trackSquareValue[r.row][r.lane] + 7, candidate, 0, &choice);
  row = choice.row;
  lane = choice.lane;
}

// Nobody follows: the chain ends.
void endChain() {
  putActiveRiderBack();
  animOnSegment = 0;
  requestRedraw();
  nextTurn();
}

}  // namespace

void offerFollow(int row, int lane, int steps, int targetRow, int targetLane) {
  // The candidate square; behind a leader who started on row 0 there is none.
  int r = squareRowBehind(row, lane);
  int candidate = r >= 0 ? riderAtSquare(r, lane, true) : -1;
  if (candidate != -1) {
    // A candidate on another lap's copy of that square: compare leader and
    // follower on his lap.
    int rowShift = riders[candidate].row - r;
    int laneShift = riders[candidate].lane - lane;
    targetRow += rowShift;
    targetLane += laneShift;
  }
  int t = squareRowBehind(targetRow, targetLane);
  bool qualifies = candidate != -1 && insideTrack(row, lane) && t >= 0 && insideTrack(t, targetLane);
  if (qualifies) {
    const Rider& c = riders[candidate];
    int terrain = trackTerrain[row][lane];
    qualifies = !c.finished && !c.parked && insideTrack(c.row, c.lane) && terrain != TERRAIN_NONE &&
                trackTerrain[c.row][c.lane] == terrain && c.movedThisRound != 1;
  }
  if (!qualifies) {
    endChain();
    return;
  }

  followCandidate = candidate;
  Rider& c = riders[candidate];
  liftRiderOffGrid(candidate);
  MovePath path = {};
  if (!findMovePath(c.row, c.lane, steps, t, targetLane, path) || path[0] == '\0') {
    putCandidateBack();
    putActiveRiderBack();
    animOnSegment = 0;
    pathPointIndex = 0;
    requestRedraw();
    nextTurn();
    return;
  }

  if (c.humanControlled) {
    currentScreen = SCREEN_FOLLOW_QUESTION;
    shownTeam = riderTeam(candidate);
    requestRedraw();
    moveEndpoints[0] = static_cast<float>(c.row);
    moveEndpoints[1] = static_cast<float>(c.lane);
    moveEndpoints[2] = static_cast<float>(t);
    moveEndpoints[3] = static_cast<float>(targetLane);
    offeredSteps = steps;
    return;
  }

  // The computer follows unless his own average move promises better reach,
  // and always when the follow square lies beyond the finish.
  int bestRow = -1, bestLane = -1;
  ownBestSquare(candidate, bestRow, bestLane);
  bool follow = true;
  if (insideTrack(bestRow, bestLane) && trackReach12[t][targetLane] < trackReach12[bestRow][bestLane] &&
      !(lineRows[FINISH_LINE] < t))
    follow = false;
  performFollow(follow ? 1 : 0, c.row, c.lane, t, targetLane, steps);
}

void acceptFollow() {
  currentScreen = SCREEN_BUSY;
  requestRedraw();
  performFollow(1, static_cast<int>(moveEndpoints[0]), static_cast<int>(moveEndpoints[1]),
                static_cast<int>(moveEndpoints[2]), static_cast<int>(moveEndpoints[3]), offeredSteps);
}

void declineFollow() {
  currentScreen = previousScreen;
  putCandidateBack();
  requestRedraw();
  nextTurn();
}

void performFollow(int follow, int fromRow, int fromLane, int toRow, int toLane, int steps) {
  if (!isRiderIndex(followCandidate)) {
    endChain();
    return;
  }
  int candidate = followCandidate;
  Rider& c = riders[candidate];
  int newRow = -1, newLane = -1;
  if (follow == 1 && lapRowCount > 0 && toRow >= 0) {
    // The lap copy of the follow square ahead of him, each lap 3 lanes
    // further across.
    for (int k = 0; k < LAPS; k++) {
      int row = toRow % lapRowCount + k * lapRowCount;
      if (row > c.row) {
        newRow = row;
        newLane = toLane + 3 * ((row - toRow) / lapRowCount);
        break;
      }
    }
  }
  bool free = insideTrack(newRow, newLane) && trackSquareValue[newRow][newLane] != SQUARE_NONE &&
              trackSquareValue[newRow][newLane] != SQUARE_PASS_THROUGH && trackOccupant[newRow][newLane] == -1;
  if (!free) {
    putCandidateBack();
    animOnSegment = 0;
    requestRedraw();
    nextTurn();
    return;
  }

  c.row = newRow;
  c.lane = newLane;
  c.movedThisRound = 1;
  trackOccupant[newRow][newLane] = candidate;
  awardLinePoints(fromRow, newRow, &candidate);
  placeRiderFigure(candidate);
  updateRiderLap(candidate);
  requestRedraw();
  offerFollow(fromRow, fromLane, steps, toRow, toLane);
}
