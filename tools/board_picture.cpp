#include "board_picture.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "model/board_sections.h"
#include "render/jpeg_loader.h"

namespace {

const double BOARD_WIDTH = BOARD_UNITS[0];
const double BOARD_HEIGHT = BOARD_UNITS[1];

// ---- Section-local geometry with exact trigonometry -------------------------

int squareValue(int section, int row, int lane) {
  if (row < 0 || row >= SECTION_ROWS || row >= sectionRowCount[section] || lane < 0 ||
      lane >= SECTION_LANES)
    return SQUARE_NONE;
  return sectionSquareValue[section][row][lane];
}

bool isRealSquare(int section, int row, int lane) {
  int value = squareValue(section, row, lane);
  return value != SQUARE_NONE && value != SQUARE_PASS_THROUGH;
}

template <typename Piece>
bool covers(const Piece& piece, double row, double lane) {
  return piece.rowFrom <= row && row <= piece.rowTo && piece.laneFrom <= lane && lane <= piece.laneTo;
}

double share(double value, double from, double to) { return to == from ? 0 : (value - from) / (to - from); }

Point quadPoint(const BoardQuad& q, double row, double lane) {
  double t = share(row, q.rowFrom, q.rowTo), u = share(lane, q.laneFrom, q.laneTo);
  const float(*p)[2] = q.corners;
  double ax = p[0][0] + (p[1][0] - p[0][0]) * t, ay = p[0][1] + (p[1][1] - p[0][1]) * t;
  double bx = p[3][0] + (p[2][0] - p[3][0]) * t, by = p[3][1] + (p[2][1] - p[3][1]) * t;
  return Point{ax + (bx - ax) * u, ay + (by - ay) * u};
}

Point arcPoint(const BoardArc& a, double row, double lane) {
  double u = share(lane, a.laneFrom, a.laneTo);
  double rx = a.radiusXFrom + (a.radiusXTo - a.radiusXFrom) * u;
  double ry = a.radiusYFrom + (a.radiusYTo - a.radiusYFrom) * u;
  double angle = a.angleFrom + (a.angleTo - a.angleFrom) * share(row, a.rowFrom, a.rowTo);
  double x = cos(angle) * rx, y = sin(angle) * ry;
  return Point{a.centreX + x * cos(a.tilt) - y * sin(a.tilt), a.centreY + x * sin(a.tilt) + y * cos(a.tilt)};
}

// The real squares of a lane on an arc: their number, and how many of them
// lie at or before `row`.
int realSquaresOnArc(int section, const BoardArc& a, int lane, int row, int& before) {
  int all = 0;
  before = 0;
  for (int i = static_cast<int>(std::ceil(a.rowFrom)); i <= static_cast<int>(std::floor(a.rowTo)); i++) {
    if (!isRealSquare(section, i, lane)) continue;
    all++;
    if (i <= row) before++;
  }
  return all;
}

// A piece of a section's road, a quad or an arc, with the rows and lanes it
// covers.
struct PieceRef {
  int kind = 0;  // 0 none, 1 quad, 2 arc
  int index = -1;
  double rowFrom = 0, rowTo = 0, laneFrom = 0, laneTo = 0;
};

PieceRef quadRef(int section, int q) {
  const BoardQuad& p = sectionQuads[section][q];
  return PieceRef{1, q, p.rowFrom, p.rowTo, p.laneFrom, p.laneTo};
}

PieceRef arcRef(int section, int a) {
  const BoardArc& p = sectionArcs[section][a];
  return PieceRef{2, a, p.rowFrom, p.rowTo, p.laneFrom, p.laneTo};
}

// Every piece of a section: its quads, then its arcs.
template <typename Visit>
void forEachPiece(int section, Visit visit) {
  for (int q = 0; q < sectionQuadCount[section]; q++) visit(quadRef(section, q));
  for (int a = 0; a < sectionArcCount[section]; a++) visit(arcRef(section, a));
}

// The piece of a section that a position belongs to: quads first, then arcs.
PieceRef findPiece(int section, double row, double lane) {
  for (int q = 0; q < sectionQuadCount[section]; q++)
    if (covers(sectionQuads[section][q], row, lane)) return quadRef(section, q);
  for (int a = 0; a < sectionArcCount[section]; a++)
    if (covers(sectionArcs[section][a], row, lane)) return arcRef(section, a);
  return PieceRef{};
}

Point piecePoint(int section, const PieceRef& piece, double row, double lane) {
  if (piece.kind == 1) return quadPoint(sectionQuads[section][piece.index], row, lane);
  return arcPoint(sectionArcs[section][piece.index], row, lane);
}

// The outline of the part rows [rowA, rowB] x lanes [laneA, laneB] of a piece.
std::vector<Point> pieceRegion(int section, const PieceRef& piece, double rowA, double rowB, double laneA,
                               double laneB) {
  int steps = 1;
  if (piece.kind == 2) {
    const BoardArc& a = sectionArcs[section][piece.index];
    double turn = std::fabs((a.angleTo - a.angleFrom) * share(rowB, a.rowFrom, a.rowTo) -
                            (a.angleTo - a.angleFrom) * share(rowA, a.rowFrom, a.rowTo));
    steps = std::max(1, static_cast<int>(std::ceil(turn / 0.03)));
  }
  std::vector<Point> points;
  for (int i = 0; i <= steps; i++) points.push_back(piecePoint(section, piece, rowA + (rowB - rowA) * i / steps, laneA));
  for (int i = steps; i >= 0; i--) points.push_back(piecePoint(section, piece, rowA + (rowB - rowA) * i / steps, laneB));
  return points;
}

// The outline of a whole piece.
std::vector<Point> pieceArea(int section, const PieceRef& piece) {
  return pieceRegion(section, piece, piece.rowFrom, piece.rowTo, piece.laneFrom, piece.laneTo);
}

// The square a point of a lane belongs to on the picture, -1 for plain road.
// On a curve the real squares of the lane share it in equal parts; elsewhere
// a point belongs to the nearest real square of its piece (so a pass-through
// cell is split between its neighbours), and a piece without squares of its
// own in this lane lends its road to a square less than half a row away.
int owningRow(int section, const PieceRef& piece, double row, int lane) {
  int first = static_cast<int>(std::ceil(piece.rowFrom));
  int last = static_cast<int>(std::floor(piece.rowTo));
  if (piece.kind == 2) {
    const BoardArc& a = sectionArcs[section][piece.index];
    int before = 0;
    int all = realSquaresOnArc(section, a, lane, last, before);
    if (all > 0) {
      int b = static_cast<int>(std::floor(share(row, a.rowFrom, a.rowTo) * all));
      b = std::clamp(b, 0, all - 1);
      for (int i = first; i <= last; i++)
        if (isRealSquare(section, i, lane) && b-- == 0) return i;
    }
  } else {
    int best = -1;
    double distance = 1e9;
    for (int i = first; i <= last; i++)
      if (isRealSquare(section, i, lane) && std::fabs(i - row) < distance) {
        distance = std::fabs(i - row);
        best = i;
      }
    if (best != -1) return best;
  }
  int nearest = static_cast<int>(std::floor(row + 0.5));
  if (isRealSquare(section, nearest, lane) && findPiece(section, nearest, lane).kind != 0) return nearest;
  return -1;
}

// ---- Colours ----------------------------------------------------------------

const Colour GRASS = {104, 152, 74};
const Colour SHOULDER = {70, 70, 72};
const Colour ASPHALT = {128, 128, 132};
const Colour SQUARE_EDGE = {78, 72, 70};
const Colour DIVIDER = {250, 250, 250};
const Colour SEAM = {245, 245, 245};

// A deterministic hash for scattering trees, stones and grass tones.
unsigned scatter(unsigned n) {
  n = (n ^ 61) ^ (n >> 16);
  n *= 9;
  n ^= n >> 4;
  n *= 0x27d4eb2d;
  n ^= n >> 15;
  return n;
}
double scatterUnit(unsigned n) { return (scatter(n) & 0xffff) / 65535.0; }

// ---- The country around the roads -------------------------------------------

const Point LAKE_CENTRE = {1380, 650};
const double LAKE_RADIUS_X = 150, LAKE_RADIUS_Y = 85;
const double TREE_SHADOW = 5;  // how far a tree's shadow reaches past its crown
const double HOUSE_RADIUS = 24;  // a house with its roof lies within this of its centre
// Room kept between an object and a road's edge: the dark shoulder drawn
// along the edge reaches 6 units out.
const double ROAD_MARGIN = 10;

double distanceToSegment(Point p, Point a, Point b) {
  double dx = b.x - a.x, dy = b.y - a.y, length2 = dx * dx + dy * dy;
  double t = length2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length2, 0.0, 1.0) : 0;
  return std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy);
}

