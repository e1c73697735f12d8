// The Image tab: the image view, the frames of the magnified views and the
// scrollable column of panels that set how clicks on the image are read
// (point type, point search, search colour, cursor, axis definitions),
// with the curve-points table and its buttons; and the small handlers
// behind those panels.
#include "ChangeWidgetColors.h"
#include "FittedScrollWindow.h"
#include "Globals.h"
#include "PointerImageView.h"
#include "Quillgrid.h"
#include "Table_lom2.h"
#include "TextFit.h"
#include "TextInput_lom2.h"
#include "Utilities_lom2.h"
#include "fox16.h"

using namespace FX;

namespace {
const FXuint CHECK_OPTS = CHECKBUTTON_NORMAL;
const FXuint RADIO_OPTS = RADIOBUTTON_NORMAL;
const FXuint GROUP_OPTS = GROUPBOX_NORMAL | FRAME_GROOVE;
const FXuint GROUP_CENTRED_OPTS = GROUPBOX_TITLE_CENTER | FRAME_GROOVE;
const FXuint ACTION_BUTTON_OPTS =
    FRAME_RAISED | FRAME_THICK | JUSTIFY_CENTER_X | ICON_BEFORE_TEXT | LAYOUT_FILL_X | LAYOUT_FILL_COLUMN;
// The small tables of fixed size show all their cells and need no scroll bars.
const FXuint SMALL_TABLE_OPTS = LAYOUT_FIX_WIDTH | HSCROLLER_NEVER | VSCROLLER_NEVER;
const FXuint FIXED_BUTTON_OPTS = BUTTON_NORMAL | LAYOUT_FIX_WIDTH | LAYOUT_FIX_HEIGHT;
const int MAGNIFIED_FRAME_SIDE = 184;  // 180 pixels of view plus the 4-pixel margin
const int EMPTY_IMAGE_VIEW_SIDE = 500;  // the view's size while no picture is loaded
const int CURVE_TABLE_WIDTH = 178;
const int AXIS_TABLE_WIDTH = 112;
const int CONTROL_COLUMN_LINE_STEP = 24;  // pixels per click on the column's scroll arrows

// Index of the sender among n widgets; 0 when it is none of them.
template <class Widget>
int senderIndex(FXObject* sender, Widget* const* widgets, int n) {
  for (int i = 0; i < n; ++i)
    if (widgets[i] && sender == widgets[i]) return i;
  return 0;
}

FXButton* actionButton(FXComposite* p, const FXString& text, FXIcon* icon, FXObject* tgt, FXSelector id,
                       const FXString& tip) {
  FXButton* b = new FXButton(p, text, icon, tgt, id, ACTION_BUTTON_OPTS, 0, 0, 0, 0, 2, 2, 2, 2);
  b->setTipText(tip);
  return b;
}

FXButton* fixedButton(FXComposite* p, const FXString& text, FXObject* tgt, FXSelector id, int w, int h,
                      const FXString& tip) {
  FXButton* b = new FXButton(p, text, nullptr, tgt, id, FIXED_BUTTON_OPTS, 0, 0, w, h);
  b->setTipText(tip);
  return b;
}

// A frame that only holds its children together: no padding.
FXHorizontalFrame* tightRow(FXComposite* p, FXuint opts = 0) {
  return new FXHorizontalFrame(p, opts, 0, 0, 0, 0, 0, 0, 0, 0);
}
FXVerticalFrame* tightColumn(FXComposite* p, FXuint opts = 0) {
  return new FXVerticalFrame(p, opts, 0, 0, 0, 0, 0, 0, 0, 0);
}

void centreCell(Table_lom2* t, int r, int c) { t->setItemJustify(r, c, 0); }
}  // namespace

// The tab's frames from left to right: the image view, a margin, the
// column of magnified views, a margin, and the scrollable column of
// controls. The image view takes the room the others leave; the column of
// controls is as wide as its controls.
void Quillgrid::setUpPlotImageUI(FXHorizontalFrame* frame) {
  axisScaleType_x = 0;
  axisScaleType_y = 0;
  setUpImageViewFrame(frame);
  new FXVerticalFrame(frame, LAYOUT_FILL_Y, 0, 0, 0, 0, 4, 4, 4, 4, 4, 4);
  setUpMagnifiedViewsFrame(frame);
  setUpImageBottomFrame(frame);
  setUpControlColumn(frame);
}

// 1. The image view. It fills its frame: a picture larger than the room
// the window gives it scrolls inside the view, a smaller one stands at the
// view's top left corner (so the view's position is the picture's).
void Quillgrid::setUpImageViewFrame(FXHorizontalFrame* frame) {
  imageFrame = tightColumn(frame, LAYOUT_FILL_X | LAYOUT_FILL_Y);
  imageView = new PointerImageView(imageFrame, nullptr, this, ID_IMAGE_VIEW,
                                   LAYOUT_FILL_X | LAYOUT_FILL_Y | IMAGEVIEW_LEFT | IMAGEVIEW_TOP, 0, 0,
                                   EMPTY_IMAGE_VIEW_SIDE, EMPTY_IMAGE_VIEW_SIDE);
}

// 3. The column of magnified views: two views and the scan-direction view.
void Quillgrid::setUpMagnifiedViewsFrame(FXHorizontalFrame* frame) {
  magnifiedViewsFrame = new FXVerticalFrame(frame, LAYOUT_FIX_WIDTH | LAYOUT_FIX_HEIGHT, 0, 0, MAGNIFIED_FRAME_SIDE,
                                            3 * MAGNIFIED_FRAME_SIDE + 4 * 4, 0, 0, 0, 0, 0, 0);
  for (int k = 0; k < 3; ++k) {
    magnifiedViewFrame[k] =
        new FXHorizontalFrame(magnifiedViewsFrame, FRAME_LINE | LAYOUT_FIX_WIDTH | LAYOUT_FIX_HEIGHT, 0, 0,
                              MAGNIFIED_FRAME_SIDE, MAGNIFIED_FRAME_SIDE, 0, 0, 0, 0, 0, 0);
    magnifiedImageView[k] =
        new FXImageView(magnifiedViewFrame[k], nullptr, this, ID_MAGNIFIED_VIEW, LAYOUT_FILL_X | LAYOUT_FILL_Y);
    if (k < 2) magnifiedViewColumn[k] = new FXVerticalFrame(magnifiedViewsFrame, 0, 0, 0, 0, 0, 4, 4, 4, 4, 4, 4);
  }
}

