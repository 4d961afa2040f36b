#include "support/test_track.h"

#include <cstddef>
#include <cstring>
#include <vector>

#include "model/board_sections.h"
#include "model/hooks.h"
#include "model/screens.h"
#include "model/track.h"
#include "rules/course_builder.h"
#include "rules/race_state.h"

namespace {

std::vector<int> scripted;
size_t nextDraw = 0;
int timerRequests = 0;
int timerValue = 0;
unsigned timerDelay = 0;

int scriptedRandom() { return nextDraw < scripted.size() ? scripted[nextDraw++] : 0; }
void countTimerRequest(unsigned delayMs, int value) {
  timerRequests++;
  timerDelay = delayMs;
  timerValue = value;
}

}  // namespace

void clearTestTrack(int rows) {
  resetRace();
  lapRowCount = 109;
  trackRowCount = rows;
  handInCards[0] = handInCards[1] = -1;
  for (int r = 0; r < RIDER_COUNT; r++) {
    riders[r] = Rider();
    bestMoveRiderValues[r] = -1;
  }
  eventCardsOn = 0;
  roundNumber = 2;
  pathLength = -1;
  currentScreen = SCREEN_BUSY;
  redrawHook = nullptr;
  moveTimerHook = countTimerRequest;
  timerRequests = 0;
}

bool buildTestCourse(const char* course) {
  std::memset(courseSpec, 0, sizeof courseSpec);
  std::strcpy(courseSpec, course);
  return buildCourse();
}

void layRoad(int rowFrom, int rowTo, int laneFrom, int laneTo, int value, int terrain) {
  for (int row = rowFrom; row <= rowTo; row++)
    for (int lane = laneFrom; lane <= laneTo; lane++) setSquare(row, lane, value, terrain);
}

void setSquare(int row, int lane, int value, int terrain) {
  trackSquareValue[row][lane] = value;
  trackTerrain[row][lane] = value == SQUARE_NONE ? TERRAIN_NONE : terrain;
}

void fillTestReach() {
  for (int row = 0; row < TRACK_ROWS; row++)
    for (int lane = 0; lane < TRACK_LANES; lane++) {
      int value = trackSquareValue[row][lane];
      bool real = value != SQUARE_NONE && value != SQUARE_PASS_THROUGH;
      trackReach12[row][lane] = real ? row + 12 : -1;
      trackReach11[row][lane] = real ? row + 11 : -1;
    }
}

void putRider(int rider, int row, int lane) {
  riders[rider].row = row;
  riders[rider].lane = lane;
  trackOccupant[row][lane] = rider;
}

void enterRider(int rider, int row, int lane) {
  riders[rider].finished = 0;
  riders[rider].movedThisRound = 0;
  putRider(rider, row, lane);
}

std::pair<int, int> squareOf(int rider) { return {riders[rider].row, riders[rider].lane}; }
std::pair<int, int> cardsPlayed() { return {chosenCards[0], chosenCards[1]}; }
std::pair<int, int> diceThrown() { return {movementValues[0], movementValues[1]}; }

bool standsOn(int rider, int row, int lane) {
  return riders[rider].row == row && riders[rider].lane == lane && trackOccupant[row][lane] == rider;
}

void beginTurnOf(int rider) {
  activeRider = rider;
  const Rider& r = riders[rider];
  if (trackOccupant[r.row][r.lane] == rider) trackOccupant[r.row][r.lane] = -1;
  moveEndpoints[0] = static_cast<float>(r.row);
  moveEndpoints[1] = static_cast<float>(r.lane);
}

void scriptRandom(std::initializer_list<int> draws) {
  scripted.assign(draws.begin(), draws.end());
  nextDraw = 0;
  gameRandomOverride = scriptedRandom;
}

void stopScriptedRandom() { gameRandomOverride = nullptr; }

int diceDraw(int first, int second) { return (second - 1) * 6 + (first - 1); }

int moveTimerRequests() { return timerRequests; }
void resetMoveTimerRequests() { timerRequests = 0; }
int lastMoveTimerValue() { return timerValue; }
unsigned lastMoveTimerDelay() { return timerDelay; }

void setResults(int32_t* results, std::vector<int32_t> sprints, std::vector<int32_t> finish) {
  for (int e = 0; e < RESULT_PLACES; e++) results[e] = -1;
  for (size_t i = 0; i < sprints.size(); i++) results[i] = sprints[i];
  for (size_t q = 0; q < finish.size(); q++) results[FIRST_FINISH_PLACE + q] = finish[q];
}
