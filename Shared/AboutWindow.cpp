#include "AboutWindow.h"

#include <ctime>

#include "fox16.h"
#include "icon_data.h"

using namespace FX;

const FXString ERROR_E_MAIL("support@quillgrid.example.org");
const FXString ABOUT_WEB_SITE("http://quillgrid.example.org");

// clang-format off
FXDEFMAP(AboutWindow) AboutWindowMap[] = {
    FXMAPFUNC(SEL_PAINT, AboutWindow::ID_LOGO_CANVAS, AboutWindow::onPaint),
    FXMAPFUNC(SEL_CLOSE, 0, AboutWindow::onCmdClose),
};
// clang-format on

FXIMPLEMENT(AboutWindow, FXDialogBox, AboutWindowMap, ARRAYNUMBER(AboutWindowMap))

namespace {
const int LOGO_SIZE = 64;
}

FXString AboutWindow::makerLines(int year) {
  return FXStringFormat("\nCopyright (C) 2024-%d the Quillgrid developers\n%s\ne-mail: %s\n", year,
                        ABOUT_WEB_SITE.text(), ERROR_E_MAIL.text());
}

FXString AboutWindow::toolkitLine(int major, int minor, int level) {
  return FXStringFormat("The GUI was written using the FOX Toolkit, version %d.%d.%d\n\n\n", major, minor, level);
}

AboutWindow::AboutWindow(FXTopWindow* owner, FXString appName, FXString version)
    : FXDialogBox(owner, "", DECOR_TITLE | DECOR_BORDER | DECOR_CLOSE, 0, 0, 0, 0, 4, 4, 4, 4, 0, 0) {
  time_t now = time(nullptr);
  struct tm* local = localtime(&now);
  year = local ? local->tm_year + 1900 : 1970;

  setTitle(FXStringFormat("About %s", appName.text()));

  blankIcon = new FXGIFIcon(getApp(), transparent_1x1, argb(0xFFC0C0C0));
  if (getApp()->getDisplay()) blankIcon->create();
  setIcon(blankIcon);

  FXVerticalFrame* content =
      new FXVerticalFrame(this, LAYOUT_FILL_X | LAYOUT_FILL_Y, 0, 0, 0, 0, 10, 10, 10, 10, 0, 0);

  versionText = FXStringFormat("%s, version %s", appName.text(), version.text());
  new FXLabel(content, versionText, nullptr, JUSTIFY_LEFT | LAYOUT_FILL_X, 0, 0, 0, 0, 2, 2, 2, 2);
  new FXHorizontalSeparator(content, SEPARATOR_LINE | LAYOUT_FILL_X, 0, 0, 0, 0, 1, 1, 0, 0);

  FXHorizontalFrame* middle =
      new FXHorizontalFrame(content, LAYOUT_FILL_X | LAYOUT_FILL_Y, 0, 0, 0, 0, 0, 0, 10, 10, 0, 0);
  makerText = makerLines(year);
  new FXLabel(middle, makerText, nullptr, JUSTIFY_LEFT | LAYOUT_FILL_X, 0, 0, 0, 0, 2, 2, 2, 2);
  logoCanvas = new FXCanvas(middle, this, ID_LOGO_CANVAS, LAYOUT_FIX_WIDTH | LAYOUT_FIX_HEIGHT, 0, 0, LOGO_SIZE,
                            LOGO_SIZE);

  // The toolkit the program runs with, which start-up checked against the
  // one it was built with.
  toolkitText = toolkitLine(fxversion[0], fxversion[1], fxversion[2]);
  new FXLabel(content, toolkitText, nullptr, JUSTIFY_LEFT | LAYOUT_FILL_X, 0, 0, 0, 0, 2, 2, 2, 2);
  new FXHorizontalSeparator(content, SEPARATOR_LINE | LAYOUT_FILL_X, 0, 0, 0, 0, 1, 1, 0, 0);
  new FXLabel(content, " ", nullptr, LABEL_NORMAL, 0, 0, 0, 0, 2, 2, 2, 2);
  new FXButton(content, tr("&OK"), nullptr, this, FXDialogBox::ID_CANCEL,
               BUTTON_DEFAULT | BUTTON_INITIAL | FRAME_RAISED | FRAME_THICK | LAYOUT_CENTER_X, 0, 0, 0, 0, 32, 32, 2,
               2);

  setUp();
}

void AboutWindow::setUp() {
  logoPixels = new FXColor[LOGO_SIZE * LOGO_SIZE];
  for (int i = 0; i < LOGO_SIZE * LOGO_SIZE; ++i) {
    const unsigned char* p = Quillgrid_logo + 3 * i;
    logoPixels[i] = FXRGB(p[0], p[1], p[2]);
  }
  logoImage = new FXImage(getApp(), logoPixels, IMAGE_KEEP | IMAGE_SHMI | IMAGE_SHMP, LOGO_SIZE, LOGO_SIZE);
  if (getApp()->getDisplay()) logoImage->create();
}

void AboutWindow::makeLogo() {
  FXDCWindow dc(logoCanvas);
  dc.drawImage(logoImage, 0, 0);
}

long AboutWindow::onPaint(FXObject*, FXSelector, void* ptr) {
  FXEvent* ev = static_cast<FXEvent*>(ptr);
  {
    FXDCWindow dc(logoCanvas, ev);
    dc.setForeground(argb(0xFFFFFFFF));
    dc.setBackground(argb(0xFFFFFFFF));
    dc.fillRectangle(ev->rect.x, ev->rect.y, ev->rect.w, ev->rect.h);
  }
  // The logo is drawn whole through a context of its own. The paint
  // context is closed first: its clip to the damaged area would otherwise
  // still hold for the second context (the toolkit shares one graphics
  // context between them), and a partial exposure would show only a piece
  // of the logo.
  makeLogo();
  return 1;
}

long AboutWindow::onCmdClose(FXObject*, FXSelector, void*) {
  handle(this, FXSEL(SEL_COMMAND, FXDialogBox::ID_CANCEL), nullptr);
  return 1;
}

AboutWindow::~AboutWindow() {
  delete logoCanvas;
  logoCanvas = nullptr;
  delete logoImage;
  logoImage = nullptr;
  delete[] logoPixels;
  logoPixels = nullptr;
  if (blankIcon) {
    blankIcon->destroy();
    delete blankIcon;
    blankIcon = nullptr;
  }
}
