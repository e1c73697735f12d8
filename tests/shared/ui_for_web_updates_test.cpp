// The result boxes and the new-version dialog of the update check.
#include <algorithm>
#include <string>
#include <vector>

#include "TestHarness.h"
#include "UIForWebUpdates.h"

using namespace FX;

namespace {
// Texts of the labels and text fields in a dialog, depth first.
void collectTexts(FXWindow* w, std::vector<std::string>& labels, std::vector<std::string>& fields) {
  for (FXWindow* c = w->getFirst(); c; c = c->getNext()) {
    if (FXLabel* l = dynamic_cast<FXLabel*>(c)) {
      if (!dynamic_cast<FXButton*>(c)) labels.push_back(l->getText().text());
    }
    if (FXTextField* f = dynamic_cast<FXTextField*>(c)) fields.push_back(f->getText().text());
    collectTexts(c, labels, fields);
  }
}

// An answer that records the dialog's texts and then presses `button`.
qgtest::ModalScript::Answer recordTexts(std::vector<std::string>& labels, std::vector<std::string>& fields,
                                        FXuint button) {
  return [&labels, &fields, button](ModalSeam::Request& req) -> FXuint {
    collectTexts(req.dialog, labels, fields);
    return button;
  };
}

class WebUpdateDialogs : public ::testing::Test {
protected:
  void SetUp() override {
    if (!qgtest::haveDisplay()) GTEST_SKIP() << "no X display";
    owner = new FXMainWindow(qgtest::app(), "owner");
    owner->create();
  }
  void TearDown() override { delete owner; }
  FXMainWindow* owner = nullptr;
};
}  // namespace

TEST_F(WebUpdateDialogs, EachStatusHasItsBox) {
  struct Case {
    int status;
    ModalSeam::Kind kind;
    const char* text;
  } cases[] = {
      {0, ModalSeam::ERROR_BOX, "Connection error (0) checking for update."},
      {1, ModalSeam::ERROR_BOX, "Connection error (1) checking for update."},
      {2, ModalSeam::ERROR_BOX, "Connection error (2) checking for update.\n\nThis may not work over a VPN connection."},
      {3, ModalSeam::ERROR_BOX, "Read error (3) checking for update."},
      {5, ModalSeam::INFORMATION_BOX, "You have the current version."},
      {6, ModalSeam::ERROR_BOX, "Unknown error (6) checking for update."},
      {17, ModalSeam::ERROR_BOX, "Unknown error (6) checking for update."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.status);
    qgtest::ModalScript script;
    UIForWebUpdates ui;
    EXPECT_EQ(ui.messageForUpdates(owner, "http://site.example.org", 2.5, c.status), 1);
    ASSERT_EQ(script.count(), 1u);
    EXPECT_EQ(script.last().kind, c.kind);
    EXPECT_EQ(script.last().buttons, (FXuint)MBOX_OK);
    EXPECT_STREQ(script.last().caption.text(), "Check for update");
    EXPECT_STREQ(script.last().text.text(), c.text);
    EXPECT_STREQ(ui.webSite.text(), "http://site.example.org");
    EXPECT_FALSE(ui.showCredentials);
  }
}

TEST_F(WebUpdateDialogs, ShowMessagesOffSilencesAllButTheNewVersion) {
  qgtest::ModalScript script;
  UIForWebUpdates ui;
  UIColorsStruct colors;
  for (int status : {0, 1, 2, 3, 5, 6}) ui.messageForUpdates(owner, "s", 1.0, "", "", true, status, false, colors);
  EXPECT_EQ(script.count(), 0u);
  ui.messageForUpdates(owner, "s", 1.0, "", "", false, 4, false, colors);
  ASSERT_EQ(script.count(), 1u);
  EXPECT_EQ(script.last().kind, ModalSeam::DIALOG);
}

TEST_F(WebUpdateDialogs, NewVersionDialogOpensTheSiteOnEveryOKUntilClose) {
  qgtest::FakeBrowser browser;
  browser.release();
  qgtest::ModalScript script;
  std::vector<std::string> labels, fields;
  script.then(recordTexts(labels, fields, 1));  // OK
  script.press(1).cancel();  // OK again, then Close
  UIForWebUpdates ui;
  ui.messageForUpdates(owner, "http://site.example.org/download", 2.8249, 4);
  ASSERT_EQ(script.count(), 3u);
  EXPECT_STREQ(script.requests()[0].caption.text(), "Check for update");
  ASSERT_FALSE(labels.empty());
  EXPECT_EQ(labels[0], "A new version (v2.82) is available.\n\nClick \"OK\" to go to the download site.\n");
  EXPECT_TRUE(fields.empty());  // the program's dialog has no credential rows
  const std::string twice = "1\n[http://site.example.org/download]\n1\n[http://site.example.org/download]\n";
  EXPECT_TRUE(qgtest::runUntil([&] { return browser.calls() == twice; }, 5000)) << browser.calls();
}

TEST_F(WebUpdateDialogs, WithoutKeepOpenOneOKEndsItAndNoRowsShow) {
  qgtest::FakeBrowser browser;
  browser.release();
  qgtest::ModalScript script;
  std::vector<std::string> labels, fields;
  script.then(recordTexts(labels, fields, 1));
  UIForWebUpdates ui;
  ui.messageForUpdates(owner, "http://s.example.org", 3.0, "me", "pw", false, 4, true, UIColorsStruct());
  EXPECT_EQ(script.count(), 1u);
  EXPECT_TRUE(fields.empty());
  EXPECT_TRUE(qgtest::runUntil([&] { return browser.calls() == "1\n[http://s.example.org]\n"; }, 5000));
}

TEST_F(WebUpdateDialogs, CredentialRowsAndTheUserNameTakenOnOK) {
  qgtest::FakeBrowser browser;
  browser.release();
  qgtest::ModalScript script;
  std::vector<std::string> labels, fields;
  script.then([&](ModalSeam::Request& req) -> FXuint {
    collectTexts(req.dialog, labels, fields);
    // The user edits the user name before pressing OK.
    for (FXWindow* w = req.dialog->getFirst(); w; w = w->getFirst() ? w->getFirst() : w->getNext()) {
      if (FXTextField* f = dynamic_cast<FXTextField*>(w)) {
        f->setText("edited@example.org");
        break;
      }
    }
    return 1;
  });
  UIForWebUpdates ui;
  UIColorsStruct colors;
  ui.messageForUpdates(owner, "http://s.example.org", 3.0, "me@example.org", "secret", true, 4, true, colors);
  ASSERT_EQ(script.count(), 2u);  // kept open after OK, then closed
  ASSERT_EQ(fields.size(), 2u);
  EXPECT_EQ(fields[0], "me@example.org");
  EXPECT_EQ(fields[1], "secret");
  EXPECT_NE(std::find(labels.begin(), labels.end(), "Website username:"), labels.end());
  EXPECT_NE(std::find(labels.begin(), labels.end(), "Website password:"), labels.end());
  EXPECT_STREQ(ui.getUserEmailAddress().text(), "edited@example.org");
}
