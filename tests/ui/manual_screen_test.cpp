// The manual screen: paging by buttons and keys within the page count, the
// greyed buttons at either end, leaving, and the page after a new division.
#include <cstdio>

#include <GL/freeglut.h>

#include "model/screens.h"
#include "model/settings.h"
#include "render/layout.h"
#include "render/frame.h"
#include "texts/language_texts.h"
#include "texts/manual.h"
#include "ui/main_menu.h"
#include "ui/manual_screen.h"
#include "ui/ui_harness.h"

namespace {

class ManualScreen : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    if (HasFatalFailure()) return;
    typeKey('m');  // from the main menu
    ASSERT_EQ(currentScreen, SCREEN_MANUAL);
    ASSERT_GE(manualPageCount, 2) << "the English manual needs more than one page";
  }
  void clickPrevious() {
    float x, y, w, h;
    manualPreviousButtonRect(&x, &y, &w, &h);
    clickCentreOf(x, y, w, h);
  }
  void clickNext() {
    float x, y, w, h;
    manualNextButtonRect(&x, &y, &w, &h);
    clickCentreOf(x, y, w, h);
  }
  int lastPage() { return manualPageCount - 1; }
  // Black (enabled) or grey (disabled) label pixels on a button.
  int labelPixels(float x, float y, float w, float h, int level) {
    return countColourInBox(static_cast<int>(x) + 1, static_cast<int>(y) + 1,
                            static_cast<int>(x + w) - 2, static_cast<int>(y + h) - 2, level,
                            level, level, 20);
  }
};

TEST_F(ManualScreen, ButtonsPageWithinTheManual) {
  EXPECT_EQ(manualPage, 0);
  clickPrevious();
  EXPECT_EQ(manualPage, 0) << "nothing before the first page";
  for (int i = 1; i <= lastPage(); ++i) {
    clickNext();
    EXPECT_EQ(manualPage, i);
  }
  clickNext();
  EXPECT_EQ(manualPage, lastPage()) << "nothing after the last page";
  clickPrevious();
  EXPECT_EQ(manualPage, lastPage() - 1);
  EXPECT_EQ(currentScreen, SCREEN_MANUAL);
}

TEST_F(ManualScreen, KeysPageWithinTheManual) {
  const int backKeys[] = {GLUT_KEY_LEFT, GLUT_KEY_UP, GLUT_KEY_PAGE_UP};
  const int onKeys[] = {GLUT_KEY_RIGHT, GLUT_KEY_DOWN, GLUT_KEY_PAGE_DOWN};
  for (int key : backKeys) {
    pressSpecialKey(key);
    EXPECT_EQ(manualPage, 0);
  }
  for (int key : onKeys) {
    manualPage = 0;
    pressSpecialKey(key);
    EXPECT_EQ(manualPage, 1);
    manualPage = static_cast<uint8_t>(lastPage());
    pressSpecialKey(key);
    EXPECT_EQ(manualPage, lastPage());
  }
  for (int key : backKeys) {
    manualPage = 1;
    pressSpecialKey(key);
    EXPECT_EQ(manualPage, 0);
  }
  manualPage = 0;
  typeKey(13);
  EXPECT_EQ(manualPage, 1);
  typeKey(' ');
  EXPECT_EQ(manualPage, lastPage() >= 2 ? 2 : lastPage());
  pressSpecialKey(GLUT_KEY_END);
  EXPECT_EQ(manualPage, lastPage());
  typeKey(13);
  typeKey(' ');
  EXPECT_EQ(manualPage, lastPage()) << "Enter and Space stop at the last page";
  pressSpecialKey(GLUT_KEY_HOME);
  EXPECT_EQ(manualPage, 0);
  pressSpecialKey(GLUT_KEY_HOME);
  EXPECT_EQ(manualPage, 0);
  // Keys of no meaning here.
  typeKey('x');
  pressSpecialKey(GLUT_KEY_F1);
  EXPECT_EQ(manualPage, 0);
  EXPECT_EQ(currentScreen, SCREEN_MANUAL);
}

TEST_F(ManualScreen, OkEscapeAndOLeaveForTheMainMenuAndThePageIsNotKept) {
  clickCentreOf(manualOkButtonX, manualOkButtonY, buttonWidth, buttonHeight);
  EXPECT_EQ(currentScreen, SCREEN_MAIN_MENU);
  typeKey('m');
  manualPage = 1;
  typeKey(27);
  EXPECT_EQ(currentScreen, SCREEN_MAIN_MENU);
  typeKey('m');
  EXPECT_EQ(manualPage, 0);
  typeKey('O');
  EXPECT_EQ(currentScreen, SCREEN_MAIN_MENU);
  // The OK release does not reach the main menu's buttons: Exit lies under
  // the manual's OK.
  typeKey('m');
  clickCentreOf(manualOkButtonX, manualOkButtonY, buttonWidth, buttonHeight);
  EXPECT_EQ(currentScreen, SCREEN_MAIN_MENU);
  EXPECT_EQ(caughtExitStatus, -1);
}

