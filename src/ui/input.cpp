#include "ui/input.h"

#include <GL/freeglut.h>

#include "model/screens.h"
#include "model/view_state.h"
#include "render/layout.h"
#include "ui/language_screen.h"
#include "ui/main_menu.h"
#include "ui/manual_screen.h"
#include "ui/settings_screen.h"

namespace {

// GLUT reports the mouse wheel as presses and releases of buttons 3 and 4.
const int WHEEL_UP_BUTTON = 3;
const int WHEEL_DOWN_BUTTON = 4;

float areaX(int x) { return static_cast<float>(x - drawAreaX); }
float areaY(int y) { return static_cast<float>(y - drawAreaY); }

}  // namespace

void onMouseClick(int button, int state, int x, int y) {
  if (button == WHEEL_UP_BUTTON || button == WHEEL_DOWN_BUTTON) return;
  const float px = areaX(x);
  const float py = areaY(y);
  if (button == GLUT_LEFT_BUTTON && state == GLUT_UP) panelDragging = 0;
  const int screen = currentScreen;
  switch (screen) {
    case SCREEN_MAIN_MENU: mainMenuMouse(button, state, px, py); break;
    case SCREEN_LANGUAGE: languageScreenMouse(button, state, px, py); break;
    case SCREEN_MANUAL: manualScreenMouse(button, state, px, py); break;
    case SCREEN_SETTINGS: settingsMouseClick(button, state, px, py); break;
    default: break;
  }
}

void onMouseDrag(int x, int y) {
  (void)x;
  (void)y;
  // No screen built so far follows the pointer while a button is held.
}

void onMouseHover(int x, int y) {
  const float px = areaX(x);
  const float py = areaY(y);
  const int screen = currentScreen;
  switch (screen) {
    case SCREEN_LANGUAGE: languageScreenHover(px, py); break;
    default: break;
  }
}

void onKeyboardUp(unsigned char key, int x, int y) {
  (void)x;
  (void)y;
  const int screen = currentScreen;
  switch (screen) {
    case SCREEN_MAIN_MENU: mainMenuKey(key); break;
    case SCREEN_MANUAL: manualScreenKey(key); break;
    case SCREEN_SETTINGS: settingsKeyboardUp(key); break;
    default: break;
  }
}

void onSpecialKeyUp(int key, int x, int y) {
  (void)x;
  (void)y;
  const int screen = currentScreen;
  switch (screen) {
    case SCREEN_MANUAL: manualScreenSpecialKey(key); break;
    case SCREEN_SETTINGS: settingsSpecialKeyUp(key); break;
    default: break;
  }
}
