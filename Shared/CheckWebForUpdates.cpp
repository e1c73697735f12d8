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

#include <cmath>
#include <cstdlib>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

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

bool connectWithin(int fd, const struct sockaddr_in& addr, const Deadline& deadline) {
  if (connect(fd, reinterpret_cast<const struct sockaddr*>(&addr), sizeof addr) == 0) return true;
  if (errno != EINPROGRESS && errno != EINTR) return false;
  if (waitFor(fd, POLLOUT, deadline) != IO_OK) return false;
  int err = 0;
  socklen_t len = sizeof err;
  if (getsockopt(fd, SOL_SOCKET, SO_ERROR, &err, &len) != 0) return false;
  return err == 0;
}

// Sends all of text; a peer that has gone away must not raise SIGPIPE.
IoResult sendAll(int fd, const FXString& text, const Deadline& deadline) {
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
    // A server whose bytes keep coming must not hold the check past its
    // time either.
    if (deadline.remainingMs() == 0) return IO_TIMEOUT;
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
bool isEmptyLine(const char* reply, size_t lineStart, size_t lineFeed) {
  for (size_t i = lineStart; i < lineFeed; ++i)
    if (reply[i] != '\r') return false;
  return true;
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// "HTTP/<version> 200" followed by a blank or the end of the line.
bool statusLineSays200(const std::string& line) {
  if (line.compare(0, 5, "HTTP/") != 0) return false;
  size_t i = 5;
  while (i < line.size() && line[i] != ' ') ++i;
  if (i == 5) return false;
  while (i < line.size() && line[i] == ' ') ++i;
  if (line.compare(i, 3, "200") != 0) return false;
  i += 3;
  return i == line.size() || line[i] == ' ' || line[i] == '\t';
}

// One decimal number (digits with at most one point, no sign or exponent)
// between blanks; false for anything else, an empty text included.
bool versionNumber(const std::string& body, double* value) {
  size_t i = 0;
  while (i < body.size() && isBlank(body[i])) ++i;
  const size_t start = i;
  size_t digits = 0;
  while (i < body.size() && isDigit(body[i])) ++i, ++digits;
  if (i < body.size() && body[i] == '.') {
    ++i;
    while (i < body.size() && isDigit(body[i])) ++i, ++digits;
  }
  if (digits == 0) return false;
  const std::string number = body.substr(start, i - start);
  while (i < body.size() && isBlank(body[i])) ++i;
  if (i != body.size()) return false;
  *value = std::strtod(number.c_str(), nullptr);
  return std::isfinite(*value);
}

// The system's resolver: the first IPv4 address of the host.
bool systemResolver(const char* host, struct in_addr* address) {
  struct addrinfo hints;
  memset(&hints, 0, sizeof hints);
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  struct addrinfo* found = nullptr;
  if (getaddrinfo(host, nullptr, &hints, &found) != 0 || !found) return false;
  bool ok = false;
  for (struct addrinfo* a = found; a && !ok; a = a->ai_next) {
    if (a->ai_family != AF_INET || !a->ai_addr) continue;
    *address = reinterpret_cast<const struct sockaddr_in*>(a->ai_addr)->sin_addr;
    ok = true;
  }
  freeaddrinfo(found);
  return ok;
}

// Resolves the host on a thread of its own and waits for it until the
// deadline. A resolver that has not answered by then is left to finish
// on its own; what it shares with this call it keeps alive itself.
bool resolveWithin(CheckWebForUpdates::Resolver resolver, const FXString& host, const Deadline& deadline,
                   struct in_addr* address) {
  struct Shared {
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    bool found = false;
    struct in_addr address;
  };
  std::shared_ptr<Shared> shared = std::make_shared<Shared>();
  const std::string name(host.text());
  std::thread([shared, name, resolver] {
    struct in_addr a;
    memset(&a, 0, sizeof a);
    const bool found = resolver(name.c_str(), &a);
    std::lock_guard<std::mutex> lock(shared->mutex);
    shared->finished = true;
    shared->found = found;
    shared->address = a;
    shared->done.notify_all();
  }).detach();
  std::unique_lock<std::mutex> lock(shared->mutex);
  shared->done.wait_for(lock, std::chrono::milliseconds(deadline.remainingMs()), [&] { return shared->finished; });
  if (!shared->finished || !shared->found) return false;
  *address = shared->address;
  return true;
}
}  // namespace

CheckWebForUpdates::CheckWebForUpdates()
    : statusCode(0), timeoutMs(DEFAULT_TIMEOUT_MS), resolver(systemResolver) {}

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
  // One limit for the whole check.
  const Deadline deadline(timeoutMs);
  struct sockaddr_in addr;
  memset(&addr, 0, sizeof addr);
  addr.sin_family = AF_INET;
  addr.sin_port = htons(static_cast<uint16_t>(port));
  if (!resolver || !resolveWithin(resolver, host, deadline, &addr.sin_addr)) {
    statusCode = RESOLVE_FAILED;
    return false;
  }

  int flags = fcntl(fd, F_GETFL, 0);
  if (flags >= 0) fcntl(fd, F_SETFL, flags | O_NONBLOCK);
  if (!connectWithin(fd, addr, deadline)) {
    statusCode = CONNECT_FAILED;
    return false;
  }

  // The request, in four pieces. A failed send shows up as a failed read.
  const FXString request[4] = {FXStringFormat("GET %s HTTP/1.0\r\n", path.text()), "Accept-Language: en-us\r\n",
                               "Accept-Encoding: gzip, deflate\r\n", FXStringFormat("Host: %s\r\n\r\n", host.text())};
  for (const FXString& piece : request)
    if (sendAll(fd, piece, deadline) != IO_OK) break;

  // The whole reply, to the end of the stream.
  std::string reply;
  char buf[1024];
  for (;;) {
    ssize_t got = 0;
    IoResult r = receive(fd, buf, sizeof buf, &got, deadline);
    if (r == IO_TIMEOUT) {
      statusCode = READ_FAILED;
      return false;
    }
    if (r != IO_OK) break;
    reply.append(buf, static_cast<size_t>(got));
    if (reply.size() > static_cast<size_t>(MAX_HEADER_BYTES) + MAX_BODY_BYTES) {
      statusCode = READ_FAILED;
      return false;
    }
  }
  statusCode = parseReply(reply.data(), reply.size(), currentVersion, webVersion);
  return statusCode == NEWER_VERSION || statusCode == CURRENT_VERSION;
}

