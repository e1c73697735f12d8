// The menus, the tool bar, the recent-file lists and the conversion
// factors of the main window.
#include <fxkeys.h>

#include <string>
#include <vector>

#include "Globals.h"
#include "MenuButtonWin10Style.h"
#include "MenuTitleWin10Style.h"
#include "MainWindowFixture.h"
#include "Quillgrid.h"
#include "TestHarness.h"

using namespace FX;

namespace {
// One line per menu entry: "<kind>|<text>|<id>|<flags>", flags e (enabled),
// c (checked), h (hidden). Separators are "-".
std::vector<std::string> describe(FXWindow* pane) {
  std::vector<std::string> out;
  for (FXWindow* w = pane->getFirst(); w; w = w->getNext()) {
    if (dynamic_cast<FXMenuSeparator*>(w)) {
      out.push_back("-");
      continue;
    }
    std::string kind = dynamic_cast<FXMenuCheck*>(w)   ? "check"
                       : dynamic_cast<FXMenuRadio*>(w) ? "radio"
                                                       : "command";
    FXMenuCaption* c = dynamic_cast<FXMenuCaption*>(w);
    std::string flags;
    if (w->isEnabled()) flags += "e";
    if (FXMenuCheck* k = dynamic_cast<FXMenuCheck*>(w)) {
      if (k->getCheck()) flags += "c";
    }
    if (FXMenuRadio* r = dynamic_cast<FXMenuRadio*>(w)) {
      if (r->getCheck()) flags += "c";
    }
    if (!w->shown()) flags += "h";
    out.push_back(kind + "|" + (c ? c->getText().text() : "") + "|" + std::to_string(w->getSelector()) + "|" + flags);
  }
  return out;
}

std::string entry(const char* kind, const char* text, int id, const char* flags) {
  return std::string(kind) + "|" + text + "|" + std::to_string(id) + "|" + flags;
}

class MainMenuTest : public MainWindowFixture {};

typedef Quillgrid Q;
}  // namespace

TEST_F(MainMenuTest, MenuBarTitles) {
  Quillgrid* w = make();
  std::vector<std::string> titles;
  for (FXWindow* c = w->menuBar->getFirst(); c; c = c->getNext()) {
    ASSERT_STREQ(c->getClassName(), "MenuTitleWin10Style");
    titles.push_back(static_cast<FXMenuTitle*>(c)->getText().text());
  }
  EXPECT_EQ(titles, (std::vector<std::string>{"File", "Save Plot", "Options", "Help"}));
  EXPECT_EQ(static_cast<FXMenuTitle*>(w->menuBar->getFirst()->getNext())->getMenu(), w->savePlotMenu);
  EXPECT_FALSE(w->savePlotMenuTitle->isEnabled());  // disabled by the defaults
  delete w;
}

TEST_F(MainMenuTest, FileMenuEntries) {
  Quillgrid* w = make();
  std::vector<std::string> expected = {entry("command", "Open image file", Q::ID_OPEN_IMAGE_FILE, "e"),
                                       entry("command", "Open data file", Q::ID_OPEN_DATA_FILE, "e"), "-",
                                       entry("command", "Sava data file", Q::ID_SAVE_DATA_FILE, "e"), "-"};
  for (int k = 0; k < 10; ++k) expected.push_back(entry("command", "", Q::ID_OPEN_RECENT_FILE, "e"));
  expected.push_back("-");
  for (int k = 0; k < 10; ++k) expected.push_back(entry("command", "", Q::ID_OPEN_RECENT_FILE, "e"));
  expected.insert(expected.end(), {"-", entry("command", "Clear recent image files list", Q::ID_CLEAR_RECENT_FILES, ""),
                                   entry("command", "Clear recent data files list", Q::ID_CLEAR_RECENT_FILES, ""), "-",
                                   entry("command", "Quit", Q::ID_QUIT, "e")});
  EXPECT_EQ(describe(w->fileMenu), expected);
  EXPECT_EQ(w->recentFiles_MC[1][9]->getNext()->getNext(), w->clearRecentFiles_MC[0]);
  // Unused recent entries take no room in the menu.
  EXPECT_EQ(w->recentFiles_MC[0][3]->getDefaultHeight(), 0);
  delete w;
}