bool insidePolygon(const std::vector<Point>& polygon, Point p) {
  bool inside = false;
  for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
    const Point &a = polygon[i], &b = polygon[j];
    if ((a.y > p.y) != (b.y > p.y) && p.x < a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y)) inside = !inside;
  }
  return inside;
}

// Whether a circle lies wholly inside the board and off every road.
bool onFreeGround(const std::vector<std::vector<Point>>& roads, Point centre, double radius) {
  if (centre.x - radius < 0 || centre.y - radius < 0 || centre.x + radius > BOARD_WIDTH ||
      centre.y + radius > BOARD_HEIGHT)
    return false;
  for (const std::vector<Point>& road : roads) {
    if (insidePolygon(road, centre)) return false;
    for (size_t i = 0, j = road.size() - 1; i < road.size(); j = i++)
      if (distanceToSegment(centre, road[j], road[i]) < radius + ROAD_MARGIN) return false;
  }
  return true;
}

bool overlapsAny(const std::vector<SceneryObject>& placed, Point centre, double radius) {
  for (const SceneryObject& other : placed)
    if (std::hypot(centre.x - other.centre.x, centre.y - other.centre.y) < radius + other.radius) return true;
  return false;
}

}  // namespace

std::vector<SceneryObject> boardScenery() {
  std::vector<std::vector<Point>> roads;
  for (int s = 0; s < SECTION_COUNT; s++)
    forEachPiece(s, [&](const PieceRef& p) { roads.push_back(pieceArea(s, p)); });
  std::vector<SceneryObject> placed;
  // The two villages: below the start straight at the top, between the
  // summit and the lake road, and on the meadow left of the lake. A house
  // that would touch a road or a neighbour is left out.
  for (int i = 0; i < 24; i++) {
    bool north = i < 12;
    double x = north ? 900 + (i % 6) * 62 + scatterUnit(i + 3000) * 10 : 1040 + (i % 4) * 58 + scatterUnit(i + 3000) * 8;
    double y = north ? 262 + (i % 12 / 6) * 54 + scatterUnit(i + 3100) * 4
                     : 590 + (i % 12 / 4) * 54 + scatterUnit(i + 3200) * 4;
    Point centre{x, y};
    if (onFreeGround(roads, centre, HOUSE_RADIUS) && !overlapsAny(placed, centre, HOUSE_RADIUS))
      placed.push_back(SceneryObject{SCENERY_HOUSE, centre, HOUSE_RADIUS});
  }
  // The wood: trees scattered over the country, off the lake, the roads and
  // the houses.
  for (int i = 0; i < 1600; i++) {
    double x = scatterUnit(i * 3 + 1000) * BOARD_WIDTH, y = scatterUnit(i * 3 + 1001) * BOARD_HEIGHT;
    double radius = 9 + scatterUnit(i * 3 + 1002) * 9 + TREE_SHADOW;
    Point centre{x, y};
    if (std::hypot((x - LAKE_CENTRE.x) / (LAKE_RADIUS_X + radius), (y - LAKE_CENTRE.y) / (LAKE_RADIUS_Y + radius)) < 1)
      continue;
    if (!onFreeGround(roads, centre, radius)) continue;
    bool nearHouse = false;
    for (const SceneryObject& house : placed)
      if (house.kind == SCENERY_HOUSE &&
          std::hypot(x - house.centre.x, y - house.centre.y) < radius + house.radius)
        nearHouse = true;
    if (!nearHouse) placed.push_back(SceneryObject{SCENERY_TREE, centre, radius});
  }
  return placed;
}

