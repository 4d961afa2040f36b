#include "ui/settings_support.h"

#include <unistd.h>

#include <GL/freeglut.h>

#include "files/settings_file.h"
#include "model/hooks.h"
#include "model/screens.h"
#include "model/settings.h"
#include "ui/screen_switch.h"
#include "ui/settings_screen.h"

void SettingsScreenTest::SetUp() {
  WindowTest::SetUp();
  if (HasFatalFailure()) return;
  scratch.enter("corvalis-settings-screen-");
  if (HasFatalFailure()) return;
  applyDefaultSettings();
  startOverlay();
  installSettingsScreen();
  moveTimerHook = nullptr;
}

void SettingsScreenTest::TearDown() {
  scratch.leave();
  applyDefaultSettings();
  moveTimerHook = nullptr;
}

void SettingsScreenTest::openFrom(int screen) {
  currentScreen = screen;
  fillSettingsFields();
  openSettings();
}

void SettingsScreenTest::clickRect(const float rect[4]) {
  clickAt(rect[0] + rect[2] / 2, rect[1] + rect[3] / 2);
}

void SettingsScreenTest::clickAt(float x, float y) { settingsMouseClick(GLUT_LEFT_BUTTON, GLUT_UP, x, y); }

void SettingsScreenTest::clickCentre(const float centre[2]) { clickAt(centre[0], centre[1]); }

void SettingsScreenTest::typeInto(int field, const char* digits) {
  settingsActiveField = field;
  settingsCaret = 0;
  settingsFieldText[field][0] = 0;
  for (const char* d = digits; *d != 0; ++d) settingsKeyboardUp(static_cast<unsigned char>(*d));
}

void SettingsScreenTest::press(int key) {
  if (key >= SPECIAL_KEY)
    settingsSpecialKeyUp(key - SPECIAL_KEY);
  else
    settingsKeyboardUp(static_cast<unsigned char>(key));
}

bool SettingsScreenTest::settingsFileExists() { return access("settings", F_OK) == 0; }
