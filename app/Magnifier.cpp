// The magnified views beside (or under) the image view, the scan-direction
// view, and the home-made cursors of the image view.
#include <exception>

#include "ChangeWidgetColors.h"
#include "Globals.h"
#include "Quillgrid.h"
#include "Table_lom2.h"
#include "fox16.h"

using namespace FX;

namespace {
const int M = Quillgrid::MAGNIFIED_SIZE;       // side of the magnified pixel window
const int S = Quillgrid::MAGNIFIED_VIEW_SIZE;  // side of the enlarged view
const int C = Quillgrid::CURSOR_SIZE;
const int HOT = Quillgrid::CURSOR_HOT_SPOT;
const FXColor BLACK = argb(0xFF000000);
const FXColor WHITE = argb(0xFFFFFFFF);

int half(int n) { return n / 2; }

// An image over a 60 x 60 pixel window, enlarged three times with
// nearest-pixel scaling and shown in the view; the image shown before is
// released afterwards.
void showMagnified(FXApp* app, FXImage*& image, FXColor* pixels, FXImageView* view) {
  FXImage* fresh = new FXImage(app, pixels, IMAGE_KEEP | IMAGE_SHMI | IMAGE_SHMP, M, M);
  fresh->scale(S, S, 0);
  fresh->create();
  view->setWidth(S);
  view->setImage(fresh);
  Quillgrid::releaseAndDelete(image);
  image = fresh;
}

void renew(FXColor*& pixels) {
  delete[] pixels;
  pixels = nullptr;  // a failed allocation must not leave a freed array behind
  pixels = new FXColor[M * M];
}

// Writes a pixel of the 60 x 60 window when it lies inside.
void put(FXColor* pixels, int col, int row, FXColor c) {
  if (col >= 0 && col < M && row >= 0 && row < M) pixels[row * M + col] = c;
}

// A cross of two bars centred at (col, row): arms reach `arm` pixels out,
// bars are 2 * across + 1 pixels thick.
void crossMark(FXColor* pixels, int col, int row, int arm, int across, FXColor c) {
  for (int d = -arm; d <= arm; ++d)
    for (int t = -across; t <= across; ++t) {
      put(pixels, col + d, row + t, c);
      put(pixels, col + t, row + d, c);
    }
}

FXColor pixelOf(FXImage* img, int x, int y, FXColor outside) {
  if (!img || !img->getData() || x < 0 || y < 0 || x >= img->getWidth() || y >= img->getHeight()) return outside;
  return img->getPixel(x, y);
}

FXCursor* makeColorCursor(FXApp* app, const FXColor* pixels) {
  FXCursor* c = new FXCursor(app, pixels, C, C, HOT, HOT);
  c->create();
  return c;
}
}  // namespace

void Quillgrid::setShowMagnifiedImage() {
  if (!magnifiedViewsFrame || !imageBottomFrame || !magnifiedViewFrame[2]) return;
  if (showMagnifiedImage) {
    for (FXHorizontalFrame* f : magnifiedViewFrame) f->show();
    const bool bottom = magnifiedViewsOnBottom_MRB && magnifiedViewsOnBottom_MRB->getCheck();
    if (bottom) {
      imageBottomFrame->show();
      magnifiedViewsFrame->hide();
    } else {
      imageBottomFrame->hide();
      magnifiedViewsFrame->show();
    }
    updateScanDirectionImage();
  } else {
    for (FXHorizontalFrame* f : magnifiedViewFrame) f->hide();
    imageBottomFrame->hide();
    magnifiedViewsFrame->hide();
  }
  for (FXHorizontalFrame* f : magnifiedViewFrame) f->recalc();
  imageBottomFrame->recalc();
  magnifiedViewsFrame->recalc();
}

