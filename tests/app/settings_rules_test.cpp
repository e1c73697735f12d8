// Lines of the settings and data files, without a display.
#include <climits>
#include <cstdio>
#include <string>
#include <vector>

#include <stdlib.h>
#include <sys/stat.h>
#include <utime.h>
#include <unistd.h>

#include "SettingsRules.h"
#include "TestHarness.h"
#include "Utilities_lom2.h"

using namespace FX;

namespace {
std::string str(const FXString& s) { return s.text(); }
}  // namespace

TEST(SettingsRules, SplitLineAtTheFirstAngleBracket) {
  struct Case {
    const char* line;
    const char* key;
    const char* value;
  } cases[] = {
      {"<width>900", "<width>", "900"},
      {"<excel_cell_TF>A>2", "<excel_cell_TF>", "A>2"},  // the value keeps later '>'
      {"no bracket", "no bracket>", ""},
      {"", ">", ""},
      {"<_window_x>5", "<window_x>", "5"},
      {"<y_axisScaleFactor> 2.5 ", "<y_axisScaleFactor>", " 2.5 "},
      {"<Width>900", "<Width>", "900"},  // case is kept, so it matches nothing
  };
  for (const Case& c : cases) {
    const ini::Line l = ini::splitLine(c.line);
    EXPECT_EQ(str(l.key), c.key) << c.line;
    EXPECT_EQ(str(l.value), c.value) << c.line;
  }
}

// A value longer than the display can show is read as empty: the file
// itself stays readable, line by line.
TEST(SettingsRules, ValuesTooLongToShowReadAsEmpty) {
  const std::string longest(Utilities_lom2::MAX_SHOWN_TEXT_BYTES, '1');
  const ini::Line kept = ini::splitLine(("<lmp_C_TF>" + longest).c_str());
  EXPECT_EQ(str(kept.key), "<lmp_C_TF>");
  EXPECT_EQ(str(kept.value), longest);
  const ini::Line dropped = ini::splitLine(("<lmp_C_TF>" + longest + "2").c_str());
  EXPECT_EQ(str(dropped.key), "<lmp_C_TF>");
  EXPECT_EQ(str(dropped.value), "");
}

TEST(SettingsRules, IntegersFlagsAndRanges) {
  EXPECT_EQ(ini::toInt(" 12 "), 12);
  EXPECT_EQ(ini::toInt("3.9"), 3);
  EXPECT_EQ(ini::toInt("abc"), 0);
  EXPECT_EQ(ini::toInt(""), 0);
  EXPECT_EQ(ini::toInt("99999999999999999999"), INT_MAX);
  EXPECT_EQ(ini::toInt("-99999999999999999999"), INT_MIN);
  EXPECT_TRUE(ini::toFlag("1"));
  EXPECT_TRUE(ini::toFlag(" 1 "));
  EXPECT_FALSE(ini::toFlag("2"));
  EXPECT_FALSE(ini::toFlag("0"));
  EXPECT_FALSE(ini::toFlag("yes"));
  EXPECT_FALSE(ini::toFlag("4294967297"));  // not 1 by wrapping around
  EXPECT_EQ(ini::windowSize(399, 900), 900);
  EXPECT_EQ(ini::windowSize(400, 900), 400);
  EXPECT_EQ(ini::windowSize(INT_MAX, 900), 900);
  EXPECT_EQ(ini::windowPosition(-1, 100), -1);
  EXPECT_EQ(ini::windowPosition(INT_MIN, 100), 100);
  EXPECT_EQ(ini::inRangeOr(6, 0, 5, 0), 0);
  EXPECT_EQ(ini::inRangeOr(5, 0, 5, 0), 5);
  EXPECT_DOUBLE_EQ(ini::toReal("1.3"), 1.3);
  EXPECT_DOUBLE_EQ(ini::toReal("x"), 0.0);
}

