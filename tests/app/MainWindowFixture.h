// A fixture for tests of the main window: needs the display, runs in a
// fresh working directory (settings and marker files are read from there),
// and makes windows that are realised on the display.
#ifndef QUILLGRID_TESTS_MAINWINDOWFIXTURE_H
#define QUILLGRID_TESTS_MAINWINDOWFIXTURE_H

#include <vector>

#include "Quillgrid.h"
#include "TestHarness.h"

class MainWindowFixture : public ::testing::Test {
protected:
  void SetUp() override {
    if (!qgtest::haveDisplay()) GTEST_SKIP() << "no X display";
  }
  Quillgrid* make() {
    Quillgrid* w = new Quillgrid(qgtest::app());
    w->create();
    return w;
  }
  // A window made as make() makes it, deleted when the test ends.
  Quillgrid* window() {
    windows.push_back(make());
    return windows.back();
  }
  void TearDown() override {
    for (Quillgrid* w : windows) delete w;
    windows.clear();
  }
  qgtest::TempDir dir;
  std::vector<Quillgrid*> windows;
};

#endif
