// The section maps and course previews: the mask lines and fill, the dimming
// outside a section, the brighter merge, and maps of the real board.
#include <cmath>
#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "model/board_sections.h"
#include "model/track_geometry.h"
#include "render/section_maps.h"

namespace {

class Mask : public ::testing::Test {
 protected:
  std::vector<uint8_t> mask = std::vector<uint8_t>(MASK_WIDTH * MASK_HEIGHT, MASK_OUTSIDE);
  uint8_t at(int x, int y) const { return mask[y * MASK_WIDTH + x]; }
  int count(uint8_t value) const {
    int n = 0;
    for (uint8_t v : mask) n += v == value;
    return n;
  }
};

TEST_F(Mask, LineBetweenEqualPointsSetsThatPixelOnly) {
  plotMaskLine(mask.data(), 100, 50, 100, 50);
  EXPECT_EQ(at(100, 50), MASK_OUTLINE);
  EXPECT_EQ(count(MASK_OUTLINE), 1);
}

TEST_F(Mask, HorizontalLineIsThreePixelsThickWithRoundedEnds) {
  plotMaskLine(mask.data(), 10, 5, 20, 5);
  for (int x = 9; x <= 21; ++x) EXPECT_EQ(at(x, 5), MASK_OUTLINE) << x;
  for (int x = 10; x <= 20; ++x) {
    EXPECT_EQ(at(x, 4), MASK_OUTLINE) << x;
    EXPECT_EQ(at(x, 6), MASK_OUTLINE) << x;
  }
  EXPECT_EQ(at(9, 4), MASK_OUTSIDE);
  EXPECT_EQ(at(21, 6), MASK_OUTSIDE);
  EXPECT_EQ(count(MASK_OUTLINE), 13 + 2 * 11);
  // Drawn the other way round, the same pixels.
  std::vector<uint8_t> reversed(MASK_WIDTH * MASK_HEIGHT, MASK_OUTSIDE);
  plotMaskLine(reversed.data(), 20, 5, 10, 5);
  EXPECT_EQ(reversed, mask);
}

TEST_F(Mask, SteepAndDiagonalLinesReachBothEnds) {
  plotMaskLine(mask.data(), 300, 100, 310, 140);
  EXPECT_EQ(at(300, 100), MASK_OUTLINE);
  EXPECT_EQ(at(310, 140), MASK_OUTLINE);
  plotMaskLine(mask.data(), 500, 300, 450, 250);
  EXPECT_EQ(at(500, 300), MASK_OUTLINE);
  EXPECT_EQ(at(450, 250), MASK_OUTLINE);
  EXPECT_EQ(at(475, 275), MASK_OUTLINE);
  // Upwards and to the left.
  plotMaskLine(mask.data(), 700, 400, 690, 300);
  EXPECT_EQ(at(700, 400), MASK_OUTLINE);
  EXPECT_EQ(at(695, 350), MASK_OUTLINE);
}

TEST_F(Mask, LinesAtTheEdgesStayOnTheMask) {
  // The mask is followed by a guard area: a write above row 0 or past the
  // last pixel would land in it.
  std::vector<uint8_t> guarded(MASK_WIDTH * (MASK_HEIGHT + 2), 7);
  uint8_t* inner = guarded.data() + MASK_WIDTH;
  std::memset(inner, 0, MASK_WIDTH * MASK_HEIGHT);
  plotMaskLine(inner, 0, 0, 1023, 0);
  plotMaskLine(inner, 0, 0, 0, 511);
  plotMaskLine(inner, 1023, 511, 0, 511);
  plotMaskLine(inner, 1023, 0, 1023, 511);
  plotMaskLine(inner, -20, -20, 1100, 600);
  for (int i = 0; i < MASK_WIDTH; ++i) {
    EXPECT_EQ(guarded[i], 7) << "above the top row, column " << i;
    EXPECT_EQ(guarded[MASK_WIDTH * (MASK_HEIGHT + 1) + i], 7) << "below the last row";
  }
  // A line at column 0 does not wrap into the previous row's last pixel.
  std::memset(inner, 0, MASK_WIDTH * MASK_HEIGHT);
  plotMaskLine(inner, 0, 100, 0, 200);
  EXPECT_EQ(inner[99 * MASK_WIDTH + 1023], 0);
  EXPECT_EQ(inner[150 * MASK_WIDTH + 1023], 0);
  EXPECT_EQ(inner[150 * MASK_WIDTH + 0], MASK_OUTLINE);
  EXPECT_EQ(inner[150 * MASK_WIDTH + 1], MASK_OUTLINE);
}

TEST_F(Mask, ClosedOutlineIsFilledInsideOnly) {
  plotMaskLine(mask.data(), 100, 100, 200, 100);
  plotMaskLine(mask.data(), 200, 100, 200, 180);
  plotMaskLine(mask.data(), 200, 180, 100, 180);
  plotMaskLine(mask.data(), 100, 180, 100, 100);
  fillMaskOutline(mask.data(), 100, 200, 100, 180);
  EXPECT_EQ(at(150, 140), MASK_INSIDE);
  EXPECT_EQ(at(102, 102), MASK_INSIDE);
  EXPECT_EQ(at(198, 178), MASK_INSIDE);
  EXPECT_EQ(at(150, 97), MASK_OUTSIDE);
  EXPECT_EQ(at(203, 140), MASK_OUTSIDE);
  EXPECT_EQ(at(50, 140), MASK_OUTSIDE);
  EXPECT_EQ(at(150, 100), MASK_OUTLINE) << "the outline itself stays an outline";
  EXPECT_EQ(count(MASK_INSIDE), 97 * 77);
}

TEST_F(Mask, TangentColumnIsLeftToTheRowPass) {
  // A triangle whose apex touches column 300 with one run only: the column
  // pass leaves that column, the row pass fills inside the triangle.
  plotMaskLine(mask.data(), 300, 100, 400, 200);
  plotMaskLine(mask.data(), 400, 200, 200, 200);
  plotMaskLine(mask.data(), 200, 200, 300, 100);
  // Only the column pass, on the apex column alone: one run, no fill.
  fillMaskOutline(mask.data(), 303, 303, 95, 97);
  EXPECT_EQ(count(MASK_INSIDE), 0);
  // A column crossed by one run only (the whole width of the bottom line
  // at its end) stays empty in a box of that column.
  std::vector<uint8_t> single(MASK_WIDTH * MASK_HEIGHT, MASK_OUTSIDE);
  plotMaskLine(single.data(), 10, 50, 10, 60);
  fillMaskOutline(single.data(), 10, 10, 40, 70);
  for (uint8_t v : single) ASSERT_NE(v, MASK_INSIDE);
  // The whole box fills the triangle's inside.
  fillMaskOutline(mask.data(), 200, 400, 100, 200);
  EXPECT_EQ(at(300, 180), MASK_INSIDE);
  EXPECT_EQ(at(300, 130), MASK_INSIDE);
  EXPECT_EQ(at(230, 130), MASK_OUTSIDE);
  EXPECT_EQ(at(370, 130), MASK_OUTSIDE);
}

TEST(SectionImages, MergeTakesStrictlyBrighterRedOnly) {
  std::vector<uint8_t> destination(BOARD_IMAGE_BYTES, 0);
  std::vector<uint8_t> source(BOARD_IMAGE_BYTES, 0);
  auto set = [](std::vector<uint8_t>& image, int pixel, uint8_t r, uint8_t g, uint8_t b) {
    image[3 * pixel] = r;
    image[3 * pixel + 1] = g;
    image[3 * pixel + 2] = b;
  };
  set(destination, 0, 100, 1, 2);
  set(source, 0, 100, 50, 60);  // equal red: kept
  set(destination, 1, 100, 1, 2);
  set(source, 1, 101, 50, 60);  // brighter red: copied, green and blue too
  set(destination, 2, 200, 1, 2);
  set(source, 2, 100, 250, 250);  // darker red, brighter green: kept
  set(source, 3, 255, 0, 0);      // over black
  mergeBrighterPixels(destination.data(), source.data());
  EXPECT_EQ(destination[0 * 3 + 1], 1);
  EXPECT_EQ(destination[1 * 3 + 0], 101);
  EXPECT_EQ(destination[1 * 3 + 1], 50);
  EXPECT_EQ(destination[1 * 3 + 2], 60);
  EXPECT_EQ(destination[2 * 3 + 0], 200);
  EXPECT_EQ(destination[2 * 3 + 1], 1);
  EXPECT_EQ(destination[3 * 3 + 0], 255);
}

class SectionMaps : public ::testing::Test {
 protected:
  void SetUp() override {
    fillSineTables();
    initBoardSections();
  }
  // A grey board image, each pixel 201 (odd, to see the fraction dropped).
  std::vector<uint8_t> greyBoard() { return std::vector<uint8_t>(BOARD_IMAGE_BYTES, 201); }
  int brightPixels(const std::vector<uint8_t>& image) {
    int n = 0;
    for (int i = 0; i < MASK_WIDTH * MASK_HEIGHT; ++i) n += image[3 * i] == 201;
    return n;
  }
  // The image pixel of a board point, as the maps place it.
  static int pixelOf(float x, float y) {
    int column = 1023 - static_cast<int>(x * 1024 / 1954);
    int row = static_cast<int>(y * 512 / 1152);
    return row * MASK_WIDTH + column;
  }
};

TEST_F(SectionMaps, ASectionWithoutPiecesIsDimmedEverywhere) {
  // No section number names pieces outside 0 to 8.
  std::vector<uint8_t> image = greyBoard();
  dimOutsideSection(image.data(), 9);
  EXPECT_EQ(brightPixels(image), 0);
  EXPECT_EQ(image[0], 100) << "halved with the fraction dropped";
  // A real section emptied for the test.
  int arcs = sectionArcCount[1], quads = sectionQuadCount[1], outlines = sectionOutlineCount[1];
  sectionArcCount[1] = sectionQuadCount[1] = sectionOutlineCount[1] = 0;
  image = greyBoard();
  dimOutsideSection(image.data(), 1);
  EXPECT_EQ(brightPixels(image), 0);
  sectionArcCount[1] = arcs;
  sectionQuadCount[1] = quads;
  sectionOutlineCount[1] = outlines;
}

TEST_F(SectionMaps, FlaggedStraightPiecesStayBright) {
  for (int s = 0; s < SECTION_COUNT; ++s) {
    std::vector<uint8_t> image = greyBoard();
    dimOutsideSection(image.data(), s);
    int bright = brightPixels(image);
    bool hasPieces = sectionArcCount[s] > 0 || sectionOutlineCount[s] > 0;
    for (int q = 0; q < sectionQuadCount[s]; ++q) {
      const BoardQuad& quad = sectionQuads[s][q];
      if (!quad.outlined) continue;
      hasPieces = true;
      float cx = 0, cy = 0;
      for (const auto& corner : quad.corners) {
        cx += corner[0] / 4;
        cy += corner[1] / 4;
      }
      EXPECT_EQ(image[3 * pixelOf(cx, cy)], 201) << "section " << s << " piece " << q;
    }
    if (hasPieces) {
      EXPECT_GT(bright, 1000) << "section " << s;
      EXPECT_LT(bright, MASK_WIDTH * MASK_HEIGHT / 2) << "section " << s;
    } else {
      EXPECT_EQ(bright, 0) << "section " << s;
    }
    // The board's corner is never part of a section.
    EXPECT_EQ(image[0], 100);
  }
}

TEST_F(SectionMaps, ArcsStayBrightWhicheverWayTheirAnglesRun) {
  // A section made of one arc, given low to high and high to low.
  BoardArc arc(0, 5, 0, 3, 1000, 600, 200, 300, 150, 250, 0.3f, 1.4f, 0);
  int arcs = sectionArcCount[2], quads = sectionQuadCount[2], outlines = sectionOutlineCount[2];
  BoardArc kept = sectionArcs[2][0];
  sectionArcCount[2] = 1;
  sectionQuadCount[2] = sectionOutlineCount[2] = 0;
  sectionArcs[2][0] = arc;
  std::vector<uint8_t> forward = greyBoard();
  dimOutsideSection(forward.data(), 2);
  std::swap(sectionArcs[2][0].angleFrom, sectionArcs[2][0].angleTo);
  std::vector<uint8_t> backward = greyBoard();
  dimOutsideSection(backward.data(), 2);
  sectionArcs[2][0] = kept;
  sectionArcCount[2] = arcs;
  sectionQuadCount[2] = quads;
  sectionOutlineCount[2] = outlines;

  EXPECT_EQ(forward, backward);
  // Middle of the ring at the middle angle: bright; the centre: dim.
  float a = 0.85f;
  float x = 1000 + 250 * std::cos(a);
  float y = 600 + 200 * std::sin(a);
  EXPECT_EQ(forward[3 * pixelOf(x, y)], 201);
  EXPECT_EQ(forward[3 * pixelOf(1000, 600)], 100);
  EXPECT_GT(brightPixels(forward), 2000);
}

TEST_F(SectionMaps, PreviewMergesTheSectionsBeforeTheFinishOnly) {
  // Each map bright in a block of its own, so the preview shows which it took.
  for (int s = 0; s < SECTION_COUNT; ++s) {
    std::memset(sectionMapImages[s], 10, BOARD_IMAGE_BYTES);
    sectionMapImages[s][3 * (1000 + s)] = 200;
  }
  char kept[13];
  std::memcpy(kept, predefinedCourses[2], sizeof kept);
  std::strcpy(predefinedCourses[2], "64S5F12");
  buildCoursePreview(2);
  std::memcpy(predefinedCourses[2], kept, sizeof kept);
  const uint8_t* preview = coursePreviewImages[2];
  for (int s = 0; s < SECTION_COUNT; ++s) {
    bool taken = s == 6 || s == 4 || s == 5;
    EXPECT_EQ(preview[3 * (1000 + s)], taken ? 200 : 10) << "section " << s;
  }
  EXPECT_EQ(preview[0], 10);
}

TEST_F(SectionMaps, PreviewOfNoSectionsIsBlack) {
  std::memset(coursePreviewImages[1], 99, BOARD_IMAGE_BYTES);
  char kept[13];
  std::memcpy(kept, predefinedCourses[1], sizeof kept);
  std::strcpy(predefinedCourses[1], "F0123");
  buildCoursePreview(1);
  std::memcpy(predefinedCourses[1], kept, sizeof kept);
  for (int i = 0; i < BOARD_IMAGE_BYTES; i += 4099) ASSERT_EQ(coursePreviewImages[1][i], 0) << i;
}

}  // namespace