TEST_F(MainMenuTest, SavePlotOptionsAndHelpMenus) {
  Quillgrid* w = make();
  // The "&" marks the hot key: the entry reads "Save image to file".
  EXPECT_EQ(describe(w->savePlotMenu),
            (std::vector<std::string>{
                entry("command", "Save image to file", Q::ID_SAVE_PLOT, "e"),
                entry("command", "Paste new image", Q::ID_PASTE, "eh"),
                entry("check", "Write the rotation (if not 0), min/max x/y to the image when saving", 0, "e")}));
  EXPECT_EQ(describe(w->optionsMenu),
            (std::vector<std::string>{
                entry("check", "Resize window with new image", 0, "ec"),
                entry("check", "Clear axis definitions with new image", 0, "e"),
                entry("check", "Turn on \"Auto-find axis\" after loading new image", 0, "e"),
                entry("check", "Make the corner points and data points the same color", Q::ID_SAME_POINT_COLORS, "ec"),
                entry("check", "Show a warning if the axis min/max values are reversed", 0, "ec"),
                entry("check", "Show a warning if the axis scaling should/shouldn't be log (max/min > 100)", 0, "ec"),
                entry("check", "Set the numeric format in the \"Curve points\" table depending on the axis scale type",
                      Q::ID_NUMERIC_FORMAT_FOLLOWS_SCALE, "ec"),
                "-",
                entry("check", "Show the \"Larson-Miller Data\" tab", Q::ID_SHOW_LMP_TAB, "e"),
                entry("check", "Hide equation coefficient tables on the \"Curve Fitting\" tab",
                      Q::ID_HIDE_EQN_COEFFICIENT_TABLES, "e"),
                "-",
                entry("check", "Show magnified images", Q::ID_SHOW_MAGNIFIED_IMAGE, "ec"),
                entry("check", "Show line on the magnified image", Q::ID_SHOW_MAGNIFIED_IMAGE, "ec"),
                entry("check", "Show the scan direction image when \"Auto-find\" is checked", Q::ID_SHOW_MAGNIFIED_IMAGE,
                      "ec"),
                "-",
                entry("radio", "Magnified views on the right-side", Q::ID_MAGNIFIED_VIEWS_RIGHT, "ec"),
                entry("radio", "Magnified views on the bottom", Q::ID_MAGNIFIED_VIEWS_BOTTOM, "e"),
            }));
  EXPECT_EQ(describe(w->helpMenu),
            (std::vector<std::string>{entry("command", "About", Q::ID_ABOUT, "e"),
                                      entry("command", "VORN Software web site (opens a browser)", Q::ID_OPEN_WEB_SITE, "e"),
                                      "-", entry("command", "Check the web site for updates", Q::ID_CHECK_FOR_UPDATES, "e")}));
  EXPECT_EQ(w->helpMenu->getFirst()->getTarget(), w);
  delete w;
}

TEST_F(MainMenuTest, AuthorModeAddsResetDirectory) {
  qgtest::writeFile("lom2_vorn.txt", "");
  Quillgrid* w = make();
  std::vector<std::string> options = describe(w->optionsMenu);
  ASSERT_GE(options.size(), 2u);
  EXPECT_EQ(options[options.size() - 2], "-");
  EXPECT_EQ(options.back(), entry("command", "Reset directory to default", Q::ID_RESET_DIRECTORY, "e"));
  delete w;
}

TEST_F(MainMenuTest, ControlVPastesThroughTheHiddenEntry) {
  Quillgrid* w = make();
  FXAccelTable* accel = w->getAccelTable();
  ASSERT_NE(accel, nullptr);
  const FXHotKey ctrlV = MKUINT(KEY_v, CONTROLMASK);
  ASSERT_TRUE(accel->hasAccel(ctrlV));
  FXMenuCommand* paste = dynamic_cast<FXMenuCommand*>(accel->targetOfAccel(ctrlV));
  ASSERT_NE(paste, nullptr);
  EXPECT_FALSE(paste->shown());
  EXPECT_EQ(paste->getTarget(), w);
  EXPECT_EQ(paste->getSelector(), (FXSelector)Q::ID_PASTE);
  delete w;
}

