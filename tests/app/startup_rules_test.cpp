// Start-up rules that need no display.
#include <stdlib.h>

#include <fxkeys.h>
#include <pwd.h>
#include <unistd.h>

#include "Globals.h"
#include "Quillgrid.h"
#include "StartUp.h"
#include "TestHarness.h"
#include "fox16.h"

using namespace FX;

namespace {
WindowPlacement wp(int x, int y, int w, int h) {
  WindowPlacement p;
  p.x = x;
  p.y = y;
  p.w = w;
  p.h = h;
  return p;
}

void expectPlacement(const WindowPlacement& got, const WindowPlacement& want) {
  EXPECT_EQ(got.x, want.x);
  EXPECT_EQ(got.y, want.y);
  EXPECT_EQ(got.w, want.w);
  EXPECT_EQ(got.h, want.h);
}
}  // namespace

TEST(WindowPlacementRules, TableOfCases) {
  struct Case {
    const char* what;
    WindowPlacement stored;
    bool minimized;
    int screenW, screenH;
    WindowPlacement first, final;
  } cases[] = {
      {"defaults fit a large screen", wp(150, 100, 1100, 850), false, 1280, 1024, wp(150, 100, 1100, 850),
       wp(150, 100, 1100, 850)},
      // Pulled back to 924 x 668 and moved left onto the screen.
      {"defaults on a 1024 x 768 screen are pulled back", wp(150, 100, 1100, 850), false, 1024, 768,
       wp(150, 100, 1100, 850), wp(100, 100, 924, 668)},
      {"minimized goes to 50, 50", wp(600, 400, 800, 600), true, 1280, 1024, wp(50, 50, 800, 600),
       wp(50, 50, 800, 600)},
      {"x of 49 becomes 50", wp(49, 10, 800, 600), false, 1280, 1024, wp(50, 10, 800, 600), wp(50, 10, 800, 600)},
      {"y of -1 becomes 50", wp(60, -1, 800, 600), false, 1280, 1024, wp(60, 50, 800, 600), wp(60, 50, 800, 600)},
      {"y of 0 stays", wp(60, 0, 800, 600), false, 1280, 1024, wp(60, 0, 800, 600), wp(60, 0, 800, 600)},
      {"x beyond the right edge + 50 becomes 50", wp(1331, 10, 800, 600), false, 1280, 1024, wp(1331, 10, 800, 600),
       wp(50, 10, 800, 600)},
      {"x exactly at the right edge + 50 moves the window onto the screen", wp(1330, 10, 800, 600), false, 1280,
       1024, wp(1330, 10, 800, 600), wp(480, 10, 800, 600)},
      {"y below the bottom edge becomes 50", wp(60, 1025, 800, 600), false, 1280, 1024, wp(60, 1025, 800, 600),
       wp(60, 50, 800, 600)},
      {"y exactly at the bottom edge moves the window onto the screen", wp(60, 1024, 800, 600), false, 1280, 1024,
       wp(60, 1024, 800, 600), wp(60, 424, 800, 600)},
      {"a width equal to the screen stays and starts at the left edge", wp(60, 10, 1280, 600), false, 1280, 1024,
       wp(60, 10, 1280, 600), wp(0, 10, 1280, 600)},
      {"a window reaching past the right edge moves left", wp(50, 100, 1580, 850), false, 1600, 1200,
       wp(50, 100, 1580, 850), wp(20, 100, 1580, 850)},
      {"a window reaching below the bottom edge moves up", wp(60, 300, 800, 900), false, 1280, 1024,
       wp(60, 300, 800, 900), wp(60, 124, 800, 900)},
      {"a screen width of 1 skips the width checks", wp(5000, 10, 9000, 600), false, 1, 1024,
       wp(5000, 10, 9000, 600), wp(5000, 10, 9000, 600)},
      {"a screen height of 0 skips the height checks", wp(60, 5000, 800, 9000), false, 1280, 0,
       wp(60, 5000, 800, 9000), wp(60, 5000, 800, 9000)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    PlacementSteps s = placeMainWindow(c.stored, c.minimized, c.screenW, c.screenH);
    EXPECT_EQ(s.first.x, c.first.x);
    EXPECT_EQ(s.first.y, c.first.y);
    EXPECT_EQ(s.first.w, c.first.w);
    EXPECT_EQ(s.first.h, c.first.h);
    EXPECT_EQ(s.final.x, c.final.x);
    EXPECT_EQ(s.final.y, c.final.y);
    EXPECT_EQ(s.final.w, c.final.w);
    EXPECT_EQ(s.final.h, c.final.h);
    EXPECT_EQ(s.pulledBack, !(c.first == c.final));
  }
}

TEST(WindowPlacementRules, StartUpSizeGrowsToTheRoomTheControlsNeed) {
  const WindowPlacement defaults = wp(150, 100, 1100, 850);
  struct Case {
    const char* what;
    int wantedW, wantedH, screenW, screenH;
    WindowPlacement placed;
  } cases[] = {
      {"controls need less than the built-in size", 900, 700, 1280, 1024, wp(150, 100, 1100, 850)},
      {"grown as far as a 1280 x 1024 screen has room, centred", 1700, 1250, 1280, 1024, wp(20, 50, 1240, 924)},
      {"grown to exactly the room needed on a large screen", 1700, 1000, 1920, 1200, wp(110, 100, 1700, 1000)},
      {"only the width grows", 1300, 600, 1600, 1200, wp(150, 100, 1300, 850)},
      {"a small screen leaves the built-in size to the pull-back", 1700, 1250, 1024, 768, wp(150, 100, 1100, 850)},
      {"a screen dimension of 1 is not measured", 1700, 1250, 1, 1, wp(150, 100, 1100, 850)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    expectPlacement(startUpPlacement(defaults, c.wantedW, c.wantedH, c.screenW, c.screenH), c.placed);
  }
}

TEST(WindowPlacementRules, SizedToItsContentsWithinTheScreen) {
  struct Case {
    const char* what;
    WindowPlacement now;
    int wantedW, wantedH;
    WindowPlacement sized;
  } cases[] = {
      {"both fit", wp(150, 100, 1100, 850), 900, 700, wp(150, 100, 900, 700)},
      {"both fit but the window would reach below the screen: it moves up", wp(150, 400, 1100, 850), 900, 800,
       wp(150, 224, 900, 800)},
      {"too tall: the screen's height, moved to the top", wp(150, 100, 1100, 850), 1000, 1300,
       wp(150, 0, 1000, 1024)},
      {"too wide: the screen's width, moved to the left edge", wp(150, 100, 1100, 850), 1500, 700,
       wp(0, 100, 1280, 700)},
      {"too large both ways: the size stays", wp(150, 100, 1100, 850), 3000, 2000, wp(150, 100, 1100, 850)},
      {"too large both ways and off the screen: moved back onto it", wp(400, 300, 1100, 850), 3000, 2000,
       wp(180, 174, 1100, 850)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    expectPlacement(sizeToContents(c.now, c.wantedW, c.wantedH, 1280, 1024), c.sized);
  }
}

// Under a window manager the rules count its frame: the title bar and the
// borders stay on the screen with the client area.
TEST(WindowPlacementRules, AWindowManagersFrameStaysOnTheScreen) {
  FrameExtents frame;
  frame.left = 4;
  frame.right = 4;
  frame.top = 24;  // the title bar
  frame.bottom = 6;
  const auto expectFrameOnScreen = [&](const WindowPlacement& p, int screenW, int screenH) {
    EXPECT_GE(p.x - frame.left, 0);
    EXPECT_GE(p.y - frame.top, 0);
    EXPECT_LE(p.x + p.w + frame.right, screenW);
    EXPECT_LE(p.y + p.h + frame.bottom, screenH);
  };
  struct SizeCase {
    const char* what;
    WindowPlacement now;
    int wantedW, wantedH, screenW, screenH;
    WindowPlacement sized;
  } sizes[] = {
      {"too tall: all the height the frame leaves, its title bar at the top", wp(100, 100, 1500, 900), 1500, 1400,
       1920, 1080, wp(100, 24, 1500, 1050)},
      {"too wide: all the width the frame leaves", wp(100, 100, 1100, 850), 2000, 600, 1920, 1080,
       wp(4, 100, 1912, 600)},
      {"fits, but its frame would reach below the screen: moved up", wp(150, 400, 1100, 850), 900, 800, 1280, 1024,
       wp(150, 218, 900, 800)},
      {"a size that fits only without the frame counts as too tall", wp(150, 100, 1100, 850), 900, 1010, 1280, 1024,
       wp(150, 24, 900, 994)},
      {"too large both ways, its title bar above the screen: moved down", wp(2, 10, 1100, 850), 3000, 2000, 1280,
       1024, wp(4, 24, 1100, 850)},
  };
  for (const SizeCase& c : sizes) {
    SCOPED_TRACE(c.what);
    const WindowPlacement p = sizeToContents(c.now, c.wantedW, c.wantedH, c.screenW, c.screenH, frame);
    expectPlacement(p, c.sized);
    expectFrameOnScreen(p, c.screenW, c.screenH);
  }

  // A stored whole-screen size from the client area alone.
  const PlacementSteps s = placeMainWindow(wp(0, 0, 1280, 1024), false, 1280, 1024, frame);
  expectPlacement(s.first, wp(54, 74, 1280, 1024));
  expectPlacement(s.final, wp(54, 74, 1172, 894));
  expectFrameOnScreen(s.final, 1280, 1024);
  // A stored y of 0 puts the title bar above the screen: it comes down.
  expectPlacement(placeMainWindow(wp(60, 0, 800, 600), false, 1280, 1024, frame).final, wp(60, 74, 800, 600));

  // The start-up size grows within the screen less the frame, centred.
  const WindowPlacement grown = startUpPlacement(wp(150, 100, 1100, 850), 1700, 1250, 1280, 1024, frame);
  expectPlacement(grown, wp(24, 74, 1232, 894));
  expectFrameOnScreen(grown, 1280, 1024);
}

TEST(WindowPlacementRules, TheFrameAroundTheClientArea) {
  const FrameExtents f = frameAround(101, 120, 800, 600, 100, 100, 802, 625);
  EXPECT_EQ(f.left, 1);
  EXPECT_EQ(f.right, 1);
  EXPECT_EQ(f.top, 20);
  EXPECT_EQ(f.bottom, 5);
  // A window that does not hold the client area is no frame.
  const FrameExtents none = frameAround(101, 120, 800, 600, 300, 100, 802, 625);
  EXPECT_EQ(none.left + none.right + none.top + none.bottom, 0);
}

TEST(XYValuesTableKeys, PercentDifferenceColumnSwallowsTyping) {
  struct Case {
    FXuint code, state;
    int column;
    bool swallowed;
  } cases[] = {
      {KEY_5, 0, 3, true},            // a digit in "% difference" does nothing
      {KEY_v, CONTROLMASK, 3, false}, // Control+V is passed on
      {KEY_c, 0, 3, false},           // "c" is passed on
      {KEY_c, CONTROLMASK, 3, false}, // so is Control+C
      {KEY_C, 0, 3, true},            // upper-case C is not the letter c's code
      {KEY_5, 0, 2, false},           // other columns take every key
      {KEY_Delete, 0, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    EXPECT_EQ(swallowXYValuesTableKey(c.code, c.state, c.column), c.swallowed);
  }
}

TEST(ToolkitVersion, TheRunningToolkitPasses) { checkToolkitVersion(fxversion); }

TEST(ToolkitVersionDeathTest, AnotherVersionStopsTheProgram) {
  const FXuchar other[3] = {1, 7, 50};
  EXPECT_DEATH(checkToolkitVersion(other), "FOX Library mismatch");
}

TEST(HomeDirectory, FromHomeOrThePasswordEntry) {
  const char* saved = getenv("HOME");
  std::string keep = saved ? saved : "";
  setenv("HOME", "/some/where/home", 1);
  EXPECT_STREQ(userHomeDirectory().text(), "/some/where/home");
  unsetenv("HOME");
  struct passwd* pw = getpwuid(getuid());
  ASSERT_NE(pw, nullptr);
  EXPECT_STREQ(userHomeDirectory().text(), pw->pw_dir);
  if (saved) setenv("HOME", keep.c_str(), 1);
}

TEST(Title, NameVersionAndUntitled) {
  EXPECT_STREQ(Quillgrid::getBasicTitle("").text(), "Quillgrid v2.81 - untitled");
  EXPECT_STREQ(Quillgrid::getBasicTitle("plot.png").text(), "Quillgrid v2.81 - plot.png");
}

TEST(GlobalTables, IndexesSelectTheirNamesAndValues) {
  EXPECT_STREQ(VERSION_NUMBER.text(), "2.81");
  EXPECT_STREQ(INI_FILE.text(), ".Quillgrid.ini");
  EXPECT_STREQ(AUTO_FIND_BTN_TXT.text(), "Auto-find curve");
  EXPECT_STREQ(AUTO_FIND_ERROR_TXT.text(), "Auto-find error");
  EXPECT_STREQ(TEMPERATURE_CONVERSION_NAMES[5].text(), "K -> F");
  EXPECT_STREQ(LMP_DATA_COLUMN_NAMES[2].text(), "T (K or R)");
  EXPECT_STREQ(FIT_EQN_TABLE_ROW_NAMES[0].text(), "Eqn. upper limit");
  // Colours keep their red, green and blue channels in FOX's own layout.
  EXPECT_EQ(FXREDVAL(POINT_COLORS[5]), 0xFFu);
  EXPECT_EQ(FXGREENVAL(POINT_COLORS[5]), 0x78u);
  EXPECT_EQ(FXBLUEVAL(POINT_COLORS[5]), 0x23u);
  EXPECT_EQ(POINT_COLORS[4], FXRGB(0xEB, 0xEB, 0x00));
  EXPECT_EQ(LMP_TEMP_COLORS[21], FXRGB(0x80, 0x00, 0x40));
  EXPECT_EQ(BACK_GROUND_COLORS[1], FXRGB(200, 200, 200));
  EXPECT_EQ(PLOT_POINT_SIZE[3], 15);
  EXPECT_EQ(SEARCH_LENGTHS[4], 100);
  EXPECT_EQ(COLOR_DIFFS[2], 100);
  // The web site host is the host part of the web site address.
  EXPECT_STREQ(("http://" + WEB_SITE_HOST).text(), WEB_SITE_URL.text());
}

TEST(Timers, NanosecondDelaysBecomeMilliseconds) {
  EXPECT_EQ(nsToMs(500000), 1u);
  EXPECT_EQ(nsToMs(200000), 1u);
  EXPECT_EQ(nsToMs(5000000000LL), 5000u);
  EXPECT_EQ(nsToMs(0), 0u);
}
