// Bitmap text drawn from a picture of its glyphs. Drawing a GLUT bitmap font
// glyph by glyph costs one glBitmap (and its pixel-store changes) a letter,
// which a software renderer draws one at a time; here every glyph a font
// draws is put once into a texture, and a run of text becomes one batch of
// textured quads that sets exactly the pixels the glyph-by-glyph drawing
// sets, in the raster colour, from the raster position.
#pragma once

// Draws length bytes from the current raster position: codes up to 0x7F
// with GLUT's glyphs of glutFont, later codes with the program's own
// accented glyphs of font (a code without one is skipped; font -1: GLUT's
// glyphs for every code),
// and moves the raster position on as the glyphs would. Nothing is drawn
// while the raster position is invalid. Where the picture cannot be made
// (no framebuffer objects) or the state would treat quads unlike bitmaps
// (depth test, texturing), the glyphs are drawn one by one instead.
void drawGlyphRun(void* glutFont, int font, const char* bytes, int length);

// The same drawing glyph by glyph with glBitmap, as GLUT does it.
void drawGlyphRunOneByOne(void* glutFont, int font, const char* bytes, int length);

// Runs drawn between these two are queued and drawn together at the end
// (or when a run needs another font's picture or viewport), for drawing
// that does nothing but text in between: one batch instead of one a run.
void beginGlyphBatch();
void endGlyphBatch();
