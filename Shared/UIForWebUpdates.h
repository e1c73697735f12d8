// The result of an update check shown to the user: a message box for
// every outcome, and for a newer version a dialog whose OK button opens
// the download site in the browser.
#ifndef QUILLGRID_UIFORWEBUPDATES_H
#define QUILLGRID_UIFORWEBUPDATES_H

#include <fx.h>

#include "UIColorsStruct.h"

class UIForWebUpdates {
public:
  UIForWebUpdates();

  // For the program: no credentials, the dialog stays open after OK.
  long messageForUpdates(FX::FXWindow* owner, FX::FXString webSite, double webVersion, int status);
  long messageForUpdates(FX::FXWindow* owner, FX::FXString webSite, double webVersion, FX::FXString userName,
                         FX::FXString password, bool keepOpen, int status, bool showMessages, UIColorsStruct colors);
  void promptForUpdate(FX::FXWindow* owner, FX::FXString userName, FX::FXString password, double webVersion,
                       bool keepOpen, UIColorsStruct colors);
  void onCmdOpenWebSite();
  FX::FXString getUserEmailAddress() const { return userEmailAddress; }

  UIColorsStruct colors;
  bool showCredentials;
  FX::FXString webSite;
  FX::FXString userEmailAddress;
};

#endif