TEST(SettingsRules, FitOrderLines) {
  struct Case {
    const char* value;
    ini::FitOrderEffect effect;
    int index, order;
  } cases[] = {
      {"7 3", ini::FIT_ORDER_ALL_ONES, 0, 0},
      {"-1 3", ini::FIT_ORDER_ALL_ONES, 0, 0},
      {"2 16", ini::FIT_ORDER_SET, 2, 2},
      {"4", ini::FIT_ORDER_SET, 4, 2},  // the missing order counts as 0
      {"3 9", ini::FIT_ORDER_SET, 3, 9},
      {"5 15", ini::FIT_ORDER_SET, 5, 15},
      {"1 0", ini::FIT_ORDER_SET, 1, 2},
      {"", ini::FIT_ORDER_SET, 0, 2},
  };
  for (const Case& c : cases) {
    int index = -9, order = -9;
    EXPECT_EQ(ini::fitOrder(c.value, index, order), c.effect) << c.value;
    if (c.effect == ini::FIT_ORDER_SET) {
      EXPECT_EQ(index, c.index) << c.value;
      EXPECT_EQ(order, c.order) << c.value;
    }
  }
}

TEST(SettingsRules, ZoneMarkerAndCurveColourLines) {
  int i = -1;
  double x = 0.0;
  EXPECT_TRUE(ini::zoneMarker("2 1.500000e+02", i, x));
  EXPECT_EQ(i, 2);
  EXPECT_DOUBLE_EQ(x, 150.0);
  for (const char* bad : {"6 1.0", "-1 1.0", "2", "", "2 abc", "2 nan", "2 1e999"}) {
    i = -1;
    EXPECT_FALSE(ini::zoneMarker(bad, i, x)) << bad;
    EXPECT_EQ(i, -1) << bad;
  }

  FXColor c = 0;
  ASSERT_TRUE(ini::curveColor("10 20 30", c));
  EXPECT_EQ(c, FXRGB(10, 20, 30));
  ASSERT_TRUE(ini::curveColor("300 -5 256", c));
  EXPECT_EQ(c, FXRGB(44, 251, 0));  // each channel keeps its lowest eight bits
  c = 7;
  EXPECT_FALSE(ini::curveColor("1 2", c));
  EXPECT_FALSE(ini::curveColor("red", c));
  EXPECT_EQ(c, 7u);
}

TEST(SettingsRules, TableRowLines) {
  int row = -1;
  FXString cells[3];
  ASSERT_TRUE(ini::tableRow("3 1.5 2", 2, row, cells));
  EXPECT_EQ(row, 3);
  EXPECT_EQ(str(cells[0]), "1.5");
  EXPECT_EQ(str(cells[1]), "2");
  // The cells keep the text as written, not the number read.
  ASSERT_TRUE(ini::tableRow("0\t 1e3   -2.50 ", 2, row, cells));
  EXPECT_EQ(row, 0);
  EXPECT_EQ(str(cells[0]), "1e3");
  EXPECT_EQ(str(cells[1]), "-2.50");
  ASSERT_TRUE(ini::tableRow("7 1000 150 811", 3, row, cells));
  EXPECT_EQ(str(cells[2]), "811");
  // A decimal comma stops the number scan before three numbers are read.
  for (const char* bad : {"3 1,5 2", "3 1.5", "x 1 2", "", "3 a b"}) EXPECT_FALSE(ini::tableRow(bad, 2, row, cells)) << bad;
  EXPECT_FALSE(ini::tableRow("7 1000 150", 3, row, cells));
}

