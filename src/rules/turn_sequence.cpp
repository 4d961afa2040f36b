#include "rules/turn_sequence.h"

#include "model/board_sections.h"
#include "model/hooks.h"
#include "model/occupancy.h"
#include "model/screens.h"
#include "model/track.h"
#include "model/track_geometry.h"
#include "rules/computer_turn.h"
#include "rules/move_animation.h"
#include "rules/race_state.h"
#include "rules/stage_end.h"

namespace {

bool beyondFinish(int row) { return lineRows[FINISH_LINE] < row; }

void finishRider(int rider) {
  liftRiderOffGrid(rider);
  riders[rider].finished = 1;
  riders[rider].movedThisRound = 1;
}

// A rider who stopped beyond the finish leaves the track, and with him every
// rider queued directly behind him in his lane beyond the line.
void takeFinishersOff() {
  if (!isRiderIndex(activeRider)) return;
  const Rider& finisher = riders[activeRider];
  if (!beyondFinish(finisher.row) || !insideTrack(finisher.row, finisher.lane)) return;
  int lane = finisher.lane;
  int top = finisher.row;
  finishRider(activeRider);
  for (int row = top - 1; row >= 0 && beyondFinish(row); row--) {
    bool passThrough = trackSquareValue[row][lane] == SQUARE_PASS_THROUGH;
    if (!passThrough && riderAtSquare(row, lane, true) == -1) break;
    int queued = trackOccupant[row][lane];
    if (queued != -1) finishRider(queued);
  }
}

// Whether a rider can still be given a turn this round.
bool mayPlay(const Rider& r) {
  return !r.finished && r.row >= 0 && !beyondFinish(r.row) && !r.movedThisRound;
}

bool roundIsOver() {
  for (const Rider& r : riders)
    if (mayPlay(r) && r.skipTurns <= 0) return false;
  return true;
}

bool freeForParkedRider(int row, int lane) {
  if (!insideTrack(row, lane)) return false;
  int value = trackSquareValue[row][lane];
  return value != SQUARE_NONE && value != SQUARE_PASS_THROUGH && riderAtSquare(row, lane, true) == -1;
}

// The square a parked rider goes back to: his own, else the nearest lower
// lane of his row, else a row behind, from lane 21 down (lane 22 is never
// taken there).
bool findSquareForParkedRider(const Rider& r, int& row, int& lane) {
  if (r.row < 0 || r.row >= TRACK_ROWS) return false;
  for (int l = r.lane < TRACK_LANES ? r.lane : TRACK_LANES - 1; l >= 0; l--)
    if (freeForParkedRider(r.row, l)) {
      row = r.row;
      lane = l;
      return true;
    }
  for (int rr = r.row - 1; rr >= 0; rr--)
    for (int l = TRACK_LANES - 2; l >= 0; l--)
      if (freeForParkedRider(rr, l)) {
        row = rr;
        lane = l;
        return true;
      }
  return false;
}

// Front-most first, each parked rider is tried once; one for whom no square
// is free stays parked for another round.
void putParkedRidersBack() {
  bool tried[RIDER_COUNT] = {};
  for (int n = 0; n < RIDER_COUNT; n++) {
    int next = -1;
    for (int i = 0; i < RIDER_COUNT; i++) {
      const Rider& r = riders[i];
      if (!r.parked || r.skipTurns != 0 || r.finished || tried[i]) continue;
      if (next == -1 || riderAheadOf(r, riders[next])) next = i;
    }
    if (next == -1) return;
    tried[next] = true;
    int row, lane;
    if (!findSquareForParkedRider(riders[next], row, lane)) continue;
    trackOccupant[row][lane] = next;
    riders[next].row = row;
    riders[next].lane = lane;
    riders[next].parked = 0;
    placeRiderFigure(next);
    requestRedraw();
  }
}

// One round end; true when some rider sat out a turn.
bool endRound() {
  roundNumber += 1;
  requestRedraw();
  putParkedRidersBack();
  bool someoneSatOut = false;
  for (Rider& r : riders) {
    if (r.finished) {
      r.movedThisRound = 1;
    } else if (beyondFinish(r.row) || r.skipTurns > 0) {
      if (r.skipTurns > 0) {
        r.skipTurns -= 1;
        someoneSatOut = true;
      }
      r.movedThisRound = 1;
    } else {
      // A parked rider who found no square sits this round out as well.
      r.movedThisRound = r.parked ? 1 : 0;
    }
  }
  return someoneSatOut;
}

// Round ends follow one another while every rider has moved or sits out; an
// extra round end comes at once only when nobody may move because riders
// sat out.
void endRoundsWhileDue() {
  while (roundIsOver()) {
    bool someoneSatOut = endRound();
    if (!someoneSatOut || !roundIsOver()) return;
  }
}

int chooseFrontMostRider() {
  int best = -1;
  for (int i = 0; i < RIDER_COUNT; i++)
    if (mayPlay(riders[i]) && (best == -1 || riderAheadOf(riders[i], riders[best]))) best = i;
  return best;
}

bool everyRiderFinished() {
  for (const Rider& r : riders)
    if (!r.finished) return false;
  return true;
}

// Riders left beyond the finish who were not taken off with a finisher
// (carried over the line by drafting, say) leave the track once nobody else
// can play. True when there was such a rider.
bool finishRidersLeftBeyondLine() {
  bool any = false;
  for (int i = 0; i < RIDER_COUNT; i++)
    if (!riders[i].finished && beyondFinish(riders[i].row)) {
      finishRider(i);
      any = true;
    }
  return any;
}

// Riders who can never be put back on the road (every square behind them
// is taken) cannot finish; they leave the race without a place, so that
// the race ends.
void retireStuckRiders() {
  for (int i = 0; i < RIDER_COUNT; i++)
    if (!riders[i].finished) finishRider(i);
}

// The rider whose turn it would be; a rider who still has turns to sit out
// sits this one out and the choice is made again. -1 when the race is over.
int findNextRider() {
  for (;;) {
    endRoundsWhileDue();
    int rider = chooseFrontMostRider();
    if (rider != -1) {
      if (riders[rider].skipTurns <= 0) return rider;
      riders[rider].skipTurns -= 1;
      riders[rider].movedThisRound = 1;
      continue;
    }
    if (everyRiderFinished()) return -1;
    if (finishRidersLeftBeyondLine()) continue;
    retireStuckRiders();
    return -1;
  }
}

void clearMoveState() {
  for (int& value : bestMoveRiderValues) value = -1;
  breakawayDeclared = 0;
  followCandidate = -1;
  pathPointIndex = 0;
  currentScreen = SCREEN_BUSY;
  dopingCardValue = -1;
  pathLength = -1;
}

void clearThrowState() {
  chosenCards[0] = chosenCards[1] = CARD_DIE;
  movementValues[0] = movementValues[1] = -1;
  handInCards[0] = handInCards[1] = -1;
  if (eventCardBonusValue != 0)
    eventCardBonusValue = 0;
  else
    extraDie = -1;
  bonusSquares = 0;
  eventCardRider = -1;
  requestRedraw();
}

}  // namespace

