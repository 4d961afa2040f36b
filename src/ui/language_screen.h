// The language screen: four rows, one per interface language, each with its
// flag and its name in its own language. Pointing at a row highlights it;
// a click chooses it, stores it in the settings file and returns to the
// main menu.
#pragma once

// The names as shown, indexed by language (Latin-1).
extern const char languageNames[4][11];

// The row under the pointer, -1 for none. Kept apart from `language`, which
// stays a valid language while the player points around.
extern int languageHover;

// The rectangle of row i (0 to 3) in drawing-area pixels.
void languageRowRect(int row, float* x, float* y, float* w, float* h);
// The row at (x, y), -1 in the gaps between rows and outside them.
int languageRowAt(float x, float y);

// From the main menu: shows the screen with the current language's row
// highlighted until the pointer moves.
void openLanguageScreen();

// Overlay block of SCREEN_LANGUAGE.
void drawLanguageScreen();

// Input of SCREEN_LANGUAGE (drawing-area pixels).
void languageScreenHover(float x, float y);
void languageScreenMouse(int button, int state, float x, float y);