// Rows the older "<xyValues>%d %s %s" line brings back exactly keep it, so
// that earlier versions read them as ever; every other row takes a text
// line, which carries any cell texts and reads back as written.
TEST(SettingsRules, TableRowsTakeTheLineThatBringsThemBack) {
  const struct {
    std::vector<std::string> cells;
    const char* line;
  } cases[] = {
      {{"1", "2"}, "<xyValues>3 1 2\n"},
      {{"1e3", "-2.50"}, "<xyValues>3 1e3 -2.50\n"},
      {{"1.5", "2abc"}, "<xyValues>3 1.5 2abc\n"},  // the older rule reads it so too
      {{"x", "y"}, "<xyValuesText>3\tx\ty\n"},
      {{"1.5", "abc"}, "<xyValuesText>3\t1.5\tabc\n"},
      {{".5e", "8"}, "<xyValuesText>3\t.5e\t8\n"},
      {{"3 000", "4"}, "<xyValuesText>3\t3 000\t4\n"},
      {{"6", ""}, "<xyValuesText>3\t6\t\n"},
      {{"1e3", "2,5"}, "<xyValuesText>3\t1e3\t2,5\n"},  // the table would read 2.5
      {{"a>b\\c", "t\tu\nv\rw"}, "<xyValuesText>3\ta>b\\\\c\tt\\tu\\nv\\rw\n"},
      {{std::string(3000, '1'), std::string(3000, '2')}, nullptr},  // too long for one value of the older line
  };
  for (const auto& c : cases) {
    const FXString cells[2] = {c.cells[0].c_str(), c.cells[1].c_str()};
    const bool rowLine = ini::tableRowLineKeeps(3, cells, 2);
    const FXString line =
        rowLine ? ini::tableRowLine("xyValues", 3, cells, 2) : ini::tableTextLine(ini::XY_VALUES_TEXT_KEY, 3, cells, 2);
    if (c.line) {
      EXPECT_EQ(str(line), c.line) << c.cells[0];
    } else {
      EXPECT_FALSE(rowLine);
    }
    const ini::Line read = ini::splitLine(line.before('\n'));
    int row = -1;
    FXString back[2];
    if (rowLine) {
      ASSERT_TRUE(ini::tableRow(read.value, 2, row, back)) << c.cells[0];
    } else {
      EXPECT_EQ(str(read.key), "<xyValuesText>");
      ASSERT_TRUE(ini::tableText(read.value, 2, row, back)) << c.cells[0];
    }
    EXPECT_EQ(row, 3);
    EXPECT_EQ(str(back[0]), c.cells[0]);
    EXPECT_EQ(str(back[1]), c.cells[1]);
  }

  // Text lines as a person may have edited them.
  int row = -1;
  FXString cells[3];
  ASSERT_TRUE(ini::tableText("7\t100\t200", 3, row, cells));
  EXPECT_EQ(row, 7);
  EXPECT_EQ(str(cells[2]), "");  // missing at the end: empty
  ASSERT_TRUE(ini::tableText("2\ta\\qb\\\tc\td\te", 3, row, cells));
  EXPECT_EQ(str(cells[0]), "a\\qb\\");  // a backslash before anything else stands
  EXPECT_EQ(str(cells[1]), "c");
  EXPECT_EQ(str(cells[2]), "d");  // cells beyond the table's are left out
  for (const char* bad : {"", "x\t1\t2", "1.5\t1\t2", "3 \t1\t2x", "3x"})
    EXPECT_FALSE(ini::tableText(bad, 3, row, cells)) << bad;
  const std::string longest(Utilities_lom2::MAX_SHOWN_TEXT_BYTES, '1');
  ASSERT_TRUE(ini::tableText(("0\t" + longest + "\t" + longest).c_str(), 2, row, cells));
  EXPECT_EQ(cells[1].length(), (FXint)longest.size());
  EXPECT_FALSE(ini::tableText(("0\t1\t" + longest + "2").c_str(), 2, row, cells));
  // A text line keeps its value whatever its length; its cells are bounded.
  const std::string line = "<LMPValuesText>0\t" + longest + "\t" + longest + "\t" + longest;
  EXPECT_EQ(ini::splitLine(line.c_str()).value.length(), (FXint)line.size() - 15);
}

