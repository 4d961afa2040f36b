#include "ui/screen_units.h"

#include <GL/freeglut.h>

#include "model/hooks.h"
#include "model/screens.h"
#include "render/frame.h"
#include "render/layout.h"
#include "render/scene_lists.h"
#include "rules/move_animation.h"
#include "ui/course_designer.h"
#include "ui/course_selection.h"
#include "ui/dialog_panel.h"
#include "ui/language_screen.h"
#include "ui/loading_screen.h"
#include "ui/main_menu.h"
#include "ui/manual_screen.h"
#include "ui/person_turn.h"
#include "ui/positions_screen.h"
#include "ui/race_panel.h"
#include "ui/saved_courses.h"
#include "ui/saved_races.h"
#include "ui/score_panel.h"
#include "ui/settings_screen.h"
#include "ui/start_screens.h"
#include "ui/team_setup.h"
#include "ui/turn_dialogs.h"

int mainWindow = 0;

void computeScreenLayouts() {
  computeRacePanelLayout();
  computeDialogPanelLayout();
  computeCourseSelectionLayout();
  computeCourseDesignerLayout();
  computeSavedCoursesLayout();
  computeTeamSetupLayout();
  computeScorePanelLayout();
  computeSavedRacesLayout();
}

namespace {

void armMoveTimer(unsigned int delayMs, int value) {
  glutTimerFunc(delayMs, onComputerMoveTimer, value);
}

// The score panel and the turn dialogs never show on the same screen.
bool opaqueOverlayRect(float rect[4]) { return scorePanelCover(rect) || turnDialogCover(rect); }

// A full screen owns every event: a handler that says nothing takes it all,
// and a screen without keys swallows them.
template <void (*handler)(int, int, float, float)>
bool ownsClick(int button, int state, float x, float y) {
  handler(button, state, x, y);
  return true;
}
template <void (*handler)(unsigned char)>
bool ownsKey(unsigned char key) {
  handler(key);
  return true;
}
template <void (*handler)(int)>
bool ownsSpecialKey(int key) {
  handler(key);
  return true;
}
bool swallowsKey(unsigned char) { return true; }
bool swallowsSpecialKey(int) { return true; }

// The flags of the race screens.
const unsigned BOARD = SHOWS_BOARD;
const unsigned TURN = SHOWS_BOARD | FOOTER_LIVE | VIEW_BUTTONS_LIVE;
const unsigned DIALOG = SHOWS_BOARD | SHOWS_DIALOG_PANEL;
const unsigned FULL = CLEARS_WINDOW;

}  // namespace

