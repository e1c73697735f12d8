// Kept apart from the GoogleTest headers, which Xlib's macros (None, ...)
// break.
#include "ForeignClipboard.h"

#include <fx.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Takes the clipboard, says so on readyFd, then answers every request for
// the offered types (and for the list of them) until the process ends.
void serve(const std::string& text, int readyFd) {
  Display* d = XOpenDisplay(nullptr);
  if (!d) return;
  const Window win = XCreateSimpleWindow(d, DefaultRootWindow(d), 0, 0, 1, 1, 0, 0, 0);
  const Atom clipboard = XInternAtom(d, "CLIPBOARD", False);
  const Atom utf8 = XInternAtom(d, "UTF8_STRING", False);
  const Atom targets = XInternAtom(d, "TARGETS", False);
  XSetSelectionOwner(d, clipboard, win, CurrentTime);
  XSync(d, False);
  if (XGetSelectionOwner(d, clipboard) != win || write(readyFd, "x", 1) != 1) return;
  for (;;) {
    XEvent e;
    XNextEvent(d, &e);
    if (e.type != SelectionRequest) continue;
    const XSelectionRequestEvent& r = e.xselectionrequest;
    XSelectionEvent s;
    s.type = SelectionNotify;
    s.serial = 0;
    s.send_event = True;
    s.display = d;
    s.requestor = r.requestor;
    s.selection = r.selection;
    s.target = r.target;
    s.time = r.time;
    s.property = r.property != None ? r.property : r.target;
    if (r.target == targets) {
      Atom offered[3] = {targets, utf8, XA_STRING};
      XChangeProperty(d, r.requestor, s.property, XA_ATOM, 32, PropModeReplace,
                      reinterpret_cast<unsigned char*>(offered), 3);
    } else if (r.target == utf8 || r.target == XA_STRING) {
      XChangeProperty(d, r.requestor, s.property, r.target, 8, PropModeReplace,
                      reinterpret_cast<const unsigned char*>(text.data()), (int)text.size());
    } else {
      s.property = None;
    }
    XSendEvent(d, r.requestor, False, 0, reinterpret_cast<XEvent*>(&s));
    XFlush(d);
  }
}

}  // namespace

namespace qgtest {

ForeignClipboard::ForeignClipboard(const std::string& text) {
  int ready[2];
  if (pipe(ready) != 0) return;
  pid_ = fork();
  if (pid_ == 0) {
    close(ready[0]);
    serve(text, ready[1]);
    _exit(0);
  }
  close(ready[1]);
  pollfd p = {ready[0], POLLIN, 0};
  char c = 0;
  owning_ = pid_ > 0 && poll(&p, 1, 5000) == 1 && read(ready[0], &c, 1) == 1;
  close(ready[0]);
}

ForeignClipboard::~ForeignClipboard() {
  if (pid_ <= 0) return;
  kill(pid_, SIGKILL);
  waitpid(pid_, nullptr, 0);
}

}  // namespace qgtest

namespace qgtest {

void catchUpWithTheDisplay(FX::FXWindow* over) {
  static int step = 0;
  over->setCursorPosition(over->getWidth() / 2 + (++step % 2), over->getHeight() / 2);
  FX::FXApp* app = over->getApp();
  Display* d = static_cast<Display*>(app->getDisplay());
  XSync(d, False);
  // The toolkit's non-blocking step ends at each expose it only queues
  // for painting; every event queued is dispatched here.
  for (int n = 0; n < 100000 && XPending(d) > 0; ++n) app->runOneEvent(false);
}

}  // namespace qgtest
