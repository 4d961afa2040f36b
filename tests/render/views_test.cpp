// Reshape, projections, cameras and display lists in a real window.
#include <cmath>
#include <set>
#include <vector>

#include <GL/freeglut.h>
#include <GL/glu.h>

#include "model/screens.h"
#include "model/settings.h"
#include "model/view_state.h"
#include "render/frame.h"
#include "render/layout.h"
#include "render/scene_lists.h"
#include "render/views.h"
#include "render/window_harness.h"

namespace {

std::vector<GLuint> allListNames() {
  std::vector<GLuint> names = {tokenDiscList, tokenCylinderList, boardList, dieBodyList,
                               diePipList, scorecardList, scorecardExcerptList};
  for (GLuint n : riderFigureLists) names.push_back(n);
  for (GLuint n : cardShapeLists) names.push_back(n);
  for (GLuint n : sectionMapLists) names.push_back(n);
  for (GLuint n : coursePreviewLists) names.push_back(n);
  return names;
}

int liveListNames() {
  int count = 0;
  for (GLuint name = 1; name < 2000; ++name)
    if (glIsList(name)) ++count;
  return count;
}

class Reshape : public WindowTest {};

TEST_F(Reshape, TwoDimensionalViewsMapTheBoardOntoItsViewport) {
  screenRatio[0] = 5;
  screenRatio[1] = 4;
  onReshape(1280, 1024);
  const int32_t* v = boardViewport;
  struct Corner {
    double x, y;
    double normalX, normalY;  // fraction of the viewport from its left and top
  } corners[] = {{0, 0, 0, 0}, {1954, 0, 1, 0}, {0, 1152, 0, 1}, {1954, 1152, 1, 1},
                 {977, 576, 0.5, 0.5}};
  for (int camera : {PROJECTION_BOARD_2D, PROJECTION_BOARD_TURNED}) {
    cameraIndex = camera;
    for (const Corner& c : corners) {
      double wx, wy;
      boardPointToWindow(c.x, c.y, 0, &wx, &wy);
      double fx = camera == PROJECTION_BOARD_2D ? c.normalX : 1 - c.normalX;
      double fy = camera == PROJECTION_BOARD_2D ? c.normalY : 1 - c.normalY;
      EXPECT_NEAR(wx, v[0] + fx * v[2], 0.01) << camera << ": " << c.x << ", " << c.y;
      EXPECT_NEAR(wy, TEST_WINDOW_HEIGHT - v[1] - v[3] + fy * v[3], 0.01)
          << camera << ": " << c.x << ", " << c.y;
    }
  }
}

TEST_F(Reshape, EveryCameraLooksAtTheBoardCentre) {
  screenRatio[0] = 5;
  screenRatio[1] = 4;
  onReshape(1280, 1024);
  boardView2D = 0;
  const int32_t* v = boardViewport;
  for (int camera = FIRST_CAMERA; camera <= LAST_CAMERA; ++camera) {
    cameraIndex = camera;
    double cx, cy;
    boardPointToWindow(977, 576, 0, &cx, &cy);
    EXPECT_NEAR(cx, v[0] + v[2] / 2.0, 0.01) << "camera " << camera;
    EXPECT_NEAR(cy, TEST_WINDOW_HEIGHT - v[1] - v[3] / 2.0, 0.01) << "camera " << camera;
    // Every corner lies between the near and the far plane, and the middle
    // of every edge lies on the screen.
    for (double x : {0.0, 1954.0}) {
      for (double y : {0.0, 1152.0}) {
        double wx, wy, depth;
        boardPointToWindow(x, y, 0, &wx, &wy, &depth);
        EXPECT_GT(depth, 0) << "camera " << camera << " corner " << x << ", " << y;
        EXPECT_LT(depth, 1) << "camera " << camera << " corner " << x << ", " << y;
      }
    }
    const double edges[4][2] = {{977, 0}, {977, 1152}, {0, 576}, {1954, 576}};
    for (const auto& edge : edges) {
      double wx, wy;
      boardPointToWindow(edge[0], edge[1], 0, &wx, &wy);
      EXPECT_GT(wx, v[0]) << "camera " << camera << " edge " << edge[0] << ", " << edge[1];
      EXPECT_LT(wx, v[0] + v[2]) << "camera " << camera << " edge " << edge[0] << ", " << edge[1];
      EXPECT_GT(wy, TEST_WINDOW_HEIGHT - v[1] - v[3]) << "camera " << camera;
      EXPECT_LT(wy, TEST_WINDOW_HEIGHT - v[1]) << "camera " << camera;
    }
  }
  // Camera 3 stands over the bottom edge: that edge is the near one and lies
  // lower on the screen than the top edge; camera 7 sees it the other way.
  double nearY, farY, x;
  cameraIndex = 3;
  boardPointToWindow(977, 1152, 0, &x, &nearY);
  boardPointToWindow(977, 0, 0, &x, &farY);
  EXPECT_GT(nearY, farY);
  cameraIndex = 7;
  boardPointToWindow(977, 1152, 0, &x, &nearY);
  boardPointToWindow(977, 0, 0, &x, &farY);
  EXPECT_LT(nearY, farY);
  // Camera 7 stands further away than camera 3: the board looks smaller.
  double left3, right3, left7, right7, y;
  cameraIndex = 3;
  boardPointToWindow(0, 576, 0, &left3, &y);
  boardPointToWindow(1954, 576, 0, &right3, &y);
  cameraIndex = 7;
  boardPointToWindow(0, 576, 0, &left7, &y);
  boardPointToWindow(1954, 576, 0, &right7, &y);
  EXPECT_GT(std::fabs(right3 - left3), std::fabs(right7 - left7));
}

TEST_F(Reshape, DepthResolvesAFigureStandingOnTheBoard) {
  screenRatio[0] = 5;
  screenRatio[1] = 4;
  onReshape(1280, 1024);
  boardView2D = 0;
  for (int camera = FIRST_CAMERA; camera <= LAST_CAMERA; ++camera) {
    cameraIndex = camera;
    double x, y, onBoard, raised;
    boardPointToWindow(1500, 300, 0, &x, &y, &onBoard);
    boardPointToWindow(1500, 300, 1, &x, &y, &raised);
    // One board unit of height is several steps of a 24-bit buffer (with the
    // near plane at 0.01 it would be a twentieth of one, and the figures
    // would flicker into the board).
    EXPECT_GT((onBoard - raised) * 16777216.0, 10) << "camera " << camera;
  }
  GLint depthBits = 0;
  glGetIntegerv(GL_DEPTH_BITS, &depthBits);
  EXPECT_GE(depthBits, 24);
}

TEST_F(Reshape, ZeroHeightUsesOneForTheWindow) {
  onReshape(1280, 0);
  EXPECT_EQ(windowViewport[2], 1280);
  EXPECT_EQ(windowViewport[3], 1);
  EXPECT_EQ(screenRatio[0], -1);
  for (double value : projectionMatrices[PROJECTION_WINDOW]) EXPECT_FALSE(std::isnan(value));
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(Reshape, FirstReshapeBuildsTheListsAndDrawsOneFrame) {
  static int framesBeforeBuilt = 0;
  static int frames = 0;
  framesBeforeBuilt = frames = 0;
  overlayBlocks[OVERLAY_MAIN_MENU] = [] {
    ++frames;
    if (!sceneListsBuilt) ++framesBeforeBuilt;
  };
  static int rebuilds = 0;
  rebuilds = 0;
  sceneListsRebuiltHook = [] { ++rebuilds; };
  onReshape(1280, 1024);
  EXPECT_EQ(sceneListsBuilt, 1);
  EXPECT_EQ(framesBeforeBuilt, 1);
  EXPECT_EQ(rebuilds, 1);
  GLuint board = boardList;
  // The same size again: only layout, viewports and matrices.
  onReshape(1280, 1024);
  EXPECT_EQ(boardList, board);
  EXPECT_EQ(rebuilds, 1);
  EXPECT_EQ(frames, 1);
}

TEST_F(Reshape, ListsFollowTheDrawingAreaWithoutPilingUp) {
  onReshape(1280, 1024);
  const int live = liveListNames();
  EXPECT_EQ(live, 29);
  EXPECT_EQ(tokenCylinderList, tokenDiscList + 1);
  EXPECT_EQ(sectionMapLists[8], sectionMapLists[0] + 8);
  EXPECT_EQ(coursePreviewLists[3], coursePreviewLists[0] + 3);

  struct Step {
    double rw, rh;  // a ratio chosen in the settings (0: keep)
    int width, height;
  } steps[] = {{0, 0, 1024, 768}, {4, 3, 1024, 768}, {16, 10, 1280, 1024},
               {0, 0, 1280, 1024}, {5, 4, 1280, 1024}, {0, 0, 1280, 900}, {0, 0, 800, 600}};
  for (const Step& step : steps) {
    std::vector<GLuint> before = allListNames();
    int beforeWidth = drawAreaWidth, beforeHeight = drawAreaHeight;
    if (step.rw != 0) {
      screenRatio[0] = step.rw;
      screenRatio[1] = step.rh;
      screenRatioProvisional = 0;
      sceneListsBuilt = 0;  // as the settings screen does
    }
    onReshape(step.width, step.height);
    EXPECT_EQ(liveListNames(), live) << step.width << " x " << step.height;
    bool rebuilt = step.rw != 0 || drawAreaWidth != beforeWidth || drawAreaHeight != beforeHeight;
    std::vector<GLuint> after = allListNames();
    if (rebuilt) {
      // Fresh names everywhere, the section maps and previews included.
      std::set<GLuint> old(before.begin(), before.end());
      for (GLuint name : after) EXPECT_EQ(old.count(name), 0u) << "stale list " << name;
    } else {
      EXPECT_EQ(after, before);
    }
    EXPECT_EQ(sceneListsWidth, drawAreaWidth);
    EXPECT_EQ(sceneListsHeight, drawAreaHeight);
  }
}

TEST_F(Reshape, TwoDimensionalTokenFollowsTheDrawingAreaShape) {
  // A 4:3 setting on a 1280 x 1024 window: the area is 1200 x 1024 and the
  // token is 14 k = 13.125 across and 14 down.
  screenRatio[0] = 4;
  screenRatio[1] = 3;
  onReshape(1280, 1024);
  EXPECT_FLOAT_EQ(tokenAspect(), 1200.0f / 1280.0f);
  glClear(GL_COLOR_BUFFER_BIT);
  glViewport(0, 0, 1280, 1024);
  glMatrixMode(GL_PROJECTION);
  glLoadMatrixd(projectionMatrices[PROJECTION_WINDOW]);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glTranslatef(400, 400, 0);
  glScalef(20, 20, 1);
  glColor3f(1, 1, 1);
  glCallList(tokenDiscList);
  glFinish();
  int across = 0, down = 0;
  for (int x = 0; x < 800; ++x)
    if (pixelAt(x, 400).r > 128) ++across;
  // The column through the rim points at 96 and 264 degrees.
  const int column = 400 + static_cast<int>(std::floor(20 * 13.125 * std::cos(96 * 3.14159265358979 / 180)));
  for (int y = 0; y < 800; ++y)
    if (pixelAt(column, y).r > 128) ++down;
  // The rim points lie every 24 degrees: from 0 to 168 degrees across, from
  // 96 to 264 degrees down.
  const double degree = 3.14159265358979 / 180;
  EXPECT_NEAR(across, 20 * 13.125 * (1 - std::cos(168 * degree)), 3);
  EXPECT_NEAR(down, 20 * 14 * 2 * std::sin(96 * degree), 3);
}

}  // namespace
