// Decoding image files where a damaged file cannot take the program down,
// without widgets or the display: the file is checked (ImageFileRules) and
// then decoded once, by the toolkit's decoder of its type, in a child
// process with a time limit and an address-space limit. The child touches
// no display resource, copies the pixels into memory it shares with the
// program, sized from the checked header, answers through a pipe, and
// leaves with _exit.
#ifndef QUILLGRID_IMAGEDECODE_H
#define QUILLGRID_IMAGEDECODE_H

#include <fx.h>

#include <cstddef>
#include <functional>
#include <vector>

namespace ImageDecode {

// The pixels of a decoded picture (row-major, top row first) in memory
// mapped for them; released with the object or by reset.
class DecodedPixels {
public:
  DecodedPixels() = default;
  ~DecodedPixels() { reset(); }
  DecodedPixels(DecodedPixels&& other) noexcept { *this = static_cast<DecodedPixels&&>(other); }
  DecodedPixels& operator=(DecodedPixels&& other) noexcept;
  DecodedPixels(const DecodedPixels&) = delete;
  DecodedPixels& operator=(const DecodedPixels&) = delete;

  FX::FXColor* data() const { return (FX::FXColor*)map; }
  int width() const { return w; }
  int height() const { return h; }
  void reset();

  // Room for n pixels, shared with the decoding process: the room there
  // when it is of that size. False when memory cannot hold them.
  bool reserve(size_t n);
  size_t capacity() const { return bytes / sizeof(FX::FXColor); }
  void setSize(int width, int height) { w = width, h = height; }

private:
  void* map = nullptr;
  size_t bytes = 0;
  int w = 0, h = 0;
};

enum Outcome {
  DECODED,     // pixels handed back
  REFUSED,     // unreadable, or the checks refuse it: the decoder never ran
  FAILED,      // the decoder gave no picture, or one larger than the file declares
  CRASHED,     // the decoding process ended without an answer
  TIMED_OUT    // the decoding process overran its time and was killed
};

struct Limits {
  // Time the decode may take; 0: two seconds and 40 ns a declared pixel.
  // It counts from the moment the caller's own work meanwhile (WhileDecoding)
  // is done, which can take longer than the decode on a busy machine; an
  // answer that has arrived is read however late it is looked at.
  int timeoutMs = 0;
  // false: the decoder runs on the file unchecked, into room for
  // uncheckedPixels pixels. For tests and fuzzing of what the child
  // process contains; loading always checks.
  bool checkFile = true;
  size_t uncheckedPixels = 1 << 20;
};

// True when decoding processes get an address-space limit: not in builds
// with AddressSanitizer, whose shadow memory takes terabytes of it.
bool addressSpaceLimited();

// Maps in the pages of memory not in use yet, so that filling it later
// does not wait for them. The memory's content is lost.
void prefaultPages(void* memory, size_t bytes);

// Work the caller does while the child process decodes, given the sides
// the file declares (the decoded picture is no larger).
typedef std::function<void(int width, int height)> WhileDecoding;

// A decoding process that has handed over its answer and may still be
// ending (its memory takes a while to go); it is waited for when the
// object goes, so that a caller that keeps the object while it does other
// work does not wait for it.
class EndingChild {
public:
  EndingChild() = default;
  ~EndingChild() { wait(); }
  EndingChild(const EndingChild&) = delete;
  EndingChild& operator=(const EndingChild&) = delete;
  void wait();
  void set(int processId);

private:
  int pid = -1;
};

// A picture file read and checked, ready to be decoded.
struct CheckedFile {
  FX::FXString path, extension;
  long width = 0, height = 0;        // the sides the checks found (0 unchecked)
  size_t pixels = 0;                 // the room the decoded picture gets
  std::vector<unsigned char> bytes;  // the file, when the program decodes it itself
};

// Reads the file at path and checks it as the file type named by the
// extension (any case). False when it cannot be read or held, or the
// checks refuse it: decoding it gives REFUSED.
bool checkImageFile(const FX::FXString& path, const FX::FXString& extension, CheckedFile* file,
                    const Limits& limits = Limits());

// Decodes a checked file once in a child process into out, whose room is
// kept when it has the picture's size. The child has ended on return, or,
// when ending is given, ends by the time ending goes.
Outcome decodeCheckedFile(const CheckedFile& file, DecodedPixels* out, const Limits& limits = Limits(),
                          const WhileDecoding& whileDecoding = nullptr, EndingChild* ending = nullptr);

// checkImageFile and then decodeCheckedFile.
Outcome decodeImageFile(const FX::FXString& path, const FX::FXString& extension, DecodedPixels* out,
                        const Limits& limits = Limits(), const WhileDecoding& whileDecoding = nullptr,
                        EndingChild* ending = nullptr);

// The memory the machine has available now, in bytes (what the system
// reports as available to new work without swapping); 0 when unknown.
long long availableMemory();
// For tests: the figure availableMemory gives instead of the system's; a
// negative one gives the system's again.
void setAvailableMemoryForTests(long long bytes);

}  // namespace ImageDecode

#endif
