// Test support shared by every test program.
//
// The test main hosts one FXApp per process (connected to the X display
// when there is one), runs every process in a fresh temporary working
// directory, and refuses to run without a display when CI is set, so that
// a run in which every window test skipped can never look green.
#ifndef QUILLGRID_TESTHARNESS_H
#define QUILLGRID_TESTHARNESS_H

#include <fx.h>
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "ModalSeam.h"

namespace qgtest {

FX::FXApp* app();
bool haveDisplay();

// The directory the process started in (tests run in a temporary one).
const std::string& startDirectory();
// The temporary working directory of this process.
const std::string& workDirectory();
// Path of a file under the shared reference data (../shared/testdata
// beside the repository). A lone clone has none: tests that need it start
// with QG_REQUIRE_TESTDATA().
std::string testdata(const std::string& relative);
bool haveTestdata();
// True when the environment says the shared data must be there
// (QG_REQUIRE_TESTDATA set, as the CI script does).
bool testdataRequired();

// Writes bytes to a file in the working directory; returns its path.
std::string writeFile(const std::string& name, const std::string& bytes);
std::string readFile(const std::string& name);
bool fileExists(const std::string& name);

// Makes a fresh empty directory and makes it the working directory for
// its lifetime (settings and data files are read from the working
// directory).
class TempDir {
public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return path_; }

private:
  std::string path_;
  std::string previous_;
};

// Runs the event loop until pred() is true or maxMs milliseconds passed.
bool runUntil(const std::function<bool()>& pred, int maxMs = 2000);
// Runs the event loop for about ms milliseconds.
void runFor(int ms);

// Sends a message to a target from a timer, that is from inside whatever
// event loop (the main loop, a modal loop) runs when it fires. Keep the
// object alive until then.
class DelayedMessage : public FX::FXObject {
  FXDECLARE(DelayedMessage)
public:
  enum { ID_FIRE = 1 };
  DelayedMessage() {}
  DelayedMessage(FX::FXObject* target, FX::FXSelector sel, int ms);
  ~DelayedMessage();
  long onFire(FX::FXObject*, FX::FXSelector, void*);
  bool fired() const { return fired_; }

private:
  FX::FXObject* target_ = nullptr;
  FX::FXSelector sel_ = 0;
  bool fired_ = false;
};

// Puts a fake xdg-open first on PATH for its lifetime, in a temporary
// directory that is also the working directory meanwhile. Each run
// appends its argument count and arguments to calls.log, marks "started",
// and then waits (at most ten seconds) for a "release" file before it
// marks "finished", as a browser that stays open would.
class FakeBrowser {
public:
  FakeBrowser();
  ~FakeBrowser();
  FakeBrowser(const FakeBrowser&) = delete;
  FakeBrowser& operator=(const FakeBrowser&) = delete;
  void release();
  // What the runs so far received, as "<count>\n[arg]\n..." per run.
  std::string calls() const;

private:
  TempDir tempDir_;  // first: the fake lives in a directory of its own
  std::string dir_, oldPath_;
};

// Answers every modal request of the program from a script while alive.
// Each request takes the next answer; when the script is empty the
// fallback answers: OK on an OK box, No on a yes/no box, Cancel on
// any other box and on dialogs.
class ModalScript {
public:
  typedef std::function<FX::FXuint(ModalSeam::Request&)> Answer;
  ModalScript();
  ~ModalScript();
  ModalScript(const ModalScript&) = delete;
  ModalScript& operator=(const ModalScript&) = delete;

  // Press a button (MBOX_CLICKED_YES, ...) on the next message box.
  ModalScript& press(FX::FXuint button);
  // Accept the next file dialog with this file name and, when >= 0,
  // this pattern index.
  ModalScript& acceptFile(const FX::FXString& filename, FX::FXint pattern = -1);
  // Cancel the next dialog.
  ModalScript& cancel();
  // Any other answer.
  ModalScript& then(Answer a);

  const std::vector<ModalSeam::Request>& requests() const;
  size_t count() const { return requests().size(); }
  const ModalSeam::Request& last() const;
  size_t pending() const { return answers_.size(); }

private:
  std::deque<Answer> answers_;
};

}  // namespace qgtest

// Skips a test that needs the shared reference data when it is not there,
// saying so; fails it instead when the data is required.
#define QG_REQUIRE_TESTDATA()                                                                          \
  do {                                                                                                 \
    if (!qgtest::haveTestdata()) {                                                                     \
      if (qgtest::testdataRequired()) FAIL() << "the shared test data is missing: " QG_TESTDATA_DIR;   \
      GTEST_SKIP() << "needs the shared test data, which is not beside this repository: " QG_TESTDATA_DIR; \
    }                                                                                                  \
  } while (0)

// Skips a test that needs an X display when there is none (outside CI).
#define QG_REQUIRE_DISPLAY()                                   \
  do {                                                         \
    if (!qgtest::haveDisplay()) GTEST_SKIP() << "no X display"; \
  } while (0)

#endif