// 4. The margin after the magnified views; under the image the frame that
// takes them when they stand at the bottom (as high as they are, so that
// the image view keeps the rest).
void Quillgrid::setUpImageBottomFrame(FXHorizontalFrame* frame) {
  new FXVerticalFrame(frame, LAYOUT_FILL_Y, 0, 0, 0, 0, 4, 4, 4, 4, 4, 4);
  new FXHorizontalFrame(imageFrame, 0, 0, 0, 0, 0, 4, 4, 4, 4, 4, 4);
  imageBottomFrame = tightRow(imageFrame, LAYOUT_FILL_X);
}

// 5. The scrollable column of panels, top to bottom.
void Quillgrid::setUpControlColumn(FXHorizontalFrame* frame) {
  FXScrollWindow* scroll =
      new FittedScrollWindow(frame, LAYOUT_SIDE_RIGHT | LAYOUT_FILL_Y, CONTROL_COLUMN_LINE_STEP);
  controlColumnScroll = scroll;
  FXVerticalFrame* scrollContent = new FXVerticalFrame(scroll, LAYOUT_FILL_X | LAYOUT_FILL_Y);
  FXVerticalFrame* column = new FXVerticalFrame(scrollContent, LAYOUT_FILL_Y);

  FXHorizontalFrame* topRow = tightRow(column, LAYOUT_FILL_X);
  setUpPointTypeFrame(topRow);
  setUpActionMatrix(topRow);

  controlsFrame = tightColumn(column, LAYOUT_FILL_X);
  setUpPointSearchGroup(controlsFrame);
  setUpSearchColorGroup(controlsFrame);
  setUpCursorGroup(controlsFrame);
  setUpAxisDefinitionsGroup(controlsFrame);

  curvePointsFrame = tightRow(column, LAYOUT_FILL_X | LAYOUT_FILL_Y);
  setUpCurvePointsGroup(curvePointsFrame);
  setUpCurvePointButtons(curvePointsFrame);
}

// 5.1 Point type, with the pro-mode row under it.
void Quillgrid::setUpPointTypeFrame(FXComposite* row) {
  FXVerticalFrame* pointTypeColumn = tightColumn(row, LAYOUT_FILL_Y);
  FXGroupBox* pointTypeGroup = new FXGroupBox(pointTypeColumn, "Point type", GROUP_OPTS, 0, 0, 0, 0, 4, 4, 4, 4);
  FXMatrix* pointTypeMatrix = new FXMatrix(pointTypeGroup, 2, MATRIX_BY_COLUMNS | LAYOUT_FILL_Y);
  const FXString minMax[2] = {"Min", "Max"};
  const FXString typeLabels[5] = {
      FXStringFormat("%s %s", minMax[0].text(), AXIS_NAMES[0].text()) + " && " + AXIS_NAMES[1],
      FXStringFormat("%s %s", minMax[1].text(), AXIS_NAMES[0].text()),
      FXStringFormat("%s %s", minMax[0].text(), AXIS_NAMES[1].text()),
      FXStringFormat("%s %s", minMax[1].text(), AXIS_NAMES[1].text()), "Data"};
  for (int i = 0; i < 5; ++i)
    axisDataType_RB[i] = new FXRadioButton(pointTypeMatrix, typeLabels[i], this, ID_AXIS_DATA_TYPE, RADIO_OPTS);
  axisDataType_RB[0]->setTipText(FXStringFormat(
      "This point is used as the minimum of the X- & Y-axis.\nThis does not have to be the actual minimum but it "
      "has to correspond\nto the value entered in the corresponding X \"%s\" field.",
      REAL_VALUE_TXT.text()));
  axisDataType_RB[1]->setTipText(FXStringFormat(
      "This point is used as the maximum of the X-axis and the minimum of the Y-axis.\nThis does not have to be "
      "the actual maximum but it has to correspond\nto the value entered in the corresponding \"%s\" fields.",
      REAL_VALUE_TXT.text()));
  axisDataType_RB[3]->setTipText(FXStringFormat(
      "This point is used as the minimum of the X & the maximum of the Y-axis.\nThis does not have to be the "
      "actual maximum but it has to correspond\nto the value entered in the corresponding \"%s\" fields.",
      REAL_VALUE_TXT.text()));
  const char* finder = AUTO_FIND_BTN_TXT.text();
  axisDataType_RB[4]->setTipText(
      FXStringFormat("Add the next point clicked to the \"%s\" table as a data point.\n\nIf you are using the \"%s\" "
                     "method then define 2 points only.\nThe first should be just below/above the curve at the "
                     "lowest value.\nThe second should be just below/above the curve at the highest value.\nAfter "
                     "these 2 points are defined click the \"%s\" button.\n",
                     CURVE_POINTS_TXT.text(), finder, finder) +
      FXStringFormat("\nIf you are not using \"%s\"", finder) +
      "click just below/above the curve and\nthe program will scan up/down to find the curve.\nRepeat this to "
      "define all of the point you want.\n" +
      FXStringFormat("\nIf \"%s\" is not checked then the location of the\n", finder) +
      FXStringFormat("cursor when clicked will be used.\n\nYou can first do an \"%s\"\nthen add additional points if "
                     "needed.",
                     finder));
  axisDataType_RB[2]->hide();  // the origin click defines both minima
  axisDataType_RB[1]->disable();
  axisDataType_RB[3]->disable();
  axisDataType_RB[4]->disable();

  FXHorizontalFrame* proRow = tightRow(pointTypeColumn, LAYOUT_FILL_X);
  proMode_Chk = new FXCheckButton(proRow, PRO_MODE_TXT, this, ID_PRO_MODE, CHECK_OPTS);
  proMode_Chk->setTipText(
      "If this is checked, after the 2nd point is found the program will auto-find the curve then copy it to the "
      "clipboard saving you mouse-clicks.");
  fullAuto_Chk = new FXCheckButton(proRow, "Full auto", nullptr, 0, CHECK_OPTS);
  fullAuto_Chk->setTipText("Scans entire image for the curve. Use only when the curve is a unique color. \"" +
                           PRO_MODE_TXT + "\" must be checked.");
  fullAuto_Chk->hide();
}