TEST(SettingsRules, ZoneLimitsAreWrittenToReadBackExactly) {
  for (double x : {100.0, 7.30726256983240223, 2.0 / 3, -1.0 / 3, 1e-300, -1e100}) {
    const ini::Line l = ini::splitLine(ini::zoneMarkerLine(2, x).before('\n'));
    int i = -1;
    double back = 0;
    ASSERT_TRUE(ini::zoneMarker(l.value, i, back)) << x;
    EXPECT_EQ(back, x);
    EXPECT_EQ(std::sscanf(l.value.text(), "%d %lf", &i, &back), 2);  // as earlier versions scan it
    EXPECT_EQ(back, x);
  }
  EXPECT_EQ(str(ini::zoneMarkerLine(1, 8.60177)), "<fitPlotZoneMarkers_real_x>1 8.601770e+00\n");
}

TEST(SettingsRules, RecentFileLinesAndButtons) {
  int i = -1;
  FXString path;
  ASSERT_TRUE(ini::recentFile("  2 /data/my plot.png  ", i, path));
  EXPECT_EQ(i, 2);
  EXPECT_EQ(str(path), "/data/my plot.png");
  for (const char* bad : {"10 /x", "-1 /x", "3", "3 ", ""}) EXPECT_FALSE(ini::recentFile(bad, i, path)) << bad;

  const int lengths[][2] = {{10, 0}, {20, 1}, {30, 2}, {50, 3}, {100, 4}, {40, 2}, {0, 2}};
  for (const auto& l : lengths) EXPECT_EQ(ini::searchLengthButton(l[0]), l[1]) << l[0];
  const int tolerances[][2] = {{25, 0}, {50, 1}, {100, 2}, {75, 1}, {-3, 1}};
  for (const auto& t : tolerances) EXPECT_EQ(ini::colorDiffButton(t[0]), t[1]) << t[0];
}

TEST(SettingsRules, NumberTextsOfNumericFields) {
  FXString text;
  ASSERT_TRUE(ini::numberText(" 2.5 ", text));
  EXPECT_EQ(str(text), "2.5");
  ASSERT_TRUE(ini::numberText("1,5", text));
  EXPECT_EQ(str(text), "1,5");
  ASSERT_TRUE(ini::numberText("-1.5E-3", text));
  text = "kept";
  for (const char* bad : {"", "  ", "abc", "12a", "1e999", "inf", "nan", "0x10", "1.2.3"}) {
    EXPECT_FALSE(ini::numberText(bad, text)) << bad;
    EXPECT_EQ(str(text), "kept");
  }
}

TEST(SettingsRules, LinesAsWritten) {
  EXPECT_EQ(str(ini::line("width", 1100)), "<width>1100\n");
  EXPECT_EQ(str(ini::line("excel_cell_TF", FXString("A2"))), "<excel_cell_TF>A2\n");
  EXPECT_EQ(str(ini::line("k", FXString("a\nb\rc"))), "<k>a b c\n");  // one line whatever the value
  EXPECT_EQ(str(ini::zoneMarkerLine(0, 100.0)), "<fitPlotZoneMarkers_real_x>0 1.000000e+02\n");
  EXPECT_EQ(str(ini::zoneMarkerLine(5, -1e100)), "<fitPlotZoneMarkers_real_x>5 -1.000000e+100\n");
  EXPECT_EQ(str(ini::fitOrderLine(3, 7)), "<fit_order>3 7\n");
  EXPECT_EQ(str(ini::curveColorLine(FXRGB(255, 0, 12))), "<curve_color>255 0 12\n");
  const FXString cells[3] = {"1000", "150", "811"};
  EXPECT_EQ(str(ini::tableRowLine("LMPValues", 4, cells, 3)), "<LMPValues>4 1000 150 811\n");
  EXPECT_EQ(str(ini::recentFileLine("RecentDataFiles", 1, "/d/a.qwr")), "<RecentDataFiles>1 /d/a.qwr\n");
  EXPECT_TRUE(ini::recentFileLine("RecentDataFiles", 1, "").empty());
  EXPECT_TRUE(ini::recentFileLine("RecentDataFiles", 1, "/d/a\nb.qwr").empty());

  // What is written reads back.
  const ini::Line marker = ini::splitLine(ini::zoneMarkerLine(4, 12.5).before('\n'));
  int i = -1;
  double x = 0;
  ASSERT_TRUE(ini::zoneMarker(marker.value, i, x));
  EXPECT_EQ(i, 4);
  EXPECT_DOUBLE_EQ(x, 12.5);
  const ini::Line row = ini::splitLine(ini::tableRowLine("xyValues", 9, cells, 2).before('\n'));
  EXPECT_EQ(str(row.key), "<xyValues>");
  FXString back[2];
  ASSERT_TRUE(ini::tableRow(row.value, 2, i, back));
  EXPECT_EQ(i, 9);
  EXPECT_EQ(str(back[1]), "150");
}

