// The one window of the drawing tests: a freeglut window under Xvfb with
// Mesa's software renderer. It is opened on first use by a test (never at
// start-up, so listing the tests needs no display); tests call the same
// callbacks GLUT would and read pixels back from the back buffer.
#pragma once
#include <cstdint>

#include <gtest/gtest.h>

const int TEST_WINDOW_WIDTH = 1280;
const int TEST_WINDOW_HEIGHT = 1024;

struct Rgb {
  int r, g, b;
};

// Opens the window (once per process) and prepares the tables a frame needs:
// sine tables, font widths, board sections, interface texts.
void openTestWindow();

// Puts the drawing and race state back to a fresh start: no ratio chosen, no
// lists, main menu, no riders placed, the 2D view, no overlay blocks.
void resetDrawingState();

// A pixel of the back buffer, x from the left and y from the top of the
// window.
Rgb pixelAt(int x, int yFromTop);

// Pixels of the back buffer in a box (window pixels from the top, edges
// included) whose every channel is within tolerance of the colour.
int countColourInBox(int x0, int y0, int x1, int y1, int r, int g, int b, int tolerance = 8);

// Pictures made in the test: a board picture whose four quadrants (in board
// units) are red top-left, green top-right, blue bottom-left and white
// bottom-right; rider pictures that are fully keyed out (alpha 0) or keyed
// on their left half (s < 0.5) and magenta on the right; a grey scorecard.
void uploadQuadrantBoard();
void uploadBoardOfOneColour(uint8_t r, uint8_t g, uint8_t b);
void uploadRiderPictures(bool halfKeyed);

// The window position of a point of the current board view: board units
// (x, y) at height z, under the board scene's matrices and viewport. Returns
// x from the left and y from the top of the window.
void boardPointToWindow(double x, double y, double z, double* windowX, double* windowYFromTop,
                        double* depth = nullptr);

// Lays course "01S23S4S5F12", clears the grid and puts no rider anywhere.
void layTestCourse();
// Puts rider i on (row, lane) of the laid course; the square must exist.
void placeRider(int rider, int row, int lane);
// The lane of the first square of a row of the laid course, -1 when none.
int firstLaneOfRow(int row);

// A 5:4 layout of the whole test window, then the overlay's state as a
// frame has it: window pixels, y down, cleared to black.
void startOverlay();

// Test fixture: a window and fresh state for every test.
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
};

// Colours compared with a tolerance of a few steps of 255.
::testing::AssertionResult colourNear(const Rgb& actual, int r, int g, int b, int tolerance = 3);
