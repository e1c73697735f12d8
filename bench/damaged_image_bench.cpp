// Time and memory of refusing damaged image files.
//
// Writes one small file for each damage of image files the toolkit's
// decoders cannot take (crashes, writes past buffers, endless loops,
// gigabytes claimed by a few bytes), loads each through the main window's
// loadImage and prints the time until the loading error, the growth of the
// program's peak resident memory and the peak of its decoding processes.
// Then the same files decoded unchecked in a child process (the checks
// switched off), where the child's limits alone stop them. Needs a display:
// run it under xvfb-run.
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include <fx.h>

#include "../tests/app/DamagedImages.h"
#include "ImageDecode.h"
#include "ModalSeam.h"
#include "Quillgrid.h"

using namespace FX;

namespace {
double nowMs() {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// Peak resident memory of this process and of its largest ended child, MB.
double peakMb(int who) {
  struct rusage u;
  getrusage(who, &u);
  return u.ru_maxrss / 1024.0;
}
}  // namespace

int main(int argc, char** argv) {
  setvbuf(stdout, nullptr, _IOLBF, 0);
  FXApp app("Quillgrid", "VORN");
  app.init(argc, argv);
  app.create();
  // Every message box is answered at once.
  ModalSeam::setResponder([](ModalSeam::Request&) -> FXuint { return MBOX_CLICKED_OK; });
  // The window reads and writes its settings file in the working
  // directory: a directory of the benchmark's own.
  char dir[] = "/tmp/damaged-image-bench-XXXXXX";
  if (!mkdtemp(dir) || chdir(dir) != 0) return 1;
  Quillgrid* window = new Quillgrid(&app);
  window->create();

  std::printf("%-30s %8s %10s %14s %14s\n", "file (loadImage)", "bytes", "refused in", "own peak grew", "child peak");
  for (const damagedimages::File& f : damagedimages::filesTheDecodersCannotTake()) {
    const std::string path = std::string(dir) + "/" + f.name;
    FILE* out = fopen(path.c_str(), "wb");
    fwrite(f.bytes.data(), 1, f.bytes.size(), out);
    fclose(out);
    const double before = peakMb(RUSAGE_SELF), start = nowMs();
    const bool loaded = window->loadImage(path.c_str());
    const double ms = nowMs() - start;
    std::printf("%-30s %8zu %7.1f ms %11.1f MB %11.1f MB%s\n", f.name, f.bytes.size(), ms,
                peakMb(RUSAGE_SELF) - before, peakMb(RUSAGE_CHILDREN), loaded ? "  LOADED" : "");
  }

  std::printf("\n%-30s %8s %10s %14s\n", "file (unchecked, child only)", "bytes", "ended in", "outcome");
  const char* outcomes[] = {"decoded", "refused", "failed", "crashed", "timed out"};
  ImageDecode::Limits unchecked;
  unchecked.checkFile = false;
  unchecked.timeoutMs = 2000;
  for (const damagedimages::File& f : damagedimages::filesTheDecodersCannotTake()) {
    const std::string path = std::string(dir) + "/" + f.name;
    ImageDecode::DecodedPixels pixels;
    const double start = nowMs();
    const ImageDecode::Outcome outcome =
        ImageDecode::decodeImageFile(path.c_str(), FXPath::extension(path.c_str()), &pixels, unchecked);
    std::printf("%-30s %8zu %7.1f ms %14s\n", f.name, f.bytes.size(), nowMs() - start, outcomes[outcome]);
    unlink(path.c_str());
  }
  delete window;
  unlink((std::string(dir) + "/.Quillgrid.ini").c_str());
  rmdir(dir);
  return 0;
}
