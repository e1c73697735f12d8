// The About window: texts, layout, logo painting and the ways it closes.
#include <ctime>
#include <cstdlib>
#include <string>
#include <vector>

#include <fx.h>
#include <FXPNGImage.h>
#include <fxkeys.h>

#include "AboutWindow.h"
#include "TestHarness.h"
#include "fox16.h"
#include "icon_data.h"

using namespace FX;

namespace {
int currentYear() {
  time_t now = time(nullptr);
  return localtime(&now)->tm_year + 1900;
}

FXColor logoPixel(int x, int y) {
  const unsigned char* p = Quillgrid_logo + 3 * (64 * y + x);
  return FXRGB(p[0], p[1], p[2]);
}

// The children of a composite, in order.
std::vector<FXWindow*> children(FXWindow* w) {
  std::vector<FXWindow*> list;
  for (FXWindow* c = w->getFirst(); c; c = c->getNext()) list.push_back(c);
  return list;
}

class AboutWindowGui : public ::testing::Test {
protected:
  void SetUp() override {
    QG_REQUIRE_DISPLAY();
    owner = new FXMainWindow(qgtest::app(), "owner", nullptr, nullptr, DECOR_ALL, 0, 0, 400, 300);
    owner->create();
    owner->show(PLACEMENT_SCREEN);
  }
  void TearDown() override { delete owner; }
  FXMainWindow* owner = nullptr;
};
}  // namespace

TEST(AboutWindowText, CopyrightEndsWithTheGivenYear) {
  FXString lines = AboutWindow::makerLines(2031);
  // A new line, the copyright ending with the year, the site, the e-mail
  // line and a final new line.
  EXPECT_EQ(lines.section('\n', 0), "");
  EXPECT_NE(lines.section('\n', 1).find("-2031"), -1) << lines.text();
  EXPECT_EQ(lines.section('\n', 1).find("-2032"), -1) << lines.text();
  EXPECT_EQ(lines.section('\n', 1).find("Copyright"), 0) << lines.text();
  EXPECT_EQ(lines.section('\n', 2), ABOUT_WEB_SITE);
  EXPECT_EQ(lines.section('\n', 3), "e-mail: " + ERROR_E_MAIL);
  EXPECT_EQ(lines.contains('\n'), 4);
  EXPECT_EQ(lines[lines.length() - 1], '\n');
  EXPECT_STREQ(AboutWindow::toolkitLine(1, 6, 57).right(9).text(), "1.6.57\n\n\n");
}

TEST_F(AboutWindowGui, ShowsNameVersionYearAndRunningToolkit) {
  AboutWindow about(owner, "Quillgrid", "2.81");
  EXPECT_STREQ(about.getClassName(), "AboutWindow");
  EXPECT_STREQ(about.getTitle().text(), "About Quillgrid");
  EXPECT_STREQ(about.getVersionText().text(), "Quillgrid, version 2.81");
  EXPECT_EQ(about.getYear(), currentYear());
  EXPECT_STREQ(about.getMakerText().text(), AboutWindow::makerLines(currentYear()).text());
  EXPECT_STREQ(about.getToolkitText().text(), AboutWindow::toolkitLine(fxversion[0], fxversion[1], fxversion[2]).text());
  EXPECT_EQ(about.getDecorations(), (FXuint)(DECOR_TITLE | DECOR_BORDER | DECOR_CLOSE));  // not resizable
  ASSERT_NE(about.blankIcon, nullptr);
  EXPECT_EQ(about.getIcon(), about.blankIcon);
  ASSERT_NE(about.logoImage, nullptr);
  EXPECT_EQ(about.logoImage->getWidth(), 64);
  EXPECT_EQ(about.logoImage->getHeight(), 64);
  // The logo keeps its pixels: the bytes, three per pixel, as colours.
  for (int y : {0, 20, 63})
    for (int x : {0, 33, 63}) EXPECT_EQ(about.logoImage->getPixel(x, y), logoPixel(x, y)) << x << "," << y;
}

