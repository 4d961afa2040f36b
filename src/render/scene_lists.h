// The display lists of everything that does not change between frames: the
// rider tokens and figures, the board picture, the strength-card shapes, the
// die, the scorecard picture, and the names reserved for the section maps
// and course previews. Built by the reshape callback; the sizes in drawing-
// area pixels come from the layout, so a drawing area of a new size gets
// new lists.
#pragma once
#include <cstdint>

#include "model/hooks.h"  // sceneListsRebuiltHook

#include <GL/gl.h>

const int SECTION_MAP_LIST_COUNT = 9;
const int COURSE_PREVIEW_LIST_COUNT = 4;

extern GLuint tokenDiscList;          // 2D token: filled ellipse 14 k by 14
extern GLuint tokenCylinderList;      // 3D token: cylinder of radius 14, height 18
extern GLuint riderFigureLists[6];    // [0] 2D ring; [1] to [5] 3D figure with rider picture 1 to 5
extern GLuint boardList;              // the board picture over 1954 x 1152 board units
extern GLuint cardShapeLists[3];      // card body, enlarged inner frame, inner frame
extern GLuint dieBodyList;            // dark red rounded square of side dieSize
extern GLuint diePipList;             // white pip of radius dieSize / 10
extern GLuint scorecardList;          // the scorecard picture, scorecardWidth x scorecardHeight
extern GLuint scorecardExcerptList;   // the general-classification cut-out of it
// Names reserved for the loading screen, which compiles the section maps
// and course previews into them: map s is sectionMapLists[s], preview c is
// coursePreviewLists[c]. Every build reserves fresh names and writes all
// thirteen entries.
extern GLuint sectionMapLists[SECTION_MAP_LIST_COUNT];
extern GLuint coursePreviewLists[COURSE_PREVIEW_LIST_COUNT];

// A textured picture over (0, 0) to (w, h) whose texture is stored mirrored
// in x, as every picture the loader reads is.
void mirroredPictureStrip(float w, float h);

// The whole board picture as a flat map over (x, y) to (x + w, y + h),
// sharp pixels, as the saved courses and the positions overview show it.
void drawBoardPicture(float x, float y, float w, float h);

// 1 once the lists exist. The settings screen clears it before calling the
// reshape callback after a change of ratio, which then builds them anew.
extern int32_t sceneListsBuilt;
// The drawing area the lists were built for.
extern int32_t sceneListsWidth;
extern int32_t sceneListsHeight;

// k of the 2D tokens: (W / 5) / (H / 4), 1 on a drawing area of 5:4 pixels
// and on an empty one.
float tokenAspect();
// A token's radius in board units, and in overlay pixels at scale 1; in x
// the flat token reaches TOKEN_RADIUS x tokenAspect() from its centre.
const float TOKEN_RADIUS = 14;

// The width in window pixels of a rider's token in the 2D board view.
float boardTokenPixelWidth();

// How a rider's number is set beside his figure in the 2D board view: in
// Helvetica 12, starting 12 board units left of the figure's centre; where
// the token is narrower than the number in Helvetica 12, in Helvetica 10
// centred on the figure, so that it stays on the token. Gives the GLUT font
// and how far left of the centre the number starts, in board units.
void riderNumberPlacement(const char* number, void** font, float* lead);

// Releases every list of the previous build, clears the buffers, sets the
// texture filters, compiles all lists for the current drawing area and
// reserves the map and preview names. The reshape callback then draws the
// first frame and sets sceneListsBuilt.
void buildSceneLists();

// Releases every list name this unit holds.
void releaseSceneLists();
