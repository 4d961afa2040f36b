// Switches between screens that more than one screen shares: an overlay
// (here the settings) remembers the screen it was opened over and goes back
// to it when it closes.
#pragma once

// Opens the settings screen over the current screen: keeps the movement mode
// and the screen ratio for Cancel and remembers the screen to return to.
void openSettings();

// Closes an overlay: back to the screen it was opened over, redrawn; a
// computer move that was paused under it gets its timer again.
void returnToPreviousScreen();
