// The limits of loading a picture: the decode's time limit counts the
// decode, not the window's own preparation that runs meanwhile, so a busy
// machine does not make a good picture look damaged; and a picture whose
// buffers need more memory than the machine has available is refused with
// a message before anything is allocated or changed.
#include <gtest/gtest.h>

#include <X11/Xlib.h>

#include <fx.h>
#include <FXPNGImage.h>

#include <algorithm>
#include <chrono>
#include <future>
#include <string>
#include <thread>
#include <vector>

#include "ImageDecode.h"
#include "ImageFileRules.h"
#include "MainWindowFixture.h"
#include "Table_lom2.h"

using namespace FX;

namespace {

std::vector<FXColor> pattern(int w, int h) {
  std::vector<FXColor> px((size_t)w * h);
  for (size_t i = 0; i < px.size(); ++i) px[i] = FXRGB((i * 37) & 255, (i * 91) & 255, (i / 7) & 255);
  return px;
}

std::string writePng(const std::string& name, int w, int h) {
  const std::vector<FXColor> px = pattern(w, h);
  FXFileStream s;
  EXPECT_TRUE(s.open(name.c_str(), FXStreamSave));
  fxsavePNG(s, px.data(), w, h);
  s.close();
  return name;
}

double msSince(std::chrono::steady_clock::time_point t) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t).count();
}

// Keeps the X server busy with another client for ms milliseconds, as a
// loaded machine does: the window's requests wait for it meanwhile.
class BusyDisplay {
public:
  explicit BusyDisplay(int ms) {
    display_ = XOpenDisplay(nullptr);
    if (!display_) return;
    XGrabServer(display_);
    XSync(display_, False);
    // The thread has started (and only sleeps) before the load forks its
    // decoding process: a thread caught starting, with a lock of the
    // sanitizers' allocator held, would leave the child without memory.
    std::promise<void> started;
    std::future<void> running = started.get_future();
    thread_ = std::thread([this, ms, &started]() {
      started.set_value();
      std::this_thread::sleep_for(std::chrono::milliseconds(ms));
      XUngrabServer(display_);
      XSync(display_, False);
    });
    running.wait();
  }
  ~BusyDisplay() {
    if (thread_.joinable()) thread_.join();
    if (display_) XCloseDisplay(display_);
  }
  bool busy() const { return display_ != nullptr; }

private:
  Display* display_ = nullptr;
  std::thread thread_;
};

}  // namespace

// In the library: the work done meanwhile takes longer than the decode
// may, while the decode itself is quick.
TEST(SandboxedDecode, WorkMeanwhileLongerThanTheTimeLimitKeepsAGoodPicture) {
  qgtest::TempDir dir;
  const std::string path = writePng(dir.path() + "/quick.png", 60, 40);
  ImageDecode::Limits limits;
  limits.timeoutMs = 300;
  ImageDecode::DecodedPixels px;
  const auto start = std::chrono::steady_clock::now();
  const ImageDecode::Outcome outcome = ImageDecode::decodeImageFile(
      path.c_str(), "png", &px, limits,
      [](int, int) { std::this_thread::sleep_for(std::chrono::milliseconds(700)); });
  EXPECT_GE(msSince(start), 700);
  ASSERT_EQ(outcome, ImageDecode::DECODED);
  ASSERT_EQ(px.width(), 60);
  ASSERT_EQ(px.height(), 40);
  const std::vector<FXColor> expected = pattern(60, 40);
  EXPECT_TRUE(std::equal(expected.begin(), expected.end(), px.data()));
}

