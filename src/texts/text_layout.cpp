#include "texts/text_layout.h"

#include <cstring>

uint8_t charWidthsLarge[256];
uint8_t charWidthsSmall[256];

int32_t drawAreaWidth = 0;
int32_t drawAreaHeight = 0;
float wrapMarginX = 0;
float wrapPaddingX = 0;
int32_t manualLinesPerPage = 32;

namespace {

// Printable ASCII 0x20 to 0x7F, sixteen codes a row. The double quote is
// measured as 0: text with quotes is placed as if they were not there.
const uint8_t asciiWidthsLarge[96] = {
    5,  6,  0,  10, 10, 16, 13, 4,  6,  6,  8,  10, 5,  11, 5,  5,   // 0x20
    10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 5,  5,  10, 11, 10, 10,  // 0x30
    13, 12, 13, 14, 13, 11, 11, 14, 13, 6,  10, 13, 10, 16, 13, 15,  // 0x40
    12, 15, 12, 13, 12, 13, 14, 18, 13, 14, 12, 5,  5,  5,  9,  10,  // 0x50
    4,  9,  11, 10, 11, 10, 6,  11, 10, 4,  4,  9,  4,  14, 10, 11,  // 0x60
    11, 11, 6,  9,  6,  10, 10, 14, 10, 10, 9,  6,  4,  6,  10, 0,   // 0x70
};
const uint8_t asciiWidthsSmall[96] = {
    4, 3, 0, 7, 7, 11, 9, 3, 4, 4, 5, 7, 4, 8,  3, 4,  // 0x20
    7, 7, 7, 7, 7, 7,  7, 7, 7, 7, 3, 3, 7, 7,  7, 7,  // 0x30
    12, 9, 8, 9, 9, 8, 8, 9, 9, 3, 7, 8, 7, 11, 9, 10,  // 0x40
    8, 10, 8, 8, 7, 8, 9, 11, 9, 9, 9, 3, 4, 3, 6, 7,  // 0x50
    3, 7, 7, 7, 7, 7,  3, 7, 7, 3, 3, 6, 3, 9,  7, 7,  // 0x60
    7, 7, 4, 6, 3, 7,  7, 9, 6, 7, 6, 4, 3, 4,  7, 0,  // 0x70
};

// The Latin-1 letters of the four languages (and a few more): each has the
// width of its base letter, sharp s that of B.
struct LetterWidth {
  unsigned char code;
  uint8_t large;
  uint8_t small;
};
const LetterWidth latinLetterWidths[] = {
    {0xC0, 12, 9},  // A grave: drawn with its own glyph, so it needs an advance
    {0xC4, 12, 9},  {0xC5, 12, 9},  {0xC7, 14, 9},  {0xC9, 11, 8},
    {0xD1, 13, 9},  {0xD6, 15, 10}, {0xDC, 13, 8},  {0xDF, 13, 8},
    {0xE0, 9, 7},   {0xE1, 9, 7},   {0xE2, 9, 7},   {0xE4, 9, 7},
    {0xE5, 9, 7},   {0xE7, 10, 7},  {0xE8, 10, 7},  {0xE9, 10, 7},
    {0xEA, 10, 7},  {0xEB, 10, 7},  {0xEC, 4, 3},   {0xED, 4, 3},
    {0xEE, 4, 3},   {0xEF, 4, 3},   {0xF1, 10, 7},  {0xF2, 11, 7},
    {0xF3, 11, 7},  {0xF4, 11, 7},  {0xF6, 11, 7},  {0xF8, 11, 7},
    {0xF9, 10, 7},  {0xFA, 10, 7},  {0xFB, 10, 7},  {0xFC, 10, 7},
    {0xFF, 10, 7},
};

const int TAG_NONE = 0;
const int TAG_TITLE_OPEN = 1;
const int TAG_TITLE_CLOSE = 2;
const int TAG_HEADING_OPEN = 3;
const int TAG_HEADING_CLOSE = 4;
const int TAG_BREAK = 5;
const int TAG_BREAK_EMPTY_LINE = 6;

// Compares the mark-up at p without regard to case; never reads past the
// terminating zero, since the comparison stops at the first mismatch.
bool startsWithTag(const char* p, const char* tag) {
  for (; *tag != 0; ++p, ++tag) {
    char c = *p;
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != *tag) return false;
  }
  return true;
}

