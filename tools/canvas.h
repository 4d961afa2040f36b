// A small RGB drawing surface for the picture generator: filled polygons,
// ellipses, thick lines and a blocky digit font, drawn in the units of the
// picture it stands for (board units for the board) and scaled to pixels.
#pragma once
#include <cstdint>
#include <vector>

struct Colour {
  uint8_t r = 0, g = 0, b = 0;
};

struct Point {
  double x = 0, y = 0;
};

struct Canvas {
  int width = 0, height = 0;       // pixels
  double unitsX = 1, unitsY = 1;   // picture units per canvas width and height
  std::vector<uint8_t> pixels;     // RGB rows from the top
};

// A canvas of width x height pixels standing for unitsX x unitsY units,
// filled with one colour.
Canvas makeCanvas(int width, int height, double unitsX, double unitsY, Colour background);

Colour pixelAt(const Canvas& canvas, int x, int y);
void setPixel(Canvas& canvas, int x, int y, Colour colour);
// A mix of two colours: share 0 gives a, 1 gives b.
Colour mixColours(Colour a, Colour b, double share);

// The outline of an ellipse as a polygon of `steps` points, starting on the
// x axis.
std::vector<Point> ellipsePoints(Point centre, double radiusX, double radiusY, int steps);

// Even-odd filled polygon, points in units.
void fillPolygon(Canvas& canvas, const std::vector<Point>& points, Colour colour);
void fillEllipse(Canvas& canvas, Point centre, double radiusX, double radiusY, Colour colour);
// A line of the given width in units, with round ends.
void drawLine(Canvas& canvas, Point from, Point to, double width, Colour colour);
void drawPolyline(Canvas& canvas, const std::vector<Point>& points, double width, Colour colour,
                  bool closed);

// Digits, "+", "-", "(", ")" and "/" in a 3 by 5 block font; each block is
// `block` pixels. The text is centred on a point given in units.
void drawDigits(Canvas& canvas, Point centre, const char* text, int block, Colour colour);
int digitsWidthPixels(const char* text, int block);

// Halves the size: each pixel becomes the mean of a 2 x 2 block, which
// smooths the edges of a picture drawn at double size.
Canvas halveCanvas(const Canvas& canvas);