// The dialogs answer through the turn dialogs, the three score screens
// through the score panel.
constexpr ScreenRow screenTable[SCREEN_COUNT] = {
    {SCREEN_STAGE_OVER, nullptr, nullptr, nullptr, nullptr, BOARD},
    {SCREEN_PLAY_CARDS, playCardsMouse, playCardsKey, nullptr, nullptr, TURN | CARD_CHOICE},
    {SCREEN_CHOOSE_MOVE, nullptr, chooseMoveKey, chooseMoveSpecialKey, nullptr, TURN},
    {SCREEN_BUSY, nullptr, nullptr, nullptr, nullptr, BOARD},
    {SCREEN_MOVING, nullptr, nullptr, nullptr, nullptr, TURN},
    {SCREEN_SCORECARD, scorePanelMouse, scorePanelKey, scorePanelSpecialKey, nullptr,
     BOARD | SHOWS_SCORE_PANEL},
    {SCREEN_FOLLOW_QUESTION, turnDialogMouse, turnDialogKey, nullptr, nullptr,
     DIALOG | VIEW_BUTTONS_LIVE | RIDER_ON_SQUARE},
    {SCREEN_EVENT_CARD, turnDialogMouse, turnDialogKey, nullptr, nullptr,
     DIALOG | VIEW_BUTTONS_LIVE | RIDER_ON_SQUARE},
    {SCREEN_HAND_IN_CARDS, nullptr, handInKey, nullptr, nullptr, TURN | CARD_CHOICE | HAND_IN_SLOTS},
    {SCREEN_CARD_KIND, turnDialogMouse, turnDialogKey, nullptr, nullptr, DIALOG | VIEW_BUTTONS_LIVE},
    {SCREEN_CARD_TIMING, turnDialogMouse, turnDialogKey, nullptr, nullptr, DIALOG | VIEW_BUTTONS_LIVE},
    {SCREEN_EXTRA_THROW, turnDialogMouse, turnDialogKey, nullptr, nullptr, TURN},
    {SCREEN_HAND_IN_FOR_BONUS, nullptr, handInKey, nullptr, nullptr, TURN | CARD_CHOICE | HAND_IN_SLOTS},
    {SCREEN_NO_CARD_TO_HAND_IN, turnDialogMouse, turnDialogKey, nullptr, nullptr,
     DIALOG | RIDER_ON_SQUARE},
    {14, nullptr, nullptr, nullptr, nullptr, BOARD},  // no screen
    {SCREEN_EVENT_CARD_CANCELLED, turnDialogMouse, turnDialogKey, nullptr, nullptr,
     DIALOG | RIDER_ON_SQUARE},
    {SCREEN_POSITIONS, positionsScreenMouse, positionsScreenKey, swallowsSpecialKey, nullptr, FULL},
    {SCREEN_NO_MOVE, turnDialogMouse, turnDialogKey, nullptr, nullptr, DIALOG | RIDER_ON_SQUARE},
    {SCREEN_DOPING_CONFIRM, turnDialogMouse, turnDialogKey, nullptr, nullptr, DIALOG},
    {SCREEN_QUIT_CONFIRM, turnDialogMouse, turnDialogKey, nullptr, nullptr, DIALOG},
    {SCREEN_START_THROW, startThrowMouse, startThrowKey, nullptr, nullptr, TURN},
    {SCREEN_START_THROW_RESULT, startThrowMouse, startThrowKey, nullptr, nullptr, TURN},
    {SCREEN_START_PLACE_HUMAN, nullptr, startGridKey, startGridSpecialKey, nullptr,
     TURN | RIDER_ON_SQUARE},
    {SCREEN_START_PLACE_COMPUTER, nullptr, nullptr, nullptr, nullptr, BOARD | RIDER_ON_SQUARE},
    {SCREEN_DOPING_NUMBER, turnDialogMouse, turnDialogKey, nullptr, nullptr, DIALOG},
    {SCREEN_COMPUTER_TURN, nullptr, nullptr, nullptr, nullptr, TURN},
    {SCREEN_DOPING_CONTROL, turnDialogMouse, turnDialogKey, nullptr, nullptr, DIALOG},
    {SCREEN_MAIN_MENU, ownsClick<mainMenuMouse>, ownsKey<mainMenuKey>, swallowsSpecialKey, nullptr,
     FULL},
    {SCREEN_LANGUAGE, ownsClick<languageScreenMouse>, swallowsKey, swallowsSpecialKey,
     languageScreenHover, FULL},
    {SCREEN_STAGE_STANDINGS, scorePanelMouse, scorePanelKey, scorePanelSpecialKey, nullptr,
     BOARD | SHOWS_SCORE_PANEL},
    {SCREEN_COUNTERCHECK, turnDialogMouse, turnDialogKey, nullptr, nullptr, DIALOG},
    {SCREEN_MANUAL, ownsClick<manualScreenMouse>, ownsKey<manualScreenKey>,
     ownsSpecialKey<manualScreenSpecialKey>, nullptr, FULL},
    {SCREEN_COURSE_SELECTION, courseSelectionMouse, courseSelectionKey, swallowsSpecialKey,
     courseSelectionHover, FULL},
    {SCREEN_COURSE_DESIGN, courseDesignerMouse, courseDesignerKey, swallowsSpecialKey, nullptr, FULL},
    {SCREEN_SAVED_COURSES, savedCoursesMouse, swallowsKey, swallowsSpecialKey, nullptr, FULL},
    {SCREEN_TEAM_SETUP, teamSetupMouse, teamSetupKey, teamSetupSpecialKey, nullptr, FULL},
    {SCREEN_LOADING, nullptr, nullptr, nullptr, nullptr, 0},
    {SCREEN_SETTINGS, ownsClick<settingsMouseClick>, ownsKey<settingsKeyboardUp>,
     ownsSpecialKey<settingsSpecialKeyUp>, nullptr, FULL},
    {SCREEN_SETUP_ERRORS, setupErrorsMouse, setupErrorsKey, swallowsSpecialKey, nullptr,
     FULL | SHOWS_DIALOG_PANEL},
    {SCREEN_SAVED_RACES, ownsClick<savedRacesMouse>, ownsKey<savedRacesKey>, swallowsSpecialKey,
     nullptr, 0},
    {SCREEN_SAVED_RACE_SCORECARD, scorePanelMouse, scorePanelKey, scorePanelSpecialKey, nullptr,
     SHOWS_SCORE_PANEL},
    {SCREEN_SAVE_FAILED, turnDialogMouse, turnDialogKey, nullptr, nullptr, DIALOG},
};

namespace {

constexpr bool rowsInScreenOrder() {
  for (int s = 0; s < SCREEN_COUNT; ++s)
    if (screenTable[s].screen != s) return false;
  return true;
}
static_assert(rowsInScreenOrder(), "the table of screens must hold row s for screen s");

}  // namespace

void installScreens() {
  overlayBlocks[OVERLAY_RACE_PANEL] = drawRacePanel;
  overlayBlocks[OVERLAY_MAIN_MENU] = drawMainMenu;
  overlayBlocks[OVERLAY_LANGUAGE] = drawLanguageScreen;
  overlayBlocks[OVERLAY_LOADING] = drawLoadingScreen;
  overlayBlocks[OVERLAY_MANUAL] = drawManualScreen;
  overlayBlocks[OVERLAY_SETTINGS] = drawSettingsScreen;
  overlayBlocks[OVERLAY_POSITIONS] = drawPositionsScreen;
  overlayBlocks[OVERLAY_COURSE_SELECTION] = drawCourseSelection;
  overlayBlocks[OVERLAY_COURSE_DESIGN] = drawCourseDesigner;
  overlayBlocks[OVERLAY_SAVED_COURSES] = drawSavedCourses;
  overlayBlocks[OVERLAY_TEAM_SETUP] = drawTeamSetupScreen;
  overlayBlocks[OVERLAY_SCORE_PANEL] = drawScorePanel;
  overlayBlocks[OVERLAY_SAVED_RACES] = drawSavedRaces;
  overlayBlocks[OVERLAY_DIALOGS] = drawTurnDialogs;
  opaqueOverlayHook = opaqueOverlayRect;
  screenLayoutHook = computeScreenLayouts;
  sceneListsRebuiltHook = compileSectionLists;
  redrawHook = onDisplay;
}

void installWindowHooks() {
  moveTimerHook = armMoveTimer;
  keyModifiersHook = glutGetModifiers;
}
