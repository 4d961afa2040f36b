#include "render/textures.h"

#include <GL/glu.h>

#include "render/jpeg_loader.h"

GLuint textureIds[TEXTURE_COUNT] = {0, 0, 0, 0, 0, 0, 0, 0};
uint8_t boardPixels[1024 * 512 * 3];
uint8_t imagePixels[1024 * 512 * 3];

void createTextureNames() {
  if (textureIds[0] != 0) return;
  glGenTextures(TEXTURE_COUNT, textureIds);
}

void uploadTexture(int index, const uint8_t* pixels, int width, int height, int alpha) {
  if (index < 0 || index >= TEXTURE_COUNT) return;
  createTextureNames();
  glBindTexture(GL_TEXTURE_2D, textureIds[index]);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  gluBuild2DMipmaps(GL_TEXTURE_2D, alpha ? 4 : 3, width, height, alpha ? GL_RGBA : GL_RGB,
                    GL_UNSIGNED_BYTE, pixels);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  glBindTexture(GL_TEXTURE_2D, 0);
}

void setTextureFilters(GLint filter) {
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
}

void beginPictureTexture(GLuint texture, GLint filter, GLint envMode) {
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, texture);
  setTextureFilters(filter);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, envMode);
}

int loadGameTextures() {
  createTextureNames();
  if (!loadJpegTexture("board.dat", boardPixels, 0, BOARD_PICTURE_WIDTH, BOARD_PICTURE_HEIGHT))
    return 0;
  uploadTexture(TEXTURE_BOARD, boardPixels, BOARD_PICTURE_WIDTH, BOARD_PICTURE_HEIGHT, 0);
  uploadTexture(TEXTURE_SECTION_MAPS, boardPixels, BOARD_PICTURE_WIDTH, BOARD_PICTURE_HEIGHT, 0);

  static const char* const riderFiles[5] = {"cyclist0.dat", "cyclist1.dat", "cyclist2.dat",
                                            "cyclist3.dat", "cyclist4.dat"};
  for (int i = 0; i < 5; ++i) {
    if (!loadJpegTexture(riderFiles[i], imagePixels, 1, RIDER_PICTURE_SIZE, RIDER_PICTURE_SIZE))
      return 0;
    uploadTexture(TEXTURE_FIRST_RIDER + i, imagePixels, RIDER_PICTURE_SIZE, RIDER_PICTURE_SIZE, 1);
  }

  // The scorecard is optional: without it the sheet is a plain page.
  if (!loadJpegTexture("scorecard.dat", imagePixels, 0, SCORECARD_PICTURE_SIZE,
                       SCORECARD_PICTURE_SIZE))
    fillPlainPicture(imagePixels, 0, SCORECARD_PICTURE_SIZE, SCORECARD_PICTURE_SIZE);
  uploadTexture(TEXTURE_SCORECARD, imagePixels, SCORECARD_PICTURE_SIZE, SCORECARD_PICTURE_SIZE, 0);
  return 1;
}
