// The screen, dialog or turn phase the program is in. Every action sets
// currentScreen and redraws; overlays remember the screen below them in
// previousScreen.
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
