#include "canvas.h"

#include <algorithm>
#include <cmath>
#include <cstring>

Canvas makeCanvas(int width, int height, double unitsX, double unitsY, Colour background) {
  Canvas canvas;
  canvas.width = width;
  canvas.height = height;
  canvas.unitsX = unitsX;
  canvas.unitsY = unitsY;
  canvas.pixels.resize(static_cast<size_t>(width) * height * 3);
  for (size_t i = 0; i < canvas.pixels.size(); i += 3) {
    canvas.pixels[i] = background.r;
    canvas.pixels[i + 1] = background.g;
    canvas.pixels[i + 2] = background.b;
  }
  return canvas;
}

Colour pixelAt(const Canvas& canvas, int x, int y) {
  if (x < 0 || y < 0 || x >= canvas.width || y >= canvas.height) return Colour{};
  const uint8_t* p = &canvas.pixels[(static_cast<size_t>(y) * canvas.width + x) * 3];
  return Colour{p[0], p[1], p[2]};
}

void setPixel(Canvas& canvas, int x, int y, Colour colour) {
  if (x < 0 || y < 0 || x >= canvas.width || y >= canvas.height) return;
  uint8_t* p = &canvas.pixels[(static_cast<size_t>(y) * canvas.width + x) * 3];
  p[0] = colour.r;
  p[1] = colour.g;
  p[2] = colour.b;
}

Colour mixColours(Colour a, Colour b, double share) {
  auto mix = [share](uint8_t u, uint8_t v) {
    double value = u + (v - u) * share;
    return static_cast<uint8_t>(std::clamp(value + 0.5, 0.0, 255.0));
  };
  return Colour{mix(a.r, b.r), mix(a.g, b.g), mix(a.b, b.b)};
}

namespace {

double toPixelX(const Canvas& canvas, double x) { return x * canvas.width / canvas.unitsX; }
double toPixelY(const Canvas& canvas, double y) { return y * canvas.height / canvas.unitsY; }

// Even-odd scanline fill of a polygon given in pixels; a pixel is inside when
// its centre is.
void fillPixelPolygon(Canvas& canvas, const std::vector<Point>& points, Colour colour) {
  if (points.size() < 3) return;
  double top = points[0].y, bottom = points[0].y;
  for (const Point& p : points) {
    top = std::min(top, p.y);
    bottom = std::max(bottom, p.y);
  }
  int firstRow = std::max(0, static_cast<int>(std::ceil(top - 0.5)));
  int lastRow = std::min(canvas.height - 1, static_cast<int>(std::floor(bottom - 0.5)));
  std::vector<double> crossings;
  for (int row = firstRow; row <= lastRow; row++) {
    double y = row + 0.5;
    crossings.clear();
    for (size_t i = 0; i < points.size(); i++) {
      const Point& a = points[i];
      const Point& b = points[(i + 1) % points.size()];
      if ((a.y <= y && b.y > y) || (b.y <= y && a.y > y))
        crossings.push_back(a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y));
    }
    std::sort(crossings.begin(), crossings.end());
    for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
      int from = std::max(0, static_cast<int>(std::ceil(crossings[i] - 0.5)));
      int to = std::min(canvas.width - 1, static_cast<int>(std::floor(crossings[i + 1] - 0.5)));
      for (int x = from; x <= to; x++) setPixel(canvas, x, row, colour);
    }
  }
}

}  // namespace

void fillPolygon(Canvas& canvas, const std::vector<Point>& points, Colour colour) {
  std::vector<Point> pixels;
  pixels.reserve(points.size());
  for (const Point& p : points) pixels.push_back(Point{toPixelX(canvas, p.x), toPixelY(canvas, p.y)});
  fillPixelPolygon(canvas, pixels, colour);
}

std::vector<Point> ellipsePoints(Point centre, double radiusX, double radiusY, int steps) {
  std::vector<Point> points;
  for (int i = 0; i < steps; i++) {
    double a = 2 * M_PI * i / steps;
    points.push_back(Point{centre.x + radiusX * cos(a), centre.y + radiusY * sin(a)});
  }
  return points;
}

void fillEllipse(Canvas& canvas, Point centre, double radiusX, double radiusY, Colour colour) {
  fillPolygon(canvas, ellipsePoints(centre, radiusX, radiusY, 72), colour);
}

