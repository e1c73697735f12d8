// What the user made survives the files it is kept in: zone limits and
// tables saved in a data file or in the settings file come back as they
// were in a new session and fit as before, and quitting where the
// settings cannot be written says so before anything is lost.
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "DataPlot.h"
#include "MainWindowFixture.h"
#include "Quillgrid.h"
#include "Table_lom2.h"
#include "TestHarness.h"

using namespace FX;

namespace {

std::string str(const FXString& s) { return s.text(); }

typedef std::vector<std::vector<std::string>> Cells;

class SavedWork : public MainWindowFixture {
protected:
  // Leaves a window by its File menu's Quit, as the event loop runs it.
  void quit(Quillgrid* w) {
    qgtest::DelayedMessage message(w, FXSEL(SEL_COMMAND, Quillgrid::ID_QUIT), 20);
    EXPECT_EQ(qgtest::app()->run(), 0);
    windows.erase(std::remove(windows.begin(), windows.end(), w), windows.end());
    delete w;
  }
  // The Curve Fitting tab in front, its plot realised.
  static void showFitTab(Quillgrid* w) {
    w->show(PLACEMENT_SCREEN);
    w->tabBook->setCurrent(3, FALSE);
    w->onCmdTabs(w->tabBook, 0, nullptr);
    ASSERT_TRUE(qgtest::runUntil([&] { return w->fitPlotCanvas->getWidth() > 300; }));
    qgtest::runFor(50);
  }
  static long fitData(Quillgrid* w) { return w->handle(nullptr, FXSEL(SEL_COMMAND, Quillgrid::ID_FIT_DATA), nullptr); }
  static std::vector<double> limits(Quillgrid* w) {
    return std::vector<double>(w->fitPlotZoneMarkers_real_x, w->fitPlotZoneMarkers_real_x + w->numEquations);
  }
  // Every cell of the coefficient tables of the zones in use.
  static std::vector<std::string> coefficients(Quillgrid* w) {
    std::vector<std::string> out;
    for (int z = 0; z < w->numEquations; ++z)
      for (int r = 0; r < w->coefficients_TBL[z]->getNumRows(); ++r)
        for (int c = 0; c < w->coefficients_TBL[z]->getNumColumns(); ++c)
          out.push_back(str(w->coefficients_TBL[z]->getItemText(r, c)));
    return out;
  }
  static void setCells(FXTable* t, const Cells& rows) {
    for (size_t r = 0; r < rows.size(); ++r)
      for (size_t c = 0; c < rows[r].size(); ++c) t->setItemText((int)r, (int)c, rows[r][c].c_str());
  }
  // The first n columns of every row of a table.
  static Cells cellsOf(FXTable* t, int n) {
    Cells out(t->getNumRows());
    for (int r = 0; r < t->getNumRows(); ++r)
      for (int c = 0; c < n; ++c) out[r].push_back(str(t->getItemText(r, c)));
    return out;
  }
  // Saves a data file through the File menu's save command and its dialog.
  void saveDataFile(Quillgrid* w, const std::string& path) {
    script.acceptFile(path.c_str());
    ASSERT_EQ(w->handle(nullptr, FXSEL(SEL_COMMAND, Quillgrid::ID_SAVE_DATA_FILE), nullptr), 1);
    ASSERT_TRUE(qgtest::fileExists(path));
  }
  // Opens a data file through the File menu's open command and its dialog.
  void openDataFile(Quillgrid* w, const std::string& path) {
    script.acceptFile(path.c_str());
    ASSERT_EQ(w->handle(nullptr, FXSEL(SEL_COMMAND, Quillgrid::ID_OPEN_DATA_FILE), nullptr), 1);
  }
  // Rows x, x * x for x = from, from + step, .. to in the XY values
  // table, which becomes the data source.
  static void typeParabola(Quillgrid* w, double from, double to, double step) {
    for (int i = 0; from + i * step <= to + 1e-9; ++i) {
      const double x = from + i * step;
      w->xyValues_TBL->setItemText(i, 0, FXStringFormat("%g", x));
      w->xyValues_TBL->setItemText(i, 1, FXStringFormat("%g", x * x));
    }
    w->dataSource = 1;
    w->setDataSource();
  }
  static void chooseZones(Quillgrid* w, int n) {
    w->numOfEquations_LB->setCurrentItem(n - 1, FALSE);
    w->onCmdNumEquations(w->numOfEquations_LB, 0, nullptr);
  }
  // Drags a zone marker with the mouse to the pixel of x.
  static void dragMarker(Quillgrid* w, int marker, double x) {
    FXEvent ev;
    ev.type = SEL_LEFTBUTTONPRESS;
    ev.code = LEFTBUTTON;
    ev.win_x = w->fitPlot->getPixelsFromRealX(w->fitPlotZoneMarkers_real_x[marker]);
    ev.win_y = w->fitPlotCanvas->getHeight() - 5;
    ASSERT_EQ(w->handle(w->fitPlotCanvas, FXSEL(SEL_LEFTBUTTONPRESS, Quillgrid::ID_FIT_PLOT), &ev), 1);
    ASSERT_EQ(w->draggedZoneMarker, marker);
    ev.type = SEL_MOTION;
    ev.state = LEFTBUTTONMASK;
    ev.win_x = w->fitPlot->getPixelsFromRealX(x);
    ASSERT_EQ(w->handle(w->fitPlotCanvas, FXSEL(SEL_MOTION, Quillgrid::ID_FIT_PLOT), &ev), 1);
    ev.type = SEL_LEFTBUTTONRELEASE;
    ev.state = 0;
    ASSERT_EQ(w->handle(w->fitPlotCanvas, FXSEL(SEL_LEFTBUTTONRELEASE, Quillgrid::ID_FIT_PLOT), &ev), 1);
  }

