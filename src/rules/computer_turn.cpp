#include "rules/computer_turn.h"

#include <cstring>

#include "model/board_sections.h"
#include "model/hooks.h"
#include "model/occupancy.h"
#include "model/screens.h"
#include "model/track.h"
#include "rules/event_deck.h"
#include "rules/move_animation.h"
#include "rules/move_search.h"
#include "rules/race_state.h"
#include "rules/turn_sequence.h"

namespace {

const int LINE_PAST_LAST_CLIMB = -10;

// The best square of a scoring search from (row, lane) for mover with the
// given step budget, the best square starting as (startRow, startLane).
MoveChoice scoringSearch(int row, int lane, int budget, int mover, int startRow, int startLane,
                         int record) {
  MoveChoice choice;
  choice.row = startRow;
  choice.lane = startLane;
  scoreMoves(row, lane, budget, mover, record, &choice);
  return choice;
}

int squareValue(int row, int lane) { return trackSquareValue[row][lane]; }

bool lineStillPays(int line) {
  if (line >= 1 && line <= 4) return crossedLinePays(line);
  return line == LINE_PAST_LAST_CLIMB;
}

// The first unused card of the given value among slots from..to-1 of the
// team, or -1.
int firstCardOf(int team, int from, int to, int value) {
  for (int slot = from; slot < to; slot++)
    if (cardUsed[team][slot] == 0 && strengthCardValue[slot] == value) return slot;
  return -1;
}

// The first unused card of the given value among the rider's own slots, or
// -1.
int ownCard(int team, int member, int value) {
  int first = firstCardOfMember[member];
  int end = first;
  while (end < FIRST_TEAM_SLOT && cardHolderMember[end] == member) end++;
  return firstCardOf(team, first, end, value);
}

// The first unused team card of the given value, or -1.
int teamCard(int team, int value) { return firstCardOf(team, FIRST_TEAM_SLOT, STRENGTH_CARDS, value); }

int takeCard(int team, int slot) {
  if (slot != -1) cardUsed[team][slot] = 1;
  return slot == -1 ? CARD_DIE : slot;
}

// A white card: own before team.
int takeWhiteCard(int team, int member) {
  int slot = ownCard(team, member, STRENGTH_WHITE);
  if (slot == -1) slot = teamCard(team, STRENGTH_WHITE);
  return takeCard(team, slot);
}

// The strongest card to hand: own blue, team blue, own white, team white.
int takeStrongestCard(int team, int member) {
  int slot = ownCard(team, member, STRENGTH_BLUE);
  if (slot == -1) slot = teamCard(team, STRENGTH_BLUE);
  if (slot == -1) slot = ownCard(team, member, STRENGTH_WHITE);
  if (slot == -1) slot = teamCard(team, STRENGTH_WHITE);
  return takeCard(team, slot);
}

void chooseCards(int rider, int v) {
  const Rider& r = riders[rider];
  int team = riderTeam(rider), member = riderMember(rider);
  int terrain = trackTerrain[r.row][r.lane];
  if (terrain == TERRAIN_CLIMB) {
    // Blue cards may not be played on a climb.
    if (v > 2) chosenCards[0] = takeWhiteCard(team, member);
    if (v > 6) chosenCards[1] = takeWhiteCard(team, member);
  } else if (terrain == TERRAIN_COBBLES) {
    // One card at most on cobbles.
    if (v > 2) chosenCards[0] = takeStrongestCard(team, member);
  } else {
    if (v > 2) chosenCards[0] = takeStrongestCard(team, member);
    if (chosenCards[0] != CARD_DIE && strengthCardValue[chosenCards[0]] + 1 < v)
      chosenCards[1] = takeStrongestCard(team, member);
  }
}

// No breakaway when a quarter or more of the unmoved riders queued behind
// him in his lane (on the same terrain) are team-mates: they may draft.
void decideBreakaway(int rider) {
  const Rider& r = riders[rider];
  breakawayDeclared = 1;
  int own = 0, counted = 0;
  for (int row = r.row - 1; row >= 0; row--) {
    if (trackTerrain[row][r.lane] != trackTerrain[row + 1][r.lane]) break;
    int other = riderAtSquare(row, r.lane, true);
    if (other != -1 && riders[other].movedThisRound == 0) {
      counted++;
      if (riderTeam(other) == riderTeam(rider)) own++;
      continue;
    }
    if (trackSquareValue[row][r.lane] == SQUARE_PASS_THROUGH) continue;
    break;
  }
  if (counted > 0 && static_cast<double>(own) / counted >= 0.25) breakawayDeclared = 0;
  requestRedraw();
}

// The smallest movement value that reaches a further scoring line that
// still pays; else 12 when a row beyond the finish comes within reach of
// two turns; else the smallest value from 5 to 10 that gets past the last
// climb; else -1. line receives the line aimed at.
//
// A trial search depends on the movement total only through whether it is
// 7 or more, so the searches of the first loop with 7 to 12 also answer the
// later searches with the same budget under a total of 12.
int chooseTarget(int rider, int& line) {
  const Rider& r = riders[rider];
  int mod = squareValue(r.row, r.lane);
  MoveChoice trial[13];
  line = -1;
  for (int v = 1; v <= 12; v++) {
    movementTotal = v;
    trial[v] = scoringSearch(r.row, r.lane, v + mod, rider, -1, -1, 0);
    if (trial[v].line > line) {
      line = trial[v].line;
      if (v != 1 && v + mod > 1) return v;
    }
  }
  const MoveChoice& q = trial[12];
  if (insideTrack(q.row, q.lane)) {
    MoveChoice next = scoringSearch(q.row, q.lane, squareValue(q.row, q.lane) + 7, rider, 0, 0, 0);
    if (lineRows[FINISH_LINE] < next.row) {
      line = 4;
      return 12;
    }
  }
  for (int v = 5; v <= 10; v++) {
    int bestRow = v >= 7 ? trial[v].row : scoringSearch(r.row, r.lane, v + mod, rider, -1, -1, 0).row;
    if (bestRow > climbEndRow) {
      line = LINE_PAST_LAST_CLIMB;
      return v;
    }
  }
  return -1;
}

}  // namespace

