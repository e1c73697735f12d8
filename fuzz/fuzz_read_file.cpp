// The text-file reader (Utilities_lom2::readFile) on any file: both the
// line form and the buffer form.
#include <vector>

#include "FuzzSupport.h"
#include "Utilities_lom2.h"

using namespace FX;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::app();
  const std::string path = fuzz::writeInput("text.txt", data, size);

  FXArray<FXString> lines;
  bool eightBit = false;
  const bool read = Utilities_lom2::readFile(path.c_str(), &lines, &eightBit);
  FUZZ_CHECK(!read || size > 0, "an empty file was read");
  if (read) {
    FUZZ_CHECK(lines.no() >= 1, "%d lines", lines.no());
    long total = 0;
    for (FXint i = 0; i < lines.no(); ++i) {
      FUZZ_CHECK(lines[i].find('\r') < 0, "a carriage return kept in line %d", i);
      FUZZ_CHECK(lines[i].find('\n') < 0, "a line feed kept in line %d", i);
      total += lines[i].length();
    }
    // Converted text is at most 3/2 the bytes of UTF-16, 1 of UTF-32 and
    // UTF-8; the line feeds between lines are not counted.
    FUZZ_CHECK(total <= (long)size * 3 / 2 + 3, "%ld bytes of lines from %zu bytes", total, size);
  } else {
    FUZZ_CHECK(lines.no() == 0, "failed read left %d lines", lines.no());
  }

  // The buffer form gets exactly the file's size and never writes beyond
  // it (the address sanitizer watches the end).
  if (size > 0) {
    std::vector<char> buffer(size);
    bool eight = false;
    if (Utilities_lom2::readFile(path.c_str(), buffer.data(), &eight)) FUZZ_CHECK(eight == eightBit, "eightBit");
  }

  // Another separator splits the same text.
  FXArray<FXString> fields;
  Utilities_lom2::readFile(path.c_str(), ';', &fields);
  return 0;
}
