// Holds the table of screens (model/screens.h: one row per screen, its
// handlers and what it shows), puts every screen's drawing into the
// display's overlay blocks, binds what the screens need from the rebuild of
// the display lists, and lays out the screens' own rectangles in every
// reshape. A screen joins by adding its row and its lines here.
#pragma once

void installScreens();

// Binds the hooks that only the program's own window serves: the move timer
// to GLUT's timer, the key modifiers to GLUT's modifier state. Tests bind
// their own instead.
void installWindowHooks();

// The screens' part of every reshape, after the shared layout: each screen
// that keeps rectangles of its own computes them here.
void computeScreenLayouts();

// The GLUT id of the game window (0 before it exists).
extern int mainWindow;
