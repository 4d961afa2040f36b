#include "scorecard_picture.h"

#include <algorithm>
#include <cstdio>

#include "render/jpeg_loader.h"
#include "rider_pictures.h"

Point finishFigureCell(int place) { return Point{159, 395 + 59.6 * place}; }
Point finishSprintPointsCell(int place) { return Point{299, 395 + 59.6 * place}; }
Point finishTotalCell(int place) { return Point{381, 395 + 59.6 * place}; }
Point sprintPodiumCell(int sprint, int place) { return Point{690 + 128.0 * sprint, 614 + 66.0 * place}; }
Point teamTableCell(int team, int member) { return Point{513 + 141.0 * team, 987 + 74.25 * member}; }
Point teamTotalCell(int team) { return Point{513 + 141.0 * team, 1281.5}; }

namespace {

const Colour INK = {60, 60, 70};
const Colour HEADER = {40, 70, 130};
const Colour BAND = {222, 230, 242};
const Colour GREY_PRINT = {110, 110, 122};
const int FINISH_POINTS[16] = {50, 40, 35, 32, 30, 28, 26, 24, 22, 20, 18, 16, 14, 12, 10, 8};
const int SPRINT_POINTS[3] = {10, 5, 3};

// The game shows the sheet from its 512-pixel picture, at 1024 x 768 shrunk
// to three quarters across with nearest filtering, which drops one pixel
// column in four: rules and print are sized in pixels of that picture, so a
// rule keeps at least two pixels and a digit's strokes stay visible.
double ruleWidth(double picturePixels) {
  // Line widths are in units across the mean of the two axes' scales.
  return picturePixels * 2 / (SCORECARD_PICTURE_SIZE / SCORECARD_UNITS_X + SCORECARD_PICTURE_SIZE / SCORECARD_UNITS_Y);
}

// Digits whose blocks are `block` pixels of the 512-pixel picture, whatever
// size the canvas is drawn at.
void print(Canvas& c, Point centre, const char* text, int block, Colour colour) {
  drawDigits(c, centre, text, std::max(1, block * c.width / SCORECARD_PICTURE_SIZE), colour);
}

void box(Canvas& c, double left, double top, double right, double bottom, Colour fill) {
  fillPolygon(c, {{left, top}, {right, top}, {right, bottom}, {left, bottom}}, fill);
}

void frame(Canvas& c, double left, double top, double right, double bottom, double width) {
  drawPolyline(c, {{left, top}, {right, top}, {right, bottom}, {left, bottom}}, width, INK, true);
}

// A chequered finish flag on a pole, its cloth centred on a point.
void finishFlag(Canvas& c, Point at, double size, double pole) {
  drawLine(c, Point{at.x - size * 0.6, at.y - size * 0.5}, Point{at.x - size * 0.6, at.y + size * 0.9}, pole, INK);
  double cell = size / 3;
  for (int r = 0; r < 3; r++)
    for (int k = 0; k < 4; k++) {
      double x = at.x - size * 0.6 + k * cell, y = at.y - size * 0.5 + r * cell;
      box(c, x, y, x + cell, y + cell, (r + k) % 2 ? Colour{250, 250, 250} : Colour{20, 20, 20});
    }
  frame(c, at.x - size * 0.6, at.y - size * 0.5, at.x - size * 0.6 + 4 * cell, at.y + size * 0.5, ruleWidth(1));
}

// A green sprint banner on a pole.
void sprintBanner(Canvas& c, Point at, double size, double pole) {
  drawLine(c, Point{at.x - size * 0.5, at.y - size * 0.5}, Point{at.x - size * 0.5, at.y + size * 0.9}, pole, INK);
  fillPolygon(c, {{at.x - size * 0.5, at.y - size * 0.5}, {at.x + size * 0.7, at.y - size * 0.3},
                  {at.x - size * 0.5, at.y + size * 0.2}},
              Colour{40, 160, 60});
}

// A small cyclist pictogram: two wheels and a rider's back.
void cyclistSign(Canvas& c, Point at, double size, Colour colour) {
  for (double dx : {-0.45, 0.45})
    drawPolyline(c, ellipsePoints(Point{at.x + dx * size, at.y + 0.35 * size}, 0.3 * size, 0.3 * size, 20),
                 size * 0.08, colour, true);
  drawLine(c, Point{at.x - 0.45 * size, at.y + 0.35 * size}, Point{at.x, at.y - 0.1 * size}, size * 0.1, colour);
  drawLine(c, Point{at.x, at.y - 0.1 * size}, Point{at.x + 0.45 * size, at.y + 0.35 * size}, size * 0.1, colour);
  drawLine(c, Point{at.x - 0.1 * size, at.y - 0.2 * size}, Point{at.x + 0.3 * size, at.y - 0.45 * size}, size * 0.16,
           colour);
  fillEllipse(c, Point{at.x + 0.45 * size, at.y - 0.62 * size}, size * 0.13, size * 0.13, colour);
}

// A cup on a stand, the sign of the totals.
void cupSign(Canvas& c, Point at, double size) {
  Colour gold{215, 170, 40};
  fillPolygon(c, {{at.x - 0.4 * size, at.y - 0.5 * size}, {at.x + 0.4 * size, at.y - 0.5 * size},
                  {at.x + 0.2 * size, at.y + 0.05 * size}, {at.x - 0.2 * size, at.y + 0.05 * size}},
              gold);
  box(c, at.x - 0.06 * size, at.y + 0.05 * size, at.x + 0.06 * size, at.y + 0.35 * size, gold);
  box(c, at.x - 0.3 * size, at.y + 0.35 * size, at.x + 0.3 * size, at.y + 0.5 * size, gold);
}

}  // namespace

