// Utilities_lom2, file half: text files in any common Unicode encoding,
// name checks, the save-file dialog, BMP output and opening a web site.
#include <errno.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "TestHarness.h"
#include "Utilities_lom2.h"
#include "fox16.h"

#include <FXTextCodec.h>
#include <FXUTF16Codec.h>
#include <FXUTF32Codec.h>

using namespace FX;
using U = Utilities_lom2;

namespace {

std::string str(const FXString& s) { return std::string(s.text(), s.length()); }

std::vector<std::string> lines(const FXArray<FXString>& a) {
  std::vector<std::string> v;
  for (FXint i = 0; i < a.no(); i++) v.push_back(str(a[i]));
  return v;
}

std::string cwd() {
  char buf[4096];
  return getcwd(buf, sizeof buf) ? buf : "";
}

const std::string BOM = "\xEF\xBB\xBF";

// UTF-8 text in one of the file encodings (the toolkit's encoders; a
// leading U+FEFF becomes the byte-order mark).
std::string encode(const std::string& utf8, U::FileUTFtypes type) {
  const FXString s(utf8.data(), static_cast<FXint>(utf8.size()));
  FXString out;
  switch (type) {
    case U::UTF16_LE: out = FXUTF16LECodec().utf2mb(s); break;
    case U::UTF16_BE: out = FXUTF16BECodec().utf2mb(s); break;
    case U::UTF32_LE: out = FXUTF32LECodec().utf2mb(s); break;
    case U::UTF32_BE: out = FXUTF32BECodec().utf2mb(s); break;
    default: out = s; break;
  }
  return str(out);
}

}  // namespace

TEST(UtilitiesFiles, EncodingFromTheFirstFourBytes) {
  struct Case { const char bytes[4]; U::FileUTFtypes type; };
  const Case cases[] = {
      {{'\xEF', '\xBB', '\xBF', 'A'}, U::UTF8_BOM}, {{'\xFF', '\xFE', 'A', '\0'}, U::UTF16_LE},
      {{'\xFE', '\xFF', '\0', 'A'}, U::UTF16_BE},   {{'\xFF', '\xFE', '\0', '\0'}, U::UTF32_LE},
      {{'\0', '\0', '\xFE', '\xFF'}, U::UTF32_BE},  {{'\0', '\0', '\0', 'A'}, U::NO_BOM},
      {{'A', 'B', 'C', 'D'}, U::NO_BOM},            {{'\xEF', '\xBB', 'A', 'B'}, U::NO_BOM},
      {{'\xFF', '\xFE', '\0', 'A'}, U::UTF16_LE},   {{'\0', '\0', '\xFF', '\xFE'}, U::NO_BOM},
  };
  for (const Case& c : cases) {
    U::FileUTFtypes type = static_cast<U::FileUTFtypes>(-1);
    U::getFileFormat(c.bytes[0], c.bytes[1], c.bytes[2], c.bytes[3], &type);
    EXPECT_EQ(type, c.type) << &c - cases;
  }
}

