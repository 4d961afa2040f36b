#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "texts/language_texts.h"
#include "texts/manual.h"
#include "texts/text_layout.h"

namespace {

// The manual frame for a drawing area of W x H, as the window lays it out:
// margins of 0.1 W and 0.01 W, and 20-pixel lines in 0.97 of the height
// above the OK button, less 40 pixels.
void layOutWindow(int width, int height) {
  drawAreaWidth = width;
  drawAreaHeight = height;
  float w = static_cast<float>(width);
  float h = static_cast<float>(height);
  wrapMarginX = 0.1f * w;
  wrapPaddingX = 0.01f * w;
  float buttonHeight = 0.03f * h;
  float okButtonY = (h - 20) - 1.1f * buttonHeight;
  float boxHeight = 0.97f * okButtonY;
  manualLinesPerPage = static_cast<int32_t>((boxHeight - 40) / 20);
}

class ManualTest : public ::testing::Test {
 protected:
  void SetUp() override {
    initFontWidths();
    manualPage = 0;
  }
  void TearDown() override {
    drawAreaWidth = 0;
    drawAreaHeight = 0;
    wrapMarginX = 0;
    wrapPaddingX = 0;
    manualLinesPerPage = 32;
    language = LANGUAGE_ENGLISH;
  }
  static void useManual(const char* text) {
    std::memset(manualText, 0, sizeof manualText);
    std::strncpy(manualText, text, sizeof manualText - 1);
  }
};

// Words of a text with its mark-up taken out.
std::vector<std::string> wordsOf(const std::string& text) {
  static const char* tags[] = {"<1>", "</1>", "<2>", "</2>", "<ll>", "<l>"};
  std::string plain;
  for (size_t i = 0; i < text.size();) {
    bool tag = false;
    for (const char* t : tags) {
      size_t n = std::strlen(t);
      if (strncasecmp(text.c_str() + i, t, n) == 0) {
        plain += ' ';
        i += n;
        tag = true;
        break;
      }
    }
    if (!tag) plain += text[i++];
  }
  std::vector<std::string> words;
  std::string word;
  for (char c : plain + " ") {
    if (c == ' ') {
      if (!word.empty()) words.push_back(word);
      word.clear();
    } else {
      word += c;
    }
  }
  return words;
}

void collectWords(const LaidText& item, void* context) {
  if (item.kind != LAID_WORD) return;
  std::string word(item.start, item.length);
  size_t first = word.find_first_not_of(' ');
  if (first != std::string::npos) static_cast<std::vector<std::string>*>(context)->push_back(word.substr(first));
}

// Lays out every page from its recorded start with the page's line budget,
// as the manual screen draws it, and checks that each page ends where the
// next starts. Returns the words of all pages in order.
std::vector<std::string> checkPages(const std::string& where) {
  std::vector<std::string> words;
  int wrapWidth = manualWrapWidth();
  EXPECT_GE(manualPageCount, 1) << where;
  EXPECT_LE(manualPageCount, MANUAL_MAX_PAGES) << where;
  EXPECT_EQ(manualPageStarts[0], manualText) << where;
  for (int page = 0; page < manualPageCount; ++page) {
    const char* start = manualPageStarts[page];
    const char* end = layoutWrappedText(start, wrapWidth, manualLinesPerPage, collectWords, &words);
    if (page + 1 < manualPageCount) {
      EXPECT_GT(manualPageStarts[page + 1], start) << where << " page " << page;
      EXPECT_EQ(end, manualPageStarts[page + 1]) << where << " page " << page;
    }
  }
  return words;
}

bool restIsBlank(const char* p) {
  while (*p == ' ') ++p;
  return *p == 0;
}

struct WindowSize {
  int width;
  int height;
};

const WindowSize windowSizes[] = {
    {640, 512}, {800, 640}, {960, 768}, {1024, 819}, {1280, 1024}, {1500, 1200}, {2560, 2048},
};

TEST_F(ManualTest, LinesPerPageOfTheReferenceWindows) {
  layOutWindow(1280, 1024);
  EXPECT_EQ(manualLinesPerPage, 45);
  layOutWindow(960, 768);
  EXPECT_EQ(manualLinesPerPage, 33);
}

TEST_F(ManualTest, EveryManualFitsItsPagesWordForWord) {
  for (int l = 0; l < LANGUAGE_COUNT; ++l) {
    std::vector<std::string> expected = wordsOf(manualForLanguage(l));
    for (const WindowSize& size : windowSizes) {
      layOutWindow(size.width, size.height);
      useManual(manualForLanguage(l));
      paginateManual();
      std::string where = "language " + std::to_string(l) + " at " + std::to_string(size.width);
      std::vector<std::string> words = checkPages(where);
      EXPECT_EQ(words, expected) << where;
      // The last page ends with the text.
      const char* last = manualPageStarts[manualPageCount - 1];
      EXPECT_TRUE(restIsBlank(layoutWrappedText(last, manualWrapWidth(), manualLinesPerPage, nullptr, nullptr)))
          << where;
    }
  }
}

void countLines(const LaidText& item, void* context) {
  auto* lines = static_cast<std::vector<int>*>(context);
  if (item.kind == LAID_WORD && (lines->empty() || lines->back() != item.line)) lines->push_back(item.line);
}

TEST_F(ManualTest, NoPageOfTheGermanManualHoldsALoneLine) {
  // The drawing areas of the usual screens at 5:4, 4:3 and 16:10, and the
  // sizes above.
  std::vector<WindowSize> sizes(std::begin(windowSizes), std::end(windowSizes));
  for (WindowSize size : {WindowSize{1200, 1024}, WindowSize{1000, 1024}, WindowSize{1000, 800},
                          WindowSize{1312, 1050}, WindowSize{1200, 960}})
    sizes.push_back(size);
  for (const WindowSize& size : sizes) {
    layOutWindow(size.width, size.height);
    useManual(manualForLanguage(LANGUAGE_GERMAN));
    paginateManual();
    for (int page = 0; page < manualPageCount; ++page) {
      std::vector<int> lines;
      layoutWrappedText(manualPageStarts[page], manualWrapWidth(), manualLinesPerPage, countLines, &lines);
      EXPECT_GT(lines.size(), 1u) << "at " << size.width << " x " << size.height << ", page " << page + 1
                                  << " of " << int(manualPageCount);
    }
  }
}

TEST_F(ManualTest, ManualsNeedSeveralPagesOnSmallWindowsAndFewOnLargeOnes) {
  layOutWindow(640, 512);
  useManual(manualForLanguage(LANGUAGE_DUTCH));
  paginateManual();
  int small = manualPageCount;
  layOutWindow(2560, 2048);
  paginateManual();
  EXPECT_GT(small, 3);
  EXPECT_LT(manualPageCount, small);
}

TEST_F(ManualTest, APageBrokenAtAHeadingStartsWithTheHeading) {
  // Find a window height where some page begins at a heading.
  bool found = false;
  for (int height = 400; height < 1200 && !found; height += 7) {
    layOutWindow(800, height);
    useManual(manualForLanguage(LANGUAGE_ENGLISH));
    paginateManual();
    for (int page = 1; page < manualPageCount; ++page) {
      if (std::strncmp(manualPageStarts[page], "<2>", 3) == 0) {
        found = true;
        // Laid from there the heading costs one line and is yellow.
        checkPages("heading break at height " + std::to_string(height));
      }
    }
  }
  EXPECT_TRUE(found);
}

TEST_F(ManualTest, TinyWindowsStillEndWithinTheEleventhPage) {
  struct Case {
    int drawWidth;
    float margin;
    int lines;
  };
  const Case cases[] = {
      {0, 0, 32},     // wrap width 0
      {10, 20, 32},   // negative wrap width
      {60, 6, 5},     // most words wider than the line
      {800, 80, 0},   // no line on a page
      {800, 80, -3},  // negative budget
      {800, 80, 1},
      {100000, 0, 1000},
  };
  for (int l = 0; l < LANGUAGE_COUNT; ++l) {
    for (const Case& c : cases) {
      drawAreaWidth = c.drawWidth;
      wrapMarginX = c.margin;
      wrapPaddingX = 0;
      manualLinesPerPage = c.lines;
      useManual(manualForLanguage(l));
      paginateManual();
      checkPages("tiny window " + std::to_string(c.drawWidth) + "/" + std::to_string(c.lines));
    }
  }
}

TEST_F(ManualTest, TheShownPageIsClampedToThePageCount) {
  layOutWindow(640, 512);
  useManual(manualForLanguage(LANGUAGE_GERMAN));
  paginateManual();
  ASSERT_GT(manualPageCount, 2);
  manualPage = static_cast<uint8_t>(manualPageCount - 1);
  layOutWindow(2560, 2048);
  paginateManual();
  EXPECT_EQ(manualPage, manualPageCount - 1);
  manualPage = 0;
  layOutWindow(640, 512);
  paginateManual();
  EXPECT_EQ(manualPage, 0);
}

TEST_F(ManualTest, AnOverlongManualStopsAtElevenPages) {
  std::string text = "<1>Title</1>";
  while (text.size() < 6000) text += "word <l>";
  layOutWindow(1280, 1024);
  useManual(text.c_str());
  paginateManual();
  EXPECT_EQ(manualPageCount, MANUAL_MAX_PAGES);
  checkPages("overlong manual");
  for (int page = 1; page < MANUAL_MAX_PAGES; ++page) {
    EXPECT_GT(manualPageStarts[page], manualPageStarts[page - 1]);
  }
}

// Random texts of words, blanks and tags at random sizes: pagination always
// ends, and when it needs fewer than eleven pages every word is on exactly
// one page, in order.
TEST_F(ManualTest, RandomTextsPaginateConsistently) {
  std::mt19937 random(20240611);
  const char* pieces[] = {"a",   "word",  " ",    "  ",  "<l>",  "<ll>", "<2>", "</2>", "<1>",
                          "</1>", "<L>", "\xe9t\xe9", "Wwwwwwwwwwwwwwwwwwwwwwwwwwwww", "<x>", "\""};
  for (int round = 0; round < 300; ++round) {
    std::string text;
    int length = static_cast<int>(random() % 400);
    for (int i = 0; i < length; ++i) text += pieces[random() % (sizeof pieces / sizeof pieces[0])];
    drawAreaWidth = static_cast<int32_t>(random() % 700) - 50;
    wrapMarginX = static_cast<float>(random() % 40);
    wrapPaddingX = 0;
    manualLinesPerPage = static_cast<int32_t>(random() % 12) - 1;
    useManual(text.c_str());
    paginateManual();
    std::vector<std::string> words = checkPages("random round " + std::to_string(round));
    const char* last = manualPageStarts[manualPageCount - 1];
    bool complete = restIsBlank(layoutWrappedText(last, manualWrapWidth(), manualLinesPerPage, nullptr, nullptr));
    if (manualPageCount < MANUAL_MAX_PAGES && manualLinesPerPage >= 1) {
      EXPECT_TRUE(complete) << round;
    }
    if (complete && text.find("<x>") == std::string::npos) {
      EXPECT_EQ(words, wordsOf(text)) << round;
    }
  }
}

std::vector<std::string> headingsOf(const std::string& text) {
  std::vector<std::string> headings;
  size_t at = 0;
  while ((at = text.find("<2>", at)) != std::string::npos) {
    size_t end = text.find("</2>", at);
    headings.push_back(text.substr(at + 3, end - at - 3));
    at = end;
  }
  return headings;
}

TEST_F(ManualTest, ManualsHaveTheFixedStructure) {
  std::string english = manualForLanguage(LANGUAGE_ENGLISH);
  EXPECT_EQ(english.rfind("<1>Manual for PC Version of Corvalis</1>", 0), 0u);
  EXPECT_EQ(headingsOf(english),
            (std::vector<std::string>{"Main Menu", "Course Selection Screen", "Designing Custom Courses",
                                      "Positioning the Riders", "Game Play", "Other Controls", "Shortcuts"}));
  EXPECT_EQ(headingsOf(manualForLanguage(LANGUAGE_GERMAN)),
            (std::vector<std::string>{"Hauptmen\xfc", "Mannschaftseinstellungen", "Streckenauswahl",
                                      "Eigene Strecken entwerfen", "Aufstellen der Radfahrer", "Spielablauf",
                                      "Weitere Bedienung"}));
  EXPECT_EQ(headingsOf(manualForLanguage(LANGUAGE_FRENCH)).size(), 7u);
  EXPECT_EQ(headingsOf(manualForLanguage(LANGUAGE_FRENCH))[1], "Attribution des \xe9quipes");
  std::vector<std::string> dutch = headingsOf(manualForLanguage(LANGUAGE_DUTCH));
  ASSERT_EQ(dutch.size(), 8u);
  EXPECT_EQ(dutch[1], "Ploegeninstelling");
  EXPECT_EQ(dutch[7], "Sneltoetsen");

  for (int l = 0; l < LANGUAGE_COUNT; ++l) {
    std::string text = manualForLanguage(l);
    EXPECT_LT(text.size(), static_cast<size_t>(MANUAL_TEXT_SIZE)) << l;
    EXPECT_GT(text.size(), 5000u) << l;
    EXPECT_EQ(text.rfind("<1>", 0), 0u) << l;
    // The step keys of the game play section stand one a line.
    std::vector<std::string> headings = headingsOf(text);
    size_t play = text.find("<2>" + headings[headings.size() - (l == LANGUAGE_GERMAN || l == LANGUAGE_FRENCH ? 2 : 3)]);
    size_t next = text.find("<2>", play + 3);
    size_t stepLines = 0;
    for (size_t at = text.find("<l>", play); at < next; at = text.find("<l>", at + 3)) ++stepLines;
    EXPECT_GE(stepLines, 5u) << l;
    // The closing lines: contact, thanks and a last line.
    size_t closing = text.rfind("<ll>");
    EXPECT_GT(closing, text.rfind("</2>")) << l;
    EXPECT_EQ(text.find("<", closing + 4), std::string::npos) << l;
  }
  EXPECT_EQ(manualForLanguage(4), nullptr);
  EXPECT_EQ(manualForLanguage(255), nullptr);
}

// Every accented letter of the manuals is one the large font draws with its
// own glyph and measures.
TEST_F(ManualTest, ManualLettersAreDrawableInTheLargeFont) {
  const std::string ownGlyphs = "\xe0\xe1\xe2\xe4\xe7\xe8\xe9\xea\xeb\xf4\xf6\xfc\xdf\xc0\xc9\xdc";
  for (int l = 0; l < LANGUAGE_COUNT; ++l) {
    std::string text = manualForLanguage(l);
    for (size_t i = 0; i < text.size(); ++i) {
      unsigned char c = static_cast<unsigned char>(text[i]);
      if (c >= 0x80) {
        EXPECT_NE(ownGlyphs.find(static_cast<char>(c)), std::string::npos) << l << " byte " << int(c);
        EXPECT_GT(charWidthsLarge[c], 0);
        // No UTF-8: an accented letter is never followed by a continuation byte.
        if (i + 1 < text.size()) {
          unsigned char after = static_cast<unsigned char>(text[i + 1]);
          EXPECT_FALSE(after >= 0x80 && after <= 0xBF) << l << " at " << i;
        }
      } else {
        EXPECT_GE(c, 0x20) << l;
      }
      // Every "<" opens a tag.
      if (c == '<') {
        bool tag = false;
        for (const char* t : {"<1>", "</1>", "<2>", "</2>", "<ll>", "<l>"}) {
          tag = tag || text.compare(i, std::strlen(t), t) == 0;
        }
        EXPECT_TRUE(tag) << l << " at " << i;
      }
    }
  }
}

}  // namespace
