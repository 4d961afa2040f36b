#include "render/frame.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include <GL/freeglut.h>

#include "model/board_sections.h"
#include "model/screens.h"
#include "model/track.h"
#include "model/track_geometry.h"
#include "model/view_state.h"
#include "render/glyph_atlas.h"
#include "render/layout.h"
#include "render/scene_lists.h"
#include "render/shapes.h"
#include "render/views.h"
#include "render/widgets.h"
#include "rules/move_animation.h"
#include "rules/race_start.h"
#include "rules/race_state.h"


namespace {

void placeRiders() {
  for (int i = 0; i < RIDER_COUNT; ++i) {
    Rider& rider = riders[i];
    if (rider.finished || rider.row == -1) continue;
    BoardPoint point;
    if (i != activeRider || rider.humanControlled || screenShows(currentScreen, RIDER_ON_SQUARE)) {
      point = squareToBoard(rider.row, rider.lane, i);
    } else if (animOnSegment == 0) {
      point = positionToBoard(animRow, animLane, i, true);
    } else {
      // The computer rider the timer moves along a straight segment.
      point.x = animPointX;
      point.y = animPointY;
      double dx = animStep[0];
      double dy = animStep[1];
      if (dx == 0 && dy == 0) {
        rider.heading = 0;
      } else {
        double along = std::acos(dx / std::sqrt(dx * dx + dy * dy));
        rider.heading = dy > 0 ? along : -along;
      }
    }
    rider.boardX = point.x;
    rider.boardY = point.y;
  }
}

// The start square the player is about to choose, white when the active
// rider may be placed there, dark red when Enter would refuse him (the
// square taken, or a team-mate already at the head of the lane).
void drawStartSquareHighlight() {
  int row = startCursorRow;
  int lane = startCursorLane;
  if (row == -1 || lane == -1) return;
  if (mayStartOn(activeRider, row, lane))
    glColor3f(1, 1, 1);
  else
    glColor3f(0.8f, 0, 0);
  float x0, x1, y0, y1;
  if (courseSpec[0] == '0') {
    x0 = 1117 - row * 98.25f;
    x1 = 1117 - (row + 1) * 98.25f;
    y0 = 210 - lane * 36.6f;
    y1 = 210 - (lane + 1) * 36.6f;
  } else if (courseSpec[0] == '6') {
    x0 = 528 + row * 99.0f;
    x1 = 528 + (row + 1) * 99.0f;
    y0 = 975 + (lane - 4) * 37.0f;
    y1 = 975 + (lane - 3) * 37.0f;
  } else {
    return;
  }
  filledRect(x0, y0, x1, y1);
}

void callBoardList() { glCallList(boardList); }

// The board picture, left out under the overlay's opaque panel: a software
// renderer pays for every pixel of the picture it shades, and the panel
// would cover those pixels anyway.
void drawBoardPicture() {
  float cover[4];
  const int left = boardViewport[0] + drawAreaX;
  const int top = windowHeight - boardViewport[1] - boardViewport[3];
  const int viewport[4] = {left, top, left + boardViewport[2], top + boardViewport[3]};
  if (opaqueOverlayHook == nullptr || !opaqueOverlayHook(cover) ||
      !drawAroundCover(viewport, cover, callBoardList))
    callBoardList();
}

void drawBoardScene() {
  const bool view3D = boardView2D == 0;
  glViewport(boardViewport[0] + drawAreaX, boardViewport[1], boardViewport[2], boardViewport[3]);
  glMatrixMode(GL_PROJECTION);
  glLoadMatrixd(projectionMatrices[boardProjectionIndex()]);
  glMatrixMode(GL_MODELVIEW);
  glLoadMatrixd(view3D ? boardModelview3D : identityModelview);

  // The highlight lies in the board's plane: in 3D both are drawn without
  // the depth test, so that it shows on the board.
  const bool placing = currentScreen == SCREEN_START_PLACE_HUMAN;
  if (view3D && !placing)
    glEnable(GL_DEPTH_TEST);
  else
    glDisable(GL_DEPTH_TEST);
  drawBoardPicture();
  if (placing) drawStartSquareHighlight();
  if (view3D) glEnable(GL_DEPTH_TEST);

  placeRiders();

  if (view3D) {
    glAlphaFunc(GL_GREATER, 0);
    glEnable(GL_ALPHA_TEST);
  }
  for (int i = 0; i < RIDER_COUNT; ++i) {
    const Rider& rider = riders[i];
    if (rider.parked || rider.finished || rider.row == -1) continue;
    glPushMatrix();
    glTranslatef(rider.boardX, rider.boardY, 0);
    glRotated(rider.heading * 360 / 6.2831853, 0, 0, 1);
    drawRiderFigure(i, view3D ? POSE_UPRIGHT : POSE_FLAT, 0, 1, 1);
    glPopMatrix();
    if (!view3D) drawRiderNumberLabel(i);
  }
  if (view3D && isRiderIndex(lastLineWinner)) {
    // The winner of the last line once more, on the podium.
    int team = lastLineWinner / 4;
    glPushMatrix();
    glTranslatef(SUMMIT_POINT[0], SUMMIT_POINT[1], 0);
    glRotatef(90, 0, 0, 1);
    glColor3fv(teamColour[team]);
    glCallList(tokenCylinderList);
    glCallList(riderFigureLists[1 + team]);
    glPopMatrix();
  }
  if (view3D) glDisable(GL_ALPHA_TEST);
}

void beginOverlay() {
  glViewport(windowViewport[0], windowViewport[1], windowViewport[2], windowViewport[3]);
  glMatrixMode(GL_PROJECTION);
  glLoadMatrixd(projectionMatrices[PROJECTION_WINDOW]);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glDisable(GL_DEPTH_TEST);
  glTranslatef(static_cast<float>(drawAreaX), static_cast<float>(drawAreaY), 0);
}

// A block that forgot a pop must not leave the next frame deeper.
void unwindMatrixStacks() {
  GLint depth = 1;
  glMatrixMode(GL_PROJECTION);
  glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &depth);
  for (; depth > 1; --depth) glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
  for (; depth > 1; --depth) glPopMatrix();
}

}  // namespace