// Through the window: its preparation waits on a display that another
// client keeps busy for longer than the decode's time limit (2 s for a
// small picture). The picture is shown, not refused as damaged.
TEST_F(MainWindowFixture, APictureIsShownWhenTheDisplayHoldsUpItsPreparation) {
  const std::string path = writePng("slow.png", 600, 400);
  Quillgrid* w = make();
  qgtest::ModalScript script;
  bool loaded = false;
  double ms = 0;
  {
    BusyDisplay busy(2400);
    ASSERT_TRUE(busy.busy());
    const auto start = std::chrono::steady_clock::now();
    loaded = w->loadImage(path.c_str());
    ms = msSince(start);
  }
  EXPECT_GE(ms, 2300) << "the display did not hold up the preparation";
  EXPECT_TRUE(loaded);
  EXPECT_EQ(script.count(), 0u) << script.last().caption.text() << ": " << script.last().text.text();
  ASSERT_NE(w->image, nullptr);
  EXPECT_EQ(w->imageWidth, 600);
  const std::vector<FXColor> expected = pattern(600, 400);
  EXPECT_TRUE(std::equal(expected.begin(), expected.end(), w->originalPixelArray));
  delete w;
}

TEST(PictureMemory, WhatAPictureNeedsAndTheMessageOfOneRefused) {
  // 24 bytes a pixel while loading, 20 once loaded.
  EXPECT_EQ(ImageRules::pictureMemoryNeeded(20000, 20000), 9600000000LL);
  EXPECT_EQ(ImageRules::pictureMemoryNeeded(32767, 32767), 24LL * 32767 * 32767);
  EXPECT_EQ(ImageRules::pictureMemoryHeld(4000, 3000), 240000000LL);
  EXPECT_EQ(ImageRules::pictureMemoryHeld(0, 0), 0);
  EXPECT_STREQ(ImageRules::pictureTooLargeText(32767, 32767, 25768587576LL, 18300000000LL).text(),
               "The picture is 32,767 x 32,767 pixels (1073.7 megapixels). Showing it needs about 25.8 GB of "
               "memory, and this machine has 18.3 GB available.");
  EXPECT_STREQ(ImageRules::pictureTooLargeText(2000, 1500, 72000000LL, 10000000LL).text(),
               "The picture is 2,000 x 1,500 pixels (3.0 megapixels). Showing it needs about 72 MB of memory, "
               "and this machine has 10 MB available.");
  EXPECT_GT(ImageDecode::availableMemory(), 0) << "the system's figure";
}

// A picture refused for memory leaves the window as it was: the shown
// picture, its points and the title. The memory the shown picture gives
// back counts as available.
TEST_F(MainWindowFixture, APictureTooLargeForTheAvailableMemoryIsRefusedAndNothingChanges) {
  writePng("first.png", 2000, 1500);
  writePng("second.png", 2000, 1500);
  Quillgrid* w = make();
  ASSERT_TRUE(w->loadImage("first.png"));
  w->curveData_TBL->setItemText(0, 3, "120");
  w->curveData_TBL->setItemText(0, 4, "80");
  FXImage* shown = w->image;
  const FXString title = w->getTitle();
  struct Case {
    long long available;  // besides the 60 MB the shown picture holds
    bool loads;
  };
  for (const Case& c : {Case{10000000LL, false}, Case{13000000LL, true}}) {
    SCOPED_TRACE(c.available);
    ImageDecode::setAvailableMemoryForTests(c.available);
    qgtest::ModalScript script;
    const bool loaded = w->loadImage("second.png");
    ImageDecode::setAvailableMemoryForTests(-1);
    EXPECT_EQ(loaded, c.loads);
    if (c.loads) {
      EXPECT_EQ(script.count(), 0u);
      EXPECT_NE(w->getTitle(), title);
      continue;
    }
    ASSERT_EQ(script.count(), 1u);
    EXPECT_EQ(script.last().kind, ModalSeam::ERROR_BOX);
    EXPECT_STREQ(script.last().caption.text(), "Error Loading Image");
    EXPECT_STREQ(script.last().text.text(),
                 "The picture is 2,000 x 1,500 pixels (3.0 megapixels). Showing it needs about 72 MB of memory, "
                 "and this machine has 70 MB available.");
    EXPECT_EQ(w->image, shown);
    EXPECT_EQ(w->imageView->getImage(), shown);
    EXPECT_EQ(w->imageWidth, 2000);
    EXPECT_NE(w->originalPixelArray, nullptr);
    EXPECT_EQ(w->getTitle(), title);
    EXPECT_STREQ(w->curveData_TBL->getItemText(0, 3).text(), "120");
    EXPECT_TRUE(w->buttonsEnabled);
  }
  delete w;
}
