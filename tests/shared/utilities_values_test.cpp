// Utilities_lom2, value half: numbers, text, spreadsheet cell names,
// colours, the font change over a widget tree and widget positions.
#include <climits>
#include <cmath>
#include <string>
#include <vector>

#include "TestHarness.h"
#include "Utilities_lom2.h"
#include "fox16.h"

using namespace FX;
using U = Utilities_lom2;

namespace {
std::string str(const FXString& s) { return std::string(s.text(), s.length()); }
}  // namespace

TEST(UtilitiesNumbers, RoundIsHalfAwayFromZeroAndStaysInRange) {
  struct Case { double x; int expected; };
  const Case cases[] = {{2.5, 3},   {-2.5, -3},       {-0.4, 0},      {0.4999, 0},         {1.5, 2},
                        {-1.5, -2}, {0.0, 0},         {-0.5, -1},     {2147483646.6, INT_MAX},
                        {1e12, INT_MAX}, {-1e12, INT_MIN}, {NAN, 0}};
  for (const Case& c : cases) EXPECT_EQ(U::round(c.x), c.expected) << c.x;
}

TEST(UtilitiesNumbers, RoundToDecimalsMovesHalfAUnitAwayFromZero) {
  struct Case { int n; double x; double expected; };
  const Case cases[] = {
      {2, 1.234, 1.235},  {2, -1.234, -1.235}, {0, 2.4, 2.5},     {0, 2.6, 3.5},
      {3, 0.0, -0.0005},  {1, 0.04, 0.05},     {-1, 3.14159, 3.14159},
      {6, 1e6, 1e6 + 5e-7},  // x * 10^n is far beyond the int range
  };
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(U::roundToDecimals(c.n, c.x), c.expected) << c.n << " " << c.x;
}

TEST(UtilitiesNumbers, IntegerHelpers) {
  EXPECT_EQ(U::pow_i(2, 10), 1024);
  EXPECT_EQ(U::pow_i(3, 0), 1);
  EXPECT_EQ(U::pow_i(5, -1), 0);
  EXPECT_EQ(U::pow_i(-2, 3), -8);
  EXPECT_EQ(U::pow_i(10, 9), 1000000000);
  EXPECT_EQ(U::pow_i(2, 31), INT_MIN);  // wraps like 32-bit arithmetic
  EXPECT_EQ(U::pow_i(2, 32), 0);

  EXPECT_TRUE(U::isEven(0));
  EXPECT_TRUE(U::isEven(-4));
  EXPECT_FALSE(U::isEven(-3));
  EXPECT_FALSE(U::isEven(7));

  EXPECT_TRUE(U::intToBool(1));
  EXPECT_FALSE(U::intToBool(2));
  EXPECT_FALSE(U::intToBool(0));
  EXPECT_FALSE(U::intToBool(-1));
  EXPECT_EQ(U::boolToInt(true), 1);
  EXPECT_EQ(U::boolToInt(false), 0);
  EXPECT_EQ(U::boolToInt(static_cast<unsigned char>(0)), 0);
  EXPECT_EQ(U::boolToInt(static_cast<unsigned char>(2)), 1);

  EXPECT_EQ(U::checkRGB(-5), 0);
  EXPECT_EQ(U::checkRGB(0), 0);
  EXPECT_EQ(U::checkRGB(128), 128);
  EXPECT_EQ(U::checkRGB(255), 255);
  EXPECT_EQ(U::checkRGB(300), 255);
}

TEST(UtilitiesNumbers, MinAndMaxGiveTheFirstPosition) {
  const double v[] = {3, -1, 7, -1, 7};
  int index = -9;
  EXPECT_EQ(U::min_d(5, v, &index), -1);
  EXPECT_EQ(index, 1);
  EXPECT_EQ(U::max_d(5, v, &index), 7);
  EXPECT_EQ(index, 2);
  EXPECT_EQ(U::max_d(4, v + 1, &index), 7);
  EXPECT_EQ(index, 1);
  // One value or none: values[0] at index 0.
  index = -9;
  EXPECT_EQ(U::min_d(1, v + 2, &index), 7);
  EXPECT_EQ(index, 0);
  index = -9;
  EXPECT_EQ(U::max_d(0, v + 1, &index), -1);
  EXPECT_EQ(index, 0);
}