void Quillgrid::setPositionMagnifiedViews() {
  if (!magnifiedViewsFrame || !imageBottomFrame) return;
  setShowMagnifiedImage();
  const bool bottom = magnifiedViewsOnBottom_MRB && magnifiedViewsOnBottom_MRB->getCheck();
  FXComposite* target = imageBottomFrame;
  FXComposite* other = magnifiedViewsFrame;
  if (!bottom) {
    target = magnifiedViewsFrame;
    other = imageBottomFrame;
    if (magnifiedViewsOnRightSide_MRB) magnifiedViewsOnRightSide_MRB->setCheck(TRUE);
    if (magnifiedViewsOnBottom_MRB) magnifiedViewsOnBottom_MRB->setCheck(FALSE);
  }
  FXWindow* moved[5] = {magnifiedViewFrame[0], magnifiedViewColumn[0], magnifiedViewFrame[1],
                        magnifiedViewColumn[1], magnifiedViewFrame[2]};
  for (FXWindow* w : moved) {
    if (w->getParent() != target) w->reparent(target);
    w->recalc();
  }
  // With the views switched off the container stays hidden too, so that
  // no empty column or row keeps its room.
  if (showMagnifiedImage) target->show();
  other->hide();
  target->recalc();
  other->recalc();
}

long Quillgrid::onCmdShowMagnifiedImage(FXObject*, FXSelector, void*) {
  showMagnifiedImage = showMagnifiedImage_MC->getCheck() != FALSE;
  showLineOnMagnifiedImage = showLineOnMagnifiedImage_MC->getCheck() != FALSE;
  showScanDirectionMagnifiedImage = showScanDirectionMagnifiedImage_MC->getCheck() != FALSE;
  setShowMagnifiedImage();
  return 1;
}

void Quillgrid::scanDirectionPixels(int direction, FXColor arrow, FXColor* pixels) {
  const FXColor edge = argb(0xFFD2D2D2), rest = argb(0xFFC8C8C8);
  for (int r = 0; r < M; ++r)
    for (int k = 0; k < M; ++k) {
      const bool midCols = k >= 20 && k <= 39, midRows = r >= 20 && r <= 39;
      const bool edgeCell = (midCols && (r <= 19 || r >= 41)) || (midRows && (k <= 19 || k >= 41));
      pixels[r * M + k] = edgeCell ? edge : rest;
    }
  const bool vertical = direction == 0 || direction == 1;
  if (vertical) {
    for (int r = 0; r < M; ++r) pixels[r * M + 29] = pixels[r * M + 30] = arrow;
  } else if (direction == 2 || direction == 3) {
    for (int k = 0; k < M; ++k) pixels[29 * M + k] = pixels[30 * M + k] = arrow;
  }
  switch (direction) {
    case 0:
      for (int r = 0; r <= 14; ++r)
        for (int k = 30 - half(r + 2); k <= 29 + half(r + 2); ++k) pixels[r * M + k] = arrow;
      break;
    case 1:
      for (int r = 44; r <= 59; ++r)
        for (int k = 30 - half(62 - r); k <= 29 + half(62 - r); ++k) pixels[r * M + k] = arrow;
      break;
    case 2:
      for (int k = 0; k <= 14; ++k)
        for (int r = 30 - half(k + 2); r <= 29 + half(k + 2); ++r) pixels[r * M + k] = arrow;
      break;
    default:  // Right, and any value outside the four directions
      for (int k = 44; k <= 59; ++k)
        for (int r = 30 - half(62 - k); r <= 29 + half(62 - k); ++r) pixels[r * M + k] = arrow;
      break;
  }
}

void Quillgrid::updateScanDirectionImage() {
  if (!magnifiedViewFrame[2] || !magnifiedImageView[2]) return;
  const bool show = showScanDirectionMagnifiedImage && showMagnifiedImage && autoFindPoint_Chk &&
                    autoFindPoint_Chk->getCheck();
  if (!show) {
    magnifiedViewFrame[2]->hide();
    magnifiedViewFrame[2]->recalc();
    return;
  }
  magnifiedViewFrame[2]->show();
  magnifiedViewFrame[2]->recalc();
  renew(magnifiedPixels[2]);
  scanDirectionPixels(searchDirection, dataPointColor, magnifiedPixels[2]);
  showMagnified(getApp(), magnifiedImage[2], magnifiedPixels[2], magnifiedImageView[2]);
}

