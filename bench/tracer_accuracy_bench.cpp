// Accuracy of the curve tracer on pictures drawn as plotting programs draw
// them.
//
// Draws curves of known equation (a sloped line, a parabola, a sine) black
// on white, anti-aliased at several line widths and aliased, opens each
// picture in the main window and traces it three ways through the
// program's own handlers: snapped clicks (every 10th column), the tracer
// between two picked points (the "Auto-find curve" button, a point in every
// column) and the whole-picture trace ("Full auto"). For each it prints the
// number of points and the largest and mean distance in pixels of a stored
// point (x px, y px) from the true curve, then the largest distance over
// the anti-aliased and over the aliased pictures.
//
// Needs a display: run it under xvfb-run.
#include <fxkeys.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "../tests/harness/CurvePicture.h"
#include "ModalSeam.h"
#include "Quillgrid.h"
#include "Table_lom2.h"

using namespace FX;

namespace {

const int W = 400, H = 240;
const int FIRST_COLUMN = 20, LAST_COLUMN = 380;  // the curve's drawn columns
const int PICKED[2] = {40, 360};                 // the two points the tracer runs between

struct Picture {
  const char* name;
  curvepic::Curve curve;
  double lineWidth;
  bool antiAliased;
};

struct Errors {
  int points = 0;
  double largest = 0, sum = 0;
  void add(double d) {
    ++points;
    largest = std::max(largest, d);
    sum += d;
  }
  double mean() const { return points ? sum / points : 0; }
};

void settle(FXApp* app, int ms) {
  for (int i = 0; i < ms; ++i) {
    app->runWhileEvents();
    usleep(1000);
  }
}

class Bench {
public:
  explicit Bench(FXApp* app) : app_(app) {
    ModalSeam::setResponder([this](ModalSeam::Request& r) {
      ++messages_;
      std::fprintf(stderr, "message: %s: %s\n", r.caption.text(), r.text.text());
      return FXuint(MBOX_CLICKED_OK);
    });
    w_ = new Quillgrid(app);
    w_->create();
  }
  ~Bench() { delete w_; }

  int messages() const { return messages_; }

  bool open(const Picture& p) {
    picture_ = p;
    const std::vector<FXColor> pixels =
        curvepic::draw(p.curve, W, H, p.lineWidth, FXRGB(0, 0, 0), p.antiAliased, FIRST_COLUMN, LAST_COLUMN);
    {
      FXFileStream out;
      if (!out.open("picture.bmp", FXStreamSave) || !fxsaveBMP(out, pixels.data(), W, H)) return false;
    }
    if (!w_->loadImage("picture.bmp")) return false;
    w_->recalc();
    settle(app_, 50);
    w_->getExtraPixels();
    ex_ = w_->extraPixels[0];
    ey_ = w_->extraPixels[1];
    w_->autoFindAxisMaxXY_Chk->setCheck(FALSE);
    w_->setCurveColorBox(FXRGB(0, 0, 0));
    w_->getPlotRGBColors();
    // Axes one real unit per pixel, so that every point gets real values.
    const char* axis[2][2][3] = {{{"0", "1", "1"}, {"100", "101", "1"}}, {{"0", "1", "101"}, {"100", "1", "1"}}};
    for (int a = 0; a < 2; ++a)
      for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c) w_->axisDataPoints_TBL[a]->setItemText(r, c, axis[a][r][c]);
    w_->searchDirection = 0;  // Up: each scan starts under the curve
    return true;
  }

  // Snapped clicks 8 pixels under the curve in every 10th column.
  Errors clicks() {
    startPicking();
    for (int x = PICKED[0]; x <= PICKED[1]; x += 10) clickUnder(x);
    return measure();
  }

  // The "Auto-find curve" button between two points clicked (and snapped)
  // under the curve.
  Errors tracer() {
    startPicking();
    for (int x : PICKED) clickUnder(x);
    FXListBox* counts = w_->numAutoFindPoints_LB_LB;
    counts->setCurrentItem(counts->getNumItems() - 1);  // the most points: one per column
    w_->handle(w_, FXSEL(SEL_COMMAND, Quillgrid::ID_AUTO_FIND_CURVE), nullptr);
    return measure();
  }

  // "Full auto": one scan up every column of the picture.
  Errors wholePicture() {
    w_->onCmdClearTable(nullptr, 0, nullptr);
    w_->fullAuto_Chk->setCheck(TRUE);
    w_->proMode_Chk->setCheck(TRUE);
    w_->axisDataType = 4;
    w_->handle(w_, FXSEL(SEL_COMMAND, Quillgrid::ID_AUTO_FIND_CURVE), nullptr);
    return measure();
  }

private:
  // An empty table; clicks give snapped curve points.
  void startPicking() {
    w_->onCmdClearTable(nullptr, 0, nullptr);
    w_->autoFindPoint_Chk->setCheck(TRUE);
    w_->proMode_Chk->setCheck(FALSE);
    w_->fullAuto_Chk->setCheck(FALSE);
    w_->axisDataType = 4;
    w_->nextAxisDataType = 6;
  }

