#include "TextInput_lom2.h"

#include <cstring>

#include "ModalSeam.h"
#include "Utilities_lom2.h"

using namespace FX;

FXDEFMAP(TextInput_lom2) TextInput_lom2Map[] = {
    FXMAPFUNC(SEL_VERIFY, 0, TextInput_lom2::onVerify),
};

FXIMPLEMENT(TextInput_lom2, FXTextField, TextInput_lom2Map, ARRAYNUMBER(TextInput_lom2Map))

TextInput_lom2::TextInput_lom2(FXComposite* p, FXint ncols, FXObject* tgt, FXSelector sel, FXuint opts, FXint x,
                               FXint y, FXint w, FXint h, FXint pl, FXint pr, FXint pt, FXint pb)
    : FXTextField(p, ncols, tgt, sel, opts, x, y, w, h, pl, pr, pt, pb) {}

TextInput_lom2::~TextInput_lom2() {}

bool TextInput_lom2::refuses(FXWindow* input, const FXchar* text) {
  const size_t bytes = text ? strlen(text) : 0;
  if (bytes <= (size_t)Utilities_lom2::MAX_SHOWN_TEXT_BYTES) return false;
  FXWindow* owner = input ? input->getShell() : nullptr;
  ModalSeam::warning(owner, MBOX_OK, "Paste Error",
                     FXStringFormat("The text would be %s bytes long; a field or table cell takes at most %s "
                                    "bytes. It was left as it was.",
                                    Utilities_lom2::AddCommas((unsigned long)bytes).text(),
                                    Utilities_lom2::AddCommas(Utilities_lom2::MAX_SHOWN_TEXT_BYTES).text()));
  return true;
}

long TextInput_lom2::onVerify(FXObject* sender, FXSelector sel, void* ptr) {
  if (refuses(this, static_cast<const FXchar*>(ptr))) return 1;
  return FXTextField::onVerify(sender, sel, ptr);
}

// ---- fields the toolkit made

TextInputGuard::TextInputGuard(FXWindow* root) {
  if (root) guardTree(root);
}

void TextInputGuard::guardTree(FXWindow* w) {
  FXTextField* field = dynamic_cast<FXTextField*>(w);
  if (field && !dynamic_cast<TextInput_lom2*>(field) && field->getTarget() != this) {
    fields.push_back(std::make_pair(field, field->getTarget()));
    field->setTarget(this);
  }
  for (FXWindow* c = w->getFirst(); c; c = c->getNext()) guardTree(c);
}

TextInputGuard::~TextInputGuard() {
  for (auto& f : fields) f.first->setTarget(f.second);
}

long TextInputGuard::handle(FXObject* sender, FXSelector sel, void* ptr) {
  for (auto& f : fields) {
    if (sender != f.first) continue;
    if (FXSELTYPE(sel) == SEL_VERIFY && TextInput_lom2::refuses(f.first, static_cast<const FXchar*>(ptr))) return 1;
    return f.second ? f.second->handle(sender, sel, ptr) : 0;
  }
  return 0;
}