TEST_F(ManualScreen, PreviousIsGreyOnTheFirstPageAndNextOnTheLast) {
  float px, py, pw, ph, nx, ny, nw, nh;
  manualPreviousButtonRect(&px, &py, &pw, &ph);
  manualNextButtonRect(&nx, &ny, &nw, &nh);
  EXPECT_FLOAT_EQ(px, 0.325f * 1280);
  EXPECT_FLOAT_EQ(nx, 0.575f * 1280);
  EXPECT_FLOAT_EQ(py, (1024 - 20) - 1.1f * buttonHeight);
  drawNow();
  EXPECT_EQ(labelPixels(px, py, pw, ph, 0), 0);
  EXPECT_GT(labelPixels(px, py, pw, ph, 128), 20);
  EXPECT_GT(labelPixels(nx, ny, nw, nh, 0), 20);
  manualPage = static_cast<uint8_t>(lastPage());
  drawNow();
  EXPECT_GT(labelPixels(px, py, pw, ph, 0), 20);
  EXPECT_EQ(labelPixels(nx, ny, nw, nh, 0), 0);
  EXPECT_GT(labelPixels(nx, ny, nw, nh, 128), 20);
}

TEST_F(ManualScreen, DrawsThePageTextInItsFrame) {
  drawNow();
  // Yellow title or white body text inside the frame, nothing outside it.
  int inside = countColourInBox(static_cast<int>(manualBoxX) + 2, static_cast<int>(manualBoxY) + 2,
                                static_cast<int>(manualBoxX + manualBoxWidth) - 2,
                                static_cast<int>(manualBoxY + manualBoxHeight) - 2, 255, 255, 255,
                                40) +
               countColourInBox(static_cast<int>(manualBoxX) + 2, static_cast<int>(manualBoxY) + 2,
                                static_cast<int>(manualBoxX + manualBoxWidth) - 2,
                                static_cast<int>(manualBoxY + manualBoxHeight) - 2, 255, 255, 0,
                                40);
  EXPECT_GT(inside, 2000);
  // The frame's four edges.
  int left = static_cast<int>(manualBoxX);
  int top = static_cast<int>(manualBoxY);
  int right = static_cast<int>(manualBoxX + manualBoxWidth);
  int bottom = static_cast<int>(manualBoxY + manualBoxHeight);
  EXPECT_TRUE(colourNear(pixelAt(left, 300), 255, 255, 255));
  EXPECT_TRUE(colourNear(pixelAt(right, 300), 255, 255, 255));
  EXPECT_TRUE(colourNear(pixelAt(640, top), 255, 255, 255));
  EXPECT_TRUE(colourNear(pixelAt(640, bottom), 255, 255, 255));
  EXPECT_EQ(countColourInBox(0, 100, left - 2, 800, 255, 255, 255, 40), 0);
  // The page label "1/n" between the two buttons.
  float px, py, pw, ph, nx, ny, nw, nh;
  manualPreviousButtonRect(&px, &py, &pw, &ph);
  manualNextButtonRect(&nx, &ny, &nw, &nh);
  EXPECT_GT(countColourInBox(static_cast<int>(px + pw) + 2, static_cast<int>(py) - 4,
                             static_cast<int>(nx) - 2, static_cast<int>(py + ph) + 2, 255, 255,
                             255, 40),
            20);
}

TEST_F(ManualScreen, PageStaysInsideTheManualAfterANewDivision) {
  // Many pages in a small window; the last of them shown.
  screenRatio[0] = 5;
  screenRatio[1] = 4;
  onReshape(640, 512);
  int smallCount = manualPageCount;
  manualPage = static_cast<uint8_t>(smallCount - 1);
  onReshape(TEST_WINDOW_WIDTH, TEST_WINDOW_HEIGHT);
  ASSERT_LT(manualPageCount, smallCount) << "a larger window needs fewer pages";
  EXPECT_LT(manualPage, manualPageCount);
  EXPECT_EQ(manualPage, manualPageCount - 1);
  // A later page press stays at the end, a back press moves back.
  pressSpecialKey(GLUT_KEY_RIGHT);
  EXPECT_EQ(manualPage, manualPageCount - 1);
  pressSpecialKey(GLUT_KEY_LEFT);
  EXPECT_EQ(manualPage, manualPageCount - 2);
  // Changing the language divides its own manual anew.
  manualPage = static_cast<uint8_t>(manualPageCount - 1);
  for (int l = 0; l < LANGUAGE_COUNT; ++l) {
    language = static_cast<uint8_t>(l);
    setLanguageTexts();
    EXPECT_LT(manualPage, manualPageCount) << "language " << l;
  }
}

}  // namespace
