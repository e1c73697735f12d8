// The Image tab: its widget tree and start states, and the handlers of its
// panels (search length, colour difference, cursor type, pro mode, clicks
// on the scan-direction view, the side of the magnified views).
#include <string>

#include "Globals.h"
#include "MainWindowFixture.h"
#include "Quillgrid.h"
#include "Table_lom2.h"
#include "TestHarness.h"
#include "fox16.h"

using namespace FX;

namespace {
class ImageTabTest : public MainWindowFixture {
protected:
  void TearDown() override { delete w; }
  Quillgrid* build() {
    w = make();
    return w;
  }
  long command(FXObject* sender, FXSelector id) { return w->handle(sender, FXSEL(SEL_COMMAND, id), nullptr); }
  Quillgrid* w = nullptr;
};

std::string text(const FXString& s) { return s.text(); }
}  // namespace

TEST(ImageTabRules, ColorDifferenceBoundsAreInclusive) {
  const struct {
    int tolerance;
    bool accepted;
  } cases[] = {{24, false}, {25, true}, {50, true}, {100, true}, {101, false}, {0, false}, {-30, false}};
  for (const auto& c : cases) EXPECT_EQ(Quillgrid::colorDiffAccepted(c.tolerance), c.accepted) << c.tolerance;
}

TEST(ImageTabRules, ScanViewGrid) {
  const double third = 1.0 / 3.0, twoThirds = 2.0 / 3.0;
  const struct {
    double e, f;
    int direction;
  } cases[] = {
      {0.5, 0.5, -1},                                                          // centre cell
      {0.1, 0.1, -1},      {0.9, 0.1, -1},      {0.1, 0.9, -1}, {0.9, 0.9, -1},  // corner cells
      {0.5, 0.1, 0},       {0.5, 0.9, 1},       {0.1, 0.5, 2},  {0.9, 0.5, 3},
      {third, third, 0},   {twoThirds, twoThirds, 1},  // the middle band includes its bounds
      {third, 0.5, -1},    {0.2, third, 2},     {0.8, twoThirds, 3},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Quillgrid::scanDirectionForPress(c.e, c.f), c.direction) << c.e << "," << c.f;
}

