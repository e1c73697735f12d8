// The modal About dialog: name and version, the maker's lines beside a
// 64 x 64 logo, a line about the GUI toolkit, and an OK button.
#ifndef QUILLGRID_ABOUTWINDOW_H
#define QUILLGRID_ABOUTWINDOW_H

#include <fx.h>

// The maker's e-mail address shown in the About window.
extern const FX::FXString ERROR_E_MAIL;
// The maker's web site shown in the About window.
extern const FX::FXString ABOUT_WEB_SITE;

class AboutWindow : public FX::FXDialogBox {
  FXDECLARE(AboutWindow)

protected:
  AboutWindow() {}

public:
  enum { ID_LOGO_CANVAS = FX::FXDialogBox::ID_LAST, ID_LAST };

  AboutWindow(FX::FXTopWindow* owner, FX::FXString appName, FX::FXString version);
  virtual ~AboutWindow();

  void setUp();
  void makeLogo();

  long onPaint(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdClose(FX::FXObject* sender, FX::FXSelector sel, void* ptr);

  // The texts shown, for callers that want to read them back.
  const FX::FXString& getVersionText() const { return versionText; }
  const FX::FXString& getMakerText() const { return makerText; }
  const FX::FXString& getToolkitText() const { return toolkitText; }
  int getYear() const { return year; }

  // Builds the maker's lines for a year; the copyright range ends with it.
  static FX::FXString makerLines(int year);
  // The toolkit line for a toolkit version.
  static FX::FXString toolkitLine(int major, int minor, int level);

  FX::FXGIFIcon* blankIcon = nullptr;
  FX::FXCanvas* logoCanvas = nullptr;
  FX::FXImage* logoImage = nullptr;

private:
  FX::FXColor* logoPixels = nullptr;
  FX::FXString versionText;
  FX::FXString makerText;
  FX::FXString toolkitText;
  int year = 0;
};

#endif
