// What the settings screen tests share: a window laid out at 5:4 over the
// whole test window, the settings screen drawn in its overlay block, and a
// scratch working folder so that OK writes its "settings" file there.
#pragma once
#include "render/window_harness.h"
#include "ui/ui_harness.h"  // ScratchFolder

// A key code for SettingsScreenTest::press: below SPECIAL_KEY a character,
// from it on SPECIAL_KEY plus a special key.
const int SPECIAL_KEY = 1000;

class SettingsScreenTest : public WindowTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Opens the settings screen from the given screen with the stored values
  // in the three fields, as after start-up.
  void openFrom(int screen);
  // A left-button release at the centre of a rectangle (x, y, w, h), at a
  // point or on a radio's centre, in drawing-area pixels.
  static void clickRect(const float rect[4]);
  static void clickAt(float x, float y);
  static void clickCentre(const float centre[2]);
  // Empties a field, makes it the active one and types the digits into it.
  static void typeInto(int field, const char* digits);
  static void press(int key);
  static bool settingsFileExists();

  ScratchFolder scratch;
};
