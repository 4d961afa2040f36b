// Drawing text with GLUT's bitmap fonts in the overlay (drawing-area pixels,
// y down). Placement and wrapping use the program's own width tables and
// the shared layout of texts/text_layout.h. GLUT's glyphs (codes up to
// 0x7F) advance by their own width; the accented letters are the program's
// own bitmaps, advancing by their table width in the two Helvetica fonts.
#pragma once

#include "texts/text_layout.h"  // FONT_*, ALIGN_*, charWidthsSmall/Large, initFontWidths

// Draws text at (x, y), y being 3 pixels above the baseline: align 0 centred
// on x, 1 starting at x, 2 ending at x; font 0 Helvetica 12, 1 fixed 8 x 13,
// 2 Times Roman 24, 3 Helvetica 18. With wrapWidth -1 the text is one run in
// the current colour. With another wrapWidth and font 3 it is laid out word
// by word with the manual's mark-up (which sets the colours): the first line
// from x, every later line from wrapMarginX + wrapPaddingX and lineHeight
// pixels lower, stopping when more than lineBudget lines would be needed.
// Accented letters without a glyph in the chosen font are skipped.
void drawText(float x, float y, int align, const char* text, int font, int wrapWidth,
              int lineHeight, int lineBudget);

// The baseline's distance below the y that drawText is given.
const float TEXT_BASELINE_DROP = 3;
// The fixed font's advance, and how far its capitals and digits reach
// above the baseline; their glyphs leave the first and last of their 8
// columns blank.
const float FIXED_FONT_ADVANCE = 8;
const float FIXED_FONT_ASCENT = 9;

// Whether font draws the byte code (a GLUT glyph for 1..0x7F, the accented
// letters of the four languages that the font carries from 0x80 on).
bool fontDrawsCharacter(int font, unsigned char code);

// The pixels the raster position moves for code in font: GLUT's own width
// up to 0x7F; for an accented letter the font carries, its width-table
// entry in the two Helvetica fonts and 12 for the cedilla in Times Roman;
// 0 for a code the font does not draw.
int drawnAdvance(int font, unsigned char code);

// The pixels a single run of text moves the raster position as drawn (the
// sum of drawnAdvance over its bytes); the width tables place text, this
// says how far its glyphs really reach.
int drawnTextWidth(const char* text, int font);

// GLUT's bitmap font of a font number (Helvetica 12 for anything unknown).
void* glutFontOf(int font);