void Quillgrid::updateMagnifiedImage(int x, int y) {
  if (!imageView || !magnifiedImageView[0] || !magnifiedImageView[1]) return;
  FXImage* shown = imageView->getImage();
  if (!shown) return;
  const int W = shown->getWidth(), H = shown->getHeight();
  const int cx = x - extraPixels[0], cy = y - extraPixels[1];
  const int left = cx - M / 2, top = cy - M / 2;  // image pixel of window cell (0, 0)
  if (W <= 59 || H <= 59 || left < -M || top < -M || left >= W || top >= H) return;
  try {
    renew(magnifiedPixels[0]);
    renew(magnifiedPixels[1]);
    FXColor* view0 = magnifiedPixels[0];
    FXColor* view1 = magnifiedPixels[1];
    const FXColor back = getBackColor();
    for (int j = 0; j < M; ++j)
      for (int i = 0; i < M; ++i) {
        const int ix = left + i, iy = top + j;
        const bool inside = ix >= 0 && iy >= 0 && ix < W && iy < H;
        view0[j * M + i] = inside ? pixelOf(shown, ix, iy, back) : back;
        view1[j * M + i] = inside ? pixelOf(image, ix, iy, back) : back;
      }

    const int mid = M / 2;
    if (showLineOnMagnifiedImage) {
      for (int d = 0; d < M; ++d) {
        view0[mid * M + d] = view0[d * M + mid] = dataPointColor;
        if (d - mid > 3 || mid - d > 3) view1[mid * M + d] = view1[d * M + mid] = dataPointColor;
      }
      // The user line, held in image pixels.
      if (lineClickCount > 0 && lineX[0] != lineX[1]) {
        const double m = double(lineY[1] - lineY[0]) / double(lineX[1] - lineX[0]);
        const double b = lineY[0] - m * lineX[0];
        const int dx = lineX[1] - lineX[0], dy = lineY[1] - lineY[0];
        if ((dy < 0 ? -dy : dy) < (dx < 0 ? -dx : dx)) {
          const int x0 = lineX[0] < lineX[1] ? lineX[0] : lineX[1];
          const int x1 = lineX[0] < lineX[1] ? lineX[1] : lineX[0];
          for (int lx = x0; lx < x1; ++lx) put(view1, lx - left, int(lx * m + b) - top, referencePointColor);
        } else {
          const int y0 = lineY[0] < lineY[1] ? lineY[0] : lineY[1];
          const int y1 = lineY[0] < lineY[1] ? lineY[1] : lineY[0];
          for (int ly = y0; ly < y1; ++ly) put(view1, int((ly - b) / m) - left, ly - top, referencePointColor);
        }
      }
    }

    // Axis reference points and curve points are stored as main-window
    // positions, the same convention as (x, y).
    const int refs[3][2] = {{0, 0}, {0, 1}, {1, 1}};  // {table, row}: origin, X max, Y max
    for (const auto& ref : refs) {
      Table_lom2* t = axisDataPoints_TBL[ref[0]];
      if (!t || t->getNumRows() <= ref[1] || t->getNumColumns() < 3) continue;
      if (t->isEmpty(ref[1], 1) || t->isEmpty(ref[1], 2)) continue;
      crossMark(view1, t->toInt(ref[1], 1) - x + mid, t->toInt(ref[1], 2) - y + mid, 8, 1, referencePointColor);
    }
    if (curveData_TBL && curveData_TBL->getNumColumns() > 4) {
      for (int r = 0; r < curveData_TBL->getNumRows(); ++r) {
        if (curveData_TBL->isEmpty(r, 3) || curveData_TBL->isEmpty(r, 4)) break;
        crossMark(view1, curveData_TBL->toInt(r, 3) - x + mid, curveData_TBL->toInt(r, 4) - y + mid, 2, 0,
                  dataPointColor);
      }
    }

    for (int k = 0; k < 2; ++k) {
      showMagnified(getApp(), magnifiedImage[k], magnifiedPixels[k], magnifiedImageView[k]);
      magnifiedImageView[k]->update();
    }
  } catch (...) {
    // A failed refresh leaves the views as they were drawn last.
  }
}

