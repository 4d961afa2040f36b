#include "ui/screen_switch.h"

#include "model/screens.h"
#include "model/settings.h"
#include "render/frame.h"
#include "rules/move_animation.h"
#include "ui/settings_screen.h"

void openSettings() {
  savedSmoothComputerMovement = smoothComputerMovement;
  savedScreenRatio[0] = screenRatio[0];
  savedScreenRatio[1] = screenRatio[1];
  previousScreen = currentScreen;
  currentScreen = SCREEN_SETTINGS;
  onDisplay();
}

void returnToPreviousScreen() {
  currentScreen = previousScreen;
  onDisplay();
  // Only on the moving screen, and never a second tick while one is pending.
  restartMoveTimer();
}
