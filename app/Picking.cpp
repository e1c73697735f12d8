// Point picking on the image: the left click with its step machine (origin,
// X far point, Y far point, then curve points), the snap to the curve, the
// axis search from the origin, the user line and colour-pick modes, pointer
// motion and the keys of the image view.
//
// Every stored position is the pointer position in main-window
// coordinates (as the axis and curve-points tables and the magnifier take
// them); the image pixel under it is that position minus extraPixels.
#include <fxkeys.h>

#include <cstdlib>
#include <cstring>
#include <ctime>

#include "ChangeWidgetColors.h"
#include "Globals.h"
#include "ImageRules.h"
#include "MenuButtonWin10Style.h"
#include "ModalSeam.h"
#include "Quillgrid.h"
#include "Table_lom2.h"
#include "fox16.h"

using namespace FX;

namespace {
const FXColor GREEN = argb(0xFF00FF00);
const FXColor YELLOW = argb(0xFFFFFF00);
const int MAX_CLICK_STEP = 10;
const int MIN_AXIS_LENGTH = 99;  // the far points lie more than this from the origin
const double CURSOR_DRAW_INTERVAL_S = 0.001;

enum { UP = 0, DOWN = 1, LEFT = 2, RIGHT = 3 };

FXString rgbText(FXColor c) { return FXStringFormat("%3d  %3d  %3d", FXREDVAL(c), FXGREENVAL(c), FXBLUEVAL(c)); }

bool checked(FXCheckButton* c) { return c && c->getCheck(); }
bool checked(FXRadioButton* r) { return r && r->getCheck(); }
}  // namespace

// ---- helpers

bool Quillgrid::imagePixelAt(int x, int y, FXColor* color) {
  if (!image || !image->getData()) return false;
  const int ix = x - extraPixels[0], iy = y - extraPixels[1];
  if (ix < 0 || iy < 0 || ix >= image->getWidth() || iy >= image->getHeight()) return false;
  *color = image->getPixel(ix, iy);
  return true;
}

void Quillgrid::setSelectionSwatch(FXColor color) {
  if (!selectionColor_TF) return;
  selectionColor_TF->setBackColor(color);
  selectionColor_TF->setTextColor(ChangeWidgetColors::getFontColor(color));
}

void Quillgrid::setNormalImageCursor() {
  if (!imageView) return;
  if (cursorType == 1 && cursorColorIndex == 2)
    imageView->setDefaultCursor(getApp()->getDefaultCursor(DEF_CROSSHAIR_CURSOR));
  else if (cursorColorIndex >= 0 && cursorColorIndex < NUM_CURSOR_COLORS && cursors[cursorColorIndex])
    imageView->setDefaultCursor(cursors[cursorColorIndex]);
}

int Quillgrid::lastUsedCurveRow() {
  int last = -1;
  if (!curveData_TBL || curveData_TBL->getNumColumns() < 5) return last;
  for (int r = 0; r < curveData_TBL->getNumRows() && !curveData_TBL->isEmpty(r, 3); ++r) last = r;
  return last;
}

// ---- writing points

void Quillgrid::handleClickedPoint(int x, int y, double yd, bool* traceRequested) {
  Table_lom2* xTable = axisDataPoints_TBL[0];
  Table_lom2* yTable = axisDataPoints_TBL[1];
  auto writeReference = [&](Table_lom2* t, int row) {
    t->setItemText(row, 1, FXStringFormat("%d", x));
    t->setItemText(row, 2, FXStringFormat("%d", y));
  };
  auto referenceCross = [&]() { plotPointOnImage(x, y, referencePointColor, 3, 15, false, image); };
  switch (axisDataType) {
    case 0:
      writeReference(xTable, 0);
      writeReference(yTable, 0);
      referenceCross();
      rotationCentre[0] = x - extraPixels[0];
      rotationCentre[1] = y - extraPixels[1];
      break;
    case 1:
      writeReference(xTable, 1);
      referenceCross();
      break;
    case 2:
      writeReference(yTable, 0);
      break;
    case 3:
      writeReference(yTable, 1);
      referenceCross();
      if (checked(extendCursorAll_Chk)) drawExtendedCursor(-1, -1);
      break;
    case 4: {
      if (!restoringTable) {
        const int row = getCurveDataRow();
        addDataPoint(row, x, y, yd);
        if (lineDrawn) drawLineOnImage(image);
        if (checked(proMode_Chk) && row == 1 && !dragMode) *traceRequested = true;
        if (row >= 1) allowOrdering();
      }
      markOrderedColumn(-1);
      if (undo_TB) undo_TB->enable();
      break;
    }
    default:
      break;
  }
}

