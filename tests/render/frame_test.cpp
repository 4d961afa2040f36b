// Whole frames: the board scene in the 2D views and from the cameras, the
// rider figures and their poses, the start-square highlight, the podium
// figure, and the GL state a frame leaves behind.
#include <cmath>
#include <cstring>

#include <GL/gl.h>

#include "model/hooks.h"
#include "model/screens.h"
#include "model/settings.h"
#include "model/track.h"
#include "model/track_geometry.h"
#include "model/view_state.h"
#include "render/frame.h"
#include "render/layout.h"
#include "render/scene_lists.h"
#include "render/views.h"
#include "render/widgets.h"
#include "render/window_harness.h"
#include "rules/course_builder.h"
#include "rules/move_animation.h"
#include "rules/race_state.h"

namespace {

class Frame : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    if (HasFatalFailure()) return;
    layTestCourse();
    if (HasFatalFailure()) return;
    uploadRiderPictures(false);
    uploadBoardOfOneColour(0, 100, 100);
    screenRatio[0] = 5;
    screenRatio[1] = 4;
    onReshape(TEST_WINDOW_WIDTH, TEST_WINDOW_HEIGHT);
    currentScreen = SCREEN_PLAY_CARDS;
  }

  // The pixel under a board point (board units, height z) in the current view.
  Rgb pixelOfBoard(double x, double y, double z = 0) {
    double wx, wy;
    boardPointToWindow(x, y, z, &wx, &wy);
    return pixelAt(static_cast<int>(wx), static_cast<int>(wy));
  }

  void use3D(int camera) {
    boardView2D = 0;
    cameraIndex = camera;
  }
};

TEST_F(Frame, BoardScreensAreAllButTheFullScreens) {
  const int fullScreens[] = {16, 27, 28, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40};
  for (int screen = 0; screen < SCREEN_COUNT; ++screen) {
    currentScreen = screen;
    bool full = false;
    for (int f : fullScreens) full = full || f == screen;
    EXPECT_EQ(isBoardScreen(), full ? 0 : 1) << "screen " << screen;
  }
}

TEST_F(Frame, NothingIsDrawnBeforeTheFirstReshape) {
  static int drawn = 0;
  drawn = 0;
  overlayBlocks[OVERLAY_MAIN_MENU] = [] { ++drawn; };
  viewsReady = 0;
  onDisplay();
  // The rules redraw through their hook.
  redrawHook = onDisplay;
  requestRedraw();
  EXPECT_EQ(drawn, 0);
  onReshape(TEST_WINDOW_WIDTH, TEST_WINDOW_HEIGHT);
  requestRedraw();
  EXPECT_EQ(drawn, 1);
}

TEST_F(Frame, BoardPictureTheRightWayRoundInBothTopViews) {
  uploadQuadrantBoard();
  const int32_t* v = boardViewport;
  // The quadrants in board units: red top-left, green top-right, blue
  // bottom-left, white bottom-right.
  struct Quadrant {
    double x, y;
    int r, g, b;
  } quadrants[] = {{488, 288, 255, 0, 0}, {1465, 288, 0, 255, 0},
                   {488, 864, 0, 0, 255}, {1465, 864, 255, 255, 255}};
  drawFrame();
  glFinish();
  for (const Quadrant& q : quadrants)
    EXPECT_TRUE(colourNear(pixelOfBoard(q.x, q.y), q.r, q.g, q.b)) << q.x << ", " << q.y;
  // On the screen: the top-left quarter of the viewport is red.
  const int left = v[0] + v[2] / 4;
  const int top = TEST_WINDOW_HEIGHT - v[1] - v[3] + v[3] / 4;
  EXPECT_TRUE(colourNear(pixelAt(left, top), 255, 0, 0));

  // Turned by 180 degrees: the bottom-right quadrant is now top-left.
  cameraIndex = PROJECTION_BOARD_TURNED;
  drawFrame();
  glFinish();
  EXPECT_TRUE(colourNear(pixelAt(left, top), 255, 255, 255));
  for (const Quadrant& q : quadrants)
    EXPECT_TRUE(colourNear(pixelOfBoard(q.x, q.y), q.r, q.g, q.b)) << q.x << ", " << q.y;

  // A full screen draws no board.
  currentScreen = SCREEN_MAIN_MENU;
  drawFrame();
  glFinish();
  EXPECT_TRUE(colourNear(pixelAt(left, top), 0, 0, 0));
}