TEST_F(ImageTabTest, WidgetTreeTextsIdsAndStartStates) {
  build();
  ASSERT_EQ(w->imageView->getParent(), w->imageFrame);
  EXPECT_EQ(w->imageFrame->getParent(), w->imageTabFrame);
  // Without a picture the view asks for 500 x 500.
  EXPECT_EQ(w->imageView->getDefaultWidth(), 500);
  EXPECT_EQ(w->imageView->getDefaultHeight(), 500);
  EXPECT_EQ(w->imageView->getSelector(), FXSelector(Quillgrid::ID_IMAGE_VIEW));
  EXPECT_EQ(w->magnifiedViewsFrame->getWidth(), 184);
  EXPECT_EQ(w->magnifiedViewsFrame->getHeight(), 568);
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(w->magnifiedViewFrame[k]->getParent(), w->magnifiedViewsFrame);
    EXPECT_EQ(w->magnifiedImageView[k]->getSelector(), FXSelector(Quillgrid::ID_MAGNIFIED_VIEW));
  }

  // The label holds "&&", which the toolkit shows as one "&".
  const char* typeTexts[5] = {"Min X & Y", "Max X", "Min Y", "Max Y", "Data"};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(text(w->axisDataType_RB[i]->getText()), typeTexts[i]);
    EXPECT_EQ(w->axisDataType_RB[i]->getSelector(), FXSelector(Quillgrid::ID_AXIS_DATA_TYPE));
  }
  EXPECT_FALSE(w->axisDataType_RB[2]->shown());
  EXPECT_TRUE(w->axisDataType_RB[0]->isEnabled());
  EXPECT_FALSE(w->axisDataType_RB[1]->isEnabled() || w->axisDataType_RB[3]->isEnabled() ||
               w->axisDataType_RB[4]->isEnabled());
  EXPECT_NE(text(w->axisDataType_RB[0]->getTipText()).find("corresponding X \"Real value\" field."),
            std::string::npos);
  EXPECT_NE(text(w->axisDataType_RB[4]->getTipText()).find("You can first do an \"Auto-find curve\"\nthen add"),
            std::string::npos);

  EXPECT_EQ(text(w->autoFindCurve_Btn->getText()), "Auto-find curve");
  EXPECT_EQ(w->autoFindCurve_Btn->getBackColor(), argb(0xFFC8FFC8));
  EXPECT_EQ(text(w->autoFindCurve_Btn->getTipText()),
            "1) Define the min/max of the axis.\n2) Then the min/max points in X of the curve (define 2 pts).\n"
            "3) Click the \"Auto-find curve\" button.");
  EXPECT_EQ(w->resetAll_Btn->getBackColor(), argb(0xFFFFFFC8));
  EXPECT_FALSE(w->copyTable_Btn->isEnabled());
  EXPECT_EQ(w->copyTable_Btn->getIcon(), w->copyIcon);
  EXPECT_EQ(w->clearData_Btn->getIcon(), w->deleteIcon);
  EXPECT_EQ(text(w->clearData_Btn->getText()), "Clear data");
  EXPECT_FALSE(w->restoreData_Btn->isEnabled());
  EXPECT_FALSE(w->resetImage_Btn->shown());
  EXPECT_FALSE(w->fullAuto_Chk->shown());
  EXPECT_EQ(text(w->proMode_Chk->getText()), "Pro mode");

  ASSERT_EQ(w->numAutoFindPoints_LB_LB->getNumItems(), 14);
  EXPECT_EQ(text(w->numAutoFindPoints_LB_LB->getItemText(0)), " 10 ");
  EXPECT_EQ(text(w->numAutoFindPoints_LB_LB->getItemText(13)), " 1000 ");
  const char* lengths[5] = {" 10 ", " 20 ", " 30 ", " 50 ", " 100 "};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(text(w->searchLength_Btn[i]->getText()), lengths[i]);
    EXPECT_EQ(w->searchLength_Btn[i]->getWidth(), 30);
  }
  EXPECT_EQ(w->defaultButtonBackColor, w->searchLength_Btn[4]->getBackColor());
  EXPECT_EQ(text(w->colorDiff_Btn[1]->getText()), "M");
  EXPECT_FALSE(w->lineThickness_TF->shown() || w->colorTol_TF->shown() || w->clipboardClearer_TF->shown());
  EXPECT_EQ(text(w->searchLocation_RB[2]->getText()), "inverted\ntriangle");
  EXPECT_EQ(text(w->searchDirection_RB[3]->getTipText()),
            "Scan direction when \"Auto-find\" is checked.\nScan from left to right:   -->");
  ASSERT_EQ(w->cursorColor_LB->getNumItems(), 4);
  EXPECT_EQ(text(w->cursorColor_LB->getItemText(2)), "Black/White  ");
  EXPECT_EQ(w->cursorSpacing_Chk->getSelector(), FXSelector(Quillgrid::ID_CURSOR_TYPE));

  // The small tables.
  EXPECT_EQ(w->currentPosition_TBL->getNumRows(), 2);
  EXPECT_EQ(w->currentPosition_TBL->getNumColumns(), 2);
  EXPECT_EQ(text(w->currentPosition_TBL->getColumnText(1)), "Pixels");
  EXPECT_EQ(text(w->currentPosition_TBL->getRowText(1)), "Y");
  EXPECT_EQ(w->currentPosition_TBL->getWidth(), 178);
  EXPECT_FALSE(w->currentPosition_TBL->isEditable());
  for (int a = 0; a < 2; ++a) {
    Table_lom2* t = w->axisDataPoints_TBL[a];
    EXPECT_EQ(t->getSelector(), FXSelector(Quillgrid::ID_AXIS_MINMAX_TABLE));
    EXPECT_EQ(t->getNumRows(), 2);
    EXPECT_EQ(t->getNumColumns(), 3);
    // At least 80, and room for a number in scientific notation.
    EXPECT_GE(t->getColumnWidth(0), 80);
    EXPECT_GE(t->getColumnWidth(0), t->getFont()->getTextWidth("-7.389056e+00") + 4);
    EXPECT_EQ(t->getColumnWidth(1), 0);
    EXPECT_EQ(t->getColumnWidth(2), 0);
    EXPECT_EQ(text(t->getRowText(1)), "Max");
    EXPECT_EQ(text(t->getItemTipText(1, 2)), "You can enter the value as \"exp(2.1)\" for e^2.1");
    EXPECT_EQ(t->getItemJustify(0, 0), 0u);
  }
  EXPECT_EQ(text(w->axisAngle_TF[1]->getTipText()), "axis angle, should be 90 degrees");
  EXPECT_EQ(w->defaultTextFieldBackColor, w->axisAngle_TF[1]->getBackColor());

  EXPECT_EQ(w->curveData_TBL->getSelector(), FXSelector(Quillgrid::ID_CURVE_POINTS_TABLE));
  EXPECT_EQ(w->curveData_TBL->getTarget(), w);
  EXPECT_FALSE(w->curveData_TBL->isEditable());
  // Made 178 wide; the start-up clearing sizes it to its five columns.
  EXPECT_EQ(w->curveData_TBL->getWidth(), 335);
  EXPECT_FALSE(w->curveDataBackup_TBL->shown());
  EXPECT_EQ(w->curveDataBackup_TBL->getTarget(), nullptr);

  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(w->pointColors[i], POINT_COLORS[i]);
    EXPECT_EQ(w->dataPointColor_RB[i]->getBackColor(), POINT_COLORS[i]);
    EXPECT_EQ(w->referencePointColor_RB[i]->getBackColor(), POINT_COLORS[i]);
    EXPECT_EQ(w->dataPointColor_RB[i]->getWidth(), 58);
  }
  EXPECT_EQ(w->recalData_Btn->getBackColor(), argb(0xFFC8C8FF));
  EXPECT_EQ(w->recalData_Btn->getWidth(), 124);
  EXPECT_FALSE(w->orderPoints_Btn->isEnabled() || w->copyX_Btn->isEnabled() || w->copyY_Btn->isEnabled());
  EXPECT_EQ(text(w->autoOrderIncreasingWhenCopying_Chk->getTipText()),
            "Order the data in the table by the x-value before copying.");
}

