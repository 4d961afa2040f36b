// The race frame: the race panel's and dialog panel's rectangles, the one
// dispatch of every event, the footer and view buttons, and the dialog drag.
#include <GL/freeglut.h>

#include <algorithm>
#include <vector>

#include "model/hooks.h"
#include "model/screens.h"
#include "model/settings.h"
#include "model/view_state.h"
#include "render/frame.h"
#include "render/layout.h"
#include "render/scene_lists.h"
#include "render/textures.h"
#include "render/views.h"
#include "rules/move_animation.h"
#include "rules/race_state.h"
#include "texts/language_texts.h"
#include "ui/dialog_panel.h"
#include "ui/footer.h"
#include "ui/input.h"
#include "ui/main_menu.h"
#include "ui/race_panel.h"
#include "ui/screen_switch.h"
#include "ui/ui_harness.h"

namespace {

class RaceFrameTest : public ScreenTest {
 protected:
  // The board the game shows: its pictures loaded before the lists that
  // bind them are built, as at start.
  void SetUp() override {
    ScreenTest::SetUp();
    if (HasFatalFailure()) return;
    ASSERT_EQ(loadGameTextures(), 1);
    sceneListsBuilt = 0;
    onReshape(TEST_WINDOW_WIDTH, TEST_WINDOW_HEIGHT);
  }
  void layOutAt(int width, int height) {
    screenRatio[0] = 5;
    screenRatio[1] = 4;
    onReshape(width, height);
  }
  void setLanguage(int chosen) {
    language = static_cast<uint8_t>(chosen);
    setLanguageTexts();
  }
  void dragTo(float x, float y) {
    onMouseDrag(static_cast<int>(x) + drawAreaX, static_cast<int>(y) + drawAreaY);
  }
  void pressAt(int button, float x, float y) { mouseEventAt(button, GLUT_DOWN, x, y); }
};

TEST_F(RaceFrameTest, PanelFooterAndDialogRectanglesAtTwoSizes) {
  struct Case {
    int width, height;
    float cardWidth, throwY, breakawayX, column, cameraX, settingsY;
    float dialogX, dialogY, dialogWidth, dialogHeight, okX, buttonsY, yesX, noX;
  } cases[] = {
      // 1280 x 1024: cards 54 x 70 with gaps of 14.888; column at W - 1.5 x 81.92.
      {1280, 1024, 54, 779.264f + 84, 760.256f, 1157.12f, 1157.12f + 102.4f - 30.72f,
       779.264f + 4.8f * 30.72f, 384, 432, 512, 160, 599.04f, 432 + 160 - 1.2f * 30.72f,
       384 + 204.8f - 81.92f, 384 + 307.2f},
      // 960 x 768: cards of 41 x 52 pixels.
      {960, 768, 41, 584.448f + 62.4f, 568.792f,
       867.84f, 867.84f + 76.8f - 23.04f, 584.448f + 4.8f * 23.04f, 288, 324, 384, 120, 449.28f,
       324 + 120 - 1.2f * 23.04f, 288 + 153.6f - 61.44f, 288 + 230.4f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.width);
    layOutAt(c.width, c.height);
    EXPECT_FLOAT_EQ(cardWidth, c.cardWidth);
    EXPECT_FLOAT_EQ(teamTabsY, cardPanelY + cardPanelHeight);
    EXPECT_FLOAT_EQ(teamTabsHeight, 0.02f * static_cast<float>(c.width));
    EXPECT_FLOAT_EQ(throwButtonY, c.throwY);
    EXPECT_FLOAT_EQ(throwButtonHeight, dieSize / 3);
    EXPECT_NEAR(breakawayBoxX, c.breakawayX, 1e-3);
    EXPECT_FLOAT_EQ(handInOkButtonY, c.height == 1024 ? handInSlotsY + cardHeight + dieSize / 5
                                                      : 768 - BAND_STRIP_HEIGHT - throwButtonHeight);  // risen
    EXPECT_FLOAT_EQ(extraThrowButtonY, extraDieY + dieSize + 0.5f * throwButtonHeight);
    for (float x : {viewSwitchX, scorecardButtonX, positionsButtonX, dopingButtonX, settingsButtonX,
                    quitButtonX})
      EXPECT_FLOAT_EQ(x, c.column);
    EXPECT_FLOAT_EQ(cameraButtonX, c.cameraX);
    EXPECT_FLOAT_EQ(settingsButtonY, c.settingsY);
    EXPECT_FLOAT_EQ(dialogPanelX, c.dialogX);
    EXPECT_FLOAT_EQ(dialogPanelY, c.dialogY);
    EXPECT_FLOAT_EQ(dialogPanelWidth, c.dialogWidth);
    EXPECT_FLOAT_EQ(dialogPanelHeight, c.dialogHeight);
    EXPECT_FLOAT_EQ(dialogOkButtonX, c.okX);
    for (float y : {dialogOkButtonY, dialogYesButtonY, whiteCardButtonY, useLaterButtonY, abortButtonY})
      EXPECT_FLOAT_EQ(y, c.buttonsY);
    for (float x : {dialogYesButtonX, blueCardButtonX, useNowButtonX, retryButtonX})
      EXPECT_FLOAT_EQ(x, c.yesX);
    for (float x : {dialogNoButtonX, whiteCardButtonX, useLaterButtonX, abortButtonX})
      EXPECT_FLOAT_EQ(x, c.noX);
  }
}

// Footer letters in each language open their overlay on a footer screen,
// and nothing on a screen outside the footer's list.
TEST_F(RaceFrameTest, FooterLettersOfEveryLanguageOnExactlyTheFooterScreens) {
  struct Case {
    int language;
    unsigned char key;
    int opens;
  } cases[] = {
      {LANGUAGE_GERMAN, 'u', SCREEN_QUIT_CONFIRM},   {LANGUAGE_GERMAN, 'S', SCREEN_SCORECARD},
      {LANGUAGE_GERMAN, 'p', SCREEN_POSITIONS},      {LANGUAGE_GERMAN, 'e', SCREEN_SETTINGS},
      {LANGUAGE_ENGLISH, 'q', SCREEN_QUIT_CONFIRM},  {LANGUAGE_ENGLISH, 's', SCREEN_SCORECARD},
      {LANGUAGE_ENGLISH, 'P', SCREEN_POSITIONS},     {LANGUAGE_ENGLISH, 'e', SCREEN_SETTINGS},
      {LANGUAGE_FRENCH, 'q', SCREEN_QUIT_CONFIRM},   {LANGUAGE_FRENCH, 's', SCREEN_SCORECARD},
      {LANGUAGE_FRENCH, 'p', SCREEN_POSITIONS},      {LANGUAGE_FRENCH, 'a', SCREEN_SETTINGS},
      {LANGUAGE_DUTCH, 't', SCREEN_QUIT_CONFIRM},    {LANGUAGE_DUTCH, 's', SCREEN_SCORECARD},
      {LANGUAGE_DUTCH, 'p', SCREEN_POSITIONS},       {LANGUAGE_DUTCH, 'i', SCREEN_SETTINGS},
      {LANGUAGE_ENGLISH, 'a', -1},                   {LANGUAGE_FRENCH, 'e', -1},
      {LANGUAGE_DUTCH, 'q', -1},                     {LANGUAGE_GERMAN, 'q', -1},
  };
  const int footerScreens[] = {1, 2, 4, 8, 11, 12, 20, 21, 22, 25};
  for (const Case& c : cases) {
    setLanguage(c.language);
    for (int screen = 0; screen < SCREEN_COUNT; ++screen) {
      currentScreen = screen;
      // Full screens, questions and the score panel have letters of their own.
      if (!isBoardScreen() || isDialogScreen(screen) || screen == SCREEN_SCORECARD ||
          screen == SCREEN_STAGE_STANDINGS)
        continue;
      bool footer = false;
      for (int f : footerScreens) footer = footer || f == screen;
      previousScreen = -1;
      typeKey(c.key);
      int expected = footer && c.opens != -1 ? c.opens : screen;
      // On the move screen "u" is the step back, also in German.
      if (screen == SCREEN_CHOOSE_MOVE && c.key == 'u') expected = screen;
      EXPECT_EQ(currentScreen, expected) << "language " << c.language << " key " << c.key
                                         << " on screen " << screen;
      if (expected != screen) {
        EXPECT_EQ(previousScreen, screen);
      }
    }
  }
}

TEST_F(RaceFrameTest, FooterButtonsActOnThePressOnlyOnFooterScreens) {
  struct Case {
    float x, y;
    int opens;
  } cases[] = {
      {quitButtonX + 1, quitButtonY + 1, SCREEN_QUIT_CONFIRM},
      {scorecardButtonX + 1, scorecardButtonY + 1, SCREEN_SCORECARD},
      {positionsButtonX + 1, positionsButtonY + 1, SCREEN_POSITIONS},
      {settingsButtonX + footerButtonWidth - 1, settingsButtonY + buttonHeight - 1, SCREEN_SETTINGS},
  };
  for (const Case& c : cases) {
    currentScreen = SCREEN_HAND_IN_FOR_BONUS;
    mouseEventAt(GLUT_LEFT_BUTTON, GLUT_UP, c.x, c.y);
    EXPECT_EQ(currentScreen, SCREEN_HAND_IN_FOR_BONUS) << "a release alone opens nothing";
    pressAt(GLUT_LEFT_BUTTON, c.x, c.y);
    EXPECT_EQ(currentScreen, c.opens);
    EXPECT_EQ(previousScreen, SCREEN_HAND_IN_FOR_BONUS);
    // The release that follows lands on the overlay, which was not pressed.
    mouseEventAt(GLUT_LEFT_BUTTON, GLUT_UP, c.x, c.y);
    EXPECT_EQ(currentScreen, c.opens);

    currentScreen = SCREEN_STAGE_STANDINGS;
    pressAt(GLUT_LEFT_BUTTON, c.x, c.y);
    EXPECT_EQ(currentScreen, SCREEN_STAGE_STANDINGS);
  }
}

// A release belongs to the screen its press was on: after a key answered
// the screen under a held button, the release clicks nothing.
TEST_F(RaceFrameTest, AReleaseActsOnlyAfterAPressOnTheSameScreen) {
  float x, y, w, h;
  mainMenuButtonRect(MENU_EXIT, &x, &y, &w, &h);
  currentScreen = SCREEN_MANUAL;
  pressAt(GLUT_LEFT_BUTTON, x + 1, y + 1);
  currentScreen = SCREEN_MAIN_MENU;
  mouseEventAt(GLUT_LEFT_BUTTON, GLUT_UP, x + 1, y + 1);
  EXPECT_EQ(caughtExitStatus, -1);
  pressAndReleaseAt(x + 1, y + 1);
  EXPECT_EQ(caughtExitStatus, 0);
}

TEST_F(RaceFrameTest, CameraCycleAndViewSwitch) {
  for (int camera = FIRST_CAMERA; camera <= LAST_CAMERA; ++camera) {
    int next = camera == LAST_CAMERA ? FIRST_CAMERA : camera + 1;
    int previous = camera == FIRST_CAMERA ? LAST_CAMERA : camera - 1;
    EXPECT_EQ(nextCamera(camera, true, true), next);
    EXPECT_EQ(nextCamera(camera, true, false), previous);
  }
  EXPECT_EQ(nextCamera(1, false, true), 2);
  EXPECT_EQ(nextCamera(2, false, false), 1);
  // Values out of range still give a camera of the mode.
  for (int camera : {-7, -1, 0, 11, 1000}) {
    EXPECT_GE(nextCamera(camera, true, true), FIRST_CAMERA);
    EXPECT_LE(nextCamera(camera, true, false), LAST_CAMERA);
    int flat = nextCamera(camera, false, true);
    EXPECT_TRUE(flat == 1 || flat == 2) << camera;
  }

  boardView2D = 1;
  cameraIndex = 1;
  otherModeCamera = 3;
  currentScreen = SCREEN_CARD_KIND;  // a dialog over the board still lets the view change
  const float cx = cameraButtonX + 1, cy = cameraButtonY + 1;
  pressAt(GLUT_RIGHT_BUTTON, cx, cy);
  EXPECT_EQ(cameraIndex, 2);
  pressAt(GLUT_LEFT_BUTTON, viewSwitchX + 1, viewSwitchY + 1);
  EXPECT_EQ(boardView2D, 0);
  EXPECT_EQ(cameraIndex, 3);
  pressAt(GLUT_RIGHT_BUTTON, cx, cy);
  EXPECT_EQ(cameraIndex, 10);
  pressAt(GLUT_MIDDLE_BUTTON, cx, cy);
  EXPECT_EQ(cameraIndex, 10);
  pressAt(GLUT_LEFT_BUTTON, viewSwitchX + 1, viewSwitchY + 1);
  EXPECT_EQ(boardView2D, 1);
  EXPECT_EQ(cameraIndex, 2);
  EXPECT_EQ(otherModeCamera, 10);
  // Not on a screen outside the view list.
  currentScreen = SCREEN_NO_MOVE;
  pressAt(GLUT_LEFT_BUTTON, cx, cy);
  EXPECT_EQ(cameraIndex, 2);
}

TEST_F(RaceFrameTest, DialogDragStaysInsideAndLetsGoWhenTheDialogIsAnswered) {
  const float W = static_cast<float>(drawAreaWidth);
  const float H = static_cast<float>(drawAreaHeight);
  currentScreen = SCREEN_QUIT_CONFIRM;
  const float grabX = dialogPanelX + 10.6f, grabY = dialogPanelY - 5;
  pressAt(GLUT_LEFT_BUTTON, grabX, grabY);
  ASSERT_EQ(panelDragging, 1);
  EXPECT_EQ(panelGrabOffset[0], 10);
  EXPECT_EQ(panelGrabOffset[1], -5);

  dragTo(200, 300);
  EXPECT_FLOAT_EQ(dialogPanelX, 190);
  EXPECT_FLOAT_EQ(dialogPanelY, 305);
  EXPECT_FLOAT_EQ(dialogOkButtonY, 305 + dialogPanelHeight - 1.2f * buttonHeight);
  // Past the left edge x stays while y follows; past the top y stays.
  dragTo(5, 400);
  EXPECT_FLOAT_EQ(dialogPanelX, 190);
  EXPECT_FLOAT_EQ(dialogPanelY, 405);
  dragTo(300, 10);
  EXPECT_FLOAT_EQ(dialogPanelX, 290);
  EXPECT_FLOAT_EQ(dialogPanelY, 405);
  dragTo(W - 1, H - 1);
  EXPECT_LT(dialogPanelX + dialogPanelWidth, W);
  EXPECT_LT(dialogPanelY + dialogPanelHeight, H);
  EXPECT_GT(dialogPanelY - panelTitleHeight, 0);

  // A key answered the dialog while the strip was held: the next drag on
  // another dialog moves nothing.
  const float keptX = dialogPanelX, keptY = dialogPanelY;
  currentScreen = SCREEN_NO_MOVE;
  dragTo(400, 400);
  EXPECT_FLOAT_EQ(dialogPanelX, keptX);
  EXPECT_FLOAT_EQ(dialogPanelY, keptY);
  EXPECT_EQ(panelDragging, 0);

  // The body does not grab; a release lets go; a reshape centres again.
  pressAt(GLUT_LEFT_BUTTON, dialogPanelX + 20, dialogPanelY + 20);
  EXPECT_EQ(panelDragging, 0);
  pressAt(GLUT_LEFT_BUTTON, dialogPanelX + 20, dialogPanelY - 2);
  EXPECT_EQ(panelDragging, 1);
  mouseEventAt(GLUT_LEFT_BUTTON, GLUT_UP, 0, 0);
  EXPECT_EQ(panelDragging, 0);
  layOutAt(1280, 1024);
  EXPECT_FLOAT_EQ(dialogPanelX, 384);
  EXPECT_FLOAT_EQ(dialogPanelY, 432);
}

TEST_F(RaceFrameTest, AnOverlayOverAMovingRiderResumesHisMoveWithOneTick) {
  recordMoveTicks();
  ASSERT_FALSE(moveTickIsPending());
  for (void (*open)() : {showScorecard, showPositions, askQuitConfirmation}) {
    currentScreen = SCREEN_MOVING;
    open();
    EXPECT_EQ(previousScreen, SCREEN_MOVING);
    returnToPreviousScreen();
    EXPECT_EQ(currentScreen, SCREEN_MOVING);
  }
  EXPECT_EQ(recordedTicks.delays.size(), 1u);
  endPendingTick();
  EXPECT_FALSE(moveTickIsPending());
}

// The dark band runs from 15 pixels below the top on a full screen and from
// the card panel on a board screen, down to 15 pixels above the bottom.
TEST_F(RaceFrameTest, TheBandOfFullScreensAndBoardScreens) {
  const int bandTop[2] = {15, static_cast<int>(cardPanelY)};
  const int screens[2] = {SCREEN_SETTINGS, SCREEN_COMPUTER_TURN};
  for (int k = 0; k < 2; ++k) {
    currentScreen = screens[k];
    drawNow();
    const int x = 5;  // left of every control
    EXPECT_TRUE(colourNear(pixelAt(x, bandTop[k]), 0, 0, 51)) << screens[k];
    EXPECT_TRUE(colourNear(pixelAt(x, TEST_WINDOW_HEIGHT - 16), 0, 0, 51)) << screens[k];
    EXPECT_TRUE(colourNear(pixelAt(x, TEST_WINDOW_HEIGHT - 14), 0, 0, 0)) << screens[k];
    EXPECT_TRUE(colourNear(pixelAt(x, 14), 0, 0, 0)) << screens[k];
  }
  const Rgb board = pixelAt(boardViewport[0] + boardViewport[2] / 2, 16 + static_cast<int>(cardPanelY) / 2);
  EXPECT_FALSE(colourNear(board, 0, 0, 51) || colourNear(board, 0, 0, 0)) << "the board shows above the panel";
}

TEST_F(RaceFrameTest, DopingButtonLooksEnabledExactlyWhenItCanBePressed) {
  struct Case {
    int screen, rider, dopingNumber, card0, card1;
    bool enabled;
  } cases[] = {
      {SCREEN_PLAY_CARDS, 4, -1, CARD_DIE, CARD_DIE, true},
      {SCREEN_PLAY_CARDS, 4, 3, CARD_DIE, CARD_DIE, false},  // doped already
      {SCREEN_PLAY_CARDS, 4, -1, 2, 3, false},               // no die left for the card
      {SCREEN_PLAY_CARDS, -1, -1, CARD_DIE, CARD_DIE, false},
      {SCREEN_CHOOSE_MOVE, 4, -1, CARD_DIE, CARD_DIE, false},
  };
  for (const Case& c : cases) {
    currentScreen = c.screen;
    activeRider = c.rider;
    dopingNumber[4] = c.dopingNumber;
    chosenCards[0] = c.card0;
    chosenCards[1] = c.card1;
    EXPECT_EQ(dopingButtonEnabled(), c.enabled) << c.screen << " " << c.rider << " " << c.card0;
  }
}

}  // namespace

