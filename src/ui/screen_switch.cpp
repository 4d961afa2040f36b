#include "ui/screen_switch.h"

#include "files/tour_file.h"
#include "model/screens.h"
#include "model/settings.h"
#include "render/frame.h"
#include "rules/move_animation.h"
#include "rules/race_state.h"
#include "rules/stage_end.h"
#include "ui/settings_screen.h"

void returnToMainMenu() {
  lastLineWinner = -1;
  currentScreen = SCREEN_MAIN_MENU;
  onDisplay();
}

void askQuitConfirmation() {
  previousScreen = currentScreen;
  currentScreen = SCREEN_QUIT_CONFIRM;
  onDisplay();
}

void showScorecard() {
  previousScreen = currentScreen;
  currentScreen = SCREEN_SCORECARD;
  scoreGeneral = 0;
  if (tourMode != 0) scoreStage = static_cast<int32_t>(stageRecords.size());
  onDisplay();
}

void showPositions() {
  previousScreen = currentScreen;
  currentScreen = SCREEN_POSITIONS;
  onDisplay();
}

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
