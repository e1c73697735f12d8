// Every modal message box and dialog of the program runs through ModalSeam.
//
// Normally the calls show the real FOX dialog and return what the user
// pressed. A test installs a responder instead: each request is then handed
// to it (caption, text, buttons, and for dialogs the dialog object itself so
// the responder can fill in a file name or pattern, for pop-up menus the
// pane so it can look at the entries) and its answer is returned without
// any modal loop. Every request is also logged with the
// answer it got.
#ifndef QUILLGRID_MODALSEAM_H
#define QUILLGRID_MODALSEAM_H

#include <fx.h>
#include <functional>
#include <vector>

class ModalSeam {
public:
  enum Kind { ERROR_BOX, WARNING_BOX, INFORMATION_BOX, QUESTION_BOX, DIALOG, POPUP_MENU };

  struct Request {
    Kind kind = ERROR_BOX;
    FX::FXString caption;           // message box caption or dialog title
    FX::FXString text;              // message box text (empty for dialogs)
    FX::FXuint buttons = 0;         // MBOX_OK, MBOX_YES_NO, ... (message boxes)
    bool ownIcon = false;           // the box shows an icon of the caller's
    FX::FXString dialogClass;       // class name of the dialog (dialogs)
    FX::FXDialogBox* dialog = nullptr;  // valid only while the responder runs
    FX::FXPopup* popup = nullptr;       // pop-up menus; valid only while the responder runs
    FX::FXint x = 0, y = 0;             // pop-up menus: root position asked for
    FX::FXuint answer = 0;          // what the call returned
  };

  typedef std::function<FX::FXuint(Request&)> Responder;

  // An empty responder restores the real dialogs.
  static void setResponder(Responder r);
  static bool hasResponder();
  static const std::vector<Request>& log();
  static void clearLog();

  // Message boxes; return MBOX_CLICKED_*. A box given an icon shows it in
  // place of the toolkit's stock icon of its kind.
  static FX::FXuint error(FX::FXWindow* owner, FX::FXuint opts, const FX::FXString& caption,
                          const FX::FXString& text, FX::FXIcon* icon = nullptr);
  static FX::FXuint warning(FX::FXWindow* owner, FX::FXuint opts, const FX::FXString& caption,
                            const FX::FXString& text, FX::FXIcon* icon = nullptr);
  static FX::FXuint information(FX::FXWindow* owner, FX::FXuint opts, const FX::FXString& caption,
                                const FX::FXString& text, FX::FXIcon* icon = nullptr);
  static FX::FXuint question(FX::FXWindow* owner, FX::FXuint opts, const FX::FXString& caption,
                             const FX::FXString& text, FX::FXIcon* icon = nullptr);
  static FX::FXuint message(Kind kind, FX::FXWindow* owner, FX::FXuint opts, const FX::FXString& caption,
                            const FX::FXString& text, FX::FXIcon* icon = nullptr);

  // Runs a dialog (file dialog, About window, ...) modally; returns what
  // its execute returns (1 accepted, 0 cancelled).
  static FX::FXuint execute(FX::FXDialogBox* dialog, FX::FXuint placement = FX::PLACEMENT_CURSOR);

  // Pops a created menu pane up at the root position (x, y) and runs the
  // application modally until it closes; returns 0. A responder is handed
  // the pane instead, and nothing is shown.
  static FX::FXuint popup(FX::FXPopup* pane, FX::FXint x, FX::FXint y);
};

#endif
