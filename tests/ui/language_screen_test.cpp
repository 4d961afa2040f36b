// The language screen: the row under the pointer, the choice by a click,
// and the settings file it writes.
#include <cstdint>
#include <string>
#include <vector>

#include <GL/freeglut.h>

#include "files/settings_file.h"
#include "model/screens.h"
#include "model/settings.h"
#include "render/layout.h"
#include "texts/language_texts.h"
#include "ui/course_selection.h"
#include "ui/language_screen.h"
#include "ui/main_menu.h"
#include "ui/saved_races.h"
#include "ui/ui_harness.h"

namespace {

// The layout values that follow the width of a label.
std::vector<float> fittedWidths() {
  return {footerButtonWidth, throwButtonWidth, extraThrowButtonX, courseChoiceButtonWidth,
          savedRacesScorecardButtonWidth};
}

class LanguageScreen : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    if (HasFatalFailure()) return;
    openLanguageScreen();
  }
  // Centre of row i.
  void rowCentre(int i, float* x, float* y) {
    float rx, ry, rw, rh;
    languageRowRect(i, &rx, &ry, &rw, &rh);
    *x = rx + rw / 2;
    *y = ry + rh / 2;
  }
};

TEST_F(LanguageScreen, RowsFollowTheLayout) {
  float x, y, w, h;
  languageRowRect(2, &x, &y, &w, &h);
  EXPECT_FLOAT_EQ(x, 128);
  EXPECT_FLOAT_EQ(y, 0.1f * 1024 + 2 * (0.15f * 1024 + 0.067f * 1024));
  EXPECT_FLOAT_EQ(w, 0.8f * 1280);
  EXPECT_FLOAT_EQ(h, 0.15f * 1024);
  EXPECT_STREQ(languageNames[0], "Deutsch");
  EXPECT_STREQ(languageNames[1], "English");
  EXPECT_STREQ(languageNames[2], "Fran\xe7" "ais");
  EXPECT_STREQ(languageNames[3], "Nederlands");
}

TEST_F(LanguageScreen, PointerPicksTheRowUnderItAndNothingInTheGaps) {
  const float H = 1024;
  const float top = 0.1f * H;
  const float pitch = 0.15f * H + 0.067f * H;
  for (int i = 0; i < 4; ++i) {
    float x, y;
    rowCentre(i, &x, &y);
    EXPECT_EQ(languageRowAt(x, y), i);
    EXPECT_EQ(languageRowAt(0.1f * 1280, top + i * pitch), i) << "top-left corner";
    EXPECT_EQ(languageRowAt(0.9f * 1280, top + i * pitch + 0.15f * H), i) << "bottom-right";
  }
  // Gaps, and outside the list on every side.
  for (int gap = 0; gap < 3; ++gap)
    EXPECT_EQ(languageRowAt(640, top + gap * pitch + 0.15f * H + 0.03f * H), -1);
  EXPECT_EQ(languageRowAt(640, top - 1), -1);
  EXPECT_EQ(languageRowAt(640, top + 3 * pitch + 0.15f * H + 1), -1);
  EXPECT_EQ(languageRowAt(0.1f * 1280 - 1, top + 10), -1);
  EXPECT_EQ(languageRowAt(0.9f * 1280 + 1, top + 10), -1);
  EXPECT_EQ(languageRowAt(640, 1000), -1);
}

TEST_F(LanguageScreen, HoverHighlightsAtOnceAndNeverTouchesTheLanguage) {
  EXPECT_EQ(languageHover, LANGUAGE_ENGLISH) << "opens on the current language";
  float x, y;
  rowCentre(3, &x, &y);
  hoverAt(x, y);
  EXPECT_EQ(languageHover, 3);
  EXPECT_EQ(language, LANGUAGE_ENGLISH);
  drawNow();
  float rx, ry, rw, rh;
  languageRowRect(3, &rx, &ry, &rw, &rh);
  // Orange behind row 3, dark blue behind row 1 (near the right end, away
  // from the flag and the name).
  EXPECT_TRUE(colourNear(pixelAt(static_cast<int>(rx + rw - 40), static_cast<int>(ry + rh / 2)),
                         255, 128, 0, 4));
  languageRowRect(1, &rx, &ry, &rw, &rh);
  EXPECT_TRUE(colourNear(pixelAt(static_cast<int>(rx + rw - 40), static_cast<int>(ry + rh / 2)),
                         0, 0, 77, 4));

  hoverAt(640, 5);
  EXPECT_EQ(languageHover, -1);
  EXPECT_EQ(language, LANGUAGE_ENGLISH) << "the language stays valid everywhere";
  drawNow();
  EXPECT_EQ(countColourInBox(0, 0, 1279, 1023, 255, 128, 0, 4), 0) << "no row highlighted";
}

