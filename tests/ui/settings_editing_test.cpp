// Typing into the settings screen's number fields: every key's effect on
// text and caret, switching fields, clicking into a field, and a long random
// run of keys and clicks that must never break a field's rules.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

#include <GL/freeglut.h>

#include "model/screens.h"
#include "model/settings.h"
#include "render/views.h"
#include "ui/screen_switch.h"
#include "ui/settings_screen.h"
#include "ui/settings_support.h"

namespace {

class SettingsEditingTest : public SettingsScreenTest {};

const int LEFT = SPECIAL_KEY + GLUT_KEY_LEFT, RIGHT = SPECIAL_KEY + GLUT_KEY_RIGHT, UP = SPECIAL_KEY + GLUT_KEY_UP,
          DOWN = SPECIAL_KEY + GLUT_KEY_DOWN, HOME = SPECIAL_KEY + GLUT_KEY_HOME, END = SPECIAL_KEY + GLUT_KEY_END;

// In the delay field (smooth mode) and the step field (stepwise mode) alike.
TEST_F(SettingsEditingTest, EachKeyChangesTextAndCaretAsTheFieldRulesSay) {
  const struct {
    const char* text;
    int caret, key;
    const char* expectedText;
    int expectedCaret;
  } cases[] = {
      // Digits: inserted at the caret, a fourth character drops off, the
      // caret stops at the last place.
      {"200", 0, '7', "720", 1}, {"200", 2, '5', "205", 2}, {"456", 1, '1', "415", 2},
      {"", 0, '4', "4", 1},      {"4", 1, '5', "45", 2},    {"45", 2, '6', "456", 2},
      {"12", 0, '9', "912", 1},  {"12", 1, '9', "192", 2},  {"0", 0, '0', "00", 1},
      // Backspace removes the character before the caret, Delete the one at it.
      {"200", 0, 8, "200", 0},   {"200", 1, 8, "00", 0},    {"200", 2, 8, "20", 1},
      {"12", 2, 8, "1", 1},      {"", 0, 8, "", 0},         {"200", 0, 127, "00", 0},
      {"200", 1, 127, "20", 1},  {"200", 2, 127, "20", 2},  {"12", 2, 127, "12", 2},
      {"5", 1, 127, "5", 1},     {"", 0, 127, "", 0},
      // Keys of no meaning here change nothing; no key closes the screen.
      {"200", 1, 'a', "200", 1}, {"200", 1, ' ', "200", 1}, {"200", 1, 27, "200", 1},
      {"200", 1, '/', "200", 1}, {"200", 1, ':', "200", 1},
      {"200", 1, SPECIAL_KEY + GLUT_KEY_PAGE_UP, "200", 1},
      {"200", 1, SPECIAL_KEY + GLUT_KEY_F1, "200", 1},
      // The caret keys.
      {"200", 1, LEFT, "200", 0},  {"200", 0, LEFT, "200", 0},  {"200", 1, RIGHT, "200", 2},
      {"200", 2, RIGHT, "200", 2}, {"12", 1, RIGHT, "12", 2},   {"12", 2, RIGHT, "12", 2},
      {"1", 1, RIGHT, "1", 1},     {"", 0, RIGHT, "", 0},       {"200", 2, HOME, "200", 0},
      {"200", 0, END, "200", 2},   {"12", 0, END, "12", 2},     {"1", 0, END, "1", 1},
      {"", 0, END, "", 0},
  };
  openFrom(SCREEN_MAIN_MENU);
  for (int field : {SETTINGS_FIELD_DELAY, SETTINGS_FIELD_STEP_INTERVAL}) {
    smoothComputerMovement = field == SETTINGS_FIELD_DELAY ? 1 : 0;
    for (const auto& c : cases) {
      settingsActiveField = field;
      std::strcpy(settingsFieldText[field], c.text);
      std::strcpy(settingsFieldText[SETTINGS_FIELD_DISTANCE], "77");
      settingsCaret = c.caret;
      press(c.key);
      SCOPED_TRACE(std::string("\"") + c.text + "\" caret " + std::to_string(c.caret) + " key " +
                   std::to_string(c.key) + " field " + std::to_string(field));
      EXPECT_STREQ(settingsFieldText[field], c.expectedText);
      EXPECT_EQ(settingsCaret, c.expectedCaret);
      EXPECT_EQ(settingsActiveField, field);
      EXPECT_STREQ(settingsFieldText[SETTINGS_FIELD_DISTANCE], "77");  // untouched
      EXPECT_EQ(currentScreen, SCREEN_SETTINGS);
    }
  }
}

TEST_F(SettingsEditingTest, TabEnterUpAndDownMoveBetweenDelayAndDistanceOnly) {
  const struct {
    int field, caret, key, expectedField, expectedCaret;
  } cases[] = {
      {0, 2, 9, 1, 0},    {1, 1, 9, 0, 0},    {0, 1, 13, 1, 0},   {1, 2, 13, 0, 0},
      {2, 2, 9, 2, 2},    {2, 1, 13, 2, 1},   {1, 2, UP, 0, 0},   {0, 2, UP, 0, 2},
      {0, 1, DOWN, 1, 0}, {1, 1, DOWN, 1, 1}, {2, 1, UP, 2, 1},   {2, 1, DOWN, 2, 1},
  };
  openFrom(SCREEN_MAIN_MENU);
  for (const auto& c : cases) {
    smoothComputerMovement = c.field == 2 ? 0 : 1;
    for (auto& text : settingsFieldText) std::strcpy(text, "123");
    settingsActiveField = c.field;
    settingsCaret = c.caret;
    press(c.key);
    EXPECT_EQ(settingsActiveField, c.expectedField) << "field " << c.field << " key " << c.key;
    EXPECT_EQ(settingsCaret, c.expectedCaret) << "field " << c.field << " key " << c.key;
  }
}

// Only a left release on the settings screen acts; keys and clicks on other
// screens change nothing.
TEST_F(SettingsEditingTest, OnlyALeftReleaseOnTheSettingsScreenActs) {
  fillSettingsFields();
  currentScreen = SCREEN_MAIN_MENU;
  const SettingsLayout layout = settingsLayout();
  const float* radio = layout.stepwiseRadio;
  press('5');
  press(END);
  clickCentre(radio);
  EXPECT_STREQ(settingsFieldText[0], "0");
  EXPECT_EQ(settingsCaret, 0);
  EXPECT_EQ(smoothComputerMovement, 1);
  EXPECT_EQ(currentScreen, SCREEN_MAIN_MENU);

  openFrom(SCREEN_MAIN_MENU);
  settingsMouseClick(GLUT_LEFT_BUTTON, GLUT_DOWN, radio[0], radio[1]);
  settingsMouseClick(GLUT_RIGHT_BUTTON, GLUT_UP, radio[0], radio[1]);
  settingsMouseClick(GLUT_MIDDLE_BUTTON, GLUT_UP, radio[0], radio[1]);
  EXPECT_EQ(smoothComputerMovement, 1);
  clickCentre(radio);
  EXPECT_EQ(smoothComputerMovement, 0);
}

TEST_F(SettingsEditingTest, ClickIntoAFieldPutsTheCaretUnderThePointer) {
  openFrom(SCREEN_MAIN_MENU);
  const SettingsLayout layout = settingsLayout();
  const float* delay = layout.fields[SETTINGS_FIELD_DELAY];
  const float y = delay[1] + delay[3] / 2;
  const struct {
    const char* text;
    float dx;
    int caret;
  } cases[] = {
      {"123", 0, 0},  {"123", 7.9f, 0}, {"123", 8, 1},  {"123", 15, 1},
      {"123", 16, 2}, {"123", 24, 2},   {"123", 25, 2}, {"12", 16, 2},
      {"12", 24, 0},  {"1", 8, 1},      {"1", 16, 0},   {"", 0, 0},
      {"", 8, 0},
  };
  for (const auto& c : cases) {
    std::strcpy(settingsFieldText[SETTINGS_FIELD_DELAY], c.text);
    settingsActiveField = SETTINGS_FIELD_DISTANCE;
    settingsCaret = 1;
    clickAt(delay[0] + c.dx, y);
    EXPECT_EQ(settingsActiveField, SETTINGS_FIELD_DELAY) << c.text << " at " << c.dx;
    EXPECT_EQ(settingsCaret, c.caret) << c.text << " at " << c.dx;
  }
  // Just outside the field's right edge nothing is hit.
  settingsActiveField = SETTINGS_FIELD_DISTANCE;
  clickAt(delay[0] + delay[2] + 0.5f, y);
  EXPECT_EQ(settingsActiveField, SETTINGS_FIELD_DISTANCE);
  // The step field is closed in smooth mode, the two others in stepwise mode.
  clickRect(layout.fields[SETTINGS_FIELD_STEP_INTERVAL]);
  EXPECT_EQ(settingsActiveField, SETTINGS_FIELD_DISTANCE);
  smoothComputerMovement = 0;
  settingsActiveField = SETTINGS_FIELD_STEP_INTERVAL;
  clickRect(layout.fields[SETTINGS_FIELD_DELAY]);
  clickRect(layout.fields[SETTINGS_FIELD_DISTANCE]);
  EXPECT_EQ(settingsActiveField, SETTINGS_FIELD_STEP_INTERVAL);
}

// Whatever the player does, each field holds at most three digits, the caret
// stands within the active field's text and on one of its three places, and
// the keys type into a field that the movement mode leaves open.
TEST_F(SettingsEditingTest, LongRandomRunNeverBreaksTheFieldRules) {
  const int keys[] = {'0', '1', '2', '5', '9', 8, 127, 9, 13, 'x', 27, 32, LEFT, RIGHT, UP, DOWN, HOME, END};
  std::mt19937 random(20261209);
  openFrom(SCREEN_MAIN_MENU);
  const SettingsLayout layout = settingsLayout();
  const float* targets[] = {layout.smoothRadio, layout.stepwiseRadio, layout.fields[0],   layout.fields[1],
                            layout.fields[2],   layout.defaultButton, layout.okButton,    layout.cancelButton};
  int closes = 0;
  viewsReady = 0;  // no frames: they are not what this run checks
  for (int step = 0; step < 20000; ++step) {
    SCOPED_TRACE("step " + std::to_string(step));
    if (random() % 100 < 80) {
      press(keys[random() % (sizeof keys / sizeof keys[0])]);
    } else {
      size_t target = random() % (sizeof targets / sizeof targets[0]);
      // OK and Cancel close the screen: seldom, so that the fields fill up.
      if (target >= 6 && random() % 8 != 0) target = random() % 6;
      const float* rect = targets[target];
      std::uniform_real_distribution<float> along(-2, 27);
      if (target <= 1) {
        clickAt(rect[0] + along(random) * layout.radioSize / 25 - layout.radioSize / 2,
                rect[1] + (static_cast<float>(random() % 3) - 1) * layout.radioSize / 3);
      } else {
        clickAt(rect[0] + (target <= 4 ? along(random) : rect[2] / 2), rect[1] + rect[3] / 2);
      }
      if (currentScreen != SCREEN_SETTINGS) {
        ++closes;
        ASSERT_EQ(currentScreen, SCREEN_MAIN_MENU);
        openSettings();
      }
    }
    for (const auto& text : settingsFieldText) {
      size_t length = strnlen(text, sizeof text);
      ASSERT_LE(length, 3u);
      for (size_t i = 0; i < length; ++i) ASSERT_TRUE(text[i] >= '0' && text[i] <= '9');
    }
    ASSERT_GE(settingsCaret, 0);
    ASSERT_LE(settingsCaret, 2);
    ASSERT_LE(settingsCaret, static_cast<int>(std::strlen(settingsFieldText[settingsActiveField])));
    ASSERT_EQ(settingsActiveField == SETTINGS_FIELD_STEP_INTERVAL, smoothComputerMovement == 0);
    ASSERT_GE(smoothMoveDistance, 1);
    ASSERT_TRUE(smoothMoveDelayMs >= 0 && smoothMoveDelayMs <= 999);
    ASSERT_TRUE(stepMoveIntervalMs >= 0 && stepMoveIntervalMs <= 999);
  }
  EXPECT_GT(closes, 10);  // OK and Cancel were reached
}

}  // namespace
