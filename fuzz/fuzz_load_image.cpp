// The file path of loadImage without the window: the checks and the decode
// in a child process, for any file as any type the program reads. The type
// is QG_FUZZ_TYPE when set (bmp, gif, pcx, tga, ppm, pgm, lbm, ras, png),
// else the first byte of the input picks it.
//
// The checks make promises the decode must keep: a file they pass never
// crashes or hangs the decoder, and never decodes to a picture larger than
// its header declares; a file they refuse never reaches the decoder.
#include <string>

#include "FuzzSupport.h"
#include "ImageDecode.h"
#include "ImageFileRules.h"

using namespace FX;

namespace {
const char* const TYPES[] = {"bmp", "gif", "pcx", "tga", "ppm", "pgm", "lbm", "ras", "png"};
const char* const OUTCOMES[] = {"decoded", "refused", "failed", "crashed", "timed out"};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const char* type = getenv("QG_FUZZ_TYPE");
  if (!type || !*type) {
    if (size == 0) return 0;
    type = TYPES[data[0] % (sizeof TYPES / sizeof TYPES[0])];
    ++data;
    --size;
  }
  const std::string path = fuzz::writeInput((std::string("picture.") + type).c_str(), data, size);

  ImageRules::ImageFileHeader header;
  const bool passes = ImageRules::inspectImageFile(data, size, type, &header);
  if (passes) {
    FUZZ_CHECK(ImageRules::declaredSizeAcceptable(header.width, header.height), "%ld x %ld passed", header.width,
               header.height);
  }

  ImageDecode::DecodedPixels pixels;
  const ImageDecode::Outcome outcome = ImageDecode::decodeImageFile(path.c_str(), type, &pixels);
  FUZZ_CHECK(passes || outcome == ImageDecode::REFUSED, "a refused %s file was %s", type, OUTCOMES[outcome]);
  FUZZ_CHECK(outcome != ImageDecode::CRASHED && outcome != ImageDecode::TIMED_OUT,
             "the decoder of a %s file the checks passed (%ld x %ld) %s", type, header.width, header.height,
             OUTCOMES[outcome]);
  if (outcome == ImageDecode::DECODED) {
    FUZZ_CHECK(pixels.data() && pixels.width() > 0 && pixels.height() > 0, "no pixels");
    FUZZ_CHECK((long)pixels.width() * pixels.height() <= header.width * header.height,
               "%d x %d decoded from a %s file declaring %ld x %ld", pixels.width(), pixels.height(), type,
               header.width, header.height);
  } else {
    FUZZ_CHECK(pixels.data() == nullptr, "pixels kept after %s", OUTCOMES[outcome]);
  }
  return 0;
}
