// Speed and memory of the image work on a 12-megapixel picture.
//
// Draws a 4000 x 3000 plot-like picture (white paper, grey grid, black
// axes with ticks and label blocks, an anti-aliased blue curve, a red curve
// with square symbols, light scanner noise), writes it as PNG and prints,
// in one run, each figure as a ratio to its floor:
//   fine rotation (rules only, and through the main window's rotateImage
//   with the upload to the display), and
//   the half and quarter turns through their handlers
//                                          against a memcpy of the picture,
//   loadImage of the PNG                   against one decode by the toolkit,
//   the whole-picture trace                against one read of every pixel,
//   resident memory per picture pixel      against the 4 bytes of one copy,
//   pointer motion with "Extend" on over a 24-megapixel picture
//                                          against its goal of 5 ms a motion,
// and, in a section of its own, loading the PNG into a new window and over
// a picture of its size against one decode, with the parts of a load.
// Times are the median of several repeats. Needs a display: run it under
// xvfb-run.
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include <fx.h>
#include <FXPNGImage.h>

#include "AutoFindRules.h"
#include "ImageDecode.h"
#include "ImageRules.h"
#include "ModalSeam.h"
#include "PixelUpload.h"
#include "Quillgrid.h"

using namespace FX;

namespace {

const int W = 4000, H = 3000;
const int ANGLE = 2000;  // 2 degrees, a typical skew of a scan
const int ORIGIN_X = 300, ORIGIN_Y = 2700;
const FXColor PAPER = FXRGB(255, 255, 255);
const FXColor GRID = FXRGB(220, 220, 220);
const FXColor INK = FXRGB(0, 0, 0);
const FXColor BLUE = FXRGB(0, 0, 255);
const FXColor RED = FXRGB(255, 0, 0);

double nowMs() {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// Median time in milliseconds of runs of f.
double medianMs(int runs, const std::function<void()>& f) {
  std::vector<double> t;
  for (int k = 0; k < runs; ++k) {
    const double start = nowMs();
    f();
    t.push_back(nowMs() - start);
  }
  std::sort(t.begin(), t.end());
  return t[t.size() / 2];
}

// Resident and peak resident memory of this process in bytes.
void residentBytes(long* rss, long* peak) {
  *rss = *peak = 0;
  FILE* f = fopen("/proc/self/status", "r");
  if (!f) return;
  char line[256];
  while (fgets(line, sizeof line, f)) {
    long kb = 0;
    if (sscanf(line, "VmRSS: %ld kB", &kb) == 1) *rss = kb * 1024;
    if (sscanf(line, "VmHWM: %ld kB", &kb) == 1) *peak = kb * 1024;
  }
  fclose(f);
}

FXColor blend(FXColor a, FXColor b, double t) {
  auto mix = [t](int u, int v) { return (int)std::lround(u + (v - u) * t); };
  return FXRGB(mix(FXREDVAL(a), FXREDVAL(b)), mix(FXGREENVAL(a), FXGREENVAL(b)), mix(FXBLUEVAL(a), FXBLUEVAL(b)));
}

void box(std::vector<FXColor>& px, int x0, int y0, int x1, int y1, FXColor c) {
  for (int y = std::max(0, y0); y <= std::min(H - 1, y1); ++y)
    for (int x = std::max(0, x0); x <= std::min(W - 1, x1); ++x) px[x + (size_t)W * y] = c;
}

double blueCurve(double x) { return 1600.0 - 900.0 * std::sin((x - ORIGIN_X) / 700.0) + 0.00008 * (x - 2000) * (x - 2000); }

std::vector<FXColor> drawPlot() {
  std::vector<FXColor> px((size_t)W * H, PAPER);
  unsigned state = 2024u;
  auto rnd = [&state]() {
    state = state * 1664525u + 1013904223u;
    return state >> 8;
  };
  for (int x = ORIGIN_X; x < W - 100; x += 200) box(px, x, 200, x, ORIGIN_Y, GRID);
  for (int y = ORIGIN_Y; y > 200; y -= 200) box(px, ORIGIN_X, y, W - 100, y, GRID);
  box(px, ORIGIN_X - 1, 200, ORIGIN_X + 1, ORIGIN_Y + 1, INK);  // Y axis
  box(px, ORIGIN_X - 1, ORIGIN_Y - 1, W - 100, ORIGIN_Y + 1, INK);  // X axis
  for (int x = ORIGIN_X; x < W - 100; x += 200) {
    box(px, x, ORIGIN_Y + 2, x + 1, ORIGIN_Y + 20, INK);
    for (int g = 0; g < 4; ++g) box(px, x - 40 + 22 * g, ORIGIN_Y + 40, x - 26 + 22 * g, ORIGIN_Y + 64, INK);
  }
  for (int y = ORIGIN_Y; y > 200; y -= 200) {
    box(px, ORIGIN_X - 20, y, ORIGIN_X - 2, y + 1, INK);
    for (int g = 0; g < 4; ++g) box(px, ORIGIN_X - 140 + 22 * g, y - 12, ORIGIN_X - 126 + 22 * g, y + 12, INK);
  }
  // The blue curve: 3 pixels wide with anti-aliased edges.
  for (int x = ORIGIN_X + 2; x < W - 100; ++x) {
    const double yc = blueCurve(x);
    for (int y = (int)yc - 4; y <= (int)yc + 4; ++y) {
      const double d = std::fabs(y - yc);
      const double cover = std::min(1.0, std::max(0.0, 2.0 - d));
      if (cover > 0) px[x + (size_t)W * y] = blend(px[x + (size_t)W * y], BLUE, cover);
    }
  }
  // The red curve: a line with square symbols every 150 pixels.
  for (int x = ORIGIN_X + 2; x < W - 100; ++x) {
    const int y = (int)(2300 - 0.45 * (x - ORIGIN_X));
    box(px, x, y, x, y + 1, RED);
    if ((x - ORIGIN_X) % 150 == 0) box(px, x - 8, y - 8, x + 8, y + 8, RED);
  }
  // Scanner noise: one pixel in fifty slightly off white or black.
  for (size_t k = 0; k < px.size(); ++k)
    if (rnd() % 50 == 0) {
      const FXColor c = px[k];
      const int d = (int)(rnd() % 7) - 3;
      auto ch = [d](int v) { return std::min(255, std::max(0, v + d)); };
      px[k] = FXRGB(ch(FXREDVAL(c)), ch(FXGREENVAL(c)), ch(FXBLUEVAL(c)));
    }
  return px;
}

bool writePng(const std::string& path, const std::vector<FXColor>& px) {
  FXFileStream s;
  if (!s.open(path.c_str(), FXStreamSave)) return false;
  const bool ok = fxsavePNG(s, px.data(), W, H);
  s.close();
  return ok;
}

void line(const char* what, double ms, const char* floorName, double floorMs, const char* goal) {
  std::printf("%-40s %9.1f ms  %6.2f x %s%s\n", what, ms, ms / floorMs, floorName, goal);
}

// ---- pointer motion with "Extend" on over a 24-megapixel picture

const int BIG_W = 6000, BIG_H = 4000;

// A 6000 x 4000 plot: white paper, a grey grid, black axes and a blue curve.
std::vector<FXColor> drawBigPlot() {
  std::vector<FXColor> px((size_t)BIG_W * BIG_H, PAPER);
  auto put = [&](int x, int y, FXColor c) {
    if (x >= 0 && x < BIG_W && y >= 0 && y < BIG_H) px[x + (size_t)BIG_W * y] = c;
  };
  for (int x = 200; x < BIG_W - 100; x += 250)
    for (int y = 100; y < BIG_H - 200; ++y) put(x, y, GRID);
  for (int y = BIG_H - 200; y > 100; y -= 250)
    for (int x = 200; x < BIG_W - 100; ++x) put(x, y, GRID);
  for (int y = 100; y <= BIG_H - 200; ++y)
    for (int d = -1; d <= 1; ++d) put(200 + d, y, INK);
  for (int x = 200; x < BIG_W - 100; ++x)
    for (int d = -1; d <= 1; ++d) put(x, BIG_H - 200 + d, INK);
  for (int x = 202; x < BIG_W - 100; ++x) {
    const int y = (int)(2000 - 1500 * std::sin((x - 200) / 900.0));
    for (int d = -1; d <= 1; ++d) put(x, y + d, BLUE);
  }
  return px;
}

// Sends the image view a pointer motion to image pixel (ix, iy), as the
// display does, after moving the pointer there.
void moveOverImage(Quillgrid* window, int ix, int iy) {
  window->imageView->setCursorPosition(ix, iy);
  FXEvent ev;
  ev.type = SEL_MOTION;
  ev.win_x = ix;
  ev.win_y = iy;
  window->imageView->handle(window->imageView, FXSEL(SEL_MOTION, 0), &ev);
}

// Milliseconds per pointer motion over the picture, each motion handled,
// painted and finished by the display; every motion redraws the cross-hair
// when it is on (no motion falls within the redraw pause).
double msPerMotion(FXApp& app, Quillgrid* window, int motions) {
  std::vector<double> t;
  for (int k = 0; k < motions; ++k) {
    const int ix = 150 + (k * 7) % 600, iy = 120 + (k * 5) % 500;
    window->lastCursorDrawClock = -1e12;
    const double start = nowMs();
    moveOverImage(window, ix, iy);
    app.repaint();
    app.flush(TRUE);
    t.push_back(nowMs() - start);
  }
  std::sort(t.begin(), t.end());
  return t[t.size() / 2];
}

// The cost of a motion while the extended cross-hair ("Extend") follows
// the pointer over a 24-megapixel picture, the origin picked, the X far
// point being placed.
void extendedCursorMotion(FXApp& app, Quillgrid* window, const char* dirName) {
  const std::string png = std::string(dirName) + "/big.png";
  {
    const std::vector<FXColor> px = drawBigPlot();
    FXFileStream s;
    if (!s.open(png.c_str(), FXStreamSave) || !fxsavePNG(s, px.data(), BIG_W, BIG_H)) {
      std::fprintf(stderr, "could not write %s\n", png.c_str());
      return;
    }
  }
  window->show(PLACEMENT_SCREEN);
  if (!window->loadImage(png.c_str())) {
    std::fprintf(stderr, "loadImage of the 24 MP picture failed\n");
    return;
  }
  // Placed, laid out and painted as on the screen.
  const double until = nowMs() + 800;
  while (nowMs() < until) {
    app.runWhileEvents();
    usleep(2000);
  }
  window->getExtraPixels();
  window->autoFindAxisMaxXY_Chk->setCheck(FALSE, FALSE);
  window->constrainCursor_Chk->setCheck(FALSE, FALSE);
  window->cursorLocked = false;
  // The origin clicked on the picture.
  window->imageView->setCursorPosition(100, 600);
  FXEvent ev;
  ev.type = SEL_LEFTBUTTONPRESS;
  ev.code = LEFTBUTTON;
  ev.win_x = 100;
  ev.win_y = 600;
  window->imageView->handle(window->imageView, FXSEL(SEL_LEFTBUTTONPRESS, 0), &ev);
  ev.type = SEL_LEFTBUTTONRELEASE;
  window->imageView->handle(window->imageView, FXSEL(SEL_LEFTBUTTONRELEASE, 0), &ev);
  app.repaint();
  app.flush(TRUE);

  const int MOTIONS = 60;
  window->extendCursorAll_Chk->setCheck(FALSE, FALSE);
  const double plainMs = msPerMotion(app, window, MOTIONS);
  window->extendCursorAll_Chk->setCheck(TRUE, FALSE);
  const double extendMs = msPerMotion(app, window, MOTIONS);
  window->extendCursorAll_Chk->setCheck(FALSE, FALSE);
  std::printf("%-40s %9.1f ms a motion (for comparison)\n", "pointer motion over 24 MP, Extend off", plainMs);
  std::printf("%-40s %9.1f ms a motion  %6.2f x the 5 ms goal   (goal <= 1)\n", "pointer motion over 24 MP, Extend on",
              extendMs, extendMs / 5.0);
  unlink(png.c_str());
}

// ---- loading: where the time goes

// Loads the PNG into a new window and then over the picture it shows, and
// times the parts of a load on their own: the decode in a child process
// with the transfer of its pixels, one fresh buffer of the picture's size
// mapped in (a load maps in several), the copies into the shown picture and
// the original pixels, and the upload to the display. Each is printed
// against one decode by the toolkit in this process.
void printLoading(FXApp* app, const std::string& png, double decodeMs) {
  const size_t n = (size_t)W * H, bytes = n * sizeof(FXColor);
  std::printf("\nloading the PNG, against one toolkit decode (%.1f ms):\n", decodeMs);
  ImageDecode::DecodedPixels decoded;
  const double childMs = medianMs(5, [&] { ImageDecode::decodeImageFile(png.c_str(), "png", &decoded); });
  const double freshMs = medianMs(5, [&] {
    ImageDecode::DecodedPixels room;
    room.reserve(n);
    ImageDecode::prefaultPages(room.data(), bytes);
  });
  std::vector<FXColor> a(n), b(n);
  const double copiesMs =
      medianMs(5, [&] { ImageRules::copyPixelsTwice(decoded.data(), a.data(), b.data(), W, H); });
  FXImage shown(app, a.data(), IMAGE_KEEP | IMAGE_SHMI | IMAGE_SHMP, W, H);
  shown.create();
  PixelUpload upload;
  upload.put(&shown);
  const double uploadMs = medianMs(5, [&] {
    upload.put(&shown);
    app->flush(TRUE);
  });
  upload.release();
  shown.destroy();

  auto load = [&](Quillgrid* window) {
    const double start = nowMs();
    const bool loaded = window->loadImage(png.c_str());
    app->flush(TRUE);
    if (!loaded) std::fprintf(stderr, "loadImage failed\n");
    return nowMs() - start;
  };
  std::vector<double> first;
  for (int k = 0; k < 3; ++k) {
    Quillgrid* window = new Quillgrid(app);
    window->create();
    app->flush(TRUE);
    first.push_back(load(window));
    delete window;
  }
  std::sort(first.begin(), first.end());
  Quillgrid* window = new Quillgrid(app);
  window->create();
  app->flush(TRUE);
  load(window);
  const double againMs = medianMs(5, [&] { load(window); });
  delete window;

  line("  decode in a child process + transfer", childMs, "decode", decodeMs, "");
  line("  one fresh buffer of the picture mapped in", freshMs, "decode", decodeMs, "");
  line("  copies into the shown and original pixels", copiesMs, "decode", decodeMs, "");
  line("  upload to the display", uploadMs, "decode", decodeMs, "");
  line("  loadImage into a new window", first[1], "decode", decodeMs, "   (goal <= 1.5)");
  line("  loadImage over a picture of its size", againMs, "decode", decodeMs, "   (goal <= 1.5)");
}

}  // namespace

int main(int argc, char** argv) {
  setvbuf(stdout, nullptr, _IOLBF, 0);
  char dirName[] = "/tmp/quillgrid-image-bench-XXXXXX";
  if (!mkdtemp(dirName) || chdir(dirName) != 0) {
    std::fprintf(stderr, "could not make a working directory\n");
    return 1;
  }
  const std::string png = std::string(dirName) + "/plot.png";
  std::vector<FXColor> picture = drawPlot();
  if (!writePng(png, picture)) {
    std::fprintf(stderr, "could not write %s\n", png.c_str());
    return 1;
  }
  const double n = (double)W * H;
  const size_t bytes = sizeof(FXColor) * (size_t)W * H;
  FILE* f = fopen(png.c_str(), "rb");
  fseek(f, 0, SEEK_END);
  const long pngBytes = ftell(f);
  fclose(f);
  std::printf("picture %d x %d (%.1f MP), PNG %.2f MB, %u cores\n", W, H, n / 1e6, pngBytes / 1e6,
              std::max(1u, std::thread::hardware_concurrency()));

  // Floors.
  std::vector<FXColor> copy(picture.size());
  const double memcpyMs = medianMs(9, [&] { memcpy(copy.data(), picture.data(), bytes); });
  volatile uint64_t sink = 0;
  const double readMs = medianMs(9, [&] {
    uint64_t sum = 0;
    for (size_t k = 0; k < picture.size(); ++k) sum += picture[k];
    sink = sink + sum;
  });

  FXApp app("Quillgrid", "VORN");
  app.init(argc, argv);
  app.create();
  const double decodeMs = medianMs(5, [&] {
    FXPNGImage img(&app, nullptr, IMAGE_KEEP | IMAGE_SHMI | IMAGE_SHMP, 1, 1);
    FXFileStream s;
    s.open(png.c_str(), FXStreamLoad, 8192);
    img.loadPixels(s);
    s.close();
  });

  std::printf("%-40s %9.1f ms  (floor of the rotation)\n", "memcpy of the picture", memcpyMs);
  std::printf("%-40s %9.1f ms  (floor of the trace)\n", "one read of every pixel", readMs);
  std::printf("%-40s %9.1f ms  (floor of loading)\n", "toolkit decode of the PNG", decodeMs);

  const double rulesMs = medianMs(5, [&] {
    ImageRules::rotateFine(picture.data(), copy.data(), W, H, ORIGIN_X, ORIGIN_Y, ANGLE, PAPER);
  });
  line("fine rotation 2 deg, rules only", rulesMs, "memcpy", memcpyMs, "");

  AutoFindRules::Picture scan;
  scan.pixels = picture.data();
  scan.width = W;
  scan.height = H;
  AutoFindRules::CurveColor blue;
  blue.rgb[2] = 255;
  size_t found = 0;
  const double traceMs = medianMs(5, [&] {
    found = AutoFindRules::traceWholePicture(scan, blue, AutoFindRules::UP, 30).size();
  });
  size_t foundRows = 0;
  const double traceRowsMs = medianMs(5, [&] {
    foundRows = AutoFindRules::traceWholePicture(scan, blue, AutoFindRules::RIGHT, 30).size();
  });

  // The main window, as the program runs it.
  Quillgrid* window = new Quillgrid(&app);
  window->create();
  app.flush(TRUE);
  long rss0 = 0, peak0 = 0, rss1 = 0, peak1 = 0, rss2 = 0, peak2 = 0;
  residentBytes(&rss0, &peak0);
  double start = nowMs();
  const bool loaded = window->loadImage(png.c_str());
  app.flush(TRUE);
  const double firstLoadMs = nowMs() - start;
  if (!loaded) {
    std::fprintf(stderr, "loadImage failed\n");
    return 1;
  }
  residentBytes(&rss1, &peak1);
  window->rotationCentre[0] = ORIGIN_X;
  window->rotationCentre[1] = ORIGIN_Y;
  window->rotationAngle = ANGLE;
  window->rotateImage(ANGLE, window->image);
  app.flush(TRUE);
  residentBytes(&rss2, &peak2);

  const double rotateMs = medianMs(5, [&] {
    window->rotateImage(ANGLE, window->image);
    app.flush(TRUE);
  });
  // The half and quarter turns through their handlers, as the buttons run
  // them (each quarter turn is undone by the next, so the picture keeps its
  // size between repeats).
  const double halfTurnMs = medianMs(5, [&] {
    window->handle(nullptr, FXSEL(SEL_COMMAND, Quillgrid::ID_ROTATE_180), nullptr);
    app.flush(TRUE);
  });
  const double quarterTurnMs = medianMs(6, [&] {
    static bool clockwise = true;
    window->handle(nullptr, FXSEL(SEL_COMMAND, clockwise ? Quillgrid::ID_ROTATE_90_CW : Quillgrid::ID_ROTATE_90_CCW),
                   nullptr);
    clockwise = !clockwise;
    app.flush(TRUE);
  });
  // The median of three loads, the first one included.
  std::vector<double> loads = {firstLoadMs};
  for (int k = 0; k < 2; ++k) {
    start = nowMs();
    window->loadImage(png.c_str());
    app.flush(TRUE);
    loads.push_back(nowMs() - start);
  }
  std::sort(loads.begin(), loads.end());
  const double loadMs = loads[1];
  line("fine rotation 2 deg, rotateImage+upload", rotateMs, "memcpy", memcpyMs, "   (goal <= 10, aim 5)");
  line("half turn, through its handler", halfTurnMs, "memcpy", memcpyMs, "");
  line("quarter turn, through its handler", quarterTurnMs, "memcpy", memcpyMs, "   (goal <= 10, aim 5)");
  line("loadImage of the PNG", loadMs, "decode", decodeMs, "   (goal <= 2.5, aim 1.5)");
  char what[80];
  snprintf(what, sizeof what, "whole-picture trace, columns (%zu pts)", found);
  line(what, traceMs, "read", readMs, "   (goal <= 3)");
  snprintf(what, sizeof what, "whole-picture trace, rows (%zu pts)", foundRows);
  line(what, traceRowsMs, "read", readMs, "");
  const double loadedPerPixel = (rss1 - rss0) / n, rotatedPerPixel = (rss2 - rss0) / n;
  std::printf("%-40s %9.1f B/px %5.2f x 4 B/px   (goal <= 40 B/px)\n", "resident memory after loadImage",
              loadedPerPixel, loadedPerPixel / 4);
  std::printf("%-40s %9.1f B/px %5.2f x 4 B/px   (goal <= 40 B/px)\n", "resident memory after a fine rotation",
              rotatedPerPixel, rotatedPerPixel / 4);
  std::printf("%-40s %9.1f B/px %5.2f x 4 B/px\n", "peak resident memory over the load", (peak2 - rss0) / n,
              (peak2 - rss0) / n / 4);

  extendedCursorMotion(app, window, dirName);

  delete window;
  printLoading(&app, png, decodeMs);
  unlink(png.c_str());
  unlink(".Quillgrid.ini");
  if (chdir("/") == 0) rmdir(dirName);
  return sink == 42 ? 2 : 0;
}
