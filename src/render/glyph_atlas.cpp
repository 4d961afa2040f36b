#include "render/glyph_atlas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include <GL/freeglut.h>
#include <GL/glext.h>

#include "render/text_glyphs.h"

namespace {

// The picture holds every code's glyph in a cell of its own, 16 x 16 cells,
// each drawn from a whole-pixel pen this far in from the cell's lower left
// corner; a glyph that reaches its cell's edge is too large for it.
const int CELL = 64;
const int CELLS_PER_ROW = 16;
const int PICTURE_SIZE = CELL * CELLS_PER_ROW;
const int PEN = 20;

// glBitmap puts a glyph at the floor of the raster position plus this (less
// the glyph's origin), so a pen a hair short of a whole pixel counts as it.
const float RASTER_EPSILON = 0.0001f;

struct AtlasGlyph {
  int x, y, width, height;  // the inked box in the picture; width 0: no pixel
  int offsetX, offsetY;     // its lower left corner against the pen's pixel
  float advance;            // how far a GLUT glyph moves the raster position
};

struct GlyphAtlas {
  void* glutFont;
  int font;
  bool tried;
  GLuint texture;  // 0 while it could not be made
  AtlasGlyph glyphs[256];
};

// One picture per GLUT font and set of own glyphs: the four text fonts and
// the rider numbers on the board.
const int ATLAS_COUNT = 8;
GlyphAtlas atlases[ATLAS_COUNT];

// Whether code is one of the program's own glyphs of font rather than GLUT's.
bool isOwnCode(int font, unsigned char code) { return font >= 0 && code >= 0x80; }

// Draws one of the program's own glyphs at the raster position and moves it
// on by the glyph's advance; the bitmap rows are byte-aligned.
void drawOwnGlyph(const OwnGlyph& glyph) {
  GLint alignment = 4;
  glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glBitmap(glyph.width, glyph.height, glyph.originX, glyph.originY,
           static_cast<GLfloat>(glyph.advance), 0, glyph.bits);
  glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
}

void drawGlyph(void* glutFont, int font, unsigned char code) {
  if (code == 0) return;
  if (!isOwnCode(font, code)) {
    glutBitmapCharacter(glutFont, code);
    return;
  }
  const OwnGlyph* glyph = ownGlyph(font, code);
  if (glyph != nullptr) drawOwnGlyph(*glyph);
}

struct FramebufferCalls {
  PFNGLGENFRAMEBUFFERSPROC generate;
  PFNGLBINDFRAMEBUFFERPROC bind;
  PFNGLFRAMEBUFFERTEXTURE2DPROC attach;
  PFNGLCHECKFRAMEBUFFERSTATUSPROC status;
  PFNGLDELETEFRAMEBUFFERSPROC remove;
  PFNGLWINDOWPOS2FPROC windowPos;
};

// The calls that draw the glyphs off screen, where the context has them.
bool findFramebufferCalls(FramebufferCalls& calls) {
  const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
  if (version == nullptr || std::atoi(version) < 3) return false;
  calls.generate = reinterpret_cast<PFNGLGENFRAMEBUFFERSPROC>(glutGetProcAddress("glGenFramebuffers"));
  calls.bind = reinterpret_cast<PFNGLBINDFRAMEBUFFERPROC>(glutGetProcAddress("glBindFramebuffer"));
  calls.attach =
      reinterpret_cast<PFNGLFRAMEBUFFERTEXTURE2DPROC>(glutGetProcAddress("glFramebufferTexture2D"));
  calls.status = reinterpret_cast<PFNGLCHECKFRAMEBUFFERSTATUSPROC>(
      glutGetProcAddress("glCheckFramebufferStatus"));
  calls.remove =
      reinterpret_cast<PFNGLDELETEFRAMEBUFFERSPROC>(glutGetProcAddress("glDeleteFramebuffers"));
  calls.windowPos = reinterpret_cast<PFNGLWINDOWPOS2FPROC>(glutGetProcAddress("glWindowPos2f"));
  return calls.generate && calls.bind && calls.attach && calls.status && calls.remove &&
         calls.windowPos;
}

// Draws every code's glyph in white into its cell of the bound framebuffer
// and notes how far each GLUT glyph moved the raster position.
void drawCells(GlyphAtlas& atlas, const FramebufferCalls& calls) {
  glColor4f(1, 1, 1, 1);
  for (int code = 1; code < 256; ++code) {
    const float penX = static_cast<float>(code % CELLS_PER_ROW * CELL + PEN);
    const float penY = static_cast<float>(code / CELLS_PER_ROW * CELL + PEN);
    calls.windowPos(penX, penY);
    drawGlyph(atlas.glutFont, atlas.font, static_cast<unsigned char>(code));
    GLfloat raster[4] = {0, 0, 0, 0};
    glGetFloatv(GL_CURRENT_RASTER_POSITION, raster);
    atlas.glyphs[code].advance = raster[0] - penX;
  }
}

// Finds each glyph's inked box in the read-back cells and marks its pixels
// in alpha; false when a glyph reaches the edge of its cell.
bool findInkedBoxes(GlyphAtlas& atlas, const std::vector<unsigned char>& rgba,
                    std::vector<unsigned char>& alpha) {
  for (int code = 0; code < 256; ++code) {
    const int cellX = code % CELLS_PER_ROW * CELL;
    const int cellY = code / CELLS_PER_ROW * CELL;
    int left = CELL, right = -1, bottom = CELL, top = -1;
    for (int y = 0; y < CELL; ++y) {
      for (int x = 0; x < CELL; ++x) {
        const size_t pixel = static_cast<size_t>((cellY + y) * PICTURE_SIZE + cellX + x);
        if (rgba[pixel * 4] == 0) continue;
        alpha[pixel] = 255;
        left = std::min(left, x);
        right = std::max(right, x);
        bottom = std::min(bottom, y);
        top = std::max(top, y);
      }
    }
    AtlasGlyph& glyph = atlas.glyphs[code];
    glyph.width = 0;
    if (right < 0) continue;
    if (left == 0 || bottom == 0 || right == CELL - 1 || top == CELL - 1) return false;
    glyph.x = cellX + left;
    glyph.y = cellY + bottom;
    glyph.width = right - left + 1;
    glyph.height = top - bottom + 1;
    glyph.offsetX = left - PEN;
    glyph.offsetY = bottom - PEN;
  }
  return true;
}

void setUnpackDefaults(GLenum alignmentName) {
  glPixelStorei(alignmentName, 1);
  const bool pack = alignmentName == GL_PACK_ALIGNMENT;
  glPixelStorei(pack ? GL_PACK_ROW_LENGTH : GL_UNPACK_ROW_LENGTH, 0);
  glPixelStorei(pack ? GL_PACK_SKIP_ROWS : GL_UNPACK_SKIP_ROWS, 0);
  glPixelStorei(pack ? GL_PACK_SKIP_PIXELS : GL_UNPACK_SKIP_PIXELS, 0);
  glPixelStorei(pack ? GL_PACK_SWAP_BYTES : GL_UNPACK_SWAP_BYTES, GL_FALSE);
  glPixelStorei(pack ? GL_PACK_LSB_FIRST : GL_UNPACK_LSB_FIRST, GL_FALSE);
}

// Draws the glyphs glyph by glyph into a framebuffer of their own, reads
// them back and keeps their inked pixels as an alpha texture. Every state
// touched, the framebuffers bound and the raster position too, is restored.
void makeAtlas(GlyphAtlas& atlas) {
  atlas.tried = true;
  FramebufferCalls calls;
  if (!findFramebufferCalls(calls)) return;
  GLint drawFramebuffer = 0, readFramebuffer = 0;
  glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &drawFramebuffer);
  glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &readFramebuffer);
  glPushAttrib(GL_ALL_ATTRIB_BITS);
  glPushClientAttrib(GL_CLIENT_ALL_ATTRIB_BITS);

  GLuint target = 0, framebuffer = 0;
  glGenTextures(1, &target);
  glBindTexture(GL_TEXTURE_2D, target);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, PICTURE_SIZE, PICTURE_SIZE, 0, GL_RGBA,
               GL_UNSIGNED_BYTE, nullptr);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  calls.generate(1, &framebuffer);
  calls.bind(GL_FRAMEBUFFER, framebuffer);
  calls.attach(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, target, 0);
  std::vector<unsigned char> rgba;
  if (calls.status(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE) {
    glViewport(0, 0, PICTURE_SIZE, PICTURE_SIZE);
    const GLenum off[] = {GL_SCISSOR_TEST, GL_BLEND,        GL_ALPHA_TEST, GL_DEPTH_TEST,
                          GL_STENCIL_TEST, GL_TEXTURE_2D,   GL_FOG,        GL_LIGHTING,
                          GL_COLOR_LOGIC_OP};
    for (GLenum capability : off) glDisable(capability);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT);
    drawCells(atlas, calls);
    rgba.resize(static_cast<size_t>(PICTURE_SIZE) * PICTURE_SIZE * 4);
    setUnpackDefaults(GL_PACK_ALIGNMENT);
    glReadBuffer(GL_COLOR_ATTACHMENT0);
    glReadPixels(0, 0, PICTURE_SIZE, PICTURE_SIZE, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
  }
  calls.bind(GL_DRAW_FRAMEBUFFER, static_cast<GLuint>(drawFramebuffer));
  calls.bind(GL_READ_FRAMEBUFFER, static_cast<GLuint>(readFramebuffer));
  calls.remove(1, &framebuffer);
  glDeleteTextures(1, &target);

  std::vector<unsigned char> alpha(static_cast<size_t>(PICTURE_SIZE) * PICTURE_SIZE, 0);
  if (!rgba.empty() && findInkedBoxes(atlas, rgba, alpha)) {
    glGenTextures(1, &atlas.texture);
    glBindTexture(GL_TEXTURE_2D, atlas.texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    setUnpackDefaults(GL_UNPACK_ALIGNMENT);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_ALPHA8, PICTURE_SIZE, PICTURE_SIZE, 0, GL_ALPHA,
                 GL_UNSIGNED_BYTE, alpha.data());
  }
  glPopClientAttrib();
  glPopAttrib();
}