TEST(UtilitiesNumbers, DisplayDecimalsAndValueText) {
  struct Case { double x; int decimals; const char* text; };
  const Case cases[] = {
      {0.5, 3, "0.500"}, {250, 0, "250"},     {-3, 2, "-3.0e+00"}, {0.01, 3, "1.0e-02"},
      {0.005, 6, "5.0e-03"}, {5.25, 2, "5.25"}, {12.34, 1, "12.3"}, {99.99, 1, "100.0"},
      {100, 0, "100"},   {0, 6, "0.0e+00"},   {-0.5, 3, "-5.0e-01"}, {0.0101, 3, "0.010"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(U::displayDecimals(c.x), c.decimals) << c.x;
    EXPECT_EQ(str(U::getValueAsString(c.x)), c.text) << c.x;
  }
}

TEST(UtilitiesText, AddCommasGroupsByThree) {
  struct Case { const char* in; const char* out; };
  const Case cases[] = {{"1234", "1,234"},   {"-1234", "-1,234"},     {"-123", "-123"},  {"999", "999"},
                        {"-1000", "-1,000"}, {"123456", "123,456"},   {"1000000", "1,000,000"},
                        {"", ""},            {"abcd", "a,bcd"},       {"-", "-"}};
  for (const Case& c : cases) EXPECT_EQ(str(U::AddCommas(FXString(c.in))), c.out) << c.in;

  EXPECT_EQ(str(U::AddCommas(1234567)), "1,234,567");
  EXPECT_EQ(str(U::AddCommas(-1234567)), "-1,234,567");
  EXPECT_EQ(str(U::AddCommas(INT_MIN)), "-2,147,483,648");
  EXPECT_EQ(str(U::AddCommas(-999)), "-999");
  EXPECT_EQ(str(U::AddCommas(9876543210L)), "9,876,543,210");
  EXPECT_EQ(str(U::AddCommas(4000000000u)), "4,000,000,000");
  EXPECT_EQ(str(U::AddCommas(18446744073709551615ul)), "18,446,744,073,709,551,615");
}

TEST(UtilitiesText, ValueScanners) {
  int a = -1, b = -1, c = -1;
  bool flag = false;
  U::get2Values("3 1", &a, &flag);
  EXPECT_EQ(a, 3);
  EXPECT_TRUE(flag);
  U::get2Values("4 2", &a, &flag);
  EXPECT_EQ(a, 4);
  EXPECT_FALSE(flag);  // only exactly 1 is true
  flag = true;
  U::get2Values("5", &a, &flag);
  EXPECT_EQ(a, 5);
  EXPECT_TRUE(flag);  // no second value: left as it was

  U::get2Values("7 -8", &a, &b);
  EXPECT_EQ(a, 7);
  EXPECT_EQ(b, -8);
  double d = 0;
  U::get2Values("9 2.5e1", &a, &d);
  EXPECT_EQ(a, 9);
  EXPECT_DOUBLE_EQ(d, 25.0);
  FXString s;
  U::get2Values("  12 some name here  ", &a, &s);
  EXPECT_EQ(a, 12);
  EXPECT_EQ(str(s), "some name here");
  U::get2Values("42", &a, &s);
  EXPECT_EQ(a, 42);
  EXPECT_EQ(str(s), "");

  U::get3Values("1 2 3", &a, &b, &c);
  EXPECT_EQ(a * 100 + b * 10 + c, 123);
  U::get3Values("4 5 6.25", &a, &b, &d);
  EXPECT_EQ(a * 10 + b, 45);
  EXPECT_DOUBLE_EQ(d, 6.25);
  U::get3Values(" 7 8 the rest  of it ", &a, &b, &s);
  EXPECT_EQ(a * 10 + b, 78);
  EXPECT_EQ(str(s), "the rest  of it");

  double x = 0, y = 0, z = 0, w = 0;
  EXPECT_TRUE(U::get1Value(" 2.5", &x));
  EXPECT_DOUBLE_EQ(x, 2.5);
  EXPECT_FALSE(U::get1Value("x", &x));
  EXPECT_TRUE(U::get3Values("1 -2 3e2", &x, &y, &z));
  EXPECT_DOUBLE_EQ(x + y + z, 299.0);
  EXPECT_FALSE(U::get3Values("1 2", &x, &y, &z));
  EXPECT_TRUE(U::get4Values("1 2 3 4", &x, &y, &z, &w));
  EXPECT_DOUBLE_EQ(w, 4.0);
  EXPECT_FALSE(U::get4Values("1 2 3 four", &x, &y, &z, &w));
}

TEST(UtilitiesText, IndexFromKey) {
  struct Case { const char* key; int index; };
  const Case cases[] = {{"<name_12>", 12}, {"<a_b_7>", 7}, {"42", 42}, {"<x_ 5 >", 5}, {"abc", 0}, {"<n_>", 0}};
  for (const Case& c : cases) EXPECT_EQ(U::getIndexFromKeyStr(c.key), c.index) << c.key;
}

TEST(UtilitiesText, StringSection) {
  struct Case { int n; const char* delimiter; const char* text; const char* field; };
  const Case cases[] = {
      {2, ",", "a,b,c", "b"},  {1, ",", "a,b,c", "a"},    {3, ",", "a,b,c", "c"},   {4, ",", "a,b,c", ""},
      {1, ",", ",a,b", "a"},   {2, ",", ",a,b,", "b"},    {2, ",", "a,,c", ""},     {3, ",", "a,,c", "c"},
      {2, "::", "x::y::z", "y"}, {0, ",", "a,b", ""},     {1, "", "a,b", ""},       {1, ",", "", ""},
      {1, ",", "abc", "abc"},  {2, ",", "abc", ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(str(U::getStringSection(c.n, c.delimiter, c.text)), c.field) << c.n << " [" << c.text << "]";
}

TEST(UtilitiesText, CleanString) {
  EXPECT_EQ(str(U::cleanString("\"Newton meter\" 1.5", '"')), "Newton meter");
  EXPECT_EQ(str(U::cleanString("[ abc ]x]y", ']')), "abc ]x");
  EXPECT_EQ(str(U::cleanString("abc", '"')), "");
  EXPECT_EQ(str(U::cleanString("\"abc", '"')), "");
}

TEST(UtilitiesText, Capitalization) {
  EXPECT_EQ(str(U::capitalizationFirstLetterOfEachWord("hello world(test)-case/x y")), "Hello World(Test)-Case/X Y");
  EXPECT_EQ(str(U::capitalizationFirstLetterOfEachWord("a1b 9c \xC3\xA9t\xC3\xA9")), "A1b 9c \xC3\xA9t\xC3\xA9");

  struct Case { const char* in; const char* out; };
  const Case cases[] = {
      {"the end of the road", "The End Of the Road"},
      {"a tale by the sea", "A Tale by the Sea"},
      {"war And peace", "War And Peace"},  // comparison is case-sensitive
      {"x-ray for a/b", "X-Ray for A/B"},
      {"double  space", "Double  Space"},
      {"and", "And"},
      {"trailing ", "Trailing "},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(str(U::capitalizationTitle(c.in)), c.out) << c.in;
}

TEST(UtilitiesText, CharacterClasses) {
  const std::string digits = "0123456789", letters = "AZaz", others = "/:@[`{ \t";
  for (char ch : digits) {
    EXPECT_TRUE(U::characterIsANumber(ch));
    EXPECT_FALSE(U::characterIsALetter(ch));
  }
  for (char ch : letters) {
    EXPECT_TRUE(U::characterIsALetter(ch));
    EXPECT_FALSE(U::characterIsANumber(ch));
  }
  for (char ch : others + "\xC3\xA9") {
    EXPECT_FALSE(U::characterIsALetter(ch)) << ch;
    EXPECT_FALSE(U::characterIsANumber(ch)) << ch;
  }
}

TEST(UtilitiesCells, ColumnNames) {
  struct Case { int n; const char* name; };
  const Case cases[] = {{1, "A"},     {26, "Z"},     {27, "AA"},    {52, "AZ"},      {53, "BA"},
                        {702, "ZZ"},  {703, "AAA"},  {728, "AAZ"},  {1378, "AZZ"},   {1379, "BAA"},
                        {16384, "XFD"}, {18278, "ZZZ"}, {0, ""},    {-3, ""},        {18279, ""}};
  for (const Case& c : cases) EXPECT_EQ(str(U::excelColumnNames(c.n)), c.name) << c.n;
  // The letters read back to the same number over the whole range.
  for (int n = 1; n <= 18278; n++) ASSERT_EQ(U::getExcelColumn(U::excelColumnNames(n)), n) << n;
}

TEST(UtilitiesCells, ColumnAndRowOfAReference) {
  struct Column { const char* cell; int column; };
  const Column columns[] = {{"$AB$3", 28}, {"a1", 1}, {"zz10", 702}, {"A", 1}, {"1A", 0}, {"", 0}, {"$$C", 3}};
  for (const Column& c : columns) EXPECT_EQ(U::getExcelColumn(c.cell), c.column) << c.cell;

  struct Row { const char* cell; bool keep; const char* row; };
  const Row rows[] = {{" $AB$12 ", true, "$12"}, {" $AB$12 ", false, "12"}, {"A1$", false, ""},
                      {"A1$", true, "1$"},      {"ABC", true, ""},        {"C7", false, "7"}};
  for (const Row& r : rows) EXPECT_EQ(str(U::getExcelRow(r.cell, r.keep)), r.row) << r.cell << " " << r.keep;
}

TEST(UtilitiesCells, ValidCellReferences) {
  for (const char* ok : {"A1", "$A1", "A$1", "$AB$12", " B7 ", "xfd1048576", "$a$1"})
    EXPECT_TRUE(U::isValidExcelCell(ok)) << ok;
  for (const char* bad : {"1A", "A", "A1B", "A1$", "$$A1", "", "   ", "$1", "A$$1", "A 1", "A-1", "1", "$A$1$",
                          "A1.5", "$A", "A$B1"})
    EXPECT_FALSE(U::isValidExcelCell(bad)) << bad;
}

TEST(UtilitiesColours, HexText) {
  EXPECT_EQ(str(U::intToHex(0)), "00");
  EXPECT_EQ(str(U::intToHex(10)), "0A");
  EXPECT_EQ(str(U::intToHex(255)), "FF");
  EXPECT_EQ(str(U::intToHex(300)), "FF");
  EXPECT_EQ(str(U::intToHex(-1)), "00");
  EXPECT_EQ(str(U::convertRGBtoHexColor(argb(0xFF102030))), "102030");
  EXPECT_EQ(str(U::convertRGBtoHexColor(argb(0x00ABCDEF))), "ABCDEF");
}

TEST(UtilitiesColours, EnterColor) {
  struct Case { FXColor in; FXColor out; };
  const Case cases[] = {
      {argb(0xFFFFFFFF), argb(0xFFD8D8D8)},  // any channel above 216: darker
      {argb(0xFFD90000), argb(0xFFB80000)},
      {argb(0xFF0000D9), argb(0xFF0000B8)},
      {argb(0xFFD80000), argb(0xFFF80000)},  // 216 is not above 216
      {argb(0xFF204060), argb(0xFF264B70)},  // d = 96, h = 2
      {argb(0xFF000000), argb(0xFF4D4D4D)},  // all below 50: grey d + 50, h = 20
      {argb(0x00000000), argb(0xFF4D4D4D)},  // always opaque
      {argb(0xFF303030), argb(0xFF787878)},  // d = 48: 98 * 115 / 100 + 8
      {argb(0xFF630000), argb(0xFF730202)},  // d = 99: h = 2
      {argb(0xFF640000), argb(0xFF730000)},  // d = 100: h = 0
      {argb(0xFFC8C8C8), argb(0xFFE6E6E6)},
  };
  for (const Case& c : cases) EXPECT_EQ(U::getEnterColor(c.in), c.out) << std::hex << c.in;
}

TEST(UtilitiesWidgets, FontReachesOnlyTheNamedClassesAtAnyDepth) {
  QG_REQUIRE_DISPLAY();
  FXApp* app = qgtest::app();
  FXMainWindow* main = new FXMainWindow(app, "fonts", nullptr, nullptr, DECOR_ALL, 0, 0, 400, 300);
  FXMenuBar* bar = new FXMenuBar(main, LAYOUT_FILL_X);
  FXMenuPane* pane = new FXMenuPane(main);
  FXMenuTitle* title = new FXMenuTitle(bar, "&File", nullptr, pane);
  FXMenuCommand* command = new FXMenuCommand(pane, "Open");
  FXMenuCheck* menuCheck = new FXMenuCheck(pane, "Grid");
  FXMenuPane* subPane = new FXMenuPane(main);
  FXMenuCascade* cascade = new FXMenuCascade(pane, "Recent", nullptr, subPane);
  FXToolTip* tip = new FXToolTip(app);
  FXVerticalFrame* outer = new FXVerticalFrame(main);
  FXGroupBox* group = new FXGroupBox(outer, "group");
  FXHorizontalFrame* inner = new FXHorizontalFrame(group);
  FXLabel* label = new FXLabel(inner, "label");
  FXButton* button = new FXButton(inner, "button");
  FXTextField* field = new FXTextField(inner, 5);
  FXCheckButton* check = new FXCheckButton(inner, "check");
  FXRadioButton* radio = new FXRadioButton(inner, "radio");
  FXList* list = new FXList(inner);
  FXToggleButton* toggle = new FXToggleButton(inner, "on", "off");  // derives from FXLabel
  FXMenuCaption* caption = new FXMenuCaption(inner, "caption");
  main->create();
  FXFont* font = new FXFont(app, "helvetica", 15);
  font->create();

  Utilities_lom2::updateUIFont(main, font);
  EXPECT_EQ(title->getFont(), font);
  EXPECT_EQ(label->getFont(), font);
  EXPECT_EQ(button->getFont(), font);
  EXPECT_EQ(field->getFont(), font);
  EXPECT_EQ(check->getFont(), font);
  EXPECT_EQ(radio->getFont(), font);
  EXPECT_EQ(list->getFont(), font);
  EXPECT_NE(toggle->getFont(), font);
  EXPECT_NE(caption->getFont(), font);
  EXPECT_NE(group->getFont(), font);
  // The pane is a window of its own, not a child of the tree.
  EXPECT_NE(command->getFont(), font);
  Utilities_lom2::updateUIFont(pane, font);
  EXPECT_EQ(command->getFont(), font);
  EXPECT_EQ(menuCheck->getFont(), font);
  EXPECT_EQ(cascade->getFont(), font);
  Utilities_lom2::updateUIFont(tip, font);
  EXPECT_EQ(tip->getFont(), font);
  Utilities_lom2::updateUIFont(nullptr, font);
  main->layout();

  delete tip;
  delete pane;
  delete subPane;
  delete main;
  delete font;
}

TEST(UtilitiesWidgets, PositionIsRelativeToTheTopLevelWindow) {
  QG_REQUIRE_DISPLAY();
  FXMainWindow* main = new FXMainWindow(qgtest::app(), "positions", nullptr, nullptr, DECOR_ALL, 120, 70, 400, 300);
  FXVerticalFrame* outer = new FXVerticalFrame(main, LAYOUT_FILL_X | LAYOUT_FILL_Y, 0, 0, 0, 0, 13, 13, 9, 9);
  new FXLabel(outer, "spacer");
  FXHorizontalFrame* inner = new FXHorizontalFrame(outer, FRAME_SUNKEN, 0, 0, 0, 0, 7, 7, 5, 5);
  new FXButton(inner, "first");
  FXButton* target = new FXButton(inner, "target");
  main->create();
  main->show(PLACEMENT_DEFAULT);
  main->layout();
  qgtest::runFor(50);

  FXint x = -1, y = -1;
  target->translateCoordinatesTo(x, y, main, 0, 0);
  ASSERT_GT(x, 20);
  ASSERT_GT(y, 20);
  EXPECT_EQ(Utilities_lom2::getWidget_X_InRoot(target), x);
  EXPECT_EQ(Utilities_lom2::getWidget_Y_InRoot(target), y);
  EXPECT_EQ(Utilities_lom2::getWidget_X_InRoot(5, target), x + 5);
  EXPECT_EQ(Utilities_lom2::getWidget_Y_InRoot(5, target), y + 5);
  // The top-level window's own screen position is not counted.
  EXPECT_EQ(Utilities_lom2::getWidget_X_InRoot(main), 0);
  EXPECT_EQ(Utilities_lom2::getWidget_Y_InRoot(main), 0);
  EXPECT_EQ(Utilities_lom2::getWidget_X_InRoot(nullptr), 0);
  EXPECT_EQ(Utilities_lom2::getWidget_Y_InRoot(7, nullptr), 0);
  delete main;
}
