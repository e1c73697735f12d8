// Pixel arithmetic of the working image, without widgets: which pixels a
// point mark and the user's straight line cover, where the extended
// cross-hair changed the picture, the fine rotation about a
// pivot, the quarter and half turns of a pixel buffer, and the text of the
// rotation label.
#ifndef QUILLGRID_IMAGERULES_H
#define QUILLGRID_IMAGERULES_H

#include <fx.h>

#include <functional>
#include <vector>

namespace ImageRules {

struct MarkPixel {
  int x, y;
  int pass;  // 0 the dark rim of a highlight, 1 the mark's own colour
};

// The pixels of a mark centred on image pixel (px, py) of a w x h picture,
// in drawing order: a plain cross of bars t thick and L long, or (highlight)
// a bold cross with an open centre and a one-pixel dark rim. A plain mark
// within 2 pixels of an edge is left out whole; every pixel outside
// 0 < x < w, 0 < y < h is left out (row and column 0 are never drawn).
std::vector<MarkPixel> markPixels(int px, int py, int t, int L, bool highlight, int w, int h);

// A rectangle of pixels: columns x .. x + w - 1 of rows y .. y + h - 1.
struct Area {
  int x = 0, y = 0, w = 0, h = 0;
};

// The smallest area holding the pixels; empty (0 x 0) for none.
Area pixelsArea(const std::vector<MarkPixel>& pixels);

// What the extended cross-hair leaves on the clean picture: one-pixel
// lines through column x and row y over the whole picture (none unless
// x > 0 and y > 0), and the axis reference marks in their areas.
struct CrossHairTrace {
  int x = 0, y = 0;
  std::vector<Area> marks;
};

// The areas of a w x h picture where a trace changed the clean pixels,
// clipped to the picture; empty ones are left out.
std::vector<Area> traceAreas(const CrossHairTrace& trace, int w, int h);

// The pixels of the user's line from (x1, y1) towards (x2, y2) in unit
// steps; the end point itself is not included, so equal points give none.
std::vector<std::pair<int, int>> linePixels(int x1, int y1, int x2, int y2);

// Fine rotation of a W x H picture by angle thousandths of a degree about
// (cx, cy), clockwise on screen for a positive angle. Every destination
// pixel (x, y) takes the source pixel nearest (halves rounding up) to where
// it turns back to, in double arithmetic with c = cos, s = sin of the angle:
//   column cx + (x - cx) * c + (y - cy) * s, row cy - (x - cx) * s + (y - cy) * c;
// destinations that turn back from outside the picture take fill. Rows are
// stepped incrementally in fixed point and computed exactly wherever the
// stepping could round differently, so the result equals that per-pixel
// rule. threads 0 splits the rows over the machine's cores (fewer for small
// pictures); the result is the same for any number of threads.
void rotateFine(const FX::FXColor* src, FX::FXColor* dst, int W, int H, int cx, int cy, int angle,
                FX::FXColor fill, int threads = 0);

// Runs work(first, last) over consecutive bands of rows 0 .. rows - 1 on up
// to threads threads (0: the machine's cores, at most 8; bands of at least
// minRows rows); the calling thread takes the first band.
void forEachRowBand(int rows, int threads, int minRows, const std::function<void(int, int)>& work);

// The colour a fine rotation fills the corners it uncovers with: the
// picture's background, taken as the most common colour of its border
// pixels (white for a picture without pixels), opaque. A colour the curve
// search would take for the curve (each channel within tolerance of rgb) is
// never chosen: then white, or black when white would be.
FX::FXColor cornerFillColor(const FX::FXColor* px, int W, int H, const int rgb[3], int tolerance);

// A quarter turn of a w x h buffer into dst (which is then h wide and w
// high), clockwise or counter-clockwise. threads as for rotateFine; the
// result is the same for any number of threads.
void quarterTurn(const FX::FXColor* src, FX::FXColor* dst, int w, int h, bool clockwise, int threads = 0);

// A half turn: dst[k] = src[n - 1 - k]. threads as for quarterTurn.
void halfTurn(const FX::FXColor* src, FX::FXColor* dst, int n, int threads = 0);

// n pixels of src copied into dst (which do not overlap), in parts on the
// machine's cores (threads as for quarterTurn).
void copyPixels(const FX::FXColor* src, FX::FXColor* dst, size_t n, int threads = 0);
// The h rows of w pixels of src copied into both a and b in one pass over
// src, in bands on the machine's cores.
void copyPixelsTwice(const FX::FXColor* src, FX::FXColor* a, FX::FXColor* b, int w, int h, int threads = 0);

// The coarse rotation brought back into -358..358 by a full turn, as the
// rotation label keeps it.
int wrapCoarseRotation(int rotation90);

// "rotation = %.3lf deg." of the coarse and fine rotation together.
FX::FXString rotationLabelText(int rotation90, int rotationAngle);

// The fine angle kept by a quarter or half turn: zero unless it is a whole
// number of quarter turns.
int keptFineAngle(int rotationAngle);

// A half-size copy (w/2 x h/2, integer halves) of a w x h picture for the
// clipboard: each pixel (x, y) is the mean, per channel with integer
// division, of the source pixels (2x, 2y), (2x, 2y+1), (2x, 2y-1),
// (2x+1, 2y) and (2x-1, 2y) that lie inside the picture; opaque.
std::vector<FX::FXColor> halfSizePixels(const FX::FXColor* src, int w, int h);

}  // namespace ImageRules

#endif