// The picture of glutFont with font's own glyphs, made on first use; null
// where it cannot be made.
GlyphAtlas* atlasOf(void* glutFont, int font) {
  for (GlyphAtlas& atlas : atlases) {
    if (atlas.tried && atlas.glutFont == glutFont && atlas.font == font)
      return atlas.texture != 0 ? &atlas : nullptr;
    if (atlas.tried) continue;
    atlas.glutFont = glutFont;
    atlas.font = font;
    makeAtlas(atlas);
    return atlas.texture != 0 ? &atlas : nullptr;
  }
  return nullptr;
}

// Whether quads in the raster colour reach the same pixels as bitmaps would:
// not while a display list is being compiled (the raster position read now
// is not the one the list will draw from), nor where the depth test or
// texturing would treat the two differently.
bool quadsDrawLikeBitmaps() {
  GLint listIndex = 0;
  glGetIntegerv(GL_LIST_INDEX, &listIndex);
  return listIndex == 0 && !glIsEnabled(GL_DEPTH_TEST) && !glIsEnabled(GL_TEXTURE_2D) &&
         !glIsEnabled(GL_ALPHA_TEST);
}

// A glyph's quad waiting to be drawn: its lower left corner in window
// pixels, its box in the picture and the colour of its run.
struct QueuedGlyph {
  float x, y;
  const AtlasGlyph* glyph;
  GLfloat colour[4];
};