void Quillgrid::addDataPoint(int row, int x, int y, double yd) {
  if (!curveData_TBL || row < 0) return;
  if (row >= curveData_TBL->getNumRows() - 2) appendRows();
  if (row >= curveData_TBL->getNumRows()) return;
  writePixelPosition(row, x, yd);
  if (clearData_Btn) clearData_Btn->enable();
  getRealValues(row);
  if (row + 2 < curveData_TBL->getNumRows() && !curveData_TBL->isItemVisible(row + 2, 0))
    curveData_TBL->makePositionVisible(row + 2, 0);
  plotPointOnImage(x, y, dataPointColor, 1, 9, false, image);
}

void Quillgrid::writePixelPosition(int row, int x, double yd) {
  curveData_TBL->setItemText(row, 3, FXStringFormat("%d", x));
  curveData_TBL->setItemText(row, 4, FXStringFormat("%.4lf", yd));
}

void Quillgrid::restoreFirstPointAfterAutoFindAxisFails() {
  axisDataType = 0;
  nextAxisDataType = 1;
  bool trace = false;
  handleClickedPoint(firstClick[0], firstClick[1], firstClickValue, &trace);
  setAxisDataType(nextAxisDataType);
}

void Quillgrid::copyShownPixelsForLine() {
  // A rubber band left on the view by a cancelled line borrows the pixels
  // about to be replaced: the working image goes back on the view first.
  if (lineImage) {
    imageView->setImage(image);
    releaseAndDelete(lineImage);
  }
  delete[] lineBackupPixels;
  lineBackupPixels = nullptr;
  lineBackupWidth = lineBackupHeight = 0;
  FXImage* shown = imageView->getImage();
  if (!shown || !shown->id() || shown->getWidth() < 1 || shown->getHeight() < 1) return;
  // The marks are drawn on the display's copy only: read the picture back
  // from there, so that the band is stretched over the picture as shown.
  FXImage* copy = new FXImage(getApp(), nullptr, IMAGE_KEEP | IMAGE_OWNED, shown->getWidth(), shown->getHeight());
  copy->create();
  {
    FXDCWindow dc(copy);
    dc.drawImage(shown, 0, 0);
  }
  copy->restore();
  if (copy->getData()) {
    lineBackupWidth = copy->getWidth();
    lineBackupHeight = copy->getHeight();
    const size_t n = size_t(lineBackupWidth) * size_t(lineBackupHeight);
    lineBackupPixels = new FXColor[n];
    memcpy(lineBackupPixels, copy->getData(), n * sizeof(FXColor));
  }
  releaseAndDelete(copy);
}

// ---- the axis search from the origin

// Both walks end on the axis line itself: its last pixel seen from the
// origin, or, when the line is broken near the origin or runs off the
// picture, its farthest pixel seen from the picture's edge (the edge pixel
// itself when the line reaches it).
int Quillgrid::findXAxisEnd(int x, int y, int W, const std::function<bool(int, int)>& matches,
                            const std::function<bool()>& lineBeside, int* e) {
  int next = x;
  while (next < W && matches(next, y)) ++next;
  int end = next - 1;  // the last matching pixel (left of x when x does not match)
  if (next >= W || std::abs(x - end) <= MIN_AXIS_LENGTH) {
    // The axis line is broken near the origin (or reaches the edge): take
    // its farthest pixel on the row instead.
    end = W - 1;
    while (end >= 0 && !matches(end, y)) --end;
    if (end < 0) return 0;
  }
  if (!(0 < end && end < W)) return 0;
  if (!lineBeside()) return 1;
  if (std::abs(x - end) <= MIN_AXIS_LENGTH) return 2;
  *e = end;
  return -1;
}

