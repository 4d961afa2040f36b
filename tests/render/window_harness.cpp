#include "render/window_harness.h"

#include <cstdlib>
#include <cstring>
#include <vector>

#include <GL/freeglut.h>
#include <GL/glu.h>
#include <X11/Xlib.h>
#include <unistd.h>

#include "model/hooks.h"
#include "model/screens.h"
#include "model/settings.h"
#include "model/track.h"
#include "model/view_state.h"
#include "render/drawing_window.h"
#include "render/frame.h"
#include "render/layout.h"
#include "render/scene_lists.h"
#include "render/textures.h"
#include "render/views.h"
#include "rules/course_builder.h"
#include "rules/race_state.h"

namespace {

int testWindow = 0;

const int DISPLAY_TRIES = 10;
const useconds_t DISPLAY_RETRY_PAUSE = 200000;  // microseconds

// A connection to the display, tried a few times with a short pause: an X
// server that resets when its last client leaves refuses the connections
// being set up at that moment, and another test process may just have left.
Display* connectToDisplay(const char* name) {
  for (int attempt = 0; attempt < DISPLAY_TRIES; ++attempt) {
    if (attempt > 0) usleep(DISPLAY_RETRY_PAUSE);
    if (Display* display = XOpenDisplay(name)) return display;
  }
  return nullptr;
}

}  // namespace

void openTestWindow() {
  if (testWindow != 0) return;
  const char* display = std::getenv("DISPLAY");
  ASSERT_NE(display, nullptr) << "the window tests need an X display (xvfb-run)";
  // This connection stays open while GLUT opens its own, which would end
  // the process on a refusal: with a client still connected the server
  // does not reset meanwhile.
  Display* held = connectToDisplay(display);
  ASSERT_NE(held, nullptr) << "cannot open the X display \"" << display << "\" ("
                           << DISPLAY_TRIES << " tries)";
  int argc = 1;
  char name[] = "corvalis_gfx_tests";
  char* argv[] = {name, nullptr};
  testWindow = openDrawingWindow(&argc, argv, TEST_WINDOW_WIDTH, TEST_WINDOW_HEIGHT);
  XCloseDisplay(held);
}

void resetDrawingState() {
  screenRatio[0] = screenRatio[1] = -1;
  screenRatioProvisional = 0;
  releaseSceneLists();
  viewsReady = 0;
  currentScreen = SCREEN_MAIN_MENU;
  previousScreen = 0;
  boardView2D = 1;
  cameraIndex = 1;
  otherModeCamera = 3;
  lastLineWinner = -1;
  activeRider = -1;
  startCursorRow = startCursorLane = -1;
  for (Rider& rider : riders) rider = Rider();
  for (auto& block : overlayBlocks) block = nullptr;
  screenLayoutHook = nullptr;
  sceneListsRebuiltHook = nullptr;
  redrawHook = nullptr;
  drawAreaWidth = drawAreaHeight = 0;
  drawAreaX = drawAreaY = 0;
  windowWidth = windowHeight = 0;
  while (glGetError() != GL_NO_ERROR) {
  }
}

void WindowTest::SetUp() {
  openTestWindow();
  if (HasFatalFailure()) return;
  resetDrawingState();
}

Rgb pixelAt(int x, int yFromTop) {
  unsigned char p[3] = {0, 0, 0};
  glReadBuffer(GL_BACK);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(x, TEST_WINDOW_HEIGHT - 1 - yFromTop, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, p);
  return Rgb{p[0], p[1], p[2]};
}