int tagAt(const char* p, int* length) {
  static const struct {
    const char* text;
    int tag;
  } tags[] = {
      {"<1>", TAG_TITLE_OPEN},    {"</1>", TAG_TITLE_CLOSE},
      {"<2>", TAG_HEADING_OPEN},  {"</2>", TAG_HEADING_CLOSE},
      {"<ll>", TAG_BREAK_EMPTY_LINE}, {"<l>", TAG_BREAK},
  };
  if (*p != '<') return TAG_NONE;
  for (const auto& t : tags) {
    if (startsWithTag(p, t.text)) {
      *length = static_cast<int>(std::strlen(t.text));
      return t.tag;
    }
  }
  return TAG_NONE;
}

const char* skipBlanks(const char* p) {
  while (*p == ' ') ++p;
  return p;
}

void report(LaidTextCallback callback, void* context, const LaidText& item) {
  if (callback != nullptr) callback(item, context);
}

}  // namespace

void initFontWidths() {
  std::memset(charWidthsLarge, 0, sizeof charWidthsLarge);
  std::memset(charWidthsSmall, 0, sizeof charWidthsSmall);
  for (int i = 0; i < 96; ++i) {
    charWidthsLarge[0x20 + i] = asciiWidthsLarge[i];
    charWidthsSmall[0x20 + i] = asciiWidthsSmall[i];
  }
  for (const LetterWidth& letter : latinLetterWidths) {
    charWidthsLarge[letter.code] = letter.large;
    charWidthsSmall[letter.code] = letter.small;
  }
}

int measureTextWidth(const char* text, int font) {
  int width = 0;
  for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p != 0; ++p) {
    if (font == FONT_SMALL) {
      width += charWidthsSmall[*p];
    } else if (font == FONT_LARGE) {
      width += charWidthsLarge[*p];
    } else {
      width += 6;
    }
  }
  return width;
}

float alignedTextX(float x, int align, const char* text, int font) {
  if (align == ALIGN_LEFT) return x;
  int width = measureTextWidth(text, font);
  int nudge = font == FONT_SMALL ? 1 : 0;
  if (align == ALIGN_CENTRE) return x - static_cast<float>(width / 2) + static_cast<float>(nudge);
  if (align == ALIGN_RIGHT) return x - static_cast<float>(width) + static_cast<float>(nudge);
  return x;
}

int manualWrapWidth() {
  return static_cast<int>(static_cast<float>(drawAreaWidth) - 2 * wrapMarginX - 2 * wrapPaddingX);
}

const char* layoutWrappedText(const char* text, int wrapWidth, int lineBudget,
                              LaidTextCallback callback, void* context) {
  const char* p = text;
  int lineWidth = 0;
  int lines = 0;
  while (*p != 0) {
    if (lineWidth == 0) {
      p = skipBlanks(p);
      if (*p == 0) break;
    }

    int tagLength = 0;
    int tag = tagAt(p, &tagLength);
    if (tag != TAG_NONE) {
      int advance = 0;
      int colour = 0;
      const char* pageStart = p + tagLength;  // where a page broken here resumes
      switch (tag) {
        case TAG_TITLE_OPEN: colour = TEXT_COLOUR_YELLOW; break;
        case TAG_TITLE_CLOSE: colour = TEXT_COLOUR_WHITE; advance = 2; break;
        case TAG_HEADING_OPEN:
          colour = TEXT_COLOUR_YELLOW;
          advance = lineWidth == 0 ? 1 : 2;
          pageStart = p;
          break;
        case TAG_HEADING_CLOSE:
          colour = TEXT_COLOUR_WHITE;
          advance = 1;
          pageStart = p;
          break;
        case TAG_BREAK: advance = 1; break;
        case TAG_BREAK_EMPTY_LINE: advance = 2; break;
      }
      if (colour != 0) report(callback, context, {LAID_COLOUR, p, 0, 0, lines, colour});
      if (advance > 0) {
        lineWidth = 0;
        lines += advance;
        if (lines > lineBudget) return pageStart;
      }
      p += tagLength;
      continue;
    }

    // A word: its first byte always (a blank in front of it included), then
    // everything up to the next blank, "<" or the end of the text.
    const char* word = p;
    const char* end = p + 1;
    while (*end != 0 && *end != ' ' && *end != '<') ++end;
    int wordWidth = 0;
    for (const char* c = word; c != end; ++c) wordWidth += charWidthsLarge[static_cast<unsigned char>(*c)];

    if (lineWidth > 0 && lineWidth + wordWidth > wrapWidth) {
      lineWidth = 0;
      lines += 1;
      if (lines > lineBudget) return word;
      continue;  // the same word again on the new line, without its blank
    }
    // On an empty line the word is placed even when it is wider than the
    // line: it then stands alone and the next word starts a new line.
    report(callback, context, {LAID_WORD, word, static_cast<int>(end - word), lineWidth, lines, 0});
    lineWidth += wordWidth;
    p = end;
  }
  return p;
}