void playComputerTurn(int* rider, int* total, int* bestRow, int* bestLane, char* path) {
  if (!rider || *rider < 0 || *rider >= RIDER_COUNT) return;
  int who = *rider;
  if (!insideTrack(riders[who].row, riders[who].lane)) return;

  int line = -1;
  int v = chooseTarget(who, line);
  if (v != -1 && roundNumber != 1 && lineStillPays(line)) chooseCards(who, v);
  if (chosenCards[0] != CARD_DIE || chosenCards[1] != CARD_DIE) decideBreakaway(who);

  rollMovementValues();
  requestRedraw();
  *total = movementValues[0] + movementValues[1];
  movementTotal = *total;
  if (*total == 7 && roundNumber != 1 && eventCardsOn) {
    drawEventCard();
    currentScreen = SCREEN_EVENT_CARD;
    requestRedraw();
    return;
  }
  startComputerMove(total, bestRow, bestLane, path);
}

void startComputerMove(int* total, int* bestRow, int* bestLane, char* path) {
  if (!isRiderIndex(activeRider) || !total || !bestRow || !bestLane || !path) return;
  Rider& rider = riders[activeRider];
  if (rider.skipTurns > 0) {
    sitOutTurn(activeRider);
    return;
  }
  if (!insideTrack(rider.row, rider.lane)) return;
  int startRow = rider.row, startLane = rider.lane;
  *total += squareValue(startRow, startLane);

  pathPoints[0][0] = static_cast<float>(startRow);
  pathPoints[0][1] = static_cast<float>(startLane);
  animRowTarget = squareDrawnRow(startRow, startLane);

  if (*total < 1) {
    currentScreen = SCREEN_NO_MOVE;
    requestRedraw();
    return;
  }

  // The search works on its own cells; the caller's (which may be the
  // rider's own row and lane) receive the result only afterwards.
  MoveChoice end = scoringSearch(startRow, startLane, *total, activeRider, *bestRow, *bestLane, 1);
  *bestRow = end.row;
  *bestLane = end.lane;
  int steps = static_cast<int>(strnlen(end.path, MOVE_PATH_SIZE));
  memcpy(path, end.path, MOVE_PATH_SIZE);
  path[MOVE_PATH_SIZE - 1] = '\0';
  if (steps > MAX_PATH_POINTS - 1) steps = MAX_PATH_POINTS - 1;
  pathLength = 0;
  for (int i = 0; i < steps; i++) {
    StepResult landing = tryStep(static_cast<int>(pathPoints[i][0]), static_cast<int>(pathPoints[i][1]),
                                 path[i], 0);
    if (stepBlocked(landing)) break;  // the search only lays steps that can be taken
    pathPoints[i + 1][0] = landing.row;
    pathPoints[i + 1][1] = landing.lane;
    pathLength = i + 1;
  }

  currentScreen = SCREEN_MOVING;
  requestRedraw();
  startMoveAnimation();
}
