// Text drawing: placement by the width tables, the accented letters, and
// the wrapped manual text with its mark-up.
#include <string>

#include <GL/freeglut.h>

#include "render/layout.h"
#include "render/text.h"
#include "render/window_harness.h"

namespace {

class Text : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    if (HasFatalFailure()) return;
    startOverlay();
    glColor3f(1, 1, 1);
  }
};

float rasterX() {
  GLfloat position[4];
  glGetFloatv(GL_CURRENT_RASTER_POSITION, position);
  return position[0];
}

int litPixels(int x0, int y0, int x1, int y1) {
  int count = 0;
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x)
      if (pixelAt(x, y).r > 100 || pixelAt(x, y).g > 100) ++count;
  return count;
}

bool rowHasColour(int y, int x0, int x1, int r, int g, int b) {
  for (int x = x0; x <= x1; ++x)
    if (colourNear(pixelAt(x, y), r, g, b, 40)) return true;
  return false;
}

TEST_F(Text, CentredAndRightAlignedRunsStartWhereTheTablesSay) {
  // "OK" measures 18 in the small font and 28 in the large one.
  drawText(100, 50, ALIGN_CENTRE, "OK", FONT_SMALL, -1, 0, 0);
  EXPECT_FLOAT_EQ(rasterX(), 92 + 18);
  drawText(100, 50, ALIGN_CENTRE, "OK", FONT_LARGE, -1, 0, 0);
  EXPECT_FLOAT_EQ(rasterX(), 86 + 28);
  drawText(100, 50, ALIGN_RIGHT, "OK", FONT_SMALL, -1, 0, 0);
  EXPECT_FLOAT_EQ(rasterX(), 101);
  drawText(100, 50, ALIGN_RIGHT, "OK", FONT_LARGE, -1, 0, 0);
  EXPECT_FLOAT_EQ(rasterX(), 100);
  // The fixed fonts move 3 pixels left per byte, whatever their glyphs.
  drawText(100, 50, ALIGN_CENTRE, "abcd", FONT_FIXED, -1, 0, 0);
  EXPECT_FLOAT_EQ(rasterX(), 88 + 4 * 8);
  drawText(100, 50, ALIGN_RIGHT, "abcd", FONT_FIXED, -1, 0, 0);
  EXPECT_FLOAT_EQ(rasterX(), 76 + 4 * 8);
}

TEST_F(Text, GlutGlyphsAdvanceByTheirOwnWidthsAccentedLettersByTheTables) {
  // Up to 0x7F each byte moves the raster position by GLUT's own width; an
  // accented letter the font carries moves it by its table width.
  for (int font : {FONT_SMALL, FONT_LARGE}) {
    std::string all;
    int expected = 0;
    for (int code = 0x20; code <= 0xFF; ++code) {
      all += static_cast<char>(code);
      if (code < 0x80)
        expected += glutBitmapWidth(glutFontOf(font), code);
      else if (fontDrawsCharacter(font, static_cast<unsigned char>(code)))
        expected += font == FONT_SMALL ? charWidthsSmall[code] : charWidthsLarge[code];
    }
    drawText(10, 100, ALIGN_LEFT, all.c_str(), font, -1, 0, 0);
    EXPECT_FLOAT_EQ(rasterX(), static_cast<float>(10 + expected)) << "font " << font;
  }
}

// The leftmost and rightmost lit columns in a band of rows, -1 when none.
void inkColumns(int x0, int x1, int y0, int y1, int* first, int* last) {
  *first = *last = -1;
  for (int x = x0; x <= x1; ++x)
    if (litPixels(x, y0, x, y1) > 0) {
      if (*first == -1) *first = x;
      *last = x;
    }
}

// The widest run of unlit columns between the first and last lit ones.
int widestGap(int x0, int x1, int y0, int y1) {
  int widest = 0, run = 0;
  int first, last;
  inkColumns(x0, x1, y0, y1, &first, &last);
  for (int x = first; first != -1 && x <= last; ++x) {
    run = litPixels(x, y0, x, y1) > 0 ? 0 : run + 1;
    if (run > widest) widest = run;
  }
  return widest;
}

TEST_F(Text, WordsAreDrawnWithoutGapsOrOverlaps) {
  // "@" in the large font is wider than its table entry: it keeps GLUT's
  // advance, so the next letter starts clear of it.
  const int at = glutBitmapWidth(GLUT_BITMAP_HELVETICA_18, '@');
  drawText(100, 100, ALIGN_LEFT, "@", FONT_LARGE, -1, 0, 0);
  EXPECT_FLOAT_EQ(rasterX(), static_cast<float>(100 + at));
  glFinish();
  int first, last;
  inkColumns(96, 140, 80, 110, &first, &last);
  EXPECT_GE(last, 100 + charWidthsLarge['@']);  // a table advance would overlap it
  EXPECT_LT(last, 100 + at);

  // A German word with sharp s: measured by the table (f 6, l 4, i 4, e 10,
  // sharp s 13, e 10, n 10, d 11), drawn without a gap after the sharp s.
  startOverlay();
  const char* word = "flie\xdf" "end";
  EXPECT_EQ(measureTextWidth(word, FONT_LARGE), 68);
  drawText(300, 100, ALIGN_LEFT, word, FONT_LARGE, -1, 0, 0);
  int expected = 13;
  for (const char* c = "flieend"; *c != 0; ++c) expected += glutBitmapWidth(GLUT_BITMAP_HELVETICA_18, *c);
  EXPECT_FLOAT_EQ(rasterX(), static_cast<float>(300 + expected));
  glFinish();
  EXPECT_LE(widestGap(296, 300 + expected + 4, 80, 110), 3);

  // A line with double quotes is placed as if they were not there ("OK"
  // centred on 100 starts at 92 in the small font) and draws them.
  startOverlay();
  drawText(100, 150, ALIGN_CENTRE, "\"OK\"", FONT_SMALL, -1, 0, 0);
  int quoted = 0;
  for (const char* c = "\"OK\""; *c != 0; ++c) quoted += glutBitmapWidth(GLUT_BITMAP_HELVETICA_12, *c);
  EXPECT_FLOAT_EQ(rasterX(), static_cast<float>(92 + quoted));
  glFinish();
  inkColumns(80, 130, 136, 156, &first, &last);
  EXPECT_GE(first, 92);
  EXPECT_LT(first, 92 + glutBitmapWidth(GLUT_BITMAP_HELVETICA_12, '"'));  // the quote's ink
}

