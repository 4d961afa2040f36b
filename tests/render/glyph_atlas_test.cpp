// Text drawn from the glyph pictures, run by run and in one batch, against
// the same text drawn glyph by glyph with glBitmap: every code of every
// font, from pens on and between whole pixels, must set the same pixels and
// move the raster position alike.
#include <string>
#include <vector>

#include <GL/freeglut.h>

#include "render/glyph_atlas.h"
#include "render/text.h"
#include "render/window_harness.h"

namespace {

typedef void (*RunDrawer)(void*, int, const char*, int);

struct Drawn {
  std::vector<unsigned char> pixels;
  float rasterX;
};

// Every code 1..255 in runs of 32, one run a line, drawn from (x, y) in
// overlay pixels with a colour that is not a plain white; batched: all runs
// queued and drawn together.
Drawn drawEveryCode(RunDrawer draw, void* glutFont, int font, float x, float y, bool batched = false) {
  startOverlay();
  if (batched) beginGlyphBatch();
  std::string codes;
  for (int code = 1; code < 256; ++code) codes += static_cast<char>(code);
  Drawn drawn = {{}, 0};
  for (size_t start = 0; start < codes.size(); start += 32) {
    glColor3f(0.8f, 0.6f, 0.2f);
    glRasterPos2f(x, y + static_cast<float>(start) * 1.25f);
    const std::string run = codes.substr(start, 32);
    draw(glutFont, font, run.data(), static_cast<int>(run.size()));
    GLfloat raster[4];
    glGetFloatv(GL_CURRENT_RASTER_POSITION, raster);
    drawn.rasterX += raster[0];
  }
  if (batched) endGlyphBatch();
  glColor3f(1, 1, 1);
  drawn.pixels.resize(static_cast<size_t>(TEST_WINDOW_WIDTH) * TEST_WINDOW_HEIGHT * 3);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, TEST_WINDOW_WIDTH, TEST_WINDOW_HEIGHT, GL_RGB, GL_UNSIGNED_BYTE,
               drawn.pixels.data());
  return drawn;
}

int inkedBytes(const std::vector<unsigned char>& pixels) {
  int count = 0;
  for (unsigned char byte : pixels) count += byte != 0;
  return count;
}

class GlyphAtlas : public WindowTest {};

TEST_F(GlyphAtlas, EveryCodeOfEveryFontSetsTheSamePixelsAsGlyphByGlyph) {
  struct Font {
    void* glut;
    int font;
  };
  const Font fonts[] = {{GLUT_BITMAP_HELVETICA_12, FONT_SMALL},
                        {GLUT_BITMAP_8_BY_13, FONT_FIXED},
                        {GLUT_BITMAP_TIMES_ROMAN_24, FONT_TIMES},
                        {GLUT_BITMAP_HELVETICA_18, FONT_LARGE},
                        {GLUT_BITMAP_HELVETICA_12, -1}};
  // Pens on a whole pixel, half-way, a hair short of the next pixel (glBitmap rounds those up), and
  // one whose runs leave the window on the right.
  const float pens[][2] = {{10, 40}, {10.5f, 40.5f}, {10.99995f, 40.00005f}, {1230.25f, 60.75f}};
  for (const Font& font : fonts) {
    for (const auto& pen : pens) {
      SCOPED_TRACE("font " + std::to_string(font.font) + " pen " + std::to_string(pen[0]));
      const Drawn byGlyph = drawEveryCode(drawGlyphRunOneByOne, font.glut, font.font, pen[0], pen[1]);
      const Drawn fromPicture = drawEveryCode(drawGlyphRun, font.glut, font.font, pen[0], pen[1]);
      EXPECT_GT(inkedBytes(byGlyph.pixels), 300);
      EXPECT_TRUE(byGlyph.pixels == fromPicture.pixels);
      EXPECT_EQ(byGlyph.rasterX, fromPicture.rasterX);
      const Drawn batched = drawEveryCode(drawGlyphRun, font.glut, font.font, pen[0], pen[1], true);
      EXPECT_TRUE(byGlyph.pixels == batched.pixels);
    }
  }
}

TEST_F(GlyphAtlas, NothingDrawnFromAnInvalidRasterPosition) {
  startOverlay();
  glColor3f(1, 1, 1);
  glRasterPos2f(-5000, 300);  // outside the view: the position is invalid
  drawGlyphRun(GLUT_BITMAP_HELVETICA_18, FONT_LARGE, "WWWW", 4);
  drawText(-5000, 300, ALIGN_LEFT, "MMMM", FONT_LARGE, -1, 0, 0);
  std::vector<unsigned char> pixels(static_cast<size_t>(TEST_WINDOW_WIDTH) * TEST_WINDOW_HEIGHT * 3);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, TEST_WINDOW_WIDTH, TEST_WINDOW_HEIGHT, GL_RGB, GL_UNSIGNED_BYTE,
               pixels.data());
  EXPECT_EQ(inkedBytes(pixels), 0);
}

}  // namespace