TEST_F(Frame, ColourKeyOfARiderPictureShowsTheBoardThrough) {
  uploadRiderPictures(true);
  onReshape(TEST_WINDOW_WIDTH, TEST_WINDOW_HEIGHT);
  sceneListsBuilt = 0;  // the figures bind the pictures when compiled
  onReshape(TEST_WINDOW_WIDTH, TEST_WINDOW_HEIGHT);
  placeRider(1, 20, 1);
  use3D(3);
  drawFrame();
  glFinish();
  const Rider& r = riders[1];
  // A point of the picture at (s, t) stands at x 46.5 - 93 s, height 94 - 82 t
  // in the figure's frame, turned by his heading.
  auto pictureToWindow = [&](double s, double t, double* wx, double* wy) {
    double fx = 46.5 - 93 * s;
    double z = 94 - 82 * t;
    boardPointToWindow(r.boardX + fx * std::cos(r.heading), r.boardY + fx * std::sin(r.heading), z,
                       wx, wy);
  };
  double kx, ky, ox, oy;
  pictureToWindow(0.25, 0.5, &kx, &ky);  // keyed half
  pictureToWindow(0.75, 0.5, &ox, &oy);  // opaque magenta half
  ASSERT_GT(std::fabs(kx - ox), 4) << "the picture must face the camera";
  EXPECT_TRUE(colourNear(pixelAt(static_cast<int>(kx), static_cast<int>(ky)), 0, 100, 100));
  EXPECT_TRUE(colourNear(pixelAt(static_cast<int>(ox), static_cast<int>(oy)), 255, 0, 255));
}

TEST_F(Frame, TokenTopsShowTheirTeamColourFromEveryCamera) {
  const int placed[4][3] = {{0, 5, 1}, {5, 12, 3}, {10, 20, 2}, {15, 28, 4}};
  for (const auto& p : placed) placeRider(p[0], p[1], p[2]);
  for (int camera = FIRST_CAMERA; camera <= LAST_CAMERA; ++camera) {
    use3D(camera);
    drawFrame();
    glFinish();
    for (const auto& p : placed) {
      const Rider& r = riders[p[0]];
      const float* c = teamColour[p[0] / 4];
      EXPECT_TRUE(colourNear(pixelOfBoard(r.boardX, r.boardY, 18), static_cast<int>(c[0] * 255),
                             static_cast<int>(c[1] * 255), static_cast<int>(c[2] * 255)))
          << "camera " << camera << " rider " << p[0];
    }
  }
}

TEST_F(Frame, FrameLeavesNoErrorAndTheBoardViewState) {
  static bool leaveMatrixPushed = false;
  overlayBlocks[OVERLAY_DIALOGS] = [] {
    if (leaveMatrixPushed) glPushMatrix();
  };
  placeRider(2, 10, 1);
  for (int view3D = 0; view3D <= 1; ++view3D) {
    for (int screen = 0; screen < SCREEN_COUNT; ++screen) {
      currentScreen = screen;
      boardView2D = view3D ? 0 : 1;
      cameraIndex = view3D ? 6 : 1;
      leaveMatrixPushed = screen == SCREEN_QUIT_CONFIRM;
      onDisplay();
      EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << "screen " << screen;
      GLint depth = 0;
      glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
      EXPECT_EQ(depth, 1) << "screen " << screen;
      GLint viewport[4];
      glGetIntegerv(GL_VIEWPORT, viewport);
      EXPECT_EQ(viewport[0], boardViewport[0]);
      EXPECT_EQ(viewport[3], boardViewport[3]);
      EXPECT_EQ(glIsEnabled(GL_DEPTH_TEST) == GL_TRUE, view3D == 1) << "screen " << screen;
    }
  }
}

