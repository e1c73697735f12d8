// Image files without the display: the checks read every header as the
// toolkit's decoders read them and refuse what those decoders cannot take,
// and the decode in a child process keeps the decoders' own faults (crashes,
// endless loops, gigabytes claimed) out of the program.
#include <gtest/gtest.h>

#include <fx.h>
#include <FXPNGImage.h>

#include <algorithm>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

#include "DamagedImages.h"
#include "ImageDecode.h"
#include "ImageFileRules.h"
#include "TestHarness.h"

using namespace FX;
using namespace damagedimages;

namespace FX {
extern FXAPI bool fxloadTGA(FXStream& store, FXColor*& data, FXint& width, FXint& height);
extern FXAPI bool fxsaveTGA(FXStream& store, const FXColor* data, FXint width, FXint height);
}  // namespace FX

namespace {
// The file as the toolkit's decoder of its type gives it in this process
// (only for sound files).
std::vector<FXColor> plainDecode(const std::string& path, int* w, int* h) {
  typedef bool (*Decoder)(FXStream&, FXColor*&, FXint&, FXint&);
  const FXString ext = FXPath::extension(path.c_str()).lower();
  const Decoder decoder = ext == "gif" ? fxloadGIF
                          : ext == "bmp" ? fxloadBMP
                          : ext == "pcx" ? fxloadPCX
                          : ext == "tga" ? fxloadTGA
                          : ext == "ppm" || ext == "pgm" ? fxloadPPM
                          : ext == "lbm" ? fxloadIFF
                          : ext == "ras" ? fxloadRAS
                                         : fxloadPNG;
  FXFileStream s;
  FXColor* data = nullptr;
  *w = *h = 0;
  if (!s.open(path.c_str(), FXStreamLoad) || !decoder(s, data, *w, *h) || !data) return {};
  std::vector<FXColor> out(data, data + (size_t)*w * *h);
  FXFREE(&data);
  return out;
}

std::string saved(const std::string& name, int w, int h) {
  std::vector<FXColor> px((size_t)w * h);
  for (size_t i = 0; i < px.size(); ++i) px[i] = FXRGB((i * 37) & 255, (i * 91) & 255, (i / 7) & 255);
  FXFileStream s;
  EXPECT_TRUE(s.open(name.c_str(), FXStreamSave));
  const FXString ext = FXPath::extension(name.c_str());
  if (ext == "bmp") fxsaveBMP(s, px.data(), w, h);
  if (ext == "gif") fxsaveGIF(s, px.data(), w, h);
  if (ext == "pcx") fxsavePCX(s, px.data(), w, h);
  if (ext == "ppm") fxsavePPM(s, px.data(), w, h);
  if (ext == "ras") fxsaveRAS(s, px.data(), w, h);
  if (ext == "tga") fxsaveTGA(s, px.data(), w, h);
  if (ext == "png") fxsavePNG(s, px.data(), w, h);
  s.close();
  return name;
}

}  // namespace

TEST(ImageFileChecks, HeadersAreReadAsTheDecodersReadThem) {
  qgtest::TempDir dir;
  std::vector<std::string> files;
  const char* types[] = {"bmp", "gif", "pcx", "ppm", "ras", "tga", "png"};
  const int sizes[][2] = {{1, 1}, {7, 3}, {33, 17}};
  for (const char* type : types)
    for (const auto& size : sizes)
      files.push_back(saved(dir.path() + "/s" + std::to_string(size[0]) + "." + type, size[0], size[1]));
  // Numbers separated by anything but digits; a comment.
  files.push_back(qgtest::writeFile(dir.path() + "/commas.ppm", "P6,2;#x\n1,255," + std::string(6, '\x40')));
  // A GIF whose image block is smaller than its screen, after a comment
  // extension: the decoder gives the picture the block's size.
  std::string g = qgtest::readFile(saved(dir.path() + "/base.gif", 5, 4));
  put(g, 6, 300, 2);
  put(g, 8, 200, 2);
  g.insert(13 + 3 * (2 << (g[10] & 7)), std::string("!\xfe\x03" "abc\0", 7));
  files.push_back(qgtest::writeFile(dir.path() + "/block.gif", g));
  // PCX of 1 bit, of four planes, and of 24 bits; a 24-plane ILBM.
  files.push_back(qgtest::writeFile(dir.path() + "/mono.pcx", pcx(1, 1, 2, 9, 2, std::string(4, '\x55'))));
  files.push_back(qgtest::writeFile(dir.path() + "/planes.pcx", pcx(1, 4, 2, 9, 2, std::string(16, '\x33'))));
  files.push_back(qgtest::writeFile(dir.path() + "/true.pcx", pcx(8, 3, 3, 3, 2, std::string(18, '\x21'))));
  files.push_back(qgtest::writeFile(dir.path() + "/deep.lbm", ilbm(17, 3, 24)));
  for (const std::string& path : files) {
    const std::string bytes = qgtest::readFile(path);
    const FXString ext = FXPath::extension(path.c_str());
    ImageRules::ImageFileHeader header;
    ASSERT_TRUE(ImageRules::inspectImageFile((const unsigned char*)bytes.data(), bytes.size(), ext, &header)) << path;
    int w = 0, h = 0;
    const std::vector<FXColor> plain = plainDecode(path, &w, &h);
    ASSERT_FALSE(plain.empty()) << path;
    EXPECT_EQ(header.width, w) << path;
    EXPECT_EQ(header.height, h) << path;
    ImageDecode::DecodedPixels decoded;
    ASSERT_EQ(ImageDecode::decodeImageFile(path.c_str(), ext, &decoded), ImageDecode::DECODED) << path;
    ASSERT_EQ(decoded.width(), w) << path;
    ASSERT_EQ(decoded.height(), h) << path;
    EXPECT_TRUE(std::equal(plain.begin(), plain.end(), decoded.data())) << path;
  }
}

