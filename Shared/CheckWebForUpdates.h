// Asks the program's web server over HTTP/1.0 for the current version and
// compares it with the running one. Blocks while it runs, but every
// network step has a time-out, so a silent server cannot freeze the
// window for good.
#ifndef QUILLGRID_CHECKWEBFORUPDATES_H
#define QUILLGRID_CHECKWEBFORUPDATES_H

#include <fx.h>

class CheckWebForUpdates {
public:
  // Status codes of the last check.
  enum {
    SOCKET_FAILED = 0,     // creating the socket failed
    RESOLVE_FAILED = 1,    // resolving the host name failed
    CONNECT_FAILED = 2,    // connecting failed (or timed out)
    READ_FAILED = 3,       // no " 200 " in the response header, or reading failed
    NEWER_VERSION = 4,     // a newer version is available
    CURRENT_VERSION = 5,   // the running version is current
    EXCEPTION_RAISED = 6   // an exception was raised during the check
  };

  // Limits that keep a misbehaving server from holding memory or the
  // window: the header and the body are each read up to this size.
  static const int MAX_HEADER_BYTES = 64 * 1024;
  static const int MAX_BODY_BYTES = 64 * 1024;
  static const int DEFAULT_TIMEOUT_MS = 10000;

  CheckWebForUpdates();

  // Fetches `path` from `host` and reads its body as a version number
  // into *webVersion. True when the server answered (status 4 or 5).
  bool checkForUpdates(double currentVersion, double* webVersion, FX::FXString host, FX::FXString path,
                       int port = 80);
  int getStatusCode() const { return statusCode; }

  // Time-out of each of connecting, sending and receiving.
  void setTimeoutMs(int ms) { timeoutMs = ms; }

private:
  bool check(double currentVersion, double* webVersion, const FX::FXString& host, const FX::FXString& path,
             int port, int fd);

  int statusCode;
  int timeoutMs;
};

#endif