// 5.2 The action matrix beside the point types.
void Quillgrid::setUpActionMatrix(FXComposite* row) {
  FXMatrix* actions = new FXMatrix(row, 2, MATRIX_BY_COLUMNS | PACK_UNIFORM_WIDTH, 0, 0, 0, 0, 4, 4, 0, 0, 4, 4);
  const char* finder = AUTO_FIND_BTN_TXT.text();
  autoFindCurve_Btn = actionButton(
      actions, AUTO_FIND_BTN_TXT, nullptr, this, ID_AUTO_FIND_CURVE,
      FXString("1) Define the min/max of the axis.\n") +
          FXStringFormat("2) Then the min/max points in %s of the curve (define 2 pts).\n", AXIS_NAMES[0].text()) +
          FXStringFormat("3) Click the \"%s\" button.", finder));
  autoFindCurve_Btn->setBackColor(argb(0xFFC8FFC8));
  resetAll_Btn = actionButton(actions, "Reset all", nullptr, this, ID_RESET_ALL,
                              FXStringFormat("Clears the \"%s\" table and the min/max %s & %s points,\nthe image and "
                                             "any rotation are not changed.\n\nTo reset the rotation rotate the image "
                                             "180 deg. twice.",
                                             CURVE_POINTS_TXT.text(), AXIS_NAMES[0].text(), AXIS_NAMES[1].text()));
  resetAll_Btn->setBackColor(argb(0xFFFFFFC8));
  copyTable_Btn =
      actionButton(actions, COPY_TABLE_TXT, copyIcon, this, ID_COPY_CURVE_TABLE, "Copy the table x/y values.");
  copyTable_Btn->disable();
  clearData_Btn = actionButton(actions, CLEAR_TABLE_BTN_TXT, deleteIcon, this, ID_CLEAR_CURVE_POINTS,
                               "Resets image, deletes all data in the table but keeps the axis definitions.");
  clearData_Btn->setBackColor(argb(0xFFFFFFC8));
  drawLine_Btn = actionButton(actions, "Draw line", nullptr, this, ID_DRAW_LINE, "Draws line");
  restoreData_Btn = actionButton(actions, RESTORE_TABLE_BTN_TXT, nullptr, this, ID_RESTORE_TABLE,
                                 FXStringFormat("Restores data to the \"%s\" table.", CURVE_POINTS_TXT.text()));
  restoreData_Btn->setBackColor(argb(0xFFFFFFC8));
  restoreData_Btn->disable();
  resetImage_Btn = actionButton(actions, "Reset image", nullptr, this, ID_RESET_IMAGE,
                                "Resets image, but keep the data in the table and the axis definitions.");
  resetImage_Btn->hide();
}

