#include "ui/loading_screen.h"

#include <cstring>

#include <GL/freeglut.h>
#include <GL/glu.h>

#include "model/board_sections.h"
#include "model/screens.h"
#include "render/frame.h"
#include "render/layout.h"
#include "render/scene_lists.h"
#include "render/section_maps.h"
#include "render/text.h"
#include "render/textures.h"
#include "texts/language_texts.h"

int sectionImagesBuilt = 0;
int loadingSectionIndex = 0;
int loadingCourseIndex = 0;
GLuint sectionMapTextures[9] = {0, 0, 0, 0, 0, 0, 0, 0, 0};
GLuint coursePreviewTextures[4] = {0, 0, 0, 0};

namespace {

// Map s as a mipmapped texture; preview c as a single level.
void uploadSectionMap(int s) {
  if (sectionMapTextures[s] == 0) glGenTextures(1, &sectionMapTextures[s]);
  glBindTexture(GL_TEXTURE_2D, sectionMapTextures[s]);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  gluBuild2DMipmaps(GL_TEXTURE_2D, 3, MASK_WIDTH, MASK_HEIGHT, GL_RGB, GL_UNSIGNED_BYTE,
                    sectionMapImages[s]);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  setTextureFilters(GL_LINEAR);
  glBindTexture(GL_TEXTURE_2D, 0);
}

void uploadCoursePreview(int c) {
  if (coursePreviewTextures[c] == 0) glGenTextures(1, &coursePreviewTextures[c]);
  glBindTexture(GL_TEXTURE_2D, coursePreviewTextures[c]);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glTexImage2D(GL_TEXTURE_2D, 0, 3, MASK_WIDTH, MASK_HEIGHT, 0, GL_RGB, GL_UNSIGNED_BYTE,
               coursePreviewImages[c]);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  setTextureFilters(GL_NEAREST);
  glBindTexture(GL_TEXTURE_2D, 0);
}

// The map over the board rectangle in board units.
void compileSectionMapList(int s) {
  if (sectionMapLists[s] == 0) return;
  glNewList(sectionMapLists[s], GL_COMPILE);
  glColor3f(1, 1, 1);
  beginPictureTexture(sectionMapTextures[s], GL_LINEAR, GL_DECAL);
  mirroredPictureStrip(BOARD_UNITS[0], BOARD_UNITS[1]);
  glDisable(GL_TEXTURE_2D);
  glEndList();
}

// The preview over a course selection tile, its size taken now.
void compileCoursePreviewList(int c) {
  if (coursePreviewLists[c] == 0) return;
  glNewList(coursePreviewLists[c], GL_COMPILE);
  beginPictureTexture(coursePreviewTextures[c], GL_NEAREST, GL_DECAL);
  glColor3f(1, 1, 1);
  mirroredPictureStrip(courseTileWidth, courseTileHeight);
  glDisable(GL_TEXTURE_2D);
  glEndList();
}

}  // namespace

float loadingProgress() {
  float p = static_cast<float>(loadingSectionIndex + loadingCourseIndex) / 12;
  if (p < 0) return 0;
  if (p > 1) return 1;
  return p;
}

void compileSectionLists() {
  if (!sectionImagesBuilt) return;
  for (int s = 0; s < SECTION_COUNT; ++s) compileSectionMapList(s);
  for (int c = 0; c < COURSE_PREVIEW_COUNT; ++c) compileCoursePreviewList(c);
}

void onLoadingIdle() {
  if (drawAreaWidth <= 0 || drawAreaHeight <= 0) return;
  if (currentScreen == SCREEN_LOADING) {
    for (int s = 0; s < SECTION_COUNT; ++s) {
      loadingSectionIndex = s;
      if (!sectionImagesBuilt) {
        std::memcpy(sectionMapImages[s], boardPixels, BOARD_IMAGE_BYTES);
        dimOutsideSection(sectionMapImages[s], s);
        uploadSectionMap(s);
      }
      compileSectionMapList(s);
      onDisplay();
    }
    for (int c = 1; c <= COURSE_PREVIEW_COUNT; ++c) {
      loadingCourseIndex = c;
      if (!sectionImagesBuilt) {
        buildCoursePreview(c - 1);
        uploadCoursePreview(c - 1);
      }
      compileCoursePreviewList(c - 1);
      onDisplay();
    }
    sectionImagesBuilt = 1;
  }
  glutIdleFunc(nullptr);
  currentScreen = SCREEN_MAIN_MENU;
  onDisplay();
}

void drawLoadingScreen() {
  if (currentScreen != SCREEN_LOADING) return;
  const float W = static_cast<float>(drawAreaWidth);
  const float H = static_cast<float>(drawAreaHeight);
  glColor3f(1, 1, 1);
  drawText(0.31f * W, 0.46f * H - 15, ALIGN_LEFT, textPleaseWait, FONT_SMALL, -1, 0, 0);

  const int left = static_cast<int>(0.31f * W);
  const int top = static_cast<int>(0.46f * H);
  const int right = static_cast<int>(0.31f * W + 0.28f * W);
  const int bottom = static_cast<int>(0.46f * H + 0.08f * H);
  // Through the centres of the frame's corner pixels, so that every edge
  // covers a row or column of pixels.
  glBegin(GL_LINE_LOOP);
  glVertex2f(left + 0.5f, top + 0.5f);
  glVertex2f(right + 0.5f, top + 0.5f);
  glVertex2f(right + 0.5f, bottom + 0.5f);
  glVertex2f(left + 0.5f, bottom + 0.5f);
  glEnd();

  const float m = 0.01f * W;
  const int fillLeft = static_cast<int>(0.31f * W + m);
  const int fillTop = static_cast<int>(0.46f * H + m);
  const int fillRight = static_cast<int>(0.31f * W + m + (0.28f * W - 2 * m) * loadingProgress());
  const int fillBottom = static_cast<int>(0.46f * H + m + 0.08f * H - 2 * m);
  glBegin(GL_TRIANGLE_STRIP);
  glVertex2i(fillLeft, fillTop);
  glVertex2i(fillLeft, fillBottom);
  glVertex2i(fillRight, fillTop);
  glVertex2i(fillRight, fillBottom);
  glEnd();
}
