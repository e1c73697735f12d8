// The update check against a small HTTP server of the test's own on the
// loopback interface.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

#include "CheckWebForUpdates.h"
#include "TestHarness.h"

using namespace FX;

namespace {
// Serves one connection: reads the request up to its empty line, then
// sends `reply` (unless `silent`), then closes.
class OneShotServer {
public:
  explicit OneShotServer(std::string reply, bool silent = false, int pauseMs = 0)
      : reply_(std::move(reply)), silent_(silent), pauseMs_(pauseMs) {
    fd_ = socket(AF_INET, SOCK_STREAM, 0);
    struct sockaddr_in a = {};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = 0;
    bind(fd_, reinterpret_cast<struct sockaddr*>(&a), sizeof a);
    listen(fd_, 1);
    socklen_t len = sizeof a;
    getsockname(fd_, reinterpret_cast<struct sockaddr*>(&a), &len);
    port_ = ntohs(a.sin_port);
    thread_ = std::thread([this] { serve(); });
  }
  ~OneShotServer() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    close(fd_);
  }
  int port() const { return port_; }
  std::string request() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    return request_;
  }

private:
  void serve() {
    struct pollfd p = {fd_, POLLIN, 0};
    while (!stop_ && poll(&p, 1, 20) == 0) {
    }
    if (stop_) return;
    int c = accept(fd_, nullptr, nullptr);
    if (c < 0) return;
    char ch;
    while (request_.find("\r\n\r\n") == std::string::npos && recv(c, &ch, 1, 0) == 1) request_ += ch;
    if (silent_) {
      while (!stop_) usleep(5000);
    } else {
      // With a pause, every '|' of the reply is a pause instead of a byte.
      size_t start = 0;
      for (;;) {
        const size_t bar = pauseMs_ > 0 ? reply_.find('|', start) : std::string::npos;
        const std::string piece = reply_.substr(start, bar == std::string::npos ? std::string::npos : bar - start);
        size_t sent = 0;
        while (sent < piece.size()) {
          ssize_t n = send(c, piece.data() + sent, piece.size() - sent, MSG_NOSIGNAL);
          if (n <= 0) break;
          sent += static_cast<size_t>(n);
        }
        if (bar == std::string::npos) break;
        for (int waited = 0; waited < pauseMs_ && !stop_; waited += 5) usleep(5000);
        start = bar + 1;
      }
    }
    close(c);
  }

  std::string reply_;
  bool silent_;
  int pauseMs_;
  int fd_ = -1;
  int port_ = 0;
  std::atomic<bool> stop_{false};
  std::string request_;
  std::thread thread_;
};

struct Outcome {
  bool ok;
  int status;
  double web;
};

Outcome checkAgainst(OneShotServer& server, double current = 2.81, int timeoutMs = 2000) {
  CheckWebForUpdates check;
  check.setTimeoutMs(timeoutMs);
  double web = -1;
  bool ok = check.checkForUpdates(current, &web, "127.0.0.1", "/version_qwr.txt", server.port());
  return {ok, check.getStatusCode(), web};
}

int closedPort() {
  int fd = socket(AF_INET, SOCK_STREAM, 0);
  struct sockaddr_in a = {};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  bind(fd, reinterpret_cast<struct sockaddr*>(&a), sizeof a);
  socklen_t len = sizeof a;
  getsockname(fd, reinterpret_cast<struct sockaddr*>(&a), &len);
  close(fd);
  return ntohs(a.sin_port);
}
}  // namespace

TEST(CheckWebForUpdates, StartsAtStatusZero) {
  CheckWebForUpdates check;
  EXPECT_EQ(check.getStatusCode(), 0);
}

TEST(CheckWebForUpdates, SendsExactlyTheRequestBytes) {
  OneShotServer server("HTTP/1.0 200 OK\r\n\r\n2.81");
  checkAgainst(server);
  EXPECT_EQ(server.request(),
            "GET /version_qwr.txt HTTP/1.0\r\nAccept-Language: en-us\r\nAccept-Encoding: gzip, deflate\r\n"
            "Host: 127.0.0.1\r\n\r\n");
}