TEST_F(ImageTabTest, DefaultsReachTheTabsWidgets) {
  build();
  // No settings file: the defaults check the point search and colour the
  // two colour boxes, which carry a plain line border.
  EXPECT_TRUE(w->autoFindPoint_Chk->getCheck());
  EXPECT_EQ(w->curve_color->getBackColor(), argb(0xFF000000));
  EXPECT_EQ(w->curve_color->getTextColor(), argb(0xFFFFFFFF));
  EXPECT_EQ(w->selectionColor_TF->getBackColor(), argb(0xFFFFFF00));
  EXPECT_EQ(w->selectionColor_TF->getTextColor(), argb(0xFF000000));
  EXPECT_EQ(w->curve_color->getFrameStyle(), FXuint(FRAME_LINE));
  EXPECT_EQ(w->selectionColor_TF->getFrameStyle(), FXuint(FRAME_LINE));
  EXPECT_EQ(w->numAutoFindPoints_LB_LB->getCurrentItem(), 4);
  for (FXCursor* c : w->cursors) ASSERT_NE(c, nullptr);
  EXPECT_EQ(w->imageView->getDefaultCursor(), w->cursors[0]);
  EXPECT_TRUE(w->magnifiedViewsOnRightSide_MRB->getCheck());
}

TEST_F(ImageTabTest, CurveColourBoxShowsTheChannelsOnAContrastingText) {
  build();
  w->setCurveColorBox(argb(0xFF0A141E));
  EXPECT_EQ(text(w->curve_color->getText()), " 10   20   30");
  EXPECT_EQ(w->curve_color->getBackColor(), argb(0xFF0A141E));
  EXPECT_EQ(w->curve_color->getTextColor(), argb(0xFFFFFFFF));
  w->getPlotRGBColors();
  EXPECT_EQ(w->curveRGB[0], 10);
  EXPECT_EQ(w->curveRGB[1], 20);
  EXPECT_EQ(w->curveRGB[2], 30);
  w->setCurveColorBox(argb(0xFFFFFFC8));
  EXPECT_EQ(text(w->curve_color->getText()), "255  255  200");
  EXPECT_EQ(w->curve_color->getTextColor(), argb(0xFF000000));
}

TEST_F(ImageTabTest, ColourDifferenceInsideTheBoundsIsTaken) {
  build();
  for (const char* value : {"25", "100", "60"}) {
    w->colorTol_TF->setText(value);
    w->defineColorDiff();
    EXPECT_EQ(w->colorTol, FXIntVal(value, 10));
  }
}