namespace {


void paintCountry(Canvas& c) {
  // Fields in soft tones.
  for (int i = 0; i < 60; i++) {
    double x = scatterUnit(i * 7 + 1) * BOARD_WIDTH, y = scatterUnit(i * 7 + 2) * BOARD_HEIGHT;
    double w = 60 + scatterUnit(i * 7 + 3) * 140, h = 40 + scatterUnit(i * 7 + 4) * 100;
    double turn = scatterUnit(i * 7 + 5) * 0.6 - 0.3;
    static const Colour tones[4] = {{122, 166, 84}, {150, 172, 88}, {92, 140, 70}, {176, 170, 96}};
    Colour tone = tones[scatter(i * 7 + 6) % 4];
    std::vector<Point> field;
    for (int k = 0; k < 4; k++) {
      double cx = (k == 1 || k == 2) ? w / 2 : -w / 2, cy = k >= 2 ? h / 2 : -h / 2;
      field.push_back(Point{x + cx * cos(turn) - cy * sin(turn), y + cx * sin(turn) + cy * cos(turn)});
    }
    fillPolygon(c, field, tone);
  }
  // The mountain round the summit: rings of rock getting paler to the top.
  static const Colour rock[6] = {{120, 140, 80}, {140, 136, 92}, {150, 130, 100},
                                 {162, 146, 120}, {178, 166, 146}, {200, 194, 182}};
  for (int k = 0; k < 6; k++) {
    double size = 1.0 - k * 0.15;
    fillEllipse(c, Point{SUMMIT_POINT[0] - 10, SUMMIT_POINT[1] + 20}, 400 * size, 290 * size, rock[k]);
  }
  // The lake, then the wood and the houses of the two villages.
  fillEllipse(c, LAKE_CENTRE, LAKE_RADIUS_X, LAKE_RADIUS_Y, Colour{70, 120, 180});
  fillEllipse(c, Point{LAKE_CENTRE.x - 10, LAKE_CENTRE.y - 10}, 120, 60, Colour{90, 140, 200});
  const std::vector<SceneryObject> scenery = boardScenery();
  for (const SceneryObject& tree : scenery) {
    if (tree.kind != SCENERY_TREE) continue;
    // The crown's shadow falls down and right, inside the object's circle.
    double r = tree.radius - TREE_SHADOW;
    Point at{tree.centre.x - TREE_SHADOW / 2, tree.centre.y - TREE_SHADOW / 2};
    fillEllipse(c, Point{at.x + 3, at.y + 4}, r, r, Colour{58, 92, 50});
    fillEllipse(c, at, r, r, Colour{64, 118, 58});
    fillEllipse(c, Point{at.x - r * 0.3, at.y - r * 0.3}, r * 0.45, r * 0.45, Colour{92, 150, 76});
  }
  int houseIndex = 0;
  for (const SceneryObject& house : scenery) {
    if (house.kind != SCENERY_HOUSE) continue;
    // A 30 x 20 wall under a roof that rises 10 above it, centred.
    double x = house.centre.x - 15, y = house.centre.y - 5;
    Colour roof = houseIndex++ % 3 ? Colour{170, 70, 50} : Colour{140, 80, 60};
    fillPolygon(c, {{x, y}, {x + 30, y}, {x + 30, y + 20}, {x, y + 20}}, Colour{226, 214, 190});
    fillPolygon(c, {{x - 2, y}, {x + 15, y - 10}, {x + 32, y}, {x + 32, y + 7}, {x - 2, y + 7}}, roof);
  }
}

// ---- Roads and squares --------------------------------------------------------

// Every piece's road: first the dark shoulders along both edges of all of
// them, then the asphalt over all of them.
void paintRoads(Canvas& c) {
  std::vector<std::vector<Point>> areas;
  for (int s = 0; s < SECTION_COUNT; s++)
    forEachPiece(s, [&](const PieceRef& p) { areas.push_back(pieceArea(s, p)); });
  for (const std::vector<Point>& area : areas) {
    size_t half = area.size() / 2;
    std::vector<Point> inner(area.begin(), area.begin() + half), outer(area.begin() + half, area.end());
    drawPolyline(c, inner, 12, SHOULDER, false);
    drawPolyline(c, outer, 12, SHOULDER, false);
  }
  for (const std::vector<Point>& area : areas) fillPolygon(c, area, ASPHALT);
}

// One stretch of a square's shape: rows [rowA, rowB] of one piece.
struct SquarePart {
  int row, lane;
  PieceRef piece;
  double rowA, rowB;
};

std::vector<SquarePart> squareParts(int section) {
  std::vector<SquarePart> parts;
  const double step = 0.005;
  for (int lane = 0; lane < SECTION_LANES; lane++) {
    double low = 1e9, high = -1e9;
    forEachPiece(section, [&](const PieceRef& p) {
      if (p.laneFrom > lane || p.laneTo < lane) return;
      low = std::min(low, p.rowFrom);
      high = std::max(high, p.rowTo);
    });
    if (low > high) continue;
    SquarePart current{-1, lane, PieceRef{}, 0, 0};
    for (double row = low; row <= high + step / 2; row += step) {
      double at = std::min(row, high);
      PieceRef piece = findPiece(section, at, lane);
      int owner = piece.kind == 0 ? -1 : owningRow(section, piece, at, lane);
      bool same = owner == current.row && piece.kind == current.piece.kind && piece.index == current.piece.index;
      if (same) {
        current.rowB = at;
        continue;
      }
      if (current.row != -1) parts.push_back(current);
      current = SquarePart{owner, lane, piece, std::max(at - step / 2, low), at};
      if (current.row != -1 && piece.kind != 0) current.rowA = std::max(current.rowA, piece.rowFrom);
    }
    if (current.row != -1) parts.push_back(current);
  }
  // Close the small gaps the sampling leaves where one part meets the next.
  for (size_t i = 0; i + 1 < parts.size(); i++)
    if (parts[i].lane == parts[i + 1].lane && parts[i + 1].rowA - parts[i].rowB < 0.02) {
      double middle = (parts[i].rowB + parts[i + 1].rowA) / 2;
      parts[i].rowB = std::min(middle, parts[i].piece.rowTo);
      parts[i + 1].rowA = std::max(middle, parts[i + 1].piece.rowFrom);
    }
  return parts;
}

void paintSquares(Canvas& c, int section, bool startGrid) {
  std::vector<SquarePart> parts = squareParts(section);
  for (size_t first = 0; first < parts.size();) {
    // The parts of one square lie one after the other along its lane; its
    // shape runs up the lane-from edge of each and back down the lane-to edge.
    size_t last = first;
    while (last + 1 < parts.size() && parts[last + 1].lane == parts[first].lane &&
           parts[last + 1].row == parts[first].row)
      last++;
    std::vector<Point> shape, back;
    for (size_t k = first; k <= last; k++) {
      const SquarePart& part = parts[k];
      double laneA = std::max(part.lane - 0.5, part.piece.laneFrom);
      double laneB = std::min(part.lane + 0.5, part.piece.laneTo);
      std::vector<Point> region = pieceRegion(section, part.piece, part.rowA, part.rowB, laneA, laneB);
      size_t half = region.size() / 2;
      shape.insert(shape.end(), region.begin(), region.begin() + half);
      back.insert(back.begin(), region.begin() + half, region.end());
    }
    shape.insert(shape.end(), back.begin(), back.end());
    const SquarePart& square = parts[first];
    int terrain = sectionTerrain[section][square.row][square.lane];
    int value = sectionSquareValue[section][square.row][square.lane];
    Colour fill = startGrid ? START_GRID_COLOUR : squareColour(terrain, value);
    fillPolygon(c, shape, fill);
    if (terrain == TERRAIN_COBBLES && !startGrid) {
      // Cobbles: a sprinkle of darker stones.
      for (size_t k = first; k <= last; k++) {
        const SquarePart& part = parts[k];
        double laneA = std::max(part.lane - 0.5, part.piece.laneFrom);
        double laneB = std::min(part.lane + 0.5, part.piece.laneTo);
        for (int i = 0; i < 10; i++) {
          double r = part.rowA + (part.rowB - part.rowA) * scatterUnit(part.row * 977 + part.lane * 131 + i * 7 + static_cast<unsigned>(k) * 3);
          double l = laneA + 0.15 + (laneB - laneA - 0.3) * scatterUnit(part.row * 577 + part.lane * 37 + i * 11 + 1);
          Point p = piecePoint(section, part.piece, r, l);
          fillEllipse(c, p, 3.2, 3.2, mixColours(fill, Colour{40, 30, 20}, 0.35));
        }
      }
    }
    drawPolyline(c, shape, 2.6, SQUARE_EDGE, true);
    first = last + 1;
  }
}

// The lane dividers: white lines no rider may cross sideways.
void paintDividers(Canvas& c, int section) {
  for (int d = 0; d < sectionDividerCount[section]; d++) {
    const LaneDivider& divider = sectionDividers[section][d];
    double lane = divider.lane + 0.5;
    std::vector<Point> line;
    for (double row = divider.rowFrom; row <= divider.rowTo + 1e-9; row += 0.05) {
      Point p;
      if (sectionPosition(section, row, lane, p)) line.push_back(p);
    }
    drawPolyline(c, line, 5, DIVIDER, false);
  }
}

// A white seam across the road where a section begins.
void paintSeam(Canvas& c, int section) {
  double start = 1e9;
  forEachPiece(section, [&](const PieceRef& p) { start = std::min(start, p.rowFrom); });
  std::vector<Point> line;
  for (double lane = -0.5; lane <= 7.5; lane += 0.05) {
    PieceRef p = findPiece(section, start, lane);
    if (p.kind == 0) {
      if (line.size() > 1) drawPolyline(c, line, 6, SEAM, false);
      line.clear();
      continue;
    }
    line.push_back(piecePoint(section, p, start, lane));
  }
  if (line.size() > 1) drawPolyline(c, line, 6, SEAM, false);
}

// A chequered start line across the road at the start of a start section.
void paintStartLine(Canvas& c, int section) {
  const BoardQuad& q = sectionQuads[section][0];
  const int cells = 12;
  for (int k = 0; k < cells; k++)
    for (int band = 0; band < 2; band++) {
      double laneA = q.laneFrom + (q.laneTo - q.laneFrom) * k / cells;
      double laneB = q.laneFrom + (q.laneTo - q.laneFrom) * (k + 1) / cells;
      double rowA = q.rowFrom + band * 0.09, rowB = rowA + 0.09;
      Colour colour = (k + band) % 2 ? Colour{250, 250, 250} : Colour{40, 40, 40};
      fillPolygon(c, {quadPoint(q, rowA, laneA), quadPoint(q, rowB, laneA), quadPoint(q, rowB, laneB), quadPoint(q, rowA, laneB)},
                  colour);
    }
}

// The podium on the summit where the line winner stands.
void paintPodium(Canvas& c) {
  Point s = {SUMMIT_POINT[0], SUMMIT_POINT[1]};
  fillEllipse(c, Point{s.x, s.y + 8}, 62, 40, Colour{236, 232, 222});
  fillPolygon(c, {{s.x - 50, s.y + 2}, {s.x - 16, s.y + 2}, {s.x - 16, s.y + 30}, {s.x - 50, s.y + 30}},
              Colour{192, 192, 200});
  fillPolygon(c, {{s.x + 16, s.y + 10}, {s.x + 50, s.y + 10}, {s.x + 50, s.y + 30}, {s.x + 16, s.y + 30}},
              Colour{200, 140, 80});
  fillPolygon(c, {{s.x - 16, s.y - 12}, {s.x + 16, s.y - 12}, {s.x + 16, s.y + 30}, {s.x - 16, s.y + 30}},
              Colour{230, 190, 60});
  drawPolyline(c, {{s.x - 50, s.y + 30}, {s.x - 50, s.y + 2}, {s.x - 16, s.y + 2}, {s.x - 16, s.y - 12},
                   {s.x + 16, s.y - 12}, {s.x + 16, s.y + 10}, {s.x + 50, s.y + 10}, {s.x + 50, s.y + 30}},
               2.5, Colour{80, 70, 60}, true);
}

void paintNumbers(Canvas& c, int section, int block) {
  for (int row = 0; row < sectionRowCount[section]; row++)
    for (int lane = 0; lane < SECTION_LANES; lane++) {
      if (!isRealSquare(section, row, lane)) continue;
      int value = sectionSquareValue[section][row][lane];
      if (value == 0) continue;
      Point centre;
      if (!sectionSquareCentre(section, row, lane, centre)) continue;
      char text[8];
      snprintf(text, sizeof text, "%+d", value);
      drawDigits(c, centre, text, block, value < 0 ? Colour{110, 30, 24} : Colour{56, 64, 150});
    }
}

void paintDebugMarks(Canvas& c, int section, int block) {
  for (int row = 0; row < sectionRowCount[section]; row++)
    for (int lane = 0; lane < SECTION_LANES; lane++) {
      if (squareValue(section, row, lane) == SQUARE_NONE) continue;
      Point centre;
      if (!sectionSquareCentre(section, row, lane, centre)) {
        // A square without a piece: a red cross at the board's corner side.
        drawDigits(c, Point{20.0 + section * 30, 20}, "-", block * 2, Colour{255, 0, 0});
        continue;
      }
      bool real = isRealSquare(section, row, lane);
      fillEllipse(c, centre, 3, 3, real ? Colour{255, 40, 40} : Colour{255, 160, 40});
      char text[24];
      snprintf(text, sizeof text, "%d/%d", row, lane);
      drawDigits(c, Point{centre.x, centre.y + 10}, text, block, section % 2 ? Colour{255, 255, 255} : Colour{255, 255, 60});
    }
}

}  // namespace