// The glyphs of the runs drawn since the batch began, all from one picture
// and for one viewport; without an open batch, those of the current run.
struct GlyphBatch {
  bool open;
  const GlyphAtlas* atlas;
  GLint viewport[4];
  std::vector<QueuedGlyph> glyphs;
};
GlyphBatch batch;

// Draws the queued glyphs as one batch of quads in window pixels, the
// picture's alpha (tested) keeping only the inked pixels, and puts back
// every state it touches.
void flushBatch() {
  if (batch.glyphs.empty()) return;
  GLint matrixMode = GL_MODELVIEW, boundTexture = 0, envMode = GL_MODULATE, alphaFunc = GL_ALWAYS;
  GLfloat alphaRef = 0, currentColour[4], currentTexCoord[4];
  glGetIntegerv(GL_MATRIX_MODE, &matrixMode);
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &boundTexture);
  glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &envMode);
  glGetIntegerv(GL_ALPHA_TEST_FUNC, &alphaFunc);
  glGetFloatv(GL_ALPHA_TEST_REF, &alphaRef);
  glGetFloatv(GL_CURRENT_COLOR, currentColour);
  glGetFloatv(GL_CURRENT_TEXTURE_COORDS, currentTexCoord);

  // The queued glyphs are placed for the viewport they were queued under,
  // which a run under another viewport has already replaced.
  GLint currentViewport[4];
  glGetIntegerv(GL_VIEWPORT, currentViewport);
  const GLint* viewport = batch.viewport;
  glViewport(viewport[0], viewport[1], viewport[2], viewport[3]);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  glOrtho(viewport[0], viewport[0] + viewport[2], viewport[1], viewport[1] + viewport[3], -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, batch.atlas->texture);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
  glAlphaFunc(GL_GREATER, 0);
  glEnable(GL_ALPHA_TEST);

  const float scale = 1.0f / PICTURE_SIZE;
  glBegin(GL_QUADS);
  for (const QueuedGlyph& queued : batch.glyphs) {
    const AtlasGlyph& glyph = *queued.glyph;
    const float s0 = glyph.x * scale, s1 = (glyph.x + glyph.width) * scale;
    const float t0 = glyph.y * scale, t1 = (glyph.y + glyph.height) * scale;
    const float x0 = queued.x, y0 = queued.y;
    const float x1 = x0 + glyph.width, y1 = y0 + glyph.height;
    glColor4fv(queued.colour);
    glTexCoord2f(s0, t0);
    glVertex2f(x0, y0);
    glTexCoord2f(s1, t0);
    glVertex2f(x1, y0);
    glTexCoord2f(s1, t1);
    glVertex2f(x1, y1);
    glTexCoord2f(s0, t1);
    glVertex2f(x0, y1);
  }
  glEnd();
  batch.glyphs.clear();

  glDisable(GL_ALPHA_TEST);
  glAlphaFunc(static_cast<GLenum>(alphaFunc), alphaRef);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, envMode);
  glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(boundTexture));
  glDisable(GL_TEXTURE_2D);
  glPopMatrix();
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(static_cast<GLenum>(matrixMode));
  glViewport(currentViewport[0], currentViewport[1], currentViewport[2], currentViewport[3]);
  glColor4fv(currentColour);
  glTexCoord4fv(currentTexCoord);
}