int CheckWebForUpdates::parseReply(const char* reply, size_t size, double currentVersion, double* webVersion) {
  *webVersion = 0.0;
  if (!reply) return READ_FAILED;
  // The header ends after the line feed of its first empty line (a line of
  // nothing but carriage returns); a reply without one has no body.
  size_t lineStart = 0;
  size_t headerEnd = 0;
  std::string statusLine;
  bool haveStatusLine = false;
  for (size_t i = 0; i < size && i < static_cast<size_t>(MAX_HEADER_BYTES); ++i) {
    if (reply[i] != '\n') continue;
    if (!haveStatusLine) {
      statusLine.assign(reply, i);
      while (!statusLine.empty() && statusLine[statusLine.size() - 1] == '\r') statusLine.erase(statusLine.size() - 1);
      haveStatusLine = true;
    } else if (isEmptyLine(reply, lineStart, i)) {
      headerEnd = i + 1;
      break;
    }
    lineStart = i + 1;
  }
  if (!haveStatusLine || !statusLineSays200(statusLine) || headerEnd == 0) return READ_FAILED;

  // The body up to its first zero byte.
  size_t bodyEnd = headerEnd;
  while (bodyEnd < size && reply[bodyEnd] != '\0') ++bodyEnd;
  if (bodyEnd - headerEnd > static_cast<size_t>(MAX_BODY_BYTES)) return READ_FAILED;
  double version = 0.0;
  if (!versionNumber(std::string(reply + headerEnd, bodyEnd - headerEnd), &version)) return READ_FAILED;
  *webVersion = version;
  return (version - currentVersion > 0.009) ? NEWER_VERSION : CURRENT_VERSION;
}
