// The loading screen: the progress bar, the thirteen lists it compiles, the
// main menu after it, and the run after a change of screen ratio.
#include <chrono>
#include <cstring>

#include <GL/freeglut.h>

#include "model/screens.h"
#include "model/settings.h"
#include "render/frame.h"
#include "render/layout.h"
#include "render/scene_lists.h"
#include "render/section_maps.h"
#include "render/textures.h"
#include "render/views.h"
#include "ui/loading_screen.h"
#include "ui/ui_harness.h"

namespace {

// A board picture whose pixels are all 200: bright inside a section, 100
// outside it on the maps.
void fillBoardPixels() { std::memset(boardPixels, 200, sizeof boardPixels); }

class LoadingScreen : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    if (HasFatalFailure()) return;
    fillBoardPixels();
    sectionImagesBuilt = 0;
    loadingSectionIndex = loadingCourseIndex = 0;
    currentScreen = SCREEN_LOADING;
  }
  // Frame and fill of the bar at progress p.
  void barAt(int sections, int courses) {
    loadingSectionIndex = sections;
    loadingCourseIndex = courses;
    drawNow();
  }
  // White pixels in the bar's row through its middle, inside the frame.
  int filledWidth() {
    int y = static_cast<int>(0.46f * 1024 + 0.04f * 1024);
    int left = static_cast<int>(0.31f * 1280) + 2;
    int right = static_cast<int>(0.59f * 1280) - 2;
    return countColourInBox(left, y, right, y, 255, 255, 255);
  }
};

TEST_F(LoadingScreen, BarGrowsWithTheWorkAndNeverLeavesItsFrame) {
  const float W = 1280;
  const float m = 0.01f * W;
  const int fullWidth = static_cast<int>(0.31f * W + m + 0.28f * W - 2 * m) -
                        static_cast<int>(0.31f * W + m);
  barAt(0, 0);
  EXPECT_EQ(filledWidth(), 0);
  barAt(8, 0);
  EXPECT_NEAR(filledWidth(), fullWidth * 8 / 12, 2);
  barAt(8, 4);
  EXPECT_NEAR(filledWidth(), fullWidth, 1);
  // Counters beyond the end do not push the bar out of its frame.
  barAt(40, 9);
  EXPECT_NEAR(filledWidth(), fullWidth, 1);
  int frameRight = static_cast<int>(0.31f * W + 0.28f * W);
  int y = static_cast<int>(0.5f * 1024);
  EXPECT_EQ(countColourInBox(frameRight + 2, y - 20, frameRight + 200, y + 20, 255, 255, 255), 0);
  // The four edges of the frame and the text above it.
  int left = static_cast<int>(0.31f * W);
  int top = static_cast<int>(0.46f * 1024);
  int bottom = static_cast<int>(0.54f * 1024);
  EXPECT_TRUE(colourNear(pixelAt(left, y), 255, 255, 255));
  EXPECT_TRUE(colourNear(pixelAt(frameRight, y), 255, 255, 255));
  EXPECT_TRUE(colourNear(pixelAt(500, top), 255, 255, 255));
  EXPECT_TRUE(colourNear(pixelAt(500, bottom), 255, 255, 255));
  EXPECT_GT(countColourInBox(left, top - 30, left + 200, top - 5, 255, 255, 255, 40), 30);
}

TEST_F(LoadingScreen, WaitsWhileTheDrawingAreaIsEmpty) {
  drawAreaWidth = 0;
  onLoadingIdle();
  EXPECT_EQ(currentScreen, SCREEN_LOADING);
  EXPECT_EQ(sectionImagesBuilt, 0);
  drawAreaWidth = 1280;
  drawAreaHeight = 0;
  onLoadingIdle();
  EXPECT_EQ(currentScreen, SCREEN_LOADING);
  EXPECT_EQ(sectionImagesBuilt, 0);
}