// Every encoding, with CR LF line ends, a lone CR inside a line and a last
// line without a line end; text outside the Basic Multilingual Plane too.
TEST(UtilitiesFiles, ReadsEveryEncodingIntoUtf8) {
  const std::string text = "a\r\nb \xC3\xA9\xE2\x82\xAC\rc\r\nclef \xF0\x9D\x84\x9E";
  struct Case { U::FileUTFtypes type; bool mark; bool eightBit; };
  const Case cases[] = {{U::NO_BOM, false, true},    {U::UTF8_BOM, true, true},  {U::UTF16_LE, true, false},
                        {U::UTF16_BE, true, false},  {U::UTF32_LE, true, false}, {U::UTF32_BE, true, false}};
  for (const Case& c : cases) {
    const std::string file = qgtest::writeFile("enc.txt", encode(c.mark ? BOM + text : text, c.type));
    const std::string start = c.mark ? BOM : "";

    FXArray<FXString> got;
    bool eightBit = !c.eightBit;
    ASSERT_TRUE(U::readFile(file.c_str(), &got, &eightBit)) << c.type;
    EXPECT_EQ(eightBit, c.eightBit) << c.type;
    // The lines lose every carriage return; the mark stays at the start.
    EXPECT_EQ(lines(got), (std::vector<std::string>{start + "a", "b \xC3\xA9\xE2\x82\xAC" "c", "clef \xF0\x9D\x84\x9E"}))
        << c.type;

    // The buffer keeps the lone carriage return, loses those before a line
    // feed, and is zero after the text.
    const std::string expected = start + "a\nb \xC3\xA9\xE2\x82\xAC\rc\nclef \xF0\x9D\x84\x9E";
    const size_t size = qgtest::readFile(file).size();
    ASSERT_GE(size, expected.size());
    std::vector<char> buffer(size, 'x');
    eightBit = !c.eightBit;
    ASSERT_TRUE(U::readFile(file.c_str(), buffer.data(), &eightBit)) << c.type;
    EXPECT_EQ(eightBit, c.eightBit) << c.type;
    EXPECT_EQ(std::string(buffer.data(), expected.size()), expected) << c.type;
    EXPECT_EQ(std::string(buffer.begin() + expected.size(), buffer.end()), std::string(size - expected.size(), '\0'))
        << c.type;
  }
}

TEST(UtilitiesFiles, ReadLinesEdgeCases) {
  FXArray<FXString> got;
  got.no(5);
  ASSERT_TRUE(U::readFile(qgtest::writeFile("a.txt", "x=1\r\ny=2\n").c_str(), &got));
  EXPECT_EQ(lines(got), (std::vector<std::string>{"x=1", "y=2"}));  // no empty line after the last line end
  ASSERT_TRUE(U::readFile(qgtest::writeFile("b.txt", "a;b;;c").c_str(), ';', &got));
  EXPECT_EQ(lines(got), (std::vector<std::string>{"a", "b", "", "c"}));
  ASSERT_TRUE(U::readFile(qgtest::writeFile("c.txt", "\r\n").c_str(), &got));
  EXPECT_EQ(lines(got), (std::vector<std::string>{""}));
  ASSERT_TRUE(U::readFile(qgtest::writeFile("d.txt", "ab").c_str(), &got));  // shorter than a mark
  EXPECT_EQ(lines(got), (std::vector<std::string>{"ab"}));
  ASSERT_TRUE(U::readFile(qgtest::writeFile("e.txt", "\xFF\xFE").c_str(), &got));  // a UTF-16 mark only
  EXPECT_EQ(lines(got), (std::vector<std::string>{BOM}));
}

TEST(UtilitiesFiles, ConversionStopsAtTheFirstUnitThatCannotBeDecoded) {
  struct Case { std::string bytes; const char* text; };
  const Case cases[] = {
      {std::string("\xFF\xFE" "a\0b\0\x00\xDC" "c\0", 10), "ab"},                 // lone low surrogate
      {std::string("\xFF\xFE" "a\0\x00\xD8" "c\0", 8), "a"},                       // high without low
      {std::string("\xFE\xFF\0a\0b\0", 7), "ab"},                                  // half a unit at the end
      {std::string("\xFF\xFE" "a\0\x3D\xD8", 6), "a"},                             // pair cut by the end
      {std::string("\xFF\xFE\0\0" "a\0\0\0" "\0\0\x11\0" "b\0\0\0", 16), "a"},     // beyond U+10FFFF
      {std::string("\0\0\xFE\xFF" "\0\0\0a" "\0\0\xD8\0", 12), "a"},               // surrogate value
  };
  for (const Case& c : cases) {
    FXArray<FXString> got;
    ASSERT_TRUE(U::readFile(qgtest::writeFile("bad.txt", c.bytes).c_str(), &got)) << c.text;
    EXPECT_EQ(lines(got), (std::vector<std::string>{BOM + c.text}));
  }
}

