#include "UIForWebUpdates.h"

#include "ChangeWidgetColors.h"
#include "ModalSeam.h"
#include "TextInput_lom2.h"
#include "Utilities_lom2.h"

using namespace FX;

namespace {
const char* CAPTION = "Check for update";
}

UIForWebUpdates::UIForWebUpdates() : colors(), showCredentials(true) {}

long UIForWebUpdates::messageForUpdates(FXWindow* owner, FXString site, double webVersion, int status) {
  showCredentials = false;
  return messageForUpdates(owner, site, webVersion, FXString::null, FXString::null, true, status, true,
                           UIColorsStruct());
}

long UIForWebUpdates::messageForUpdates(FXWindow* owner, FXString site, double webVersion, FXString userName,
                                        FXString password, bool keepOpen, int status, bool showMessages,
                                        UIColorsStruct newColors) {
  Utilities_lom2::assignUIColorsStruct(newColors, &colors);
  webSite = site;
  userEmailAddress = userName;
  if (status == 4) {
    promptForUpdate(owner, userName, password, webVersion, keepOpen, colors);
    return 1;
  }
  if (!showMessages) return 1;
  switch (status) {
    case 0:
      ModalSeam::error(owner, MBOX_OK, CAPTION, "Connection error (0) checking for update.");
      break;
    case 1:
      ModalSeam::error(owner, MBOX_OK, CAPTION, "Connection error (1) checking for update.");
      break;
    case 2:
      ModalSeam::error(owner, MBOX_OK, CAPTION,
                       "Connection error (2) checking for update.\n\nThis may not work over a VPN connection.");
      break;
    case 3:
      ModalSeam::error(owner, MBOX_OK, CAPTION, "Read error (3) checking for update.");
      break;
    case 5:
      ModalSeam::information(owner, MBOX_OK, CAPTION, "You have the current version.");
      break;
    default:
      ModalSeam::error(owner, MBOX_OK, CAPTION, "Unknown error (6) checking for update.");
      break;
  }
  return 1;
}

void UIForWebUpdates::promptForUpdate(FXWindow* owner, FXString userName, FXString password, double webVersion,
                                      bool keepOpen, UIColorsStruct newColors) {
  FXDialogBox dialog(owner, CAPTION, DECOR_TITLE | DECOR_BORDER);
  FXVerticalFrame* frame = new FXVerticalFrame(&dialog, LAYOUT_FILL_X | LAYOUT_FILL_Y, 0, 0, 0, 0, 4, 4, 4, 4, 4, 4);
  FXString text = FXStringFormat(
      "A new version (v%.2lf) is available.\n\nClick \"OK\" to go to the download site.\n", webVersion);
  if (keepOpen && showCredentials)
    text += "\n\"OK\" opens the download site in your browser and keeps this window open,\n"
            "so that you can copy the username and password below.\n"
            "Click \"Close\" to close this window.\n";
  new FXLabel(frame, text, nullptr, JUSTIFY_LEFT, 0, 0, 0, 0, 2, 2, 2, 2);
  Utilities_lom2::assignUIColorsStruct(newColors, &colors);

  FXTextField* userField = nullptr;
  if (keepOpen) {
    FXMatrix* matrix = new FXMatrix(frame, 2, MATRIX_BY_COLUMNS, 0, 0, 0, 0, 4, 4, 4, 4, 4, 4);
    if (showCredentials) {
      const int columns = FXMAX(FXMAX(userName.length(), password.length()) + 2, 20);
      new FXLabel(matrix, "Website username:", nullptr, LAYOUT_CENTER_Y);
      userField = new TextInput_lom2(matrix, columns, nullptr, 0, JUSTIFY_LEFT | FRAME_SUNKEN | FRAME_THICK);
      userField->setText(userName);
      new FXLabel(matrix, "Website password:", nullptr, LAYOUT_CENTER_Y);
      FXTextField* passwordField = new TextInput_lom2(matrix, columns, nullptr, 0,
                                                      JUSTIFY_LEFT | FRAME_SUNKEN | FRAME_THICK | TEXTFIELD_READONLY);
      passwordField->setText(password);
    }
    new FXLabel(frame, FXString::null);
  }

  FXHorizontalFrame* buttons = new FXHorizontalFrame(frame, LAYOUT_CENTER_X, 0, 0, 0, 0, 4, 4, 4, 4, 4, 4);
  const FXuint buttonOpts = LAYOUT_FIX_WIDTH | LAYOUT_FIX_HEIGHT | LAYOUT_CENTER_X | FRAME_RAISED | FRAME_THICK;
  new FXButton(buttons, "OK", nullptr, &dialog, FXDialogBox::ID_ACCEPT, buttonOpts, 0, 0, 100, 30, 4, 4, 4, 4);
  new FXButton(buttons, "Close", nullptr, &dialog, FXDialogBox::ID_CANCEL, buttonOpts, 0, 0, 100, 30, 4, 4, 4, 4);

  ChangeWidgetColors::changeWidgetColors(&dialog, colors);

  while (ModalSeam::execute(&dialog, PLACEMENT_OWNER)) {
    if (userField) userEmailAddress = userField->getText();
    onCmdOpenWebSite();
    if (!keepOpen) break;
  }
}

void UIForWebUpdates::onCmdOpenWebSite() { Utilities_lom2::openWebSite(webSite); }
