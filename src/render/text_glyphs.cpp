#include "render/text_glyphs.h"

#include <cstring>
#include <vector>

#include "texts/text_layout.h"

namespace {

// Pictures of the letters, '#' an inked pixel, top row first. A glyph is a
// base letter standing on the bottom row of its box (on the bottom row less
// the hang below the baseline) with its accent, if any, from a given row.
typedef const char* const Art[];

// Helvetica 12: lower-case letters seven rows high, capitals nine.
Art SMALL_A = {".###..", "#...#.", "....#.", ".####.", "#...#.", "#..##.", ".##.#.", nullptr};
Art SMALL_E = {".###..", "#...#.", "#...#.", "#####.", "#.....", "#...#.", ".###..", nullptr};
Art SMALL_O = {".###..", "#...#.", "#...#.", "#...#.", "#...#.", "#...#.", ".###..", nullptr};
Art SMALL_U = {"#...#.", "#...#.", "#...#.", "#...#.", "#...#.", "#..##.", ".##.#.", nullptr};
Art SMALL_SHARP_S = {".##...", "#..#..", "#..#..", "#.#...", "#..#..",
                     "#...#.", "#...#.", "#...#.", "#.##..", nullptr};
Art SMALL_CAPITAL_E = {"#####.", "#.....", "#.....", "#.....", "####..",
                       "#.....", "#.....", "#.....", "#####.", nullptr};
Art SMALL_GRAVE = {".#....", "..#...", nullptr};
Art SMALL_ACUTE = {"...#..", "..#...", nullptr};
Art SMALL_CIRCUMFLEX = {"..#...", ".#.#..", nullptr};
Art SMALL_DIAERESIS = {"......", ".#.#..", nullptr};

// Helvetica 18: strokes two pixels wide, lower-case letters ten rows high,
// capitals thirteen, the sharp s as high as an l.
Art LARGE_A = {"..####..", ".##..##.", ".....##.", ".....##.", "..#####.",
               ".##..##.", "##...##.", "##...##.", "##..###.", ".###.##.", nullptr};
Art LARGE_E = {"..####..", ".######.", "##....##", "##....##", "########",
               "##......", "##......", "###...##", ".######.", "..####..", nullptr};
Art LARGE_U = {"##....##", "##....##", "##....##", "##....##", "##....##",
               "##....##", "##....##", "##...###", ".#######", "..###.##", nullptr};
Art LARGE_O = {"..####...", ".######..", "##....##.", "##....##.", "##....##.",
               "##....##.", "##....##.", "##....##.", ".######..", "..####...", nullptr};
// The c with its cedilla: three rows hang below the baseline.
Art LARGE_C_CEDILLA = {"..####..", ".######.", "##....##", "##......", "##......",
                       "##......", "##......", "##....##", ".######.", "..####..",
                       "...##...", "....##..", "..###...", nullptr};
Art LARGE_SHARP_S = {"..#####....", ".##...##...", "##.....##..", "##.....##..",
                     "##....##...", "##..###....", "##..####...", "##.....##..",
                     "##......##.", "##......##.", "##......##.", "##.....##..",
                     "##.#####...", "##..###....", nullptr};
Art LARGE_CAPITAL_A = {"....####.....", "....####.....", "...##..##....", "...##..##....",
                       "...##..##....", "..##....##...", "..##....##...", "..########...",
                       ".##########..", ".##......##..", "##........##.", "##........##.",
                       "##........##.", nullptr};
Art LARGE_CAPITAL_E = {"#########.", "#########.", "##........", "##........", "##........",
                       "##........", "########..", "########..", "##........", "##........",
                       "##........", "#########.", "#########.", nullptr};
Art LARGE_CAPITAL_U = {"##......##..", "##......##..", "##......##..", "##......##..",
                       "##......##..", "##......##..", "##......##..", "##......##..",
                       "##......##..", "##......##..", "##......##..", ".##....##...",
                       "..######....", nullptr};
Art LARGE_GRAVE = {".##.....", "..##....", nullptr};
Art LARGE_ACUTE = {"....##..", "...##...", nullptr};
Art LARGE_CIRCUMFLEX = {"..####..", ".##..##.", nullptr};
Art LARGE_DIAERESIS = {".##..##.", ".##..##.", nullptr};
Art LARGE_CAPITAL_GRAVE = {"...##........", "....##.......", ".....##......", nullptr};
Art LARGE_CAPITAL_ACUTE = {".....##...", "....##....", "...##.....", nullptr};
Art LARGE_CAPITAL_DIAERESIS = {"..##..##....", "..##..##....", nullptr};

// Times Roman 24: the c cedilla, eleven rows high and three below.
Art TIMES_C_CEDILLA = {"...####..", "..#....#.", ".#.....#.", "#........", "#........",
                       "#........", "#........", "#........", ".#.....#.", "..#...#..",
                       "...###...", "....#....", ".....#...", "...##....", nullptr};

struct GlyphPicture {
  int font;
  unsigned char code;
  int width, height;
  int hang;            // rows below the baseline (the origin's y offset)
  const char* const* base;
  const char* const* accent;  // null: none
  int accentRow;              // top row of the accent, from the top
};

const GlyphPicture PICTURES[] = {
    {FONT_SMALL, 0xE0, 6, 12, 0, SMALL_A, SMALL_GRAVE, 2},
    {FONT_SMALL, 0xE1, 6, 12, 0, SMALL_A, SMALL_ACUTE, 2},
    {FONT_SMALL, 0xE2, 6, 12, 0, SMALL_A, SMALL_CIRCUMFLEX, 2},
    {FONT_SMALL, 0xE4, 6, 12, 0, SMALL_A, SMALL_DIAERESIS, 2},
    {FONT_SMALL, 0xE8, 6, 12, 0, SMALL_E, SMALL_GRAVE, 2},
    {FONT_SMALL, 0xE9, 6, 12, 0, SMALL_E, SMALL_ACUTE, 2},
    {FONT_SMALL, 0xEA, 6, 12, 0, SMALL_E, SMALL_CIRCUMFLEX, 2},
    {FONT_SMALL, 0xEB, 6, 12, 0, SMALL_E, SMALL_DIAERESIS, 2},
    {FONT_SMALL, 0xF4, 6, 12, 0, SMALL_O, SMALL_CIRCUMFLEX, 2},
    {FONT_SMALL, 0xF6, 6, 12, 0, SMALL_O, SMALL_DIAERESIS, 2},
    {FONT_SMALL, 0xFC, 6, 12, 0, SMALL_U, SMALL_DIAERESIS, 2},
    {FONT_SMALL, 0xDF, 6, 12, 0, SMALL_SHARP_S, nullptr, 0},
    {FONT_SMALL, 0xC9, 6, 12, 0, SMALL_CAPITAL_E, SMALL_ACUTE, 0},
    {FONT_TIMES, 0xE7, 9, 15, 3, TIMES_C_CEDILLA, nullptr, 0},
    {FONT_LARGE, 0xE0, 8, 13, 0, LARGE_A, LARGE_GRAVE, 0},
    {FONT_LARGE, 0xE1, 8, 13, 0, LARGE_A, LARGE_ACUTE, 0},
    {FONT_LARGE, 0xE2, 8, 13, 0, LARGE_A, LARGE_CIRCUMFLEX, 0},
    {FONT_LARGE, 0xE4, 8, 13, 0, LARGE_A, LARGE_DIAERESIS, 0},
    {FONT_LARGE, 0xE7, 8, 13, 3, LARGE_C_CEDILLA, nullptr, 0},
    {FONT_LARGE, 0xE8, 8, 13, 0, LARGE_E, LARGE_GRAVE, 0},
    {FONT_LARGE, 0xE9, 8, 13, 0, LARGE_E, LARGE_ACUTE, 0},
    {FONT_LARGE, 0xEA, 8, 13, 0, LARGE_E, LARGE_CIRCUMFLEX, 0},
    {FONT_LARGE, 0xEB, 8, 13, 0, LARGE_E, LARGE_DIAERESIS, 0},
    {FONT_LARGE, 0xFC, 8, 13, 0, LARGE_U, LARGE_DIAERESIS, 0},
    {FONT_LARGE, 0xF4, 9, 13, 0, LARGE_O, LARGE_CIRCUMFLEX, 0},
    {FONT_LARGE, 0xF6, 9, 13, 0, LARGE_O, LARGE_DIAERESIS, 0},
    {FONT_LARGE, 0xDF, 11, 14, 0, LARGE_SHARP_S, nullptr, 0},
    {FONT_LARGE, 0xC0, 13, 17, 0, LARGE_CAPITAL_A, LARGE_CAPITAL_GRAVE, 0},
    {FONT_LARGE, 0xC9, 10, 17, 0, LARGE_CAPITAL_E, LARGE_CAPITAL_ACUTE, 0},
    {FONT_LARGE, 0xDC, 12, 17, 0, LARGE_CAPITAL_U, LARGE_CAPITAL_DIAERESIS, 1},
};
const int PICTURE_COUNT = sizeof PICTURES / sizeof PICTURES[0];
const int TIMES_CEDILLA_ADVANCE = 12;

int artRows(const char* const* art) {
  int rows = 0;
  while (art != nullptr && art[rows] != nullptr) ++rows;
  return rows;
}

// Inks the pixels of art into a top-first picture of the glyph's box.
void ink(std::vector<char>& box, int width, int height, const char* const* art, int topRow) {
  for (int r = 0; art != nullptr && art[r] != nullptr; ++r) {
    int y = topRow + r;
    if (y < 0 || y >= height) continue;
    for (int x = 0; x < width && art[r][x] != 0; ++x)
      if (art[r][x] == '#') box[static_cast<size_t>(y * width + x)] = 1;
  }
}

struct BuiltGlyph {
  OwnGlyph glyph;
  std::vector<uint8_t> bits;
};

std::vector<BuiltGlyph>& builtGlyphs() {
  static std::vector<BuiltGlyph> glyphs;
  if (!glyphs.empty()) return glyphs;
  glyphs.resize(PICTURE_COUNT);
  for (int i = 0; i < PICTURE_COUNT; ++i) {
    const GlyphPicture& p = PICTURES[i];
    std::vector<char> box(static_cast<size_t>(p.width * p.height), 0);
    // The base letter's last row is the bottom row of the box.
    ink(box, p.width, p.height, p.base, p.height - artRows(p.base));
    ink(box, p.width, p.height, p.accent, p.accentRow);
    const int rowBytes = (p.width + 7) / 8;
    BuiltGlyph& built = glyphs[static_cast<size_t>(i)];
    built.bits.assign(static_cast<size_t>(rowBytes * p.height), 0);
    for (int y = 0; y < p.height; ++y) {
      int fromBottom = p.height - 1 - y;
      for (int x = 0; x < p.width; ++x)
        if (box[static_cast<size_t>(y * p.width + x)])
          built.bits[static_cast<size_t>(fromBottom * rowBytes + x / 8)] |=
              static_cast<uint8_t>(0x80 >> (x % 8));
    }
    built.glyph = {p.width, p.height, -1, static_cast<float>(p.hang), 0, nullptr};
  }
  for (BuiltGlyph& built : glyphs) built.glyph.bits = built.bits.data();
  return glyphs;
}

}  // namespace

const OwnGlyph* ownGlyph(int font, unsigned char code) {
  std::vector<BuiltGlyph>& glyphs = builtGlyphs();
  for (int i = 0; i < PICTURE_COUNT; ++i) {
    if (PICTURES[i].font != font || PICTURES[i].code != code) continue;
    OwnGlyph& glyph = glyphs[static_cast<size_t>(i)].glyph;
    // The tables are filled at start, after which the advances stay put.
    glyph.advance = font == FONT_SMALL   ? charWidthsSmall[code]
                    : font == FONT_LARGE ? charWidthsLarge[code]
                                         : TIMES_CEDILLA_ADVANCE;
    return &glyph;
  }
  return nullptr;
}
