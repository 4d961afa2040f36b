#include "ui/settings_support.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

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
  char dir[] = "/tmp/corvalis-settings-screen-XXXXXX";
  ASSERT_NE(mkdtemp(dir), nullptr);
  folder = dir;
  ASSERT_EQ(getcwd(previousFolder, sizeof previousFolder), previousFolder);
  ASSERT_EQ(chdir(dir), 0);
  applyDefaultSettings();
  startOverlay();
  installSettingsScreen();
  moveTimerHook = nullptr;
}

void SettingsScreenTest::TearDown() {
  if (previousFolder[0] != 0) {
    std::remove((folder + "/settings").c_str());
    rmdir(folder.c_str());
    ASSERT_EQ(chdir(previousFolder), 0);
  }
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

bool SettingsScreenTest::settingsFileExists() { return access("settings", F_OK) == 0; }