TEST_F(LanguageScreen, FlagsAndNamesAreDrawn) {
  drawNow();
  auto flagPixel = [](int row, float fx, float fy) {
    float x, y, w, h;
    languageRowRect(row, &x, &y, &w, &h);
    float flagWidth = 0.15f * w;
    float flagHeight = 0.1f * w;
    float left = x + 0.05f * w;
    float top = y + (h - flagHeight) / 2;
    return pixelAt(static_cast<int>(left + fx * flagWidth), static_cast<int>(top + fy * flagHeight));
  };
  EXPECT_TRUE(colourNear(flagPixel(0, 0.5f, 0.15f), 0, 0, 0));
  EXPECT_TRUE(colourNear(flagPixel(0, 0.5f, 0.5f), 204, 0, 0));
  EXPECT_TRUE(colourNear(flagPixel(0, 0.5f, 0.85f), 204, 204, 0));
  EXPECT_TRUE(colourNear(flagPixel(2, 0.15f, 0.5f), 0, 0, 128));
  EXPECT_TRUE(colourNear(flagPixel(2, 0.5f, 0.5f), 255, 255, 255));
  EXPECT_TRUE(colourNear(flagPixel(2, 0.85f, 0.5f), 204, 0, 0));
  EXPECT_TRUE(colourNear(flagPixel(3, 0.5f, 0.15f), 204, 0, 0));
  EXPECT_TRUE(colourNear(flagPixel(3, 0.5f, 0.5f), 255, 255, 255));
  EXPECT_TRUE(colourNear(flagPixel(3, 0.5f, 0.85f), 0, 0, 128));
  // The cross flag: red in the middle, blue fields, white between them.
  EXPECT_TRUE(colourNear(flagPixel(1, 0.5f, 0.5f), 204, 0, 0));
  float x, y, w, h;
  languageRowRect(1, &x, &y, &w, &h);
  int left = static_cast<int>(x + 0.05f * w);
  int top = static_cast<int>(y + (h - 0.1f * w) / 2);
  int right = static_cast<int>(x + 0.2f * w);
  int bottom = static_cast<int>(y + (h + 0.1f * w) / 2);
  EXPECT_GT(countColourInBox(left, top, right, bottom, 0, 0, 128), 100);
  EXPECT_GT(countColourInBox(left, top, right, bottom, 255, 255, 255), 100);
  EXPECT_GT(countColourInBox(left, top, right, bottom, 204, 0, 0), 100);
  // The names in white to the right of the flags.
  for (int i = 0; i < 4; ++i) {
    languageRowRect(i, &x, &y, &w, &h);
    EXPECT_GT(countColourInBox(static_cast<int>(x + 0.22f * w), static_cast<int>(y + 0.3f * h),
                               static_cast<int>(x + 0.45f * w), static_cast<int>(y + 0.7f * h),
                               255, 255, 255, 30),
              40)
        << "name of row " << i;
  }
}

TEST_F(LanguageScreen, TheEnglishFlagStaysInsideItsBox) {
  // Around the flag's box, on the row's ground (blue, or orange when
  // highlighted), no red of the diagonal strips.
  for (int hover : {-1, 1}) {
    languageHover = hover;
    drawNow();
    float x, y, w, h;
    languageRowRect(1, &x, &y, &w, &h);
    int left = static_cast<int>(x + 0.05f * w);
    int right = static_cast<int>(x + 0.2f * w);
    int top = static_cast<int>(y + (h - 0.1f * w) / 2);
    int bottom = static_cast<int>(y + (h + 0.1f * w) / 2);
    EXPECT_GT(countColourInBox(left + 2, top + 2, right - 2, bottom - 2, 204, 0, 0), 100);
    EXPECT_EQ(countColourInBox(left - 6, top - 6, right + 6, top - 2, 204, 0, 0), 0) << hover;
    EXPECT_EQ(countColourInBox(left - 6, bottom + 2, right + 6, bottom + 6, 204, 0, 0), 0) << hover;
    EXPECT_EQ(countColourInBox(left - 6, top - 6, left - 2, bottom + 6, 204, 0, 0), 0) << hover;
    EXPECT_EQ(countColourInBox(right + 2, top - 6, right + 6, bottom + 6, 204, 0, 0), 0) << hover;
  }
}

