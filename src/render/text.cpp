#include "render/text.h"

#include <cstring>

#include <GL/freeglut.h>

#include "render/layout.h"

namespace {

const unsigned char SMALL_ACCENTED[] = {0xE0, 0xE1, 0xE2, 0xE4, 0xE8, 0xE9, 0xEA,
                                        0xEB, 0xF4, 0xF6, 0xFC, 0xDF, 0xC9};
const unsigned char LARGE_ACCENTED[] = {0xE0, 0xE1, 0xE2, 0xE4, 0xE7, 0xE8, 0xE9, 0xEA,
                                        0xEB, 0xF4, 0xF6, 0xFC, 0xDF, 0xC0, 0xC9, 0xDC};
const unsigned char CEDILLA = 0xE7;
const int TIMES_CEDILLA_ADVANCE = 12;

bool inSet(const unsigned char* set, size_t count, unsigned char code) {
  for (size_t i = 0; i < count; ++i)
    if (set[i] == code) return true;
  return false;
}

// Draws length bytes from (px, py) in font, each advancing as measured.
void drawRun(const char* bytes, int length, float px, float py, int font) {
  void* glutFont = glutFontOf(font);
  glRasterPos2f(px, py + 3);
  for (int i = 0; i < length; ++i) {
    unsigned char code = static_cast<unsigned char>(bytes[i]);
    if (!fontDrawsCharacter(font, code)) continue;
    glutBitmapCharacter(glutFont, code);
    int correction = drawnAdvance(font, code) - glutBitmapWidth(glutFont, code);
    if (correction != 0) glBitmap(0, 0, 0, 0, static_cast<GLfloat>(correction), 0, nullptr);
  }
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
  switch (font) {
    case FONT_SMALL: return inSet(SMALL_ACCENTED, sizeof SMALL_ACCENTED, code);
    case FONT_TIMES: return code == CEDILLA;
    case FONT_LARGE: return inSet(LARGE_ACCENTED, sizeof LARGE_ACCENTED, code);
    default: return false;
  }
}

int drawnAdvance(int font, unsigned char code) {
  if (!fontDrawsCharacter(font, code)) return 0;
  if (font == FONT_LARGE) return charWidthsLarge[code];
  if (font == FONT_FIXED || font == FONT_TIMES) {
    if (font == FONT_TIMES && code == CEDILLA) return TIMES_CEDILLA_ADVANCE;
    return glutBitmapWidth(glutFontOf(font), code);
  }
  return charWidthsSmall[code];
}

void drawText(float x, float y, int align, const char* text, int font, int wrapWidth,
              int lineHeight, int lineBudget) {
  if (text == nullptr || font < FONT_SMALL || font > FONT_LARGE) return;
  if (wrapWidth != -1 && font == FONT_LARGE) {
    WrapDrawing wrap = {x, y, lineHeight};
    layoutWrappedText(text, wrapWidth, lineBudget, drawLaidItem, &wrap);
    return;
  }
  drawRun(text, static_cast<int>(std::strlen(text)), alignedTextX(x, align, text, font), y, font);
}
