// Decodes the game's pictures (JPEG data in the ".dat" files of the working
// directory) into a caller's pixel buffer, each row mirrored in x, as RGB or
// as RGBA with the yellow colour key of the rider pictures made transparent.
// Needs no window: it only fills memory.
#pragma once
#include <cstdint>

// A pixel with red and green at least this and blue at most that is keyed out.
const int COLOUR_KEY_MIN_RED_GREEN = 230;
const int COLOUR_KEY_MAX_BLUE = 25;

// The pictures the game reads at start and their sizes.
const int BOARD_PICTURE_WIDTH = 1024;
const int BOARD_PICTURE_HEIGHT = 512;
const int RIDER_PICTURE_SIZE = 64;
const int SCORECARD_PICTURE_SIZE = 512;

// Decodes fileName into destination, which holds width x height pixels of 3
// bytes (alpha 0) or 4 bytes (alpha 1). Returns 1 when the whole picture was
// decoded. Returns 0, with "can't open <name>" on the error stream, when the
// file cannot be opened, the library reports an error or a warning (corrupt
// or truncated data), or the picture is not width x height pixels of three
// colour components; destination is then left untouched.
int loadJpegTexture(const char* fileName, uint8_t* destination, int alpha, int width,
                    int height);

// A plain light sheet in place of a picture that could not be loaded.
void fillPlainPicture(uint8_t* destination, int alpha, int width, int height);
