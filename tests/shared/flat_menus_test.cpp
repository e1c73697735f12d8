// Flat tool-bar buttons and menu titles, their hover colour, the contrasting
// text colour and the recolouring of widget trees.
#include "TestHarness.h"

#include <functional>
#include <vector>

#include "ChangeWidgetColors.h"
#include "MenuButtonWin10Style.h"
#include "MenuTitleWin10Style.h"
#include "Table_lom2.h"
#include "TextField_lom2.h"
#include "Win10StyleColors.h"
#include "fox16.h"

using namespace FX;

namespace {

struct ColourCase {
  FXColor in;
  FXColor out;
};

TEST(Win10StyleColors, EnterColorLightensDarkensAndStaysOpaque) {
  const ColourCase cases[] = {
      {argb(0xFFFFFFFF), argb(0xFFD8D8D8)},  // a channel above 216: 85 %
      {argb(0xFFD91010), argb(0xFFB80D0D)},  // only red above 216 still darkens all three
      {argb(0xFFD8D8D8), argb(0xFFF8F8F8)},  // 216 is not above the limit: 115 %
      {argb(0xFFC8C8C8), argb(0xFFE6E6E6)},
      {argb(0xFF000000), argb(0xFF4D4D4D)},  // black becomes grey 50, boosted by 20
      {argb(0xFF313131), argb(0xFF777777)},  // 49: grey 99, boost 20 - 2*7
      {argb(0xFF0A1E32), argb(0xFF11283F)},  // blue 50 is not below 50: no grey, boost 6
      {argb(0xFF204060), argb(0xFF264B70)},  // max 96: boost 2
      {argb(0xFF636363), argb(0xFF737373)},  // 99: boost 20 - 2*9
      {argb(0xFF646464), argb(0xFF737373)},  // 100: no boost
      {argb(0xFF102040), argb(0xFF16284D)},  // the channels keep their places (red 16, blue 64)
      {argb(0x00C8C8C8), argb(0xFFE6E6E6)},  // transparent in, opaque out
  };
  for (const ColourCase& c : cases) {
    EXPECT_EQ(Win10StyleColors::getEnterColor(c.in), c.out) << std::hex << "in 0x" << c.in;
  }
}

TEST(ChangeWidgetColors, FontColorFollowsLumaAboveOneHundred) {
  const FXColor black = argb(0xFF000000);
  const FXColor white = argb(0xFFFFFFFF);
  const ColourCase cases[] = {
      {argb(0xFF646464), white},  // luma exactly 100
      {argb(0xFF656565), black},
      {argb(0xFF00FF00), black},  // green weighs most
      {argb(0xFF0000FF), white},
      {argb(0xFFFF2D00), black},  // 76.2 + 26.4: needs red read as red
      {argb(0xFF002DFF), white},  // the same channels swapped: 26.4 + 29.1
      {argb(0xFFFFFFFF), black},
      {argb(0xFF000000), white},
  };
  for (const ColourCase& c : cases) {
    EXPECT_EQ(ChangeWidgetColors::getFontColor(c.in), c.out) << std::hex << "back 0x" << c.in;
  }
  EXPECT_EQ(ChangeWidgetColors::getRGBBlackWhiteTextCutoff(), 100);
}

FXEvent crossingEvent() {
  FXEvent ev;
  ev.type = SEL_ENTER;
  ev.code = CROSSINGNORMAL;
  ev.state = 0;
  ev.win_x = ev.win_y = 1;
  ev.root_x = ev.root_y = 1;
  return ev;
}

void enter(FXWindow* w) {
  FXEvent ev = crossingEvent();
  w->handle(w, FXSEL(SEL_ENTER, 0), &ev);
}

void leave(FXWindow* w) {
  FXEvent ev = crossingEvent();
  ev.type = SEL_LEAVE;
  w->handle(w, FXSEL(SEL_LEAVE, 0), &ev);
}

class FlatWidgets : public ::testing::Test {
protected:
  void SetUp() override {
    QG_REQUIRE_DISPLAY();
    main = new FXMainWindow(qgtest::app(), "flat", NULL, NULL, DECOR_ALL, 0, 0, 300, 200);
    bar = new FXHorizontalFrame(main, LAYOUT_FILL_X);
  }
  void TearDown() override { delete main; }
  FXMainWindow* main = nullptr;
  FXHorizontalFrame* bar = nullptr;
};

TEST_F(FlatWidgets, ButtonHoversInTheEnterColourOfItsBackground) {
  struct {
    FXColor bar;
    FXColor hover;
  } cases[] = {{argb(0xFFFFFFFF), argb(0xFFD8D8D8)}, {argb(0xFFC8C8C8), argb(0xFFE6E6E6)}};
  for (const auto& c : cases) {
    bar->setBackColor(c.bar);
    MenuButtonWin10Style* b = new MenuButtonWin10Style(bar, "Paste\tPaste");
    b->setBackColor(c.bar);
    main->create();
    enter(b);
    EXPECT_EQ(b->getBackColor(), c.hover);
    leave(b);
    EXPECT_EQ(b->getBackColor(), c.bar);
    delete b;
  }
}

TEST_F(FlatWidgets, ButtonFrameIsFlatAndLeaveTakesTheParentsColour) {
  bar->setBackColor(argb(0xFF3050A0));
  MenuButtonWin10Style* b = new MenuButtonWin10Style(bar, "Undo", NULL, NULL, 0, BUTTON_TOOLBAR);
  const FXColor own = b->getBackColor();
  EXPECT_EQ(b->getHiliteColor(), Win10StyleColors::getEnterColor(own));
  EXPECT_EQ(b->getShadowColor(), Win10StyleColors::getEnterColor(own));
  main->create();
  enter(b);
  EXPECT_EQ(b->getBackColor(), Win10StyleColors::getEnterColor(own));
  leave(b);
  EXPECT_EQ(b->getBackColor(), argb(0xFF3050A0));  // the parent's, not the button's old one
}

TEST_F(FlatWidgets, DisabledButtonAndTitleKeepTheirColours) {
  MenuButtonWin10Style* b = new MenuButtonWin10Style(bar, "Rotate");
  FXMenuBar* menubar = new FXMenuBar(main, LAYOUT_FILL_X);
  FXMenuPane* pane = new FXMenuPane(main);
  MenuTitleWin10Style* t = new MenuTitleWin10Style(menubar, "File", NULL, pane);
  main->create();
  b->disable();
  t->disable();
  const FXColor buttonBack = b->getBackColor();
  const FXColor titleBack = t->getBackColor();
  const FXColor titleSel = t->getSelBackColor();
  enter(b);
  enter(t);
  EXPECT_EQ(b->getBackColor(), buttonBack);
  EXPECT_EQ(t->getBackColor(), titleBack);
  EXPECT_EQ(t->getSelBackColor(), titleSel);
  bar->setBackColor(argb(0xFF102030));
  menubar->setBackColor(argb(0xFF102030));
  leave(b);
  leave(t);
  EXPECT_EQ(b->getBackColor(), buttonBack);
  EXPECT_EQ(t->getBackColor(), titleBack);
  delete pane;
}

TEST_F(FlatWidgets, TitleHoverColoursFollowItsColourSetters) {
  FXMenuBar* menubar = new FXMenuBar(main, LAYOUT_FILL_X);
  menubar->setBackColor(argb(0xFFC8C8C8));
  FXMenuPane* pane = new FXMenuPane(main);
  MenuTitleWin10Style* t = new MenuTitleWin10Style(menubar, "Options", NULL, pane);
  main->create();

  const FXColor back0 = t->getBackColor();
  const FXColor sel0 = t->getSelBackColor();
  EXPECT_EQ(t->getHiliteColor(), Win10StyleColors::getEnterColor(back0));
  EXPECT_EQ(t->getShadowColor(), Win10StyleColors::getEnterColor(back0));
  enter(t);
  EXPECT_EQ(t->getBackColor(), Win10StyleColors::getEnterColor(back0));
  EXPECT_EQ(t->getSelBackColor(), Win10StyleColors::getEnterColor(sel0));
  leave(t);
  EXPECT_EQ(t->getBackColor(), argb(0xFFC8C8C8));

  t->setTextAndBackColors(argb(0xFFFFFFFF), argb(0xFF204060));
  EXPECT_EQ(t->getTextColor(), argb(0xFFFFFFFF));
  EXPECT_EQ(t->getSelTextColor(), argb(0xFFFFFFFF));
  EXPECT_EQ(t->getBackColor(), argb(0xFF204060));
  EXPECT_EQ(t->getSelBackColor(), argb(0xFF204060));
  EXPECT_EQ(t->getHiliteColor(), argb(0xFF264B70));
  enter(t);
  EXPECT_EQ(t->getBackColor(), argb(0xFF264B70));
  EXPECT_EQ(t->getSelBackColor(), argb(0xFF264B70));
  leave(t);
  EXPECT_EQ(t->getBackColor(), argb(0xFFC8C8C8));  // the menu bar's colour

  // Highlighting colour: the title's own colour is also its leave colour.
  t->setBackColorForHighlighting(argb(0xFFFFFF00));
  enter(t);
  EXPECT_EQ(t->getBackColor(), argb(0xFFD8D800));
  leave(t);
  EXPECT_EQ(t->getBackColor(), argb(0xFFFFFF00));
  delete pane;
}

// Recolouring does not need the display: the colours are members.
class Recolour : public ::testing::Test {
protected:
  const FXColor back = argb(0xFF203040);       // dark: white text
  const FXColor fieldBack = argb(0xFFF0E0C0);  // light: black text
  const FXColor shadow = argb(0xFF101112);
  const FXColor hilite = argb(0xFF8090A0);
  const FXColor white = argb(0xFFFFFFFF);
  const FXColor black = argb(0xFF000000);
  const FXColor untouched = argb(0xFF5A6B7C);
};

TEST_F(Recolour, ReachesNestedWidgetsByExactClassName) {
  FXMainWindow* main = new FXMainWindow(qgtest::app(), "dialog");
  main->setBackColor(untouched);
  FXVerticalFrame* outer = new FXVerticalFrame(main);
  FXMatrix* matrix = new FXMatrix(outer, 2);
  FXGroupBox* group = new FXGroupBox(matrix, "Group", GROUPBOX_TITLE_CENTER | FRAME_GROOVE);
  FXHorizontalFrame* row = new FXHorizontalFrame(group);
  FXLabel* label = new FXLabel(row, "deep");
  FXTextField* field = new FXTextField(row, 5);
  TextField_lom2* numField = new TextField_lom2(row, 5, NULL, 0, TEXTFIELD_REAL, false);
  numField->setBackColor(untouched);
  FXCheckButton* check = new FXCheckButton(row, "check");
  FXRadioButton* radio = new FXRadioButton(row, "radio");
  FXSplitter* splitter = new FXSplitter(row);
  FXArrowButton* arrow = new FXArrowButton(row);
  FXTable* table = new FXTable(row);
  table->setTableSize(3, 3);
  Table_lom2* ourTable = new Table_lom2(row, NULL, 0, 0, 0, 0, 0, 0, 2, 2, 2, 2);
  ourTable->setBackColor(untouched);
  MenuButtonWin10Style* flat = new MenuButtonWin10Style(row, "flat");
  const FXColor flatText = flat->getTextColor();
  FXMenuBar* menubar = new FXMenuBar(outer, LAYOUT_FILL_X);
  MenuTitleWin10Style* title = new MenuTitleWin10Style(menubar, "File");

  // Field text starts black by default, which is also what recolouring on
  // this light field colour gives: start it elsewhere so the checks bite.
  field->setTextColor(untouched);
  field->setCursorColor(untouched);
  check->setCheckColor(untouched);
  radio->setRadioColor(untouched);
  table->setTextColor(untouched);

  ChangeWidgetColors::changeWidgetColors(main, back, fieldBack, shadow, hilite);

  EXPECT_EQ(main->getBackColor(), untouched);  // FXMainWindow has no row...
  EXPECT_EQ(outer->getBackColor(), back);       // ...but its children are recoloured
  EXPECT_EQ(matrix->getBackColor(), back);
  EXPECT_EQ(group->getBackColor(), back);
  EXPECT_EQ(group->getTextColor(), white);
  EXPECT_EQ(group->getShadowColor(), shadow);
  EXPECT_EQ(group->getHiliteColor(), hilite);
  EXPECT_EQ(row->getBackColor(), back);

  EXPECT_EQ(label->getBackColor(), back);
  EXPECT_EQ(label->getTextColor(), white);
  EXPECT_EQ(label->getShadowColor(), shadow);
  EXPECT_EQ(label->getHiliteColor(), hilite);

  EXPECT_EQ(field->getBackColor(), fieldBack);
  EXPECT_EQ(field->getTextColor(), black);
  EXPECT_EQ(field->getBaseColor(), back);
  EXPECT_EQ(field->getCursorColor(), black);
  EXPECT_EQ(numField->getBackColor(), untouched);  // a class of its own

  EXPECT_EQ(check->getBoxColor(), fieldBack);
  EXPECT_EQ(check->getCheckColor(), black);
  EXPECT_EQ(check->getBackColor(), back);
  EXPECT_EQ(check->getTextColor(), white);
  EXPECT_EQ(check->getBaseColor(), back);
  EXPECT_EQ(check->getShadowColor(), shadow);
  EXPECT_EQ(check->getHiliteColor(), hilite);

  EXPECT_EQ(radio->getDiskColor(), fieldBack);
  EXPECT_EQ(radio->getRadioColor(), black);
  EXPECT_EQ(radio->getBackColor(), back);
  EXPECT_EQ(radio->getTextColor(), white);
  EXPECT_EQ(radio->getBaseColor(), back);
  EXPECT_EQ(radio->getShadowColor(), shadow);
  EXPECT_EQ(radio->getHiliteColor(), hilite);

  EXPECT_EQ(splitter->getBackColor(), white);  // the contrasting colour itself
  EXPECT_EQ(arrow->getBackColor(), back);
  EXPECT_EQ(arrow->getShadowColor(), shadow);
  EXPECT_EQ(arrow->getHiliteColor(), hilite);

  EXPECT_EQ(table->getBackColor(), fieldBack);
  EXPECT_EQ(table->getTextColor(), black);
  for (int r = 0; r < 2; ++r)
    for (int c = 0; c < 2; ++c) EXPECT_EQ(table->getCellColor(r, c), fieldBack) << r << "," << c;
  EXPECT_EQ(ourTable->getBackColor(), untouched);
  // The table's own parts (headers, scroll bars) are its children.
  int headers = 0;
  for (FXWindow* ch = ourTable->getFirst(); ch; ch = ch->getNext()) {
    if (strcmp(ch->getClassName(), "FXHeader") == 0) {
      ++headers;
      EXPECT_EQ(ch->getBackColor(), back);
      EXPECT_EQ(static_cast<FXHeader*>(ch)->getTextColor(), white);
    }
  }
  EXPECT_EQ(headers, 2);

  EXPECT_EQ(flat->getBackColor(), back);
  EXPECT_EQ(flat->getTextColor(), flatText);  // back colour only
  EXPECT_EQ(menubar->getBackColor(), back);
  EXPECT_EQ(title->getTextColor(), white);
  EXPECT_EQ(title->getBackColor(), back);
  EXPECT_EQ(title->getSelBackColor(), back);
  EXPECT_EQ(title->getHiliteColor(), Win10StyleColors::getEnterColor(back));
  delete main;
}

// The rows whose text colour sits in a different base class for each
// widget: each must get the row's back colour (back or fieldBack) and the
// text colour that contrasts with it. The palette is run both ways round,
// so every text check expects white once (the widgets start with black).
TEST_F(Recolour, EachRowSetsItsBackAndTextColours) {
  const struct {
    FXColor back, fieldBack;
  } palettes[] = {{back, fieldBack}, {fieldBack, back}};
  for (const auto& pal : palettes) {
    FXDialogBox* dialog = new FXDialogBox(qgtest::app(), "dialog");
    dialog->setBackColor(untouched);
    FXVerticalFrame* frame = new FXVerticalFrame(dialog);
    FXTabBook* book = new FXTabBook(frame, NULL, 0);
    FXMenuBar* menubar = new FXMenuBar(frame, LAYOUT_FILL_X);
    FXMenuPane* pane = new FXMenuPane(dialog);
    FXList* list = new FXList(frame);
    FXIconList* icons = new FXIconList(frame);
    FXFileList* files = new FXFileList(frame);
    FXTreeList* tree = new FXTreeList(frame);
    FXTabItem* tab = new FXTabItem(book, "Tab");
    FXMenuTitle* title = new FXMenuTitle(menubar, "Edit", NULL, pane);
    FXMenuCascade* cascade = new FXMenuCascade(pane, "More");
    FXButton* button = new FXButton(frame, "button");
    FXToggleButton* toggle = new FXToggleButton(frame, "on", "off");
    FXMenuButton* menuButton = new FXMenuButton(frame, "menu");
    FXText* text = new FXText(frame);
    struct Case {
      const char* what;
      FXWindow* w;
      bool onField;                        // the row uses fieldBack
      std::function<FXColor()> textColor;  // empty: the row sets no text colour
    };
    const std::vector<Case> cases = {
        {"FXDialogBox", dialog, false, {}},
        {"FXTabBook", book, false, {}},
        {"FXScrollWindow", new FXScrollWindow(frame), false, {}},
        {"FXHorizontalSeparator", new FXHorizontalSeparator(frame), false, {}},
        {"FXToolBar", new FXToolBar(frame, LAYOUT_FILL_X), false, {}},
        {"FXColorWell", new FXColorWell(frame), false, {}},
        {"FXDirBox", new FXDirBox(frame), true, {}},
        {"FXList", list, true, [=] { return list->getTextColor(); }},
        {"FXIconList", icons, true, [=] { return icons->getTextColor(); }},
        {"FXFileList", files, true, [=] { return files->getTextColor(); }},
        {"FXTreeList", tree, false, [=] { return tree->getTextColor(); }},
        {"FXTabItem", tab, false, [=] { return tab->getTextColor(); }},
        {"FXMenuTitle", title, false, [=] { return title->getTextColor(); }},
        {"FXMenuCascade", cascade, false, [=] { return cascade->getTextColor(); }},
        {"FXButton", button, false, [=] { return button->getTextColor(); }},
        {"FXToggleButton", toggle, false, [=] { return toggle->getTextColor(); }},
        {"FXMenuButton", menuButton, false, [=] { return menuButton->getTextColor(); }},
        {"FXText", text, true, [=] { return text->getTextColor(); }},
    };
    ChangeWidgetColors::changeWidgetColors(dialog, pal.back, pal.fieldBack, shadow, hilite);
    ChangeWidgetColors::changeWidgetColors(pane, pal.back, pal.fieldBack, shadow, hilite);
    for (const Case& c : cases) {
      ASSERT_STREQ(c.w->getClassName(), c.what);
      const FXColor rowBack = c.onField ? pal.fieldBack : pal.back;
      EXPECT_EQ(c.w->getBackColor(), rowBack) << c.what;
      if (c.textColor) {
        EXPECT_EQ(c.textColor(), ChangeWidgetColors::getFontColor(rowBack)) << c.what;
      }
    }
    EXPECT_EQ(button->getShadowColor(), shadow);
    EXPECT_EQ(toggle->getHiliteColor(), hilite);
    EXPECT_EQ(text->getCursorColor(), ChangeWidgetColors::getFontColor(pal.fieldBack));
    EXPECT_EQ(text->getBarColor(), pal.back);
    delete pane;
    delete dialog;
  }
}

TEST_F(Recolour, MenuPaneEntriesAndTheColourStruct) {
  FXMainWindow* main = new FXMainWindow(qgtest::app(), "menus");
  FXMenuPane* pane = new FXMenuPane(main);
  FXMenuCommand* cmd = new FXMenuCommand(pane, "Open");
  FXMenuCheck* mcheck = new FXMenuCheck(pane, "Show");
  FXMenuRadio* mradio = new FXMenuRadio(pane, "Small");
  FXMenuCaption* caption = new FXMenuCaption(pane, "Caption");

  UIColorsStruct colours = {back, fieldBack, shadow, hilite, untouched};
  ChangeWidgetColors::changeWidgetColors(pane, colours);

  EXPECT_EQ(pane->getBackColor(), back);
  EXPECT_EQ(cmd->getBackColor(), back);
  EXPECT_EQ(cmd->getTextColor(), white);
  EXPECT_EQ(cmd->getShadowColor(), shadow);
  EXPECT_EQ(cmd->getHiliteColor(), hilite);
  EXPECT_EQ(mcheck->getBoxColor(), fieldBack);
  EXPECT_EQ(mcheck->getBackColor(), back);
  EXPECT_EQ(mcheck->getTextColor(), white);
  EXPECT_EQ(mradio->getRadioColor(), fieldBack);
  EXPECT_EQ(mradio->getTextColor(), white);
  EXPECT_EQ(caption->getBackColor(), back);
  EXPECT_EQ(caption->getTextColor(), white);

  ChangeWidgetColors::changeWidgetColors(nullptr, colours);  // nothing to do, no crash
  delete pane;
  delete main;
}

}  // namespace
