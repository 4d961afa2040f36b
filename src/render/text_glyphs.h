// The program's own bitmaps of the accented letters that GLUT's fonts lack:
// thirteen letters in Helvetica 12, the c cedilla in Times Roman 24 and
// sixteen letters in Helvetica 18, each drawn in the style of the font
// beside it.
#pragma once
#include <cstdint>

struct OwnGlyph {
  int width;            // pixels
  int height;           // pixels
  float originX;        // where the bitmap sits against the raster position
  float originY;        // (3 for a cedilla hanging below the baseline)
  int advance;          // pixels the raster position moves on
  const uint8_t* bits;  // rows from the bottom up, each padded to whole bytes
};

// The own glyph of code in font (0, 2 or 3), or null when the font has none.
// Advances in fonts 0 and 3 are the width-table entries, so the tables must
// be filled first.
const OwnGlyph* ownGlyph(int font, unsigned char code);
