// The drawing area and layout arithmetic; none of it needs a window.
#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "model/settings.h"
#include "render/layout.h"

namespace {

void setRatio(double w, double h) {
  screenRatio[0] = w;
  screenRatio[1] = h;
  screenRatioProvisional = 0;
}

void layOut(int width, int height) {
  windowWidth = width;
  windowHeight = height;
  applyScreenRatio();
  computeLayout();
}

TEST(ScreenRatio, DetectedFromCommonWindowSizes) {
  struct Case {
    int width, height;
    double rw, rh;  // -1, -1: nothing detected
  } cases[] = {
      {1280, 1024, 5, 4},   {1000, 800, 5, 4},    {1024, 768, 4, 3},    {1152, 864, 4, 3},
      {1280, 960, 4, 3},    {1600, 1200, 4, 3},   {800, 600, 4, 3},     {1280, 800, 16, 10},
      {1440, 900, 16, 10},  {1680, 1050, 16, 10}, {1920, 1200, 16, 10}, {1000, 625, 16, 10},
      {1366, 768, 16, 10},  {1920, 1080, 16, 10}, {1280, 720, 16, 10},  {2560, 1080, 16, 10},
      {1600, 900, 16, 10},  {2560, 1440, 16, 10},
      {1152, 768, -1, -1},  {1280, 854, -1, -1},  {1024, 1280, -1, -1}, {1280, 0, -1, -1},
      {0, 0, -1, -1},       {1279, 1024, -1, -1},
  };
  for (const Case& c : cases) {
    double ratio[2] = {-1, -1};
    int found = detectScreenRatio(c.width, c.height, ratio);
    EXPECT_EQ(found, c.rw > 0 ? 1 : 0) << c.width << " x " << c.height;
    EXPECT_EQ(ratio[0], c.rw) << c.width << " x " << c.height;
    EXPECT_EQ(ratio[1], c.rh) << c.width << " x " << c.height;
  }
}

TEST(ScreenRatio, DrawingAreaKeepsFiveToFourProportions) {
  struct Case {
    double rw, rh;
    int width, height;
    int areaWidth, areaHeight, areaX;
  } cases[] = {
      {5, 4, 1280, 1024, 1280, 1024, 0},
      {4, 3, 1024, 768, 960, 768, 32},
      {4, 3, 1280, 1024, 1200, 1024, 40},
      {16, 10, 1280, 800, 1000, 800, 140},
      {16, 10, 1920, 1080, 1500, 1080, 210},
      {16, 10, 1366, 768, 1067, 768, 149},
      {16, 10, 1600, 900, 1250, 900, 175},
      {16, 10, 2560, 1440, 2000, 1440, 280},
      // 5:4 chosen in the settings uses the whole window, whatever its shape.
      {5, 4, 1280, 800, 1280, 800, 0},
      // No ratio known, or a value that is no ratio: the whole window.
      {-1, -1, 1152, 768, 1152, 768, 0},
      {3, 2, 1152, 768, 1152, 768, 0},
      {0, 0, 640, 480, 640, 480, 0},
  };
  for (const Case& c : cases) {
    setRatio(c.rw, c.rh);
    drawAreaWidth = drawAreaHeight = drawAreaX = -7;
    layOut(c.width, c.height);
    EXPECT_EQ(drawAreaWidth, c.areaWidth) << c.rw << ":" << c.rh << " " << c.width;
    EXPECT_EQ(drawAreaHeight, c.areaHeight) << c.rw << ":" << c.rh << " " << c.width;
    EXPECT_EQ(drawAreaX, c.areaX) << c.rw << ":" << c.rh << " " << c.width;
    EXPECT_EQ(drawAreaY, 0);
  }
}

// The ratio as the window's sizes come in, each with the screen's size (0 x
// 0 when it is not known), from a starting ratio; after each size the ratio
// and whether it is only provisional (-1: not looked at). A window width
// of -1 stands for the ratio chosen in the settings instead of a new size.
TEST(ScreenRatio, DetectedOnceTheScreenHasSpokenAndNeverOverAChosenOne) {
  struct Step {
    int width, height, screenWidth, screenHeight;
    double rw, rh;
    int provisional;
  };
  struct Case {
    const char* what;
    double startW, startH;
    std::vector<Step> steps;
  } cases[] = {
      // Under X11 the window first reports its creation size, 4:3, on a 16:9
      // screen; the full-screen size that follows decides, and later sizes
      // keep the ratio.
      {"the window as created does not fix the ratio", -1, -1,
       {{1280, 960, 1920, 1080, 4, 3, 1}, {1920, 1080, 1920, 1080, 16, 10, 0}, {1280, 1024, 1920, 1080, 16, 10, 0}}},
      {"a window as wide as the screen but lower is not yet full screen", -1, -1,
       {{1280, 800, 1280, 1024, 16, 10, 1}, {1280, 1024, 1280, 1024, 5, 4, 0}}},
      {"a provisional ratio falls back to none", -1, -1,
       {{1280, 960, 1920, 1080, 4, 3, 1}, {1152, 768, 1920, 1080, -1, -1, 0}}},
      {"without a screen size the first detection is final", -1, -1,
       {{1024, 768, 0, 0, 4, 3, -1}, {1280, 1024, 0, 0, 4, 3, -1}}},
      {"a chosen ratio is never detected again", 5, 4, {{1920, 1080, 1920, 1080, 5, 4, -1}}},
      {"a ratio chosen while the detected one was provisional", -1, -1,
       {{1280, 960, 1920, 1080, 4, 3, 1}, {-1, 0, 0, 0, 16, 10, -1}, {1280, 1024, 1920, 1080, 16, 10, -1}}},
      {"a damaged value counts as unset", 7, 3, {{1280, 1024, 1280, 1024, 5, 4, -1}}},
      {"a height of 0 detects nothing", -1, -1, {{1280, 0, 1280, 1024, -1, -1, -1}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    setRatio(c.startW, c.startH);
    for (const Step& s : c.steps) {
      if (s.width == -1) {
        screenRatio[0] = s.rw;
        screenRatio[1] = s.rh;
        continue;
      }
      updateScreenRatio(s.width, s.height, s.screenWidth, s.screenHeight);
      EXPECT_EQ(screenRatio[0], s.rw) << s.width << " x " << s.height;
      EXPECT_EQ(screenRatio[1], s.rh) << s.width << " x " << s.height;
      EXPECT_TRUE(s.provisional == -1 || screenRatioProvisional == s.provisional) << s.width << " x " << s.height;
    }
  }
}

TEST(BoardViewport, TruncatedOnlyAtTheEnd) {
  struct Case {
    int w, h;
    int x, y, width, height;
  } cases[] = {
      // The height comes from the untruncated width 1177.6 (694.27), not
      // from 1177 (693.9).
      {1280, 1024, 51, 252, 1177, 694},
      {960, 768, 38, 189, 883, 520},
      {1500, 1080, 60, 266, 1380, 732},
      {1200, 1024, 48, 252, 1104, 694},
      {0, 0, 0, 0, 0, 0},
      {1280, 0, 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    int32_t v[4] = {-1, -1, -1, -1};
    computeBoardViewport(c.w, c.h, v);
    EXPECT_EQ(v[0], c.x) << c.w << " x " << c.h;
    EXPECT_EQ(v[1], c.y) << c.w << " x " << c.h;
    EXPECT_EQ(v[2], c.width) << c.w << " x " << c.h;
    EXPECT_EQ(v[3], c.height) << c.w << " x " << c.h;
  }
}

TEST(Layout, ManualLinesPerPage) {
  struct Case {
    int height;
    int lines;
  } cases[] = {{1024, 45}, {768, 33}, {1080, 47}, {800, 34}, {600, 25}, {960, 42}};
  for (const Case& c : cases) {
    setRatio(5, 4);
    layOut(c.height * 5 / 4, c.height);
    EXPECT_EQ(manualLinesPerPage, c.lines) << c.height;
  }
}

TEST(Layout, SharedSizesOfAFiveToFourArea) {
  setRatio(5, 4);
  layOut(1280, 1024);
  EXPECT_FLOAT_EQ(buttonWidth, 81.92f);
  EXPECT_FLOAT_EQ(buttonHeight, 30.72f);
  EXPECT_FLOAT_EQ(footerButtonWidth, 102.4f);
  EXPECT_FLOAT_EQ(panelTitleHeight, 30.72f);
  EXPECT_FLOAT_EQ(cardPanelX, 25.6f);
  EXPECT_FLOAT_EQ(cardPanelY, 779.264f);
  EXPECT_EQ(cardWidth, 54);
  EXPECT_EQ(cardHeight, 70);
  EXPECT_EQ(dieSize, 70);
  EXPECT_FLOAT_EQ(quitButtonX, 1280 - 1.5f * 81.92f);
  EXPECT_FLOAT_EQ(quitButtonY, 1004 - 1.1f * 30.72f);
  EXPECT_EQ(manualOkButtonY, quitButtonY);
  EXPECT_EQ(savedRacesBackButtonX, quitButtonX);
  EXPECT_FLOAT_EQ(wrapMarginX, 128);
  EXPECT_FLOAT_EQ(scorecardWidth, 512);
  EXPECT_FLOAT_EQ(scorecardHeight, 512.0f * 1419 / 1072);
  EXPECT_FLOAT_EQ(courseTileWidth, 486.4f);
  EXPECT_FLOAT_EQ(courseTileHeight, 486.4f * 1152 / 1954);
  EXPECT_EQ(boardViewport[2], 1177);

  // The dice follow the card panel, the extra die two dice further.
  EXPECT_FLOAT_EQ(diceX, cardPanelX + cardPanelWidth + cardGapX);
  EXPECT_FLOAT_EQ(extraDieX, diceX + 2 * dieSize + 3 * dieGap);
}

TEST(Layout, EmptyDrawingAreaGivesNoNonsense) {
  setRatio(-1, -1);
  layOut(0, 0);
  EXPECT_EQ(drawAreaWidth, 0);
  EXPECT_FALSE(std::isnan(courseTileHeight));
  EXPECT_EQ(courseTileHeight, 0);
  EXPECT_EQ(boardViewport[2], 0);
}

TEST(Layout, ScreensLayOutInTheSamePass) {
  static float seenWidth = 0;
  screenLayoutHook = [] { seenWidth = buttonWidth; };
  setRatio(4, 3);
  layOut(1024, 768);
  screenLayoutHook = nullptr;
  EXPECT_FLOAT_EQ(seenWidth, 0.064f * 960);
}

TEST(HitTest, EdgesBelongToTheRectangle) {
  struct Case {
    float x, y;
    bool inside;
  } cases[] = {
      {10, 20, true},       {40, 60, true},       {10, 60, true},   {40, 20, true},
      {25, 40, true},       {9.999f, 40, false},  {40.01f, 40, false},
      {25, 19.99f, false},  {25, 60.01f, false},  {-25, -40, false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(pointInRect(c.x, c.y, 10, 20, 30, 40), c.inside) << c.x << ", " << c.y;
  // A click at window x 32 on a 4:3 window of 1024 pixels is x 0 in the area.
  setRatio(4, 3);
  layOut(1024, 768);
  EXPECT_TRUE(pointInRect(static_cast<float>(32 - drawAreaX), 5, 0, 0, 10, 10));
  EXPECT_FALSE(pointInRect(static_cast<float>(31 - drawAreaX), 5, 0, 0, 10, 10));
}

}  // namespace
