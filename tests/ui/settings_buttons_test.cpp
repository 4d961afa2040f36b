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
#include "ui/screen_switch.h"
#include "ui/settings_screen.h"
#include "ui/settings_support.h"

namespace {

class SettingsButtonsTest : public SettingsScreenTest {};

TEST_F(SettingsButtonsTest, OpenSettingsKeepsModeRatioAndTheScreenBelowAndFillsTheFields) {
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

TEST_F(SettingsButtonsTest, RadiosSwitchTheModeRatioAndField) {
  openFrom(SCREEN_MAIN_MENU);
  const SettingsLayout layout = settingsLayout();
  settingsCaret = 2;
  clickCentre(layout.smoothRadio);  // already smooth: nothing changes
  EXPECT_EQ(settingsCaret, 2);
  // A corner of the radio's square still hits it.
  clickAt(layout.stepwiseRadio[0] + layout.radioSize / 2, layout.stepwiseRadio[1] - layout.radioSize / 2);
  EXPECT_EQ(smoothComputerMovement, 0);
  EXPECT_EQ(settingsActiveField, SETTINGS_FIELD_STEP_INTERVAL);
  EXPECT_EQ(settingsCaret, 0);
  settingsCaret = 1;
  clickCentre(layout.stepwiseRadio);
  EXPECT_EQ(settingsCaret, 1);
  // A ratio keeps the keys in the open step field.
  settingsCaret = 2;
  clickCentre(layout.ratioRadios[1]);
  EXPECT_EQ(settingsActiveField, SETTINGS_FIELD_STEP_INTERVAL);
  EXPECT_EQ(settingsCaret, 0);
  // Just outside the square misses.
  clickAt(layout.smoothRadio[0] + layout.radioSize / 2 + 0.5f, layout.smoothRadio[1]);
  EXPECT_EQ(smoothComputerMovement, 0);
  clickCentre(layout.smoothRadio);
  EXPECT_EQ(smoothComputerMovement, 1);
  EXPECT_EQ(settingsActiveField, SETTINGS_FIELD_DELAY);
  const double pairs[3][2] = {{5, 4}, {4, 3}, {16, 10}};
  for (int choice : {1, 2, 0}) {
    clickCentre(layout.ratioRadios[choice]);
    EXPECT_EQ(screenRatio[0], pairs[choice][0]);
    EXPECT_EQ(screenRatio[1], pairs[choice][1]);
  }
  // Nothing is stored, nor the ratio put in force, before OK.
  EXPECT_FALSE(settingsFileExists());
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
}

// OK reads the typed texts: a distance below one is ten, an empty delay is 0,
// leading zeros count for nothing.
TEST_F(SettingsButtonsTest, OkReadsTheTypedNumbers) {
  const struct {
    int field;
    const char* typed;
    float stored;
    const char* shown;
  } cases[] = {
      {SETTINGS_FIELD_DISTANCE, "0", 10, "10"},  {SETTINGS_FIELD_DISTANCE, "000", 10, "10"},
      {SETTINGS_FIELD_DISTANCE, "", 10, "10"},   {SETTINGS_FIELD_DISTANCE, "009", 9, "9"},
      {SETTINGS_FIELD_DELAY, "", 0, "0"},        {SETTINGS_FIELD_DELAY, "070", 70, "70"},
  };
  smoothMoveDelayMs = 15;
  smoothMoveDistance = 33;
  for (const auto& c : cases) {
    openFrom(SCREEN_MAIN_MENU);
    typeInto(c.field, c.typed);
    clickRect(settingsLayout().okButton);
    float stored = c.field == SETTINGS_FIELD_DELAY ? static_cast<float>(smoothMoveDelayMs) : smoothMoveDistance;
    EXPECT_FLOAT_EQ(stored, c.stored) << c.field << " \"" << c.typed << '"';
    EXPECT_STREQ(settingsFieldText[c.field], c.shown) << c.field << " \"" << c.typed << '"';
    smoothMoveDelayMs = 15;
    smoothMoveDistance = 33;
  }
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

// Default only refills the fields; Cancel, after Default or after changes,
// puts mode, ratio and texts back and writes nothing.
TEST_F(SettingsButtonsTest, DefaultRefillsTheFieldsAndCancelPutsEverythingBack) {
  smoothComputerMovement = 0;
  smoothMoveDelayMs = 15;
  smoothMoveDistance = 33;
  stepMoveIntervalMs = 300;
  screenRatio[0] = 4;
  screenRatio[1] = 3;
  auto cancelPutsBack = [] {
    clickRect(settingsLayout().cancelButton);
    EXPECT_EQ(currentScreen, SCREEN_MAIN_MENU);
    EXPECT_EQ(smoothComputerMovement, 0);
    EXPECT_EQ(screenRatio[0], 4);
    EXPECT_EQ(screenRatio[1], 3);
    EXPECT_EQ(smoothMoveDelayMs, 15);
    EXPECT_FLOAT_EQ(smoothMoveDistance, 33);
    EXPECT_EQ(stepMoveIntervalMs, 300);
    EXPECT_STREQ(settingsFieldText[SETTINGS_FIELD_DELAY], "15");
    EXPECT_STREQ(settingsFieldText[SETTINGS_FIELD_DISTANCE], "33");
    EXPECT_STREQ(settingsFieldText[SETTINGS_FIELD_STEP_INTERVAL], "300");
    EXPECT_EQ(settingsActiveField, SETTINGS_FIELD_STEP_INTERVAL);
    EXPECT_FALSE(settingsFileExists());
  };
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
  cancelPutsBack();

  openFrom(SCREEN_MAIN_MENU);
  clickCentre(settingsLayout().smoothRadio);
  clickCentre(settingsLayout().ratioRadios[2]);
  typeInto(SETTINGS_FIELD_DELAY, "5");
  cancelPutsBack();
}

// OK with a new ratio rebuilds the lists for the new drawing area and returns
// to the screen below; OK with the ratio in force (changed and changed back)
// goes straight back. On this 1280 x 1024 window 4:3 is a centred 1200 pixel
// wide drawing area.
TEST_F(SettingsButtonsTest, OkRebuildsTheListsOnlyForANewRatio) {
  static int rebuilds;
  rebuilds = 0;
  sceneListsRebuiltHook = [] { ++rebuilds; };
  ASSERT_EQ(sceneListsWidth, TEST_WINDOW_WIDTH);
  const struct {
    int below, ratio, rebuilds, width, x;
  } cases[] = {
      {SCREEN_PLAY_CARDS, 0, 0, TEST_WINDOW_WIDTH, 0},
      {SCREEN_PLAY_CARDS, 1, 1, 1200, 40},
      {SCREEN_MAIN_MENU, 0, 2, TEST_WINDOW_WIDTH, 0},
      {SCREEN_CHOOSE_MOVE, 1, 3, 1200, 40},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("screen " + std::to_string(c.below) + " ratio " + std::to_string(c.ratio));
    openFrom(c.below);
    clickCentre(settingsLayout().ratioRadios[(c.ratio + 1) % 3]);
    clickCentre(settingsLayout().ratioRadios[c.ratio]);
    clickRect(settingsLayout().okButton);
    EXPECT_EQ(currentScreen, c.below);
    EXPECT_EQ(rebuilds, c.rebuilds);
    EXPECT_EQ(sceneListsBuilt, 1);
    EXPECT_EQ(drawAreaWidth, c.width);
    EXPECT_EQ(drawAreaX, c.x);
    EXPECT_EQ(sceneListsWidth, c.width);
    EXPECT_EQ(screenRatioProvisional, 0);
  }
  // The ratio is kept in the file.
  std::vector<uint8_t> bytes = readFileBytes("settings");
  ASSERT_EQ(bytes.size(), static_cast<size_t>(SETTINGS_FILE_SIZE));
  double ratio[2];
  std::memcpy(ratio, &bytes[14], 16);
  EXPECT_EQ(ratio[0], 4);
  EXPECT_EQ(ratio[1], 3);
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