// Queues the run's glyphs from the raster position raster in colour, after
// drawing what was queued for another picture or viewport; returns the
// raster position's move.
float queueRun(const GlyphAtlas& atlas, int font, const char* bytes, int length,
               const GLfloat raster[4], const GLfloat colour[4]) {
  GLint viewport[4] = {0, 0, 1, 1};
  glGetIntegerv(GL_VIEWPORT, viewport);
  if (batch.atlas != &atlas || !std::equal(viewport, viewport + 4, batch.viewport)) {
    flushBatch();
    batch.atlas = &atlas;
    std::copy(viewport, viewport + 4, batch.viewport);
  }
  float penX = raster[0];
  const float y = std::floor(raster[1] + RASTER_EPSILON);
  for (int i = 0; i < length; ++i) {
    const unsigned char code = static_cast<unsigned char>(bytes[i]);
    if (code == 0) continue;
    float advance = atlas.glyphs[code].advance;
    if (isOwnCode(font, code)) {
      const OwnGlyph* own = ownGlyph(font, code);
      if (own == nullptr) continue;
      advance = static_cast<float>(own->advance);
    }
    const AtlasGlyph& glyph = atlas.glyphs[code];
    if (glyph.width > 0) {
      QueuedGlyph queued = {std::floor(penX + RASTER_EPSILON) + glyph.offsetX, y + glyph.offsetY,
                            &glyph, {colour[0], colour[1], colour[2], colour[3]}};
      batch.glyphs.push_back(queued);
    }
    penX += advance;
  }
  return penX - raster[0];
}

}  // namespace

void drawGlyphRunOneByOne(void* glutFont, int font, const char* bytes, int length) {
  for (int i = 0; i < length; ++i) drawGlyph(glutFont, font, static_cast<unsigned char>(bytes[i]));
}

void drawGlyphRun(void* glutFont, int font, const char* bytes, int length) {
  const GlyphAtlas* atlas = quadsDrawLikeBitmaps() ? atlasOf(glutFont, font) : nullptr;
  GLfloat colour[4] = {0, 0, 0, 0};
  glGetFloatv(GL_CURRENT_RASTER_COLOR, colour);
  // Quads of no alpha would fail the alpha test that keeps the glyphs' shape.
  if (atlas == nullptr || colour[3] <= 0) {
    flushBatch();
    drawGlyphRunOneByOne(glutFont, font, bytes, length);
    return;
  }
  GLboolean valid = GL_FALSE;
  glGetBooleanv(GL_CURRENT_RASTER_POSITION_VALID, &valid);
  if (!valid) return;
  GLfloat raster[4] = {0, 0, 0, 0};
  glGetFloatv(GL_CURRENT_RASTER_POSITION, raster);
  const float move = queueRun(*atlas, font, bytes, length, raster, colour);
  if (!batch.open) flushBatch();
  glBitmap(0, 0, 0, 0, move, 0, nullptr);
}

void beginGlyphBatch() { batch.open = true; }

void endGlyphBatch() {
  flushBatch();
  batch.open = false;
}
