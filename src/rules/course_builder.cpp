#include "rules/course_builder.h"

#include <cstring>

#include "model/board_sections.h"
#include "model/track.h"
#include "model/view_state.h"
#include "rules/move_search.h"
#include "rules/race_state.h"

namespace {

bool isSectionDigit(char c) { return c >= '0' && c <= '8'; }

// A new lap is laid 3 lanes further across: every "1" except the one that
// directly follows the start section 0 begins a lap.
bool beginsNewLap(const char* spec, int i) {
  return spec[i] == '1' && !(i > 0 && spec[i - 1] == '0');
}

}  // namespace

void clearTrackGrids() {
  for (int row = 0; row < TRACK_ROWS; row++) {
    for (int lane = 0; lane < TRACK_LANES; lane++) {
      trackSquareValue[row][lane] = SQUARE_NONE;
      trackTerrain[row][lane] = TERRAIN_NONE;
      trackOccupant[row][lane] = -1;
      trackReach12[row][lane] = -1;
      trackReach11[row][lane] = -1;
    }
  }
}

bool courseCanBeLaid(const char* spec) {
  if (!spec) return false;
  size_t length = strnlen(spec, COURSE_SPEC_SIZE);
  if (length == 0 || length >= COURSE_SPEC_SIZE) return false;
  if (spec[0] != '0' && spec[0] != '6') return false;

  int rows = 0, laneOffset = 0, quads = 0, arcs = 0, dividers = 0;
  int sprints = 0, finishes = 0, sectionsAfterFinish = 0;
  int previous = -1;
  for (size_t i = 0; i < length; i++) {
    char c = spec[i];
    if (c == 'S') {
      if (++sprints > 3) return false;
      continue;
    }
    if (c == 'F') {
      if (++finishes > 1) return false;
      continue;
    }
    if (!isSectionDigit(c)) return false;
    int section = c - '0';
    if (previous != -1 && sectionSuccessors[previous][0] != section &&
        sectionSuccessors[previous][1] != section)
      return false;
    previous = section;
    if (beginsNewLap(spec, static_cast<int>(i))) laneOffset += 3;
    if (laneOffset + SECTION_LANES > TRACK_LANES) return false;
    rows += sectionRowCount[section];
    quads += sectionQuadCount[section];
    arcs += sectionArcCount[section];
    dividers += sectionDividerCount[section];
    if (rows > TRACK_ROWS || quads > MAX_TRACK_QUADS || arcs > MAX_TRACK_ARCS ||
        dividers > MAX_TRACK_DIVIDERS)
      return false;
    if (finishes > 0) sectionsAfterFinish++;
  }
  return finishes == 1 && sectionsAfterFinish > 0;
}

