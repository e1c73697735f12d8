// Pixel arithmetic of the working image, without widgets: which pixels a
// point mark and the user's straight line cover, the fine rotation about a
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
// high), clockwise or counter-clockwise.
void quarterTurn(const FX::FXColor* src, FX::FXColor* dst, int w, int h, bool clockwise);

// A half turn: dst[k] = src[n - 1 - k].
void halfTurn(const FX::FXColor* src, FX::FXColor* dst, int n);

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

// The largest width and height of a picture the program works on (the
// display holds no wider or higher one).
const int MAX_IMAGE_SIDE = 32767;

// The width and height an image file declares in its header, read from its
// first n bytes for the file type named by the extension (any case): bmp,
// gif, pcx, tga, ppm, pgm, lbm, ras and png. False when the header is too
// short or not of that type, so that the decoder itself decides.
bool declaredImageSize(const unsigned char* head, size_t n, const FX::FXString& extension, long* w, long* h);

// True when a picture of w x h pixels may be handed to a decoder: the
// toolkit's decoders multiply the sides in int arithmetic and write past
// their buffer, or reserve gigabytes, for sides beyond the display's limit.
bool declaredSizeAcceptable(long w, long h);

// True when the n bytes of an image file of the type named by the
// extension may be handed to the toolkit's decoder: the declared size is
// acceptable, a BMP's colour table fits the decoder's 256 entries and its
// run-length data are left to decodeRunLengthBmp, and a PNG's chunks
// lie within the file up to its end chunk. The toolkit's decoders write past
// their buffers, or loop on a file that ends early, otherwise.
bool imageFileDecodable(const unsigned char* f, size_t n, const FX::FXString& extension);

// True for a BMP whose 4 or 8 bit pixels are run-length coded: the
// toolkit's decoder writes such runs past its buffer, so these files are
// decoded by decodeRunLengthBmp instead.
bool isRunLengthBmp(const unsigned char* f, size_t n);

// Decodes a run-length coded BMP into w x h opaque pixels, top row first;
// pixels of a run beyond its row or the picture are dropped. False when the
// file is not one, its size is not acceptable or its data end early.
bool decodeRunLengthBmp(const unsigned char* f, size_t n, std::vector<FX::FXColor>* pixels, int* w, int* h);

}  // namespace ImageRules

#endif