TEST_F(LoadingScreen, BuildsEveryMapAndPreviewThenOpensTheMainMenu) {
  static int framesOnLoading = 0;
  static int framesOnMenu = 0;
  static int lastProgressTwelfths = -1;
  static bool progressWentBack = false;
  framesOnLoading = framesOnMenu = 0;
  lastProgressTwelfths = -1;
  progressWentBack = false;
  // Counts the frames drawn while loading and checks the bar only grows.
  overlayBlocks[OVERLAY_SCORE_PANEL] = [] {
    if (currentScreen == SCREEN_LOADING) {
      ++framesOnLoading;
      int twelfths = loadingSectionIndex + loadingCourseIndex;
      if (twelfths < lastProgressTwelfths) progressWentBack = true;
      lastProgressTwelfths = twelfths;
    } else if (currentScreen == SCREEN_MAIN_MENU) {
      ++framesOnMenu;
    }
  };
  auto start = std::chrono::steady_clock::now();
  onLoadingIdle();
  double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  RecordProperty("loading_seconds", std::to_string(seconds));

  EXPECT_EQ(currentScreen, SCREEN_MAIN_MENU);
  EXPECT_EQ(sectionImagesBuilt, 1);
  EXPECT_EQ(framesOnLoading, 13) << "a frame after each map and preview";
  EXPECT_EQ(framesOnMenu, 1);
  EXPECT_FALSE(progressWentBack);
  EXPECT_EQ(lastProgressTwelfths, 12);
  for (int s = 0; s < SECTION_MAP_LIST_COUNT; ++s) {
    EXPECT_TRUE(glIsList(sectionMapLists[s])) << "map " << s;
    EXPECT_TRUE(glIsTexture(sectionMapTextures[s])) << "map " << s;
  }
  for (int c = 0; c < COURSE_PREVIEW_LIST_COUNT; ++c) {
    EXPECT_TRUE(glIsList(coursePreviewLists[c])) << "preview " << c;
    EXPECT_TRUE(glIsTexture(coursePreviewTextures[c])) << "preview " << c;
  }
  // Each picture has its own texture object.
  for (int i = 0; i < 9; ++i)
    for (int j = 0; j < 4; ++j) EXPECT_NE(sectionMapTextures[i], coursePreviewTextures[j]);
  // The map of section 1 has its pieces at full brightness on a dimmed board.
  int bright = 0, dim = 0;
  for (int i = 0; i < MASK_WIDTH * MASK_HEIGHT; ++i) {
    bright += sectionMapImages[1][3 * i] == 200;
    dim += sectionMapImages[1][3 * i] == 100;
  }
  EXPECT_GT(bright, 0);
  EXPECT_EQ(bright + dim, MASK_WIDTH * MASK_HEIGHT);
}

TEST_F(LoadingScreen, OnAnotherScreenItOnlyOpensTheMainMenu) {
  currentScreen = SCREEN_MANUAL;
  onLoadingIdle();
  EXPECT_EQ(currentScreen, SCREEN_MAIN_MENU);
  EXPECT_EQ(sectionImagesBuilt, 0);
}

// The preview list drawn at the origin of the current overlay transform:
// its white-ish extent in pixels.
int drawnPreviewWidth(int c) {
  glCallList(coursePreviewLists[c]);
  glFinish();
  int width = 0;
  int y = 5;
  for (int x = 0; x < TEST_WINDOW_WIDTH; ++x)
    if (pixelAt(x, y).r > 50) width = x + 1;
  return width;
}

// The same in a freshly cleared overlay.
int previewWidthOnScreen(int c) {
  startOverlay();
  return drawnPreviewWidth(c);
}

TEST_F(LoadingScreen, AfterARatioChangeThePicturesAreKeptAndTheTilesFollowTheNewSize) {
  onLoadingIdle();
  ASSERT_EQ(sectionImagesBuilt, 1);
  // Preview 0's sections show at full brightness over a dimmed board.
  int width = previewWidthOnScreen(0);
  EXPECT_NEAR(width, courseTileWidth, 2);

  // What the settings screen does on OK after another ratio: rebuild the
  // lists through the reshape and run the loading step again.
  uint8_t firstPixel = sectionMapImages[3][0];
  sectionMapImages[3][0] = 77;  // kept pictures are not made again
  screenRatio[0] = 16;
  screenRatio[1] = 10;
  sceneListsBuilt = 0;
  onReshape(TEST_WINDOW_WIDTH, TEST_WINDOW_HEIGHT);
  currentScreen = SCREEN_LOADING;
  loadingSectionIndex = loadingCourseIndex = 0;
  onLoadingIdle();
  EXPECT_EQ(currentScreen, SCREEN_MAIN_MENU);
  EXPECT_EQ(sectionMapImages[3][0], 77);
  sectionMapImages[3][0] = firstPixel;
  EXPECT_LT(drawAreaWidth, TEST_WINDOW_WIDTH);
  for (int c = 0; c < COURSE_PREVIEW_LIST_COUNT; ++c) EXPECT_TRUE(glIsList(coursePreviewLists[c]));
  // startOverlay lays the window out 5:4 again only when no lists exist;
  // draw at the 16:10 tile size.
  float tile = courseTileWidth;
  EXPECT_NEAR(tile, 0.38f * drawAreaWidth, 0.01);
  glViewport(0, 0, TEST_WINDOW_WIDTH, TEST_WINDOW_HEIGHT);
  glMatrixMode(GL_PROJECTION);
  glLoadMatrixd(projectionMatrices[PROJECTION_WINDOW]);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glClear(GL_COLOR_BUFFER_BIT);
  int newWidth = drawnPreviewWidth(0);
  EXPECT_NEAR(newWidth, tile, 2);
  EXPECT_LT(newWidth, width);
}

}  // namespace