TEST(CheckWebForUpdates, ResponsesGiveTheirStatus) {
  struct Case {
    const char* what;
    std::string reply;
    bool ok;
    int status;
    double web;
  } cases[] = {
      {"newer version", "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\n2.82", true, 4, 2.82},
      {"difference of 0.005 is current", "HTTP/1.0 200 OK\r\n\r\n2.815", true, 5, 2.815},
      {"same version", "HTTP/1.0 200 OK\r\n\r\n2.81", true, 5, 2.81},
      {"leading blanks and a trailing new line", "HTTP/1.1 200 OK\r\n\r\n   2.90\n", true, 4, 2.90},
      {"HTTP/1.1 without a reason phrase", "HTTP/1.1 200\r\n\r\n2.9", true, 4, 2.9},
      {"another status in a later line does not count", "HTTP/1.0 200 OK\r\nX-Note: 404\r\n\r\n2.9", true, 4, 2.9},
      {"a piece counts up to its first zero byte", std::string("HTTP/1.0 200 OK\r\n\r\n2.95\0" "77", 26), true, 4,
       2.95},
      {"lines holding only carriage returns end the header", "HTTP/1.0 200 OK\r\n\r\r\n3.5", true, 4, 3.5},
      // The status comes from the status line only: " 200 " in another
      // line offered a new version for a reply of 404.
      {"\" 200 \" in another header line", "HTTP/1.0 404 Not Found\r\nX-Note: see 200 here\r\n\r\n2.9", false, 3,
       0.0},
      {"status 2000", "HTTP/1.0 2000 OK\r\n\r\n2.9", false, 3, 0.0},
      {"a status line that is not HTTP", "ICY 200 OK\r\n\r\n2.9", false, 3, 0.0},
      {"200 only in the reason phrase", "HTTP/1.0 500 200 \r\n\r\n2.9", false, 3, 0.0},
      // A missing or non-numeric body is a failed check: a reply cut after
      // its status line said "You have the current version".
      {"reply cut after the status line", "HTTP/1.0 200 OK\r\n", false, 3, 0.0},
      {"reply cut inside the header", "HTTP/1.0 200 OK\r\nContent-Type: text/pl", false, 3, 0.0},
      {"empty body", "HTTP/1.0 200 OK\r\n\r\n", false, 3, 0.0},
      {"blank body", "HTTP/1.0 200 OK\r\n\r\n \r\n\t", false, 3, 0.0},
      {"body that is no number", "HTTP/1.0 200 OK\r\n\r\n<html>", false, 3, 0.0},
      {"number followed by text", "HTTP/1.0 200 OK\r\n\r\n2.9 beta", false, 3, 0.0},
      {"signed number", "HTTP/1.0 200 OK\r\n\r\n-2.9", false, 3, 0.0},
      {"exponent", "HTTP/1.0 200 OK\r\n\r\n3e1", false, 3, 0.0},
      {"hexadecimal", "HTTP/1.0 200 OK\r\n\r\n0x3", false, 3, 0.0},
      {"infinity", "HTTP/1.0 200 OK\r\n\r\ninf", false, 3, 0.0},
      {"a point alone", "HTTP/1.0 200 OK\r\n\r\n.", false, 3, 0.0},
      {"a number with a point and no fraction", "HTTP/1.0 200 OK\r\n\r\n3.", true, 4, 3.0},
      {"404", "HTTP/1.0 404 Not Found\r\n\r\nnot here", false, 3, 0.0},
      {"server closes in the middle of the header", "HTTP/1.0 20", false, 3, 0.0},
      {"a line is searched only at its line feed", "HTTP/1.0 200 OK", false, 3, 0.0},
      {"no reply at all", "", false, 3, 0.0},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(c.what);
    OneShotServer server(c.reply);
    Outcome o = checkAgainst(server);
    EXPECT_EQ(o.ok, c.ok);
    EXPECT_EQ(o.status, c.status);
    EXPECT_DOUBLE_EQ(o.web, c.web);
  }
}