int Quillgrid::findYAxisEnd(int x, int y, int H, const std::function<bool(int, int)>& matches,
                            const std::function<bool()>& lineBeside, int* f) {
  int next = y;
  while (next >= 0 && matches(x, next)) --next;
  int end = next + 1;  // the last matching pixel going up
  if (next < 0 || std::abs(y - end) <= MIN_AXIS_LENGTH) {
    end = 0;
    while (end < H && !matches(x, end)) ++end;
    if (end >= H) return 3;
  }
  if (!(0 <= end && end < H)) return 3;
  if (!lineBeside()) return 4;
  if (std::abs(y - end) <= MIN_AXIS_LENGTH) return 5;
  *f = end;
  return -1;
}

void Quillgrid::autoFindAxisFailed(int failure, int savedSearchDirection) {
  ModalSeam::warning(this, MBOX_OK, failure < 3 ? "Error Defining X-axis" : "Error Defining Y-axis",
                     FXStringFormat("Could not auto-find the axis. (%d)\nThis option will be un-checked.", failure));
  searchDirection = savedSearchDirection;
  getPlotRGBColors();
  resetAfterNewImage();
  if (autoFindAxisMaxXY_Chk) autoFindAxisMaxXY_Chk->setCheck(FALSE);
  if (failure >= 1) restoreFirstPointAfterAutoFindAxisFails();
}

bool Quillgrid::autoFindAxisEnds(int x, int y, double yd) {
  const int savedDirection = searchDirection;
  curveRGB[0] = FXREDVAL(axisColor);
  curveRGB[1] = FXGREENVAL(axisColor);
  curveRGB[2] = FXBLUEVAL(axisColor);
  firstClick[0] = x;
  firstClick[1] = y;
  firstClickValue = yd;

  // The walks run over image pixels and are bounded by the picture's own
  // size; positions go back to main-window coordinates when written.
  const int ex = extraPixels[0], ey = extraPixels[1];
  auto matches = [&](int ix, int iy) {
    FXColor c;
    return imagePixelAt(ix + ex, iy + ey, &c) && colorsMatch(c);
  };
  auto scanFinds = [&](int direction, int a, int b, int px, int py) {
    searchDirection = direction;
    double d = py;
    return get_mid_px(a, b, &px, &py, &d);
  };
  // The Y axis line crosses the row just above the origin, the X axis line
  // the column just right of it.
  auto yLineAbove = [&]() { return scanFinds(RIGHT, x - 5, x + 5, x - 5, y - 5); };
  auto xLineRight = [&]() { return scanFinds(UP, y + 5, y - 5, x + 5, y + 5); };

  int e = 0;
  int failure = findXAxisEnd(x - ex, y - ey, image->getWidth(), matches, yLineAbove, &e);
  if (failure >= 0) {
    autoFindAxisFailed(failure, savedDirection);
    return false;
  }
  bool trace = false;
  axisDataType = 1;
  handleClickedPoint(e + ex, y, y, &trace);
  nextAxisDataType = 2;
  setAxisDataType(nextAxisDataType);
  axisDataType = 3;
  nextAxisDataType = 4;

  int f = 0;
  failure = findYAxisEnd(x - ex, y - ey, image->getHeight(), matches, xLineRight, &f);
  if (failure >= 0) {
    autoFindAxisFailed(failure, savedDirection);
    return false;
  }
  handleClickedPoint(x, f + ey, f + ey, &trace);
  nextAxisDataType = 5;
  setAxisDataType(nextAxisDataType);
  // Found axes run along a row and a column of the picture.
  const int angles[2] = {0, 90};
  for (int a = 0; a < 2; ++a)
    if (axisAngle_TF[a]) {
      axisAngle_TF[a]->setText(FXStringFormat("%.*lf", 0, double(angles[a])));
      axisAngle_TF[a]->setBackColor(GREEN);
    }
  searchDirection = savedDirection;
  getPlotRGBColors();
  return true;
}

// ---- the left click

