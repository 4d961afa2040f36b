#include "ui/start_screens.h"

#include <algorithm>
#include <cstdio>

#include <GL/freeglut.h>

#include "model/hooks.h"
#include "model/occupancy.h"
#include "model/screens.h"
#include "render/glyph_atlas.h"
#include "render/layout.h"
#include "render/text.h"
#include "rules/race_start.h"
#include "rules/race_state.h"
#include "texts/language_texts.h"

namespace {

const unsigned char KEY_ENTER = 13;
const unsigned char KEY_SPACE = 32;

bool onThrowButton(float x, float y) {
  return pointInRect(x, y, throwButtonX, throwButtonY, throwButtonWidth, throwButtonHeight);
}

// The Throw on the first start screen, Next on the result.
void pressThrowButton() {
  if (currentScreen == SCREEN_START_THROW)
    throwStartOrder();
  else if (currentScreen == SCREEN_START_THROW_RESULT)
    resolveStartOrder();
}

int clampInt(int value, int low, int high) { return std::max(low, std::min(high, value)); }

}  // namespace

// The list stands on the band, cleared just before and clear of everything
// drawn earlier in the frame, so it needs no background of its own.
void drawStartOrderList() {
  const float h = 0.04f * static_cast<float>(drawAreaHeight);
  const float top = racePanelCounterTop();
  beginGlyphBatch();
  for (int team = 0; team < TEAM_COUNT; ++team) {
    const int roll = startRolls[team];
    char line[24];
    if (roll != -1 && roll != 0)
      std::snprintf(line, sizeof line, "%d %d", printedRiderNumber(team * TEAM_SIZE), roll);
    else
      std::snprintf(line, sizeof line, "%d ", printedRiderNumber(team * TEAM_SIZE));
    if (roll == 0)
      glColor3f(0.5f, 0.5f, 0.5f);
    else
      glColor3f(1, 1, 1);
    const float x = diceX + static_cast<float>(team / 2) * (1.25f * dieSize);
    const float y = top + 0.25f * h + static_cast<float>(team % 2) * 0.5f * h;
    drawText(x, y, ALIGN_LEFT, line, FONT_SMALL, -1, 0, 0);
  }
  endGlyphBatch();
}

bool startThrowMouse(int button, int state, float x, float y) {
  if (!onThrowButton(x, y)) return false;
  if (button == GLUT_LEFT_BUTTON && state == GLUT_UP) pressThrowButton();
  return true;
}

bool startThrowKey(unsigned char key) {
  const char letter = toLowerAscii(static_cast<char>(key));
  const char wanted = currentScreen == SCREEN_START_THROW_RESULT
                          ? hotKeyLetter(textNextTeam, HOTKEY_NEXT_TEAM)
                          : hotKeyLetter(textThrow, HOTKEY_THROW);
  if (letter == 0 || letter != wanted) return false;
  pressThrowButton();
  return true;
}

bool startGridKey(unsigned char key) {
  if (key != KEY_ENTER && key != KEY_SPACE) return false;
  placeRiderAtStartCursor();
  return true;
}

bool startGridSpecialKey(int key) {
  if (key != GLUT_KEY_LEFT && key != GLUT_KEY_RIGHT && key != GLUT_KEY_UP && key != GLUT_KEY_DOWN)
    return false;
  // Behind start section 0 the grid runs the other way across the screen
  // from behind start section 6: the same key moves the opposite way.
  const char start = courseSpec[0];
  if (start == '0' || start == '6') {
    const int sign = start == '0' ? 1 : -1;
    const int lowLane = start == '0' ? 0 : 4;
    const int highLane = start == '0' ? 4 : 7;
    if (key == GLUT_KEY_LEFT) startCursorRow = clampInt(startCursorRow + sign, 0, 3);
    if (key == GLUT_KEY_RIGHT) startCursorRow = clampInt(startCursorRow - sign, 0, 3);
    if (key == GLUT_KEY_UP) startCursorLane = clampInt(startCursorLane + sign, lowLane, highLane);
    if (key == GLUT_KEY_DOWN) startCursorLane = clampInt(startCursorLane - sign, lowLane, highLane);
  }
  requestRedraw();
  return true;
}
