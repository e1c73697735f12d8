#include "TestHarness.h"

#include <sys/stat.h>
#include <unistd.h>

#include <stdlib.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>

using namespace FX;

namespace qgtest {

namespace detail {
FXApp* theApp = nullptr;
bool display = false;
std::string startDir;
std::string workDir;
}  // namespace detail

FXApp* app() { return detail::theApp; }
bool haveDisplay() { return detail::display; }
const std::string& startDirectory() { return detail::startDir; }
const std::string& workDirectory() { return detail::workDir; }

std::string testdata(const std::string& relative) {
  return std::string(QG_TESTDATA_DIR) + "/" + relative;
}

bool haveTestdata() {
  struct stat st;
  return stat(QG_TESTDATA_DIR, &st) == 0 && S_ISDIR(st.st_mode);
}

bool testdataRequired() {
  const char* required = getenv("QG_REQUIRE_TESTDATA");
  return required && *required && std::string(required) != "0";
}

std::string writeFile(const std::string& name, const std::string& bytes) {
  std::ofstream out(name, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return name;
}

std::string readFile(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

bool fileExists(const std::string& name) { return access(name.c_str(), F_OK) == 0; }

TempDir::TempDir() {
  char cwd[4096];
  previous_ = getcwd(cwd, sizeof cwd) ? cwd : ".";
  static int counter = 0;
  std::string base = detail::workDir.empty() ? std::string("/tmp") : detail::workDir;
  char buf[4096];
  snprintf(buf, sizeof buf, "%s/dir-%d-XXXXXX", base.c_str(), ++counter);
  if (mkdtemp(buf)) {
    path_ = buf;
    if (chdir(path_.c_str()) != 0) path_.clear();
  }
}

TempDir::~TempDir() {
  if (chdir(previous_.c_str()) != 0) { /* the previous directory is gone */ }
  if (!path_.empty()) {
    std::string cmd = "rm -rf '" + path_ + "'";
    if (system(cmd.c_str()) != 0) { /* left behind in the process's own temporary directory */ }
  }
}

FakeBrowser::FakeBrowser() : dir_(tempDir_.path()) {
  mkdir((dir_ + "/bin").c_str(), 0755);
  const std::string script =
      "#!/bin/sh\n"
      "d='" + dir_ + "'\n"
      "{ printf '%s\\n' \"$#\"; for a in \"$@\"; do printf '[%s]\\n' \"$a\"; done; } >> \"$d/calls.log\"\n"
      ": > \"$d/started\"\n"
      "i=0; while [ ! -e \"$d/release\" ] && [ $i -lt 100 ]; do sleep 0.1; i=$((i+1)); done\n"
      ": > \"$d/finished\"\n";
  writeFile(dir_ + "/bin/xdg-open", script);
  chmod((dir_ + "/bin/xdg-open").c_str(), 0755);
  const char* old = getenv("PATH");
  oldPath_ = old ? old : "";
  setenv("PATH", (dir_ + "/bin:" + oldPath_).c_str(), 1);
}

FakeBrowser::~FakeBrowser() {
  release();
  const std::string finished = dir_ + "/finished";
  if (fileExists(dir_ + "/started")) runUntil([&] { return fileExists(finished); }, 3000);
  setenv("PATH", oldPath_.c_str(), 1);
}

void FakeBrowser::release() { writeFile(dir_ + "/release", ""); }

std::string FakeBrowser::calls() const { return readFile(dir_ + "/calls.log"); }

bool runUntil(const std::function<bool()>& pred, int maxMs) {
  auto start = std::chrono::steady_clock::now();
  while (!pred()) {
    if (std::chrono::steady_clock::now() - start > std::chrono::milliseconds(maxMs)) return pred();
    if (haveDisplay()) {
      app()->runWhileEvents();
      usleep(1000);
    } else {
      usleep(1000);
    }
  }
  return true;
}

void runFor(int ms) {
  auto start = std::chrono::steady_clock::now();
  runUntil([&] { return std::chrono::steady_clock::now() - start > std::chrono::milliseconds(ms); }, ms + 1000);
}

FXDEFMAP(DelayedMessage) DelayedMessageMap[] = {
    FXMAPFUNC(SEL_TIMEOUT, DelayedMessage::ID_FIRE, DelayedMessage::onFire)};
FXIMPLEMENT(DelayedMessage, FXObject, DelayedMessageMap, ARRAYNUMBER(DelayedMessageMap))

DelayedMessage::DelayedMessage(FXObject* target, FXSelector sel, int ms) : target_(target), sel_(sel) {
  app()->addTimeout(this, ID_FIRE, ms);
}

DelayedMessage::~DelayedMessage() { app()->removeTimeout(this, ID_FIRE); }

long DelayedMessage::onFire(FXObject*, FXSelector, void*) {
  fired_ = true;
  target_->handle(this, sel_, nullptr);
  return 1;
}

namespace detail {
// What a box or dialog gets when no script answers it: OK, No or Cancel,
// and a dialog is cancelled. No test can block in a modal loop.
FXuint defaultAnswer(ModalSeam::Request& req) {
  if (req.kind == ModalSeam::DIALOG || req.kind == ModalSeam::POPUP_MENU) return 0;
  switch (req.buttons & 0xF0000000u) {
    case MBOX_OK: return MBOX_CLICKED_OK;
    case MBOX_YES_NO: return MBOX_CLICKED_NO;
    default: return MBOX_CLICKED_CANCEL;
  }
}
}  // namespace detail

ModalScript::ModalScript() {
  ModalSeam::clearLog();
  ModalSeam::setResponder([this](ModalSeam::Request& req) -> FXuint {
    if (!answers_.empty()) {
      Answer a = answers_.front();
      answers_.pop_front();
      return a(req);
    }
    return detail::defaultAnswer(req);
  });
}

ModalScript::~ModalScript() { ModalSeam::setResponder(detail::defaultAnswer); }

ModalScript& ModalScript::press(FXuint button) {
  answers_.push_back([button](ModalSeam::Request&) { return button; });
  return *this;
}

ModalScript& ModalScript::acceptFile(const FXString& filename, FXint pattern) {
  answers_.push_back([filename, pattern](ModalSeam::Request& req) -> FXuint {
    FXFileDialog* d = dynamic_cast<FXFileDialog*>(req.dialog);
    if (!d) return 0;
    if (pattern >= 0) d->setCurrentPattern(pattern);
    d->setFilename(filename);
    return 1;
  });
  return *this;
}

ModalScript& ModalScript::cancel() {
  answers_.push_back([](ModalSeam::Request&) -> FXuint { return 0; });
  return *this;
}

ModalScript& ModalScript::then(Answer a) {
  answers_.push_back(std::move(a));
  return *this;
}

const std::vector<ModalSeam::Request>& ModalScript::requests() const { return ModalSeam::log(); }

const ModalSeam::Request& ModalScript::last() const {
  static ModalSeam::Request none;
  return requests().empty() ? none : requests().back();
}

}  // namespace qgtest