TEST_F(Text, AccentedLettersDrawnOnlyWhereTheFontHasThem) {
  // e acute in the small font: a glyph, 7 pixels on.
  drawText(100, 100, ALIGN_LEFT, "\xe9", FONT_SMALL, -1, 0, 0);
  EXPECT_FLOAT_EQ(rasterX(), 107);
  glFinish();
  EXPECT_GT(litPixels(98, 88, 108, 104), 8);
  // n tilde in the large font: nothing drawn, no move, though it is
  // measured (a gap in measured layouts).
  drawText(200, 100, ALIGN_LEFT, "\xf1", FONT_LARGE, -1, 0, 0);
  EXPECT_FLOAT_EQ(rasterX(), 200);
  glFinish();
  EXPECT_EQ(litPixels(196, 84, 212, 106), 0);
  EXPECT_EQ(measureTextWidth("\xf1", FONT_LARGE), 10);
  // A grave capital in the large font: drawn and advancing as an A.
  drawText(300, 100, ALIGN_LEFT, "\xc0", FONT_LARGE, -1, 0, 0);
  EXPECT_FLOAT_EQ(rasterX(), 300 + charWidthsLarge[0xC0]);
  // c cedilla in Times Roman moves 12 pixels; the fixed font skips it.
  drawText(400, 100, ALIGN_LEFT, "\xe7", FONT_TIMES, -1, 0, 0);
  EXPECT_FLOAT_EQ(rasterX(), 412);
  drawText(500, 100, ALIGN_LEFT, "\xe7", FONT_FIXED, -1, 0, 0);
  EXPECT_FLOAT_EQ(rasterX(), 500);
  glFinish();
  EXPECT_GT(litPixels(398, 84, 414, 108), 8);
  EXPECT_EQ(litPixels(498, 84, 512, 106), 0);
}

TEST_F(Text, WrappedTextFollowsItsMarkUpAndStopsAtTheBudget) {
  // A yellow title, two lines lower white body text that wraps at the
  // margin, and nothing past the line budget.
  const float margin = wrapMarginX + wrapPaddingX;
  const int top = 200;
  const char* text = "<1>TITLE</1>HHHH HHHH HHHH HHHH";
  // "HHHH" is 52 pixels, " HHHH" 57: two words fit in 120 pixels.
  drawText(margin, top, ALIGN_LEFT, text, FONT_LARGE, 120, 20, 3);
  glFinish();
  const int x0 = static_cast<int>(margin);
  EXPECT_TRUE(rowHasColour(top - 5, x0, x0 + 60, 255, 255, 0));   // title, yellow
  EXPECT_TRUE(rowHasColour(top + 40 - 5, x0, x0 + 50, 255, 255, 255));  // line 2
  EXPECT_TRUE(rowHasColour(top + 40 - 5, x0 + 60, x0 + 110, 255, 255, 255));
  EXPECT_TRUE(rowHasColour(top + 60 - 5, x0, x0 + 50, 255, 255, 255));  // line 3
  EXPECT_FALSE(rowHasColour(top + 20 - 5, x0, x0 + 200, 255, 255, 255));  // the empty line
  EXPECT_FALSE(rowHasColour(top + 40 - 5, x0 + 121, x0 + 200, 255, 255, 255));

  // With a budget of 2 the third line is not drawn.
  startOverlay();
  drawText(margin, top, ALIGN_LEFT, text, FONT_LARGE, 120, 20, 2);
  glFinish();
  EXPECT_TRUE(rowHasColour(top + 40 - 5, x0, x0 + 50, 255, 255, 255));
  EXPECT_FALSE(rowHasColour(top + 60 - 5, x0, x0 + 200, 255, 255, 255));
}

TEST_F(Text, WrappingOnlyForTheLargeFont) {
  // Any other font draws one run, whatever the wrap width.
  drawText(100, 100, ALIGN_LEFT, "HH HH", FONT_SMALL, 10, 20, 5);
  EXPECT_FLOAT_EQ(rasterX(), static_cast<float>(100 + measureTextWidth("HH HH", FONT_SMALL)));
  drawText(100, 100, ALIGN_LEFT, nullptr, FONT_SMALL, -1, 0, 0);
  drawText(100, 100, ALIGN_LEFT, "x", 9, -1, 0, 0);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

}  // namespace
