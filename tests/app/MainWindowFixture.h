// A fixture for tests of the main window: needs the display, runs in a
// fresh working directory (settings and marker files are read from there),
// and makes windows that are realised on the display.
#ifndef QUILLGRID_TESTS_MAINWINDOWFIXTURE_H
#define QUILLGRID_TESTS_MAINWINDOWFIXTURE_H

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
  qgtest::TempDir dir;
};

#endif
