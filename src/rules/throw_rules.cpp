#include "rules/throw_rules.h"

#include <cstring>

#include "model/hooks.h"
#include "model/occupancy.h"
#include "model/screens.h"
#include "model/track.h"
#include "rules/event_deck.h"
#include "rules/race_state.h"

namespace {

const StepResult BLOCKED = {-1, -1};

// The value a card slot of chosenCards stands for; dieValue for a die. A slot
// that names no card (or an extra card without an active rider to own it)
// throws the die.
int32_t slotValue(int32_t slot, int32_t dieValue) {
  if (slot == CARD_DOPING) return dopingCardValue;
  if (slot >= 0 && slot < STRENGTH_CARDS) return strengthCardValue[slot];
  if (slot >= FIRST_EXTRA_SLOT && slot < CARD_SLOTS && isRiderIndex(activeRider))
    return extraCardValue[riderTeam(activeRider)][slot - FIRST_EXTRA_SLOT];
  return dieValue;
}

// The movement modifier of the square a rider stands on; 0 off the road.
int32_t standingModifier(int32_t row, int32_t lane) {
  if (!insideTrack(row, lane)) return 0;
  int32_t value = trackSquareValue[row][lane];
  return value == SQUARE_NONE || value == SQUARE_PASS_THROUGH ? 0 : value;
}

bool squareExists(int32_t row, int32_t lane) {
  return insideTrack(row, lane) && trackSquareValue[row][lane] != SQUARE_NONE;
}

// A divider is the line between its lane and the next higher one over the
// rows rowFrom <= row < rowTo, row being the row stepped from.
bool dividerAcross(int32_t row, int32_t lane, char step) {
  for (int d = 0; d < trackDividerCount && d < MAX_TRACK_DIVIDERS; d++) {
    const LaneDivider& divider = trackDividers[d];
    if (row < divider.rowFrom || row >= divider.rowTo) continue;
    if (step == 'R' && lane == divider.lane) return true;
    if (step == 'L' && lane == divider.lane + 1) return true;
  }
  return false;
}

// The dividers as a table: per row stepped from and lane, whether "R" (bit
// 1) or "L" (bit 2) crosses a divider; kept with the dividers it was built from.
const uint8_t NO_STEP_RIGHT = 1;
const uint8_t NO_STEP_LEFT = 2;
uint8_t dividerSides[TRACK_ROWS][TRACK_LANES];
LaneDivider tableDividers[MAX_TRACK_DIVIDERS];
int32_t tableDividerCount = -1;

bool dividerAcrossInTable(int32_t row, int32_t lane, char step) {
  if (!insideTrack(row, lane)) return dividerAcross(row, lane, step);
  uint8_t sides = dividerSides[row][lane];
  return step == 'R' ? (sides & NO_STEP_RIGHT) != 0 : (sides & NO_STEP_LEFT) != 0;
}

template <bool (*dividerTest)(int32_t, int32_t, char)>
StepResult stepLanding(int32_t row, int32_t lane, char step, int32_t ignoreOccupancy) {
  int32_t target;
  if (step == 'M') {
    target = lane;
  } else if (step == 'L') {
    if (lane < 1) return BLOCKED;
    target = lane - 1;
  } else if (step == 'R') {
    if (lane >= TRACK_LANES - 1) return BLOCKED;
    target = lane + 1;
  } else {
    return BLOCKED;
  }
  if (!squareExists(row + 1, target)) return BLOCKED;

  int32_t landing = row + 1;
  if (!ignoreOccupancy) {
    // Slide over pass-through squares; a run leaving the grid lands nowhere.
    while (insideTrack(landing, target) && trackSquareValue[landing][target] == SQUARE_PASS_THROUGH)
      landing++;
    if (!squareExists(landing, target)) return BLOCKED;
    if (riderAtSquare(landing, target, true) != -1) return BLOCKED;
  }
  if (step != 'M' && dividerTest(row, lane, step)) return BLOCKED;

  if (ignoreOccupancy) return StepResult{static_cast<float>(row), static_cast<float>(lane)};
  return StepResult{static_cast<float>(landing), static_cast<float>(target)};
}

}  // namespace

void rollMovementValues() {
  int32_t draw = randomBelow(36);
  movementValues[0] = slotValue(chosenCards[0], draw % 6 + 1);
  movementValues[1] = slotValue(chosenCards[1], draw / 6 + 1);
  requestRedraw();
}

void performThrow() {
  currentScreen = SCREEN_BUSY;
  requestRedraw();
  rollMovementValues();
  movementTotal = movementValues[0] + movementValues[1];
  requestRedraw();

  const Rider* rider = isRiderIndex(activeRider) ? &riders[activeRider] : nullptr;
  pathLength = movementTotal + (rider ? standingModifier(rider->row, rider->lane) : 0);
  pathPointIndex = 0;
  if (rider && rider->skipTurns <= 0) {
    if (pathLength < 1) {
      currentScreen = SCREEN_NO_MOVE;
      requestRedraw();
      return;
    }
    pathPoints[0][0] = static_cast<float>(rider->row);
    pathPoints[0][1] = static_cast<float>(rider->lane);
  }

  if (movementTotal == 7 && roundNumber != 1 && eventCardsOn) {
    drawEventCard();
    currentScreen = SCREEN_EVENT_CARD;
    requestRedraw();
    return;
  }
  currentScreen = SCREEN_CHOOSE_MOVE;
  requestRedraw();
}

StepResult tryStep(int32_t row, int32_t lane, char step, int32_t ignoreOccupancy) {
  return stepLanding<dividerAcross>(row, lane, step, ignoreOccupancy);
}

int32_t terrainUnderRider(const Rider& rider) {
  return insideTrack(rider.row, rider.lane) ? trackTerrain[rider.row][rider.lane] : TERRAIN_NONE;
}

int32_t squareRowBehind(int32_t row, int32_t lane) {
  int32_t r = row - 1;
  while (r >= 0 && insideTrack(r, lane) && trackSquareValue[r][lane] == SQUARE_PASS_THROUGH) r--;
  return r;
}

void prepareStepTable() {
  int32_t count = trackDividerCount < 0 ? 0
                  : trackDividerCount > MAX_TRACK_DIVIDERS ? MAX_TRACK_DIVIDERS
                                                          : trackDividerCount;
  if (count == tableDividerCount &&
      memcmp(tableDividers, trackDividers, sizeof(LaneDivider) * static_cast<size_t>(count)) == 0)
    return;
  memset(dividerSides, 0, sizeof dividerSides);
  for (int d = 0; d < count; d++) {
    const LaneDivider& divider = trackDividers[d];
    int32_t from = divider.rowFrom < 0 ? 0 : divider.rowFrom;
    int32_t to = divider.rowTo > TRACK_ROWS ? TRACK_ROWS : divider.rowTo;
    for (int32_t row = from; row < to; row++) {
      if (divider.lane >= 0 && divider.lane < TRACK_LANES) dividerSides[row][divider.lane] |= NO_STEP_RIGHT;
      if (divider.lane + 1 >= 0 && divider.lane + 1 < TRACK_LANES)
        dividerSides[row][divider.lane + 1] |= NO_STEP_LEFT;
    }
    tableDividers[d] = divider;
  }
  tableDividerCount = count;
}

StepResult tryStepPrepared(int32_t row, int32_t lane, char step, int32_t ignoreOccupancy) {
  return stepLanding<dividerAcrossInTable>(row, lane, step, ignoreOccupancy);
}
