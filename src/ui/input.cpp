#include "ui/input.h"

#include <GL/freeglut.h>

#include "model/screens.h"
#include "model/view_state.h"
#include "render/layout.h"
#include "ui/card_hand.h"
#include "ui/course_designer.h"
#include "ui/course_selection.h"
#include "ui/dialog_panel.h"
#include "ui/footer.h"
#include "ui/language_screen.h"
#include "ui/main_menu.h"
#include "ui/manual_screen.h"
#include "ui/positions_screen.h"
#include "ui/saved_courses.h"
#include "ui/saved_races.h"
#include "ui/person_turn.h"
#include "ui/score_panel.h"
#include "ui/settings_screen.h"
#include "ui/team_setup.h"
#include "ui/start_screens.h"
#include "ui/turn_dialogs.h"

namespace {

// GLUT reports the mouse wheel as presses and releases of buttons 3 and 4.
const int WHEEL_UP_BUTTON = 3;
const int WHEEL_DOWN_BUTTON = 4;

// The screen the left button was last pressed on, -1 when it is up. A
// release on another screen belongs to no control: a press on one screen's
// control must not end as a click on the next screen's button under it.
int leftPressScreen = -1;

float areaX(int x) { return static_cast<float>(x - drawAreaX); }
float areaY(int y) { return static_cast<float>(y - drawAreaY); }

// The current screen's own controls. True when the event hit one of them
// (whether or not it acted): the shared parts of the race panel then leave
// it alone. The full screens own every event.
bool screenMouse(int screen, int button, int state, float x, float y) {
  switch (screen) {
    case SCREEN_MAIN_MENU: mainMenuMouse(button, state, x, y); return true;
    case SCREEN_LANGUAGE: languageScreenMouse(button, state, x, y); return true;
    case SCREEN_MANUAL: manualScreenMouse(button, state, x, y); return true;
    case SCREEN_SETTINGS: settingsMouseClick(button, state, x, y); return true;
    case SCREEN_SAVED_RACES: savedRacesMouse(button, state, x, y); return true;
    case SCREEN_COURSE_SELECTION: return courseSelectionMouse(button, state, x, y);
    case SCREEN_COURSE_DESIGN: return courseDesignerMouse(button, state, x, y);
    case SCREEN_SAVED_COURSES: return savedCoursesMouse(button, state, x, y);
    case SCREEN_POSITIONS: return positionsScreenMouse(button, state, x, y);
    case SCREEN_TEAM_SETUP: return teamSetupMouse(button, state, x, y);
    case SCREEN_SETUP_ERRORS: return setupErrorsMouse(button, state, x, y);
    case SCREEN_SCORECARD:
    case SCREEN_STAGE_STANDINGS:
    case SCREEN_SAVED_RACE_SCORECARD:
      return scorePanelMouse(button, state, x, y);
    case SCREEN_FOLLOW_QUESTION:
    case SCREEN_EVENT_CARD:
    case SCREEN_CARD_KIND:
    case SCREEN_CARD_TIMING:
    case SCREEN_EXTRA_THROW:
    case SCREEN_NO_CARD_TO_HAND_IN:
    case SCREEN_EVENT_CARD_CANCELLED:
    case SCREEN_NO_MOVE:
    case SCREEN_DOPING_CONFIRM:
    case SCREEN_QUIT_CONFIRM:
    case SCREEN_DOPING_NUMBER:
    case SCREEN_DOPING_CONTROL:
    case SCREEN_COUNTERCHECK:
    case SCREEN_SAVE_FAILED:
      return turnDialogMouse(button, state, x, y);
    case SCREEN_START_THROW:
    case SCREEN_START_THROW_RESULT: return startThrowMouse(button, state, x, y);
    case SCREEN_PLAY_CARDS: return playCardsMouse(button, state, x, y);
    default: return false;
  }
}

bool screenKey(int screen, unsigned char key) {
  switch (screen) {
    case SCREEN_MAIN_MENU: mainMenuKey(key); return true;
    case SCREEN_MANUAL: manualScreenKey(key); return true;
    case SCREEN_SETTINGS: settingsKeyboardUp(key); return true;
    case SCREEN_SAVED_RACES: savedRacesKey(key); return true;
    case SCREEN_LANGUAGE:
    case SCREEN_SAVED_COURSES: return true;
    case SCREEN_TEAM_SETUP: return teamSetupKey(key);
    case SCREEN_SETUP_ERRORS: return setupErrorsKey(key);
    case SCREEN_COURSE_SELECTION: return courseSelectionKey(key);
    case SCREEN_COURSE_DESIGN: return courseDesignerKey(key);
    case SCREEN_POSITIONS: return positionsScreenKey(key);
    case SCREEN_SCORECARD:
    case SCREEN_STAGE_STANDINGS:
    case SCREEN_SAVED_RACE_SCORECARD:
      return scorePanelKey(key);
    case SCREEN_FOLLOW_QUESTION:
    case SCREEN_EVENT_CARD:
    case SCREEN_CARD_KIND:
    case SCREEN_CARD_TIMING:
    case SCREEN_EXTRA_THROW:
    case SCREEN_NO_CARD_TO_HAND_IN:
    case SCREEN_EVENT_CARD_CANCELLED:
    case SCREEN_NO_MOVE:
    case SCREEN_DOPING_CONFIRM:
    case SCREEN_QUIT_CONFIRM:
    case SCREEN_DOPING_NUMBER:
    case SCREEN_DOPING_CONTROL:
    case SCREEN_COUNTERCHECK:
    case SCREEN_SAVE_FAILED:
      return turnDialogKey(key);
    case SCREEN_START_THROW:
    case SCREEN_START_THROW_RESULT: return startThrowKey(key);
    case SCREEN_START_PLACE_HUMAN: return startGridKey(key);
    case SCREEN_PLAY_CARDS: return playCardsKey(key);
    case SCREEN_CHOOSE_MOVE: return chooseMoveKey(key);
    case SCREEN_HAND_IN_CARDS:
    case SCREEN_HAND_IN_FOR_BONUS: return handInKey(key);
    default: return false;
  }
}

bool screenSpecialKey(int screen, int key) {
  switch (screen) {
    case SCREEN_MANUAL: manualScreenSpecialKey(key); return true;
    case SCREEN_SETTINGS: settingsSpecialKeyUp(key); return true;
    case SCREEN_MAIN_MENU:
    case SCREEN_LANGUAGE:
    case SCREEN_COURSE_SELECTION:
    case SCREEN_COURSE_DESIGN:
    case SCREEN_SAVED_COURSES:
    case SCREEN_POSITIONS:
    case SCREEN_SETUP_ERRORS:
    case SCREEN_SAVED_RACES: return true;
    case SCREEN_TEAM_SETUP: return teamSetupSpecialKey(key);
    case SCREEN_SCORECARD:
    case SCREEN_STAGE_STANDINGS:
    case SCREEN_SAVED_RACE_SCORECARD:
      return scorePanelSpecialKey(key);
    case SCREEN_CHOOSE_MOVE: return chooseMoveSpecialKey(key);
    case SCREEN_START_PLACE_HUMAN: return startGridSpecialKey(key);
    default: return false;
  }
}

bool grabPanel(int button, int state, float x, float y) {
  if (button != GLUT_LEFT_BUTTON || state != GLUT_DOWN) return false;
  if (!grabDialogPanel(x, y) && !grabScorePanel(x, y)) return false;
  panelGrabScreen = currentScreen;
  return true;
}

}  // namespace