bool riderAheadOf(const Rider& a, const Rider& b) {
  return a.row > b.row || (a.row == b.row && a.lane > b.lane);
}

void liftRiderOffGrid(int rider) {
  const Rider& r = riders[rider];
  if (insideTrack(r.row, r.lane) && trackOccupant[r.row][r.lane] == rider)
    trackOccupant[r.row][r.lane] = -1;
}

void putRiderBackOnGrid(int rider) {
  const Rider& r = riders[rider];
  if (insideTrack(r.row, r.lane) && trackOccupant[r.row][r.lane] == -1) trackOccupant[r.row][r.lane] = rider;
}

void placeRiderFigure(int rider) {
  Rider& r = riders[rider];
  if (!insideTrack(r.row, r.lane)) return;
  BoardPoint point = squareToBoard(r.row, r.lane, rider);
  r.boardX = point.x;
  r.boardY = point.y;
}

void sitOutTurn(int rider) {
  Rider& r = riders[rider];
  if (!r.parked) putRiderBackOnGrid(rider);
  r.skipTurns -= 1;
  r.movedThisRound = 1;
  nextTurn();
}

void updateRiderLap(int rider) {
  if (!isRiderIndex(rider)) return;
  int laps = 0;
  for (int i = 0; i < 5; i++)
    if (lapLineRows[i] != -1 && lapLineRows[i] < riders[rider].row) laps++;
  riderLap[rider] = laps;
}

void nextTurn() {
  clearMoveState();
  takeFinishersOff();
  clearThrowState();

  int rider = findNextRider();
  activeRider = rider;
  shownTeam = rider == -1 ? 0 : riderTeam(rider);
  if (rider != -1) updateRiderLap(rider);
  requestRedraw();
  if (rider == -1) {
    if (everyRiderFinished()) startDopingControl();
    return;
  }
  animRow = static_cast<float>(riders[rider].row);
  animLane = static_cast<float>(riders[rider].lane);

  // The rider is lifted off the grid for his move, so that his own square
  // never blocks his path.
  liftRiderOffGrid(rider);
  moveEndpoints[0] = static_cast<float>(riders[rider].row);
  moveEndpoints[1] = static_cast<float>(riders[rider].lane);
  if (riders[rider].humanControlled == 0) {
    currentScreen = SCREEN_COMPUTER_TURN;
    int total = 0, bestRow = -1, bestLane = -1;
    MovePath path = {};
    // The game's own turn loop, kept on purpose: the computer's turn starts
    // the move animation, whose end runs on through the drafting offer and
    // the line points (or a turn sat out) and calls nextTurn again; these
    // units call each other only along this loop.
    playComputerTurn(&rider, &total, &bestRow, &bestLane, path);
  } else {
    currentScreen = SCREEN_PLAY_CARDS;
    requestRedraw();
  }
}
