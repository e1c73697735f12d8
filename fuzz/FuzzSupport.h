// Shared by the libFuzzer targets: one toolkit application per process and
// a private directory for the files the targets read.
#ifndef QUILLGRID_FUZZSUPPORT_H
#define QUILLGRID_FUZZSUPPORT_H

#include <fx.h>

#include <stdint.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <string>

namespace fuzz {

// The application, connected to the display when withDisplay is set and
// DISPLAY names one (windows are then created as at start-up), otherwise
// without one (widgets work, nothing is drawn).
inline FX::FXApp* app(bool withDisplay = false) {
  static FX::FXApp* theApp = nullptr;
  if (!theApp) {
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    theApp = new FX::FXApp("Quillgrid", "VORN");
    const char* display = getenv("DISPLAY");
    const bool connect = withDisplay && display && *display;
    theApp->init(argc, argv, connect);
    if (connect) theApp->create();
  }
  return theApp;
}

inline bool haveDisplay() { return app()->getDisplay() != nullptr; }

// A directory of this process's own, on a memory file system when there
// is one. (libFuzzer keeps the working directory: its corpus paths may be
// relative.)
inline const std::string& workDirectory() {
  static std::string dir;
  if (dir.empty()) {
    const char* base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : (getenv("TMPDIR") ? getenv("TMPDIR") : "/tmp");
    char pattern[4096];
    snprintf(pattern, sizeof pattern, "%s/quillgrid-fuzz-XXXXXX", base);
    if (!mkdtemp(pattern)) abort();
    dir = pattern;
  }
  return dir;
}

// Writes the input to a file of the work directory; returns its path.
inline std::string writeInput(const char* name, const uint8_t* data, size_t size) {
  const std::string path = workDirectory() + "/" + name;
  FILE* f = fopen(path.c_str(), "wb");
  if (!f) abort();
  if (size && fwrite(data, 1, size, f) != size) abort();
  fclose(f);
  return path;
}

// A broken promise of the code under test: reported as a crash.
#define FUZZ_CHECK(condition, ...)                                         \
  do {                                                                     \
    if (!(condition)) {                                                    \
      fprintf(stderr, "check failed: %s: ", #condition);                   \
      fprintf(stderr, __VA_ARGS__);                                        \
      fprintf(stderr, "\n");                                               \
      abort();                                                             \
    }                                                                      \
  } while (0)

}  // namespace fuzz

#endif
