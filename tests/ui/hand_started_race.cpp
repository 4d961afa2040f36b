#include "ui/hand_started_race.h"

#include <cstring>

#include <GL/freeglut.h>

#include "model/hooks.h"
#include "model/screens.h"
#include "model/track.h"
#include "rules/course_builder.h"
#include "rules/event_deck.h"
#include "rules/race_start.h"
#include "rules/race_state.h"
#include "support/race_driver.h"
#include "ui/input.h"

bool openRaceStart(const char* course, uint32_t seed, int humanTeam) {
  seedRaceRandom(seed);
  redrawHook = nullptr;
  moveTimerHook = nullptr;
  std::strncpy(courseSpec, course, COURSE_SPEC_SIZE - 1);
  if (!buildCourse()) return false;
  for (int i = 0; i < RIDER_COUNT; ++i) {
    riders[i] = Rider();
    riders[i].humanControlled = riderTeam(i) == humanTeam ? 1 : 0;
  }
  buildEventDeck();
  activeRider = 0;
  currentScreen = SCREEN_START_THROW;
  if (humanTeam != 0) throwStartOrder();
  return true;
}

bool walkStartCursorTo(int row, int lane) {
  // Behind section 0 LEFT raises the row and UP the lane; behind 6 RIGHT and DOWN.
  const bool zero = courseSpec[0] == '0';
  while (startCursorRow != row || startCursorLane != lane) {
    const int before[2] = {startCursorRow, startCursorLane};
    int key = zero ? GLUT_KEY_DOWN : GLUT_KEY_UP;
    if (startCursorRow < row) key = zero ? GLUT_KEY_LEFT : GLUT_KEY_RIGHT;
    else if (startCursorRow > row) key = zero ? GLUT_KEY_RIGHT : GLUT_KEY_LEFT;
    else if (startCursorLane < lane) key = zero ? GLUT_KEY_UP : GLUT_KEY_DOWN;
    onSpecialKeyUp(key, 0, 0);
    if (startCursorRow == before[0] && startCursorLane == before[1]) return false;
  }
  return true;
}

bool placeStartRiderByKeys() {
  const int low = courseSpec[0] == '6' ? 4 : 0;
  int row = 3, lane = low + 4;
  while (row >= 0 && !mayStartOn(activeRider, row, lane))
    if (--lane < low) lane = low + 4, --row;
  if (row < 0 || !walkStartCursorTo(row, lane)) return false;
  onKeyboardUp(13, 0, 0);
  return true;
}

bool playStartByKeys() {
  for (int step = 0; step < 200; ++step) {
    if (currentScreen == SCREEN_START_THROW) onKeyboardUp('t', 0, 0);
    else if (currentScreen == SCREEN_START_THROW_RESULT) onKeyboardUp('N', 0, 0);
    else if (currentScreen != SCREEN_START_PLACE_HUMAN) return true;
    else if (!placeStartRiderByKeys()) return false;
  }
  return false;
}