TEST_F(MainMenuTest, ToolBarWidgets) {
  Quillgrid* w = make();
  std::vector<std::string> got;
  for (FXWindow* c = w->toolBar->getFirst(); c; c = c->getNext()) {
    std::string s = c->getClassName();
    if (FXLabel* l = dynamic_cast<FXLabel*>(c)) {
      s += "|" + std::string(l->getText().text()) + "|" + l->getTipText().text();
      s += l->getIcon() ? "|icon" : "|";
    }
    s += "|" + std::to_string(c->getSelector());
    s += c->isEnabled() ? "e" : "";
    s += c->shown() ? "" : "h";
    got.push_back(s);
  }
  auto b = [](const char* text, const char* tip, bool icon, int id, const char* flags) {
    return std::string("MenuButtonWin10Style|") + text + "|" + tip + (icon ? "|icon" : "|") + "|" + std::to_string(id) +
           flags;
  };
  EXPECT_EQ(got, (std::vector<std::string>{
                     b("I", "Open image file", true, Q::ID_OPEN_IMAGE_FILE, "e"), "FXVerticalSeparator|0",
                     b("D", "Open data file", true, Q::ID_OPEN_DATA_FILE, "e"), b("", "Paste", true, Q::ID_PASTE, "e"),
                     b("", "Undo last point", true, Q::ID_DELETE_LAST_POINT, ""), "FXVerticalSeparator|0",
                     "FXVerticalSeparator|0",
                     b("", "Rotate image counter-clockwise at 0.100 degree/click", true, Q::ID_ROTATE_CCW_COARSE, ""),
                     b("", "Rotate image counter-clockwise at 0.025 degree/click", true, Q::ID_ROTATE_CCW_FINE, "h"),
                     b("", "Rotate image clockwise at 0.100 degree/click", true, Q::ID_ROTATE_CW_COARSE, ""),
                     b("", "Rotate image clockwise at 0.025 degree/click", true, Q::ID_ROTATE_CW_FINE, "h"),
                     b("", "Rotate image 90 counter-clockwise", true, Q::ID_ROTATE_90_CCW, ""),
                     b("", "Rotate image 90 clockwise", true, Q::ID_ROTATE_90_CW, ""),
                     b("180", "Rotate image 180", false, Q::ID_ROTATE_180, ""), "FXLabel|rotation = 0.000 deg.|||0"}));
  EXPECT_EQ(w->paste_TB->getHelpText(), FXString("Ctl-V"));
  EXPECT_EQ(w->toolBar->getParent(), w->topDockSite);
  delete w;
}

TEST_F(MainMenuTest, RecentListsDriveTheMenuAndTheClearCommands) {
  Quillgrid* w = make();
  EXPECT_FALSE(w->clearRecentFiles_MC[0]->isEnabled());
  EXPECT_FALSE(w->clearRecentFiles_MC[1]->isEnabled());
  w->updateRecentlyUsedFileList("/data/run1.qwr", 1);
  EXPECT_FALSE(w->clearRecentFiles_MC[0]->isEnabled());
  EXPECT_TRUE(w->clearRecentFiles_MC[1]->isEnabled());
  EXPECT_STREQ(w->recentFiles_MC[1][0]->getText().text(), "/data/run1.qwr");
  EXPECT_GT(w->recentFiles_MC[1][0]->getDefaultHeight(), 0);

  for (const char* f : {"/i/a.png", "/i/b.png", "/i/c.png"}) w->updateRecentlyUsedFileList(f, 0);
  w->updateRecentlyUsedFileList("/i/a.png", 0);
  EXPECT_STREQ(w->recentFiles_MC[0][0]->getText().text(), "/i/a.png");
  EXPECT_STREQ(w->recentFiles_MC[0][1]->getText().text(), "/i/c.png");
  EXPECT_STREQ(w->recentFiles_MC[0][2]->getText().text(), "/i/b.png");
  EXPECT_TRUE(w->clearRecentFiles_MC[0]->isEnabled());

  // A middle entry made empty (a missing file) and an update with no name.
  w->recentFiles[0][1] = "";
  w->updateRecentlyUsedFileList("", 0);
  EXPECT_STREQ(w->recentFiles_MC[0][1]->getText().text(), "/i/b.png");
  EXPECT_STREQ(w->recentFiles_MC[0][2]->getText().text(), "");

  w->clearRecentlyUsedList(0);
  EXPECT_FALSE(w->clearRecentFiles_MC[0]->isEnabled());
  EXPECT_STREQ(w->recentFiles[0][0].text(), "");
  EXPECT_STREQ(w->recentFiles_MC[0][0]->getText().text(), "");
  EXPECT_TRUE(w->clearRecentFiles_MC[1]->isEnabled());
  delete w;
}