TEST(SandboxedDecode, ColourIndicesBeyondTheFilesColourTableGiveNoColour) {
  // A colour-mapped run-length TGA of 3 x 1 with a table of 2 colours whose
  // pixels use entries 1, 200 and 201: the decoder leaves entries the file
  // does not give unset, and they come out empty, the same at every load.
  std::string tga(18, '\0');
  tga[1] = 1;
  tga[2] = 9;
  put(tga, 5, 2, 2);
  tga[7] = 24;
  put(tga, 12, 3, 2);
  put(tga, 14, 1, 2);
  tga[16] = 8;
  tga += std::string("\x10\x20\x30\x40\x50\x60", 6) + std::string("\x02\x01\xc8\xc9", 4);
  qgtest::TempDir dir;
  const std::string path = qgtest::writeFile(dir.path() + "/map.tga", tga);
  for (int load = 0; load < 2; ++load) {
    ImageDecode::DecodedPixels px;
    ASSERT_EQ(ImageDecode::decodeImageFile(path.c_str(), "tga", &px), ImageDecode::DECODED);
    ASSERT_EQ(px.width() * px.height(), 3);
    EXPECT_EQ(px.data()[0], FXRGBA(0x60, 0x50, 0x40, 255));
    EXPECT_EQ(px.data()[1], 0u);
    EXPECT_EQ(px.data()[2], 0u);
  }
}

TEST(SandboxedDecode, TheDecodersOwnFaultsStayInTheChildProcess) {
  qgtest::TempDir dir;
  ImageDecode::Limits unchecked;
  unchecked.checkFile = false;
  unchecked.timeoutMs = 800;
  const struct {
    const char* name;
    std::string bytes;
    ImageDecode::Outcome outcome;
  } cases[] = {
      {"crash.pcx", pcx(8, 1, 0, 10, 10, std::string(20, '\xca')), ImageDecode::CRASHED},
      {"stack.lbm", ilbm(16, 4, 12), ImageDecode::CRASHED},
      {"loop.gif", std::string("GIF89a\x0a\0\x0a\0\0\0\0!", 14), ImageDecode::TIMED_OUT},
      {"loop.lbm", ilbm(16, 4, 8).substr(0, 14), ImageDecode::TIMED_OUT},
  };
  for (const auto& c : cases) {
    const std::string path = qgtest::writeFile(dir.path() + "/" + c.name, c.bytes);
    ImageDecode::DecodedPixels px;
    EXPECT_EQ(ImageDecode::decodeImageFile(path.c_str(), FXPath::extension(c.name), &px, unchecked), c.outcome)
        << c.name;
    EXPECT_EQ(px.data(), nullptr) << c.name;
    // With the checks, the decoder never runs on them.
    EXPECT_EQ(ImageDecode::decodeImageFile(path.c_str(), FXPath::extension(c.name), &px), ImageDecode::REFUSED)
        << c.name;
  }
  // This process carries on decoding.
  ImageDecode::DecodedPixels px;
  ASSERT_EQ(ImageDecode::decodeImageFile(saved(dir.path() + "/fine.png", 9, 5).c_str(), "png", &px),
            ImageDecode::DECODED);
  EXPECT_EQ(px.width(), 9);
}