// A UTF-16 text whose UTF-8 form is half as long again as the file.
TEST(UtilitiesFiles, LongNonAsciiFileIsNotCut) {
  std::string text = BOM;
  for (int line = 0; line < 400; line++) {
    for (int i = 0; i < 40; i++) text += "\xE2\x82\xAC";  // euro sign: 2 bytes in UTF-16, 3 in UTF-8
    text += "\r\n";
  }
  text += "end";
  const std::string file = qgtest::writeFile("long.txt", encode(text, U::UTF16_LE));
  FXArray<FXString> got;
  ASSERT_TRUE(U::readFile(file.c_str(), &got));
  ASSERT_EQ(got.no(), 401);
  EXPECT_EQ(got[0].length(), 3 + 120);
  EXPECT_EQ(got[399].length(), 120);
  EXPECT_EQ(str(got[400]), "end");

  // The buffer form gets only the file's size: it reports the text as too
  // long instead of cutting it, and leaves the buffer empty.
  const size_t size = qgtest::readFile(file).size();
  std::vector<char> buffer(size, 'x');
  EXPECT_FALSE(U::readFile(file.c_str(), buffer.data()));
  EXPECT_EQ(std::string(buffer.begin(), buffer.end()), std::string(size, '\0'));
}

// A text file beyond the readers' limit is not read, so that no file can
// take the memory of several copies of itself while the program starts;
// one at the limit is.
TEST(UtilitiesFiles, FilesBeyondTheLimitAreNotRead) {
  const long long limit = U::MAX_TEXT_FILE_BYTES;
  for (long long size : {limit, limit + 1}) {
    SCOPED_TRACE(size);
    const std::string file = qgtest::writeFile("big.txt", "a\n");
    ASSERT_EQ(truncate(file.c_str(), size), 0);  // the rest reads as zero bytes
    FXArray<FXString> got;
    EXPECT_EQ(U::readFile(file.c_str(), &got), size <= limit);
    EXPECT_EQ(got.no(), size <= limit ? 2 : 0);
    std::vector<char> buffer(static_cast<size_t>(size));
    EXPECT_EQ(U::readFile(file.c_str(), buffer.data()), size <= limit);
  }
}

TEST(UtilitiesFiles, ReadFailuresLeaveTheLinesAlone) {
  ASSERT_EQ(mkdir("folder", 0755), 0);
  qgtest::writeFile("empty.txt", "");
  for (const char* path : {"", "missing.txt", "empty.txt", "folder"}) {
    FXArray<FXString> got;
    got.no(2);
    got[0] = "keep";
    bool eightBit = true;
    EXPECT_FALSE(U::readFile(path, &got, &eightBit)) << path;
    EXPECT_FALSE(eightBit) << path;
    EXPECT_EQ(lines(got), (std::vector<std::string>{"keep", ""})) << path;
    char buffer[8192];
    EXPECT_FALSE(U::readFile(path, buffer)) << path;
  }
  // A file that cannot be read although it exists and has a size.
  EXPECT_GT(FXStat::size("folder"), 0);
  char* none = nullptr;
  EXPECT_FALSE(U::readFile(qgtest::writeFile("x.txt", "x").c_str(), none));
}

TEST(UtilitiesFiles, LineCountingAndSplitting) {
  struct Case { const char* text; long length; long count; };
  const Case cases[] = {{"a\nb", 3, 2}, {"a\nb\n", 4, 2}, {"\n", 1, 1}, {"\n\n", 2, 2},
                        {"abc", 3, 1},  {"", 0, 0},       {"a", -1, 0}};
  for (const Case& c : cases)
    EXPECT_EQ(U::getNumberOfLinesInCharBuffer(c.length, c.text, '\n'), c.count) << c.text;

  // Every string after the first begins with its separator; the split
  // stops when the strings are used up.
  FXString three[3];
  U::convertCharBufferToStringArray(9, "a,bb,c,dd", ',', 3, three);
  EXPECT_EQ(str(three[0]), "a");
  EXPECT_EQ(str(three[1]), ",bb");
  EXPECT_EQ(str(three[2]), ",c");
  FXString five[5];
  U::convertCharBufferToStringArray(3, "a,b", ',', 5, five);
  EXPECT_EQ(str(five[1]), ",b");
  EXPECT_EQ(str(five[2]), "");
}