TEST_F(MainMenuTest, ImageFilePatterns) {
  Quillgrid* w = make();
  EXPECT_STREQ(w->imageFilePatterns.text(),
               "Supported Images    (*.bmp,*.gif,*.png,*.lbm,*.pcx,*.pgm,*.ppm,*.ras,*.tga)\n"
               "BMP Image    (*.bmp)\nGIF Image    (*.gif)\nPNG Image    (*.png)\nLBM Image    (*.lbm)\n"
               "PCX Image    (*.pcx)\nPGM Image    (*.pgm)\nPPM Image    (*.ppm)\nRAS Image    (*.ras)\n"
               "TARGA Image  (*.tga)\n");
  delete w;
}

TEST_F(MainMenuTest, ConversionFactorsFromTheWorkingDirectory) {
  // Read at start-up: factor 0 on the second line is skipped.
  qgtest::writeFile("conversionFactors.txt", "\"ksi to MPa\" 6.894757\r\n\"zero\" 0\r\n\"in to mm\" 25.4\r\n");
  Quillgrid* w = make();
  ASSERT_EQ(w->numConversionFactors, 2);
  EXPECT_STREQ(w->conversionFactors[0].name.text(), "ksi to MPa");
  EXPECT_DOUBLE_EQ(w->conversionFactors[0].factor, 6.894757);
  EXPECT_STREQ(w->conversionFactors[1].name.text(), "in to mm");

  // A file whose first line is empty gives no entries (but was read).
  qgtest::writeFile("conversionFactors.txt", "\n\"a\" 2\n");
  EXPECT_TRUE(w->readConversionFactors());
  EXPECT_EQ(w->numConversionFactors, 0);
  EXPECT_EQ(w->conversionFactors, nullptr);

  // UTF-16 with its byte-order mark reads the same.
  std::string utf16 = "\xFF\xFE";
  for (char c : std::string("\"\xE9t\" 3\n")) {
    if (c == '\xE9') {
      utf16 += '\xE9';
      utf16 += '\0';
    } else {
      utf16 += c;
      utf16 += '\0';
    }
  }
  qgtest::writeFile("conversionFactors.txt", utf16);
  EXPECT_TRUE(w->readConversionFactors());
  ASSERT_EQ(w->numConversionFactors, 1);
  EXPECT_STREQ(w->conversionFactors[0].name.text(), "\xC3\xA9t");

  unlink("conversionFactors.txt");
  EXPECT_FALSE(w->readConversionFactors());
  EXPECT_EQ(w->numConversionFactors, 0);
  delete w;
}

TEST_F(MainMenuTest, OpenWebSiteHandsTheAddressToTheBrowser) {
  qgtest::FakeBrowser browser;
  browser.release();
  Quillgrid* w = make();
  EXPECT_EQ(w->handle(nullptr, FXSEL(SEL_COMMAND, Q::ID_OPEN_WEB_SITE), nullptr), 1);
  const std::string expected = "1\n[" + std::string(WEB_SITE_URL.text()) + "]\n";
  EXPECT_TRUE(qgtest::runUntil([&] { return browser.calls() == expected; }, 5000)) << browser.calls();
  delete w;
}

TEST_F(MainMenuTest, CheckForUpdatesEndsInAResultBox) {
  // The placeholder update host does not exist, so whatever the network
  // here, the check ends in one of its result boxes.
  Quillgrid* w = make();
  qgtest::ModalScript script;
  EXPECT_EQ(w->handle(nullptr, FXSEL(SEL_COMMAND, Q::ID_CHECK_FOR_UPDATES), nullptr), 1);
  ASSERT_EQ(script.count(), 1u);
  EXPECT_STREQ(script.last().caption.text(), "Check for update");
  EXPECT_EQ(script.last().kind, ModalSeam::ERROR_BOX);
  delete w;
}