class ReplaceFile : public ::testing::Test {
protected:
  qgtest::TempDir dir;
  static mode_t modeOf(const char* path) {
    struct stat st;
    return stat(path, &st) == 0 ? (st.st_mode & 07777) : 0;
  }
  // Files in the working directory other than the ones named.
  static int leftovers() {
    int n = 0;
    FXString* names = nullptr;
    const FXint count = FXDir::listFiles(names, ".", "*", FXDir::AllFiles | FXDir::HiddenFiles);
    for (FXint k = 0; k < count; ++k)
      if (names[k] != "." && names[k] != ".." && names[k] != "s.ini" && names[k] != "link.ini" && names[k] != "ro")
        ++n;
    delete[] names;
    return n;
  }
};

TEST_F(ReplaceFile, WritesANewFileAndReplacesAnOldOneKeepingItsMode) {
  ASSERT_TRUE(ini::replaceFile("s.ini", "<a>1\n"));
  EXPECT_EQ(qgtest::readFile("s.ini"), "<a>1\n");
  const mode_t mask = umask(0);
  umask(mask);
  EXPECT_EQ(modeOf("s.ini"), 0666 & ~mask);

  chmod("s.ini", 0640);
  ASSERT_TRUE(ini::replaceFile("s.ini", "<b>2\n"));
  EXPECT_EQ(qgtest::readFile("s.ini"), "<b>2\n");
  EXPECT_EQ(modeOf("s.ini"), 0640u);
  EXPECT_EQ(leftovers(), 0);
}

TEST_F(ReplaceFile, AFailedWriteLeavesThePreviousFile) {
  qgtest::writeFile("s.ini", "old\n");
  EXPECT_FALSE(ini::replaceFile("missing-dir/s.ini", "new\n"));
  EXPECT_FALSE(ini::replaceFile("", "new\n"));
  EXPECT_FALSE(ini::replaceFile("s.ini/inside.ini", "new\n"));  // a file where a directory should be
  // A directory where the file should be.
  mkdir("ro", 0755);
  EXPECT_FALSE(ini::replaceFile("ro", "new\n"));
  if (geteuid() != 0) {  // root may write anything
    chmod("s.ini", 0444);
    EXPECT_FALSE(ini::replaceFile("s.ini", "new\n"));
    chmod("s.ini", 0644);
    chmod("ro", 0555);
    EXPECT_FALSE(ini::replaceFile("ro/s.ini", "new\n"));
    chmod("ro", 0755);
  }
  EXPECT_EQ(qgtest::readFile("s.ini"), "old\n");
  EXPECT_EQ(leftovers(), 0);
}