TEST(UtilitiesFiles, DeleteBeforeWriting) {
  qgtest::ModalScript script;
  EXPECT_TRUE(U::deleteBeforeWritting(nullptr, "missing.bmp"));
  qgtest::writeFile("old.bmp", "old");
  EXPECT_TRUE(U::deleteBeforeWritting(nullptr, "old.bmp"));
  EXPECT_FALSE(qgtest::fileExists("old.bmp"));
  EXPECT_EQ(script.count(), 0u);

  // A directory with a file in it cannot be removed.
  ASSERT_EQ(mkdir("busy", 0755), 0);
  qgtest::writeFile("busy/inside", "x");
  EXPECT_FALSE(U::deleteBeforeWritting(nullptr, "busy"));
  EXPECT_EQ(script.count(), 0u);
  FXMainWindow owner(qgtest::app(), "owner");
  EXPECT_FALSE(U::deleteBeforeWritting(&owner, "busy"));
  ASSERT_EQ(script.count(), 1u);
  EXPECT_EQ(script.last().kind, ModalSeam::ERROR_BOX);
  EXPECT_EQ(script.last().buttons, (FXuint)MBOX_OK);
  EXPECT_EQ(str(script.last().caption), "File error");
  EXPECT_EQ(str(script.last().text),
            "Cannot open \"busy\" for writing\nIt may already be open, if so close it and try again.");
}

TEST(UtilitiesFiles, NameChecks) {
  for (const char* ok : {"plot.bmp", "  ok  ", "name with spaces", "a.b.c", "\xC3\xA9t\xC3\xA9"})
    EXPECT_TRUE(U::isFilenameLegal(ok)) << ok;
  for (const char* bad : {"", "   ", "a\\b", "a:b", "a/b", "a*b", "a?b", "a\"b", "a<b", "a>b", "a|b", "a\tb"})
    EXPECT_FALSE(U::isFilenameLegal(bad)) << bad;

  for (const char* ok : {"item", "a:b", "\titem\n", "two words"}) EXPECT_TRUE(U::isItemNameLegal(ok)) << ok;
  for (const char* bad : {"", " ", "a\tb", "a\nb", "\t\n"}) EXPECT_FALSE(U::isItemNameLegal(bad)) << bad;

  for (const char* ok : {"bmp", "tar_gz2", "Q", "_"}) EXPECT_TRUE(U::isFileExtensionLegal(ok)) << ok;
  for (const char* bad : {"", "b.mp", "bm p", "\xC3\xA9", "bmp)", "*"})
    EXPECT_FALSE(U::isFileExtensionLegal(bad)) << bad;
}