bool drawAroundCover(const int area[4], const float cover[4], void (*draw)()) {
  const int left = area[0], top = area[1], right = area[2], bottom = area[3];
  const int coverLeft = std::max(left, drawAreaX + static_cast<int>(std::ceil(cover[0])) + 1);
  const int coverRight = std::min(right, drawAreaX + static_cast<int>(std::floor(cover[2])) - 1);
  const int coverTop = std::max(top, drawAreaY + static_cast<int>(std::ceil(cover[1])) + 1);
  const int coverBottom = std::min(bottom, drawAreaY + static_cast<int>(std::floor(cover[3])) - 1);
  if (coverLeft >= coverRight || coverTop >= coverBottom) return false;
  const int strips[4][4] = {
      {left, top, right, coverTop},                 // above the cover
      {left, coverBottom, right, bottom},           // below it
      {left, coverTop, coverLeft, coverBottom},     // beside it on the left
      {coverRight, coverTop, right, coverBottom}};  // and on the right
  for (const auto& strip : strips)
    if (strip[0] < strip[2] && strip[1] < strip[3]) drawInArea(strip, draw);
  return true;
}

void drawInArea(const int area[4], void (*draw)()) {
  glEnable(GL_SCISSOR_TEST);
  glScissor(area[0], windowHeight - area[3], area[2] - area[0], area[3] - area[1]);
  draw();
  glDisable(GL_SCISSOR_TEST);
}

int isBoardScreen() { return screenShows(currentScreen, SHOWS_BOARD) ? 1 : 0; }

void drawRiderNumberLabel(int rider) {
  if (!isRiderIndex(rider)) return;
  char number[12];
  std::snprintf(number, sizeof number, "%d", printedRiderNumber(rider));
  if (rider == lastLineWinner)
    glColor3f(0, 0, 0);
  else
    glColor3f(1, 1, 1);
  const Rider& r = riders[rider];
  void* font;
  float lead;
  riderNumberPlacement(number, &font, &lead);
  if (cameraIndex == PROJECTION_BOARD_TURNED)
    glRasterPos2f(r.boardX + lead, r.boardY - 8);
  else
    glRasterPos2f(r.boardX - lead, r.boardY + 8);
  drawGlyphRun(font, -1, number, static_cast<int>(std::strlen(number)));
}

void drawFrame() {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  if (isBoardScreen()) drawBoardScene();
  beginOverlay();
  for (int block = 0; block < OVERLAY_BLOCK_COUNT; ++block) {
    if (overlayBlocks[block] != nullptr) overlayBlocks[block]();
  }
  unwindMatrixStacks();
  applyBoardViewState();
}

void onDisplay() {
  if (!viewsReady) return;
  if (!glutGet(GLUT_INIT_STATE) || glutGetWindow() == 0) return;
  drawFrame();
  glutSwapBuffers();
}

void onReshape(int width, int height) {
  prepareViews(width, height);
  if (!sceneListsBuilt || sceneListsWidth != drawAreaWidth || sceneListsHeight != drawAreaHeight) {
    buildSceneLists();
    onDisplay();
    sceneListsBuilt = 1;
  }
}
