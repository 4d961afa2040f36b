// The settings screen's radios and buttons: the movement mode and ratio
// change at once, the numbers only on OK, which writes the settings file;
// Cancel writes nothing and puts everything back; a new ratio rebuilds the
// display and goes back to the screen the settings were opened over.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstring>
#include <vector>

#include <GL/freeglut.h>

#include "files/settings_file.h"
#include "model/hooks.h"
#include "model/screens.h"
#include "model/settings.h"
#include "render/layout.h"
#include "render/scene_lists.h"
#include "rules/move_animation.h"
#include "support/file_bytes.h"
#include "texts/language_texts.h"
#include "ui/screen_switch.h"
#include "ui/settings_screen.h"
#include "ui/settings_support.h"

namespace {

class SettingsButtonsTest : public SettingsScreenTest {
 protected:
  static void typeInto(int field, const char* digits) {
    settingsActiveField = field;
    settingsCaret = 0;
    std::strcpy(settingsFieldText[field], "");
    for (const char* d = digits; *d != 0; ++d) settingsKeyboardUp(static_cast<unsigned char>(*d));
  }
};

TEST_F(SettingsButtonsTest, OpenSettingsKeepsModeRatioAndTheScreenBelow) {
  smoothComputerMovement = 0;
  screenRatio[0] = 16;
  screenRatio[1] = 10;
  openFrom(SCREEN_CHOOSE_MOVE);
  EXPECT_EQ(currentScreen, SCREEN_SETTINGS);
  EXPECT_EQ(previousScreen, SCREEN_CHOOSE_MOVE);
  EXPECT_EQ(savedSmoothComputerMovement, 0);
  EXPECT_EQ(savedScreenRatio[0], 16);
  EXPECT_EQ(savedScreenRatio[1], 10);
  EXPECT_EQ(settingsActiveField, SETTINGS_FIELD_STEP_INTERVAL);
  EXPECT_STREQ(settingsFieldText[SETTINGS_FIELD_STEP_INTERVAL], "200");
}

TEST_F(SettingsButtonsTest, FieldsShowTheStoredValuesAndTheModesField) {
  smoothMoveDelayMs = 35;
  smoothMoveDistance = 12.75f;
  stepMoveIntervalMs = 999;
  smoothComputerMovement = 1;
  fillSettingsFields();
  EXPECT_STREQ(settingsFieldText[0], "35");
  EXPECT_STREQ(settingsFieldText[1], "12");  // the whole part
  EXPECT_STREQ(settingsFieldText[2], "999");
  EXPECT_EQ(settingsActiveField, SETTINGS_FIELD_DELAY);
  EXPECT_EQ(settingsCaret, 0);
}

TEST_F(SettingsButtonsTest, RadiosSwitchTheModeAndItsField) {
  openFrom(SCREEN_MAIN_MENU);
  const SettingsLayout layout = settingsLayout();
  settingsCaret = 2;
  // The smooth radio does nothing while the mode is smooth.
  clickCentre(layout.smoothRadio);
  EXPECT_EQ(settingsCaret, 2);
  // A corner of the radio's square still hits it.
  clickAt(layout.stepwiseRadio[0] + layout.radioSize / 2, layout.stepwiseRadio[1] - layout.radioSize / 2);
  EXPECT_EQ(smoothComputerMovement, 0);
  EXPECT_EQ(settingsActiveField, SETTINGS_FIELD_STEP_INTERVAL);
  EXPECT_EQ(settingsCaret, 0);
  settingsCaret = 1;
  clickCentre(layout.stepwiseRadio);
  EXPECT_EQ(settingsCaret, 1);
  // Just outside the square misses.
  clickAt(layout.smoothRadio[0] + layout.radioSize / 2 + 0.5f, layout.smoothRadio[1]);
  EXPECT_EQ(smoothComputerMovement, 0);
  clickCentre(layout.smoothRadio);
  EXPECT_EQ(smoothComputerMovement, 1);
  EXPECT_EQ(settingsActiveField, SETTINGS_FIELD_DELAY);
  // Nothing is stored yet.
  EXPECT_FALSE(settingsFileExists());
}

TEST_F(SettingsButtonsTest, RatioRadiosChooseTheirPairAndKeepTheModesField) {
  openFrom(SCREEN_MAIN_MENU);
  const SettingsLayout layout = settingsLayout();
  const double pairs[3][2] = {{5, 4}, {4, 3}, {16, 10}};
  for (int choice : {1, 2, 0}) {
    clickCentre(layout.ratioRadios[choice]);
    EXPECT_EQ(screenRatio[0], pairs[choice][0]);
    EXPECT_EQ(screenRatio[1], pairs[choice][1]);
  }
  // In stepwise mode the keys still go to the open step field.
  clickCentre(layout.stepwiseRadio);
  settingsCaret = 2;
  clickCentre(layout.ratioRadios[1]);
  EXPECT_EQ(settingsActiveField, SETTINGS_FIELD_STEP_INTERVAL);
  EXPECT_EQ(settingsCaret, 0);
  // The ratio takes effect only through OK.
  EXPECT_EQ(drawAreaWidth, TEST_WINDOW_WIDTH);
}

TEST_F(SettingsButtonsTest, OkStoresTheNumbersWritesTheFileAndGoesBack) {
  openFrom(SCREEN_MAIN_MENU);
  typeInto(SETTINGS_FIELD_DELAY, "40");
  typeInto(SETTINGS_FIELD_DISTANCE, "7");
  typeInto(SETTINGS_FIELD_STEP_INTERVAL, "999");
  clickCentre(settingsLayout().stepwiseRadio);
  clickRect(settingsLayout().okButton);
  EXPECT_EQ(currentScreen, SCREEN_MAIN_MENU);
  EXPECT_EQ(smoothComputerMovement, 0);
  EXPECT_EQ(smoothMoveDelayMs, 40);
  EXPECT_FLOAT_EQ(smoothMoveDistance, 7);
  EXPECT_EQ(stepMoveIntervalMs, 999);
  EXPECT_EQ(settingsActiveField, SETTINGS_FIELD_STEP_INTERVAL);
  EXPECT_EQ(settingsCaret, 0);

  std::vector<uint8_t> bytes = readFileBytes("settings");
  ASSERT_EQ(bytes.size(), static_cast<size_t>(SETTINGS_FILE_SIZE));
  uint8_t expected[SETTINGS_FILE_SIZE];
  encodeSettings(expected);
  EXPECT_EQ(std::memcmp(bytes.data(), expected, SETTINGS_FILE_SIZE), 0);
  EXPECT_EQ(bytes[1], 0);   // stepwise
  EXPECT_EQ(bytes[2], 40);  // delay, low byte first
  EXPECT_EQ(bytes[10], 999 & 0xFF);
  EXPECT_EQ(bytes[11], 999 >> 8);
}

TEST_F(SettingsButtonsTest, OkTurnsADistanceBelowOneIntoTen) {
  openFrom(SCREEN_MAIN_MENU);
  for (const char* typed : {"0", "000", ""}) {
    openSettings();
    typeInto(SETTINGS_FIELD_DISTANCE, typed);
    clickRect(settingsLayout().okButton);
    EXPECT_FLOAT_EQ(smoothMoveDistance, 10) << '"' << typed << '"';
    EXPECT_STREQ(settingsFieldText[SETTINGS_FIELD_DISTANCE], "10") << '"' << typed << '"';
  }
  // An empty delay is 0, leading zeros count for nothing.
  openSettings();
  typeInto(SETTINGS_FIELD_DELAY, "");
  typeInto(SETTINGS_FIELD_DISTANCE, "009");
  clickRect(settingsLayout().okButton);
  EXPECT_EQ(smoothMoveDelayMs, 0);
  EXPECT_FLOAT_EQ(smoothMoveDistance, 9);
}

TEST_F(SettingsButtonsTest, ASettingsFileThatCannotBeWrittenLeavesTheValuesInForce) {
  ASSERT_EQ(mkdir("settings", 0755), 0);  // a folder where the file belongs
  openFrom(SCREEN_MAIN_MENU);
  typeInto(SETTINGS_FIELD_DELAY, "25");
  clickRect(settingsLayout().okButton);
  EXPECT_EQ(currentScreen, SCREEN_MAIN_MENU);
  EXPECT_EQ(smoothMoveDelayMs, 25);
  struct stat st;
  ASSERT_EQ(stat("settings", &st), 0);
  EXPECT_TRUE(S_ISDIR(st.st_mode));
}

TEST_F(SettingsButtonsTest, CancelPutsModeRatioAndTextsBackAndWritesNothing) {
  smoothMoveDelayMs = 15;
  stepMoveIntervalMs = 300;
  openFrom(SCREEN_MAIN_MENU);
  const SettingsLayout layout = settingsLayout();
  clickCentre(layout.stepwiseRadio);
  clickCentre(layout.ratioRadios[2]);
  typeInto(SETTINGS_FIELD_STEP_INTERVAL, "5");
  clickRect(layout.cancelButton);
  EXPECT_EQ(currentScreen, SCREEN_MAIN_MENU);
  EXPECT_EQ(smoothComputerMovement, 1);
  EXPECT_EQ(screenRatio[0], 5);
  EXPECT_EQ(screenRatio[1], 4);
  EXPECT_EQ(stepMoveIntervalMs, 300);
  EXPECT_STREQ(settingsFieldText[SETTINGS_FIELD_STEP_INTERVAL], "300");
  EXPECT_STREQ(settingsFieldText[SETTINGS_FIELD_DELAY], "15");
  EXPECT_EQ(settingsActiveField, SETTINGS_FIELD_DELAY);
  EXPECT_FALSE(settingsFileExists());
}

TEST_F(SettingsButtonsTest, DefaultOnlyRefillsTheFieldsAndCancelKeepsTheStoredValues) {
  smoothComputerMovement = 0;
  smoothMoveDelayMs = 15;
  smoothMoveDistance = 33;
  stepMoveIntervalMs = 300;
  screenRatio[0] = 4;
  screenRatio[1] = 3;
  openFrom(SCREEN_MAIN_MENU);
  settingsCaret = 2;
  clickRect(settingsLayout().defaultButton);
  EXPECT_EQ(smoothComputerMovement, 1);
  EXPECT_STREQ(settingsFieldText[0], "0");
  EXPECT_STREQ(settingsFieldText[1], "10");
  EXPECT_STREQ(settingsFieldText[2], "200");
  EXPECT_EQ(settingsActiveField, SETTINGS_FIELD_DELAY);
  EXPECT_EQ(settingsCaret, 0);
  EXPECT_EQ(smoothMoveDelayMs, 15);
  EXPECT_EQ(screenRatio[0], 4);
  EXPECT_EQ(currentScreen, SCREEN_SETTINGS);

  clickRect(settingsLayout().cancelButton);
  EXPECT_EQ(smoothComputerMovement, 0);
  EXPECT_EQ(smoothMoveDelayMs, 15);
  EXPECT_FLOAT_EQ(smoothMoveDistance, 33);
  EXPECT_EQ(stepMoveIntervalMs, 300);
  EXPECT_STREQ(settingsFieldText[1], "33");
  EXPECT_EQ(settingsActiveField, SETTINGS_FIELD_STEP_INTERVAL);
  EXPECT_FALSE(settingsFileExists());
}

TEST_F(SettingsButtonsTest, OkWithTheSameRatioGoesStraightBackWithoutRebuilding) {
  static int rebuilds;
  rebuilds = 0;
  sceneListsRebuiltHook = [] { ++rebuilds; };
  openFrom(SCREEN_PLAY_CARDS);
  const SettingsLayout layout = settingsLayout();
  clickCentre(layout.ratioRadios[1]);
  clickCentre(layout.ratioRadios[0]);  // back to the ratio in force
  clickRect(layout.okButton);
  EXPECT_EQ(currentScreen, SCREEN_PLAY_CARDS);
  EXPECT_EQ(rebuilds, 0);
  EXPECT_EQ(drawAreaWidth, TEST_WINDOW_WIDTH);
}

TEST_F(SettingsButtonsTest, ANewRatioRebuildsTheListsAndReturnsToTheScreenBelow) {
  static int rebuilds;
  rebuilds = 0;
  sceneListsRebuiltHook = [] { ++rebuilds; };
  ASSERT_EQ(sceneListsWidth, TEST_WINDOW_WIDTH);
  for (int below : {SCREEN_PLAY_CARDS, SCREEN_MAIN_MENU}) {
    openFrom(below);
    clickCentre(settingsLayout().ratioRadios[below == SCREEN_MAIN_MENU ? 0 : 1]);
    clickRect(settingsLayout().okButton);
    EXPECT_EQ(currentScreen, below);
    EXPECT_EQ(sceneListsBuilt, 1);
  }
  EXPECT_EQ(rebuilds, 2);
  // Back at 5:4 the drawing area is the whole window again.
  EXPECT_EQ(drawAreaWidth, TEST_WINDOW_WIDTH);
  EXPECT_EQ(sceneListsWidth, TEST_WINDOW_WIDTH);

  // 4:3 on this 1280 x 1024 window: a centred 1200 pixel wide drawing area,
  // lists made for it, and the ratio kept in the file.
  openFrom(SCREEN_CHOOSE_MOVE);
  clickCentre(settingsLayout().ratioRadios[1]);
  clickRect(settingsLayout().okButton);
  EXPECT_EQ(currentScreen, SCREEN_CHOOSE_MOVE);
  EXPECT_EQ(rebuilds, 3);
  EXPECT_EQ(drawAreaWidth, 1200);
  EXPECT_EQ(drawAreaX, 40);
  EXPECT_EQ(sceneListsWidth, 1200);
  EXPECT_EQ(screenRatioProvisional, 0);
  std::vector<uint8_t> bytes = readFileBytes("settings");
  ASSERT_EQ(bytes.size(), static_cast<size_t>(SETTINGS_FILE_SIZE));
  double width, height;
  std::memcpy(&width, &bytes[14], 8);
  std::memcpy(&height, &bytes[22], 8);
  EXPECT_EQ(width, 4);
  EXPECT_EQ(height, 3);
}

TEST_F(SettingsButtonsTest, ClosingOverAComputerMoveRestartsItsTimerOnce) {
  recordMoveTicks();
  const std::vector<unsigned>& delays = recordedTicks.delays;
  ASSERT_FALSE(moveTickIsPending());
  openFrom(SCREEN_MOVING);
  clickRect(settingsLayout().cancelButton);
  EXPECT_EQ(currentScreen, SCREEN_MOVING);
  ASSERT_EQ(delays.size(), 1u);
  EXPECT_EQ(delays[0], 0u);
  // The tick is still pending: closing again asks for no second one.
  openSettings();
  clickRect(settingsLayout().okButton);
  EXPECT_EQ(delays.size(), 1u);
  // Over any other screen no timer is asked for.
  openFrom(SCREEN_CHOOSE_MOVE);
  clickRect(settingsLayout().cancelButton);
  EXPECT_EQ(delays.size(), 1u);
  // The pending tick arrives on another screen: it ends there, none pending.
  endPendingTick();
  EXPECT_FALSE(moveTickIsPending());
  EXPECT_EQ(delays.size(), 1u);
}

}  // namespace