TEST(UtilitiesFiles, ExtensionFromPattern) {
  struct Case { const char* pattern; const char* extension; };
  const Case cases[] = {
      {"Bitmap (*.bmp)", "bmp"},  {"Data file (*.qwr)", "qwr"}, {"(*.bmp)", "bmp"},
      {"All Files (*)", ""},      {"Images (*.bmp,*.gif)", ""}, {"Bad (*.b p)", ""},
      {"Bmp )(*.bmp", ""},        {"x.y (*.bmp)", ""},         {"Text (*.txt) (more)", ""},
      {"Any (*.*)", ""},          {"Empty (*.)", ""},          {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(str(U::getFileExtensionFromPattern(c.pattern)), c.extension) << c.pattern;
}

// ---------------------------------------------------------------- dialog

namespace {

struct DialogState {
  FXString title, filename, directory, pattern;
  FXuint selectMode = 0;
  FXIcon* icon = nullptr;
  FXIcon* miniIcon = nullptr;
  FXint width = 0, height = 0;
};

// Records how the dialog was set up, then accepts it with a name (and a
// pattern when >= 0), as a user would.
qgtest::ModalScript::Answer inspectAndAccept(DialogState* seen, const FXString& name, FXint pattern = -1) {
  return [seen, name, pattern](ModalSeam::Request& req) -> FXuint {
    FXFileDialog* d = dynamic_cast<FXFileDialog*>(req.dialog);
    if (!d) return 0;
    seen->title = d->getTitle();
    seen->filename = d->getFilename();
    seen->directory = d->getDirectory();
    seen->pattern = d->getPatternText(d->getCurrentPattern());
    seen->selectMode = d->getSelectMode();
    seen->icon = d->getIcon();
    seen->miniIcon = d->getMiniIcon();
    seen->width = d->getWidth();
    seen->height = d->getHeight();
    if (pattern >= 0) d->setCurrentPattern(pattern);
    d->setFilename(name);
    return 1;
  };
}

class SaveDialog : public ::testing::Test {
protected:
  void SetUp() override {
    if (!qgtest::haveDisplay()) GTEST_SKIP() << "no X display";
    ownerIcon = new FXGIFIcon(qgtest::app(), U::infoIcon);
    owner = new FXMainWindow(qgtest::app(), "owner", ownerIcon);
    owner->create();
    ASSERT_EQ(mkdir("start", 0755), 0);
    startDir = (cwd() + "/start").c_str();
  }
  void TearDown() override {
    delete owner;
    delete ownerIcon;
  }
  qgtest::TempDir dir;  // each test in a directory of its own
  FXIcon* ownerIcon = nullptr;
  FXMainWindow* owner = nullptr;
  FXString startDir;
};

}  // namespace

TEST_F(SaveDialog, ForcesThePatternsExtension) {
  qgtest::ModalScript script;
  DialogState seen;
  script.then(inspectAndAccept(&seen, "plot.png"));
  FXString name = "unchanged";
  ASSERT_TRUE(U::saveFile(owner, "Save plot", "Bitmap (*.bmp)", "curveFit.bmp", startDir, &name));
  EXPECT_EQ(str(name), cwd() + "/plot.bmp");
  ASSERT_EQ(script.count(), 1u);
  EXPECT_EQ(script.last().kind, ModalSeam::DIALOG);
  EXPECT_EQ(str(script.last().dialogClass), "FXFileDialog");
  // The dialog opened in the start directory with the default name and
  // the first pattern.
  EXPECT_EQ(str(seen.title), "Save plot");
  EXPECT_EQ(str(seen.filename), str(startDir) + "/curveFit.bmp");
  EXPECT_EQ(str(seen.directory), str(startDir));
  EXPECT_EQ(str(seen.pattern), "Bitmap (*.bmp)");
  EXPECT_EQ(seen.selectMode, (FXuint)SELECTFILE_ANY);
  // 500 x 300, showing the owner's icon.
  EXPECT_EQ(seen.width, 500);
  EXPECT_EQ(seen.height, 300);
  EXPECT_EQ(seen.icon, ownerIcon);
  EXPECT_EQ(seen.miniIcon, ownerIcon);
}

TEST_F(SaveDialog, UsesThePatternCurrentAtClosing) {
  qgtest::ModalScript script;
  script.acceptFile("data.txt", 1);
  FXString name;
  ASSERT_TRUE(U::saveFile(owner, "Save", "Text (*.txt)\nBitmap (*.bmp)", "", startDir, &name, false));
  EXPECT_EQ(str(name), cwd() + "/data.bmp");
}

TEST_F(SaveDialog, IllegalCharactersAreRefusedAndTheDialogComesBack) {
  qgtest::ModalScript script;
  DialogState second;
  script.acceptFile("bad?name.bmp").press(MBOX_CLICKED_OK).then(inspectAndAccept(&second, "good.bmp"));
  FXString name;
  ASSERT_TRUE(U::saveFile(owner, "Save plot", "Bitmap (*.bmp)", "curveFit.bmp", startDir, &name));
  EXPECT_EQ(str(name), cwd() + "/good.bmp");
  ASSERT_EQ(script.count(), 3u);
  const ModalSeam::Request& box = script.requests()[1];
  EXPECT_EQ(box.kind, ModalSeam::INFORMATION_BOX);
  EXPECT_EQ(box.buttons, (FXuint)MBOX_OK);
  EXPECT_EQ(str(box.caption), "Filename error");
  EXPECT_TRUE(box.ownIcon);
  EXPECT_EQ(str(box.text),
            "Your filename contains illegal characters.\n\nIllegal characters include: \\:/*?\"<>|\t");
  // A fresh dialog: the default name again, not the refused one.
  EXPECT_EQ(str(second.filename), str(startDir) + "/curveFit.bmp");
}

TEST_F(SaveDialog, UnknownExtensionIsRefusedUntilCancel) {
  qgtest::ModalScript script;
  script.acceptFile("x.dat").press(MBOX_CLICKED_OK).cancel();
  FXString name = "unchanged";
  EXPECT_FALSE(U::saveFile(nullptr, "Save", "All Files (*)", "", startDir, &name));
  // The refused pass's choice stays in the name; the result says not to use it.
  EXPECT_EQ(str(name), cwd() + "/x.dat");
  ASSERT_EQ(script.count(), 3u);
  EXPECT_EQ(str(script.requests()[1].caption), "Filename error");
  EXPECT_EQ(str(script.requests()[1].text), "Illegal/unknown file extension.");
  EXPECT_EQ(script.last().kind, ModalSeam::DIALOG);
}

TEST_F(SaveDialog, ExistingFileAsksAndNoAsksForANewName) {
  qgtest::writeFile("exists.bmp", "keep me");
  qgtest::ModalScript script;
  script.acceptFile("exists.png").press(MBOX_CLICKED_NO).acceptFile("exists.bmp").press(MBOX_CLICKED_YES);
  FXString name;
  ASSERT_TRUE(U::saveFile(owner, "Save plot", "Bitmap (*.bmp)", "curveFit.bmp", startDir, &name));
  EXPECT_EQ(str(name), cwd() + "/exists.bmp");
  ASSERT_EQ(script.count(), 4u);
  for (size_t i : {1u, 3u}) {
    const ModalSeam::Request& box = script.requests()[i];
    EXPECT_EQ(box.kind, ModalSeam::QUESTION_BOX);
    EXPECT_EQ(box.buttons, (FXuint)MBOX_YES_NO);
    EXPECT_EQ(str(box.caption), "Overwrite");
    EXPECT_TRUE(box.ownIcon);
    EXPECT_EQ(str(box.text), "\"exists.bmp\" already exists.\nDo you want to replace it?");
  }
  EXPECT_EQ(script.requests()[2].kind, ModalSeam::DIALOG);
  EXPECT_EQ(qgtest::readFile("exists.bmp"), "keep me");  // the dialog writes nothing
}

TEST_F(SaveDialog, NoToOverwriteThenCancelGivesFalse) {
  qgtest::writeFile("exists.bmp", "keep me");
  qgtest::ModalScript script;
  script.acceptFile("exists").press(MBOX_CLICKED_NO).cancel();
  FXString name;
  EXPECT_FALSE(U::saveFile(owner, "Save plot", "Bitmap (*.bmp)", "", startDir, &name));
  EXPECT_EQ(str(name), cwd() + "/exists.bmp");  // forced extension, then turned down
  ASSERT_EQ(script.count(), 3u);
  EXPECT_EQ(str(script.requests()[1].caption), "Overwrite");
  EXPECT_EQ(script.last().kind, ModalSeam::DIALOG);
  EXPECT_EQ(qgtest::readFile("exists.bmp"), "keep me");
}

TEST_F(SaveDialog, CancelGivesFalse) {
  qgtest::ModalScript script;
  script.cancel();
  FXString name = "unchanged";
  EXPECT_FALSE(U::saveFile(owner, "Save", "Bitmap (*.bmp)", "a.bmp", startDir, &name));
  EXPECT_EQ(str(name), "unchanged");
  EXPECT_EQ(script.count(), 1u);
}

TEST_F(SaveDialog, ExistingFileModeAsksNothing) {
  qgtest::writeFile("exists.bmp", "x");
  qgtest::ModalScript script;
  DialogState seen;
  script.then(inspectAndAccept(&seen, "exists.bmp"));
  FXString name;
  ASSERT_TRUE(U::saveFile(owner, "Pick", "Bitmap (*.bmp)", "", startDir, &name, true, 1, 2, 3, 4));
  EXPECT_EQ(str(name), cwd() + "/exists.bmp");
  EXPECT_EQ(script.count(), 1u);
  EXPECT_EQ(seen.selectMode, (FXuint)SELECTFILE_EXISTING);
}

// ------------------------------------------------------------ BMP output

namespace {
FXColor pixelAt(FXint x, FXint y) { return FXRGB(x * 36, y * 50, (x * 7 + y * 13) % 256); }
}  // namespace

TEST(UtilitiesImages, BmpFromADrawableReadsBackPixelForPixel) {
  QG_REQUIRE_DISPLAY();
  FXApp* app = qgtest::app();
  const FXint w = 7, h = 5;  // an odd width, so the BMP rows are padded
  FXImage source(app, nullptr, IMAGE_KEEP | IMAGE_OWNED, w, h);
  for (FXint y = 0; y < h; y++)
    for (FXint x = 0; x < w; x++) source.setPixel(x, y, pixelAt(x, y));
  source.create();

  // Written as BMP whatever the extension says.
  ASSERT_TRUE(U::saveImageToFile(app, &source, "shot.png"));
  EXPECT_EQ(qgtest::readFile("shot.png").substr(0, 2), "BM");

  FXBMPImage back(app, nullptr, IMAGE_KEEP);
  FXFileStream in;
  ASSERT_TRUE(in.open("shot.png", FXStreamLoad, 8192));
  ASSERT_TRUE(back.loadPixels(in));
  in.close();
  ASSERT_EQ(back.getWidth(), w);
  ASSERT_EQ(back.getHeight(), h);
  for (FXint y = 0; y < h; y++)
    for (FXint x = 0; x < w; x++) {
      const FXColor got = back.getPixel(x, y), want = pixelAt(x, y);
      EXPECT_EQ(FXREDVAL(got), FXREDVAL(want)) << x << "," << y;
      EXPECT_EQ(FXGREENVAL(got), FXGREENVAL(want)) << x << "," << y;
      EXPECT_EQ(FXBLUEVAL(got), FXBLUEVAL(want)) << x << "," << y;
    }
}

TEST(UtilitiesImages, WriteFailuresAreReported) {
  QG_REQUIRE_DISPLAY();
  FXApp* app = qgtest::app();
  FXImage source(app, nullptr, IMAGE_KEEP | IMAGE_OWNED, 40, 30);
  source.fill(FXRGB(10, 200, 30));
  source.create();
  EXPECT_FALSE(U::saveImageToFile(app, &source, "no/such/dir/shot.bmp"));  // cannot be opened
  EXPECT_FALSE(U::saveImageToFile(app, &source, "/dev/full"));             // every write fails
  EXPECT_FALSE(U::saveImageToFile(app, nullptr, "shot.bmp"));
  FXImage notOnDisplay(app, nullptr, IMAGE_KEEP | IMAGE_OWNED, 4, 4);
  EXPECT_FALSE(U::saveImageToFile(app, &notOnDisplay, "shot.bmp"));
  EXPECT_FALSE(qgtest::fileExists("shot.bmp"));
}

// The off-screen copies put nothing on the clipboard; they must cope with
// every source the image copy commands can hand them.
TEST(UtilitiesImages, OffscreenCopiesAlwaysSucceed) {
  QG_REQUIRE_DISPLAY();
  FXApp* app = qgtest::app();
  FXMainWindow* main = new FXMainWindow(app, "copies", nullptr, nullptr, DECOR_ALL, 0, 0, 120, 90);
  FXCanvas* canvas = new FXCanvas(main, nullptr, 0, LAYOUT_FILL_X | LAYOUT_FILL_Y);
  main->create();
  main->show(PLACEMENT_DEFAULT);
  qgtest::runFor(50);
  FXImage image(app, nullptr, IMAGE_KEEP | IMAGE_OWNED, 30, 20);
  image.fill(FXRGB(200, 10, 10));
  image.create();
  FXImage notOnDisplay(app, nullptr, IMAGE_KEEP | IMAGE_OWNED, 4, 4);
  FXCanvas* notCreated = new FXCanvas(main);

  EXPECT_TRUE(U::copyToClipboard(app, &image));
  EXPECT_TRUE(U::copyToClipboard(app, &notOnDisplay));
  EXPECT_TRUE(U::copyToClipboard(app, static_cast<const FXImage*>(nullptr)));
  EXPECT_TRUE(U::copyToClipboard(app, canvas));
  EXPECT_TRUE(U::copyToClipboard(app, canvas, 300, 200));  // larger than the canvas
  EXPECT_TRUE(U::copyToClipboard(app, notCreated));
  EXPECT_TRUE(U::copyToClipboard(app, static_cast<const FXCanvas*>(nullptr)));
  delete main;
}

TEST(UtilitiesImages, DialogIconsAre32By32GifsWithAClearBackground) {
  struct Icon { const FXuchar* bytes; size_t size; };
  for (const Icon& icon : {Icon{U::questionIcon, sizeof U::questionIcon}, Icon{U::infoIcon, sizeof U::infoIcon}}) {
    FXMemoryStream in;
    in.open(FXStreamLoad, icon.size, const_cast<FXuchar*>(icon.bytes));
    FXColor* data = nullptr;
    FXint w = 0, h = 0;
    ASSERT_TRUE(fxloadGIF(in, data, w, h));
    EXPECT_EQ(w, 32);
    EXPECT_EQ(h, 32);
    EXPECT_EQ(data[0], FXRGB(192, 192, 192));        // the clear colour, opaque
    EXPECT_EQ(data[16 * 32 + 3], FXRGB(0, 90, 200));  // the disc, opaque
    FXFREE(&data);
  }
  EXPECT_EQ(sizeof U::questionIcon, 202u);
  EXPECT_EQ(sizeof U::infoIcon, 191u);
}

// ------------------------------------------------------------- web site

TEST(UtilitiesColours, UIColorsAreCopiedWhole) {
  const UIColorsStruct source{FXRGB(1, 2, 3), FXRGB(4, 5, 6), FXRGB(7, 8, 9), FXRGB(10, 11, 12), FXRGB(13, 14, 15)};
  UIColorsStruct copy;
  U::assignUIColorsStruct(source, &copy);
  EXPECT_EQ(copy.backColor, source.backColor);
  EXPECT_EQ(copy.fieldBackColor, source.fieldBackColor);
  EXPECT_EQ(copy.shadowColor, source.shadowColor);
  EXPECT_EQ(copy.hiliteColor, source.hiliteColor);
  EXPECT_EQ(copy.extraColor, source.extraColor);
  U::assignUIColorsStruct(source, nullptr);
}


TEST(UtilitiesWebSite, AddressIsOneArgumentAndNothingWaitsForTheBrowser) {
  qgtest::FakeBrowser browser;
  const std::string address =
      "https://example.com/a?b=1&c=2;touch injected1 $(touch injected2) `touch injected3` | touch injected4 >x "
      "'quoted \"text\"'";
  U::openWebSite(address.c_str());
  // Returned while the launched program still runs, and left no child of
  // this process behind (not even a zombie).
  EXPECT_FALSE(qgtest::fileExists("finished"));
  int status = 0;
  errno = 0;
  EXPECT_EQ(waitpid(-1, &status, WNOHANG), -1);
  EXPECT_EQ(errno, ECHILD);

  ASSERT_TRUE(qgtest::runUntil([] { return qgtest::fileExists("started"); }, 5000));
  EXPECT_EQ(qgtest::readFile("calls.log"), "1\n[" + address + "]\n");
  for (const char* f : {"injected1", "injected2", "injected3", "injected4", "x"})
    EXPECT_FALSE(qgtest::fileExists(f)) << f;
}

TEST(UtilitiesWebSite, EmptyAddressStartsNothing) {
  qgtest::FakeBrowser browser;
  browser.release();
  U::openWebSite("");
  U::openWebSite("https://example.com/");
  ASSERT_TRUE(qgtest::runUntil([] { return qgtest::fileExists("finished"); }, 5000));
  qgtest::runFor(100);
  EXPECT_EQ(qgtest::readFile("calls.log"), "1\n[https://example.com/]\n");
}
