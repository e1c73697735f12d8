// Checks of image files before the toolkit's decoders see them, without
// widgets. Each check reads the header and the block structure of its file
// type exactly as the toolkit's decoder of that type reads them, and refuses
// a file that would make the decoder write or read past its buffers, loop
// for ever, or claim more memory than the file can fill. Run-length BMPs,
// which that decoder writes past its buffer even when they are sound, are
// decoded here.
#ifndef QUILLGRID_IMAGEFILERULES_H
#define QUILLGRID_IMAGEFILERULES_H

#include <fx.h>

#include <cstddef>
#include <vector>

namespace ImageRules {

// The largest width and height of a picture the program works on (the
// display holds no wider or higher one).
const int MAX_IMAGE_SIDE = 32767;

// What the check of an image file found in it.
struct ImageFileHeader {
  long width = 0, height = 0;  // the sides the decoder will give the picture
  bool runLengthBmp = false;   // decoded by decodeRunLengthBmp, not the toolkit
};

// True when the n bytes of an image file of the type named by the
// extension (any case: bmp, gif, pcx, tga, ppm, pgm, lbm, ras, png) may be
// handed to the toolkit's decoder of that type; header then tells the
// picture's sides. False for a file that decoder would refuse anyway, and
// for one it cannot take safely: sides beyond the display's limit or none,
// tables or lines larger than its buffers, blocks or chunks that end past
// the end of the file, and pixel data the file is too short to hold.
bool inspectImageFile(const unsigned char* f, size_t n, const FX::FXString& extension, ImageFileHeader* header);

// inspectImageFile without the header.
bool imageFileDecodable(const unsigned char* f, size_t n, const FX::FXString& extension);

// True when a picture of w x h pixels may be handed to a decoder: the
// toolkit's decoders multiply the sides in int arithmetic and write past
// their buffer, or reserve gigabytes, for sides beyond the display's limit.
bool declaredSizeAcceptable(long w, long h);

// The memory the program and the display take for a w x h picture, in
// bytes. While it loads: the decoding process's copy, the decoded pixels
// kept clean, the shown picture, the original pixels, the upload's segment
// and the display's picture, 4 bytes a pixel each. Once loaded, all of
// these but the decoding process's copy: what the picture gives back when
// another one replaces it.
long long pictureMemoryNeeded(long w, long h);
long long pictureMemoryHeld(long w, long h);

// The message of a picture refused because memory cannot hold it: its
// size and what it needs against what is available.
FX::FXString pictureTooLargeText(long w, long h, long long needed, long long available);

// True for a BMP whose 4 or 8 bit pixels are run-length coded, as the
// toolkit's decoder tells them (any header size but the 12 of OS/2 files,
// any compression but none): that decoder writes such runs past its buffer,
// so these files are decoded by decodeRunLengthBmp instead.
bool isRunLengthBmp(const unsigned char* f, size_t n);

// Decodes a run-length coded BMP into w x h opaque pixels, top row first;
// pixels of a run in the padding of its row are dropped. False when the
// file is not one, its size is not acceptable, its data end early or a run
// goes beyond the padding of its row.
bool decodeRunLengthBmp(const unsigned char* f, size_t n, std::vector<FX::FXColor>* pixels, int* w, int* h);

}  // namespace ImageRules

#endif