// 5.3 The control groups: point search.
void Quillgrid::setUpPointSearchGroup(FXComposite* parent) {
  const char* finder = AUTO_FIND_BTN_TXT.text();
  pointSearch_GB = new FXGroupBox(parent, "Point search", GROUP_OPTS | LAYOUT_FILL_X, 0, 0, 0, 0, DEFAULT_SPACING,
                                  DEFAULT_SPACING, DEFAULT_SPACING, 4);
  FXHorizontalFrame* searchRow1 = tightRow(pointSearch_GB, LAYOUT_FILL_X);
  autoFindPoint_Chk =
      new FXCheckButton(searchRow1, AUTO_FIND_POINT_TXT, this, ID_AUTO_FIND_POINT, CHECK_OPTS | LAYOUT_CENTER_Y);
  autoFindPoint_Chk->setTipText(
      "Check this to have the program scan to find the curve point.\nYou can hold down the CTRL key to temporarily "
      "disable this and manually select points.");
  FXGroupBox* pointsGroup = new FXGroupBox(searchRow1, "# pts", GROUP_CENTRED_OPTS, 0, 0, 0, 0, 4, 4, 4, 4);
  numAutoFindPoints_LB_LB =
      new FXListBox(pointsGroup, this, ID_NUM_AUTO_FIND_POINTS, FRAME_SUNKEN | FRAME_THICK | LISTBOX_NORMAL);
  const char* pointCounts[14] = {" 10 ",  " 20 ",  " 25 ",  " 30 ",  " 50 ",  " 75 ",  " 100 ",
                                 " 150 ", " 200 ", " 300 ", " 400 ", " 500 ", " 750 ", " 1000 "};
  for (const char* count : pointCounts) numAutoFindPoints_LB_LB->appendItem(count);
  numAutoFindPoints_LB_LB->setNumVisible(14);
  numAutoFindPoints_LB_LB->setTipText(FXStringFormat(
      "The approximate number of points to find\nwhen clicking \"%s\".\nThis may not exact.", finder));
  FXGroupBox* directionGroup = new FXGroupBox(searchRow1, "Direction", GROUP_CENTRED_OPTS);
  FXMatrix* directionMatrix = new FXMatrix(directionGroup, 2, MATRIX_BY_COLUMNS);
  const char* directionTips[4] = {"Scan from bottom to top.", "Scan from top to bottom.",
                                  "Scan from right to left:   <--", "Scan from left to right:   -->"};
  for (int i = 0; i < 4; ++i) {
    searchDirection_RB[i] =
        new FXRadioButton(directionMatrix, SEARCH_DIRECTION_NAMES[i], this, ID_SEARCH_DIRECTION, RADIO_OPTS);
    searchDirection_RB[i]->setTipText(
        FXStringFormat("Scan direction when \"%s\" is checked.\n%s", AUTO_FIND_POINT_TXT.text(), directionTips[i]));
  }
  FXGroupBox* locationGroup = new FXGroupBox(searchRow1, "Location", GROUP_CENTRED_OPTS);
  const char* locationNames[3] = {"middle", "triangle", "inverted\ntriangle"};
  const char* locationTips[3] = {"Pick the middle of the curve/point.",
                                 "Pick 1/3 of the height. Use for triangle point symbols.",
                                 "Pick 2/3 of the height. Use for inverted triangle point symbols."};
  for (int i = 0; i < 3; ++i) {
    searchLocation_RB[i] = new FXRadioButton(locationGroup, locationNames[i], this, ID_SEARCH_LOCATION, RADIO_OPTS);
    searchLocation_RB[i]->setTipText(locationTips[i]);
  }

  FXHorizontalFrame* searchRow2 = tightRow(pointSearch_GB, LAYOUT_FILL_X);
  new FXLabel(searchRow2, "     Search length:", nullptr, LABEL_NORMAL | LAYOUT_CENTER_Y);
  lineThickness_TF = new TextInput_lom2(searchRow2, 7);
  lineThickness_TF->hide();
  for (int i = 0; i < NUM_SEARCH_LENGTHS; ++i) {
    searchLength_Btn[i] = fixedButton(
        searchRow2, FXStringFormat(" %d ", SEARCH_LENGTHS[i]), this, ID_SEARCH_LENGTH, 30, 0,
        FXStringFormat("Search length (pixels) used when \"%s\" is checked.\n%d usually works well.\nFor steep "
                       "curves use a larger value.\nFor closely spaced curves use a smaller value.",
                       AUTO_FIND_POINT_TXT.text(), 30));
    searchLength_Btn[i]->setLayoutHints(LAYOUT_FIX_WIDTH | LAYOUT_CENTER_Y);
  }
  defaultButtonBackColor = searchLength_Btn[0]->getBackColor();
}

// Search color.
void Quillgrid::setUpSearchColorGroup(FXComposite* parent) {
  const char* finder = AUTO_FIND_BTN_TXT.text();
  FXGroupBox* colorGroup =
      new FXGroupBox(parent, "Search color", GROUP_OPTS | LAYOUT_FILL_X, 0, 0, 0, 0, 4, 4, 4, 4);
  FXHorizontalFrame* colorRow = tightRow(colorGroup, LAYOUT_FILL_X);
  FXMatrix* colorLabels = new FXMatrix(colorRow, 2, MATRIX_BY_ROWS);
  new FXLabel(colorLabels, "Curve");
  new FXLabel(colorLabels, SELECTION_TXT);
  FXMatrix* colorBoxes = new FXMatrix(colorRow, 2, MATRIX_BY_ROWS);
  curve_color = new TextInput_lom2(colorBoxes, 12, this, ID_CURVE_COLOR, TEXTFIELD_NORMAL | JUSTIFY_CENTER_X);
  curve_color->setEditable(FALSE);
  curve_color->setTipText(FXStringFormat("Color to accept as a valid data point when using \"%s\" or \"%s\".",
                                         finder, AUTO_FIND_POINT_TXT.text()));
  selectionColor_TF = new TextInput_lom2(colorBoxes, 12, nullptr, 0, TEXTFIELD_NORMAL);
  selectionColor_TF->setEditable(FALSE);
  FXHorizontalFrame* diffRow = tightRow(colorGroup, LAYOUT_FILL_X);
  new FXLabel(diffRow, "Difference:", nullptr, LABEL_NORMAL | LAYOUT_CENTER_Y);
  for (int i = 0; i < NUM_COLOR_DIFFS; ++i) {
    colorDiff_Btn[i] = new FXButton(diffRow, COLOR_DIFF_LABELS[i], nullptr, this, ID_COLOR_DIFF,
                                    BUTTON_NORMAL | LAYOUT_FIX_WIDTH | LAYOUT_CENTER_Y, 0, 0, 30, 0, 0, 0, 0, 0);
    colorDiff_Btn[i]->setTipText(FXStringFormat("%s\n\nColor difference to match the curve color with in\n\"%s\" "
                                                "and \"%s\" methods.",
                                                COLOR_DIFF_TIPTEXT[i].text(), finder, AUTO_FIND_POINT_TXT.text()));
  }
  colorTol_TF = new TextInput_lom2(diffRow, 3);
  colorTol_TF->hide();
  FXHorizontalFrame* clearRow = tightRow(colorGroup, LAYOUT_FILL_X);
  clearWhenDefiningNewCurveColor_Chk =
      new FXCheckButton(clearRow, "Clear data when defining color", nullptr, 0, CHECK_OPTS | JUSTIFY_LEFT);
  clearWhenDefiningNewCurveColor_Chk->setTipText("Clear any data in the table\nwhen defining new curve color");
}

