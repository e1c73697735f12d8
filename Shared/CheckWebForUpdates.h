// Asks the program's web server over HTTP/1.0 for the current version and
// compares it with the running one. Blocks while it runs, but the whole
// check, name resolution included, ends within one time limit, so a silent
// server or resolver cannot freeze the window for long.
#ifndef QUILLGRID_CHECKWEBFORUPDATES_H
#define QUILLGRID_CHECKWEBFORUPDATES_H

#include <fx.h>

#include <netinet/in.h>

#include <cstddef>

class CheckWebForUpdates {
public:
  // Status codes of the last check.
  enum {
    SOCKET_FAILED = 0,     // creating the socket failed
    RESOLVE_FAILED = 1,    // resolving the host name failed (or timed out)
    CONNECT_FAILED = 2,    // connecting failed (or timed out)
    READ_FAILED = 3,       // no 200 on the status line, no version in the body, or reading failed
    NEWER_VERSION = 4,     // a newer version is available
    CURRENT_VERSION = 5,   // the running version is current
    EXCEPTION_RAISED = 6   // an exception was raised during the check
  };

  // Limits that keep a misbehaving server from holding memory or the
  // window: the header and the body are each read up to this size, and
  // the whole check takes at most DEFAULT_TIMEOUT_MS.
  static const int MAX_HEADER_BYTES = 64 * 1024;
  static const int MAX_BODY_BYTES = 64 * 1024;
  static const int DEFAULT_TIMEOUT_MS = 12000;

  // Finds the IPv4 address of a host; true when found. Runs on a thread of
  // its own, which the check leaves behind when the time is up.
  typedef bool (*Resolver)(const char* host, struct in_addr* address);

  CheckWebForUpdates();

  // Fetches `path` from `host` and reads its body as a version number
  // into *webVersion. True when the server answered (status 4 or 5).
  bool checkForUpdates(double currentVersion, double* webVersion, FX::FXString host, FX::FXString path,
                       int port = 80);
  int getStatusCode() const { return statusCode; }

  // Time limit of the whole check: resolving, connecting, sending and
  // receiving together.
  void setTimeoutMs(int ms) { timeoutMs = ms; }
  // The resolver; the system's by default.
  void setResolver(Resolver r) { resolver = r; }

  // The status of a whole reply (header and body as received, up to the
  // end of the stream), 3, 4 or 5; *webVersion gets the body's version, 0
  // when there is none. The status comes from the status line only
  // ("HTTP/x.y 200 ..."); the body, up to its first zero byte, must be one
  // decimal number between blanks.
  static int parseReply(const char* reply, size_t size, double currentVersion, double* webVersion);

private:
  bool check(double currentVersion, double* webVersion, const FX::FXString& host, const FX::FXString& path,
             int port, int fd);

  int statusCode;
  int timeoutMs;
  Resolver resolver;
};

#endif
