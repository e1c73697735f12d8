#include "ChangeWidgetColors.h"

#include <string.h>

#include "MenuTitleWin10Style.h"

using namespace FX;

namespace {

const int LUMA_CUTOFF = 100;

// What a class gets; one value per row of the recolouring rules.
enum Recolour {
  BACK,                 // back colour
  FIELD_BACK,           // back colour from the field colour
  FIELD_BACK_TEXT,      // field back colour, contrasting text
  BACK_TEXT,            // back colour, contrasting text
  MENU_CHECK,
  MENU_RADIO,
  RADIO_BUTTON,
  CHECK_BUTTON,
  BACK_TEXT_FRAME,      // back, text, shadow and hilite (labels, buttons, menu commands, group boxes)
  TEXT_FIELD,
  TEXT,
  TABLE,
  ARROW_BUTTON,
  SPLITTER,
  MENU_TITLE_FLAT
};

struct ClassRule {
  const char* name;
  Recolour what;
};

const ClassRule RULES[] = {
    {"FXWindow", BACK},
    {"FXDialogBox", BACK},
    {"FXInputDialog", BACK},
    {"FXFileDialog", BACK},
    {"FXFileSelector", BACK},
    {"FXDirBox", FIELD_BACK},
    {"FXFileList", FIELD_BACK_TEXT},
    {"FXList", FIELD_BACK_TEXT},
    {"FXComboBox", FIELD_BACK_TEXT},
    {"FXListBox", FIELD_BACK_TEXT},
    {"FXIconList", FIELD_BACK_TEXT},
    {"FXTreeList", BACK_TEXT},
    {"FXHeader", BACK_TEXT},
    {"FXMenuCaption", BACK_TEXT},
    {"FXMenuCascade", BACK_TEXT},
    {"FXTabItem", BACK_TEXT},
    {"FXMenuTitle", BACK_TEXT},
    {"FXFrame", BACK},
    {"FXVerticalSeparator", BACK},
    {"FXHorizontalSeparator", BACK},
    {"FXScrollWindow", BACK},
    {"FXScrollBar", BACK},
    {"FXColorWell", BACK},
    {"FXTabBook", BACK},
    {"FXHorizontalFrame", BACK},
    {"FXVerticalFrame", BACK},
    {"FXMatrix", BACK},
    {"FXToolBar", BACK},
    {"FXMenuPane", BACK},
    {"FXMenuBar", BACK},
    {"MenuButtonWin10Style", BACK},
    {"FXMenuCheck", MENU_CHECK},
    {"FXMenuRadio", MENU_RADIO},
    {"FXRadioButton", RADIO_BUTTON},
    {"FXCheckButton", CHECK_BUTTON},
    {"FXMenuCommand", BACK_TEXT_FRAME},
    {"FXTextField", TEXT_FIELD},
    {"TextInput_lom2", TEXT_FIELD},  // the program's text field is coloured as the toolkit's
    {"FXText", TEXT},
    {"FXTable", TABLE},
    {"FXGroupBox", BACK_TEXT_FRAME},
    {"FXMDIDeleteButton", BACK_TEXT_FRAME},
    {"FXButton", BACK_TEXT_FRAME},
    {"FXMenuButton", BACK_TEXT_FRAME},
    {"FXToggleButton", BACK_TEXT_FRAME},
    {"FXLabel", BACK_TEXT_FRAME},
    {"FXArrowButton", ARROW_BUTTON},
    {"FXSplitter", SPLITTER},
    {"MenuTitleWin10Style", MENU_TITLE_FLAT},
};

const ClassRule* findRule(const char* className) {
  for (const ClassRule& r : RULES)
    if (strcmp(r.name, className) == 0) return &r;
  return nullptr;
}

// The three kinds of widget whose text colour and frame colours live in
// unrelated base classes (FXLabel, FXMenuCaption, FXPacker) but have the
// same setters.
template <class W>
void setBackTextFrame(W* w, FXColor back, FXColor shadow, FXColor hilite) {
  w->setBackColor(back);
  w->setTextColor(ChangeWidgetColors::getFontColor(back));
  w->setShadowColor(shadow);
  w->setHiliteColor(hilite);
}

// The exact class name was matched, so each cast names the object's own class.
void recolourOne(FXWindow* w, Recolour what, FXColor back, FXColor fieldBack, FXColor shadow, FXColor hilite) {
  const FXColor backText = ChangeWidgetColors::getFontColor(back);
  const FXColor fieldText = ChangeWidgetColors::getFontColor(fieldBack);
  switch (what) {
    case BACK:
      w->setBackColor(back);
      break;
    case FIELD_BACK:
      w->setBackColor(fieldBack);
      break;
    case FIELD_BACK_TEXT:
      w->setBackColor(fieldBack);
      if (FXList* l = dynamic_cast<FXList*>(w)) l->setTextColor(fieldText);
      else if (FXIconList* il = dynamic_cast<FXIconList*>(w)) il->setTextColor(fieldText);
      else if (FXComboBox* cb = dynamic_cast<FXComboBox*>(w)) cb->setTextColor(fieldText);
      else if (FXListBox* lb = dynamic_cast<FXListBox*>(w)) lb->setTextColor(fieldText);
      break;
    case BACK_TEXT:
      w->setBackColor(back);
      if (FXTreeList* t = dynamic_cast<FXTreeList*>(w)) t->setTextColor(backText);
      else if (FXHeader* h = dynamic_cast<FXHeader*>(w)) h->setTextColor(backText);
      else if (FXMenuCaption* mc = dynamic_cast<FXMenuCaption*>(w)) mc->setTextColor(backText);
      else if (FXLabel* lab = dynamic_cast<FXLabel*>(w)) lab->setTextColor(backText);  // FXTabItem
      break;
    case MENU_CHECK: {
      FXMenuCheck* m = static_cast<FXMenuCheck*>(w);
      m->setBoxColor(fieldBack);
      m->setBackColor(back);
      m->setTextColor(backText);
      break;
    }
    case MENU_RADIO: {
      FXMenuRadio* m = static_cast<FXMenuRadio*>(w);
      m->setRadioColor(fieldBack);
      m->setBackColor(back);
      m->setTextColor(backText);
      break;
    }
    case RADIO_BUTTON: {
      FXRadioButton* rb = static_cast<FXRadioButton*>(w);
      rb->setDiskColor(fieldBack);
      rb->setRadioColor(fieldText);
      rb->setBackColor(back);
      rb->setTextColor(backText);
      rb->setBaseColor(back);
      rb->setShadowColor(shadow);
      rb->setHiliteColor(hilite);
      break;
    }
    case CHECK_BUTTON: {
      FXCheckButton* cb = static_cast<FXCheckButton*>(w);
      cb->setBoxColor(fieldBack);
      cb->setCheckColor(fieldText);
      cb->setBackColor(back);
      cb->setTextColor(backText);
      cb->setBaseColor(back);
      cb->setShadowColor(shadow);
      cb->setHiliteColor(hilite);
      break;
    }
    case BACK_TEXT_FRAME:
      if (FXLabel* lab = dynamic_cast<FXLabel*>(w)) setBackTextFrame(lab, back, shadow, hilite);
      else if (FXMenuCaption* mc = dynamic_cast<FXMenuCaption*>(w)) setBackTextFrame(mc, back, shadow, hilite);
      else if (FXGroupBox* gb = dynamic_cast<FXGroupBox*>(w)) setBackTextFrame(gb, back, shadow, hilite);
      break;
    case TEXT_FIELD: {
      FXTextField* tf = static_cast<FXTextField*>(w);
      tf->setBackColor(fieldBack);
      tf->setTextColor(fieldText);
      tf->setBaseColor(back);
      tf->setCursorColor(fieldText);
      break;
    }
    case TEXT: {
      FXText* t = static_cast<FXText*>(w);
      t->setBackColor(fieldBack);
      t->setTextColor(fieldText);
      t->setCursorColor(fieldText);
      t->setBarColor(back);
      break;
    }
    case TABLE: {
      FXTable* t = static_cast<FXTable*>(w);
      t->setBackColor(fieldBack);
      t->setTextColor(fieldText);
      // The table keeps one background per even/odd row and column; these
      // four indices reach all of them, whatever the table's size.
      for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 2; ++c) t->setCellColor(r, c, fieldBack);
      break;
    }
    case ARROW_BUTTON: {
      FXArrowButton* a = static_cast<FXArrowButton*>(w);
      a->setBackColor(back);
      a->setShadowColor(shadow);
      a->setHiliteColor(hilite);
      break;
    }
    case SPLITTER:
      w->setBackColor(backText);
      break;
    case MENU_TITLE_FLAT:
      static_cast<MenuTitleWin10Style*>(w)->setTextAndBackColors(backText, back);
      break;
  }
}

}  // namespace

FXColor ChangeWidgetColors::getFontColor(FXColor back) {
  const double luma = 0.299 * FXREDVAL(back) + 0.587 * FXGREENVAL(back) + 0.114 * FXBLUEVAL(back);
  return luma > LUMA_CUTOFF ? FXRGB(0, 0, 0) : FXRGB(255, 255, 255);
}

int ChangeWidgetColors::getRGBBlackWhiteTextCutoff() { return LUMA_CUTOFF; }

void ChangeWidgetColors::changeWidgetColors(FXWindow* w, FXColor back, FXColor fieldBack, FXColor shadow,
                                            FXColor hilite) {
  if (!w) return;
  if (const ClassRule* rule = findRule(w->getClassName())) recolourOne(w, rule->what, back, fieldBack, shadow, hilite);
  for (FXWindow* child = w->getFirst(); child; child = child->getNext())
    changeWidgetColors(child, back, fieldBack, shadow, hilite);
}

void ChangeWidgetColors::changeWidgetColors(FXWindow* w, UIColorsStruct colors) {
  changeWidgetColors(w, colors.backColor, colors.fieldBackColor, colors.shadowColor, colors.hiliteColor);
}