  qgtest::ModalScript script;
};

// Six zones over x = 0..10, the fourth limit dragged off its default: a
// new session from the settings file, and a data file opened in a window
// that fitted other data, both bring the limits back and fit the same.
TEST_F(SavedWork, ZoneLimitsComeBackFromTheSettingsAndFromADataFile) {
  Quillgrid* a = window();
  showFitTab(a);
  typeParabola(a, 0, 10, 0.1);
  chooseZones(a, 6);
  dragMarker(a, 3, 7.31);
  // The fits compared are made on a plot drawn with the data: the limit
  // fields show as many decimals as the plot's scale gives.
  ASSERT_EQ(fitData(a), 1);
  ASSERT_EQ(script.count(), 0u) << str(script.last().text);
  const std::vector<double> saved = limits(a);
  ASSERT_GT(saved[3], 7.2);
  ASSERT_LT(saved[3], 7.4);
  const std::vector<std::string> fitted = coefficients(a);
  const std::string path = dir.path() + "/zones.qwr";
  saveDataFile(a, path);
  const size_t asked = script.count();

  // Another window fits data over 50..100 with three zones, then opens
  // the file.
  Quillgrid* c = window();
  showFitTab(c);
  typeParabola(c, 50, 100, 0.5);
  chooseZones(c, 3);
  openDataFile(c, path);
  // A session that starts with the settings the first window quits with.
  quit(a);
  Quillgrid* b = window();

  for (Quillgrid* w : {c, b}) {
    const char* which = w == c ? "data file" : "settings file";
    ASSERT_EQ(w->numEquations, 6) << which;
    EXPECT_EQ(limits(w), saved) << which;
    showFitTab(w);
    EXPECT_EQ(fitData(w), 1);
    EXPECT_EQ(limits(w), saved) << which;
    EXPECT_EQ(fitData(w), 1);
    EXPECT_EQ(limits(w), saved) << which;
    EXPECT_EQ(coefficients(w), fitted) << which;
  }
  EXPECT_EQ(script.count(), asked + 1) << str(script.last().text);  // the open dialog only
}

// Zone limits that do not fit the data once it is known are replaced by
// the defaults at the next fit, as limits the user moved out would be.
TEST_F(SavedWork, SavedZoneLimitsOutsideTheDataGiveTheDefaultsAtTheFit) {
  Quillgrid* a = window();
  showFitTab(a);
  typeParabola(a, 0, 10, 0.1);
  chooseZones(a, 3);
  quit(a);
  std::string text = qgtest::readFile(".Quillgrid.ini");
  const std::string line = "<fitPlotZoneMarkers_real_x>0 ";
  const size_t at = text.find(line);
  ASSERT_NE(at, std::string::npos);
  text.replace(at, text.find('\n', at) - at, line + "-4.000000e+00");
  qgtest::writeFile(".Quillgrid.ini", text);

  Quillgrid* b = window();
  EXPECT_DOUBLE_EQ(limits(b)[0], -4);
  showFitTab(b);
  EXPECT_EQ(fitData(b), 1);
  EXPECT_NEAR(limits(b)[0], 10.0 / 3, 1e-12);
  EXPECT_NEAR(limits(b)[1], 20.0 / 3, 1e-12);
  EXPECT_DOUBLE_EQ(limits(b)[2], 10);
}

// Tables with a header row, text cells, a number written with a blank
// and a row without y: saved through the dialog and opened again in
// another window, and kept in the settings over a restart, they come back
// cell for cell, and fit as they did.
TEST_F(SavedWork, TablesComeBackCellForCellAndFitTheSame) {
  const Cells xy = {{"x", "y"},     {"1", "2.5"}, {"2", "4"},        {"3", "6.5"},   {"4", "10"},
                    {"5", "14.5"},  {"1.5", "abc"}, {".5e", "8"},    {"3 000", "4"}, {"6", ""},
                    {"", "7"},      {"a>b\\c", "t\tu\nv"}, {"1e3", "2,5"}, {"7", "50"}};
  const Cells lmp = {{"Time", "Stress", "T (K)"}, {"100", "200", "800"},  {"1000", "150", "800"},
                     {"10000", "100", "800"},     {"100", "180", "900"},  {"1000", "120", "900"},
                     {"2 h", "50", ""},           {"10", "20", "30"}};
  Quillgrid* a = window();
  setCells(a->xyValues_TBL, xy);
  setCells(a->lmpData_TBL, lmp);
  a->dataSource = 1;
  a->setDataSource();
  ASSERT_EQ(fitData(a), 1);
  const std::vector<std::string> xyFit = coefficients(a);
  a->curveFitType = 5;
  a->setCurveFitType();
  ASSERT_EQ(fitData(a), 1);
  const std::vector<std::string> lmpFit = coefficients(a);
  std::vector<std::string> told;
  for (const ModalSeam::Request& r : script.requests()) told.push_back(str(r.caption) + ": " + str(r.text));
  ASSERT_EQ(told.size(), 2u);  // the rows left out, once for each table
  const Cells xyBefore = cellsOf(a->xyValues_TBL, 2), lmpBefore = cellsOf(a->lmpData_TBL, 3);

  const std::string path = dir.path() + "/tables.qwr";
  saveDataFile(a, path);
  Quillgrid* c = window();
  openDataFile(c, path);
  quit(a);
  Quillgrid* b = window();

  for (Quillgrid* w : {c, b}) {
    const char* which = w == c ? "data file" : "settings file";
    EXPECT_EQ(cellsOf(w->xyValues_TBL, 2), xyBefore) << which;
    EXPECT_EQ(cellsOf(w->lmpData_TBL, 3), lmpBefore) << which;
    const size_t before = script.count();
    ASSERT_EQ(w->curveFitType, 5) << which;
    EXPECT_EQ(fitData(w), 1) << which;
    EXPECT_EQ(coefficients(w), lmpFit) << which;
    w->curveFitType = 0;
    w->setCurveFitType();
    EXPECT_EQ(fitData(w), 1) << which;
    EXPECT_EQ(coefficients(w), xyFit) << which;
    std::vector<std::string> toldNow;
    for (size_t i = before; i < script.count(); ++i)
      toldNow.push_back(str(script.requests()[i].caption) + ": " + str(script.requests()[i].text));
    EXPECT_EQ(toldNow, (std::vector<std::string>{told[1], told[0]})) << which;
  }
}

// The two ways of leaving the window: the File menu's Quit and the title
// bar's close.
struct LeavingPath {
  const char* name;
  FXSelector sel;
  bool windowDeletesItself;
};
const LeavingPath LEAVING_PATHS[] = {
    {"Quit", FXSEL(SEL_COMMAND, Quillgrid::ID_QUIT), false},
    {"close", FXSEL(SEL_CLOSE, 0), true},
};

const char* XY_LINE = "<xyValues>0 1 2\n";

// A directory stands where the settings file would be written: leaving
// says so and stays; Save stays and saves a data file elsewhere at once;
// Quit leaves without them, and nothing more is written or asked.
TEST_F(SavedWork, LeavingWhenTheSettingsCannotBeWrittenAsksFirst) {
  for (const LeavingPath& p : LEAVING_PATHS) {
    qgtest::TempDir caseDir;
    Quillgrid* w = make();
    w->xyValues_TBL->setItemText(0, 0, "1");
    w->xyValues_TBL->setItemText(0, 1, "2");
    ASSERT_EQ(mkdir(".Quillgrid.ini", 0755), 0);
    ASSERT_EQ(mkdir("other", 0755), 0);
    const std::string kept = caseDir.path() + "/other/kept.qwr";
    script.press(MBOX_CLICKED_SAVE).acceptFile(kept.c_str()).press(MBOX_CLICKED_QUIT);
    const size_t before = script.count();
    {
      qgtest::DelayedMessage first(w, p.sel, 20), second(w, p.sel, 300);
      EXPECT_EQ(qgtest::app()->run(), 0) << p.name;
      EXPECT_TRUE(second.fired()) << p.name << ": the window stayed after the first answer";
    }
    ASSERT_EQ(script.count(), before + 3) << p.name;
    const ModalSeam::Request& box = script.requests()[before];
    EXPECT_EQ(box.kind, ModalSeam::ERROR_BOX) << p.name;
    EXPECT_EQ(box.buttons, (FXuint)MBOX_QUIT_SAVE_CANCEL) << p.name;
    EXPECT_EQ(str(box.caption), "Settings not saved") << p.name;
    EXPECT_NE(str(box.text).find("settings and the tables"), std::string::npos) << p.name;
    EXPECT_NE(str(box.text).find(caseDir.path() + "/.Quillgrid.ini"), std::string::npos) << str(box.text);
    EXPECT_EQ(script.requests()[before + 1].kind, ModalSeam::DIALOG) << p.name;
    EXPECT_EQ(str(script.requests()[before + 2].caption), "Settings not saved") << p.name;
    EXPECT_NE(qgtest::readFile(kept).find(XY_LINE), std::string::npos) << p.name;
    if (!p.windowDeletesItself) delete w;
    EXPECT_EQ(script.count(), before + 3) << p.name;
  }
}

// The disk fills up while the settings are written: leaving says so with
// the reason, Cancel stays; once there is room again, leaving writes the
// settings before the window goes away, without a question.
TEST_F(SavedWork, LeavingOnAFullDiskTellsAndTheNextTryWrites) {
  struct sigaction ignore = {}, previous = {};
  ignore.sa_handler = SIG_IGN;
  ASSERT_EQ(sigaction(SIGXFSZ, &ignore, &previous), 0);
  struct rlimit normal = {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &normal), 0);
  auto roomAgain = [&] { setrlimit(RLIMIT_FSIZE, &normal); };
  for (const LeavingPath& p : LEAVING_PATHS) {
    qgtest::TempDir caseDir;
    Quillgrid* w = make();
    w->xyValues_TBL->setItemText(0, 0, "1");
    w->xyValues_TBL->setItemText(0, 1, "2");
    struct rlimit small = normal;
    small.rlim_cur = 512;  // the settings take some kilobytes
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string text;
    script.then([&](ModalSeam::Request& r) -> FXuint {
      text = str(r.text);
      roomAgain();
      return MBOX_CLICKED_CANCEL;
    });
    const size_t before = script.count();
    {
      qgtest::DelayedMessage first(w, p.sel, 20), second(w, p.sel, 300);
      EXPECT_EQ(qgtest::app()->run(), 0) << p.name;
      EXPECT_TRUE(second.fired()) << p.name;
    }
    roomAgain();
    EXPECT_EQ(script.count(), before + 1) << p.name;
    EXPECT_NE(text.find(strerror(EFBIG)), std::string::npos) << text;
    // Written by the leaving itself, before the window is destroyed.
    EXPECT_NE(qgtest::readFile(".Quillgrid.ini").find(XY_LINE), std::string::npos) << p.name;
    if (!p.windowDeletesItself) delete w;
  }
  sigaction(SIGXFSZ, &previous, nullptr);
}

}  // namespace
