// Another program holding the X clipboard, for tests of what the program
// leaves there: a child process with a display connection of its own
// offers one text as UTF8_STRING and STRING until the object goes.
#ifndef QUILLGRID_FOREIGNCLIPBOARD_H
#define QUILLGRID_FOREIGNCLIPBOARD_H

#include <sys/types.h>

#include <string>

namespace FX {
class FXWindow;
}

namespace qgtest {

class ForeignClipboard {
public:
  explicit ForeignClipboard(const std::string& text);
  ~ForeignClipboard();
  ForeignClipboard(const ForeignClipboard&) = delete;
  ForeignClipboard& operator=(const ForeignClipboard&) = delete;
  // The child took the clipboard.
  bool owning() const { return owning_; }

private:
  pid_t pid_ = -1;
  bool owning_ = false;
};

// The toolkit takes the clipboard with the time of the last event it had
// from the display, as a user's click brings it; messages a test sends
// carry none. A real pointer motion over the window, dispatched with every
// other event queued, brings that time up to date.
void catchUpWithTheDisplay(FX::FXWindow* over);

}  // namespace qgtest

#endif