// The back buffer's rows [top, bottom), counted from the top.
static std::vector<unsigned char> readRows(int top, int bottom) {
  std::vector<unsigned char> pixels(static_cast<size_t>(TEST_WINDOW_WIDTH) * (bottom - top) * 3);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadBuffer(GL_BACK);
  glReadPixels(0, TEST_WINDOW_HEIGHT - bottom, TEST_WINDOW_WIDTH, bottom - top, GL_RGB, GL_UNSIGNED_BYTE,
               pixels.data());
  return pixels;
}

// Whether the board's rectangle in a whole frame from readRows (GL's rows,
// bottom first) holds more than one colour.
static bool boardHasPicture(const std::vector<unsigned char>& frame) {
  const int left = boardViewport[0] + drawAreaX, bottom = boardViewport[1];
  const unsigned char* first = &frame[(static_cast<size_t>(bottom) * TEST_WINDOW_WIDTH + left) * 3];
  for (int y = bottom; y < bottom + boardViewport[3]; ++y)
    for (int x = left; x < left + boardViewport[2]; ++x)
      if (!std::equal(first, first + 3, &frame[(static_cast<size_t>(y) * TEST_WINDOW_WIDTH + x) * 3])) return true;
  return false;
}

// The board picture is left out under an opaque score panel or dialog: the
// frame must come out exactly as when the whole picture is drawn, in both
// views and with a dialog dragged off its home place.
TEST_F(RaceFrameTest, BoardLeftOutUnderAnOpaquePanelChangesNoPixel) {
  layTestCourse();
  currentScreen = SCREEN_PLAY_CARDS;
  drawNow();
  ASSERT_TRUE(boardHasPicture(readRows(0, TEST_WINDOW_HEIGHT))) << "no board picture to compare";
  for (int rider = 0; rider < 8; ++rider) placeRider(rider, rider / 2, firstLaneOfRow(rider / 2) + rider % 2);
  const struct {
    int screen, view2D;
    float dialogX, dialogY;
  } cases[] = {{SCREEN_SCORECARD, 1, 0, 0},        {SCREEN_STAGE_STANDINGS, 0, 0, 0},
               {SCREEN_QUIT_CONFIRM, 1, 0, 0},     {SCREEN_FOLLOW_QUESTION, 0, 0, 0},
               {SCREEN_QUIT_CONFIRM, 1, 20.3f, 91.7f},  // a dialog dragged to odd places
               {SCREEN_NO_MOVE, 1, 700.5f, 600.25f}};
  bool (*installed)(float[4]) = opaqueOverlayHook;
  ASSERT_NE(installed, nullptr);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.screen);
    currentScreen = c.screen;
    boardView2D = c.view2D;
    cameraIndex = c.view2D ? 1 : 4;
    applyBoardViewState();
    computeDialogPanelLayout();
    if (c.dialogX != 0) {
      dialogPanelX = c.dialogX;
      dialogPanelY = c.dialogY;
    }
    float cover[4];
    ASSERT_TRUE(installed(cover));
    drawNow();
    const std::vector<unsigned char> masked = readRows(0, TEST_WINDOW_HEIGHT);
    opaqueOverlayHook = nullptr;
    drawNow();
    EXPECT_TRUE(masked == readRows(0, TEST_WINDOW_HEIGHT));
    opaqueOverlayHook = installed;
  }
  computeDialogPanelLayout();
}