TEST_F(ImageTabTest, SearchLengthAndColourDifferenceButtonsWriteTheirValues) {
  build();
  EXPECT_EQ(command(w->searchLength_Btn[3], Quillgrid::ID_SEARCH_LENGTH), 1);
  EXPECT_EQ(text(w->lineThickness_TF->getText()), "50");
  command(nullptr, Quillgrid::ID_SEARCH_LENGTH);  // an unknown sender counts as the first button
  EXPECT_EQ(text(w->lineThickness_TF->getText()), "10");
  EXPECT_EQ(command(w->colorDiff_Btn[2], Quillgrid::ID_COLOR_DIFF), 1);
  EXPECT_EQ(text(w->colorTol_TF->getText()), "100");
  command(w->colorDiff_Btn[0], Quillgrid::ID_COLOR_DIFF);
  EXPECT_EQ(text(w->colorTol_TF->getText()), "25");
}

TEST_F(ImageTabTest, CursorTypeRadiosWideCheckAndColourList) {
  build();
  command(w->cursorType_RB[0], Quillgrid::ID_CURSOR_TYPE);
  EXPECT_EQ(w->cursorType, 0);
  EXPECT_TRUE(w->cursorType_RB[0]->getCheck());
  EXPECT_FALSE(w->cursorType_RB[2]->getCheck());
  EXPECT_FALSE(w->cursorSpacing_Chk->isEnabled());

  w->cursorColor_LB->setCurrentItem(1);
  command(w->cursorColor_LB, Quillgrid::ID_CURSOR_TYPE);  // the list keeps the shape
  EXPECT_EQ(w->cursorType, 0);
  EXPECT_EQ(w->cursorColorIndex, 1);
  EXPECT_EQ(w->imageView->getDefaultCursor(), w->cursors[1]);

  command(w->cursorSpacing_Chk, Quillgrid::ID_CURSOR_TYPE);  // any other sender: outline
  EXPECT_EQ(w->cursorType, 2);
  EXPECT_TRUE(w->cursorType_RB[2]->getCheck());
  EXPECT_TRUE(w->cursorSpacing_Chk->isEnabled());
}

TEST_F(ImageTabTest, ProModeLocksThePointSearchOn) {
  build();
  w->autoFindPoint_Chk->setCheck(FALSE);
  w->proMode_Chk->setCheck(TRUE);
  EXPECT_EQ(command(w->proMode_Chk, Quillgrid::ID_PRO_MODE), 1);
  EXPECT_TRUE(w->autoFindPoint_Chk->getCheck());
  EXPECT_TRUE(w->clearWhenDefiningNewCurveColor_Chk->getCheck());
  EXPECT_FALSE(w->autoFindPoint_Chk->isEnabled());
  EXPECT_FALSE(w->clearWhenDefiningNewCurveColor_Chk->isEnabled());

  w->proMode_Chk->setCheck(FALSE);
  command(w->proMode_Chk, Quillgrid::ID_PRO_MODE);
  EXPECT_TRUE(w->autoFindPoint_Chk->isEnabled());
  EXPECT_TRUE(w->clearWhenDefiningNewCurveColor_Chk->isEnabled());
  EXPECT_TRUE(w->autoFindPoint_Chk->getCheck());  // the check state stays
}

TEST_F(ImageTabTest, SmallHandlers) {
  build();
  w->lineClickCount = 1;
  command(w->drawLine_Btn, Quillgrid::ID_DRAW_LINE);
  EXPECT_TRUE(w->drawLineMode);
  EXPECT_EQ(w->lineClickCount, 0);
  command(w->drawLine_Btn, Quillgrid::ID_DRAW_LINE);
  EXPECT_FALSE(w->drawLineMode);

  w->cursorLocked = true;
  w->constrainCursor_Chk->setCheck(TRUE);
  command(w->constrainCursor_Chk, Quillgrid::ID_CONSTRAIN_CURSOR);
  EXPECT_TRUE(w->cursorLocked);
  w->constrainCursor_Chk->setCheck(FALSE);
  command(w->constrainCursor_Chk, Quillgrid::ID_CONSTRAIN_CURSOR);
  EXPECT_FALSE(w->cursorLocked);

  EXPECT_EQ(command(w->searchDirection_RB[2], Quillgrid::ID_SEARCH_DIRECTION), 1);
  EXPECT_EQ(w->searchDirection, 2);
  command(nullptr, Quillgrid::ID_SEARCH_DIRECTION);
  EXPECT_EQ(w->searchDirection, 0);
}

