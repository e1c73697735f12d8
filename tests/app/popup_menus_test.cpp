// The right-button pop-up menus: their entries, when they are shown, and
// the column layout of the scale-factor menu. The modal seam hands each
// pane to the test instead of running it.
#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "Quillgrid.h"
#include "Table_lom2.h"
#include "TestHarness.h"
#include "TextField_lom2.h"

using namespace FX;

namespace {
class PopUpMenus : public MainWindowFixture {
protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    if (IsSkipped()) return;
    w = make();
    ev.moved = FALSE;
    ev.root_x = 20;
    ev.root_y = 20;
  }
  void TearDown() override { delete w; }

  long release(int id, FXEvent* e) { return w->handle(nullptr, FXSEL(SEL_RIGHTBUTTONRELEASE, id), e); }

  // The entries of a pane: command texts, "-" for separators, with
  // "(off)" after a disabled command.
  static std::vector<std::string> entries(FXWindow* pane) {
    std::vector<std::string> out;
    for (FXWindow* c = pane ? pane->getFirst() : nullptr; c; c = c->getNext()) {
      if (FXMenuCommand* m = dynamic_cast<FXMenuCommand*>(c))
        out.push_back(std::string(m->getText().text()) + (m->isEnabled() ? "" : " (off)"));
      else if (dynamic_cast<FXMenuSeparator*>(c))
        out.push_back("-");
      else
        out.push_back("?");
    }
    return out;
  }
  void setFactors(const std::vector<std::string>& names) {
    delete[] w->conversionFactors;
    w->numConversionFactors = (int)names.size();
    w->conversionFactors = new ConversionFactor[names.size()];
    for (size_t k = 0; k < names.size(); ++k) {
      w->conversionFactors[k].name = names[k].c_str();
      w->conversionFactors[k].factor = (double)k + 1;
    }
  }
  FXMatrix* factorMatrix() { return w->popUpPane ? dynamic_cast<FXMatrix*>(w->popUpPane->getFirst()) : nullptr; }

  Quillgrid* w = nullptr;
  FXEvent ev;
};

TEST_F(PopUpMenus, CurvePointsMenuOffersOrderByDiffOnlyWithADifference) {
  qgtest::ModalScript script;
  EXPECT_EQ(release(Quillgrid::ID_CURVE_POINTS_TABLE, &ev), 1);
  ASSERT_EQ(script.count(), 1u);
  EXPECT_EQ(script.last().kind, ModalSeam::POPUP_MENU);
  EXPECT_EQ(entries(w->popUpPane), (std::vector<std::string>{"un-Highlight points", "-", "Delete row(s)", "-",
                                                             "Order by % diff (off)", "-", "Cancel"}));
  FXMenuCommand* del = dynamic_cast<FXMenuCommand*>(w->popUpPane->getFirst()->getNext()->getNext());
  ASSERT_NE(del, nullptr);
  EXPECT_EQ(del->getTarget(), w);
  EXPECT_EQ(del->getSelector(), (FXSelector)Quillgrid::ID_DELETE_CURVE_ROWS);
  FXMenuCommand* cancel = dynamic_cast<FXMenuCommand*>(w->popUpPane->getLast());
  ASSERT_NE(cancel, nullptr);
  EXPECT_EQ(cancel->getTarget(), nullptr);

  w->curveData_TBL->setItemText(0, 2, "1.5");
  release(Quillgrid::ID_CURVE_POINTS_TABLE, &ev);
  EXPECT_NE(w->popUpPane, nullptr);
  EXPECT_EQ(entries(w->popUpPane)[4], "Order by % diff");

  // A press dragged across the table shows nothing.
  ev.moved = TRUE;
  EXPECT_EQ(release(Quillgrid::ID_CURVE_POINTS_TABLE, &ev), 1);
  EXPECT_EQ(script.count(), 2u);
  w->cleanUpPopUpPane();
  EXPECT_EQ(w->popUpPane, nullptr);
}