  void clickUnder(int x) {
    w_->setCursorPosition(ex_ + x, ey_ + int(picture_.curve.f(x)) + 8);
    FXEvent ev;
    ev.type = SEL_LEFTBUTTONPRESS;
    ev.code = LEFTBUTTON;
    ev.state = 0;
    w_->handle(w_->imageView, FXSEL(SEL_LEFTBUTTONPRESS, Quillgrid::ID_IMAGE_VIEW), &ev);
  }

  Errors measure() {
    Errors e;
    Table_lom2* t = w_->curveData_TBL;
    for (int r = 0; r < t->getNumRows() && !t->getItemText(r, 3).empty(); ++r)
      e.add(curvepic::distance(picture_.curve, t->toDouble(r, 3) - ex_, t->toDouble(r, 4) - ey_));
    return e;
  }

  FXApp* app_;
  Quillgrid* w_ = nullptr;
  Picture picture_;
  int ex_ = 0, ey_ = 0;
  int messages_ = 0;
};

// Moves into a fresh directory: the main window reads and writes its
// settings file in the working directory.
bool enterScratchDirectory() {
  char dir[] = "/tmp/tracer_bench_XXXXXX";
  return mkdtemp(dir) && chdir(dir) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  setvbuf(stdout, nullptr, _IOLBF, 0);
  if (!enterScratchDirectory()) {
    std::printf("no scratch directory\n");
    return 1;
  }
  FXApp app("tracer_accuracy_bench", "VORN");
  app.init(argc, argv);
  app.create();

  const curvepic::Curve line{[](double x) { return 180 - 0.35 * (x - 20); }, [](double) { return -0.35; }};
  const curvepic::Curve parabola{[](double x) { return 50 + (x - 200) * (x - 200) / 900; },
                                 [](double x) { return (x - 200) / 450; }};
  const curvepic::Curve sine{[](double x) { return 120 + 50 * std::sin(x / 40); },
                             [](double x) { return 50 * std::cos(x / 40) / 40; }};
  const Picture pictures[] = {
      {"line", line, 2, true},          {"line", line, 2.5, true},         {"line", line, 3, true},
      {"line", line, 4, true},          {"parabola", parabola, 2, true},   {"parabola", parabola, 2.5, true},
      {"parabola", parabola, 3, true},  {"parabola", parabola, 4, true},   {"sine", sine, 2, true},
      {"sine", sine, 3, true},          {"sine", sine, 4, true},           {"line", line, 1, false},
      {"line", line, 3, false},         {"parabola", parabola, 1, false},  {"parabola", parabola, 3, false},
      {"sine", sine, 1, false},         {"sine", sine, 3, false},
  };

  Bench bench(&app);
  std::printf("Distance of stored points from the true curve, pixels (black ink, colour difference 50, search 30)\n");
  std::printf("%-9s %5s %-9s | %-22s | %-22s | %-22s\n", "curve", "width", "drawing", "snapped clicks",
              "tracer (Auto-find curve)", "whole picture (Full auto)");
  std::printf("%-9s %5s %-9s | %5s %7s %8s | %5s %7s %8s | %5s %7s %8s\n", "", "", "", "pts", "largest", "mean", "pts",
              "largest", "mean", "pts", "largest", "mean");
  double largest[2][3] = {{0, 0, 0}, {0, 0, 0}};  // [aliased][clicks, tracer, whole picture]
  for (const Picture& p : pictures) {
    if (!bench.open(p)) {
      std::printf("%-9s %5.1f: the picture could not be opened\n", p.name, p.lineWidth);
      continue;
    }
    const Errors e[3] = {bench.clicks(), bench.tracer(), bench.wholePicture()};
    std::printf("%-9s %5.1f %-9s", p.name, p.lineWidth, p.antiAliased ? "smooth" : "aliased");
    for (int k = 0; k < 3; ++k) {
      std::printf(" | %5d %7.3f %8.3f", e[k].points, e[k].largest, e[k].mean());
      largest[p.antiAliased ? 0 : 1][k] = std::max(largest[p.antiAliased ? 0 : 1][k], e[k].largest);
    }
    std::printf("\n");
  }
  std::printf("\nLargest distance, pixels:   snapped clicks   tracer   whole picture\n");
  std::printf("  anti-aliased pictures     %8.3f       %6.3f   %8.3f\n", largest[0][0], largest[0][1], largest[0][2]);
  std::printf("  aliased pictures          %8.3f       %6.3f   %8.3f\n", largest[1][0], largest[1][1], largest[1][2]);
  if (bench.messages()) std::printf("(%d message boxes were answered; see stderr)\n", bench.messages());
  return 0;
}