// Cursor: the pointer readout and the cursor style.
void Quillgrid::setUpCursorGroup(FXComposite* parent) {
  FXGroupBox* cursorGroup = new FXGroupBox(parent, "Cursor", GROUP_OPTS | LAYOUT_FILL_X);
  FXHorizontalFrame* cursorRow = tightRow(cursorGroup, LAYOUT_FILL_X);
  FXGroupBox* positionGroup = new FXGroupBox(cursorRow, "Current position", GROUP_CENTRED_OPTS);
  currentPosition_TBL = new Table_lom2(positionGroup, this, ID_CURRENT_POSITION_TABLE, SMALL_TABLE_OPTS, 0, 0,
                                       CURVE_TABLE_WIDTH, 0, 2, 2, 2, 2, useCommaForDecimal);
  currentPosition_TBL->setRowHeaderWidth(20);
  currentPosition_TBL->setTableSize(2, 2);
  currentPosition_TBL->setVisibleRows(2);
  currentPosition_TBL->setColumnHeaderHeight(24);
  currentPosition_TBL->setColumnText(0, REAL_VALUE_TXT);
  currentPosition_TBL->setColumnWidth(0, 110);
  currentPosition_TBL->setColumnText(1, "Pixels");
  currentPosition_TBL->setColumnWidth(1, 46);
  for (int r = 0; r < 2; ++r) {
    currentPosition_TBL->setRowText(r, AXIS_NAMES[r]);
    for (int c = 0; c < 2; ++c) centreCell(currentPosition_TBL, r, c);
  }
  currentPosition_TBL->setEditable(FALSE);

  FXGroupBox* styleGroup = new FXGroupBox(cursorRow, "Style", GROUP_CENTRED_OPTS | LAYOUT_FILL_Y);
  FXHorizontalFrame* styleRow1 = tightRow(styleGroup, LAYOUT_FILL_X);
  constrainCursor_Chk = new FXCheckButton(styleRow1, "Constrain", this, ID_CONSTRAIN_CURSOR, CHECK_OPTS);
  constrainCursor_Chk->setTipText(
      "Constrain the cursor in X or Y when defining the X and Y axis max points.\nYou can also uncheck this and use "
      "the ALT key to constrain it.");
  extendCursorAll_Chk = new FXCheckButton(styleRow1, "Extend", this, ID_EXTEND_CURSOR, CHECK_OPTS);
  extendCursorAll_Chk->setTipText("Extend the cursor when picking axis\nmin/max points for the x & y-axis.");
  cursorSpacing_Chk = new FXCheckButton(styleRow1, "Wide", this, ID_CURSOR_TYPE, CHECK_OPTS);
  cursorSpacing_Chk->setTipText(
      "Makes the spacing of the cursor wider\nMay help on some high resolution monitors\nOnly for \"Outline\" and "
      "\"Solid-hollow\" cursor types");
  FXHorizontalFrame* styleRow2 = tightRow(styleGroup, LAYOUT_FILL_X);
  cursorType_RB[1] = new FXRadioButton(styleRow2, "Solid-hollow", this, ID_CURSOR_TYPE, RADIO_OPTS);
  cursorType_RB[2] = new FXRadioButton(styleRow2, "Outline", this, ID_CURSOR_TYPE, RADIO_OPTS);
  FXHorizontalFrame* styleRow3 = tightRow(styleGroup, LAYOUT_FILL_X | LAYOUT_FILL_Y);
  cursorType_RB[0] = new FXRadioButton(styleRow3, "Solid", this, ID_CURSOR_TYPE, RADIO_OPTS | LAYOUT_CENTER_Y);
  cursorColor_LB = new FXListBox(styleRow3, this, ID_CURSOR_TYPE,
                                 FRAME_SUNKEN | FRAME_THICK | LISTBOX_NORMAL | LAYOUT_RIGHT | LAYOUT_CENTER_Y);
  for (int i = 0; i < NUM_CURSOR_COLORS; ++i) cursorColor_LB->appendItem(CURSOR_COLOR_NAMES[i] + "  ");
  cursorColor_LB->setNumVisible(NUM_CURSOR_COLORS);
  new FXLabel(styleRow3, "Color", nullptr, LABEL_NORMAL | LAYOUT_RIGHT | LAYOUT_CENTER_Y);
}

