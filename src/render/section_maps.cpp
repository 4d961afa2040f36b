#include "render/section_maps.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "model/track_geometry.h"

uint8_t sectionMapImages[SECTION_COUNT][BOARD_IMAGE_BYTES];
uint8_t coursePreviewImages[COURSE_PREVIEW_COUNT][BOARD_IMAGE_BYTES];

namespace {

const float ARC_STEP = 0.05f;

struct Box {
  int minX = MASK_WIDTH - 1;
  int maxX = 0;
  int minY = MASK_HEIGHT - 1;
  int maxY = 0;
  void widen(int x, int y) {
    if (x < minX) minX = x;
    if (x > maxX) maxX = x;
    if (y < minY) minY = y;
    if (y > maxY) maxY = y;
  }
};

struct MaskPoint {
  int x;
  int y;
};

void setPixel(uint8_t* mask, int x, int y) {
  if (x < 0 || x >= MASK_WIDTH || y < 0 || y >= MASK_HEIGHT) return;
  mask[y * MASK_WIDTH + x] = MASK_OUTLINE;
}

void stampBrush(uint8_t* mask, float x, float y) {
  int px = static_cast<int>(x);
  int py = static_cast<int>(y);
  setPixel(mask, px, py);
  setPixel(mask, px, py - 1);
  setPixel(mask, px, py + 1);
  setPixel(mask, px - 1, py);
  setPixel(mask, px + 1, py);
}

// Table index of an angle in radians: whole degrees, 0 to 359.
int angleIndex(float a) {
  return static_cast<int>(a * 360 / 6.2831853 + 360) % 360;
}

// A point of an arc's edge: the mapping of a board point used for arcs,
// 1023 minus the whole part of the scaled x.
MaskPoint arcPoint(const BoardArc& arc, float radiusX, float radiusY, float a) {
  int index = angleIndex(a);
  if (index < 0) index += 360;
  float x = radiusX * cosTable[index] + arc.centreX;
  float y = radiusY * sinTable[index] + arc.centreY;
  MaskPoint p;
  p.x = 1023 - static_cast<int>(x * 1024 / 1954);
  p.y = static_cast<int>(y * 512 / 1152);
  return p;
}

// The mapping of a straight piece's corner: the whole part taken after
// subtracting, in single precision.
MaskPoint quadCorner(const BoardQuad& quad, int i) {
  MaskPoint p;
  p.x = static_cast<int>(1023 - quad.corners[i][0] * 1024 / 1954.0f);
  p.y = static_cast<int>(quad.corners[i][1] * 512 / 1152.0f);
  return p;
}

// The mapping of an outline point: whole-number arithmetic throughout.
MaskPoint outlinePoint(const BoardOutline& outline, int i) {
  MaskPoint p;
  p.x = 1023 - (outline.points[i][0] * 1024) / 1954;
  p.y = (outline.points[i][1] * 512) / 1152;
  return p;
}

void line(uint8_t* mask, MaskPoint a, MaskPoint b) { plotMaskLine(mask, a.x, a.y, b.x, b.y); }

// Walks one edge of an arc from lo towards hi; returns whether it produced
// a point, and its last point.
bool walkArcEdge(uint8_t* mask, const BoardArc& arc, float radiusX, float radiusY, float lo,
                 float hi, Box& box, MaskPoint* last) {
  bool any = false;
  MaskPoint previous = {0, 0};
  for (float a = lo; a < hi; a += ARC_STEP) {
    MaskPoint p = arcPoint(arc, radiusX, radiusY, a);
    if (any) line(mask, previous, p);
    box.widen(p.x, p.y);
    previous = p;
    any = true;
  }
  *last = previous;
  return any;
}

void settleOutline(uint8_t* mask) {
  for (int i = 0; i < MASK_WIDTH * MASK_HEIGHT; ++i)
    if (mask[i] == MASK_OUTLINE) mask[i] = MASK_INSIDE;
}

void rasteriseArc(uint8_t* mask, const BoardArc& arc) {
  float lo = arc.angleFrom < arc.angleTo ? arc.angleFrom : arc.angleTo;
  float hi = arc.angleFrom < arc.angleTo ? arc.angleTo : arc.angleFrom;
  Box box;
  MaskPoint last;
  MaskPoint innerHi = arcPoint(arc, arc.radiusXFrom, arc.radiusYFrom, hi);
  MaskPoint outerHi = arcPoint(arc, arc.radiusXTo, arc.radiusYTo, hi);
  if (walkArcEdge(mask, arc, arc.radiusXFrom, arc.radiusYFrom, lo, hi, box, &last))
    line(mask, last, innerHi);
  if (walkArcEdge(mask, arc, arc.radiusXTo, arc.radiusYTo, lo, hi, box, &last))
    line(mask, last, outerHi);
  line(mask, arcPoint(arc, arc.radiusXFrom, arc.radiusYFrom, lo),
       arcPoint(arc, arc.radiusXTo, arc.radiusYTo, lo));
  line(mask, innerHi, outerHi);
  fillMaskOutline(mask, box.minX, box.maxX, box.minY, box.maxY);
  settleOutline(mask);
}

void rasteriseQuad(uint8_t* mask, const BoardQuad& quad) {
  Box box;
  for (int i = 0; i < 4; ++i) {
    MaskPoint p = quadCorner(quad, i);
    line(mask, p, quadCorner(quad, (i + 1) % 4));
    box.widen(p.x, p.y);
  }
  fillMaskOutline(mask, box.minX, box.maxX, box.minY, box.maxY);
  settleOutline(mask);
}

void rasteriseOutline(uint8_t* mask, const BoardOutline& outline) {
  int n = outline.pointCount;
  if (n <= 0) return;
  if (n > MAX_OUTLINE_POINTS) n = MAX_OUTLINE_POINTS;
  Box box;
  for (int i = 0; i < n; ++i) {
    MaskPoint p = outlinePoint(outline, i);
    line(mask, p, outlinePoint(outline, (i + 1) % n));
    box.widen(p.x, p.y);
  }
  fillMaskOutline(mask, box.minX, box.maxX, box.minY, box.maxY);
  settleOutline(mask);
}

// One line of the fill (a column or a row): count pixels from first to
// last with the given stride; before is the neighbour towards the start.
void fillLine(uint8_t* mask, int first, int count, int stride, bool firstHasNeighbour) {
  auto isOutline = [&](int k) {
    if (k < 0) return firstHasNeighbour && mask[first - stride] == MASK_OUTLINE;
    return mask[first + k * stride] == MASK_OUTLINE;
  };
  int runs = 0;
  for (int k = 0; k < count; ++k)
    if (isOutline(k) && !isOutline(k - 1)) ++runs;
  if (runs < 2 || runs % 2 != 0) return;
  bool inside = false;
  for (int k = 0; k < count; ++k) {
    uint8_t& pixel = mask[first + k * stride];
    if (pixel == MASK_OUTLINE) {
      if (!isOutline(k - 1)) inside = !inside;
    } else if (pixel == MASK_OUTSIDE && inside) {
      pixel = MASK_INSIDE;
    }
  }
}

}  // namespace

