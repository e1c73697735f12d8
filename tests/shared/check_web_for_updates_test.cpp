// The update check against a small HTTP server of the test's own on the
// loopback interface.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
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
  explicit OneShotServer(std::string reply, bool silent = false) : reply_(std::move(reply)), silent_(silent) {
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
      size_t sent = 0;
      while (sent < reply_.size()) {
        ssize_t n = send(c, reply_.data() + sent, reply_.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) break;
        sent += static_cast<size_t>(n);
      }
    }
    close(c);
  }

  std::string reply_;
  bool silent_;
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
      {"body that is no number reads as 0", "HTTP/1.0 200 OK\r\n\r\n<html>", true, 5, 0.0},
      {"a piece counts up to its first zero byte", std::string("HTTP/1.0 200 OK\r\n\r\n2.95\0" "77", 26), true, 4,
       2.95},
      {"lines holding only carriage returns end the header", "HTTP/1.0 200 OK\r\n\r\r\n3.5", true, 4, 3.5},
      {"\" 200 \" anywhere in the header counts", "HTTP/1.0 404 Not Found\r\nX-Note: see 200 here\r\n\r\n2.9", true,
       4, 2.9},
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
    // A header of exactly the limit that the server ends by closing is not
    // too long: its " 200 " counts and the (empty) body reads as 0.
    std::string header = "HTTP/1.0 200 OK\r\nX: ";
    header += std::string(CheckWebForUpdates::MAX_HEADER_BYTES - header.size() - 2, 'c') + "\r\n";
    ASSERT_EQ(header.size(), static_cast<size_t>(CheckWebForUpdates::MAX_HEADER_BYTES));
    OneShotServer server(header);
    Outcome o = checkAgainst(server);
    EXPECT_TRUE(o.ok);
    EXPECT_EQ(o.status, 5);
    EXPECT_EQ(o.web, 0.0);
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