// The band's clear leaves out the rectangle the card hand paints over: no
// pixel of the band's rows may then keep the colour the frame began with,
// so drawing over a red start must give the same rows as over the usual one.
// The grid's fill is left out under the cards still in the hand, so rows
// with played cards (first, middle and last slot) check it where it must show.
TEST_F(RaceFrameTest, BandLeftOutUnderTheCardHandLeavesNoHole) {
  const int top = static_cast<int>(cardPanelY), bottom = drawAreaHeight - 15;
  ASSERT_LT(top, bottom);
  GLfloat usual[4];
  glGetFloatv(GL_COLOR_CLEAR_VALUE, usual);
  const struct {
    int screen, team, playedSlot;
  } cases[] = {{SCREEN_PLAY_CARDS, 0, -1}, {SCREEN_START_THROW_RESULT, 2, -1}, {SCREEN_SCORECARD, 3, -1},
               {SCREEN_PLAY_CARDS, 1, 0},  {SCREEN_START_PLACE_HUMAN, 0, 9},   {SCREEN_MOVING, 2, CARD_SLOTS - 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.screen);
    currentScreen = c.screen;
    shownTeam = c.team;
    if (c.playedSlot != -1) cardUsed[c.team][c.playedSlot] = 1;
    drawNow();
    const std::vector<unsigned char> plain = readRows(top, bottom);
    glClearColor(1, 0, 0, 1);
    drawNow();
    EXPECT_TRUE(plain == readRows(top, bottom));
    glClearColor(usual[0], usual[1], usual[2], usual[3]);
    if (c.playedSlot != -1) cardUsed[c.team][c.playedSlot] = 0;
  }
}
