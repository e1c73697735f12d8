// Routing of the main window's message map: first matching entry wins.
#include "Quillgrid.h"
#include "TestHarness.h"

using namespace FX;

namespace {
typedef long (Quillgrid::*Handler)(FXObject*, FXSelector, void*);

Handler routed(FXuint type, FXuint id) {
  const Quillgrid::FXMapEntry* e =
      static_cast<const Quillgrid::FXMapEntry*>(Quillgrid::metaClass.search(FXSEL(type, id)));
  return e ? e->func : nullptr;
}
}  // namespace

TEST(MessageMap, IdsAndEntryCount) {
  // 126 entries, and three more: "Extend", a value typed into an axis
  // table and the Y scale-factor field.
  EXPECT_EQ(Quillgrid::messageMapSize(), 129u);
  EXPECT_EQ(Quillgrid::ID_EXTEND_CURSOR, 304);
  EXPECT_EQ(Quillgrid::ID_ABOUT, 60);
  EXPECT_EQ(Quillgrid::ID_CONVERTED_XY_TABLE, 111);
  EXPECT_EQ(Quillgrid::ID_Y_SCALE_FACTOR_FIRST, 143);
  EXPECT_EQ(Quillgrid::ID_DATA_SOURCE_FIRST, 244);
  EXPECT_EQ(Quillgrid::ID_COPY_XY_VALUES_TABLE, 258);
  EXPECT_EQ(Quillgrid::ID_CURRENT_POSITION_TABLE, 272);
  EXPECT_EQ(Quillgrid::ID_EXCEL_EQUATION_FIRST, 282);
  EXPECT_EQ(Quillgrid::ID_SELECT_POINT_TYPE_FIRST, 297);
  EXPECT_EQ(Quillgrid::ID_QUIT, 303);
}

TEST(MessageMap, EarlierRangeShadowsTheXYValuesCopyEntry) {
  EXPECT_EQ(routed(SEL_COMMAND, Quillgrid::ID_COPY_XY_VALUES_TABLE), &Quillgrid::onCmdCopyTable);
  EXPECT_EQ(routed(SEL_COMMAND, Quillgrid::ID_COPY_CURVE_TABLE), &Quillgrid::onCmdCopyTable);
  EXPECT_EQ(routed(SEL_COMMAND, Quillgrid::ID_COPY_CONVERTED_TABLE), &Quillgrid::onCmdCopyTable);
}

TEST(MessageMap, SameIdsDifferByMessageType) {
  for (int k = 0; k <= 6; ++k) {
    EXPECT_EQ(routed(SEL_RIGHTBUTTONRELEASE, Quillgrid::ID_EXCEL_EQUATION_FIRST + k),
              &Quillgrid::onCmdExcelEqnRightButton);
    EXPECT_EQ(routed(SEL_COMMAND, Quillgrid::ID_EXCEL_EQUATION_FIRST + k), &Quillgrid::onCmdCopyExcelEqn);
  }
  EXPECT_EQ(routed(SEL_COMMAND, Quillgrid::ID_EXCEL_EQUATION_FIRST + 7), &Quillgrid::onCmdLMPDataPointsTable);
  EXPECT_EQ(routed(SEL_KEYPRESS, Quillgrid::ID_LMP_CONSTANT), &Quillgrid::onKeyDownReFit);
  EXPECT_EQ(routed(SEL_MOUSEWHEEL, Quillgrid::ID_LMP_CONSTANT), &Quillgrid::onMouseLMP);
  EXPECT_EQ(routed(SEL_MOTION, Quillgrid::ID_IMAGE_VIEW), &Quillgrid::onCmdImageMotion);
  EXPECT_EQ(routed(SEL_KEYRELEASE, Quillgrid::ID_IMAGE_VIEW), &Quillgrid::onImageKeyRelease);
  EXPECT_EQ(routed(SEL_SELECTED, Quillgrid::ID_AXIS_MINMAX_TABLE), &Quillgrid::onAxisMinMaxTableKeyPress);
  EXPECT_EQ(routed(SEL_KEYPRESS, Quillgrid::ID_AXIS_MINMAX_TABLE), &Quillgrid::onAxisMinMaxTableKeyPress);
  EXPECT_EQ(routed(SEL_REPLACED, Quillgrid::ID_AXIS_MINMAX_TABLE), &Quillgrid::onAxisTableValueEntered);
  EXPECT_EQ(routed(SEL_COMMAND, Quillgrid::ID_EXTEND_CURSOR), &Quillgrid::onCmdExtendCursor);
  EXPECT_EQ(routed(SEL_KEYPRESS, Quillgrid::ID_XY_VALUES_TABLE), &Quillgrid::onXYValuesTableKeyPress);
  EXPECT_EQ(routed(SEL_TIMEOUT, Quillgrid::ID_WINDOW_POSITION_TIMER), &Quillgrid::onCmdMainWindowPosition);
  EXPECT_EQ(routed(SEL_TIMEOUT, Quillgrid::ID_IMAGE_VIEW_TOP_TIMER), &Quillgrid::onCmdImageViewTopTimer);
}