TEST_F(AboutWindowGui, LayoutTopToBottom) {
  AboutWindow about(owner, "Quillgrid", "2.81");
  const std::vector<FXWindow*> top = children(&about);
  ASSERT_EQ(top.size(), 1u);
  const std::vector<FXWindow*> rows = children(top[0]);
  ASSERT_EQ(rows.size(), 7u);
  const char* classes[] = {"FXLabel",  "FXHorizontalSeparator", "FXHorizontalFrame", "FXLabel",
                           "FXHorizontalSeparator", "FXLabel", "FXButton"};
  for (size_t i = 0; i < rows.size(); ++i) EXPECT_STREQ(rows[i]->getClassName(), classes[i]) << i;

  EXPECT_EQ(static_cast<FXLabel*>(rows[0])->getText(), about.getVersionText());
  for (int i : {1, 4}) {
    FXHorizontalSeparator* sep = static_cast<FXHorizontalSeparator*>(rows[i]);
    EXPECT_EQ(sep->getSeparatorStyle(), (FXuint)SEPARATOR_LINE) << i;
    EXPECT_NE(sep->getLayoutHints() & LAYOUT_FILL_X, 0u);
    EXPECT_EQ(sep->getPadLeft(), 1);
    EXPECT_EQ(sep->getPadRight(), 1);
    EXPECT_EQ(sep->getPadTop(), 0);
    EXPECT_EQ(sep->getPadBottom(), 0);
  }
  const std::vector<FXWindow*> middle = children(rows[2]);
  ASSERT_EQ(middle.size(), 2u);
  EXPECT_EQ(static_cast<FXLabel*>(middle[0])->getText(), about.getMakerText());
  EXPECT_EQ(middle[1], about.logoCanvas);
  EXPECT_EQ(about.logoCanvas->getTarget(), &about);
  EXPECT_EQ(about.logoCanvas->getSelector(), 62u);
  EXPECT_EQ(about.logoCanvas->getLayoutHints() & (LAYOUT_FIX_WIDTH | LAYOUT_FIX_HEIGHT),
            (FXuint)(LAYOUT_FIX_WIDTH | LAYOUT_FIX_HEIGHT));
  EXPECT_EQ(about.logoCanvas->getWidth(), 64);
  EXPECT_EQ(about.logoCanvas->getHeight(), 64);
  EXPECT_EQ(static_cast<FXLabel*>(rows[3])->getText(), about.getToolkitText());
  EXPECT_STREQ(static_cast<FXLabel*>(rows[5])->getText().text(), " ");

  // OK sends the cancel command, as the close box does.
  FXButton* ok = static_cast<FXButton*>(rows[6]);
  EXPECT_STREQ(ok->getText().text(), "OK");  // "&OK": O is the hot key
  ASSERT_NE(about.getAccelTable(), nullptr);
  EXPECT_TRUE(about.getAccelTable()->hasAccel(MKUINT(KEY_o, ALTMASK)));
  EXPECT_EQ(ok->getTarget(), &about);
  EXPECT_EQ(ok->getSelector(), (FXSelector)FXDialogBox::ID_CANCEL);
  EXPECT_EQ(ok->getButtonStyle() & (BUTTON_DEFAULT | BUTTON_INITIAL), (FXuint)(BUTTON_DEFAULT | BUTTON_INITIAL));
  EXPECT_NE(ok->getLayoutHints() & LAYOUT_CENTER_X, 0u);
  EXPECT_EQ(ok->getPadLeft(), 32);
  EXPECT_EQ(ok->getPadRight(), 32);
}

TEST_F(AboutWindowGui, PartialExposureRepaintsTheWholeLogo) {
  AboutWindow about(owner, "Quillgrid", "2.81");
  about.create();
  about.show(PLACEMENT_OWNER);
  qgtest::runFor(150);
  FXCanvas* canvas = about.logoCanvas;
  ASSERT_EQ(canvas->getWidth(), 64);
  {
    // Something else was drawn over the whole logo.
    FXDCWindow dc(canvas);
    dc.setForeground(FXRGB(255, 0, 0));
    dc.fillRectangle(0, 0, 64, 64);
  }
  // Only a corner is exposed again.
  FXEvent ev;
  ev.type = SEL_PAINT;
  ev.synthetic = false;
  ev.rect.x = 5;
  ev.rect.y = 5;
  ev.rect.w = 10;
  ev.rect.h = 10;
  EXPECT_EQ(canvas->handle(canvas, FXSEL(SEL_PAINT, 0), &ev), 1);

  FXImage shot(qgtest::app(), nullptr, IMAGE_KEEP, 64, 64);
  shot.create();
  {
    FXDCWindow dc(&shot);
    dc.drawArea(canvas, 0, 0, 64, 64, 0, 0);
  }
  shot.restore();
  if (const char* dir = getenv("QG_PLOT_PNG_DIR")) {
    FXFileStream out;
    if (out.open(FXStringFormat("%s/about_logo.png", dir), FXStreamSave))
      fxsavePNG(out, shot.getData(), shot.getWidth(), shot.getHeight());
  }
  int differ = 0;
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) {
      const FXColor got = shot.getPixel(x, y), want = logoPixel(x, y);
      differ += FXREDVAL(got) != FXREDVAL(want) || FXGREENVAL(got) != FXGREENVAL(want) ||
                FXBLUEVAL(got) != FXBLUEVAL(want);
    }
  EXPECT_EQ(differ, 0);
  about.hide();
}

TEST_F(AboutWindowGui, CloseBoxEndsTheModalRunLikeOK) {
  AboutWindow about(owner, "Quillgrid", "2.81");
  qgtest::DelayedMessage close(&about, FXSEL(SEL_CLOSE, 0), 50);
  EXPECT_EQ(about.execute(PLACEMENT_OWNER), 0u);
  EXPECT_TRUE(close.fired());
  EXPECT_FALSE(about.shown());
  EXPECT_EQ(about.logoCanvas->getWidth(), 64);
  EXPECT_EQ(about.logoCanvas->getHeight(), 64);
}
