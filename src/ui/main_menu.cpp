#include "ui/main_menu.h"

#include <GL/freeglut.h>

#include "model/hooks.h"
#include "model/occupancy.h"
#include "model/screens.h"
#include "render/frame.h"
#include "render/layout.h"
#include "render/text.h"
#include "render/widgets.h"
#include "texts/language_texts.h"
#include "ui/language_screen.h"
#include "ui/manual_screen.h"
#include "ui/saved_races.h"
#include "ui/screen_switch.h"
#include "ui/team_setup.h"

namespace {

const char* labelOf(int button) {
  switch (button) {
    case MENU_LANGUAGE: return textLanguageSelection;
    case MENU_MANUAL: return textManual;
    case MENU_SETTINGS: return textSettings;
    case MENU_CONTINUE: return textContinueExistingRace.c_str();
    case MENU_START: return textStart;
    case MENU_EXIT: return textExit;
    default: return "";
  }
}

int hotKeyButtonOf(int button) {
  switch (button) {
    case MENU_LANGUAGE: return HOTKEY_MENU_LANGUAGE;
    case MENU_MANUAL: return HOTKEY_MENU_MANUAL;
    case MENU_SETTINGS: return HOTKEY_MENU_SETTINGS;
    case MENU_CONTINUE: return HOTKEY_MENU_CONTINUE;
    case MENU_START: return HOTKEY_MENU_START;
    case MENU_EXIT: return HOTKEY_MENU_EXIT;
    default: return -1;
  }
}

}  // namespace

void mainMenuButtonRect(int button, float* x, float* y, float* w, float* h) {
  const float W = static_cast<float>(drawAreaWidth);
  const float H = static_cast<float>(drawAreaHeight);
  if (button == MENU_EXIT) {
    *x = menuExitButtonX;
    *y = menuExitButtonY;
    *w = fittedButtonWidth(buttonWidth, textExit);  // wider, to the right, where its label needs it
    *h = buttonHeight;
    return;
  }
  static const float tops[MENU_EXIT] = {0.3f, 0.4f, 0.5f, 0.6f, 0.7f};
  int index = button >= 0 && button < MENU_EXIT ? button : 0;
  *x = 0.5f * W - 0.12f * W;
  *y = tops[index] * H;
  *w = 0.24f * W;
  *h = 0.04f * H;
}

char mainMenuLetter(int button) { return hotKeyLetter(labelOf(button), hotKeyButtonOf(button)); }

void chooseMainMenuButton(int button) {
  switch (button) {
    case MENU_LANGUAGE:
      openLanguageScreen();
      break;
    case MENU_MANUAL:
      openManual();
      break;
    case MENU_SETTINGS:
      openSettings();  // returns here on OK or Cancel
      return;
    case MENU_CONTINUE:
      openSavedRaces();  // redraws
      return;
    case MENU_START:
      openTeamSetup();
      return;
    case MENU_EXIT:
      // Nothing is saved and nothing is asked.
      exitProgramHook(0);
      return;
    default:
      return;
  }
  onDisplay();
}

void drawMainMenu() {
  if (currentScreen != SCREEN_MAIN_MENU) return;
  const float W = static_cast<float>(drawAreaWidth);
  const float H = static_cast<float>(drawAreaHeight);
  glColor3f(1, 1, 1);
  drawText(0.5f * W, H - 65, ALIGN_CENTRE, textBoardGameCredit, FONT_SMALL, -1, 0, 0);
  drawText(0.5f * W, H - 50, ALIGN_CENTRE, textPcVersionCredit, FONT_SMALL, -1, 0, 0);
  drawText(0.5f * W, 0.24f * H, ALIGN_CENTRE, textMainMenu, FONT_LARGE, -1, 0, 0);
  for (int button = 0; button < MENU_BUTTON_COUNT; ++button) {
    float x, y, w, h;
    mainMenuButtonRect(button, &x, &y, &w, &h);
    drawButton(x, y, w, h, 1, labelOf(button), hotKeyOf(hotKeyButtonOf(button)));
  }
}

void mainMenuMouse(int button, int state, float x, float y) {
  if (button != GLUT_LEFT_BUTTON || state != GLUT_UP) return;
  for (int b = 0; b < MENU_BUTTON_COUNT; ++b) {
    float bx, by, bw, bh;
    mainMenuButtonRect(b, &bx, &by, &bw, &bh);
    if (pointInRect(x, y, bx, by, bw, bh)) {
      chooseMainMenuButton(b);
      return;
    }
  }
}

void mainMenuKey(unsigned char key) {
  char letter = toLowerAscii(static_cast<char>(key));
  if (letter == 0) return;
  for (int b = 0; b < MENU_BUTTON_COUNT; ++b) {
    if (mainMenuLetter(b) == letter) {
      chooseMainMenuButton(b);
      return;
    }
  }
}
