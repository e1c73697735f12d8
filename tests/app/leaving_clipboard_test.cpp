// Leaving the program after a picture was copied: the hidden window that
// owns the clipboard must not keep the program alive.
#include "ClipboardPicture.h"
#include "MainWindowFixture.h"
#include "DataPlot.h"
#include "Quillgrid.h"
#include "TestHarness.h"

using namespace FX;

namespace {

// Ends the event loop with its own code when its time is up, so that a
// loop nothing else would end fails the test instead of hanging it.
class LoopWatchdog : public FXObject {
  FXDECLARE(LoopWatchdog)
public:
  enum { ID_EXPIRE = 1, STILL_RUNNING = 99 };
  LoopWatchdog() { qgtest::app()->addTimeout(this, ID_EXPIRE, 3000); }
  ~LoopWatchdog() { qgtest::app()->removeTimeout(this, ID_EXPIRE); }
  long onExpire(FXObject*, FXSelector, void*) {
    qgtest::app()->exit(STILL_RUNNING);
    return 1;
  }
};
FXDEFMAP(LoopWatchdog) LoopWatchdogMap[] = {FXMAPFUNC(SEL_TIMEOUT, LoopWatchdog::ID_EXPIRE, LoopWatchdog::onExpire)};
FXIMPLEMENT(LoopWatchdog, FXObject, LoopWatchdogMap, ARRAYNUMBER(LoopWatchdogMap))

// The main plot copied to the clipboard, as the copy command does it.
void copyThePlot(Quillgrid* w) {
  w->show(PLACEMENT_SCREEN);
  w->tabBook->setCurrent(3, FALSE);
  qgtest::runFor(50);
  w->fitPlot->blank(w->fitPlotCanvas);
  qgtest::ModalScript script;
  w->handle(nullptr, FXSEL(SEL_COMMAND, Quillgrid::ID_COPY_PLOT_TO_CLIPBOARD), nullptr);
  ASSERT_EQ(script.count(), 0u);  // no "Clipboard error"
  FXuchar* data = nullptr;
  FXuint size = 0;
  ASSERT_TRUE(w->getDNDData(FROM_CLIPBOARD, ClipboardPicture::pngType(qgtest::app()), data, size));
  const bool png = size > 4 && data[1] == 'P' && data[2] == 'N' && data[3] == 'G';
  FXFREE(&data);
  ASSERT_TRUE(png);
}

}  // namespace

// Closing the main window after a copy left the program running with no
// window at all: the clipboard's hidden owner counted as a main window.
TEST_F(MainWindowFixture, ClosingTheWindowAfterACopyEndsTheProgram) {
  Quillgrid* w = make();
  copyThePlot(w);
  LoopWatchdog watchdog;
  qgtest::DelayedMessage close(w, FXSEL(SEL_CLOSE, 0), 20);
  EXPECT_EQ(qgtest::app()->run(), 0);
}

TEST_F(MainWindowFixture, QuittingAfterACopyEndsTheProgram) {
  Quillgrid* w = make();
  copyThePlot(w);
  LoopWatchdog watchdog;
  qgtest::DelayedMessage quit(w, FXSEL(SEL_COMMAND, Quillgrid::ID_QUIT), 20);
  EXPECT_EQ(qgtest::app()->run(), 0);
  delete w;
}
