#include "render/scene_lists.h"

#include <cmath>

#include <GL/freeglut.h>

#include "model/track_geometry.h"
#include "render/layout.h"
#include "render/text.h"
#include "render/textures.h"
#include "render/shapes.h"

GLuint tokenDiscList = 0;
GLuint tokenCylinderList = 0;
GLuint riderFigureLists[6] = {0, 0, 0, 0, 0, 0};
GLuint boardList = 0;
GLuint cardShapeLists[3] = {0, 0, 0};
GLuint dieBodyList = 0;
GLuint diePipList = 0;
GLuint scorecardList = 0;
GLuint scorecardExcerptList = 0;
GLuint sectionMapLists[SECTION_MAP_LIST_COUNT] = {0, 0, 0, 0, 0, 0, 0, 0, 0};
GLuint coursePreviewLists[COURSE_PREVIEW_LIST_COUNT] = {0, 0, 0, 0};
int32_t sceneListsBuilt = 0;
int32_t sceneListsWidth = 0;
int32_t sceneListsHeight = 0;

void mirroredPictureStrip(float w, float h) {
  glBegin(GL_TRIANGLE_STRIP);
  glTexCoord2f(1, 0);
  glVertex2f(0, 0);
  glTexCoord2f(1, 1);
  glVertex2f(0, h);
  glTexCoord2f(0, 0);
  glVertex2f(w, 0);
  glTexCoord2f(0, 1);
  glVertex2f(w, h);
  glEnd();
}

void drawBoardPicture(float x, float y, float w, float h) {
  glPushMatrix();
  glTranslatef(x, y, 0);
  beginPictureTexture(textureIds[TEXTURE_BOARD], GL_NEAREST, GL_DECAL);
  glColor3f(1, 1, 1);
  mirroredPictureStrip(w, h);
  glDisable(GL_TEXTURE_2D);
  glPopMatrix();
}

