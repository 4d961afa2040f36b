// Switches between screens that more than one screen shares: the overlays
// (quit question, scorecard, positions, settings) remember the screen they
// were opened over and go back to it when they close; the main menu ends a
// race or a look at a saved one. Each ends with a redraw.
#pragma once

// Back to the main menu: no rider stands on the podium any more.
void returnToMainMenu();

// Opens the question whether to leave the race.
void askQuitConfirmation();

// Opens the scorecard of the running race on its stage sheet; in a tour on
// the stage being raced (the one after the stored stages).
void showScorecard();

// Opens the positions overview.
void showPositions();

// Opens the settings screen over the current screen: keeps the movement mode
// and the screen ratio for Cancel and remembers the screen to return to.
void openSettings();

// Closes an overlay: back to the screen it was opened over, redrawn; a
// computer move that was paused under it gets its timer again.
void returnToPreviousScreen();
