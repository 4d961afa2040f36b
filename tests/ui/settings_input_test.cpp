// The settings screen reached through the window's real callbacks: opened
// from the main menu by click and letter, each key and click acting on the
// settings screen alone, and a change of ratio that passes through the
// loading screen and comes back to the main menu it was opened from.
#include <gtest/gtest.h>

#include <cstring>

#include <GL/freeglut.h>

#include "model/screens.h"
#include "model/settings.h"
#include "render/layout.h"
#include "render/scene_lists.h"
#include "texts/language_texts.h"
#include "ui/loading_screen.h"
#include "ui/main_menu.h"
#include "ui/settings_screen.h"
#include "ui/ui_harness.h"

namespace {

class SettingsInput : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    if (HasFatalFailure()) return;
    useScratchFolder();
    smoothComputerMovement = 1;
    smoothMoveDelayMs = 0;
    stepMoveIntervalMs = 200;
    smoothMoveDistance = 10;
    fillSettingsFields();
  }
  void clickRect(const float rect[4]) { clickCentreOf(rect[0], rect[1], rect[2], rect[3]); }
  // Opens the settings by their letter, chooses a ratio and presses OK.
  void chooseRatio(int choice) {
    typeKey('t');
    ASSERT_EQ(currentScreen, SCREEN_SETTINGS);
    const SettingsLayout layout = settingsLayout();
    const float* radio = layout.ratioRadios[choice];
    clickCentreOf(radio[0] - 1, radio[1] - 1, 2, 2);
    clickRect(settingsLayout().okButton);
    EXPECT_EQ(currentScreen, SCREEN_MAIN_MENU);
  }
};

TEST_F(SettingsInput, MainMenuButtonAndLetterOpenTheSettings) {
  float x, y, w, h;
  mainMenuButtonRect(MENU_SETTINGS, &x, &y, &w, &h);
  clickCentreOf(x, y, w, h);
  EXPECT_EQ(currentScreen, SCREEN_SETTINGS);
  EXPECT_EQ(previousScreen, SCREEN_MAIN_MENU);
  clickRect(settingsLayout().cancelButton);
  EXPECT_EQ(currentScreen, SCREEN_MAIN_MENU);

  for (int l = 0; l < LANGUAGE_COUNT; ++l) {
    language = static_cast<uint8_t>(l);
    setLanguageTexts();
    currentScreen = SCREEN_MAIN_MENU;
    typeKey(static_cast<unsigned char>(mainMenuLetter(MENU_SETTINGS)));
    EXPECT_EQ(currentScreen, SCREEN_SETTINGS) << "language " << l;
    // The menu's letters mean nothing on the settings screen.
    for (int b = 0; b < MENU_BUTTON_COUNT; ++b) typeKey(static_cast<unsigned char>(mainMenuLetter(b)));
    EXPECT_EQ(currentScreen, SCREEN_SETTINGS) << "language " << l;
    EXPECT_EQ(caughtExitStatus, -1);
    clickRect(settingsLayout().cancelButton);
    EXPECT_EQ(currentScreen, SCREEN_MAIN_MENU);
  }
}

TEST_F(SettingsInput, KeysAndClicksReachTheSettingsScreenOnce) {
  typeKey('t');
  ASSERT_EQ(currentScreen, SCREEN_SETTINGS);
  typeKey('7');
  EXPECT_STREQ(settingsFieldText[SETTINGS_FIELD_DELAY], "70");
  pressSpecialKey(GLUT_KEY_DOWN);
  EXPECT_EQ(settingsActiveField, SETTINGS_FIELD_DISTANCE);
  pressSpecialKey(GLUT_KEY_END);
  typeKey('5');
  EXPECT_STREQ(settingsFieldText[SETTINGS_FIELD_DISTANCE], "105");
  // A press on OK does nothing; the release closes the screen, and the same
  // release does not act on the main menu that comes back.
  const SettingsLayout layout = settingsLayout();
  mouseEventAt(GLUT_LEFT_BUTTON, GLUT_DOWN, layout.okButton[0] + 3, layout.okButton[1] + 3);
  EXPECT_EQ(currentScreen, SCREEN_SETTINGS);
  clickRect(layout.okButton);
  EXPECT_EQ(currentScreen, SCREEN_MAIN_MENU);
  EXPECT_EQ(smoothMoveDelayMs, 70);
  EXPECT_FLOAT_EQ(smoothMoveDistance, 105);
  EXPECT_EQ(readWholeFile("settings").size(), 82u);
}

TEST_F(SettingsInput, ANewRatioGoesThroughTheLoadingScreenBackToTheMainMenu) {
  chooseRatio(2);
  EXPECT_EQ(screenRatio[0], 16);
  // 16:10 on this 1280 x 1024 window: a drawing area of 1000 x 1024.
  EXPECT_EQ(drawAreaWidth, 1000);
  EXPECT_EQ(drawAreaX, 140);
  EXPECT_EQ(sceneListsWidth, 1000);
  // The loading screen ran to its end and compiled the previews anew.
  EXPECT_EQ(loadingSectionIndex, 8);
  EXPECT_EQ(loadingCourseIndex, 4);
  EXPECT_EQ(sectionImagesBuilt, 1);
  for (GLuint list : coursePreviewLists) EXPECT_TRUE(glIsList(list));
  for (GLuint list : sectionMapLists) EXPECT_TRUE(glIsList(list));
  std::string file = readWholeFile("settings");
  ASSERT_EQ(file.size(), 82u);
  double ratio[2];
  std::memcpy(ratio, file.data() + 14, 16);
  EXPECT_EQ(ratio[0], 16);
  EXPECT_EQ(ratio[1], 10);

  // The settings still work in the new drawing area: back to 5:4.
  chooseRatio(0);
  EXPECT_EQ(drawAreaWidth, TEST_WINDOW_WIDTH);
  EXPECT_EQ(drawAreaX, 0);
}

}  // namespace