void plotMaskLine(uint8_t* mask, int x0, int y0, int x1, int y1) {
  float stepX, stepY;
  if (std::abs(x0 - x1) <= std::abs(y0 - y1)) {
    if (y0 == y1) {
      setPixel(mask, x1, y1);
      return;
    }
    stepX = static_cast<float>(x1 - x0) / static_cast<float>(std::abs(y1 - y0));
    stepY = y0 <= y1 ? 1.0f : -1.0f;
  } else {
    stepX = x0 <= x1 ? 1.0f : -1.0f;
    stepY = static_cast<float>(y1 - y0) / static_cast<float>(std::abs(x1 - x0));
  }
  float x = static_cast<float>(x0);
  float y = static_cast<float>(y0);
  const float endX = static_cast<float>(x1);
  const float endY = static_cast<float>(y1);
  auto passed = [&]() {
    if (stepX > 0) return x > endX;
    if (stepX < 0) return x < endX;
    return stepY > 0 ? y > endY : y < endY;
  };
  while (!passed()) {
    stampBrush(mask, x, y);
    x += stepX;
    y += stepY;
  }
}

void fillMaskOutline(uint8_t* mask, int minX, int maxX, int minY, int maxY) {
  minX -= 3;
  maxX += 3;
  minY -= 3;
  maxY += 3;
  if (minX < 0) minX = 0;
  if (minY < 0) minY = 0;
  if (maxX > MASK_WIDTH - 1) maxX = MASK_WIDTH - 1;
  if (maxY > MASK_HEIGHT - 1) maxY = MASK_HEIGHT - 1;
  if (minX > maxX || minY > maxY) return;
  const int rows = maxY - minY + 1;
  const int columns = maxX - minX + 1;
  for (int x = minX; x <= maxX; ++x)
    fillLine(mask, minY * MASK_WIDTH + x, rows, MASK_WIDTH, minY > 0);
  for (int y = minY; y <= maxY; ++y) fillLine(mask, y * MASK_WIDTH + minX, columns, 1, minX > 0);
}

void dimOutsideSection(uint8_t* image, int s) {
  std::vector<uint8_t> mask(MASK_WIDTH * MASK_HEIGHT, MASK_OUTSIDE);
  if (s >= 0 && s < SECTION_COUNT) {
    for (int i = 0; i < sectionArcCount[s] && i < MAX_SECTION_ARCS; ++i)
      rasteriseArc(mask.data(), sectionArcs[s][i]);
    for (int i = 0; i < sectionQuadCount[s] && i < MAX_SECTION_QUADS; ++i)
      if (sectionQuads[s][i].outlined) rasteriseQuad(mask.data(), sectionQuads[s][i]);
    for (int k = 0; k < sectionOutlineCount[s] && 2 * s + k < SECTION_OUTLINE_SLOTS; ++k)
      rasteriseOutline(mask.data(), sectionOutlines[2 * s + k]);
  }
  for (int i = 0; i < MASK_WIDTH * MASK_HEIGHT; ++i) {
    if (mask[i] != MASK_OUTSIDE) continue;
    uint8_t* pixel = image + 3 * i;
    pixel[0] = static_cast<uint8_t>(pixel[0] / 2);
    pixel[1] = static_cast<uint8_t>(pixel[1] / 2);
    pixel[2] = static_cast<uint8_t>(pixel[2] / 2);
  }
}

void mergeBrighterPixels(uint8_t* destination, const uint8_t* source) {
  for (int i = 0; i < MASK_WIDTH * MASK_HEIGHT; ++i) {
    const uint8_t* from = source + 3 * i;
    uint8_t* to = destination + 3 * i;
    if (from[0] > to[0]) {
      to[0] = from[0];
      to[1] = from[1];
      to[2] = from[2];
    }
  }
}

void buildCoursePreview(int c) {
  if (c < 0 || c >= COURSE_PREVIEW_COUNT) return;
  uint8_t* preview = coursePreviewImages[c];
  std::memset(preview, 0, BOARD_IMAGE_BYTES);
  for (const char* p = predefinedCourses[c]; *p != 0 && *p != 'F'; ++p) {
    if (*p < '0' || *p > '9') continue;
    int section = *p - '0';
    if (section < SECTION_COUNT) mergeBrighterPixels(preview, sectionMapImages[section]);
  }
}
