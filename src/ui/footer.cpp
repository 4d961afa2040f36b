#include "ui/footer.h"

#include <GL/freeglut.h>

#include "model/occupancy.h"
#include "model/screens.h"
#include "model/view_state.h"
#include "render/frame.h"
#include "render/layout.h"
#include "render/views.h"
#include "texts/language_texts.h"
#include "ui/screen_switch.h"

namespace {

// Always 0 to n - 1, whatever the sign of value.
int wrapIndex(int value, int n) { return ((value % n) + n) % n; }

struct FooterButton {
  const float* x;
  const float* y;
  const char* label;
  int hotKey;
  void (*open)();
};

// In the order the buttons are hit-tested.
const FooterButton footerButtons[] = {
    {&quitButtonX, &quitButtonY, textQuit, HOTKEY_FOOTER_QUIT, askQuitConfirmation},
    {&scorecardButtonX, &scorecardButtonY, textScorecard, HOTKEY_FOOTER_SCORECARD, showScorecard},
    {&positionsButtonX, &positionsButtonY, textPositions, HOTKEY_FOOTER_POSITIONS, showPositions},
    {&settingsButtonX, &settingsButtonY, textSettings, HOTKEY_FOOTER_SETTINGS, openSettings},
};

}  // namespace

bool isFooterScreen(int screen) { return screenShows(screen, FOOTER_LIVE); }

bool isViewScreen(int screen) { return screenShows(screen, VIEW_BUTTONS_LIVE); }

bool footerMouse(int button, int state, float x, float y) {
  if (!isFooterScreen(currentScreen) || button != GLUT_LEFT_BUTTON || state != GLUT_DOWN)
    return false;
  for (const FooterButton& b : footerButtons) {
    if (pointInRect(x, y, *b.x, *b.y, footerButtonWidth, buttonHeight)) {
      b.open();
      return true;
    }
  }
  return false;
}

bool footerKey(unsigned char key) {
  if (!isFooterScreen(currentScreen)) return false;
  const char letter = toLowerAscii(static_cast<char>(key));
  if (letter == 0) return false;
  for (const FooterButton& b : footerButtons) {
    if (hotKeyLetter(b.label, b.hotKey) == letter) {
      b.open();
      return true;
    }
  }
  return false;
}

int nextCamera(int camera, bool view3D, bool leftButton) {
  if (!view3D) return wrapIndex(camera, 2) + 1;
  const int cameras = LAST_CAMERA - FIRST_CAMERA + 1;
  return wrapIndex(leftButton ? camera - 2 : camera + 4, cameras) + FIRST_CAMERA;
}

bool viewButtonsMouse(int button, int state, float x, float y) {
  if (!isViewScreen(currentScreen) || state != GLUT_DOWN) return false;
  if (pointInRect(x, y, viewSwitchX, viewSwitchY, viewSwitchSize, viewSwitchSize)) {
    if (button != GLUT_LEFT_BUTTON) return true;
    int shown = cameraIndex;
    cameraIndex = otherModeCamera;
    otherModeCamera = shown;
    boardView2D = 1 - boardView2D;
  } else if (pointInRect(x, y, cameraButtonX, cameraButtonY, cameraButtonSize, cameraButtonSize)) {
    if (button != GLUT_LEFT_BUTTON && button != GLUT_RIGHT_BUTTON) return true;
    cameraIndex = nextCamera(cameraIndex, boardView2D == 0, button == GLUT_LEFT_BUTTON);
  } else {
    return false;
  }
  applyBoardViewState();
  onDisplay();
  return true;
}