namespace {

void resetRaceState() {
  trackQuadCount = 0;
  trackArcCount = 0;
  trackDividerCount = 0;
  sprintToggle = 0;
  finishToggle = 0;
  sprintCount = 0;
  shownTeam = 0;
  startCursorRow = 0;
  if (courseSpec[0] == '0') startCursorLane = 0;
  if (courseSpec[0] == '6') startCursorLane = 4;
  climbEndRow = 0;

  for (int r = 0; r < RIDER_COUNT; r++) {
    riderScore[r] = 0;
    dopingNumber[r] = -1;
  }

  for (int t = 0; t < TEAM_COUNT; t++) {
    for (int s = 0; s < CARD_SLOTS; s++) cardUsed[t][s] = s >= FIRST_EXTRA_SLOT ? -1 : 0;
    for (int e = 0; e < EXTRA_SLOTS; e++) {
      extraCardHolder[t][e] = -1;
      extraCardValue[t][e] = -1;
    }
  }
  movementValues[0] = movementValues[1] = -1;
  chosenCards[0] = chosenCards[1] = CARD_DIE;
  handInCards[0] = handInCards[1] = 0;

  for (int p = 0; p < RESULT_PLACES; p++) raceResults[p] = -1;
  lastLineWinner = -1;
  dopingDraw[0] = dopingDraw[1] = 0;
  countercheckDie = 0;
  for (int t = 0; t < TEAM_COUNT; t++) startRolls[t] = -1;
  dopingCaught = 0;

  clearTrackGrids();

  for (Rider& rider : riders) {
    rider.skipTurns = 0;
    rider.parked = 0;
    rider.crashInvolved = 0;
    rider.movedThisRound = 0;
    rider.finished = 0;
    rider.disqualified = 0;
    rider.row = -1;
    rider.lane = -1;
  }

  lapLineCount = 0;
  for (int i = 0; i < 4; i++) lineRows[i] = -1;
  for (int i = 0; i < 5; i++) lapLineRows[i] = -1;
  for (int r = 0; r < RIDER_COUNT; r++) riderLap[r] = 0;
}

// Copies one board section into the track at row offset rowOffset and lane
// offset laneOffset, with its pieces and dividers.
void laySection(int section, int rowOffset, int laneOffset) {
  for (int q = 0; q < sectionQuadCount[section]; q++) {
    BoardQuad quad = sectionQuads[section][q];
    quad.rowFrom += rowOffset;
    quad.rowTo += rowOffset;
    quad.laneFrom += laneOffset;
    quad.laneTo += laneOffset;
    trackQuads[trackQuadCount++] = quad;
  }
  for (int a = 0; a < sectionArcCount[section]; a++) {
    BoardArc arc = sectionArcs[section][a];
    arc.rowFrom += rowOffset;
    arc.rowTo += rowOffset;
    arc.laneFrom += laneOffset;
    arc.laneTo += laneOffset;
    trackArcs[trackArcCount++] = arc;
  }
  for (int d = 0; d < sectionDividerCount[section]; d++) {
    LaneDivider divider = sectionDividers[section][d];
    divider.rowFrom += rowOffset;
    divider.rowTo += rowOffset;
    divider.lane += laneOffset;
    trackDividers[trackDividerCount++] = divider;
  }
  for (int r = 0; r < sectionRowCount[section]; r++) {
    for (int l = 0; l < SECTION_LANES; l++) {
      trackSquareValue[rowOffset + r][laneOffset + l] = sectionSquareValue[section][r][l];
      trackTerrain[rowOffset + r][laneOffset + l] = sectionTerrain[section][r][l];
    }
  }
}

bool endsLap(char start, int section) {
  if (start == '0') return section == 0 || section == 5 || section == 8;
  if (start == '6') return section == 6 || section == 3;
  return false;
}

void layCourse() {
  int rowOffset = 0;
  int laneOffset = 0;
  int sprints = 0;
  for (int i = 0; i < COURSE_SPEC_SIZE && courseSpec[i] != '\0'; i++) {
    char c = courseSpec[i];
    if (beginsNewLap(courseSpec, i)) laneOffset += 3;
    if (isSectionDigit(c)) {
      int section = c - '0';
      laySection(section, rowOffset, laneOffset);
      rowOffset += sectionRowCount[section];
      if (endsLap(courseSpec[0], section)) {
        if (lapLineCount < 5) lapLineRows[lapLineCount++] = rowOffset - 1;
      } else if ((section == 2 || section == 7) && lineRows[FINISH_LINE] == -1) {
        climbEndRow = rowOffset - 1;
      }
    } else if (c == 'S') {
      if (sprints < 3) lineRows[sprints++] = rowOffset - 1;
    } else if (c == 'F') {
      lineRows[FINISH_LINE] = rowOffset - 1;
    }
  }
  trackRowCount = rowOffset;
}

void resetViewAndTurn() {
  boardView2D = 1;
  cameraIndex = 1;
  otherModeCamera = 3;
  panelDragging = 0;
  panelGrabOffset[0] = panelGrabOffset[1] = 0;
  breakawayDeclared = 0;
  activeRider = -1;
  followCandidate = -1;
  eventCardRider = -1;
  pathPointIndex = 0;
  pathLength = 0;
  roundNumber = 1;
  eventCardBonusValue = 0;
  extraDie = -1;
  dopingCardValue = 0;
  bonusSquares = 0;
  movementTotal = 0;
}

}  // namespace

void resetRace() {
  resetRaceState();
  resetViewAndTurn();
}

bool buildCourse() {
  if (!courseCanBeLaid(courseSpec)) return false;
  resetRace();
  layCourse();
  computeReachTables();
  return true;
}
