#include "support/race_driver.h"

#include <cstring>

#include "model/board_sections.h"
#include "model/hooks.h"
#include "model/occupancy.h"
#include "model/screens.h"
#include "model/track.h"
#include "rules/course_builder.h"
#include "rules/doping.h"
#include "rules/event_deck.h"
#include "rules/event_effects.h"
#include "rules/line_points.h"
#include "rules/move_animation.h"
#include "rules/race_start.h"
#include "rules/race_state.h"
#include "rules/stage_end.h"

namespace {

uint64_t randomState = 1;

int seededRandom() {
  // xorshift64*: fast, and the same sequence for the same seed everywhere.
  randomState ^= randomState >> 12;
  randomState ^= randomState << 25;
  randomState ^= randomState >> 27;
  return static_cast<int>((randomState * 2685821657736338717ULL) >> 33);
}

struct Tick {
  bool pending = false;
  unsigned delayMs = 0;
  int value = 0;
};
Tick tick;

void recordTick(unsigned delayMs, int value) {
  tick.pending = true;
  tick.delayMs = delayMs;
  tick.value = value;
}

int lastRound = 0;
int movesStarted = 0;
int lastMoveValue = 0;
bool interruptions = false;
int ticksDelivered = 0;
int eventCardsApplied[EVENT_CARD_COUNT];

// An overlay opened over the moving rider and closed again; the tick that
// is due arrives while it is open every other time.
void interruptMove() {
  previousScreen = currentScreen;
  currentScreen = SCREEN_SCORECARD;
  if (ticksDelivered % 2 == 0) {
    tick.pending = false;
    onComputerMoveTimer(tick.value);
  }
  currentScreen = previousScreen;
  restartMoveTimer();
}

std::string describe(const char* what, int a, int b = -1) {
  std::string text = what;
  text += " (" + std::to_string(a);
  if (b != -1) text += ", " + std::to_string(b);
  return text + ")";
}

// The active rider is lifted off the grid for his turn: while the computer
// moves him, and while a person chooses cards, answers the questions of his
// turn and steps him square by square. A person asked whether to follow is
// lifted off while he answers.
bool offGridAllowed(int rider) {
  if (currentScreen == SCREEN_FOLLOW_QUESTION) return rider == followCandidate;
  if (rider != activeRider) return false;
  switch (currentScreen) {
    case SCREEN_MOVING:
    case SCREEN_NO_MOVE:
    case SCREEN_EVENT_CARD:
    case SCREEN_EVENT_CARD_CANCELLED:
    case SCREEN_COMPUTER_TURN:
    case SCREEN_PLAY_CARDS:
    case SCREEN_CHOOSE_MOVE:
    case SCREEN_DOPING_CONFIRM:
    case SCREEN_DOPING_NUMBER:
    case SCREEN_CARD_KIND:
    case SCREEN_CARD_TIMING:
    case SCREEN_EXTRA_THROW:
    case SCREEN_HAND_IN_FOR_BONUS:
      return true;
    default:
      return false;
  }
}

bool onStartScreens() {
  return currentScreen >= SCREEN_START_THROW && currentScreen <= SCREEN_START_PLACE_COMPUTER;
}

std::string checkOccupancy() {
  int onGrid = 0;
  for (int i = 0; i < RIDER_COUNT; i++) {
    const Rider& r = riders[i];
    if (r.finished || r.parked) {
      if (r.finished && insideTrack(r.row, r.lane) && trackOccupant[r.row][r.lane] == i)
        return describe("finished rider still on the grid", i);
      continue;
    }
    if (!insideTrack(r.row, r.lane)) {
      if (r.row == -1 && onStartScreens()) continue;  // not placed yet
      return describe("rider off the track", i);
    }
    int occupant = trackOccupant[r.row][r.lane];
    if (occupant == i) {
      onGrid++;
      if (riderAtSquare(r.row, r.lane, true) != i) return describe("two riders on one square", i);
      continue;
    }
    if (!offGridAllowed(i) || occupant != -1) return describe("occupancy disagrees with rider", i, occupant);
  }
  int cells = 0;
  for (int row = 0; row < trackRowCount; row++)
    for (int lane = 0; lane < TRACK_LANES; lane++) {
      int occupant = trackOccupant[row][lane];
      if (occupant == -1) continue;
      cells++;
      if (occupant < 0 || occupant >= RIDER_COUNT) return describe("bad occupant", row, lane);
      if (riders[occupant].row != row || riders[occupant].lane != lane)
        return describe("occupied cell not the rider's square", occupant);
    }
  if (cells != onGrid) return describe("occupied cells and riders on the grid differ", cells, onGrid);
  return "";
}

// Turns to sit out and crashes: at most two turns, every crash victim has
// decided before the race goes on, and a parked rider sits the round out.
std::string checkEventState() {
  for (int i = 0; i < RIDER_COUNT; i++) {
    const Rider& r = riders[i];
    if (r.skipTurns < 0 || r.skipTurns > 2) return describe("turns to sit out out of range", i, r.skipTurns);
    if (r.crashInvolved) return describe("crash victim left undecided", i);
    if (r.parked && !r.finished && !r.movedThisRound) return describe("parked rider still to move", i);
  }
  if (eventCardIndex >= EVENT_CARD_COUNT) return describe("event deck position", eventCardIndex);
  return "";
}

std::string checkPlaces() {
  int points[RIDER_COUNT] = {};
  for (int line = 0; line < 4; line++) {
    int first = 3 * line, count = line < 3 ? 3 : 16;
    bool gap = false;
    for (int p = first; p < first + count; p++) {
      int rider = raceResults[p];
      if (rider == -1) {
        gap = true;
        continue;
      }
      if (gap) return describe("places not filled in order", line, p);
      if (rider < 0 || rider >= RIDER_COUNT) return describe("bad rider in place", p);
      for (int q = first; q < p; q++)
        if (raceResults[q] == rider) return describe("rider holds two places on a line", rider, line);
      points[rider] += placePoints[p];
    }
  }
  for (int i = 0; i < RIDER_COUNT; i++)
    if (points[i] != riderScore[i]) return describe("points differ from places held", i, riderScore[i]);
  return "";
}

}  // namespace

