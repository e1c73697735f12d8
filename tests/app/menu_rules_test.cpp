// Recent-file lists and the conversion-factors file format.
#include <string>
#include <vector>

#include "MenuRules.h"
#include "TestHarness.h"
#include "Utilities_lom2.h"

using namespace FX;

namespace {
struct List {
  FXString e[NUM_RECENT_FILES];
  explicit List(std::vector<const char*> v) {
    for (size_t i = 0; i < v.size(); ++i) e[i] = v[i];
  }
  std::string str() const {
    std::string s;
    for (const FXString& x : e) s += std::string(x.text()) + "|";
    return s;
  }
};
}  // namespace

TEST(RecentFileList, Moves) {
  struct Case {
    const char* what;
    std::vector<const char*> before;
    const char* path;
    std::vector<const char*> after;
  } cases[] = {
      {"first file", {}, "/a", {"/a"}},
      {"same file twice keeps one entry at the top", {"/a", "/b"}, "/a", {"/a", "/b"}},
      {"third entry moves to the top, the two above shift down",
       {"/a", "/b", "/c", "/d", "/e"},
       "/c",
       {"/c", "/a", "/b", "/d", "/e"}},
      {"a new file pushes everything down",
       {"/a", "/b"},
       "/n",
       {"/n", "/a", "/b"}},
      {"the eleventh file drops the oldest",
       {"/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8", "/9", "/10"},
       "/11",
       {"/11", "/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8", "/9"}},
      {"an empty name closes the gaps in order", {"/a", "", "/c", "", "/e"}, "", {"/a", "/c", "/e"}},
      {"an empty name on a full list changes nothing",
       {"/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8", "/9", "/10"},
       "",
       {"/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8", "/9", "/10"}},
      {"names compare exactly", {"/a.png", "/A.png"}, "/A.png", {"/A.png", "/a.png"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    List l(c.before);
    updateRecentList(l.e, c.path);
    EXPECT_EQ(l.str(), List(c.after).str());
  }
  EXPECT_FALSE(recentListHasEntries(List({}).e));
  EXPECT_TRUE(recentListHasEntries(List({"", "", "/x"}).e));
}

TEST(ConversionFactorsFile, LinesAndLimits) {
  std::vector<FXString> lines = {"\"psi to MPa\" 0.00689476", "\"zero\" 0", "\"ft to m\"  3.048e-1 ",
                                 "\"\" 2", "no quotes at all 5", "\"negative\" -3", "\"text\" abc",
                                 "\"tiny\" 1e-60"};
  std::vector<ConversionFactor> out(lines.size());
  int n = parseConversionFactors(lines.data(), (int)lines.size(), out.data());
  ASSERT_EQ(n, 3);
  EXPECT_STREQ(out[0].name.text(), "psi to MPa");
  EXPECT_DOUBLE_EQ(out[0].factor, 0.00689476);
  EXPECT_STREQ(out[1].name.text(), "ft to m");
  EXPECT_DOUBLE_EQ(out[1].factor, 0.3048);
  EXPECT_STREQ(out[2].name.text(), "");  // an empty name is a valid entry
  EXPECT_DOUBLE_EQ(out[2].factor, 2.0);
}

TEST(ConversionFactorsFile, ShortLineEndsTheListAndOnlyTheFirst100LinesCount) {
  std::vector<FXString> lines = {"\"a\" 1", "", "\"b\" 2"};
  std::vector<ConversionFactor> out(lines.size());
  EXPECT_EQ(parseConversionFactors(lines.data(), 3, out.data()), 1);
  lines[0] = "";
  EXPECT_EQ(parseConversionFactors(lines.data(), 3, out.data()), 0);
  lines = {"\"a\" 1", "ab", "\"b\" 2"};  // two characters end it too
  EXPECT_EQ(parseConversionFactors(lines.data(), 3, out.data()), 1);

  std::vector<FXString> many;
  for (int i = 0; i < 150; ++i) many.push_back(FXStringFormat("\"u%d\" %d.5", i, i + 1));
  std::vector<ConversionFactor> all(many.size());
  ASSERT_EQ(parseConversionFactors(many.data(), 150, all.data()), 100);
  EXPECT_STREQ(all[99].name.text(), "u99");
  // Skipped lines still count towards the 100: line 100 is never taken.
  many[0] = "\"bad\" 0";
  EXPECT_EQ(parseConversionFactors(many.data(), 150, all.data()), 99);
  EXPECT_STREQ(all[98].name.text(), "u99");
}

TEST(ConversionFactorsFile, NewRecordIsUnknownWithFactorOne) {
  ConversionFactor c;
  EXPECT_STREQ(c.name.text(), "unknown");
  EXPECT_EQ(c.factor, 1.0);
}

// A name too long for a menu to show would end the program when the
// pop-up of factors opens; the file's other entries are still offered.
TEST(DamagedConversionFactors, NamesTooLongToShowAreNotOffered) {
  qgtest::TempDir dir;
  const std::string longest(Utilities_lom2::MAX_SHOWN_TEXT_BYTES, 'n');
  qgtest::writeFile("factors.txt", "\"" + longest + "x\" 2\n\"" + longest + "\" 3\n\"ok\" 4\n");
  ConversionFactor* factors = nullptr;
  ASSERT_EQ(readConversionFactorsFile("factors.txt", factors), 2);
  EXPECT_EQ(factors[0].name.length(), (FXint)longest.size());
  EXPECT_EQ(factors[0].factor, 3.0);
  EXPECT_STREQ(factors[1].name.text(), "ok");
  delete[] factors;
  // Only the first lines of the file can give entries; an unreadable file
  // gives none.
  std::string many;
  for (int i = 0; i < 5000; ++i) many += "\"f\" 2\n";
  qgtest::writeFile("many.txt", many);
  ASSERT_EQ(readConversionFactorsFile("many.txt", factors), (int)MAX_CONVERSION_FACTORS);
  delete[] factors;
  EXPECT_EQ(readConversionFactorsFile("missing.txt", factors), -1);
  EXPECT_EQ(factors, nullptr);
}
