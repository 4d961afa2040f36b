// The game's pictures as GL textures: the board, the five rider pictures,
// the scorecard, and a second board texture that the section-map and course
// preview lists load their own pictures into.
#pragma once
#include <cstdint>

#include <GL/gl.h>

const int TEXTURE_BOARD = 0;
const int TEXTURE_FIRST_RIDER = 1;  // 1 to 5: "cyclist0.dat" to "cyclist4.dat"
const int TEXTURE_SCORECARD = 6;
const int TEXTURE_SECTION_MAPS = 7;
const int TEXTURE_COUNT = 8;

extern GLuint textureIds[TEXTURE_COUNT];

// The board picture as loaded (1024 x 512 RGB, rows mirrored in x), kept for
// the section maps; imagePixels is the load buffer of the other pictures.
extern uint8_t boardPixels[1024 * 512 * 3];
extern uint8_t imagePixels[1024 * 512 * 3];

// Reserves the eight texture names once; later calls keep them.
void createTextureNames();

// Builds the mipmapped texture textureIds[index] from width x height pixels
// of 3 bytes (alpha 0) or 4 bytes (alpha 1). Reserves the names if needed.
void uploadTexture(int index, const uint8_t* pixels, int width, int height, int alpha);

// Sets the minifying and magnifying filter of the bound 2D texture.
void setTextureFilters(GLint filter);

// Starts drawing with a picture: 2D texturing on, texture bound with the
// given filter and texture environment mode (GL_DECAL, GL_MODULATE). The
// caller draws, then turns texturing off.
void beginPictureTexture(GLuint texture, GLint filter, GLint envMode);

// Loads "board.dat" (textures 0 and 7), "cyclist0.dat" to "cyclist4.dat"
// (1 to 5, the yellow colour key made transparent) and "scorecard.dat" (6)
// from the working directory. Returns 0 as soon as the board or a rider
// picture cannot be loaded (the loader has said which on the error stream;
// the caller ends the program). A missing scorecard is built from a plain
// sheet and does not count.
int loadGameTextures();