TEST_F(ReplaceFile, ASymbolicLinkKeepsPointingAtItsFile) {
  qgtest::writeFile("s.ini", "old\n");
  ASSERT_EQ(symlink("s.ini", "link.ini"), 0);
  ASSERT_TRUE(ini::replaceFile("link.ini", "new\n"));
  struct stat st;
  ASSERT_EQ(lstat("link.ini", &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  EXPECT_EQ(qgtest::readFile("s.ini"), "new\n");
  EXPECT_EQ(leftovers(), 0);
}

// A save killed while it wrote left its hidden temporary file beside the
// target for ever. The next save of the same target removes such files
// once they have been left alone for a minute; younger ones may be a save
// of another instance in progress, and other files are never touched.
TEST_F(ReplaceFile, TemporaryFilesOfAKilledSaveGoWithTheNextSave) {
  auto temporary = [](const char* pattern, int ageSeconds) {
    std::string name(pattern);
    const int fd = mkstemp(&name[0]);
    EXPECT_GE(fd, 0) << pattern;
    if (fd >= 0) close(fd);
    struct utimbuf times;
    times.actime = times.modtime = time(nullptr) - ageSeconds;
    utime(name.c_str(), &times);
    return name;
  };
  const std::string killed = temporary(".s.ini.XXXXXX", 120);
  const std::string killedLongAgo = temporary(".s.ini.XXXXXX", 86400);
  const std::string inProgress = temporary(".s.ini.XXXXXX", 0);
  const std::string otherTarget = temporary(".s.ini.bak.XXXXXX", 120);
  const std::string otherTarget2 = temporary(".t.ini.XXXXXX", 120);
  qgtest::writeFile(".s.ini.12345", "");   // five characters: not a temporary file
  qgtest::writeFile(".s.ini.12345!", "");  // not letters and digits
  mkdir(".s.ini.Dir123", 0755);
  for (const char* name : {".s.ini.12345", ".s.ini.12345!", ".s.ini.Dir123"}) {
    struct utimbuf times;
    times.actime = times.modtime = time(nullptr) - 120;
    utime(name, &times);
  }

  ASSERT_TRUE(ini::replaceFile("s.ini", "<a>1\n"));
  EXPECT_FALSE(qgtest::fileExists(killed));
  EXPECT_FALSE(qgtest::fileExists(killedLongAgo));
  for (const std::string& kept : {inProgress, otherTarget, otherTarget2, std::string(".s.ini.12345"),
                                  std::string(".s.ini.12345!"), std::string(".s.ini.Dir123")})
    EXPECT_TRUE(qgtest::fileExists(kept)) << kept;
  EXPECT_EQ(qgtest::readFile("s.ini"), "<a>1\n");

  // Through a path with a directory, the temporary files of that directory.
  mkdir("sub", 0755);
  chdir("sub");
  const std::string below = temporary(".d.qwr.XXXXXX", 120);
  chdir("..");
  ASSERT_TRUE(ini::replaceFile("sub/d.qwr", "<a>1\n"));
  EXPECT_FALSE(qgtest::fileExists("sub/" + below));
}

TEST(SettingsRules, TemporaryFileNames) {
  // The settings file's name begins with a dot itself.
  EXPECT_TRUE(ini::isTemporaryFileOf("..Quillgrid.ini.a1B2c3", ".Quillgrid.ini"));
  EXPECT_TRUE(ini::isTemporaryFileOf(".data.qwr.XXXXXX", "data.qwr"));
  for (const char* other : {"..Quillgrid.ini.a1B2c", "..Quillgrid.ini.a1B2c34", ".Quillgrid.ini.a1B2c3", "..Quillgrid.ini",
                            "..Quillgrid.ini.a1B-c3", "..Quillgrid.inix.a1B2c3", "..Quillgrid.ini.a1B2c3~"})
    EXPECT_FALSE(ini::isTemporaryFileOf(other, ".Quillgrid.ini")) << other;
  EXPECT_FALSE(ini::isTemporaryFileOf("..abcdef", ""));
}
