// The screen, dialog or turn phase the program is in. Every action sets
// currentScreen and redraws; overlays remember the screen below them in
// previousScreen. The table of screens says, one row per screen, which
// handlers answer it and what it shows.
#pragma once

const int SCREEN_STAGE_OVER = 0;
const int SCREEN_PLAY_CARDS = 1;
const int SCREEN_CHOOSE_MOVE = 2;
const int SCREEN_BUSY = 3;
const int SCREEN_MOVING = 4;
const int SCREEN_SCORECARD = 5;
const int SCREEN_FOLLOW_QUESTION = 6;
const int SCREEN_EVENT_CARD = 7;
const int SCREEN_HAND_IN_CARDS = 8;
const int SCREEN_CARD_KIND = 9;
const int SCREEN_CARD_TIMING = 10;
const int SCREEN_EXTRA_THROW = 11;
const int SCREEN_HAND_IN_FOR_BONUS = 12;
const int SCREEN_NO_CARD_TO_HAND_IN = 13;
// 14 is not used by any screen.
const int SCREEN_EVENT_CARD_CANCELLED = 15;
const int SCREEN_POSITIONS = 16;
const int SCREEN_NO_MOVE = 17;
const int SCREEN_DOPING_CONFIRM = 18;
const int SCREEN_QUIT_CONFIRM = 19;
const int SCREEN_START_THROW = 20;
const int SCREEN_START_THROW_RESULT = 21;
const int SCREEN_START_PLACE_HUMAN = 22;
const int SCREEN_START_PLACE_COMPUTER = 23;
const int SCREEN_DOPING_NUMBER = 24;
const int SCREEN_COMPUTER_TURN = 25;
const int SCREEN_DOPING_CONTROL = 26;
const int SCREEN_MAIN_MENU = 27;
const int SCREEN_LANGUAGE = 28;
const int SCREEN_STAGE_STANDINGS = 29;
const int SCREEN_COUNTERCHECK = 30;
const int SCREEN_MANUAL = 31;
const int SCREEN_COURSE_SELECTION = 32;
const int SCREEN_COURSE_DESIGN = 33;
const int SCREEN_SAVED_COURSES = 34;
const int SCREEN_TEAM_SETUP = 35;
const int SCREEN_LOADING = 36;
const int SCREEN_SETTINGS = 37;
const int SCREEN_SETUP_ERRORS = 38;
const int SCREEN_SAVED_RACES = 39;
const int SCREEN_SAVED_RACE_SCORECARD = 40;
const int SCREEN_SAVE_FAILED = 41;
const int SCREEN_COUNT = 42;

extern int currentScreen;
extern int previousScreen;

// What a screen shows and which shared controls of the race panel are live
// on it: the flags of ScreenRow::shows.
const unsigned SHOWS_BOARD = 1u << 0;         // the board scene under the race panel; else a full screen
const unsigned CLEARS_WINDOW = 1u << 1;       // a full screen that clears the window once more before its band
const unsigned RIDER_ON_SQUARE = 1u << 2;     // the active rider drawn on his square, not where a move takes him
const unsigned SHOWS_DIALOG_PANEL = 1u << 3;  // the movable dialog panel, grabbed by its title strip
const unsigned SHOWS_SCORE_PANEL = 1u << 4;   // the movable score panel
const unsigned FOOTER_LIVE = 1u << 5;         // the footer buttons and their letters act
const unsigned VIEW_BUTTONS_LIVE = 1u << 6;   // the 2D/3D switch and the camera button act
const unsigned CARD_CHOICE = 1u << 7;         // cards are chosen in the card hand (to play or to hand in)
const unsigned HAND_IN_SLOTS = 1u << 8;       // the hand-in slots and their OK

// One screen: its own input handlers, null where it has none, and what it
// shows. A handler returns true when the event hit one of the screen's
// controls (whether or not it acted): the shared parts of the race panel
// then leave the event alone.
struct ScreenRow {
  int screen;
  bool (*mouse)(int button, int state, float x, float y);  // drawing-area pixels
  bool (*key)(unsigned char key);
  bool (*specialKey)(int key);
  void (*hover)(float x, float y);  // the pointer moves with no button held
  unsigned shows;
};

// Row s is the row of screen s. The rows stand in ui/screen_units.cpp,
// beside installScreens, where every screen's unit is known; they are
// constant data, there before the program's first instruction, so the frame
// reads them here without the screens being installed.
extern const ScreenRow screenTable[SCREEN_COUNT];

// The row of screen; a number that names no screen reads as a screen over
// the board that answers nothing.
inline const ScreenRow& screenRow(int screen) {
  static const ScreenRow noScreen = {-1, nullptr, nullptr, nullptr, nullptr, SHOWS_BOARD};
  return screen >= 0 && screen < SCREEN_COUNT ? screenTable[screen] : noScreen;
}

// Whether the screen shows any of the flags.
inline bool screenShows(int screen, unsigned flags) { return (screenRow(screen).shows & flags) != 0; }