TEST_F(PopUpMenus, XYValuesMenuNeedsASelectionAndLarsonMillerMenuDeletesRows) {
  qgtest::ModalScript script;
  w->xyValues_TBL->killSelection(FALSE);
  EXPECT_EQ(release(Quillgrid::ID_XY_VALUES_TABLE, &ev), 0);
  EXPECT_EQ(script.count(), 0u);
  w->xyValues_TBL->selectRange(1, 2, 0, 1, FALSE);
  EXPECT_EQ(release(Quillgrid::ID_XY_VALUES_TABLE, &ev), 1);
  EXPECT_EQ(entries(w->popUpPane), (std::vector<std::string>{"Delete row(s)", "-", "Cancel"}));
  EXPECT_EQ(dynamic_cast<FXMenuCommand*>(w->popUpPane->getFirst())->getSelector(),
            (FXSelector)Quillgrid::ID_DELETE_XY_ROWS);

  EXPECT_EQ(release(Quillgrid::ID_LMP_TABLE, &ev), 1);
  EXPECT_EQ(entries(w->popUpPane), (std::vector<std::string>{"Delete row(s)", "-", "Cancel"}));
  EXPECT_EQ(dynamic_cast<FXMenuCommand*>(w->popUpPane->getFirst())->getSelector(),
            (FXSelector)Quillgrid::ID_DELETE_LMP_ROWS);

  EXPECT_EQ(release(Quillgrid::ID_EXCEL_EQUATION_FIRST + 4, &ev), 1);
  EXPECT_EQ(entries(w->popUpPaneExcelEqn), (std::vector<std::string>{"Copy equation", "-", "Cancel"}));
  EXPECT_EQ(dynamic_cast<FXMenuCommand*>(w->popUpPaneExcelEqn->getFirst())->getSelector(),
            (FXSelector)(Quillgrid::ID_EXCEL_EQUATION_FIRST + 4));
  EXPECT_NE(w->popUpPane, nullptr);  // one pane of each kind
  EXPECT_EQ(script.count(), 3u);
}

TEST_F(PopUpMenus, ScaleFactorMenuStartsANewColumnAfterEachUnnamedEntry) {
  qgtest::ModalScript script;
  setFactors({"a", "b", "", "c"});
  EXPECT_EQ(release(Quillgrid::ID_Y_SCALE_FIELD, nullptr), 1);
  FXMatrix* m = factorMatrix();
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(m->getNumRows(), 2);
  ASSERT_EQ(m->numChildren(), 3);
  FXMenuCommand* c = dynamic_cast<FXMenuCommand*>(m->childAtIndex(2));
  ASSERT_NE(c, nullptr);
  EXPECT_STREQ(c->getText().text(), "c (4.000000e+00)");
  EXPECT_EQ(c->getSelector(), (FXSelector)(Quillgrid::ID_Y_SCALE_FACTOR_FIRST + 3));
  EXPECT_EQ(m->colOfChild(c), 1);
  EXPECT_EQ(m->rowOfChild(c), 0);

  setFactors({"a", "", "b", "c"});
  release(Quillgrid::ID_Y_SCALE_FIELD, nullptr);
  m = factorMatrix();
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(m->getNumRows(), 2);
  ASSERT_EQ(m->numChildren(), 4);
  EXPECT_NE(dynamic_cast<FXHorizontalFrame*>(m->childAtRowCol(1, 0)), nullptr);  // the filler under a
  FXMenuCommand* b = dynamic_cast<FXMenuCommand*>(m->childAtRowCol(0, 1));
  FXMenuCommand* last = dynamic_cast<FXMenuCommand*>(m->childAtRowCol(1, 1));
  ASSERT_TRUE(b && last);
  EXPECT_STREQ(b->getText().text(), "b (3.000000e+00)");
  EXPECT_EQ(last->getSelector(), (FXSelector)(Quillgrid::ID_Y_SCALE_FACTOR_FIRST + 3));

  // Choosing an entry writes its factor and closes the menu.
  last->getTarget()->handle(last, FXSEL(SEL_COMMAND, last->getSelector()), nullptr);
  EXPECT_STREQ(w->y_axisScaleFactor->getText().text(), "4.000000e+00");
  EXPECT_EQ(script.count(), 2u);
}

TEST_F(PopUpMenus, ScaleFactorMenuShowsNothingWithoutNamedFactors) {
  qgtest::ModalScript script;
  delete[] w->conversionFactors;
  w->conversionFactors = nullptr;
  w->numConversionFactors = 0;
  EXPECT_EQ(release(Quillgrid::ID_Y_SCALE_FIELD, &ev), 0);
  setFactors({"", ""});
  EXPECT_EQ(release(Quillgrid::ID_Y_SCALE_FIELD, &ev), 0);
  EXPECT_EQ(script.count(), 0u);
}

TEST_F(PopUpMenus, ScaleFactorMenuOffersOnlyEntriesWithAScaleFactorId) {
  // Entry 101 would send the first data-source id.
  qgtest::ModalScript script;
  setFactors(std::vector<std::string>(103, "f"));
  release(Quillgrid::ID_Y_SCALE_FIELD, &ev);
  FXMatrix* m = factorMatrix();
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(m->numChildren(), Quillgrid::ID_Y_SCALE_FACTOR_LAST - Quillgrid::ID_Y_SCALE_FACTOR_FIRST + 1);
  EXPECT_EQ(dynamic_cast<FXMenuCommand*>(m->getLast())->getSelector(), (FXSelector)Quillgrid::ID_Y_SCALE_FACTOR_LAST);
}

}  // namespace