void drawLine(Canvas& canvas, Point from, Point to, double width, Colour colour) {
  double ax = toPixelX(canvas, from.x), ay = toPixelY(canvas, from.y);
  double bx = toPixelX(canvas, to.x), by = toPixelY(canvas, to.y);
  // The width is taken in units across x; the pixel scales of the two axes
  // differ a little, which the average covers.
  double half = width * 0.5 * (canvas.width / canvas.unitsX + canvas.height / canvas.unitsY) / 2;
  double dx = bx - ax, dy = by - ay;
  double length = std::hypot(dx, dy);
  if (length > 0) {
    double nx = -dy / length * half, ny = dx / length * half;
    fillPixelPolygon(canvas, {{ax + nx, ay + ny}, {bx + nx, by + ny}, {bx - nx, by - ny}, {ax - nx, ay - ny}},
                     colour);
  }
  if (half >= 1) {
    for (const Point& end : {Point{ax, ay}, Point{bx, by}})
      fillPixelPolygon(canvas, ellipsePoints(end, half, half, 16), colour);
  }
}

void drawPolyline(Canvas& canvas, const std::vector<Point>& points, double width, Colour colour,
                  bool closed) {
  for (size_t i = 0; i + 1 < points.size(); i++) drawLine(canvas, points[i], points[i + 1], width, colour);
  if (closed && points.size() > 2) drawLine(canvas, points.back(), points.front(), width, colour);
}

namespace {

// Rows of three bits, top to bottom, most significant bit on the left.
const uint8_t* glyph(char c) {
  static const uint8_t digits[10][5] = {
      {7, 5, 5, 5, 7}, {2, 6, 2, 2, 7}, {7, 1, 7, 4, 7}, {7, 1, 7, 1, 7}, {5, 5, 7, 1, 1},
      {7, 4, 7, 1, 7}, {7, 4, 7, 5, 7}, {7, 1, 2, 2, 2}, {7, 5, 7, 5, 7}, {7, 5, 7, 1, 7}};
  static const uint8_t plus[5] = {0, 2, 7, 2, 0};
  static const uint8_t minus[5] = {0, 0, 7, 0, 0};
  static const uint8_t open[5] = {1, 2, 2, 2, 1};
  static const uint8_t close[5] = {4, 2, 2, 2, 4};
  static const uint8_t slash[5] = {1, 1, 2, 4, 4};
  if (c >= '0' && c <= '9') return digits[c - '0'];
  switch (c) {
    case '+': return plus;
    case '-': return minus;
    case '(': return open;
    case ')': return close;
    case '/': return slash;
    default: return nullptr;
  }
}

}  // namespace

int digitsWidthPixels(const char* text, int block) {
  int n = static_cast<int>(strlen(text));
  return n == 0 ? 0 : (n * 4 - 1) * block;
}

void drawDigits(Canvas& canvas, Point centre, const char* text, int block, Colour colour) {
  int width = digitsWidthPixels(text, block);
  int left = static_cast<int>(std::lround(toPixelX(canvas, centre.x) - width / 2.0));
  int top = static_cast<int>(std::lround(toPixelY(canvas, centre.y) - 5 * block / 2.0));
  for (int i = 0; text[i]; i++) {
    const uint8_t* rows = glyph(text[i]);
    if (!rows) continue;
    for (int r = 0; r < 5; r++)
      for (int c = 0; c < 3; c++)
        if (rows[r] & (4 >> c))
          for (int by = 0; by < block; by++)
            for (int bx = 0; bx < block; bx++)
              setPixel(canvas, left + i * 4 * block + c * block + bx, top + r * block + by, colour);
  }
}

Canvas halveCanvas(const Canvas& canvas) {
  Canvas half;
  half.width = canvas.width / 2;
  half.height = canvas.height / 2;
  half.unitsX = canvas.unitsX;
  half.unitsY = canvas.unitsY;
  half.pixels.resize(static_cast<size_t>(half.width) * half.height * 3);
  for (int y = 0; y < half.height; y++)
    for (int x = 0; x < half.width; x++)
      for (int c = 0; c < 3; c++) {
        int sum = 0;
        for (int dy = 0; dy < 2; dy++)
          for (int dx = 0; dx < 2; dx++)
            sum += canvas.pixels[(static_cast<size_t>(2 * y + dy) * canvas.width + 2 * x + dx) * 3 + c];
        half.pixels[(static_cast<size_t>(y) * half.width + x) * 3 + c] = static_cast<uint8_t>((sum + 2) / 4);
      }
  return half;
}
