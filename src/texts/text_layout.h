// Text measuring and word wrapping without a window: the pixel widths of the
// two Helvetica fonts, where a single run of text starts for each alignment,
// and the one word-wrapping layout with the manual's mark-up. The manual
// pagination and the window's text drawing both lay text out through
// layoutWrappedText, so a page drawn from its recorded start ends exactly
// where the next page starts.
#pragma once
#include <cstdint>

// Fonts of the text drawing, by number.
const int FONT_SMALL = 0;  // Helvetica 12, measured with charWidthsSmall
const int FONT_FIXED = 1;  // fixed 8 x 13, measured as 6 pixels a byte
const int FONT_TIMES = 2;  // Times Roman 24, measured as 6 pixels a byte
const int FONT_LARGE = 3;  // Helvetica 18, measured with charWidthsLarge

// Alignment of a single run of text about its x.
const int ALIGN_CENTRE = 0;
const int ALIGN_LEFT = 1;
const int ALIGN_RIGHT = 2;

// Pixel advance of every byte (index with unsigned char: Latin-1 letters are
// negative as plain char). Codes without a glyph are 0.
extern uint8_t charWidthsLarge[256];
extern uint8_t charWidthsSmall[256];

// Fills both width tables; called once at start before any text is measured.
void initFontWidths();

// Width in pixels of a zero-terminated text in the given font.
int measureTextWidth(const char* text, int font);

// The x at which a single run of text starts so that it is centred on x,
// starts at x or ends at x (align 0, 1, 2). Helvetica 12 runs sit one pixel
// to the right of the measured position when centred or right-aligned.
float alignedTextX(float x, int align, const char* text, int font);

// The drawing area and the text frame, written by the window's reshape and
// read here for the manual. Before the first reshape the drawing area is
// 0 by 0 and a manual page may use 32 lines.
extern int32_t drawAreaWidth;
extern int32_t drawAreaHeight;
extern float wrapMarginX;         // left margin of wrapped text
extern float wrapPaddingX;        // extra offset of wrapped lines
extern int32_t manualLinesPerPage;

// Width available to a wrapped line of the manual:
// drawAreaWidth - 2 wrapMarginX - 2 wrapPaddingX, truncated toward zero.
int manualWrapWidth();

// One item of a wrapped layout, handed to the caller's callback in order.
const int LAID_WORD = 0;    // draw `length` bytes from `start` at (x, line)
const int LAID_COLOUR = 1;  // the mark-up sets the colour to `colour`

const int TEXT_COLOUR_YELLOW = 1;  // titles and headings
const int TEXT_COLOUR_WHITE = 2;   // body text

struct LaidText {
  int kind;           // LAID_WORD or LAID_COLOUR
  const char* start;  // LAID_WORD: first byte of the word (a blank in front
                      // of a word belongs to it and is drawn)
  int length;         // LAID_WORD: bytes of the word
  int x;              // LAID_WORD: pixels used on the line before the word
  int line;           // lines advanced before this item
  int colour;         // LAID_COLOUR: TEXT_COLOUR_YELLOW or TEXT_COLOUR_WHITE
};

typedef void (*LaidTextCallback)(const LaidText& item, void* context);

// Lays out text in the large font, word by word, with the mark-up
//   "<1>" title (yellow) ... "</1>" end of title (white, 2 lines down)
//   "<2>" heading (yellow; 1 line down on an empty line, else 2)
//   "</2>" end of heading (white, 1 line down)
//   "<l>" line break, "<ll>" line break leaving one empty line
// (tags compared without regard to case; any other "<" is a character).
// A word that does not fit on the rest of a line goes to the next line; a
// word wider than a whole line stands alone on its own line. Blanks at the
// start of a line are skipped. When a line advance takes the count of lines
// past lineBudget the layout stops, and the result is where the next page
// starts: the "<2>" or "</2>" tag itself (so the heading keeps its colour),
// just after "</1>", "<l>" or "<ll>", or the word that no longer fitted.
// Without a stop the result points at the text's terminating zero.
// The callback may be null (measuring only).
const char* layoutWrappedText(const char* text, int wrapWidth, int lineBudget,
                              LaidTextCallback callback, void* context);
