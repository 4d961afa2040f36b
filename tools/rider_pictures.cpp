#include "rider_pictures.h"

#include <cmath>

#include "render/jpeg_loader.h"

Colour riderJerseyColour(int figure) {
  // Green, red, black and blue teams, and a golden jersey for the line
  // winner whose green stays far below the colour key.
  static const Colour jerseys[RIDER_FIGURE_COUNT] = {
      {20, 150, 40}, {200, 30, 30}, {35, 35, 40}, {30, 60, 200}, {240, 175, 20}};
  return jerseys[figure];
}

namespace {

void wheel(Canvas& canvas, Point centre) {
  const Colour tyre{40, 40, 40};
  const Colour spokes{150, 150, 150};
  drawPolyline(canvas, ellipsePoints(centre, 10.5, 10.5, 24), 2.2, tyre, true);
  for (int i = 0; i < 4; i++) {
    double a = M_PI * i / 4;
    drawLine(canvas, Point{centre.x - 9 * cos(a), centre.y - 9 * sin(a)},
             Point{centre.x + 9 * cos(a), centre.y + 9 * sin(a)}, 0.6, spokes);
  }
  fillEllipse(canvas, centre, 1.5, 1.5, tyre);
}

}  // namespace

Canvas paintRiderPicture(int figure) {
  Canvas canvas = makeCanvas(RIDER_PICTURE_SIZE, RIDER_PICTURE_SIZE, RIDER_PICTURE_SIZE,
                             RIDER_PICTURE_SIZE, RIDER_KEY_COLOUR);
  const Colour jersey = riderJerseyColour(figure);
  const Colour dark = mixColours(jersey, Colour{0, 0, 0}, 0.45);
  const Colour frame{90, 90, 100};
  const Colour skin{225, 175, 135};
  const Colour shorts{30, 30, 35};

  const Point rear{15, 50}, front{49, 50};
  const Point crank{31, 50}, seat{26, 33}, bar{45, 31};
  wheel(canvas, rear);
  wheel(canvas, front);
  // Frame: chain stay, seat tube, top tube, down tube, fork.
  drawLine(canvas, rear, crank, 2, frame);
  drawLine(canvas, rear, seat, 2, frame);
  drawLine(canvas, crank, seat, 2, frame);
  drawLine(canvas, seat, Point{44, 35}, 2, frame);
  drawLine(canvas, crank, Point{44, 35}, 2, frame);
  drawLine(canvas, Point{44, 35}, front, 2, frame);
  drawLine(canvas, Point{44, 35}, bar, 2, frame);
  drawLine(canvas, bar, Point{49, 34}, 2, frame);

  // Legs: one pedalling down in front, one coming up behind.
  const Point hip{27, 29};
  drawLine(canvas, hip, Point{35, 40}, 4, shorts);
  drawLine(canvas, Point{35, 40}, Point{34, 55}, 3, skin);
  drawLine(canvas, hip, Point{24, 40}, 4, dark);
  drawLine(canvas, Point{24, 40}, Point{29, 46}, 3, mixColours(skin, Colour{0, 0, 0}, 0.25));
  // Torso leaning over the bars, arms to the bars, head with a helmet.
  fillPolygon(canvas, {{23, 30}, {27, 22}, {40, 17}, {44, 21}, {31, 31}}, jersey);
  drawLine(canvas, Point{40, 19}, Point{46, 29}, 2.6, jersey);
  drawLine(canvas, Point{46, 29}, bar, 2, skin);
  fillEllipse(canvas, Point{46, 15}, 4, 4, skin);
  fillPolygon(canvas, {{41, 14}, {43, 10}, {48, 9}, {52, 12}, {50, 14}}, dark);
  return canvas;
}
