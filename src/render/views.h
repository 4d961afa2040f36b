// What the reshape callback prepares for every frame: the window and
// board viewports, the projections of the window overlay, the two 2D board
// views and the eight 3D cameras, and the two modelview matrices. They are
// computed once per reshape with GL and GLU and read back into arrays, so
// the display and the view switch only load them.
#pragma once
#include <cstdint>

// Entries of projectionMatrices.
const int PROJECTION_WINDOW = 0;       // window pixels, y down: the overlay
const int PROJECTION_BOARD_2D = 1;     // board units, the normal top view
const int PROJECTION_BOARD_TURNED = 2; // board units, turned by 180 degrees
const int FIRST_CAMERA = 3;            // 3 to 10: the 3D cameras round the board
const int LAST_CAMERA = 10;
const int PROJECTION_COUNT = 11;

// The 3D cameras: field of view, fixed aspect, near and far plane, and the
// board centre they look at (world frame: board point (x, y) at (x, -y, 0)).
const double CAMERA_FIELD_OF_VIEW = 60;
const double CAMERA_ASPECT = 1.15;
const double CAMERA_NEAR = 10;
const double CAMERA_FAR = 3000;
const double CAMERA_TARGET[3] = {977, -576, 0};
extern const double cameraEyes[8][3];  // cameras 3 to 10

extern double projectionMatrices[PROJECTION_COUNT][16];
extern double identityModelview[16];
extern double boardModelview3D[16];  // identity scaled by (1, -1, 1)
extern int32_t windowViewport[4];    // (0, 0, window width, window height)

// The reshape callback's first part: records the window size, detects the
// ratio while none is known, sets the drawing area, lays out every screen,
// re-paginates the manual and computes viewports and matrices.
void prepareViews(int width, int height);

// Puts GL into the state of the board view between frames: board viewport
// (without the drawing area's offset), the board's projection, and in the
// 3D view its modelview with the depth test on.
void applyBoardViewState();

// The projectionMatrices entry of the board: cameraIndex, or the normal 2D
// view when cameraIndex names no board view.
int boardProjectionIndex();

// 1 once a reshape has computed the viewports and matrices: before that the
// display draws nothing.
extern int viewsReady;
