#include "render/views.h"

#include <GL/freeglut.h>
#include <GL/glu.h>

#include "model/view_state.h"
#include "render/layout.h"
#include "texts/manual.h"

const double cameraEyes[8][3] = {
    {977, -1152, 1400},       // 3: over the middle of the bottom edge
    {2247.1, -1324.8, 1400},  // 4: beyond the bottom-right corner
    {2344.8, -576, 1400},     // 5: beyond the right edge
    {2247.1, 172.8, 1400},    // 6: beyond the top-right corner
    {977, 230.4, 1400},       // 7: beyond the top edge
    {-293.1, 172.8, 1400},    // 8: beyond the top-left corner
    {-390.8, -576, 1400},     // 9: beyond the left edge
    {-293.1, -1324.8, 1400},  // 10: beyond the bottom-left corner
};

double projectionMatrices[PROJECTION_COUNT][16];
double identityModelview[16];
double boardModelview3D[16];
int32_t windowViewport[4] = {0, 0, 0, 0};
int viewsReady = 0;

namespace {

void computeMatrices(int width, int height) {
  glViewport(boardViewport[0], boardViewport[1], boardViewport[2], boardViewport[3]);
  glGetIntegerv(GL_VIEWPORT, boardViewport);

  glMatrixMode(GL_PROJECTION);
  for (int camera = FIRST_CAMERA; camera <= LAST_CAMERA; ++camera) {
    const double* eye = cameraEyes[camera - FIRST_CAMERA];
    glLoadIdentity();
    gluPerspective(CAMERA_FIELD_OF_VIEW, CAMERA_ASPECT, CAMERA_NEAR, CAMERA_FAR);
    gluLookAt(eye[0], eye[1], eye[2], CAMERA_TARGET[0], CAMERA_TARGET[1], CAMERA_TARGET[2], 0,
              0, 1);
    glGetDoublev(GL_PROJECTION_MATRIX, projectionMatrices[camera]);
  }

  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glScaled(1, -1, 1);
  glGetDoublev(GL_MODELVIEW_MATRIX, boardModelview3D);

  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluOrtho2D(0, 1954, 1152, 0);
  glGetDoublev(GL_PROJECTION_MATRIX, projectionMatrices[PROJECTION_BOARD_2D]);
  glLoadIdentity();
  gluOrtho2D(1954, 0, 0, 1152);
  glGetDoublev(GL_PROJECTION_MATRIX, projectionMatrices[PROJECTION_BOARD_TURNED]);

  glViewport(0, 0, width, height);
  glGetIntegerv(GL_VIEWPORT, windowViewport);
  glLoadIdentity();
  gluOrtho2D(0, width, height, 0);
  glGetDoublev(GL_PROJECTION_MATRIX, projectionMatrices[PROJECTION_WINDOW]);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glGetDoublev(GL_MODELVIEW_MATRIX, identityModelview);
}

}  // namespace

int boardProjectionIndex() {
  return cameraIndex >= PROJECTION_BOARD_2D && cameraIndex <= LAST_CAMERA ? cameraIndex
                                                                            : PROJECTION_BOARD_2D;
}

void applyBoardViewState() {
  glViewport(boardViewport[0], boardViewport[1], boardViewport[2], boardViewport[3]);
  glMatrixMode(GL_PROJECTION);
  glLoadMatrixd(projectionMatrices[boardProjectionIndex()]);
  glMatrixMode(GL_MODELVIEW);
  if (boardView2D == 0) {
    glLoadMatrixd(boardModelview3D);
    glEnable(GL_DEPTH_TEST);
  } else {
    glLoadMatrixd(identityModelview);
  }
}

void prepareViews(int width, int height) {
  windowWidth = width;
  windowHeight = height;
  int screenWidth = 0, screenHeight = 0;
  if (glutGet(GLUT_INIT_STATE)) {
    screenWidth = glutGet(GLUT_SCREEN_WIDTH);
    screenHeight = glutGet(GLUT_SCREEN_HEIGHT);
  }
  updateScreenRatio(width, height, screenWidth, screenHeight);
  applyScreenRatio();
  computeLayout();
  paginateManual();

  if (height == 0) height = 1;
  computeMatrices(width, height);
  viewsReady = 1;
  applyBoardViewState();
  glClearColor(0, 0, 0, 0);
}
