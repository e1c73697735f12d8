// The About window: texts, logo and the ways it closes.
#include <ctime>

#include "AboutWindow.h"
#include "TestHarness.h"
#include "icon_data.h"

using namespace FX;

namespace {
int currentYear() {
  time_t now = time(nullptr);
  return localtime(&now)->tm_year + 1900;
}
}  // namespace

TEST(AboutWindowText, CopyrightEndsWithTheGivenYear) {
  FXString lines = AboutWindow::makerLines(2031);
  EXPECT_NE(lines.find("-2031 "), -1) << lines.text();
  EXPECT_EQ(lines[0], '\n');
  EXPECT_NE(lines.find("\ne-mail: " + ERROR_E_MAIL + "\n"), -1);
  EXPECT_STREQ(AboutWindow::toolkitLine(1, 6, 57).right(9).text(), "1.6.57\n\n\n");
}

TEST(AboutWindowGui, ShowsNameVersionYearAndRunningToolkit) {
  QG_REQUIRE_DISPLAY();
  FXMainWindow* owner = new FXMainWindow(qgtest::app(), "owner");
  owner->create();
  {
    AboutWindow about(owner, "Quillgrid", "2.81");
    EXPECT_STREQ(about.getTitle().text(), "About Quillgrid");
    EXPECT_STREQ(about.getVersionText().text(), "Quillgrid, version 2.81");
    EXPECT_EQ(about.getYear(), currentYear());
    EXPECT_NE(about.getMakerText().find(FXStringFormat("-%d ", currentYear())), -1);
    FXString toolkit = FXStringFormat("%d.%d.%d", fxversion[0], fxversion[1], fxversion[2]);
    EXPECT_NE(about.getToolkitText().find(toolkit), -1);
    EXPECT_EQ(about.getDecorations() & DECOR_RESIZE, 0u);
    EXPECT_EQ(about.logoCanvas->getWidth() == 0 || about.logoCanvas->getWidth() == 64, true);
    ASSERT_NE(about.logoImage, nullptr);
    EXPECT_EQ(about.logoImage->getWidth(), 64);
    // The logo keeps its pixels: the bytes, three per pixel, as colours.
    const unsigned char* p = Quillgrid_logo + 3 * (64 * 20 + 33);
    EXPECT_EQ(about.logoImage->getPixel(33, 20), FXRGB(p[0], p[1], p[2]));
  }
  delete owner;
}

TEST(AboutWindowGui, CloseBoxEndsTheModalRunLikeOK) {
  QG_REQUIRE_DISPLAY();
  FXMainWindow* owner = new FXMainWindow(qgtest::app(), "owner");
  owner->create();
  owner->show();
  {
    AboutWindow about(owner, "Quillgrid", "2.81");
    qgtest::DelayedMessage close(&about, FXSEL(SEL_CLOSE, 0), 50);
    EXPECT_EQ(about.execute(PLACEMENT_OWNER), 0u);
    EXPECT_FALSE(about.shown());
    EXPECT_EQ(about.logoCanvas->getWidth(), 64);
    EXPECT_EQ(about.logoCanvas->getHeight(), 64);
  }
  delete owner;
}