long Quillgrid::onLeftMouseClick(FXObject*, FXSelector, void* ptr) {
  if (!buttonsEnabled || !image) return 0;
  const FXEvent* ev = static_cast<const FXEvent*>(ptr);
  const bool ctrl = ev && (ev->state & CONTROLMASK);
  checkLineWidth();
  unHighlightPoints(true);
  pointsHighlighted = false;
  int x, y;
  pointerPosition(&x, &y);

  if (drawLineMode) {
    if (lineClickCount == 0) copyShownPixelsForLine();
    if (lineClickCount < 2) {
      lineX[lineClickCount] = x - extraPixels[0];
      lineY[lineClickCount] = y - extraPixels[1];
    }
    ++lineClickCount;
    if (lineClickCount >= 2) {
      drawLineOnImage(image);
      imageView->setImage(image);
      releaseAndDelete(lineImage);
      drawLineMode = false;
      lineDrawn = true;
      updateDrawLineBtn();
    }
    return 1;
  }

  if (pickColorMode) {
    FXColor c;
    if (imagePixelAt(x, y, &c)) setCurveColorBox(c);
    // The pick cursor goes in every case: the mode ends here.
    setNormalImageCursor();
    getPlotRGBColors();
    pickColorMode = false;
    setDefaultColorTextfieldFrame();
    return 1;
  }

  defineColorDiff();
  const int step = nextAxisDataType;
  switch (step) {
    case 0:
      axisDataType = 0;
      axisColor = FXRGB(0, 0, 0);
      nextAxisDataType = 1;
      break;
    case 1:
      axisDataType = 1;
      nextAxisDataType = 3;
      break;
    case 2:
    case 3:
      axisDataType = 3;
      nextAxisDataType = 5;
      break;
    default:
      axisDataType = 4;
      if (!checkAxisLogScalingDefinitions()) return 1;
      nextAxisDataType = step + 1;
      break;
  }
  if (!checkAxisMinMaxDefinitions()) return 1;
  if (nextAxisDataType > MAX_CLICK_STEP) nextAxisDataType = MAX_CLICK_STEP;
  setAxisDataType(nextAxisDataType);

  // The magnifier follows the pointer, not the point a snap moves it to.
  const int pointerX = x, pointerY = y;
  double yd = y;
  if (axisDataType == 4 && checked(autoFindPoint_Chk) && !ctrl) {
    const int L = searchLength;
    const bool vertical = searchDirection == UP || searchDirection == DOWN;
    const int g = (searchDirection == DOWN || searchDirection == LEFT) ? -1 : 1;
    int px = x, py = y;
    const bool found = vertical ? get_mid_px(y, y - g * L, &px, &py, &yd) : get_mid_px(x, x + g * L, &px, &py, &yd);
    if (!found) {
      setSelectionSwatch(YELLOW);
      return 0;
    }
    if (vertical)
      y = py;
    else
      x = px;
    setSelectionSwatch(GREEN);
  } else if (axisDataType == 4) {
    FXColor c;
    if (imagePixelAt(x, y, &c)) setSelectionSwatch(colorsMatch(c) ? GREEN : YELLOW);
  }
  if (selectionColor_TF) setSelectionSwatch(selectionColor_TF->getBackColor());

  bool trace = false;
  handleClickedPoint(x, y, yd, &trace);

  if (checked(autoFindAxisMaxXY_Chk) && axisDataType == 0 && !autoFindAxisEnds(x, y, yd)) return 1;

  setDataPointTableStipple();
  if (showMagnifiedImage) {
    if (magnifierPoint[0] >= 0 && magnifierPoint[1] >= 0) {
      updateMagnifiedImage(magnifierPoint[0], magnifierPoint[1]);
      magnifierPoint[0] = magnifierPoint[1] = -1;
    } else {
      updateMagnifiedImage(pointerX, pointerY);
    }
  }
  if (dataSource != 0) {
    curveFitType = 0;
    setCurveFitType();
    dataSource = 0;
    setDataSource();
  }
  enableDisableDrawLineBtn();
  if (trace) {
    onCmdAutoFindCurve(nullptr, FXSEL(SEL_COMMAND, ID_AUTO_FIND_CURVE), nullptr);
    onCmdCopyTable(nullptr, FXSEL(SEL_COMMAND, ID_COPY_CURVE_TABLE), nullptr);
  }
  return 1;
}

// ---- pointer motion