TEST(CheckWebForUpdates, UnresolvableHostAndRefusedPort) {
  CheckWebForUpdates check;
  double web = -1;
  EXPECT_FALSE(check.checkForUpdates(2.81, &web, "no-such-host.invalid", "/version_qwr.txt"));
  EXPECT_EQ(check.getStatusCode(), 1);
  EXPECT_EQ(web, 0.0);
  EXPECT_FALSE(check.checkForUpdates(2.81, &web, "127.0.0.1", "/version_qwr.txt", closedPort()));
  EXPECT_EQ(check.getStatusCode(), 2);
}

TEST(CheckWebForUpdates, SilentServerTimesOutAsReadError) {
  OneShotServer server("", true);
  Outcome o = checkAgainst(server, 2.81, 200);
  EXPECT_FALSE(o.ok);
  EXPECT_EQ(o.status, 3);
}

TEST(CheckWebForUpdates, OversizeHeaderOrBodyIsAReadError) {
  {
    std::string hugeHeader = "HTTP/1.0 200 OK\r\nX-Filler: " + std::string(10 * 1024 * 1024, 'a') + "\r\n\r\n2.9";
    OneShotServer server(hugeHeader);
    Outcome o = checkAgainst(server);
    EXPECT_FALSE(o.ok);
    EXPECT_EQ(o.status, 3);
  }
  {
    std::string hugeBody = "HTTP/1.0 200 OK\r\n\r\n2.9" + std::string(100 * 1024, ' ');
    OneShotServer server(hugeBody);
    Outcome o = checkAgainst(server);
    EXPECT_FALSE(o.ok);
    EXPECT_EQ(o.status, 3);
  }
  {
    // Just inside the header limit in lines of four bytes.
    std::string header = "HTTP/1.0 200 OK\r\n";
    while (header.size() < 63 * 1024) header += "a:\r\n";
    OneShotServer server(header + "\r\n2.9");
    Outcome o = checkAgainst(server);
    EXPECT_TRUE(o.ok);
    EXPECT_EQ(o.status, 4);
    EXPECT_DOUBLE_EQ(o.web, 2.9);
  }
  {
    // A header of exactly the limit that the server ends by closing has
    // no body: no version, a failed check.
    std::string header = "HTTP/1.0 200 OK\r\nX: ";
    header += std::string(CheckWebForUpdates::MAX_HEADER_BYTES - header.size() - 2, 'c') + "\r\n";
    ASSERT_EQ(header.size(), static_cast<size_t>(CheckWebForUpdates::MAX_HEADER_BYTES));
    OneShotServer server(header);
    Outcome o = checkAgainst(server);
    EXPECT_FALSE(o.ok);
    EXPECT_EQ(o.status, 3);
    EXPECT_EQ(o.web, 0.0);
  }
  {
    // A header that ends exactly at the limit still has its body.
    std::string header = "HTTP/1.0 200 OK\r\nX: ";
    header += std::string(CheckWebForUpdates::MAX_HEADER_BYTES - header.size() - 4, 'c') + "\r\n\r\n";
    ASSERT_EQ(header.size(), static_cast<size_t>(CheckWebForUpdates::MAX_HEADER_BYTES));
    OneShotServer server(header + "2.9");
    Outcome o = checkAgainst(server);
    EXPECT_TRUE(o.ok);
    EXPECT_EQ(o.status, 4);
  }
  {
    // Just inside both limits.
    std::string header = "HTTP/1.0 200 OK\r\nX: " + std::string(60 * 1024, 'b') + "\r\n\r\n";
    OneShotServer server(header + "3.1" + std::string(60 * 1024, ' '));
    Outcome o = checkAgainst(server);
    EXPECT_TRUE(o.ok);
    EXPECT_EQ(o.status, 4);
    EXPECT_DOUBLE_EQ(o.web, 3.1);
  }
}

