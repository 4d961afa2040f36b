// The main menu: language selection, manual, settings, continuing a saved
// race, starting a new one, and Exit. Reached when loading has finished and
// whenever a race or another menu is left.
#pragma once

// The six buttons, top to bottom (Exit sits in the bottom-right corner).
enum MainMenuButton {
  MENU_LANGUAGE,
  MENU_MANUAL,
  MENU_SETTINGS,
  MENU_CONTINUE,
  MENU_START,
  MENU_EXIT,
  MENU_BUTTON_COUNT
};

// The rectangle of a button in drawing-area pixels, from the current layout.
void mainMenuButtonRect(int button, float* x, float* y, float* w, float* h);

// The letter (lower case) that chooses a button in the current language:
// the letter its label underlines.
char mainMenuLetter(int button);

// Runs a button's action, as a click or its letter does.
void chooseMainMenuButton(int button);

// Overlay block of SCREEN_MAIN_MENU.
void drawMainMenu();

// Input of SCREEN_MAIN_MENU (drawing-area pixels).
void mainMenuMouse(int button, int state, float x, float y);
void mainMenuKey(unsigned char key);