long Quillgrid::onCmdImageMotion(FXObject*, FXSelector, void*) {
  if (!image) return 0;
  int x, y;
  pointerPosition(&x, &y);
  const bool dataChecked = checked(axisDataType_RB[4]);

  // 1. Drawing points while Shift is held.
  if (dragMode && (axisDataType == 4 || dataChecked)) {
    const int last = lastUsedCurveRow();
    int px = x + 2 * dragSpacing, py = y + 2 * dragSpacing;
    if (last >= 0) {
      px = curveData_TBL->toInt(last, 3);
      py = int(curveData_TBL->toDouble(last, 4));
    }
    const int dx = std::abs(x - px), dy = std::abs(y - py);
    if (checked(autoFindPoint_Chk)) {
      const bool vertical = searchDirection == UP || searchDirection == DOWN;
      if ((vertical && dx > dragSpacing) || (!vertical && dy > dragSpacing)) onLeftMouseClick(nullptr, 0, nullptr);
    } else if ((dx > dy ? dx : dy) > dragSpacing) {
      addDataPoint(getCurveDataRow(), x, y, y);
    }
  }

  // 2. The pointer held on the origin's row or column while a far point
  // is placed.
  if (checked(constrainCursor_Chk)) cursorLocked = checked(axisDataType_RB[1]) || checked(axisDataType_RB[3]);
  Table_lom2* xTable = axisDataPoints_TBL[0];
  const bool haveOrigin = xTable && !xTable->isEmpty(0, 1) && !xTable->isEmpty(0, 2);
  bool shownX = true, shownY = true;
  if (cursorLocked && haveOrigin && checked(axisDataType_RB[1])) {
    const int originY = xTable->toInt(0, 2);
    if (y != originY) setPointerPosition(x, y = originY);
    shownY = false;
  } else if (cursorLocked && haveOrigin && checked(axisDataType_RB[3])) {
    const int originX = xTable->toInt(0, 1);
    if (x != originX) setPointerPosition(x = originX, y);
    shownX = false;
  }
  if (currentPosition_TBL) {
    if (shownX) currentPosition_TBL->setItemText(0, 1, FXStringFormat("%d", x));
    if (shownY) currentPosition_TBL->setItemText(1, 1, FXStringFormat("%d", y));
  }

  // 3. The pixel under the pointer.
  FXColor c;
  if (imagePixelAt(x, y, &c)) {
    if (checked(extendCursorAll_Chk) && !dataChecked) {
      const double now = double(clock());
      if ((now - lastCursorDrawClock) / CLOCKS_PER_SEC > CURSOR_DRAW_INTERVAL_S) {
        drawExtendedCursor(x - extraPixels[0], y - extraPixels[1]);
        lastCursorDrawClock = now;
      }
    }
    if (pickColorMode) {
      setCurveColorBox(c);
    } else if (selectionColor_TF) {
      setSelectionSwatch(c);
      selectionColor_TF->setText(rgbText(c));
    }
    if (cursorColorIndex == 3) setCursorColor(FXREDVAL(c), FXGREENVAL(c), FXBLUEVAL(c));
  }

  // 4. The angle of the axis being placed and the real values.
  if (checked(axisDataType_RB[1]))
    getXYAxisCurrentAngle(0);
  else if (checked(axisDataType_RB[3]))
    getXYAxisCurrentAngle(1);
  double rx, ry;
  getRealValues(-1, false, x, y, &rx, &ry);

  // 5. The rubber-band line to the pointer.
  if (drawLineMode && lineClickCount == 1 && lineBackupPixels) {
    lineX[1] = x - extraPixels[0];
    lineY[1] = y - extraPixels[1];
    // The picture is kept client-side (the magnifier reads the shown
    // image); the line goes onto the server-side copy only.
    FXImage* band = new FXImage(getApp(), lineBackupPixels, IMAGE_KEEP | IMAGE_SHMI | IMAGE_SHMP, lineBackupWidth,
                                lineBackupHeight);
    band->create();
    {
      FXDCWindow dc(band);
      dc.setForeground(referencePointColor);
      for (const auto& p : ImageRules::linePixels(lineX[0], lineY[0], lineX[1], lineY[1])) dc.drawPoint(p.first, p.second);
    }
    imageView->setImage(band);
    releaseAndDelete(lineImage);
    lineImage = band;
  }

  // 6. The magnified views follow the pointer.
  if (showMagnifiedImage) {
    magnifierPoint[0] = x;
    magnifierPoint[1] = y;
    updateMagnifiedImage(x, y);
  }
  return 1;
}

// ---- keys