// The header and the body each had the whole time limit, and connecting
// and sending theirs: a server that trickles its reply held the window far
// longer than the limit. One limit holds for the whole check now.
TEST(CheckWebForUpdates, OneTimeLimitForTheWholeReply) {
  // Each part of the reply comes well inside the limit, the whole of it
  // not: the status line at once, the end of the header after 700 ms,
  // the body 700 ms later.
  OneShotServer server("HTTP/1.0 200 OK\r\n|\r\n|2.9", false, 700);
  Outcome o = checkAgainst(server, 2.81, 1000);
  EXPECT_FALSE(o.ok);
  EXPECT_EQ(o.status, 3);
  EXPECT_EQ(o.web, 0.0);
  // The same reply within a longer limit is read.
  OneShotServer patient("HTTP/1.0 200 OK\r\n|\r\n|2.9", false, 100);
  o = checkAgainst(patient, 2.81, 2000);
  EXPECT_EQ(o.status, 4);
}

namespace {
// A resolver that answers only when the test lets it.
std::mutex resolverMutex;
std::condition_variable resolverWake;
bool resolverReleased = false;
bool resolverFinished = false;

bool blockedResolver(const char*, struct in_addr* address) {
  std::unique_lock<std::mutex> lock(resolverMutex);
  resolverWake.wait(lock, [] { return resolverReleased; });
  address->s_addr = htonl(INADDR_LOOPBACK);
  resolverFinished = true;
  resolverWake.notify_all();
  return true;
}

bool loopbackResolver(const char*, struct in_addr* address) {
  address->s_addr = htonl(INADDR_LOOPBACK);
  return true;
}
}  // namespace

// Name resolution had no limit at all. It counts against the check's
// limit now: a resolver that does not answer in time is a failed
// resolution, and the check returns while the resolver still waits.
TEST(CheckWebForUpdates, ResolutionCountsAgainstTheLimit) {
  OneShotServer server("HTTP/1.0 200 OK\r\n\r\n2.9");
  CheckWebForUpdates check;
  check.setTimeoutMs(300);
  check.setResolver(blockedResolver);
  double web = -1;
  EXPECT_FALSE(check.checkForUpdates(2.81, &web, "update.example", "/version_qwr.txt", server.port()));
  EXPECT_EQ(check.getStatusCode(), 1);
  EXPECT_EQ(web, 0.0);
  {
    std::unique_lock<std::mutex> lock(resolverMutex);
    EXPECT_FALSE(resolverFinished);
    resolverReleased = true;
    resolverWake.notify_all();
    // The abandoned resolver ends on its own.
    EXPECT_TRUE(resolverWake.wait_for(lock, std::chrono::seconds(5), [] { return resolverFinished; }));
  }

  // A resolver's address is the one connected to.
  check.setResolver(loopbackResolver);
  check.setTimeoutMs(2000);
  EXPECT_TRUE(check.checkForUpdates(2.81, &web, "update.example", "/version_qwr.txt", server.port()));
  EXPECT_EQ(check.getStatusCode(), 4);
  EXPECT_DOUBLE_EQ(web, 2.9);
}

// The reply parser on its own, as the check hands it what arrived.
TEST(CheckWebForUpdates, ParseReplyTakesAnyBytes) {
  double web = -1;
  const std::string good = "HTTP/1.0 200 OK\r\n\r\n2.82\n";
  EXPECT_EQ(CheckWebForUpdates::parseReply(good.data(), good.size(), 2.81, &web), 4);
  EXPECT_DOUBLE_EQ(web, 2.82);
  EXPECT_EQ(CheckWebForUpdates::parseReply(good.data(), good.size() - 5, 2.81, &web), 3);  // the header alone
  EXPECT_EQ(CheckWebForUpdates::parseReply(nullptr, 0, 2.81, &web), 3);
  EXPECT_EQ(web, 0.0);
  const std::string zero("HTTP/1.0 200 OK\r\n\r\n\0" "2.9", 23);
  EXPECT_EQ(CheckWebForUpdates::parseReply(zero.data(), zero.size(), 2.81, &web), 3);
}
