// Test main of every test program: one FXApp per process.
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "TestHarness.h"

namespace qgtest {
namespace detail {
extern FX::FXApp* theApp;
extern bool display;
extern std::string startDir;
extern std::string workDir;
FX::FXuint defaultAnswer(ModalSeam::Request& req);
}  // namespace detail
}  // namespace qgtest

void* qgOpenDisplayProbe();
void qgCloseDisplayProbe(void* display);

namespace {
bool listingOnly(int argc, char** argv) {
  for (int i = 1; i < argc; ++i)
    if (strncmp(argv[i], "--gtest_list_tests", 18) == 0) return true;
  return false;
}

std::string makeWorkDirectory() {
  const char* tmp = getenv("TMPDIR");
  std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/quillgrid-test-XXXXXX";
  char buf[4096];
  snprintf(buf, sizeof buf, "%s", pattern.c_str());
  if (!mkdtemp(buf)) return std::string();
  return buf;
}

void removeTree(const std::string& dir) {
  if (dir.empty()) return;
  std::string cmd = "rm -rf '" + dir + "'";
  if (system(cmd.c_str()) != 0) fprintf(stderr, "could not remove %s\n", dir.c_str());
}
}  // namespace

int main(int argc, char** argv) {
  setvbuf(stdout, nullptr, _IOLBF, 0);
  // InitGoogleTest takes its own flags out of argv, so look for the listing
  // flag first: test discovery lists the tests at build time, outside Xvfb.
  const bool listing = listingOnly(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);

  bool haveDisplay = false;
  void* probe = nullptr;
  if (!listing) {
    probe = qgOpenDisplayProbe();
    haveDisplay = probe != nullptr;
    const char* ci = getenv("CI");
    if (!haveDisplay && ci && *ci) {
      fprintf(stderr, "CI is set but there is no X display: run the tests under xvfb-run.\n");
      return 1;
    }
  }

  static FX::FXApp app("Quillgrid", "VORN");
  qgtest::detail::theApp = &app;
  // Boxes and dialogs that no test script answers get a default answer
  // instead of a modal loop that nobody would end.
  ModalSeam::setResponder(qgtest::detail::defaultAnswer);
  qgtest::detail::display = haveDisplay;
  if (haveDisplay) {
    app.init(argc, argv);
    app.create();
  } else {
    app.init(argc, argv, false);
  }
  qgCloseDisplayProbe(probe);

  char cwd[4096];
  qgtest::detail::startDir = getcwd(cwd, sizeof cwd) ? cwd : ".";
  std::string work;
  if (!listing) {
    work = makeWorkDirectory();
    if (work.empty() || chdir(work.c_str()) != 0) {
      fprintf(stderr, "could not make a temporary working directory\n");
      return 1;
    }
    qgtest::detail::workDir = work;
  }

  int rc = RUN_ALL_TESTS();
  if (!work.empty()) {
    if (chdir(qgtest::detail::startDir.c_str()) != 0) { /* nothing to do */ }
    removeTree(work);
  }
  return rc;
}