long Quillgrid::onImageKeyPress(FXObject*, FXSelector sel, void* ptr) {
  const FXEvent* ev = static_cast<const FXEvent*>(ptr);
  if (!ev) return 0;
  const FXuint code = ev->code;
  const bool shift = (ev->state & SHIFTMASK) != 0;
  const bool ctrl = (ev->state & CONTROLMASK) != 0;
  const bool constrain = checked(constrainCursor_Chk);

  if (code == KEY_Shift_L || code == KEY_Shift_R) {
    if (image && (axisDataType == 4 || checked(axisDataType_RB[4]))) {
      if (proMode_Chk) proMode_Chk->setCheck(FALSE);
      setUpProMode();
      dragMode = true;
      dragSpacing = ctrl ? 5 : 10;
      clearClipBoard();
      setBackColorForDrawDataPointsWithCursorDrag(pointSearch_GB);
      return 1;
    }
    if (!constrain) cursorLocked = false;
    return 0;
  }
  if (code == KEY_Delete) {
    onCmdDeleteLastPoint(nullptr, FXSEL(SEL_COMMAND, ID_DELETE_LAST_POINT), nullptr);
    unHighlightPoints(false);
    pointsHighlighted = false;
    return 1;
  }
  if (!constrain) cursorLocked = code == KEY_Alt_L || code == KEY_Alt_R;
  if (code == KEY_Return || code == KEY_KP_Enter) {
    onLeftMouseClick(this, sel, ptr);
    return 0;
  }

  int dx = 0, dy = 0;
  switch (code) {
    case KEY_Left: dx = -1; break;
    case KEY_Right: dx = 1; break;
    case KEY_Up: dy = -1; break;
    case KEY_Down: dy = 1; break;
    default: return 0;
  }
  const int stepSize = shift && ctrl ? 9 : (shift || ctrl ? 3 : 1);
  int x, y;
  pointerPosition(&x, &y);
  const int viewW = imageView ? imageView->getWidth() : 0;
  const int viewH = imageView ? imageView->getHeight() : 0;
  // The bounds of the view, where the picture shows (it may be scrolled).
  const int sx = imageView ? -imageView->getXPosition() : 0, sy = imageView ? -imageView->getYPosition() : 0;
  const int left = 6 + sx, top = imageViewTop + 4 + sy, right = viewW + 5 + sx, bottom = imageViewTop + viewH + 3 + sy;
  // A step stops at the bound; a pointer at or beyond it goes onto it.
  if (dx < 0) x = x - stepSize < left ? left : x - stepSize;
  if (dx > 0) x = x + stepSize > right ? right : x + stepSize;
  if (dy < 0) y = y - stepSize < top ? top : y - stepSize;
  if (dy > 0) y = y + stepSize > bottom ? bottom : y + stepSize;
  setPointerPosition(x, y);
  return 1;
}

// ---- picking the curve colour from the image

long Quillgrid::onCmdLeftClickColor(FXObject* sender, FXSelector, void*) {
  if (!buttonsEnabled || !image) {
    ModalSeam::warning(this, MBOX_OK, "Color definition", "You must first have an image and define the axis.");
    return 0;
  }
  if (!checked(axisDataType_RB[4])) {
    ModalSeam::warning(this, MBOX_OK, "Color definition", "You must first define the axis.");
    return 0;
  }
  if (pickColorMode) {
    // A second release cancels the pick.
    pickColorMode = false;
    onCmdRestoreTable(nullptr, FXSEL(SEL_COMMAND, ID_RESTORE_TABLE), nullptr);
    setCurveColorBox(savedCurveColor);
    getPlotRGBColors();
    setDefaultColorTextfieldFrame();
    setNormalImageCursor();
  } else {
    if (imageView && pickColorCursor) imageView->setDefaultCursor(pickColorCursor);
    savedCurveColor = curve_color->getBackColor();
    if (sender == curve_color) {
      pickColorMode = true;
      curve_color->setFrameStyle(FRAME_SUNKEN | FRAME_THICK);
      if (checked(clearWhenDefiningNewCurveColor_Chk))
        onCmdClearCurvePointsTable(nullptr, FXSEL(SEL_COMMAND, ID_CLEAR_CURVE_POINTS), nullptr);
    }
  }
  setFocusToImageView();
  return 1;
}