Colour squareColour(int terrain, int modifier) {
  switch (terrain) {
    case TERRAIN_COBBLES: return Colour{186, 160, 122};
    case TERRAIN_CLIMB: {
      // Steeper climbs are a deeper red-brown.
      int steep = std::clamp(-modifier, 0, 6);
      return mixColours(Colour{240, 196, 150}, Colour{196, 96, 60}, steep / 6.0);
    }
    case TERRAIN_DESCENT: {
      int steep = std::clamp(modifier, 0, 5);
      return mixColours(Colour{190, 220, 240}, Colour{100, 150, 214}, steep / 5.0);
    }
    default: return Colour{236, 236, 226};
  }
}

bool sectionPosition(int section, double row, double lane, Point& point) {
  PieceRef piece = findPiece(section, row, lane);
  if (piece.kind == 0) return false;
  point = piecePoint(section, piece, row, lane);
  return true;
}

bool sectionSquareCentre(int section, int row, int lane, Point& centre) {
  PieceRef piece = findPiece(section, row, lane);
  if (piece.kind == 0) return false;
  if (piece.kind == 1) {
    centre = quadPoint(sectionQuads[section][piece.index], row, lane);
    return true;
  }
  const BoardArc& a = sectionArcs[section][piece.index];
  int before = 0;
  int all = realSquaresOnArc(section, a, lane, row, before);
  double at = all == 0 ? row : a.rowFrom + (2.0 * before - 1) / (2.0 * all) * (a.rowTo - a.rowFrom);
  centre = arcPoint(a, at, lane);
  return true;
}

Canvas paintBoardPicture(int scale, bool debugMarks) {
  // Drawn at double size and halved, which smooths the edges.
  Canvas c = makeCanvas(2 * BOARD_PICTURE_WIDTH * scale, 2 * BOARD_PICTURE_HEIGHT * scale, BOARD_WIDTH,
                        BOARD_HEIGHT, GRASS);
  paintCountry(c);
  paintRoads(c);
  // The start sections last, so their grid shows over the sections that end
  // on the same squares.
  for (int s : {1, 2, 3, 4, 5, 7, 8}) paintSquares(c, s, false);
  for (int s : {0, 6}) paintSquares(c, s, true);
  for (int s = 0; s < SECTION_COUNT; s++) paintDividers(c, s);
  for (int s : {1, 2, 3, 4, 7}) paintSeam(c, s);
  for (int s : {0, 6}) paintStartLine(c, s);
  paintPodium(c);
  Canvas picture = halveCanvas(c);
  for (int s = 0; s < SECTION_COUNT; s++) paintNumbers(picture, s, scale);
  if (debugMarks)
    for (int s = 0; s < SECTION_COUNT; s++) paintDebugMarks(picture, s, scale);
  return picture;
}
