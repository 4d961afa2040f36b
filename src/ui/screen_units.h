// Puts every screen's drawing into the display's overlay blocks and binds
// what the screens need from the rebuild of the display lists. A screen
// joins by adding its lines here.
#pragma once

void installScreens();

// The GLUT id of the game window (0 before it exists).
extern int mainWindow;