// Axis definitions: per axis its scale, reference table, angle and number
// format; then the axis options and the reference-point colours.
void Quillgrid::setUpAxisDefinitionsGroup(FXComposite* parent) {
  FXGroupBox* axisGroup = new FXGroupBox(parent, "Axis definitions", GROUP_OPTS | LAYOUT_FILL_X);
  for (int a = 0; a < 2; ++a) {
    FXGroupBox* g = new FXGroupBox(axisGroup, FXStringFormat("%s-axis", AXIS_NAMES[a].text()), GROUP_OPTS);
    FXHorizontalFrame* row = tightRow(g);
    FXVerticalFrame* scale = tightColumn(row, LAYOUT_CENTER_Y);
    axisLinear_RB[a] = new FXRadioButton(scale, "Linear", this, ID_AXIS_SCALE, RADIO_OPTS);
    axisLog_RB[a] = new FXRadioButton(scale, "Log", this, ID_AXIS_SCALE, RADIO_OPTS);

    Table_lom2* t = new Table_lom2(row, this, ID_AXIS_MINMAX_TABLE, SMALL_TABLE_OPTS, 0, 0, AXIS_TABLE_WIDTH, 0, 2,
                                   2, 2, 2, useCommaForDecimal);
    axisDataPoints_TBL[a] = t;
    t->setRowHeaderWidth(30);
    t->setTableSize(2, 3);
    t->setVisibleRows(2);
    t->setColumnHeaderHeight(24);
    t->setColumnText(0, REAL_VALUE_TXT);
    t->setColumnWidth(0, 80);
    // The pixel columns hold the points' positions but are not shown.
    t->setColumnText(1, "x pixels");
    t->setColumnWidth(1, 0);
    t->setColumnText(2, "y pixels");
    t->setColumnWidth(2, 0);
    t->setRowText(0, "Min");
    t->setRowText(1, "Max");
    for (int r = 0; r < 2; ++r)
      for (int c = 0; c < 3; ++c) {
        centreCell(t, r, c);
        t->setItemTipText(r, c, "You can enter the value as \"exp(2.1)\" for e^2.1");
      }

    FXVerticalFrame* angle = tightColumn(row, LAYOUT_CENTER_Y);
    new FXLabel(angle, "Angle");
    axisAngle_TF[a] = new TextInput_lom2(angle, 6, nullptr, 0, TEXTFIELD_NORMAL | TEXTFIELD_READONLY | JUSTIFY_RIGHT);
    axisAngle_TF[a]->setTipText(FXStringFormat("axis angle, should be %d degrees", a == 0 ? 0 : 90));

    FXVerticalFrame* format = tightColumn(row, LAYOUT_CENTER_Y);
    numberFormatDecimal_RB[a] = new FXRadioButton(format, "D", this, ID_NUMBER_FORMAT_TYPE, RADIO_OPTS);
    numberFormatDecimal_RB[a]->setTipText(FXString("Format the data as decimal.\n") +
                                          "This selection may be overridden if\nthe number is too large or too small");
    numberFormatScientific_RB[a] = new FXRadioButton(format, "S", this, ID_NUMBER_FORMAT_TYPE, RADIO_OPTS);
    numberFormatScientific_RB[a]->setTipText("Format the data as scientific notation.");
  }
  defaultTextFieldBackColor = axisAngle_TF[0]->getBackColor();

  FXHorizontalFrame* axisOptions = new FXHorizontalFrame(axisGroup, LAYOUT_FILL_X, 0, 0, 0, 0, 4, 4, 4, 4);
  autoFindAxisMaxXY_Chk =
      new FXCheckButton(axisOptions, AUTO_FIND_POINT_TXT, nullptr, 0, CHECK_OPTS | LAYOUT_CENTER_Y);
  autoFindAxisMaxXY_Chk->setTipText(
      FXString("When you click to define the min X & Y point the program will scan to find the max X & Y points.\n") +
      "This will only work properly if the max X & Y points are at the end of the axes and the axes are at\n90 "
      "degrees from one another, this may not be true for some older plots.");
  roundXvalueToNearestInteger_Chk =
      new FXCheckButton(axisOptions, "Round X-value", this, ID_ROUND_X_VALUE, CHECK_OPTS | LAYOUT_CENTER_Y);
  roundXvalueToNearestInteger_Chk->setTipText(
      FXStringFormat("Round X-values (> %.0lf) to the nearest integer.", 10.0));
  arrhenius_Chk = new FXCheckButton(axisOptions, "Arrhenius", this, ID_ARRHENIUS, CHECK_OPTS | LAYOUT_CENTER_Y);
  arrhenius_Chk->setTipText(FXString("ln(y) vs 1000/(T, K)\n") +
                            "The X-axis values will be convert from 1000/(T, K) to T, K.\n" +
                            "For the min/max X-axis real values enter the 1000/T values from the plot.");
  switchAxes_Btn =
      new FXButton(axisOptions, "Switch axes", nullptr, this, ID_SWITCH_AXES, BUTTON_NORMAL | LAYOUT_CENTER_Y);
  switchAxes_Btn->setTipText(
      FXStringFormat("Switch the X & Y definitions \"%ss\" and formatting", REAL_VALUE_TXT.text()));

  FXHorizontalFrame* referenceColors = tightRow(axisGroup, LAYOUT_FILL_X);
  referencePointColor_RB = new FXRadioButton*[NUM_POINT_COLORS];
  for (int i = 0; i < NUM_POINT_COLORS; ++i) {
    referencePointColor_RB[i] = new FXRadioButton(referenceColors, FXString::null, this, ID_REFERENCE_POINT_COLOR,
                                                  RADIO_OPTS | JUSTIFY_CENTER_X | FRAME_LINE, 0, 0, 0, 0, 12, 12, 4, 4);
    referencePointColor_RB[i]->setBackColor(POINT_COLORS[i]);
    referencePointColor_RB[i]->setTipText("Color of the corner reference points");
  }
}

// 5.4 The curve-points table with its hidden backup.
void Quillgrid::setUpCurvePointsGroup(FXComposite* parent) {
  FXGroupBox* curveGroup =
      new FXGroupBox(parent, CURVE_POINTS_TXT, GROUP_OPTS | LAYOUT_FILL_Y, 0, 0, 0, 0, 4, 4, 4, 4);
  const FXuint curveTableOpts = TABLE_READONLY | LAYOUT_FILL_Y | LAYOUT_FIX_WIDTH;
  curveData_TBL = new Table_lom2(curveGroup, this, ID_CURVE_POINTS_TABLE, curveTableOpts, 0, 0, CURVE_TABLE_WIDTH, 0,
                                 2, 2, 2, 2, useCommaForDecimal);
  curveDataBackup_TBL = new Table_lom2(curveGroup, nullptr, 0, curveTableOpts, 0, 0, CURVE_TABLE_WIDTH, 0, 2, 2, 2, 2,
                                       useCommaForDecimal);
  curveDataBackup_TBL->hide();
}

