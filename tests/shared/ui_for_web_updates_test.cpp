// The result boxes and the new-version dialog of the update check.
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "TestHarness.h"
#include "UIForWebUpdates.h"

using namespace FX;

namespace {
// Calls visit on every descendant of w, depth first.
void forEachChild(FXWindow* w, const std::function<void(FXWindow*)>& visit) {
  for (FXWindow* c = w->getFirst(); c; c = c->getNext()) {
    visit(c);
    forEachChild(c, visit);
  }
}

// Texts of the labels and text fields in a dialog, depth first.
void collectTexts(FXWindow* w, std::vector<std::string>& labels, std::vector<std::string>& fields) {
  forEachChild(w, [&](FXWindow* c) {
    if (FXLabel* l = dynamic_cast<FXLabel*>(c)) {
      if (!dynamic_cast<FXButton*>(c)) labels.push_back(l->getText().text());
    }
    if (FXTextField* f = dynamic_cast<FXTextField*>(c)) fields.push_back(f->getText().text());
  });
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
  std::vector<FXint> columns;
  std::vector<bool> editable;
  script.then([&](ModalSeam::Request& req) -> FXuint {
    collectTexts(req.dialog, labels, fields);
    // The user edits the user name before pressing OK.
    forEachChild(req.dialog, [&](FXWindow* w) {
      if (FXTextField* f = dynamic_cast<FXTextField*>(w)) {
        if (columns.empty()) f->setText("edited@example.org");
        columns.push_back(f->getNumColumns());
        editable.push_back(f->isEditable() != 0);
      }
    });
    return 1;
  });
  UIForWebUpdates ui;
  UIColorsStruct colors;
  const FXString name = "a.rather.long.user.name@example.org";  // 35 characters
  ui.messageForUpdates(owner, "http://s.example.org", 3.0, name, "secret", true, 4, true, colors);
  ASSERT_EQ(script.count(), 2u);  // kept open after OK, then closed
  ASSERT_EQ(fields.size(), 2u);
  EXPECT_EQ(fields[0], name.text());
  EXPECT_EQ(fields[1], "secret");
  // Both fields are as wide as the longer text plus 2 (at least 20); only
  // the user name can be edited.
  ASSERT_EQ(columns.size(), 2u);
  EXPECT_EQ(columns[0], 37);
  EXPECT_EQ(columns[1], 37);
  EXPECT_TRUE(editable[0]);
  EXPECT_FALSE(editable[1]);
  EXPECT_NE(std::find(labels.begin(), labels.end(), "Website username:"), labels.end());
  EXPECT_NE(std::find(labels.begin(), labels.end(), "Website password:"), labels.end());
  // With credentials and keep open the message goes on with a paragraph
  // about the window staying open.
  ASSERT_FALSE(labels.empty());
  const std::string message = "A new version (v3.00) is available.\n\nClick \"OK\" to go to the download site.\n";
  EXPECT_EQ(labels[0].compare(0, message.size(), message), 0) << labels[0];
  EXPECT_GT(labels[0].size(), message.size() + 20) << labels[0];
  EXPECT_STREQ(ui.getUserEmailAddress().text(), "edited@example.org");
}

TEST_F(WebUpdateDialogs, NewVersionDialogButtonsAndColours) {
  qgtest::FakeBrowser browser;  // in case a fault opens the site
  browser.release();
  qgtest::ModalScript script;
  UIColorsStruct colors;
  colors.backColor = FXRGB(30, 40, 50);
  colors.fieldBackColor = FXRGB(240, 240, 200);
  colors.shadowColor = FXRGB(10, 10, 10);
  colors.hiliteColor = FXRGB(90, 90, 90);
  colors.extraColor = FXRGB(1, 2, 3);
  std::vector<FXButton*> buttons;
  FXColor dialogBack = 0, labelText = 0;
  FXuint decorations = 0;
  script.then([&](ModalSeam::Request& req) -> FXuint {
    dialogBack = req.dialog->getBackColor();
    decorations = req.dialog->getDecorations();
    forEachChild(req.dialog, [&](FXWindow* w) {
      if (FXButton* b = dynamic_cast<FXButton*>(w)) buttons.push_back(b);
      else if (FXLabel* l = dynamic_cast<FXLabel*>(w)) labelText = labelText ? labelText : l->getTextColor();
    });
    // The buttons are read while the dialog exists; Close.
    EXPECT_EQ(buttons.size(), 2u);
    for (FXButton* b : buttons) {
      EXPECT_EQ(b->getWidth(), 100);
      EXPECT_EQ(b->getHeight(), 30);
      EXPECT_EQ(b->getTarget(), req.dialog);
    }
    if (buttons.size() == 2) {
      EXPECT_STREQ(buttons[0]->getText().text(), "OK");
      EXPECT_EQ(buttons[0]->getSelector(), (FXSelector)FXDialogBox::ID_ACCEPT);
      EXPECT_STREQ(buttons[1]->getText().text(), "Close");
      EXPECT_EQ(buttons[1]->getSelector(), (FXSelector)FXDialogBox::ID_CANCEL);
    }
    return 0;
  });
  UIForWebUpdates ui;
  ui.messageForUpdates(owner, "http://s.example.org", 3.0, "", "", true, 4, true, colors);
  ASSERT_EQ(script.count(), 1u);
  EXPECT_EQ(decorations, (FXuint)(DECOR_TITLE | DECOR_BORDER));
  // The colours are kept and the whole dialog is recoloured with them.
  EXPECT_EQ(ui.colors.backColor, colors.backColor);
  EXPECT_EQ(ui.colors.extraColor, colors.extraColor);
  EXPECT_EQ(dialogBack, colors.backColor);
  EXPECT_EQ(labelText, FXRGB(255, 255, 255));  // contrasting text on the dark back colour
}
