// The program's text input: the toolkit's text field that takes no text
// longer than the display can draw. The display refuses a text of about
// 262,000 bytes drawn at once, and the program then ends (BadLength), so
// every text the user can put into a field or a table cell's editor is
// bounded here: a paste (Ctrl+V, the middle button) or typing that would
// leave more than Utilities_lom2::MAX_SHOWN_TEXT_BYTES bytes is refused
// with the "Paste Error" warning, as a pasted table cell of that length is
// left out. Every text field of the program is one of these, and so is the
// editor of every Table_lom2 cell.
#ifndef QUILLGRID_TEXTINPUT_LOM2_H
#define QUILLGRID_TEXTINPUT_LOM2_H

#include <fx.h>

#include <utility>
#include <vector>

class TextInput_lom2 : public FX::FXTextField {
  FXDECLARE(TextInput_lom2)
protected:
  TextInput_lom2() {}

private:
  TextInput_lom2(const TextInput_lom2&);
  TextInput_lom2& operator=(const TextInput_lom2&);

public:
  // Answers the field's own SEL_VERIFY (ptr: the whole text as it would
  // be): 1 refuses it. A text of acceptable length goes on to the
  // toolkit's checks of the field's kind and to its target.
  long onVerify(FX::FXObject*, FX::FXSelector, void*);

public:
  TextInput_lom2(FX::FXComposite* p, FX::FXint ncols, FX::FXObject* tgt = NULL, FX::FXSelector sel = 0,
                 FX::FXuint opts = FX::TEXTFIELD_NORMAL, FX::FXint x = 0, FX::FXint y = 0, FX::FXint w = 0,
                 FX::FXint h = 0, FX::FXint pl = FX::DEFAULT_PAD, FX::FXint pr = FX::DEFAULT_PAD,
                 FX::FXint pt = FX::DEFAULT_PAD, FX::FXint pb = FX::DEFAULT_PAD);

  // True, after the "Paste Error" warning over the input's window, when
  // the text is longer than an input takes.
  static bool refuses(FX::FXWindow* input, const FX::FXchar* text);

  virtual ~TextInput_lom2();
};

// While alive, the text fields the toolkit made inside a window (the name
// field of its file dialog) refuse a text that is too long as the
// program's own inputs do: each such field's target is this guard, which
// answers SEL_VERIFY and hands every other message on to the field's own
// target. The targets are given back when the guard goes.
class TextInputGuard : public FX::FXObject {
public:
  explicit TextInputGuard(FX::FXWindow* root);
  ~TextInputGuard();
  long handle(FX::FXObject* sender, FX::FXSelector sel, void* ptr) override;
  // Fields guarded.
  size_t count() const { return fields.size(); }

private:
  TextInputGuard(const TextInputGuard&);
  TextInputGuard& operator=(const TextInputGuard&);
  void guardTree(FX::FXWindow* w);
  std::vector<std::pair<FX::FXTextField*, FX::FXObject*>> fields;  // field, its own target
};

#endif