// The buttons beside the curve-points table.
void Quillgrid::setUpCurvePointButtons(FXComposite* parent) {
  curvePointButtonsFrame = new FXVerticalFrame(parent, LAYOUT_FILL_Y, 0, 0, 0, 0, 4, 4, 4, 4);
  autoOrderIncreasingWhenCopying_Chk = new FXCheckButton(curvePointButtonsFrame, "Order when\ncopying", this,
                                                         ID_AUTO_ORDER_ON_COPY, CHECK_OPTS | JUSTIFY_LEFT);
  autoOrderIncreasingWhenCopying_Chk->setTipText(ORDERED_COPY_TABLE_TIP_TEXT_TXT);
  orderPoints_Btn = fixedButton(curvePointButtonsFrame, "Order points (x)", this, ID_ORDER_CURVE_POINTS, 124, 30,
                                "x low to high (descending)");
  orderPoints_Btn->disable();
  copyCurveTable_Btn = fixedButton(curvePointButtonsFrame, COPY_TABLE_TXT, this, ID_COPY_CURVE_TABLE, 124, 30,
                                   "Copy the table x/y values.");
  copyCurveTable_Btn->disable();
  FXHorizontalFrame* copyRow = tightRow(curvePointButtonsFrame);
  copyX_Btn = fixedButton(copyRow, "Copy X", this, ID_COPY_CURVE_X, 60, 30, "Copy the table x-values.");
  copyX_Btn->disable();
  copyY_Btn = fixedButton(copyRow, "Copy Y", this, ID_COPY_CURVE_Y, 60, 30, "Copy the table y-values.");
  copyY_Btn->disable();

  FXGroupBox* pointColorGroup =
      new FXGroupBox(curvePointButtonsFrame, "Point color", GROUP_OPTS | LAYOUT_FIX_WIDTH, 0, 0, 124, 0, 0, 0, 2, 2);
  FXMatrix* pointColorMatrix = new FXMatrix(pointColorGroup, 4, MATRIX_BY_ROWS, 0, 0, 0, 0, 0, 0, 0, 0, 2, 2);
  pointColors = new FXColor[NUM_POINT_COLORS];
  dataPointColor_RB = new FXRadioButton*[NUM_POINT_COLORS];
  for (int i = 0; i < NUM_POINT_COLORS; ++i) {
    dataPointColor_RB[i] = new FXRadioButton(pointColorMatrix, FXString::null, this, ID_DATA_POINT_COLOR,
                                             RADIO_OPTS | FRAME_LINE | LAYOUT_FIX_WIDTH, 0, 0, 58, 0);
    dataPointColor_RB[i]->setBackColor(POINT_COLORS[i]);
    dataPointColor_RB[i]->setTipText("Color of the data points");
    pointColors[i] = POINT_COLORS[i];
  }

  recalData_Btn = fixedButton(curvePointButtonsFrame, "Recal data", this, ID_RECAL_DATA, 124, 30,
                              "You can change the real values of the min/max X & Y\naxis (or log/linear) then "
                              "recalculate the points.");
  recalData_Btn->setBackColor(argb(0xFFC8C8FF));
  clipboardClearer_TF =
      new TextInput_lom2(curvePointButtonsFrame, 15, nullptr, 0, TEXTFIELD_NORMAL | TEXTFIELD_READONLY);
  clipboardClearer_TF->hide();
}

// Once the fonts exist: the small tables' headers and row labels ("Min",
// "Max") shown whole, and the axis tables' real values as wide as a number
// in scientific notation ("7.389056e+00").
void Quillgrid::fitImageTabTablesToTheirTexts() {
  for (Table_lom2* t : {currentPosition_TBL, axisDataPoints_TBL[0], axisDataPoints_TBL[1]})
    if (t) textfit::fitHeaders(t);
  for (Table_lom2* t : axisDataPoints_TBL) textfit::fitColumnToText(t, 0, textfit::NUMBER_SAMPLE);
}

// The rows shown in the table, and the column of controls scrolled as
// little as it takes to show the table with its buttons or, in a view lower
// than those, the rows themselves.
void Quillgrid::showCurveTableRows(int first, int last) {
  Table_lom2* t = curveData_TBL;
  if (!t || first < 0 || first > last || last >= t->getNumRows()) return;
  t->makePositionVisible(last, 0);
  t->makePositionVisible(first, 0);
  FXScrollWindow* column = controlColumnScroll;
  FXWindow* content = column ? column->contentWindow() : nullptr;
  if (!content || !curvePointsFrame) return;
  const auto topInContent = [&](FXWindow* w) {
    int y = 0;
    for (; w && w != content; w = w->getParent()) y += w->getY();
    return y;
  };
  const int view = column->getViewportHeight();
  int from = topInContent(curvePointsFrame), to = from + curvePointsFrame->getHeight();
  if (to - from > view) {
    const int tableTop = topInContent(t);
    const int header = t->getColumnHeader()->shown() ? t->getColumnHeader()->getHeight() : 0;
    int r0 = -1, r1 = -1;
    for (int y = header; y < t->getHeight(); ++y) {
      const int r = t->rowAtY(y);
      if (r < first || r > last) continue;
      if (r0 < 0) r0 = y;
      r1 = y + 1;
    }
    if (r0 < 0) return;
    from = tableTop + r0;
    to = tableTop + r1;
  }
  int top = -column->getYPosition();
  if (to > top + view) top = to - view;
  if (from < top) top = from;
  column->setPosition(column->getXPosition(), -top);
}

void Quillgrid::getPlotRGBColors() {
  if (!curve_color) return;
  const FXColor c = curve_color->getBackColor();
  curveRGB[0] = FXREDVAL(c);
  curveRGB[1] = FXGREENVAL(c);
  curveRGB[2] = FXBLUEVAL(c);
}

void Quillgrid::setFocusToImageView() {
  if (image && imageView) imageView->setFocus();
}

bool Quillgrid::colorDiffAccepted(int tolerance) { return tolerance >= 25 && tolerance <= 100; }

void Quillgrid::defineColorDiff() {
  colorTol = colorTol_TF ? FXIntVal(colorTol_TF->getText(), 10) : 0;
  if (!colorDiffAccepted(colorTol)) setDefaultForColorDiff();
}

void Quillgrid::setDefaultColorTextfieldFrame() {
  if (curve_color) curve_color->setFrameStyle(FRAME_LINE);
  if (selectionColor_TF) selectionColor_TF->setFrameStyle(FRAME_LINE);
}

