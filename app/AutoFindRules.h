// Finding curve pixels by colour, without widgets: the colour test, the
// scanner that finds the run of curve-coloured pixels along a row or a
// column and returns its middle (or a third of its height for triangle
// symbols), the tracer that follows a curve from one picked point to the
// next, and the whole-picture trace that takes one point per column or row.
//
// Positions are main-window positions, as the curve-points and axis tables
// store them; the picture lies at (offsetX, offsetY) in the window, so the
// pixel looked at is the position minus that offset.
#ifndef QUILLGRID_AUTOFINDRULES_H
#define QUILLGRID_AUTOFINDRULES_H

#include <fx.h>

#include <vector>

namespace AutoFindRules {

enum Direction { UP = 0, DOWN = 1, LEFT = 2, RIGHT = 3 };
enum Location { MIDDLE = 0, TRIANGLE = 1, INVERTED_TRIANGLE = 2 };

// A row-major width x height pixel buffer placed at (offsetX, offsetY).
struct Picture {
  const FX::FXColor* pixels = nullptr;
  int width = 0;
  int height = 0;
  int offsetX = 0;
  int offsetY = 0;
  // Whether the window position (x, y) falls on a pixel of the picture.
  bool contains(int x, int y) const;
  // The pixel under window position (x, y); only for positions it contains.
  FX::FXColor at(int x, int y) const;
};

// The colour looked for: red, green, blue (0..255) and the tolerance.
struct CurveColor {
  int rgb[3] = {0, 0, 0};
  int tolerance = 50;
};

// What the scanner is asked for: direction (Direction), location
// (Location) and the search length L in pixels.
struct Search {
  int direction = UP;
  int location = MIDDLE;
  int length = 30;
};

// A found point: x and y as whole positions, and yd, the y a snapped click
// stores: the run's exact middle (or third) for column scans, y itself for
// row scans.
struct Point {
  int x = 0;
  int y = 0;
  double yd = 0;
};

// Each channel of c differs from rgb by strictly less than tolerance.
bool colorsMatch(FX::FXColor c, const int rgb[3], int tolerance);

// Up and Down scan a column, Left and Right a row.
bool isVertical(int direction);
// One scan step: -1 for Up and Left, +1 for Down and Right.
int scanStep(int direction);

// The bounds of a scan centred on m: lo = m + d, hi = m - d with d = -L for
// Down and Right and +L for Up and Left, so a scan from lo to hi runs in
// the scan direction across m.
void defineLowHigh(int direction, int m, int L, int* lo, int* hi);

// The scanner. Vertical scans look at column *px, horizontal ones at row
// *py; the moving coordinate starts at a and the scan for the start of a
// run stops before b. A scan that starts on a matching pixel first steps
// back by L/2 (less one) so that it finds the near edge of a thick line.
// A run of L or more matching pixels is not a curve. On success a
// horizontal scan sets *px to the middle of the run; a vertical one sets
// *yd to the middle (or, for the triangle locations, to a third of the
// run's height from its lower or upper end) and *py to *yd truncated.
// On failure the moving coordinate holds -1 when no run started, else the
// position where following the run stopped (the first position outside the
// picture, or h + L steps); the other outputs are unchanged. Every position
// outside the picture ends the scan, so it never reads past the buffer.
bool midPixel(const Picture& picture, const CurveColor& color, const Search& search, int a, int b, int* px, int* py,
              double* yd);

// Follows a curve from p1 to p2 (p1.x < p2.x) and returns the points to
// record, in order. Up/Down walk the columns from p1.x to p2.x, Left/Right
// walk the rows from p1.y towards p2.y (and on) until the found x passes
// p2.x. Each scan looks within L of the last recorded point; about
// numPoints points are recorded (one every (distance / numPoints) steps,
// at least every step), the first at p1's column or row. The walk stays
// inside the rows L + offsetY < y < height + offsetY - L and, for column
// walks, ends at the picture's right edge, so it always terminates.
std::vector<Point> traceCurve(const Picture& picture, const CurveColor& color, const Search& search, Point p1,
                              Point p2, int numPoints);

// One scan per inner column of the picture, Up from its bottom row (Up
// and Down directions), or per inner row, Right from its left column (Left
// and Right directions); each found run gives one point with the run's
// middle as the scanned coordinate (exact in yd for column scans). The
// bounds are the picture's own edges.
std::vector<Point> traceWholePicture(const Picture& picture, const CurveColor& color, int direction, int length);

}  // namespace AutoFindRules

#endif