TEST(SandboxedDecode, InputsTheFuzzerTimedOutOnDecodeAgainAndAgain) {
  // Two files the image-loading fuzz target found "timed out" on while
  // decoding processes were waited for on threads of their own: a process
  // forked while such a thread held a lock of the memory allocator hung.
  const std::string gif(
      "\x47\x49\x46\x38\x39\x61\x01\x00\x01\x00\x00\x00\x00\x2c\x00\x00\x00\x06\x14\x00\x00\x40"
      "\x60\x00\x04\x04\x04\x04\x04\x04\x04\x06\x04\x04\x04\x04\x04\x04\x04\x04\x04\x04\x04\x04"
      "\x04\x04\x04\x04\x04\x04\x3b\x04\x04\x04\x04\x04\x04\x04\x04\x0c\x04\x04\x04\x04\x04\x04"
      "\x04\x04\x04\x04\x04\x04\x04\x04\x04\x04\x01\x04\x04\x04\x00\x00\x02\x44\x01\x00\x3b",
      87);
  qgtest::TempDir dir;
  const struct {
    std::string path;
    int w, h;
  } files[] = {{qgtest::writeFile(dir.path() + "/found.gif", gif), 20, 16384},
               {qgtest::writeFile(dir.path() + "/found.bmp", bmp(1, 1, 8, 0, 0, std::string(4, '\0'), 256)), 1, 1}};
  for (const auto& f : files)
    for (int k = 0; k < 100; ++k) {
      ImageDecode::DecodedPixels px;
      ASSERT_EQ(ImageDecode::decodeImageFile(f.path.c_str(), FXPath::extension(f.path.c_str()), &px),
                ImageDecode::DECODED)
          << f.path << " " << k;
      ASSERT_EQ(px.width(), f.w);
      ASSERT_EQ(px.height(), f.h);
    }
}

TEST(SandboxedDecode, APictureLargerThanTheRoomForItIsNotTaken) {
  qgtest::TempDir dir;
  const std::string path = saved(dir.path() + "/big.bmp", 40, 30);
  ImageDecode::Limits room;
  room.checkFile = false;
  room.uncheckedPixels = 40 * 30 - 1;
  ImageDecode::DecodedPixels px;
  EXPECT_EQ(ImageDecode::decodeImageFile(path.c_str(), "bmp", &px, room), ImageDecode::FAILED);
  room.uncheckedPixels = 40 * 30;
  EXPECT_EQ(ImageDecode::decodeImageFile(path.c_str(), "bmp", &px, room), ImageDecode::DECODED);
}

TEST(SandboxedDecode, GigabytesClaimedByAFewBytesAreNotGiven) {
  if (!ImageDecode::addressSpaceLimited()) GTEST_SKIP() << "no address-space limit in this build (AddressSanitizer)";
  // The toolkit's GIF decoder asks for 8 GB for this 35-byte file; the
  // child's address-space limit refuses them.
  qgtest::TempDir dir;
  const std::string path = qgtest::writeFile(dir.path() + "/huge.gif", gif(100, 100, 46000, 46000));
  ImageDecode::Limits unchecked;
  unchecked.checkFile = false;
  ImageDecode::DecodedPixels px;
  const ImageDecode::Outcome outcome = ImageDecode::decodeImageFile(path.c_str(), "gif", &px, unchecked);
  EXPECT_TRUE(outcome == ImageDecode::FAILED || outcome == ImageDecode::CRASHED) << outcome;
}

TEST(SandboxedDecode, AFileLargerThanMemoryIsRefusedWithoutReadingIt) {
  // A PNG signature in a sparse file twice the size of the machine's
  // memory: the file cannot be held to be checked.
  qgtest::TempDir dir;
  const std::string path = dir.path() + "/vast.png";
  const int fd = open(path.c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0600);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(write(fd, "\x89PNG\r\n\x1a\n", 8), 8);
  const off_t size = 2 * (off_t)sysconf(_SC_PHYS_PAGES) * (off_t)sysconf(_SC_PAGESIZE);
  const bool sparse = ftruncate(fd, size) == 0;
  close(fd);
  if (!sparse) GTEST_SKIP() << "the file system holds no file of " << size << " bytes";
  ImageDecode::DecodedPixels px;
  EXPECT_EQ(ImageDecode::decodeImageFile(path.c_str(), "png", &px), ImageDecode::REFUSED);
}
