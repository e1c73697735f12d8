// A realised main window on its Curve Fitting tab, with helpers to type
// rows into the value tables, set fit orders and read results and the
// pictures of the fit plots.
#ifndef QUILLGRID_TESTS_FITWINDOWFIXTURE_H
#define QUILLGRID_TESTS_FITWINDOWFIXTURE_H

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "DataPlot.h"
#include "MainWindowFixture.h"
#include "Quillgrid.h"
#include "Table_lom2.h"
#include "TestHarness.h"
// after fx.h, which it needs
#include <FXPNGImage.h>

class FitWindowFixture : public MainWindowFixture {
protected:
  struct Row {
    double a, b, c;
  };

  void SetUp() override {
    MainWindowFixture::SetUp();
    if (IsSkipped()) return;
    w = make();
    // One equation unless a test chooses more (the list starts at two,
    // and opening the tab takes the zone count from it).
    w->numOfEquations_LB->setCurrentItem(0, FALSE);
    showTab(3);
    qgtest::runUntil([this] { return w->fitPlotCanvas->getWidth() > 50 && w->fitPlotCanvas->getHeight() > 50; });
    qgtest::runFor(50);
  }
  // Brings a tab of the main window to the front as a click on it does.
  void showTab(int tab) {
    w->tabBook->setCurrent(tab, FALSE);
    w->onCmdTabs(w->tabBook, 0, nullptr);
  }
  void TearDown() override {
    if (!w) return;
    qgtest::app()->removeTimeout(w, Quillgrid::ID_WRITE_PLOT_FILE_TIMER);
    delete w;
    w = nullptr;
  }

  static std::string str(const FX::FXString& s) { return s.text(); }
  // Events for a while, with the repaints the toolkit keeps for an idle loop.
  static void settle(int ms) {
    for (int t = 0; t < ms; t += 20) {
      qgtest::runFor(20);
      qgtest::app()->repaint();
      qgtest::app()->flush(TRUE);
    }
  }

  // Rows of x and y in the XY values table, the data source set to it.
  void typeXY(const std::vector<Row>& rows) {
    for (size_t i = 0; i < rows.size(); ++i) {
      w->xyValues_TBL->setItemText((int)i, 0, FX::FXStringFormat("%.12g", rows[i].a));
      w->xyValues_TBL->setItemText((int)i, 1, FX::FXStringFormat("%.12g", rows[i].b));
    }
    w->dataSource = 1;
    w->setDataSource();
  }
  // y = 2x^2 - 3x + 5 at x = 1..10 in the XY values table.
  void typeQuadratic() {
    std::vector<Row> rows;
    for (int x = 1; x <= 10; ++x) rows.push_back({(double)x, 2.0 * x * x - 3.0 * x + 5.0, 0});
    typeXY(rows);
  }
  // Rows of time, stress and temperature, and the Larson-Miller fit type.
  void typeLMP(const std::vector<Row>& rows) {
    for (size_t i = 0; i < rows.size(); ++i) {
      w->lmpData_TBL->setItemText((int)i, 0, FX::FXStringFormat("%.12g", rows[i].a));
      w->lmpData_TBL->setItemText((int)i, 1, FX::FXStringFormat("%.12g", rows[i].b));
      w->lmpData_TBL->setItemText((int)i, 2, FX::FXStringFormat("%.12g", rows[i].c));
    }
    setFitType(5);
  }
  void setFitType(int type) {
    w->curveFitType = type;
    w->setCurveFitType();
  }
  void setOrder(int zone, int order) { w->setFitOrderLabels(zone, w->fitOrder_Lbl[zone], order); }
  // Coefficient k of a zone as shown in row 0 of its table.
  double coefficient(int zone, int k) { return FX::FXDoubleVal(w->coefficients_TBL[zone]->getItemText(0, k)); }
  std::string cell(FX::FXTable* t, int r, int c) { return str(t->getItemText(r, c)); }
  std::string field(FX::FXTextField* f) { return str(f->getText()); }

  // The last picture of a plot, read back; kept as a PNG when
  // QG_PLOT_PNG_DIR names a directory.
  FX::FXImage* picture(DataPlot* plot, const char* name);
  // The whole screen as a PNG when QG_PLOT_PNG_DIR names a directory.
  void screenshot(const char* name) {
    const char* dir = std::getenv("QG_PLOT_PNG_DIR");
    if (!dir || !*dir) return;
    qgtest::runFor(1500);
    const std::string command = std::string("import -window root ") + dir + "/" + name + ".png";
    if (std::system(command.c_str()) != 0) ADD_FAILURE() << command;
  }
  // What a canvas shows, read back from the display.
  FX::FXImage* grab(FX::FXCanvas* canvas) {
    FX::FXImage* img = new FX::FXImage(qgtest::app(), nullptr, FX::IMAGE_KEEP | FX::IMAGE_SHMI | FX::IMAGE_SHMP,
                                       canvas->getWidth(), canvas->getHeight());
    img->create();
    {
      FX::FXDCWindow dc(img);
      dc.drawArea(canvas, 0, 0, canvas->getWidth(), canvas->getHeight(), 0, 0);
    }
    img->restore();
    grabbed.push_back(img);
    return img;
  }

  static bool sameRGB(FX::FXColor a, FX::FXColor b) {
    return FXREDVAL(a) == FXREDVAL(b) && FXGREENVAL(a) == FXGREENVAL(b) && FXBLUEVAL(a) == FXBLUEVAL(b);
  }
  // Pixels of a colour in the columns x0..x1 (all rows).
  static int countInColumns(FX::FXImage* img, int x0, int x1, FX::FXColor c) {
    int n = 0;
    for (int x = x0 < 0 ? 0 : x0; x <= x1 && x < img->getWidth(); ++x)
      for (int y = 0; y < img->getHeight(); ++y) n += sameRGB(img->getPixel(x, y), c);
    return n;
  }

  Quillgrid* w = nullptr;
  std::vector<FX::FXImage*> grabbed;

  ~FitWindowFixture() override {
    for (FX::FXImage* img : grabbed) delete img;
  }
};

inline FX::FXImage* FitWindowFixture::picture(DataPlot* plot, const char* name) {
  FX::FXImage* img = plot->getImage();
  if (!img) return nullptr;
  img->restore();
  const char* dir = std::getenv("QG_PLOT_PNG_DIR");
  if (dir && *dir) {
    FX::FXFileStream out;
    if (out.open(FX::FXStringFormat("%s/%s.png", dir, name), FX::FXStreamSave)) {
      FX::fxsavePNG(out, img->getData(), img->getWidth(), img->getHeight());
      out.close();
    }
  }
  return img;
}

#endif