TEST_F(LanguageScreen, ClickChoosesTheHighlightedRowWritesTheFileAndReturns) {
  useScratchFolder();
  if (HasFatalFailure()) return;
  smoothMoveDelayMs = 25;
  // The record is written with the new language before the texts change:
  // the team names are still the English ones (the next start renames them).
  uint8_t expected[SETTINGS_FILE_SIZE];
  language = LANGUAGE_GERMAN;
  encodeSettings(expected);
  language = LANGUAGE_ENGLISH;
  float x, y;
  rowCentre(0, &x, &y);
  hoverAt(x, y);
  clickAt(x, y);
  EXPECT_EQ(currentScreen, SCREEN_MAIN_MENU);
  EXPECT_EQ(language, LANGUAGE_GERMAN);
  EXPECT_STREQ(textMainMenu, "Hauptmen\xfc");
  EXPECT_EQ(mainMenuLetter(MENU_EXIT), 'b');
  // The buttons fitted to their labels are fitted to the German ones.
  const std::vector<float> fitted = fittedWidths();
  computeLayout();
  EXPECT_EQ(fitted, fittedWidths());

  std::string file = readWholeFile("settings");
  ASSERT_EQ(file.size(), static_cast<size_t>(SETTINGS_FILE_SIZE));
  EXPECT_EQ(file, std::string(reinterpret_cast<char*>(expected), SETTINGS_FILE_SIZE));
  EXPECT_EQ(file[0], 0) << "German";
  EXPECT_EQ(static_cast<uint8_t>(file[2]), 25) << "the other settings as they stand";
}

TEST_F(LanguageScreen, ClickInAGapDoesNothing) {
  useScratchFolder();
  if (HasFatalFailure()) return;
  float x, y, w, h;
  languageRowRect(1, &x, &y, &w, &h);
  float gapY = y + h + 0.03f * 1024;
  hoverAt(x + 20, gapY);
  clickAt(x + 20, gapY);
  EXPECT_EQ(currentScreen, SCREEN_LANGUAGE);
  EXPECT_EQ(language, LANGUAGE_ENGLISH);
  EXPECT_TRUE(readWholeFile("settings").empty());
  // Other buttons, a press and keys do nothing either.
  rowCentre(2, &x, &y);
  hoverAt(x, y);
  mouseEventAt(GLUT_LEFT_BUTTON, GLUT_DOWN, x, y);
  mouseEventAt(GLUT_RIGHT_BUTTON, GLUT_UP, x, y);
  mouseEventAt(3, GLUT_UP, x, y);
  typeKey(13);
  typeKey(27);
  pressSpecialKey(GLUT_KEY_DOWN);
  EXPECT_EQ(currentScreen, SCREEN_LANGUAGE);
  EXPECT_EQ(language, LANGUAGE_ENGLISH);
  EXPECT_TRUE(readWholeFile("settings").empty());
}

TEST_F(LanguageScreen, ChoosingTheCurrentLanguageStillWritesTheFile) {
  useScratchFolder();
  if (HasFatalFailure()) return;
  // Without moving the pointer the current language is highlighted.
  clickAt(5, 5);
  EXPECT_EQ(currentScreen, SCREEN_MAIN_MENU);
  EXPECT_EQ(language, LANGUAGE_ENGLISH);
  EXPECT_EQ(readWholeFile("settings").size(), static_cast<size_t>(SETTINGS_FILE_SIZE));
}

TEST_F(LanguageScreen, AFileThatCannotBeWrittenStillChangesTheLanguage) {
  useScratchFolder();
  if (HasFatalFailure()) return;
  // "settings" is a folder: the file cannot be replaced.
  ASSERT_EQ(system("mkdir settings"), 0);
  float x, y;
  rowCentre(3, &x, &y);
  hoverAt(x, y);
  clickAt(x, y);
  EXPECT_EQ(currentScreen, SCREEN_MAIN_MENU);
  EXPECT_EQ(language, LANGUAGE_DUTCH);
  EXPECT_STREQ(textExit, "Einde");
}

}  // namespace