TEST_F(ImageTabTest, ExtraPixelsAreTheImageViewsPlaceInTheWindow) {
  build();
  ASSERT_TRUE(qgtest::runUntil([&] { return w->imageView->getX() + w->imageView->getY() > 0 || w->shown(); }));
  qgtest::runFor(50);
  w->getExtraPixels();
  FXint x = -1, y = -1;
  w->imageView->translateCoordinatesTo(x, y, w, 0, 0);
  EXPECT_EQ(w->extraPixels[0], x);
  EXPECT_EQ(w->extraPixels[1], y);
  EXPECT_GT(w->extraPixels[1], 0);
}

TEST_F(ImageTabTest, PressesOnTheScanDirectionView) {
  build();
  ASSERT_TRUE(qgtest::runUntil(
      [&] { return w->getWidth() == w->windowWidth && w->magnifiedImageView[2]->getHeight() > 100; }));
  qgtest::runFor(50);
  FXImageView* view = w->magnifiedImageView[2];
  FXint vx = 0, vy = 0;
  view->translateCoordinatesTo(vx, vy, w, 0, 0);
  const int vw = view->getWidth(), vh = view->getHeight();
  auto pressAt = [&](FXObject* sender, double e, double f) {
    w->setCursorPosition(vx + int(e * vw), vy + int(f * vh));
    qgtest::runFor(20);
    return w->handle(sender, FXSEL(SEL_LEFTBUTTONPRESS, Quillgrid::ID_MAGNIFIED_VIEW), nullptr);
  };
  w->searchDirection = 3;
  EXPECT_EQ(pressAt(view, 0.5, 0.5), 1);  // centre
  EXPECT_EQ(w->searchDirection, 3);
  pressAt(view, 0.1, 0.9);  // corner
  EXPECT_EQ(w->searchDirection, 3);
  pressAt(view, 0.5, 0.85);
  EXPECT_EQ(w->searchDirection, 1);
  pressAt(view, 0.1, 0.5);
  EXPECT_EQ(w->searchDirection, 2);
  // The two magnified views take no clicks.
  EXPECT_EQ(pressAt(w->magnifiedImageView[0], 0.5, 0.1), 1);
  EXPECT_EQ(w->searchDirection, 2);
}

TEST_F(ImageTabTest, MagnifiedViewsMoveToTheBottomAndBack) {
  build();
  w->clearAxisDefinitionsWithNewImage->setCheck(TRUE);
  EXPECT_EQ(command(w->magnifiedViewsOnBottom_MRB, Quillgrid::ID_MAGNIFIED_VIEWS_BOTTOM), 1);
  EXPECT_TRUE(w->magnifiedViewsOnBottom_MRB->getCheck());
  EXPECT_FALSE(w->magnifiedViewsOnRightSide_MRB->getCheck());
  FXWindow* order[5] = {w->magnifiedViewFrame[0], w->magnifiedViewColumn[0], w->magnifiedViewFrame[1],
                        w->magnifiedViewColumn[1], w->magnifiedViewFrame[2]};
  FXWindow* child = w->imageBottomFrame->getFirst();
  for (FXWindow* f : order) {
    EXPECT_EQ(child, f);
    child = child ? child->getNext() : nullptr;
  }
  EXPECT_TRUE(w->imageBottomFrame->shown());
  EXPECT_FALSE(w->magnifiedViewsFrame->shown());

  command(w->magnifiedViewsOnRightSide_MRB, Quillgrid::ID_MAGNIFIED_VIEWS_RIGHT);
  EXPECT_EQ(w->magnifiedViewsFrame->getFirst(), w->magnifiedViewFrame[0]);
  EXPECT_EQ(w->magnifiedViewsFrame->getLast(), w->magnifiedViewFrame[2]);
  EXPECT_EQ(w->imageBottomFrame->getFirst(), nullptr);
  EXPECT_TRUE(w->magnifiedViewsFrame->shown());
  EXPECT_FALSE(w->imageBottomFrame->shown());
  EXPECT_TRUE(w->magnifiedViewsOnRightSide_MRB->getCheck());
}
