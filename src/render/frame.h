// The display callback: one complete frame, the board scene with the rider
// figures on board screens, then the flat overlay of the current screen in
// drawing-area pixels, then GL is put back into the board view's state and
// the buffers are swapped. Drawing the board scene also stores each rider's
// drawn position and heading.
#pragma once

#include "model/hooks.h"  // overlayBlocks, opaqueOverlayHook

// Draws what lies under an opaque cover in up to four scissored strips
// around it, so that no pixel is shaded twice. area is the window rectangle
// to draw in (window pixels: left, top, right, bottom, rows counted from the
// top); cover is in drawing-area pixels like opaqueOverlayHook's. Only pixel
// rows and columns whose centres lie well inside the cover are left out, so
// each one is surely painted by the cover afterwards. False, drawing
// nothing, when the cover leaves no pixel of the area out.
bool drawAroundCover(const int area[4], const float cover[4], void (*draw)());

// Draws with the scissor box set to the window rectangle area (as above).
void drawInArea(const int area[4], void (*draw)());

// The GLUT display callback and the redraw after every change of state:
// draws a frame and swaps the buffers. Before the first reshape, or without
// a window, it does nothing.
void onDisplay();

// The GLUT reshape callback, also called by the settings screen after a
// change of ratio: prepares the views for the new size (prepareViews) and,
// when no display lists exist yet or the drawing area changed size, builds
// them and draws the first frame with them.
void onReshape(int width, int height);

// Everything of a frame but the buffer swap (the tests read its pixels back
// from the back buffer).
void drawFrame();

// 1 when the current screen is drawn over the board and its race panel, 0
// for a full screen: SHOWS_BOARD in its row of the table of screens.
int isBoardScreen();

// The rider's printed number beside his figure in the 2D board view.
void drawRiderNumberLabel(int rider);