TEST(MessageMap, RangesCoverTheirIdsOnly) {
  EXPECT_EQ(routed(SEL_COMMAND, Quillgrid::ID_Y_SCALE_FACTOR_FIRST), &Quillgrid::onCmdYaxisScaleFactor);
  EXPECT_EQ(routed(SEL_COMMAND, Quillgrid::ID_Y_SCALE_FACTOR_FIRST + 100), &Quillgrid::onCmdYaxisScaleFactor);
  EXPECT_EQ(routed(SEL_COMMAND, Quillgrid::ID_Y_SCALE_FACTOR_FIRST + 101), &Quillgrid::onCmdDataSource);
  EXPECT_EQ(routed(SEL_COMMAND, Quillgrid::ID_DATA_SOURCE_FIRST + 3), &Quillgrid::onCmdDataSource);
  EXPECT_EQ(routed(SEL_MOUSEWHEEL, Quillgrid::ID_ZONE_LIMIT_FIRST + 6), &Quillgrid::onMouseEqnZones);
  EXPECT_EQ(routed(SEL_MOUSEWHEEL, Quillgrid::ID_ZONE_LIMIT_FIRST + 7), nullptr);
  EXPECT_EQ(routed(SEL_COMMAND, Quillgrid::ID_SELECT_POINT_TYPE_FIRST + 4), &Quillgrid::onCmdAxisDataTypePopUp);
  EXPECT_EQ(routed(SEL_COMMAND, Quillgrid::ID_OPEN_DATA_FILE), &Quillgrid::onCmdOpen);
  EXPECT_EQ(routed(SEL_COMMAND, Quillgrid::ID_OPEN_IMAGE_FILE), &Quillgrid::onCmdOpen);
  EXPECT_EQ(routed(SEL_COMMAND, Quillgrid::ID_ROTATE_CCW_FINE), &Quillgrid::onCmdRotateImage);
  EXPECT_EQ(routed(SEL_COMMAND, Quillgrid::ID_ROTATE_90_CCW), &Quillgrid::onCmdRotateImage90);
  EXPECT_EQ(routed(SEL_COMMAND, Quillgrid::ID_UNDO_LAST_POINT), &Quillgrid::onCmdDeleteLastPoint);
  EXPECT_EQ(routed(SEL_COMMAND, Quillgrid::ID_DELETE_LAST_POINT), &Quillgrid::onCmdDeleteLastPoint);
  EXPECT_EQ(routed(SEL_COMMAND, Quillgrid::ID_QUIT), &Quillgrid::onCmdQuit);
}

TEST(MessageMap, UnlistedTypesAndIdsGoToTheToolkit) {
  // A key press for an id that only has a command entry.
  EXPECT_EQ(routed(SEL_KEYPRESS, Quillgrid::ID_ABOUT), nullptr);
  EXPECT_EQ(routed(SEL_COMMAND, Quillgrid::ID_IMAGE_VIEW), nullptr);
  // Ids that widgets send but nothing handles.
  EXPECT_EQ(routed(SEL_COMMAND, Quillgrid::ID_CONVERTED_XY_TABLE), nullptr);
  EXPECT_EQ(routed(SEL_COMMAND, Quillgrid::ID_CURRENT_POSITION_TABLE), nullptr);
}
