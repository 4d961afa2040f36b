// The manual screen: one page of the manual of the current language at a
// time, with Previous page, Next page and OK.
#pragma once

// From the main menu: the first page.
void openManual();

// The buttons' rectangles in drawing-area pixels, on the row of OK.
void manualPreviousButtonRect(float* x, float* y, float* w, float* h);
void manualNextButtonRect(float* x, float* y, float* w, float* h);

// Overlay block of SCREEN_MANUAL.
void drawManualScreen();

// Input of SCREEN_MANUAL.
void manualScreenMouse(int button, int state, float x, float y);
void manualScreenKey(unsigned char key);
void manualScreenSpecialKey(int key);