void Quillgrid::setCurveColorBox(FXColor color) {
  curve_color->setBackColor(color);
  curve_color->setText(FXStringFormat("%3d  %3d  %3d", FXREDVAL(color), FXGREENVAL(color), FXBLUEVAL(color)));
  curve_color->setTextColor(ChangeWidgetColors::getFontColor(color));
}

void Quillgrid::getExtraPixels() {
  extraPixels[0] = Utilities_lom2::getWidget_X_InRoot(imageView);
  extraPixels[1] = Utilities_lom2::getWidget_Y_InRoot(imageView);
}

void Quillgrid::setUpProMode() {
  FXCheckButton* locked[2] = {autoFindPoint_Chk, clearWhenDefiningNewCurveColor_Chk};
  const bool pro = proMode_Chk->getCheck() == TRUE;
  for (FXCheckButton* c : locked) {
    if (pro) {
      c->setCheck(TRUE, FALSE);
      c->disable();
    } else {
      c->enable();
    }
  }
  setAutoFindButtons();
  setFocusToImageView();
}

int Quillgrid::scanDirectionForPress(double e, double f) {
  const double lo = 1.0 / 3.0, hi = 2.0 / 3.0;
  if (e >= lo && e <= hi) {
    if (f <= lo) return 0;
    if (f >= hi) return 1;
    return -1;
  }
  if (f >= lo && f <= hi) {
    if (e <= lo) return 2;
    if (e >= hi) return 3;
  }
  return -1;
}

long Quillgrid::onCmdCursorType(FXObject* sender, FXSelector, void*) {
  if (sender != cursorColor_LB) {
    if (sender == cursorType_RB[0])
      cursorType = 0;
    else if (sender == cursorType_RB[1])
      cursorType = 1;
    else
      cursorType = 2;
  }
  cursorColorIndex = cursorColor_LB->getCurrentItem();
  setCursorType();
  setFocusToImageView();
  return 1;
}

long Quillgrid::onCmdSearchLengths(FXObject* sender, FXSelector, void*) {
  const int i = senderIndex(sender, searchLength_Btn, NUM_SEARCH_LENGTHS);
  setSearchLengthButtonColor(i);
  lineThickness_TF->setText(FXStringFormat("%d", SEARCH_LENGTHS[i]));
  setFocusToImageView();
  return 1;
}

long Quillgrid::onCmdColorDiff(FXObject* sender, FXSelector, void*) {
  const int i = senderIndex(sender, colorDiff_Btn, NUM_COLOR_DIFFS);
  setColorDiffButtonColor(i);
  colorTol_TF->setText(FXStringFormat("%d", COLOR_DIFFS[i]));
  setFocusToImageView();
  return 1;
}

long Quillgrid::onCmdConstrainCursor(FXObject*, FXSelector, void*) {
  if (!constrainCursor_Chk->getCheck()) cursorLocked = false;
  setFocusToImageView();
  return 1;
}

// Unchecked, the picture is drawn again without the full-size cross-hair
// (with its reference and curve points, and the user's line when there is
// one); checked, the next pointer motion draws the cross-hair.
long Quillgrid::onCmdExtendCursor(FXObject*, FXSelector, void*) {
  if (image && extendCursorAll_Chk && !extendCursorAll_Chk->getCheck()) {
    drawExtendedCursor(-1, -1);
    redrawTablePoints(image);
    if (lineDrawn) drawLineOnImage(image);
  }
  setFocusToImageView();
  return 1;
}

long Quillgrid::onCmdNumPointsListBox(FXObject*, FXSelector, void*) {
  // The tracer reads the chosen count when it runs.
  setFocusToImageView();
  return 1;
}

long Quillgrid::onCmdCheckOptions(FXObject*, FXSelector, void*) {
  setAutoFindButtons();
  setFocusToImageView();
  return 1;
}

long Quillgrid::onClickMagnifiedImageView(FXObject* sender, FXSelector, void*) {
  FXImageView* view = magnifiedImageView[2];
  if (!view || sender != view) return 1;  // the two magnified views take no clicks
  FXint px = 0, py = 0;
  FXuint buttons = 0;
  getCursorPosition(px, py, buttons);
  const int w = view->getWidth(), h = view->getHeight();
  if (w > 0 && h > 0) {
    const double e = double(px - Utilities_lom2::getWidget_X_InRoot(view)) / w;
    const double f = double(py - Utilities_lom2::getWidget_Y_InRoot(view)) / h;
    const int direction = scanDirectionForPress(e, f);
    if (direction >= 0) {
      searchDirection = direction;
      setSearchDirection();
      updateScanDirectionImage();
    }
  }
  setFocusToImageView();
  return 1;
}

long Quillgrid::onCmdDrawLine(FXObject*, FXSelector, void*) {
  lineClickCount = 0;
  drawLineMode = !drawLineMode;
  updateDrawLineBtn();
  setFocusToImageView();
  return 1;
}

long Quillgrid::onCmdSearchDirection(FXObject* sender, FXSelector, void*) {
  searchDirection = senderIndex(sender, searchDirection_RB, NUM_SEARCH_DIRECTIONS);
  setSearchDirection();
  setFocusToImageView();
  updateScanDirectionImage();
  return 1;
}

long Quillgrid::onCmdProMode(FXObject*, FXSelector, void*) {
  setUpProMode();
  return 1;
}

long Quillgrid::onCmdPositionMagnifiedViews(FXObject*, FXSelector sel, void*) {
  const bool bottom = FXSELID(sel) == ID_MAGNIFIED_VIEWS_BOTTOM;
  magnifiedViewsOnRightSide_MRB->setCheck(!bottom);
  magnifiedViewsOnBottom_MRB->setCheck(bottom);
  setPositionMagnifiedViews();
  if (resizeWindowWithNewImage->getCheck()) autoSizeWindow();
  if (clearAxisDefinitionsWithNewImage->getCheck()) resetAxis();
  return 1;
}