void onMouseClick(int button, int state, int x, int y) {
  if (button == WHEEL_UP_BUTTON || button == WHEEL_DOWN_BUTTON) return;
  const float px = areaX(x);
  const float py = areaY(y);
  if (button == GLUT_LEFT_BUTTON) {
    // Whatever was held is let go, at a release and before a new grab.
    panelDragging = 0;
    panelGrabScreen = -1;
    if (state == GLUT_DOWN) {
      leftPressScreen = currentScreen;
    } else {
      const bool pressedHere = leftPressScreen == -1 || leftPressScreen == currentScreen;
      leftPressScreen = -1;
      if (!pressedHere) return;
    }
  }
  // One event, one action: each part runs only when nothing before it took
  // the event and the screen is still the one the event arrived on.
  const int screen = currentScreen;
  if (screenMouse(screen, button, state, px, py) || currentScreen != screen) return;
  if (cardHandMouse(button, state, px, py) || currentScreen != screen) return;
  if (grabPanel(button, state, px, py)) return;
  if (footerMouse(button, state, px, py) || currentScreen != screen) return;
  viewButtonsMouse(button, state, px, py);
}

void onMouseDrag(int x, int y) {
  if (panelDragging == 0) return;
  // A panel held on a screen that has since been answered is let go.
  if (panelGrabScreen != currentScreen) {
    panelDragging = 0;
    panelGrabScreen = -1;
    return;
  }
  const float px = areaX(x);
  const float py = areaY(y);
  switch (currentScreen) {
    case SCREEN_SCORECARD:
    case SCREEN_STAGE_STANDINGS:
    case SCREEN_SAVED_RACE_SCORECARD:
      dragScorePanel(px, py);
      break;
    default:
      dragDialogPanel(px, py);
      break;
  }
}

void onMouseHover(int x, int y) {
  const float px = areaX(x);
  const float py = areaY(y);
  const int screen = currentScreen;
  switch (screen) {
    case SCREEN_LANGUAGE: languageScreenHover(px, py); break;
    case SCREEN_COURSE_SELECTION: courseSelectionHover(px, py); break;
    default: break;
  }
}

void onKeyboardUp(unsigned char key, int x, int y) {
  (void)x;
  (void)y;
  const int screen = currentScreen;
  if (screenKey(screen, key) || currentScreen != screen) return;
  if (footerKey(key) || currentScreen != screen) return;
  cardHandKey(key);
}

void onSpecialKeyUp(int key, int x, int y) {
  (void)x;
  (void)y;
  // freeglut reports Shift, Ctrl and Alt on their own as special keys.
  if (key >= GLUT_KEY_SHIFT_L && key <= GLUT_KEY_ALT_R) return;
  const int screen = currentScreen;
  if (screenSpecialKey(screen, key) || currentScreen != screen) return;
  cardHandSpecialKey(key);
}
