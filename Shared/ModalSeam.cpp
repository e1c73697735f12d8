#include "ModalSeam.h"

#include "TextInput_lom2.h"

using namespace FX;

namespace {
ModalSeam::Responder& responder() {
  static ModalSeam::Responder r;
  return r;
}
std::vector<ModalSeam::Request>& requests() {
  static std::vector<ModalSeam::Request> v;
  return v;
}
FXuint answered(ModalSeam::Request& req) {
  req.answer = responder()(req);
  req.dialog = nullptr;
  req.popup = nullptr;
  requests().push_back(req);
  return req.answer;
}
}

void ModalSeam::setResponder(Responder r) { responder() = std::move(r); }
bool ModalSeam::hasResponder() { return static_cast<bool>(responder()); }
const std::vector<ModalSeam::Request>& ModalSeam::log() { return requests(); }
void ModalSeam::clearLog() { requests().clear(); }

FXuint ModalSeam::message(Kind kind, FXWindow* owner, FXuint opts, const FXString& caption, const FXString& text,
                          FXIcon* icon) {
  if (hasResponder()) {
    Request req;
    req.kind = kind;
    req.caption = caption;
    req.text = text;
    req.buttons = opts;
    req.ownIcon = icon != nullptr;
    return answered(req);
  }
  if (icon) {
    FXMessageBox box(owner, caption, text, icon, opts | DECOR_TITLE | DECOR_BORDER);
    return box.execute(PLACEMENT_OWNER);
  }
  switch (kind) {
    case WARNING_BOX: return FXMessageBox::warning(owner, opts, caption.text(), "%s", text.text());
    case INFORMATION_BOX: return FXMessageBox::information(owner, opts, caption.text(), "%s", text.text());
    case QUESTION_BOX: return FXMessageBox::question(owner, opts, caption.text(), "%s", text.text());
    default: return FXMessageBox::error(owner, opts, caption.text(), "%s", text.text());
  }
}

FXuint ModalSeam::error(FXWindow* owner, FXuint opts, const FXString& caption, const FXString& text,
                        FXIcon* icon) {
  return message(ERROR_BOX, owner, opts, caption, text, icon);
}
FXuint ModalSeam::warning(FXWindow* owner, FXuint opts, const FXString& caption, const FXString& text,
                        FXIcon* icon) {
  return message(WARNING_BOX, owner, opts, caption, text, icon);
}
FXuint ModalSeam::information(FXWindow* owner, FXuint opts, const FXString& caption, const FXString& text,
                        FXIcon* icon) {
  return message(INFORMATION_BOX, owner, opts, caption, text, icon);
}
FXuint ModalSeam::question(FXWindow* owner, FXuint opts, const FXString& caption, const FXString& text,
                        FXIcon* icon) {
  return message(QUESTION_BOX, owner, opts, caption, text, icon);
}

FXuint ModalSeam::execute(FXDialogBox* dialog, FXuint placement) {
  // The text fields the toolkit made in the dialog (a file dialog's name
  // field) take no text too long to show, as the program's own do.
  TextInputGuard guard(dialog);
  if (hasResponder()) {
    Request req;
    req.kind = DIALOG;
    req.caption = dialog->getTitle();
    req.dialogClass = dialog->getClassName();
    req.dialog = dialog;
    if (dialog->getApp()->getDisplay() && !dialog->id()) dialog->create();
    return answered(req);
  }
  return dialog->execute(placement);
}

FXuint ModalSeam::popup(FXPopup* pane, FXint x, FXint y) {
  if (hasResponder()) {
    Request req;
    req.kind = POPUP_MENU;
    req.dialogClass = pane->getClassName();
    req.popup = pane;
    req.x = x;
    req.y = y;
    return answered(req);
  }
  pane->popup(nullptr, x, y);
  pane->getApp()->runModalWhileShown(pane);
  return 0;
}
