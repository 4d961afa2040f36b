// Text drawn from the glyph pictures, run by run and in one batch, sets the
// same pixels as glyph by glyph with glBitmap.
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include <GL/freeglut.h>

#include "render/glyph_atlas.h"
#include "render/text.h"
#include "render/window_harness.h"

namespace {

typedef void (*RunDrawer)(void*, int, const char*, int);

std::vector<unsigned char> windowPixels() {
  std::vector<unsigned char> pixels(static_cast<size_t>(TEST_WINDOW_WIDTH) * TEST_WINDOW_HEIGHT * 3);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, TEST_WINDOW_WIDTH, TEST_WINDOW_HEIGHT, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
  return pixels;
}

int inkedBytes(const std::vector<unsigned char>& pixels) {
  return static_cast<int>(std::count_if(pixels.begin(), pixels.end(), [](unsigned char b) { return b != 0; }));
}

// Every code 1..255 in runs of 32, one run a line, drawn from (x, y) in a
// colour that is not plain white, all runs queued in one batch if batched;
// with moved, another font's run and the first half under a viewport on the
// window's right half, the second half under the whole window, outside the
// first. Gives the window's pixels and the sum of the raster x after each run.
std::pair<std::vector<unsigned char>, float> drawEveryCode(RunDrawer draw, void* glutFont, int font, float x,
                                                           float y, bool batched, bool moved) {
  startOverlay();
  if (batched) beginGlyphBatch();
  if (moved) {
    glViewport(TEST_WINDOW_WIDTH / 2, 0, TEST_WINDOW_WIDTH / 2, TEST_WINDOW_HEIGHT);
    glRasterPos2f(x, y + 330);
    draw(GLUT_BITMAP_9_BY_15, -1, "Lead", 4);
  }
  float rasterX = 0;
  for (int start = 1; start < 256; start += 32) {
    if (moved && start == 129) glViewport(0, 0, TEST_WINDOW_WIDTH, TEST_WINDOW_HEIGHT);
    std::string run;
    for (int code = start; code < std::min(start + 32, 256); ++code) run += static_cast<char>(code);
    glColor3f(0.8f, 0.6f, 0.2f);
    glRasterPos2f(x, y + static_cast<float>(start - 1) * 1.25f);
    draw(glutFont, font, run.data(), static_cast<int>(run.size()));
    GLfloat raster[4];
    glGetFloatv(GL_CURRENT_RASTER_POSITION, raster);
    rasterX += raster[0];
  }
  if (batched) endGlyphBatch();
  glColor3f(1, 1, 1);
  return {windowPixels(), rasterX};
}

class GlyphAtlas : public WindowTest {};

TEST_F(GlyphAtlas, EveryCodeOfEveryFontSetsTheSamePixelsAsGlyphByGlyph) {
  const std::pair<void*, int> fonts[] = {{GLUT_BITMAP_HELVETICA_12, FONT_SMALL}, {GLUT_BITMAP_8_BY_13, FONT_FIXED},
                                         {GLUT_BITMAP_TIMES_ROMAN_24, FONT_TIMES},
                                         {GLUT_BITMAP_HELVETICA_18, FONT_LARGE}, {GLUT_BITMAP_HELVETICA_12, -1}};
  // Pens on a whole pixel, half-way, a hair short of the next pixel (glBitmap rounds those up), and
  // one whose runs leave the window on the right.
  const float pens[][2] = {{10, 40}, {10.5f, 40.5f}, {10.99995f, 40.00005f}, {1230.25f, 60.75f}};
  for (const auto& font : fonts) {
    for (const auto& pen : pens) {
      for (bool moved : {false, true}) {
        SCOPED_TRACE("font " + std::to_string(font.second) + " pen " + std::to_string(pen[0]) + " moved " +
                     std::to_string(moved));
        const auto byGlyph =
            drawEveryCode(drawGlyphRunOneByOne, font.first, font.second, pen[0], pen[1], false, moved);
        EXPECT_GT(inkedBytes(byGlyph.first), 300);
        for (bool batched : {false, true}) {
          const auto fromPicture =
              drawEveryCode(drawGlyphRun, font.first, font.second, pen[0], pen[1], batched, moved);
          EXPECT_TRUE(byGlyph.first == fromPicture.first) << "batched " << batched;
          if (!batched) {
            EXPECT_EQ(byGlyph.second, fromPicture.second);
          }
        }
      }
    }
  }
}

TEST_F(GlyphAtlas, NothingDrawnFromAnInvalidRasterPosition) {
  startOverlay();
  glColor3f(1, 1, 1);
  glRasterPos2f(-5000, 300);  // outside the view: the position is invalid
  drawGlyphRun(GLUT_BITMAP_HELVETICA_18, FONT_LARGE, "WWWW", 4);
  drawText(-5000, 300, ALIGN_LEFT, "MMMM", FONT_LARGE, -1, 0, 0);
  EXPECT_EQ(inkedBytes(windowPixels()), 0);
}

}  // namespace
