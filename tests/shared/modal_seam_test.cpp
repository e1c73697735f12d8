// The modal seam: message boxes and dialogs answered by a test script.
#include "TestHarness.h"

using namespace FX;

TEST(ModalSeam, MessageBoxesAreAnsweredAndLogged) {
  qgtest::ModalScript script;
  script.press(MBOX_CLICKED_YES);
  EXPECT_EQ(ModalSeam::question(nullptr, MBOX_YES_NO, "Overwrite", "Replace it?"), (FXuint)MBOX_CLICKED_YES);
  // The script is empty now: the fallback presses No on a yes/no box.
  EXPECT_EQ(ModalSeam::warning(nullptr, MBOX_YES_NO, "Careful", "Sure?"), (FXuint)MBOX_CLICKED_NO);
  EXPECT_EQ(ModalSeam::error(nullptr, MBOX_OK, "Error", "Bad"), (FXuint)MBOX_CLICKED_OK);
  ASSERT_EQ(script.count(), 3u);
  EXPECT_EQ(script.requests()[0].kind, ModalSeam::QUESTION_BOX);
  EXPECT_STREQ(script.requests()[0].caption.text(), "Overwrite");
  EXPECT_STREQ(script.requests()[0].text.text(), "Replace it?");
  EXPECT_EQ(script.requests()[1].answer, (FXuint)MBOX_CLICKED_NO);
  EXPECT_EQ(script.last().kind, ModalSeam::ERROR_BOX);
}

TEST(ModalSeam, FileDialogIsFilledByTheScript) {
  QG_REQUIRE_DISPLAY();
  FXMainWindow* owner = new FXMainWindow(qgtest::app(), "owner");
  owner->create();
  {
    qgtest::ModalScript script;
    script.acceptFile("/tmp/picked.bmp", 1);
    FXFileDialog dlg(owner, "Save image");
    dlg.setPatternList("Text (*.txt)\nBitmap (*.bmp)");
    ASSERT_EQ(ModalSeam::execute(&dlg), 1u);
    EXPECT_STREQ(dlg.getFilename().text(), "/tmp/picked.bmp");
    EXPECT_EQ(dlg.getCurrentPattern(), 1);
    EXPECT_STREQ(script.last().caption.text(), "Save image");
    EXPECT_STREQ(script.last().dialogClass.text(), "FXFileDialog");
    // No answer left: a dialog is cancelled.
    EXPECT_EQ(ModalSeam::execute(&dlg), 0u);
  }
  delete owner;
}