void seedRaceRandom(uint32_t seed) {
  randomState = 0x9E3779B97F4A7C15ULL ^ (static_cast<uint64_t>(seed) * 0xBF58476D1CE4E5B9ULL);
  if (randomState == 0) randomState = 1;
  gameRandomOverride = seededRandom;
}

uint64_t seededRandomState() { return randomState; }

bool startComputerRace(const char* course, uint32_t seed, bool eventCards) {
  initBoardSections();
  seedRaceRandom(seed);
  moveTimerHook = recordTick;
  redrawHook = nullptr;
  tick = Tick();
  strncpy(courseSpec, course, COURSE_SPEC_SIZE - 1);
  courseSpec[COURSE_SPEC_SIZE - 1] = '\0';
  for (Rider& rider : riders) rider.humanControlled = 0;
  eventCardsOn = eventCards ? 1 : 0;
  if (!buildCourse()) return false;
  buildEventDeck();
  lastRound = roundNumber;
  movesStarted = 0;
  interruptions = false;
  ticksDelivered = 0;
  for (int& count : eventCardsApplied) count = 0;
  activeRider = 0;
  currentScreen = SCREEN_START_THROW;
  requestRedraw();
  throwStartOrder();
  return true;
}

bool driveOneStep() {
  if (tick.pending) {
    ticksDelivered++;
    if (interruptions && currentScreen == SCREEN_MOVING && ticksDelivered % 7 == 3) {
      interruptMove();
      return true;
    }
    tick.pending = false;
    if (tick.value != lastMoveValue) movesStarted++;
    lastMoveValue = tick.value;
    onComputerMoveTimer(tick.value);
    return true;
  }
  switch (currentScreen) {
    case SCREEN_START_THROW_RESULT:
      resolveStartOrder();
      return true;
    case SCREEN_NO_MOVE:
      parkBlockedRider();
      return true;
    case SCREEN_DOPING_NUMBER:
      takeDopingCard();
      return true;
    case SCREEN_DOPING_CONTROL:
      continueDopingControl();
      return true;
    case SCREEN_COUNTERCHECK:
      countercheckNextRider();
      return true;
    // The event panels that wait for OK.
    case SCREEN_EVENT_CARD:
      eventCardsApplied[currentEventCard()]++;
      applyEventCard();
      return true;
    case SCREEN_EVENT_CARD_CANCELLED:
      closeCancelledEventCard();
      return true;
    case SCREEN_NO_CARD_TO_HAND_IN:
      answerHandInCards();
      return true;
    default:
      return false;
  }
}

void setOverlayInterruptions(bool on) { interruptions = on; }

void beginRaceChecks() { lastRound = roundNumber; }

std::string checkRaceInvariants() {
  if (roundNumber < lastRound) return describe("round number went down", roundNumber, lastRound);
  lastRound = roundNumber;
  std::string why = checkOccupancy();
  if (why.empty()) why = checkEventState();
  if (why.empty()) why = checkPlaces();
  return why;
}

std::string checkRaceEnd() {
  for (int i = 0; i < RIDER_COUNT; i++)
    if (!riders[i].finished) return describe("rider not finished", i);
  bool seen[RIDER_COUNT] = {};
  for (int p = FIRST_FINISH_PLACE; p < RESULT_PLACES; p++) {
    int rider = raceResults[p];
    if (rider < 0 || rider >= RIDER_COUNT || seen[rider]) return describe("finish places not every rider once", p);
    seen[rider] = true;
  }
  int sprints = 0;
  for (int k = 0; k < 3; k++)
    if (lineRows[k] != -1) sprints++;
  int total = 0;
  for (int score : riderScore) total += score;
  if (total != 385 + 18 * sprints) return describe("points given", total, sprints);
  return "";
}

RaceRun runRaceToEnd(int maxSteps, bool checks) {
  RaceRun run;
  while (run.driverSteps < maxSteps) {
    if (currentScreen == SCREEN_STAGE_STANDINGS || currentScreen == SCREEN_SAVE_FAILED) {
      run.ended = run.dopingControl;
      if (!run.ended) run.failure = "stage ended without the doping control";
      break;
    }
    if (currentScreen == SCREEN_DOPING_CONTROL && !run.dopingControl) {
      // The race is over: check it as it finished, before the countercheck
      // may empty the places of a disqualified rider.
      run.dopingControl = true;
      if (checks) run.failure = checkRaceEnd();
      if (!run.failure.empty()) break;
    }
    bool midMove = currentScreen == SCREEN_MOVING && pathPointIndex > 0;
    if (checks && !midMove && !run.dopingControl) {
      run.failure = checkRaceInvariants();
      if (!run.failure.empty()) break;
    }
    if (!driveOneStep()) {
      run.failure = describe("race stalled on screen", currentScreen);
      break;
    }
    run.driverSteps++;
  }
  if (!run.ended && run.failure.empty()) run.failure = "too many driver steps";
  run.moves = movesStarted;
  run.rounds = roundNumber;
  for (int c = 0; c < EVENT_CARD_COUNT; c++) run.eventCards[c] = eventCardsApplied[c];
  return run;
}

void releaseRaceDriver() {
  moveTimerHook = nullptr;
  gameRandomOverride = nullptr;
  tick = Tick();
}