int countColourInBox(int x0, int y0, int x1, int y1, int r, int g, int b, int tolerance) {
  if (x1 < x0 || y1 < y0) return 0;
  const int w = x1 - x0 + 1;
  const int h = y1 - y0 + 1;
  std::vector<unsigned char> pixels(static_cast<size_t>(w) * h * 3);
  glReadBuffer(GL_BACK);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(x0, TEST_WINDOW_HEIGHT - 1 - y1, w, h, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
  int count = 0;
  for (size_t i = 0; i < pixels.size(); i += 3)
    if (std::abs(pixels[i] - r) <= tolerance && std::abs(pixels[i + 1] - g) <= tolerance &&
        std::abs(pixels[i + 2] - b) <= tolerance)
      ++count;
  return count;
}

::testing::AssertionResult colourNear(const Rgb& actual, int r, int g, int b, int tolerance) {
  if (std::abs(actual.r - r) <= tolerance && std::abs(actual.g - g) <= tolerance &&
      std::abs(actual.b - b) <= tolerance)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "colour (" << actual.r << ", " << actual.g << ", "
                                       << actual.b << "), expected (" << r << ", " << g << ", "
                                       << b << ")";
}

void uploadQuadrantBoard() {
  std::vector<uint8_t> pixels(1024 * 512 * 3);
  for (int row = 0; row < 512; ++row) {
    for (int column = 0; column < 1024; ++column) {
      // Board pictures are stored mirrored in x: column 0 is the right edge.
      bool left = column >= 512;
      bool top = row < 256;
      uint8_t* p = &pixels[(row * 1024 + column) * 3];
      uint8_t r = 0, g = 0, b = 0;
      if (top && left) r = 255;
      if (top && !left) g = 255;
      if (!top && left) b = 255;
      if (!top && !left) r = g = b = 255;
      p[0] = r;
      p[1] = g;
      p[2] = b;
    }
  }
  uploadTexture(TEXTURE_BOARD, pixels.data(), 1024, 512, 0);
  uploadTexture(TEXTURE_SECTION_MAPS, pixels.data(), 1024, 512, 0);
}

void uploadBoardOfOneColour(uint8_t r, uint8_t g, uint8_t b) {
  std::vector<uint8_t> pixels(1024 * 512 * 3);
  for (size_t i = 0; i < pixels.size(); i += 3) {
    pixels[i] = r;
    pixels[i + 1] = g;
    pixels[i + 2] = b;
  }
  uploadTexture(TEXTURE_BOARD, pixels.data(), 1024, 512, 0);
}

void uploadRiderPictures(bool halfKeyed) {
  std::vector<uint8_t> pixels(64 * 64 * 4, 0);
  if (halfKeyed) {
    for (int row = 0; row < 64; ++row) {
      for (int column = 32; column < 64; ++column) {
        uint8_t* p = &pixels[(row * 64 + column) * 4];
        p[0] = 255;
        p[1] = 0;
        p[2] = 255;
        p[3] = 255;
      }
    }
  }
  for (int i = 0; i < 5; ++i) uploadTexture(TEXTURE_FIRST_RIDER + i, pixels.data(), 64, 64, 1);
  std::vector<uint8_t> sheet(512 * 512 * 3, 200);
  uploadTexture(TEXTURE_SCORECARD, sheet.data(), 512, 512, 0);
}

void boardPointToWindow(double x, double y, double z, double* windowX, double* windowYFromTop,
                        double* depth) {
  int camera = cameraIndex;
  const double* modelview = boardView2D ? identityModelview : boardModelview3D;
  GLint viewport[4] = {boardViewport[0] + drawAreaX, boardViewport[1], boardViewport[2],
                       boardViewport[3]};
  double wx = 0, wy = 0, wz = 0;
  gluProject(x, y, z, modelview, projectionMatrices[camera], viewport, &wx, &wy, &wz);
  *windowX = wx;
  *windowYFromTop = TEST_WINDOW_HEIGHT - wy;
  if (depth != nullptr) *depth = wz;
}

void layTestCourse() {
  std::strcpy(courseSpec, "01S23S4S5F12");
  ASSERT_TRUE(buildCourse());
  for (Rider& rider : riders) rider = Rider();
}

void placeRider(int rider, int row, int lane) {
  ASSERT_TRUE(insideTrack(row, lane));
  ASSERT_NE(trackSquareValue[row][lane], SQUARE_NONE) << "no square at " << row << ", " << lane;
  riders[rider].row = row;
  riders[rider].lane = lane;
  trackOccupant[row][lane] = rider;
}

void startOverlay() {
  screenRatio[0] = 5;
  screenRatio[1] = 4;
  if (!sceneListsBuilt) onReshape(TEST_WINDOW_WIDTH, TEST_WINDOW_HEIGHT);
  glViewport(0, 0, TEST_WINDOW_WIDTH, TEST_WINDOW_HEIGHT);
  glMatrixMode(GL_PROJECTION);
  glLoadMatrixd(projectionMatrices[PROJECTION_WINDOW]);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glDisable(GL_DEPTH_TEST);
  glClearColor(0, 0, 0, 0);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

int firstLaneOfRow(int row) {
  for (int lane = 0; lane < TRACK_LANES; ++lane)
    if (trackSquareValue[row][lane] != SQUARE_NONE) return lane;
  return -1;
}