TEST_F(Frame, StartSquareHighlight) {
  currentScreen = SCREEN_START_PLACE_HUMAN;
  startCursorRow = 1;
  startCursorLane = 2;
  // On a course starting with section 0 the square spans x 920.5 to 1018.75
  // and y 100.2 to 136.8; sampled beside the middle, where no token stands.
  const double x = 1005, y = 118.5;
  // Empty squares of the lane are nobody's team-mates, not even team 0's.
  for (int rider : {1, 4}) {
    activeRider = rider;
    drawFrame();
    glFinish();
    EXPECT_TRUE(colourNear(pixelOfBoard(x, y), 255, 255, 255)) << "active rider " << rider;
  }

  // A rider of another team at the head of the lane does not matter ...
  placeRider(0, 0, 2);
  drawFrame();
  glFinish();
  EXPECT_TRUE(colourNear(pixelOfBoard(x, y), 255, 255, 255));
  // ... a team-mate does, and so does a rider on the square itself.
  placeRider(5, 3, 2);
  drawFrame();
  glFinish();
  EXPECT_TRUE(colourNear(pixelOfBoard(x, y), 204, 0, 0));
  trackOccupant[3][2] = -1;
  riders[5] = Rider();
  placeRider(9, 1, 2);
  drawFrame();
  glFinish();
  EXPECT_TRUE(colourNear(pixelOfBoard(x, y), 204, 0, 0));

  // In the 3D view the highlight shows on the board plane.
  trackOccupant[1][2] = -1;
  riders[9] = Rider();
  use3D(3);
  drawFrame();
  glFinish();
  EXPECT_TRUE(colourNear(pixelOfBoard(x, y), 255, 255, 255));

  // No highlight without a cursor, nor on other screens.
  boardView2D = 1;
  cameraIndex = 1;
  startCursorRow = -1;
  drawFrame();
  glFinish();
  EXPECT_TRUE(colourNear(pixelOfBoard(x, y), 0, 100, 100));
}

TEST_F(Frame, StartSquareHighlightOnACourseStartingWithSectionSix) {
  std::strcpy(courseSpec, "64S5F12");
  ASSERT_TRUE(buildCourse());
  currentScreen = SCREEN_START_PLACE_HUMAN;
  activeRider = 0;
  startCursorRow = 1;
  startCursorLane = 5;
  // x 627 to 726, y 1012 to 1049.
  drawFrame();
  glFinish();
  EXPECT_TRUE(colourNear(pixelOfBoard(690, 1030), 255, 255, 255));
  EXPECT_TRUE(colourNear(pixelOfBoard(600, 1030), 0, 100, 100));
}

TEST_F(Frame, ParkedRidersArePosedButNotDrawnFinishedRidersNeither) {
  placeRider(6, 25, 2);
  placeRider(7, 28, 2);
  riders[6].parked = 1;
  riders[7].finished = 1;
  riders[7].boardX = 11;
  riders[7].boardY = 22;
  drawFrame();
  glFinish();
  BoardPoint square = squareToBoard(25, 2, 6);
  EXPECT_FLOAT_EQ(riders[6].boardX, square.x);
  EXPECT_FLOAT_EQ(riders[6].boardY, square.y);
  EXPECT_TRUE(colourNear(pixelOfBoard(square.x + 3, square.y), 0, 100, 100));
  EXPECT_EQ(riders[7].boardX, 11);
  EXPECT_EQ(riders[7].boardY, 22);
  // Once back, the parked rider is drawn.
  riders[6].parked = 0;
  drawFrame();
  glFinish();
  EXPECT_TRUE(colourNear(pixelOfBoard(square.x + 3, square.y), 153, 0, 0));
}

