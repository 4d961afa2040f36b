#include "ui/screen_units.h"

#include "model/hooks.h"
#include "render/frame.h"
#include "render/layout.h"
#include "render/scene_lists.h"
#include "ui/course_designer.h"
#include "ui/course_selection.h"
#include "ui/dialog_panel.h"
#include "ui/language_screen.h"
#include "ui/loading_screen.h"
#include "ui/main_menu.h"
#include "ui/manual_screen.h"
#include "ui/positions_screen.h"
#include "ui/race_panel.h"
#include "ui/saved_courses.h"
#include "ui/saved_races.h"
#include "ui/score_panel.h"
#include "ui/settings_screen.h"
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

// The score panel and the turn dialogs never show on the same screen.
bool opaqueOverlayRect(float rect[4]) { return scorePanelCover(rect) || turnDialogCover(rect); }

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
