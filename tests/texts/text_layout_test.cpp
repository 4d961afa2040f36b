#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "texts/text_layout.h"

namespace {

class FontWidthsTest : public ::testing::Test {
 protected:
  void SetUp() override { initFontWidths(); }
};

TEST_F(FontWidthsTest, TableEntriesOfEveryRow) {
  // One or two entries of each row of printable ASCII, large / small.
  EXPECT_EQ(charWidthsLarge[' '], 5);
  EXPECT_EQ(charWidthsSmall[' '], 4);
  EXPECT_EQ(charWidthsLarge['%'], 16);
  EXPECT_EQ(charWidthsSmall['%'], 11);
  EXPECT_EQ(charWidthsLarge['-'], 11);
  EXPECT_EQ(charWidthsSmall['-'], 8);
  for (char digit = '0'; digit <= '9'; ++digit) {
    EXPECT_EQ(charWidthsLarge[static_cast<unsigned char>(digit)], 10);
    EXPECT_EQ(charWidthsSmall[static_cast<unsigned char>(digit)], 7);
  }
  EXPECT_EQ(charWidthsLarge['='], 11);
  EXPECT_EQ(charWidthsLarge['@'], 13);
  EXPECT_EQ(charWidthsSmall['@'], 12);
  EXPECT_EQ(charWidthsLarge['I'], 6);
  EXPECT_EQ(charWidthsSmall['I'], 3);
  EXPECT_EQ(charWidthsLarge['W'], 18);
  EXPECT_EQ(charWidthsSmall['W'], 11);
  EXPECT_EQ(charWidthsLarge['_'], 10);
  EXPECT_EQ(charWidthsLarge['m'], 14);
  EXPECT_EQ(charWidthsSmall['m'], 9);
  EXPECT_EQ(charWidthsLarge['w'], 14);
  EXPECT_EQ(charWidthsSmall['t'], 3);
  EXPECT_EQ(charWidthsLarge['~'], 10);
  EXPECT_EQ(charWidthsSmall['~'], 7);
  EXPECT_EQ(charWidthsLarge[0x7F], 0);
  EXPECT_EQ(charWidthsLarge['\n'], 0);
  EXPECT_EQ(charWidthsSmall[0x01], 0);
}

TEST_F(FontWidthsTest, LatinLettersHaveTheirBaseLettersWidth) {
  EXPECT_EQ(charWidthsLarge[0xE9], charWidthsLarge['e']);  // e acute
  EXPECT_EQ(charWidthsSmall[0xE9], charWidthsSmall['e']);
  EXPECT_EQ(charWidthsLarge[0xD6], charWidthsLarge['O']);  // O umlaut
  EXPECT_EQ(charWidthsSmall[0xD6], charWidthsSmall['O']);
  EXPECT_EQ(charWidthsLarge[0xDF], charWidthsLarge['B']);  // sharp s
  EXPECT_EQ(charWidthsSmall[0xDF], charWidthsSmall['B']);
  EXPECT_EQ(charWidthsLarge[0xEF], 4);                     // i umlaut
  EXPECT_EQ(charWidthsSmall[0xF1], 7);                     // n tilde
  EXPECT_EQ(charWidthsLarge[0xC7], 14);                    // C cedilla
  EXPECT_EQ(charWidthsLarge[0xC9], 11);                    // E acute
  EXPECT_EQ(charWidthsLarge[0xDC], 13);                    // U umlaut
  EXPECT_EQ(charWidthsSmall[0xDC], 8);
  // A grave is drawn with its own glyph and so advances like A.
  EXPECT_EQ(charWidthsLarge[0xC0], 12);
  EXPECT_EQ(charWidthsSmall[0xC0], 9);
  // Letters the fonts do not have, and signs, stay 0.
  EXPECT_EQ(charWidthsLarge[0xE3], 0);  // a tilde
  EXPECT_EQ(charWidthsLarge[0xF5], 0);  // o tilde
  EXPECT_EQ(charWidthsLarge[0x80], 0);
  EXPECT_EQ(charWidthsSmall[0xA0], 0);
}

// The double quote advances by its glyph's width, so that quoted names are
// measured as they are drawn.
TEST_F(FontWidthsTest, DoubleQuoteIsMeasuredAsNothing) {
  EXPECT_EQ(charWidthsLarge['"'], 0);
  EXPECT_EQ(charWidthsSmall['"'], 0);
  // A line with quotes is placed as if they were not there.
  EXPECT_EQ(measureTextWidth("Press \"OK\"", FONT_LARGE), measureTextWidth("Press OK", FONT_LARGE));
  EXPECT_EQ(measureTextWidth("\"OK\"", FONT_SMALL), 18);
}

TEST_F(FontWidthsTest, MeasuredWidthsAreTheSumsOfTheTables) {
  EXPECT_EQ(measureTextWidth("OK", FONT_SMALL), 18);
  EXPECT_EQ(measureTextWidth("OK", FONT_LARGE), 28);
  // Z 12, u 10, r 6, u umlaut 10, c 10, k 9
  EXPECT_EQ(measureTextWidth("Zur\xfc" "ck", FONT_LARGE), 57);
  // H 9, a 7, u 7, p 7, t 3, m 9, e 7, n 7, u umlaut 7
  EXPECT_EQ(measureTextWidth("Hauptmen\xfc", FONT_SMALL), 63);
  EXPECT_EQ(measureTextWidth("Hauptmen\xfc", FONT_FIXED), 54);
  EXPECT_EQ(measureTextWidth("\xe9" "t\xe9", FONT_TIMES), 18);
  EXPECT_EQ(measureTextWidth("", FONT_LARGE), 0);
}

TEST_F(FontWidthsTest, RunsArePlacedByAlignment) {
  EXPECT_FLOAT_EQ(alignedTextX(100, ALIGN_CENTRE, "OK", FONT_SMALL), 92);
  EXPECT_FLOAT_EQ(alignedTextX(100, ALIGN_CENTRE, "OK", FONT_LARGE), 86);
  EXPECT_FLOAT_EQ(alignedTextX(100, ALIGN_RIGHT, "OK", FONT_SMALL), 83);
  EXPECT_FLOAT_EQ(alignedTextX(100, ALIGN_RIGHT, "OK", FONT_LARGE), 72);
  EXPECT_FLOAT_EQ(alignedTextX(100, ALIGN_LEFT, "OK", FONT_LARGE), 100);
  // Fixed and Times: 3 pixels left per byte when centred, 6 when right-aligned.
  EXPECT_FLOAT_EQ(alignedTextX(100, ALIGN_CENTRE, "WWW", FONT_FIXED), 91);
  EXPECT_FLOAT_EQ(alignedTextX(100, ALIGN_CENTRE, "iii", FONT_TIMES), 91);
  EXPECT_FLOAT_EQ(alignedTextX(100, ALIGN_RIGHT, "iii", FONT_TIMES), 82);
}

struct Laid {
  std::vector<std::string> words;
  std::vector<int> xs;
  std::vector<int> lines;
  std::vector<int> colours;
};

void collect(const LaidText& item, void* context) {
  Laid* laid = static_cast<Laid*>(context);
  if (item.kind == LAID_WORD) {
    laid->words.emplace_back(item.start, item.length);
    laid->xs.push_back(item.x);
    laid->lines.push_back(item.line);
  } else {
    laid->colours.push_back(item.colour);
  }
}

// Lays out a copy of the text in a buffer of exactly its size, so that the
// sanitizers catch any read past the terminating zero.
struct Layout {
  std::vector<char> buffer;
  Laid laid;
  size_t stop = 0;  // offset where the layout stopped
};

Layout lay(const std::string& text, int wrapWidth, int budget = INT_MAX) {
  Layout result;
  result.buffer.assign(text.begin(), text.end());
  result.buffer.push_back(0);
  const char* end = layoutWrappedText(result.buffer.data(), wrapWidth, budget, collect, &result.laid);
  result.stop = static_cast<size_t>(end - result.buffer.data());
  return result;
}

class TextLayoutTest : public FontWidthsTest {};

TEST_F(TextLayoutTest, TitleCostsTwoLinesAndSetsColours) {
  Layout l = lay("<1>Title</1>Body", 1000);
  ASSERT_EQ(l.laid.words.size(), 2u);
  EXPECT_EQ(l.laid.words[0], "Title");
  EXPECT_EQ(l.laid.lines[0], 0);
  EXPECT_EQ(l.laid.lines[1], 2);
  EXPECT_EQ(l.laid.xs[1], 0);
  EXPECT_EQ(l.laid.colours, (std::vector<int>{TEXT_COLOUR_YELLOW, TEXT_COLOUR_WHITE}));
  EXPECT_EQ(l.stop, 16u);
}

TEST_F(TextLayoutTest, HeadingCostsOneLineOnAnEmptyLineElseTwo) {
  Layout atStart = lay("<2>Head</2>x", 1000);
  EXPECT_EQ(atStart.laid.lines, (std::vector<int>{1, 2}));
  Layout afterText = lay("ab <2>Head</2>x", 1000);
  EXPECT_EQ(afterText.laid.words, (std::vector<std::string>{"ab", " ", "Head", "x"}));
  EXPECT_EQ(afterText.laid.lines, (std::vector<int>{0, 0, 2, 3}));
}

TEST_F(TextLayoutTest, TagsIgnoreCaseAndOtherAnglesAreText) {
  Layout breaks = lay("a<L>b<LL>c<l>d<ll>e", 1000);
  EXPECT_EQ(breaks.laid.lines, (std::vector<int>{0, 1, 3, 4, 6}));
  Layout other = lay("a <x> b<3", 1000);
  std::string joined;
  for (const std::string& w : other.laid.words) joined += w;
  EXPECT_EQ(joined, "a <x> b<3");
  EXPECT_EQ(other.laid.lines, (std::vector<int>(other.laid.words.size(), 0)));
  // Tags straight after each other are all applied.
  Layout chained = lay("a<l><ll><2>H</2>b", 1000);
  EXPECT_EQ(chained.laid.words, (std::vector<std::string>{"a", "H", "b"}));
  EXPECT_EQ(chained.laid.lines, (std::vector<int>{0, 4, 5}));
}

TEST_F(TextLayoutTest, WordsWrapWhenTheLineWouldBeTooWide) {
  // "aa" is 18 pixels, " aa" 23: two fit in 41 exactly, the third wraps.
  Layout l = lay("aa aa aa", 41);
  EXPECT_EQ(l.laid.words, (std::vector<std::string>{"aa", " aa", "aa"}));
  EXPECT_EQ(l.laid.lines, (std::vector<int>{0, 0, 1}));
  EXPECT_EQ(l.laid.xs, (std::vector<int>{0, 18, 0}));
  Layout narrower = lay("aa aa aa", 40);
  EXPECT_EQ(narrower.laid.lines, (std::vector<int>{0, 1, 2}));
}

TEST_F(TextLayoutTest, BlanksAtTheStartOfALineAreSkipped) {
  Layout l = lay("   aa<l>   bb", 1000);
  EXPECT_EQ(l.laid.words, (std::vector<std::string>{"aa", "bb"}));
  EXPECT_EQ(l.laid.xs, (std::vector<int>{0, 0}));
  Layout trailing = lay("aa<l>     ", 1000);
  EXPECT_EQ(trailing.laid.words.size(), 1u);
  EXPECT_EQ(trailing.stop, 10u);
}

TEST_F(TextLayoutTest, AnOverlongWordStandsOnItsOwnLine) {
  Layout l = lay("x abcdefghij y", 30);
  EXPECT_EQ(l.laid.words, (std::vector<std::string>{"x", "abcdefghij", "y"}));
  EXPECT_EQ(l.laid.lines, (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(l.stop, 14u);
  for (int width : {0, -40}) {
    Layout tight = lay("a b c", width);
    EXPECT_EQ(tight.laid.words, (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(tight.laid.lines, (std::vector<int>{0, 1, 2}));
  }
}

TEST_F(TextLayoutTest, TheBudgetStopsWhereTheNextPageStarts) {
  // A wrap: the word that did not fit, with its blank.
  EXPECT_EQ(lay("aa aa aa", 20, 1).stop, 5u);
  // "<2>" and "</2>": the tag itself.
  EXPECT_EQ(lay("aa<2>H</2>", 1000, 1).stop, 2u);
  EXPECT_EQ(lay("<2>H</2>x", 1000, 1).stop, 4u);
  // "</1>", "<l>" and "<ll>": just after the tag.
  EXPECT_EQ(lay("<1>T</1>x", 1000, 1).stop, 8u);
  EXPECT_EQ(lay("a<l>b", 1000, 0).stop, 4u);
  EXPECT_EQ(lay("a<ll>b", 1000, 1).stop, 5u);
  // Within the budget the layout runs to the end.
  EXPECT_EQ(lay("a<ll>b", 1000, 2).stop, 6u);
}

TEST_F(TextLayoutTest, NothingIsReadPastTheEnd) {
  for (const char* text : {"<", "a<", "a<l", "<1", "a <", "<L", "ab<l>", "  ", ""}) {
    Layout l = lay(text, 1000);
    EXPECT_EQ(l.stop, std::strlen(text)) << text;
  }
}

TEST_F(TextLayoutTest, ManualWrapWidthIsTruncated) {
  int32_t savedWidth = drawAreaWidth;
  float savedMargin = wrapMarginX;
  float savedPadding = wrapPaddingX;
  drawAreaWidth = 1000;
  wrapMarginX = 100.4f;
  wrapPaddingX = 10.0f;
  EXPECT_EQ(manualWrapWidth(), 779);  // 779.2
  drawAreaWidth = 10;
  EXPECT_EQ(manualWrapWidth(), -210);  // -210.8, toward zero
  drawAreaWidth = savedWidth;
  wrapMarginX = savedMargin;
  wrapPaddingX = savedPadding;
}

}  // namespace