TEST_F(Frame, ActiveComputerRiderFollowsTheMoveAnimation) {
  placeRider(3, 20, 1);
  activeRider = 3;
  riders[3].humanControlled = 0;
  currentScreen = SCREEN_MOVING;

  animOnSegment = 1;
  animPointX = 700;
  animPointY = 500;
  struct Case {
    float dx, dy;
    double heading;
  } cases[] = {{0, 0, 0},
               {3, 4, std::acos(0.6)},
               {3, -4, -std::acos(0.6)},
               {-5, 0, -3.14159265358979}};
  for (const Case& c : cases) {
    animStep[0] = c.dx;
    animStep[1] = c.dy;
    drawFrame();
    EXPECT_FLOAT_EQ(riders[3].boardX, 700);
    EXPECT_FLOAT_EQ(riders[3].boardY, 500);
    EXPECT_NEAR(riders[3].heading, c.heading, 1e-6) << c.dx << ", " << c.dy;
  }

  // In the row-stepping phase he stands at the fractional track position.
  animOnSegment = 0;
  animRow = 22.5f;
  animLane = 1;
  drawFrame();
  BoardPoint between = positionToBoard(22.5f, 1, 3, true);
  EXPECT_FLOAT_EQ(riders[3].boardX, between.x);
  EXPECT_FLOAT_EQ(riders[3].boardY, between.y);

  // A person's rider, or a dialog of the turn, shows him on his square.
  BoardPoint square = squareToBoard(20, 1, 3);
  currentScreen = SCREEN_NO_MOVE;
  drawFrame();
  EXPECT_FLOAT_EQ(riders[3].boardX, square.x);
  currentScreen = SCREEN_MOVING;
  riders[3].humanControlled = 1;
  drawFrame();
  EXPECT_FLOAT_EQ(riders[3].boardX, square.x);
  EXPECT_FLOAT_EQ(riders[3].boardY, square.y);
}

TEST_F(Frame, LineWinnerStandsOnThePodiumInTheThreeDimensionalViewOnly) {
  uploadBoardOfOneColour(200, 200, 200);
  lastLineWinner = 6;  // team 1, red
  use3D(4);
  drawFrame();
  glFinish();
  EXPECT_TRUE(colourNear(pixelOfBoard(652, 422, 18), 153, 0, 0));
  boardView2D = 1;
  cameraIndex = 1;
  drawFrame();
  glFinish();
  EXPECT_TRUE(colourNear(pixelOfBoard(652, 422), 200, 200, 200));
}

TEST_F(Frame, NumberLabelStartsLeftOfAndBelowTheFigureInBothTopViews) {
  placeRider(13, 15, 2);  // printed 52, blue token
  for (int camera : {PROJECTION_BOARD_2D, PROJECTION_BOARD_TURNED}) {
    cameraIndex = camera;
    drawFrame();
    glFinish();
    const Rider& r = riders[13];
    double cx, cy, lx, ly;
    boardPointToWindow(r.boardX, r.boardY, 0, &cx, &cy);
    double sign = camera == PROJECTION_BOARD_2D ? 1 : -1;
    boardPointToWindow(r.boardX - 12 * sign, r.boardY + 8 * sign, 0, &lx, &ly);
    EXPECT_LT(lx, cx);
    EXPECT_GT(ly, cy);
    // White digits from the label's start to the right and upwards.
    int white = 0, mirrored = 0;
    for (int y = static_cast<int>(ly) - 9; y <= static_cast<int>(ly); ++y) {
      for (int x = static_cast<int>(lx); x <= static_cast<int>(lx) + 13; ++x)
        if (colourNear(pixelAt(x, y), 255, 255, 255)) ++white;
      int my = static_cast<int>(2 * cy - ly) + (y - static_cast<int>(ly));
      for (int x = static_cast<int>(2 * cx - lx); x <= static_cast<int>(2 * cx - lx) + 13; ++x)
        if (colourNear(pixelAt(x, my), 255, 255, 255)) ++mirrored;
    }
    EXPECT_GT(white, 10) << "view " << camera;
    EXPECT_EQ(mirrored, 0) << "view " << camera;
  }
}

}  // namespace
