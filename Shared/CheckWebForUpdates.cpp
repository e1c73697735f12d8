#include "CheckWebForUpdates.h"

#include <arpa/inet.h>
#include <errno.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <string.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>

using namespace FX;

namespace {
// Outcome of one byte-stream step.
enum IoResult { IO_OK, IO_END, IO_ERROR, IO_TIMEOUT };

class Deadline {
public:
  explicit Deadline(int ms) : end_(std::chrono::steady_clock::now() + std::chrono::milliseconds(ms)) {}
  int remainingMs() const {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end_ - std::chrono::steady_clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
  }

private:
  std::chrono::steady_clock::time_point end_;
};

// Waits until fd is ready for `events` or the deadline passes.
IoResult waitFor(int fd, short events, const Deadline& deadline) {
  for (;;) {
    struct pollfd p;
    p.fd = fd;
    p.events = events;
    p.revents = 0;
    int n = poll(&p, 1, deadline.remainingMs());
    if (n > 0) return IO_OK;
    if (n == 0) return IO_TIMEOUT;
    if (errno != EINTR) return IO_ERROR;
  }
}

bool connectWithin(int fd, const struct sockaddr_in& addr, int timeoutMs) {
  if (connect(fd, reinterpret_cast<const struct sockaddr*>(&addr), sizeof addr) == 0) return true;
  if (errno != EINPROGRESS && errno != EINTR) return false;
  Deadline deadline(timeoutMs);
  if (waitFor(fd, POLLOUT, deadline) != IO_OK) return false;
  int err = 0;
  socklen_t len = sizeof err;
  if (getsockopt(fd, SOL_SOCKET, SO_ERROR, &err, &len) != 0) return false;
  return err == 0;
}

// Sends all of text; a peer that has gone away must not raise SIGPIPE.
IoResult sendAll(int fd, const FXString& text, int timeoutMs) {
  Deadline deadline(timeoutMs);
  const char* p = text.text();
  ssize_t left = text.length();
  while (left > 0) {
    ssize_t n = send(fd, p, static_cast<size_t>(left), MSG_NOSIGNAL);
    if (n > 0) {
      p += n;
      left -= n;
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      IoResult w = waitFor(fd, POLLOUT, deadline);
      if (w != IO_OK) return w;
      continue;
    }
    return IO_ERROR;
  }
  return IO_OK;
}

// Receives up to size bytes; *got is how many.
IoResult receive(int fd, char* buf, size_t size, ssize_t* got, const Deadline& deadline) {
  for (;;) {
    ssize_t n = recv(fd, buf, size, 0);
    if (n > 0) {
      *got = n;
      return IO_OK;
    }
    if (n == 0) return IO_END;
    if (errno == EINTR) continue;
    if (errno == EAGAIN || errno == EWOULDBLOCK) {
      IoResult w = waitFor(fd, POLLIN, deadline);
      if (w != IO_OK) return w;
      continue;
    }
    return IO_ERROR;
  }
}

// True when the line (without its line feed) holds nothing but carriage returns.
bool isEmptyLine(const FXString& header, int lineStart, int lineFeed) {
  for (int i = lineStart; i < lineFeed; ++i)
    if (header[i] != '\r') return false;
  return true;
}
}  // namespace

CheckWebForUpdates::CheckWebForUpdates() : statusCode(0), timeoutMs(DEFAULT_TIMEOUT_MS) {}

bool CheckWebForUpdates::checkForUpdates(double currentVersion, double* webVersion, FXString host, FXString path,
                                         int port) {
  *webVersion = 0.0;
  int fd = socket(AF_INET, SOCK_STREAM, 0);
  if (fd < 0) {
    statusCode = SOCKET_FAILED;
    return false;
  }
  bool ok = false;
  try {
    ok = check(currentVersion, webVersion, host, path, port, fd);
  } catch (...) {
    statusCode = EXCEPTION_RAISED;
    ok = false;
  }
  close(fd);
  return ok;
}

bool CheckWebForUpdates::check(double currentVersion, double* webVersion, const FXString& host,
                               const FXString& path, int port, int fd) {
  struct hostent* he = gethostbyname(host.text());
  if (!he || he->h_addrtype != AF_INET || !he->h_addr_list || !he->h_addr_list[0]) {
    statusCode = RESOLVE_FAILED;
    return false;
  }
  struct sockaddr_in addr;
  memset(&addr, 0, sizeof addr);
  addr.sin_family = AF_INET;
  addr.sin_port = htons(static_cast<uint16_t>(port));
  memcpy(&addr.sin_addr, he->h_addr_list[0], sizeof addr.sin_addr);

  int flags = fcntl(fd, F_GETFL, 0);
  if (flags >= 0) fcntl(fd, F_SETFL, flags | O_NONBLOCK);
  if (!connectWithin(fd, addr, timeoutMs)) {
    statusCode = CONNECT_FAILED;
    return false;
  }

  // The request, in four pieces. A failed send shows up as a failed read.
  const FXString request[4] = {FXStringFormat("GET %s HTTP/1.0\r\n", path.text()), "Accept-Language: en-us\r\n",
                               "Accept-Encoding: gzip, deflate\r\n", FXStringFormat("Host: %s\r\n\r\n", host.text())};
  for (const FXString& piece : request)
    if (sendAll(fd, piece, timeoutMs) != IO_OK) break;

  // The header, one byte at a time, up to the first empty line.
  FXString header;
  bool found200 = false;
  int lineStart = 0;
  {
    Deadline deadline(timeoutMs);
    for (;;) {
      char c;
      ssize_t got = 0;
      IoResult r = receive(fd, &c, 1, &got, deadline);
      if (r == IO_TIMEOUT || (r == IO_OK && header.length() >= MAX_HEADER_BYTES)) {
        statusCode = READ_FAILED;
        return false;
      }
      if (r != IO_OK) break;
      header.append(c);
      if (c == '\n') {
        if (header.find(" 200 ") >= 0) found200 = true;
        int lineFeed = header.length() - 1;
        if (isEmptyLine(header, lineStart, lineFeed)) break;
        lineStart = header.length();
      }
    }
  }
  if (!found200) {
    statusCode = READ_FAILED;
    return false;
  }

  // The body, to the end of the stream; each piece counts up to its first
  // zero byte.
  FXString body;
  {
    Deadline deadline(timeoutMs);
    char buf[1024];
    for (;;) {
      ssize_t got = 0;
      IoResult r = receive(fd, buf, 1023, &got, deadline);
      if (r == IO_TIMEOUT) {
        statusCode = READ_FAILED;
        return false;
      }
      if (r != IO_OK) break;
      buf[got] = '\0';
      body.append(buf, static_cast<FXint>(strlen(buf)));
      if (body.length() > MAX_BODY_BYTES) {
        statusCode = READ_FAILED;
        return false;
      }
    }
  }

  *webVersion = FXDoubleVal(body);
  statusCode = (*webVersion - currentVersion > 0.009) ? NEWER_VERSION : CURRENT_VERSION;
  return true;
}
