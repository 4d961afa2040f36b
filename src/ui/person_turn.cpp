#include "ui/person_turn.h"

#include <GL/freeglut.h>

#include "model/hooks.h"
#include "model/occupancy.h"
#include "model/screens.h"
#include "model/track.h"
#include "render/layout.h"
#include "rules/drafting.h"
#include "rules/line_points.h"
#include "rules/move_animation.h"
#include "rules/race_state.h"
#include "rules/throw_rules.h"
#include "rules/turn_sequence.h"
#include "texts/language_texts.h"
#include "ui/card_hand.h"
#include "ui/race_panel.h"

namespace {

const unsigned char ENTER_KEY = 13;
const unsigned char SPACE_KEY = 32;

bool cardChosen() { return chosenCards[0] != CARD_DIE || chosenCards[1] != CARD_DIE; }

// Breakaway can be ticked or cleared while a card stands in for a die.
void toggleBreakaway() {
  if (!cardChosen()) return;
  breakawayDeclared = 1 - breakawayDeclared;
  requestRedraw();
}

// The doping question, while the rider may still take doping and a die is
// left for the doping card.
void askDoping() {
  if (!dopingButtonEnabled()) return;
  previousScreen = currentScreen;
  currentScreen = SCREEN_DOPING_CONFIRM;
  requestRedraw();
}

float dieSquareX(int k) { return diceX + static_cast<float>(k) * (dieSize + dieGap); }

// The most steps a path can record: point 0 is the start square.
bool stepsLeft() {
  return pathPointIndex < pathLength && pathPointIndex < MAX_PATH_POINTS - 1;
}

// One step 'L', 'M' or 'R': the rider lands where the step rule says (a
// pass-through square carries him on without costing a further step).
void takeStep(char letter) {
  if (!isRiderIndex(activeRider) || pathPointIndex < 0 || !stepsLeft()) return;
  Rider& rider = riders[activeRider];
  const StepResult landing = tryStep(rider.row, rider.lane, letter, 0);
  if (stepBlocked(landing)) return;
  pathPointIndex += 1;
  rider.row = static_cast<int32_t>(landing.row);
  rider.lane = static_cast<int32_t>(landing.lane);
  placeRiderFigure(activeRider);
  pathPoints[pathPointIndex][0] = static_cast<float>(rider.row);
  pathPoints[pathPointIndex][1] = static_cast<float>(rider.lane);
  updateRiderLap(activeRider);
  requestRedraw();
}

void stepBack() {
  if (pathPointIndex > 0) undoMoveStep();
}

// The rider stays on the square he has stepped to: he scores the lines he
// crossed, a move without a step parks him, and the rider behind may draft
// unless he broke away.
void endMove() {
  const int mover = activeRider;
  Rider& rider = riders[mover];
  const int startRow = static_cast<int>(moveEndpoints[0]);
  const int startLane = static_cast<int>(moveEndpoints[1]);
  // The start square is cleared only while it still holds this rider.
  if (insideTrack(startRow, startLane) && trackOccupant[startRow][startLane] == mover)
    trackOccupant[startRow][startLane] = -1;
  rider.movedThisRound = 1;
  moveEndpoints[2] = static_cast<float>(rider.row);
  moveEndpoints[3] = static_cast<float>(rider.lane);
  int scorer = mover;
  awardLinePoints(startRow, rider.row, &scorer);
  if (pathPointIndex == 0) rider.parked = 1;
  if (!rider.parked && insideTrack(rider.row, rider.lane)) trackOccupant[rider.row][rider.lane] = mover;
  if (breakawayDeclared == 0 && !rider.parked) {
    offerFollow(startRow, startLane, pathPointIndex, rider.row, rider.lane);
    return;
  }
  animOnSegment = 0;
  requestRedraw();
  nextTurn();
}

}  // namespace

bool playCardsMouse(int button, int state, float x, float y) {
  if (button != GLUT_LEFT_BUTTON || state != GLUT_DOWN) return false;
  if (pointInRect(x, y, throwButtonX, throwButtonY, throwButtonWidth, throwButtonHeight)) {
    performThrow();
    return true;
  }
  for (int k = 0; k < 2; k++) {
    if (!pointInRect(x, y, dieSquareX(k), diceY, dieSize, dieSize)) continue;
    // A die showing the doping card keeps it.
    if (takeBackChosenCard(k)) requestRedraw();
    return true;
  }
  if (pointInRect(x, y, breakawayBoxX, breakawayBoxY, breakawayBoxSize, breakawayBoxSize)) {
    toggleBreakaway();
    return true;
  }
  if (pointInRect(x, y, dopingButtonX, dopingButtonY, footerButtonWidth, buttonHeight)) {
    askDoping();
    return true;
  }
  return false;
}

bool playCardsKey(unsigned char key) {
  const char letter = toLowerAscii(static_cast<char>(key));
  if (letter == 0) return false;
  if (letter == hotKeyLetter(textThrow, HOTKEY_THROW)) {
    performThrow();
    return true;
  }
  if (letter == hotKeyLetter(textBreakaway, HOTKEY_BREAKAWAY)) {
    toggleBreakaway();
    return true;
  }
  if (letter == hotKeyLetter(textDoping, HOTKEY_DOPING)) {
    askDoping();
    return true;
  }
  return false;
}

bool chooseMoveSpecialKey(int key) {
  switch (key) {
    case GLUT_KEY_LEFT: takeStep('L'); return true;
    case GLUT_KEY_UP: takeStep('M'); return true;
    case GLUT_KEY_RIGHT: takeStep('R'); return true;
    case GLUT_KEY_DOWN: stepBack(); return true;
    default: return false;
  }
}

bool chooseMoveKey(unsigned char key) {
  if (key == ENTER_KEY || key == SPACE_KEY) {
    if (moveMayEnd()) endMove();
    return true;
  }
  // "u" is the step back here in every language (in German also the
  // footer's Quit letter, which this screen keeps for itself).
  if (toLowerAscii(static_cast<char>(key)) == 'u') {
    stepBack();
    return true;
  }
  return false;
}

bool handInKey(unsigned char key) {
  if (key != ENTER_KEY && key != SPACE_KEY && toLowerAscii(static_cast<char>(key)) != 'o') return false;
  answerHandInSlots();
  return true;
}

bool moveMayEnd() {
  if (!isRiderIndex(activeRider)) return false;
  const Rider& rider = riders[activeRider];
  if (rider.row <= lineRows[FINISH_LINE] || !stepsLeft()) return true;
  // Past the finish a free road may not be left short; a rider with no
  // step free at all may stop.
  for (char letter : {'L', 'M', 'R'})
    if (!stepBlocked(tryStep(rider.row, rider.lane, letter, 0))) return false;
  return true;
}
