// Every hook of the game: the ways the code below reaches the code above it
// (the rules a window, the frame the screens) or the world outside, and the
// few values tests put in. Each says who binds it and when. The program's
// own hooks are bound at start-up by the wiring main calls: installScreens
// and installWindowHooks (ui/screen_units) and installFileHooks
// (files/tour_file). Tests bind their own; an unbound hook does nothing.
#pragma once
#include <string>

// ---- Rules to window

// Called after every change of state to draw it. installScreens binds it to
// the display function; null draws nothing.
extern void (*redrawHook)();
void requestRedraw();

// Arms the computer-move timer: after delayMs the timer callback is to be
// called with value. installWindowHooks binds it to GLUT's timer; null runs
// no timer (a test driver then calls the tick itself).
extern void (*moveTimerHook)(unsigned int delayMs, int value);
void requestMoveTimer(unsigned int delayMs, int value);

// ---- Rules to files

// Writes the whole tour to fileName and returns 1, or 0 when it could not
// be written. installFileHooks binds it to the tour file unit's save at
// start-up, called by main beside installScreens; null fails every save.
extern int (*tourSaveHook)(const std::string& fileName);

// ---- Screens to the world outside

// Ends the program, for the main menu's Exit: std::exit from the start;
// tests put their own in.
extern void (*exitProgramHook)(int status);

// The state of Shift, Ctrl and Alt (GLUT's modifier bits) for Shift-Tab.
// installWindowHooks binds it to GLUT's modifier state, valid inside a GLUT
// input callback only; null reads as no modifier held. Tests set their own.
extern int (*keyModifiersHook)();

// ---- Frame to screens

// The overlay blocks, in the order a frame draws them. installScreens puts
// each screen's drawing function into its block; a block tests
// currentScreen itself and draws nothing on other screens. An empty entry
// draws nothing.
enum OverlayBlock {
  OVERLAY_RACE_PANEL,        // common frame (band, version lines) and the race panel
  OVERLAY_POSITIONS,         // SCREEN_POSITIONS
  OVERLAY_SETTINGS,          // SCREEN_SETTINGS
  OVERLAY_DIALOGS,           // dialog panels (team setup under the setup errors)
  OVERLAY_MAIN_MENU,         // SCREEN_MAIN_MENU
  OVERLAY_TEAM_SETUP,        // SCREEN_TEAM_SETUP
  OVERLAY_SAVED_RACES,       // SCREEN_SAVED_RACES, SCREEN_SAVED_RACE_SCORECARD
  OVERLAY_LANGUAGE,          // SCREEN_LANGUAGE
  OVERLAY_SAVED_COURSES,     // SCREEN_SAVED_COURSES
  OVERLAY_LOADING,           // SCREEN_LOADING
  OVERLAY_MANUAL,            // SCREEN_MANUAL
  OVERLAY_COURSE_DESIGN,     // SCREEN_COURSE_DESIGN
  OVERLAY_COURSE_SELECTION,  // SCREEN_COURSE_SELECTION
  OVERLAY_SCORE_PANEL,       // score panel of the scorecard, standings and saved race
  OVERLAY_BLOCK_COUNT
};
extern void (*overlayBlocks[OVERLAY_BLOCK_COUNT])();

// The rectangle (drawing-area pixels: left, top, right, bottom) that one of
// the current screen's panels paints over opaquely, false when there is
// none; the frame leaves the board picture out under it. installScreens
// binds it.
extern bool (*opaqueOverlayHook)(float rect[4]);

// The screens' part of every layout pass, after the shared layout values:
// installScreens binds it to the screens' own layouts.
extern void (*screenLayoutHook)();

// Called after every build of the display lists, once the fresh section-map
// and preview names are reserved and before the first frame: installScreens
// binds it to the loading screen's compile of the maps and previews from
// their kept pictures (nothing while they do not exist yet).
extern void (*sceneListsRebuiltHook)();

// ---- Test overrides

// Every random draw of the game goes through gameRandom(): rand() unless a
// test has set gameRandomOverride to script exact values.
extern int (*gameRandomOverride)();
int gameRandom();

// syncToDisk (platform) calls it in place of fsync when set, so that a test
// can play a disk that fails (return -1). Null in the game.
extern int (*syncToDiskOverride)(int fd);
