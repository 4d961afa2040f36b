#include "ui/input.h"

#include <GL/freeglut.h>

#include "model/screens.h"
#include "model/view_state.h"
#include "render/layout.h"
#include "ui/card_hand.h"
#include "ui/dialog_panel.h"
#include "ui/footer.h"
#include "ui/score_panel.h"

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

// The current screen's own controls, as its row of the table of screens
// names them. True when the event hit one of them: the shared parts of the
// race panel then leave it alone.
bool screenMouse(int screen, int button, int state, float x, float y) {
  bool (*mouse)(int, int, float, float) = screenRow(screen).mouse;
  return mouse != nullptr && mouse(button, state, x, y);
}

bool screenKey(int screen, unsigned char key) {
  bool (*handler)(unsigned char) = screenRow(screen).key;
  return handler != nullptr && handler(key);
}

bool screenSpecialKey(int screen, int key) {
  bool (*handler)(int) = screenRow(screen).specialKey;
  return handler != nullptr && handler(key);
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
  if (screenShows(currentScreen, SHOWS_SCORE_PANEL))
    dragScorePanel(px, py);
  else
    dragDialogPanel(px, py);
}

void onMouseHover(int x, int y) {
  void (*hover)(float, float) = screenRow(currentScreen).hover;
  if (hover != nullptr) hover(areaX(x), areaY(y));
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