void Quillgrid::setCursorType() {
  if (cursorColorIndex < 0 || cursorColorIndex >= NUM_CURSOR_COLORS) cursorColorIndex = 0;
  if (cursorType != 0 && cursorType != 1) cursorType = 2;
  if (cursorType_RB[0]) {
    for (int i = 0; i < 3; ++i) cursorType_RB[i]->setCheck(i == cursorType, FALSE);
    if (cursorType == 2)
      cursorSpacing_Chk->enable();
    else
      cursorSpacing_Chk->disable();
  }
  if (cursorColor_LB) cursorColor_LB->setCurrentItem(cursorColorIndex, FALSE);
  makeCursors();
}

void Quillgrid::cursorShapePixels(int shape, bool wide, FXColor color, bool blackWhite, FXColor* pixels) {
  const int g = wide ? 2 : 1;
  for (int j = 0; j < C; ++j)
    for (int k = 0; k < C; ++k) {
      bool on;
      if (shape == 0) {
        on = j == 14 || j == 15 || k == 14 || k == 15;
      } else if (shape == 1) {
        const int c = wide ? 12 : 13, d = wide ? 17 : 16;
        on = (j == 14 || j == 15 || k == 14 || k == 15) && !(j >= c && j <= d && k >= c && k <= d);
      } else {
        const int a = HOT - g, b = HOT + g;
        on = (j == a || j == b || k == a || k == b) && !(j >= a && j <= b && k >= a && k <= b);
      }
      const int index = j * C + k;
      pixels[index] = !on ? 0 : blackWhite ? (index % 2 == 0 ? BLACK : WHITE) : color;
    }
}

void Quillgrid::pickColorCursorShapePixels(FXColor color, FXColor* pixels) {
  for (int j = 0; j < C; ++j)
    for (int k = 0; k < C; ++k) {
      const bool cross = j == HOT || k == HOT;
      const bool square = ((j == 7 || j == 23) && k >= 7 && k <= 23) || ((k == 7 || k == 23) && j >= 7 && j <= 23);
      pixels[j * C + k] = cross || square ? color : 0;
    }
}

void Quillgrid::makeCursors() {
  if (cursorColorIndex < 0 || cursorColorIndex >= NUM_CURSOR_COLORS) cursorColorIndex = 0;
  const bool wait = !isStartingUp;
  if (wait) getApp()->beginWaitCursor();

  // The view lets go of the cursor it shows before the old cursors go: a
  // new cursor may be given the freed one's address, and the view would
  // then not notice the change.
  if (imageView) imageView->setDefaultCursor(getApp()->getDefaultCursor(DEF_ARROW_CURSOR));
  releaseAndDelete(pickColorCursor);
  pickColorCursorShapePixels(CURSOR_COLORS[cursorColorIndex], pickColorCursorPixels);
  pickColorCursor = makeColorCursor(getApp(), pickColorCursorPixels);

  const bool wide = cursorSpacing_Chk && cursorSpacing_Chk->getCheck();
  for (int n = 0; n < NUM_CURSOR_COLORS; ++n) {
    releaseAndDelete(cursors[n]);
    cursorShapePixels(cursorType, wide, CURSOR_COLORS[n], cursorColorIndex == 2, cursorPixels[n]);
    cursors[n] = makeColorCursor(getApp(), cursorPixels[n]);
  }

  if (imageView) {
    if (cursorType == 1 && cursorColorIndex == 2)
      imageView->setDefaultCursor(getApp()->getDefaultCursor(DEF_CROSSHAIR_CURSOR));
    else
      imageView->setDefaultCursor(cursors[cursorColorIndex]);
  }
  if (wait) getApp()->endWaitCursor();
}

void Quillgrid::setCursorColor(double r, double g, double b) {
  auto channel = [](double v) { return FXuchar(v < 0 ? 0 : v > 255 ? 255 : v); };
  const FXColor c = FXRGB(channel(r), channel(g), channel(b));
  const bool white = ChangeWidgetColors::getFontColor(c) == WHITE;
  const int index = white ? 1 : 0;
  if (index != adaptiveCursorIndex && imageView && cursors[index]) imageView->setDefaultCursor(cursors[index]);
  adaptiveCursorIndex = index;
}
