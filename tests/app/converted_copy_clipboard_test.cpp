// "Copy table (all cols)" after a fit: the x column carries the values as
// the tables hold them, whatever the plot's resolution.
#include <sstream>
#include <string>
#include <vector>

#include "EquationRules.h"
#include "FitWindowFixture.h"

using namespace FX;

namespace {

class ConvertedCopy : public FitWindowFixture {
protected:
  std::string clipboard() {
    FXString s;
    if (!w->getDNDData(FROM_CLIPBOARD, FXWindow::utf8Type, s)) return "<nothing>";
    return s.text();
  }
  // The first cell of every copied line.
  static std::vector<std::string> firstColumn(const std::string& text) {
    std::vector<std::string> cells;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) cells.push_back(line.substr(0, line.find('\t')));
    return cells;
  }
  qgtest::ModalScript script;
};

TEST_F(ConvertedCopy, XIsCopiedAsTheTableHoldsIt) {
  // x every 0.019904 from 0.5, finer than a pixel of the plot; and the
  // same rows with x in C, fitted in K.
  struct Case {
    bool kelvin;
    const char* name;
  };
  for (const Case c : {Case{false, "x"}, Case{true, "x in C fitted in K"}}) {
    SCOPED_TRACE(c.name);
    w->onCmdClearXYValuesTable(nullptr, 0, nullptr);
    std::vector<std::string> typed;
    for (int i = 0; i < 60; ++i) {
      typed.push_back(FXStringFormat("%.6f", 0.5 + 0.019904 * i).text());
      w->xyValues_TBL->setItemText(i, 0, typed.back().c_str());
      w->xyValues_TBL->setItemText(i, 1, FXStringFormat("%.6f", 3.0 + 2.0 * i).text());
    }
    w->dataSource = 1;
    w->setDataSource();
    w->temperatureScale_LB->setCurrentItem(0, FALSE);
    w->xAxisIsTemperature_Chk->setCheck(c.kelvin);
    w->handle(w->xAxisIsTemperature_Chk, FXSEL(SEL_COMMAND, Quillgrid::ID_X_IS_TEMPERATURE), nullptr);
    setOrder(0, 1);
    w->handle(w->fitData_Btn, FXSEL(SEL_COMMAND, Quillgrid::ID_FIT_DATA), nullptr);
    ASSERT_EQ(script.count(), 0u) << script.last().text.text();

    w->handle(w->copyConvertedTableAll_Btn, FXSEL(SEL_COMMAND, Quillgrid::ID_COPY_CONVERTED_TABLE), nullptr);
    const std::vector<std::string> copied = firstColumn(clipboard());
    ASSERT_EQ(copied.size(), typed.size()) << clipboard();
    for (size_t i = 0; i < typed.size(); ++i) {
      const double x = FXDoubleVal(typed[i].c_str());
      // A converted x to 15 significant digits.
      const double expected = c.kelvin ? eqn::convertTemperature(0, x) : x;
      EXPECT_NEAR(FXDoubleVal(copied[i].c_str()), expected, c.kelvin ? 1e-14 * expected : 0)
          << i << ": " << copied[i] << " for " << typed[i];
    }
  }
}

}  // namespace