Canvas paintScorecardPicture(int size) {
  Canvas c = makeCanvas(size, size, SCORECARD_UNITS_X, SCORECARD_UNITS_Y, SCORECARD_GROUND);
  const double line = ruleWidth(2.5), thin = ruleWidth(2.2);
  box(c, SCORECARD_SHEET_LEFT, SCORECARD_SHEET_TOP, SCORECARD_SHEET_RIGHT, SCORECARD_SHEET_BOTTOM, SCORECARD_PAPER);
  frame(c, SCORECARD_SHEET_LEFT, SCORECARD_SHEET_TOP, SCORECARD_SHEET_RIGHT, SCORECARD_SHEET_BOTTOM, ruleWidth(3));

  // Title band: a rider pictogram between two finish flags, below the plain
  // strip where the panel writes the stage title.
  box(c, 40, SCORECARD_TITLE_BAND_TOP, 1032, 282, BAND);
  frame(c, 40, SCORECARD_TITLE_BAND_TOP, 1032, 282, line);
  cyclistSign(c, Point{536, 194}, 110, HEADER);
  finishFlag(c, Point{200, 180}, 96, line);
  finishFlag(c, Point{870, 180}, 96, line);

  // Finish list: place, rider, place points, sprint points, stage total.
  const double rowHeight = 59.6;
  const double listTop = 395 - rowHeight / 2, listBottom = listTop + 16 * rowHeight;
  const double headerTop = listTop - 62;
  const double columns[6] = {40, 100, 210, 266, 340, 422};
  box(c, columns[0], headerTop, columns[5], listTop, BAND);
  finishFlag(c, Point{70, headerTop + 31}, 36, thin);
  cyclistSign(c, Point{159, headerTop + 33}, 44, HEADER);
  print(c, Point{238, headerTop + 31}, "+", 3, HEADER);
  sprintBanner(c, Point{303, headerTop + 28}, 34, line);
  cupSign(c, Point{381, headerTop + 33}, 44);
  for (int place = 0; place < 16; place++) {
    double top = listTop + place * rowHeight;
    if (place % 2) box(c, columns[0], top, columns[5], top + rowHeight, Colour{240, 236, 222});
    char text[8];
    snprintf(text, sizeof text, "%d", place + 1);
    print(c, Point{70, top + rowHeight / 2}, text, 2, INK);
    snprintf(text, sizeof text, "%d", FINISH_POINTS[place]);
    print(c, Point{238, top + rowHeight / 2}, text, 2, GREY_PRINT);
  }
  for (int place = 0; place <= 16; place++)
    drawLine(c, Point{columns[0], listTop + place * rowHeight}, Point{columns[5], listTop + place * rowHeight}, thin,
             INK);
  for (double x : columns) drawLine(c, Point{x, headerTop}, Point{x, listBottom}, line, INK);
  frame(c, columns[0], headerTop, columns[5], listBottom, line);

  // Sprint podiums: a column per sprint, a row per place with its points.
  const double podiumLeft = 626, podiumRight = 1010, podiumTop = 581, podiumBottom = 779, labelLeft = 536;
  box(c, labelLeft, 500, podiumRight, podiumTop, BAND);
  for (int sprint = 0; sprint < 3; sprint++) {
    Point cell = sprintPodiumCell(sprint, 0);
    sprintBanner(c, Point{cell.x - 24, 540}, 40, line);
    char text[4];
    snprintf(text, sizeof text, "%d", sprint + 1);
    print(c, Point{cell.x + 26, 540}, text, 2, HEADER);
  }
  for (int place = 0; place < 3; place++) {
    double top = podiumTop + place * 66;
    box(c, labelLeft, top, podiumLeft, top + 66, BAND);
    char text[8];
    snprintf(text, sizeof text, "%d", place + 1);
    print(c, Point{558, top + 33}, text, 2, INK);
    snprintf(text, sizeof text, "%d", SPRINT_POINTS[place]);
    print(c, Point{598, top + 33}, text, 2, GREY_PRINT);
  }
  for (int k = 0; k <= 3; k++) {
    drawLine(c, Point{podiumLeft + 128 * k, 500}, Point{podiumLeft + 128 * k, podiumBottom}, line, INK);
    drawLine(c, Point{labelLeft, podiumTop + 66 * k}, Point{podiumRight, podiumTop + 66 * k}, thin, INK);
  }
  frame(c, labelLeft, 500, podiumRight, podiumBottom, line);

  // Team table: a column per team under its jersey colour, a row per member
  // (each cell carries its rider's number in its top left corner, clear of
  // the total written in its middle) and the team totals on a shaded foot
  // row. It starts right of the finish list, whose total column reaches
  // x = 422.
  const double tableLeft = 442.5, tableRight = 1006.5, tableTop = 950.0, totalTop = 950 + 4 * 74.25;
  const double tableBottom = 1316;
  box(c, tableLeft, 880, tableRight, tableTop, BAND);
  for (int team = 0; team < 4; team++) {
    Point cell = teamTableCell(team, 0);
    box(c, cell.x - 52, 892, cell.x + 52, 938, riderJerseyColour(team));
    cyclistSign(c, Point{cell.x, 913}, 34, Colour{250, 250, 250});
    for (int member = 0; member < 4; member++) {
      char text[4];
      snprintf(text, sizeof text, "%d", team * 10 + member + 21);
      Point at = teamTableCell(team, member);
      print(c, Point{at.x - 44, at.y - 18}, text, 2, GREY_PRINT);
    }
  }
  box(c, tableLeft, totalTop, tableRight, tableBottom, BAND);
  for (int team = 0; team <= 4; team++)
    drawLine(c, Point{tableLeft + 141 * team, 880}, Point{tableLeft + 141 * team, tableBottom}, line, INK);
  for (int member = 0; member <= 4; member++)
    drawLine(c, Point{tableLeft, tableTop + 74.25 * member}, Point{tableRight, tableTop + 74.25 * member},
             member == 4 ? line : thin, INK);
  frame(c, tableLeft, 880, tableRight, tableBottom, line);
  // The cup of the totals, beside the foot row.
  cupSign(c, Point{(tableRight + SCORECARD_SHEET_RIGHT) / 2, (totalTop + tableBottom) / 2}, 34);
  return c;
}