namespace {

const double PI = 3.14159265358979323846;
const float TOKEN_HEIGHT = 18;

// Point i of the 16 rim points of a token, a = 2 pi i / 15.
double rimAngle(int i) { return 2 * PI * i / 15; }

void deleteNames(GLuint* first, int count) {
  if (*first != 0) glDeleteLists(*first, count);
  *first = 0;
}

void compileTokenDisc(float k) {
  glNewList(tokenDiscList, GL_COMPILE);
  glBegin(GL_TRIANGLE_FAN);
  glVertex2f(0, 0);
  for (int i = 0; i <= 15; ++i) {
    int degree = i * 360 / 15;
    glVertex2f(TOKEN_RADIUS * k * cosTable[degree], TOKEN_RADIUS * sinTable[degree]);
  }
  glEnd();
  glEndList();
}

void compileTokenCylinder() {
  glNewList(tokenCylinderList, GL_COMPILE);
  // Seen from above, this fan fills the token's top from every camera.
  glBegin(GL_TRIANGLE_FAN);
  glVertex3f(0, 0, 0);
  for (int i = 0; i <= 15; ++i)
    glVertex3d(TOKEN_RADIUS * std::cos(rimAngle(i)), TOKEN_RADIUS * std::sin(rimAngle(i)),
               TOKEN_HEIGHT);
  glEnd();
  glBegin(GL_TRIANGLE_STRIP);
  for (int i = 0; i <= 15; ++i) {
    double c = TOKEN_RADIUS * std::cos(rimAngle(i));
    double s = TOKEN_RADIUS * std::sin(rimAngle(i));
    glVertex3d(c, s, TOKEN_HEIGHT);
    glVertex3d(c, s, 0);
  }
  glEnd();
  glEndList();
}

void ringLoop(float radiusX, float z) {
  glBegin(GL_LINE_LOOP);
  for (int i = 0; i <= 15; ++i)
    glVertex3d(radiusX * std::cos(rimAngle(i)), TOKEN_RADIUS * std::sin(rimAngle(i)), z);
  glEnd();
}

void compileRiderFigures(float k) {
  for (int list = 0; list < 6; ++list) {
    glNewList(riderFigureLists[list], GL_COMPILE);
    glColor3f(0.2f, 0.2f, 0.2f);
    if (list == 0) {
      ringLoop(TOKEN_RADIUS * k, 0);
    } else {
      ringLoop(TOKEN_RADIUS, 0);
      ringLoop(TOKEN_RADIUS, TOKEN_HEIGHT);
      // The rider picture stands upright in the figure's x-z plane, 93 units
      // wide from height 12 to 94; its colour key is cut away by the alpha
      // test of the 3D scene.
      glColor3f(1, 1, 1);
      beginPictureTexture(textureIds[list], GL_LINEAR, GL_MODULATE);
      glBegin(GL_TRIANGLE_STRIP);
      glTexCoord2f(0, 0);
      glVertex3f(46.5f, 0, 94);
      glTexCoord2f(1, 0);
      glVertex3f(-46.5f, 0, 94);
      glTexCoord2f(0, 1);
      glVertex3f(46.5f, 0, 12);
      glTexCoord2f(1, 1);
      glVertex3f(-46.5f, 0, 12);
      glEnd();
      glDisable(GL_TEXTURE_2D);
    }
    glEndList();
  }
}

void compileBoard() {
  glNewList(boardList, GL_COMPILE);
  beginPictureTexture(textureIds[TEXTURE_BOARD], GL_LINEAR, GL_DECAL);
  mirroredPictureStrip(1954, 1152);
  glDisable(GL_TEXTURE_2D);
  glEndList();
}

void compileCardShapes(float W) {
  float cw = cardWidth;
  float ch = cardHeight;
  glNewList(cardShapeLists[0], GL_COMPILE);
  drawRoundedRect(0, 0, cw, ch, W / 112);
  glEndList();
  glNewList(cardShapeLists[1], GL_COMPILE);
  drawRoundedRect(cw / 6 - 0.1f * (cw / 1.5f), ch / 8 - 0.1f * (3 * ch / 8), 1.2f * (cw / 1.5f),
                  1.2f * (3 * ch / 8), W / 224);
  glEndList();
  glNewList(cardShapeLists[2], GL_COMPILE);
  drawRoundedRect(cw / 6, ch / 8, cw / 1.5f, 3 * ch / 8, W / 224);
  glEndList();
}

void compileDie(float W) {
  glNewList(dieBodyList, GL_COMPILE);
  glColor3f(0.6f, 0, 0);
  drawRoundedRect(0, 0, dieSize, dieSize, W / 112);
  glEndList();

  glNewList(diePipList, GL_COMPILE);
  glColor3f(1, 1, 1);
  float r = dieSize / 10;
  glBegin(GL_TRIANGLE_FAN);
  glVertex2f(0, 0);
  for (int i = 0; i <= 15; ++i)
    glVertex2d(r * std::cos(rimAngle(i)), r * std::sin(rimAngle(i)));
  glEnd();
  glEndList();
}

void compileScorecard() {
  float sw = scorecardWidth;
  float sh = scorecardHeight;
  glNewList(scorecardList, GL_COMPILE);
  beginPictureTexture(textureIds[TEXTURE_SCORECARD], GL_NEAREST, GL_DECAL);
  mirroredPictureStrip(sw, sh);
  glDisable(GL_TEXTURE_2D);
  glEndList();

  // The part of the picture from 40 % to 94.3 % of its width and from 58 %
  // to 93.2 % of its height, its top-left corner at the origin.
  float ew = (0.943f - 0.4f) * sw;
  float eh = (0.932f - 0.58f) * sh;
  glNewList(scorecardExcerptList, GL_COMPILE);
  beginPictureTexture(textureIds[TEXTURE_SCORECARD], GL_NEAREST, GL_DECAL);
  glBegin(GL_TRIANGLE_STRIP);
  glTexCoord2f(0.6f, 0.58f);
  glVertex2f(0, 0);
  glTexCoord2f(0.6f, 0.932f);
  glVertex2f(0, eh);
  glTexCoord2f(0.057f, 0.58f);
  glVertex2f(ew, 0);
  glTexCoord2f(0.057f, 0.932f);
  glVertex2f(ew, eh);
  glEnd();
  glDisable(GL_TEXTURE_2D);
  glEndList();
}

}  // namespace

