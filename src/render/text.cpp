#include "render/text.h"

#include <cstring>

#include <GL/freeglut.h>

#include "render/glyph_atlas.h"
#include "render/layout.h"
#include "render/text_glyphs.h"

namespace {

// Draws length bytes from (px, py) in font: GLUT's glyphs with their own
// advance, the accented letters with the program's bitmaps.
void drawRun(const char* bytes, int length, float px, float py, int font) {
  glRasterPos2f(px, py + TEXT_BASELINE_DROP);
  drawGlyphRun(glutFontOf(font), font, bytes, length);
}

struct WrapDrawing {
  float firstLineX;
  float y;
  int lineHeight;
};

void drawLaidItem(const LaidText& item, void* context) {
  const WrapDrawing* wrap = static_cast<const WrapDrawing*>(context);
  if (item.kind == LAID_COLOUR) {
    if (item.colour == TEXT_COLOUR_YELLOW)
      glColor3f(1, 1, 0);
    else
      glColor3f(1, 1, 1);
    return;
  }
  float lineX = item.line == 0 ? wrap->firstLineX : wrapMarginX + wrapPaddingX;
  drawRun(item.start, item.length, lineX + static_cast<float>(item.x),
          wrap->y + static_cast<float>(item.line * wrap->lineHeight), FONT_LARGE);
}

}  // namespace

void* glutFontOf(int font) {
  switch (font) {
    case FONT_FIXED: return GLUT_BITMAP_8_BY_13;
    case FONT_TIMES: return GLUT_BITMAP_TIMES_ROMAN_24;
    case FONT_LARGE: return GLUT_BITMAP_HELVETICA_18;
    default: return GLUT_BITMAP_HELVETICA_12;
  }
}

bool fontDrawsCharacter(int font, unsigned char code) {
  if (code == 0) return false;
  if (code < 0x80) return true;
  return ownGlyph(font, code) != nullptr;
}

int drawnAdvance(int font, unsigned char code) {
  if (code == 0) return 0;
  if (code < 0x80) return glutBitmapWidth(glutFontOf(font), code);
  const OwnGlyph* glyph = ownGlyph(font, code);
  return glyph != nullptr ? glyph->advance : 0;
}

int drawnTextWidth(const char* text, int font) {
  int width = 0;
  for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); p != nullptr && *p != 0; ++p)
    width += drawnAdvance(font, *p);
  return width;
}

void drawText(float x, float y, int align, const char* text, int font, int wrapWidth,
              int lineHeight, int lineBudget) {
  if (text == nullptr || font < FONT_SMALL || font > FONT_LARGE) return;
  if (wrapWidth != -1 && font == FONT_LARGE) {
    WrapDrawing wrap = {x, y, lineHeight};
    beginGlyphBatch();  // the laid text sets colours and draws words, nothing else
    layoutWrappedText(text, wrapWidth, lineBudget, drawLaidItem, &wrap);
    endGlyphBatch();
    return;
  }
  drawRun(text, static_cast<int>(std::strlen(text)), alignedTextX(x, align, text, font), y, font);
}
