// The loading screen: the first screen after start. Its idle callback makes
// the nine section maps and four course previews from the board picture
// under a progress bar, compiles their display lists, and opens the main
// menu. After a change of screen ratio it runs again, keeping the pictures
// and compiling only the lists anew.
#pragma once
#include <cstdint>

#include <GL/gl.h>

// 1 once the maps and previews exist; they are made once per run.
extern int sectionImagesBuilt;
// Progress: the map being made (0 to 8) and the preview (0, then 1 to 4).
extern int loadingSectionIndex;
extern int loadingCourseIndex;

// One texture object per map and preview, made with the pictures.
extern GLuint sectionMapTextures[9];
extern GLuint coursePreviewTextures[4];

// The GLUT idle callback of the loading screen. Returns at once while the
// drawing area is empty. Otherwise, on SCREEN_LOADING, makes what is missing
// and compiles sectionMapLists and coursePreviewLists with a redraw after
// each; then, on any screen, unregisters itself and opens the main menu.
void onLoadingIdle();

// The share of the work done, 0 to 1, that the bar shows.
float loadingProgress();

// Compiles the thirteen lists from the kept pictures (nothing when they do
// not exist yet); bound to the scene-list rebuild.
void compileSectionLists();

// Overlay block of SCREEN_LOADING.
void drawLoadingScreen();
