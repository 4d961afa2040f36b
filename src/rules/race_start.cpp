#include "rules/race_start.h"

#include "model/board_sections.h"
#include "model/hooks.h"
#include "model/occupancy.h"
#include "model/screens.h"
#include "model/track.h"
#include "rules/race_state.h"
#include "rules/turn_sequence.h"

int32_t firstPlacingRider = 0;

namespace {

const int START_ROWS = 4;

bool computerTeam(int team) {
  return riders[team * TEAM_SIZE].humanControlled == 0;
}

// The start lanes of the course, highest first: lanes 4..0 behind start
// section 0, lanes 7..4 behind start section 6.
void startLanes(int& highest, int& lowest) {
  if (courseSpec[0] == '6') {
    highest = 7;
    lowest = 4;
  } else {
    highest = 4;
    lowest = 0;
  }
}

bool freeStartSquare(int row, int lane) {
  int value = trackSquareValue[row][lane];
  return value != SQUARE_NONE && value != SQUARE_PASS_THROUGH && trackOccupant[row][lane] == -1;
}

// The square a computer rider takes; false when the grid has none left.
bool chooseStartSquare(int rider, int& row, int& lane) {
  static const int rowOrder[START_ROWS] = {2, 3, 1, 0};
  int highest, lowest;
  startLanes(highest, lowest);
  for (int r : rowOrder)
    for (int l = highest; l >= lowest; l--)
      if (mayStartOn(rider, r, l)) {
        row = r;
        lane = l;
        return true;
      }
  return false;
}

// The first start square, where the cursor waits for the next rider.
void resetStartCursor() {
  startCursorRow = 0;
  startCursorLane = courseSpec[0] == '0' ? 0 : 4;
}

// The rider stands on the square: occupancy, his row and lane, his figure.
void standOnStartSquare(int rider, int row, int lane) {
  trackOccupant[row][lane] = rider;
  riders[rider].row = row;
  riders[rider].lane = lane;
  placeRiderFigure(rider);
}

void throwForTeamInTurn() {
  currentScreen = SCREEN_START_THROW;
  requestRedraw();
  if (computerTeam(riderTeam(activeRider))) throwStartOrder();
}

}  // namespace

void throwStartOrder() {
  if (!isRiderIndex(activeRider)) return;
  // One draw for both dice; here the first die is the draw / 6.
  int n = randomBelow(36);
  movementValues[0] = n / 6 + 1;
  movementValues[1] = n % 6 + 1;
  startRolls[riderTeam(activeRider)] = movementValues[0] + movementValues[1];
  currentScreen = SCREEN_START_THROW_RESULT;
  requestRedraw();
}

void resolveStartOrder() {
  movementValues[0] = movementValues[1] = -1;
  int rolls[TEAM_COUNT];
  bool allThrown = true;
  for (int t = 0; t < TEAM_COUNT; t++) {
    rolls[t] = startRolls[t];
    if (rolls[t] == -1) allThrown = false;
  }
  if (allThrown) {
    int winner = findUniqueMax(rolls, TEAM_COUNT);
    // On a tie the rolls now mark the tied teams -1 and the others 0.
    for (int t = 0; t < TEAM_COUNT; t++) startRolls[t] = rolls[t];
    if (winner != -1) {
      activeRider = firstPlacingRider = winner * TEAM_SIZE;
      requestRedraw();
      if (computerTeam(winner)) {
        currentScreen = SCREEN_START_PLACE_COMPUTER;
        requestRedraw();
        placeComputerRider();
      } else {
        currentScreen = SCREEN_START_PLACE_HUMAN;
        requestRedraw();
      }
      return;
    }
  }
  int current = isRiderIndex(activeRider) ? riderTeam(activeRider) : TEAM_COUNT - 1;
  for (int step = 1; step <= TEAM_COUNT; step++) {
    int team = (current + step) % TEAM_COUNT;
    if (startRolls[team] != 0) {
      activeRider = team * TEAM_SIZE;
      throwForTeamInTurn();
      return;
    }
  }
}

void placeComputerRider() {
  if (!isRiderIndex(activeRider)) return;
  int row = -1, lane = -1;
  if (chooseStartSquare(activeRider, row, lane)) {
    startCursorRow = row;
    startCursorLane = lane;
    standOnStartSquare(activeRider, row, lane);
    resetStartCursor();
    requestRedraw();
  }
  selectNextRiderToPlace();
}

void selectNextRiderToPlace() {
  if ((activeRider + 1) % RIDER_COUNT == firstPlacingRider) {
    startCursorRow = startCursorLane = -1;
    requestRedraw();
    currentScreen = SCREEN_BUSY;
    requestRedraw();
    nextTurn();
    return;
  }
  activeRider = (activeRider + TEAM_SIZE) % RIDER_COUNT;
  if (riderTeam(activeRider) == riderTeam(firstPlacingRider)) activeRider += 1;
  requestRedraw();
  if (computerTeam(riderTeam(activeRider))) {
    currentScreen = SCREEN_START_PLACE_COMPUTER;
    placeComputerRider();
  } else {
    currentScreen = SCREEN_START_PLACE_HUMAN;
    requestRedraw();
  }
}

bool teamMateAtLaneStart(int rider, int lane) {
  if (!isRiderIndex(rider)) return false;
  for (int row = 0; row < START_ROWS; row++) {
    if (!insideTrack(row, lane)) return false;
    int other = trackOccupant[row][lane];
    if (isRiderIndex(other) && other != rider && riderTeam(other) == riderTeam(rider)) return true;
  }
  return false;
}

bool mayStartOn(int rider, int row, int lane) {
  int highest, lowest;
  startLanes(highest, lowest);
  if (!isRiderIndex(rider) || row < 0 || row >= START_ROWS || lane < lowest || lane > highest)
    return false;
  return freeStartSquare(row, lane) && !teamMateAtLaneStart(rider, lane);
}

bool placeRiderAtStartCursor() {
  const int row = startCursorRow;
  const int lane = startCursorLane;
  if (!mayStartOn(activeRider, row, lane)) return false;
  standOnStartSquare(activeRider, row, lane);
  resetStartCursor();
  requestRedraw();
  selectNextRiderToPlace();
  return true;
}