float tokenAspect() {
  if (drawAreaWidth <= 0 || drawAreaHeight <= 0) return 1;
  return (static_cast<float>(drawAreaWidth) / 5) / (static_cast<float>(drawAreaHeight) / 4);
}

float boardTokenPixelWidth() {
  if (boardViewport[2] <= 0) return 0;
  return 2 * TOKEN_RADIUS * tokenAspect() * static_cast<float>(boardViewport[2]) / 1954;
}

void riderNumberPlacement(const char* number, void** font, float* lead) {
  *font = GLUT_BITMAP_HELVETICA_12;
  *lead = 12;
  const float token = boardTokenPixelWidth();
  if (token <= 0 || token >= static_cast<float>(drawnTextWidth(number, FONT_SMALL))) return;
  *font = GLUT_BITMAP_HELVETICA_10;
  const int width = glutBitmapLength(GLUT_BITMAP_HELVETICA_10, reinterpret_cast<const unsigned char*>(number));
  *lead = 0.5f * static_cast<float>(width) * 1954 / static_cast<float>(boardViewport[2]);
}

void releaseSceneLists() {
  deleteNames(&tokenDiscList, 2);
  tokenCylinderList = 0;
  deleteNames(&riderFigureLists[0], 6);
  for (GLuint& name : riderFigureLists) name = 0;
  deleteNames(&boardList, 1);
  deleteNames(&cardShapeLists[0], 3);
  for (GLuint& name : cardShapeLists) name = 0;
  deleteNames(&dieBodyList, 1);
  deleteNames(&diePipList, 1);
  deleteNames(&scorecardList, 1);
  deleteNames(&scorecardExcerptList, 1);
  deleteNames(&sectionMapLists[0], SECTION_MAP_LIST_COUNT);
  for (GLuint& name : sectionMapLists) name = 0;
  deleteNames(&coursePreviewLists[0], COURSE_PREVIEW_LIST_COUNT);
  for (GLuint& name : coursePreviewLists) name = 0;
  sceneListsBuilt = 0;
}

void buildSceneLists() {
  releaseSceneLists();
  const float W = static_cast<float>(drawAreaWidth);

  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  static const int filteredTextures[] = {0, 1, 2, 3, 4, 5, 7};
  for (int index : filteredTextures) {
    glBindTexture(GL_TEXTURE_2D, textureIds[index]);
    setTextureFilters(GL_LINEAR);
  }
  glBindTexture(GL_TEXTURE_2D, 0);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);

  float k = tokenAspect();
  tokenDiscList = glGenLists(2);
  tokenCylinderList = tokenDiscList + 1;
  compileTokenDisc(k);
  compileTokenCylinder();

  GLuint figures = glGenLists(6);
  for (int i = 0; i < 6; ++i) riderFigureLists[i] = figures + i;
  compileRiderFigures(k);

  boardList = glGenLists(1);
  compileBoard();

  GLuint cards = glGenLists(3);
  for (int i = 0; i < 3; ++i) cardShapeLists[i] = cards + i;
  compileCardShapes(W);

  dieBodyList = glGenLists(1);
  diePipList = glGenLists(1);
  compileDie(W);

  scorecardList = glGenLists(1);
  scorecardExcerptList = glGenLists(1);
  compileScorecard();

  GLuint maps = glGenLists(SECTION_MAP_LIST_COUNT);
  for (int s = 0; s < SECTION_MAP_LIST_COUNT; ++s) sectionMapLists[s] = maps + s;
  GLuint previews = glGenLists(COURSE_PREVIEW_LIST_COUNT);
  for (int c = 0; c < COURSE_PREVIEW_LIST_COUNT; ++c) coursePreviewLists[c] = previews + c;

  sceneListsWidth = drawAreaWidth;
  sceneListsHeight = drawAreaHeight;
  if (sceneListsRebuiltHook != nullptr) sceneListsRebuiltHook();
}
