#include "app/qt/instance_request_server.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <QTimer>
#include <cerrno>
#include <utility>

namespace {

// A request is one short line, sent at once; a client silent for longer is not ours.
constexpr int kClientTimeoutMs = 2000;
// Connections beyond this many wait in the socket's queue until one of these is done,
// so a flood cannot pile up here.
constexpr std::size_t kMaxClients = 16;

}  // namespace

// One connection: its descriptor, what it has sent so far and its time limit. Owned by
// the server as a child object; closes its descriptor when it goes.
class InstanceRequestServer::RequestClient : public QObject {
 public:
  RequestClient(int fd, QObject* parent)
      : QObject(parent), fd(fd), notifier(fd, QSocketNotifier::Read, this) {
    timer.setSingleShot(true);
    timer.start(kClientTimeoutMs);
  }
  ~RequestClient() override { ::close(fd); }
  RequestClient(const RequestClient&) = delete;
  RequestClient& operator=(const RequestClient&) = delete;

  int fd;
  std::string received;
  QSocketNotifier notifier;
  QTimer timer{this};
};

InstanceRequestServer::InstanceRequestServer(Handler handler, QObject* parent)
    : QObject(parent), m_handler(std::move(handler)) {}

InstanceRequestServer::~InstanceRequestServer() = default;

bool InstanceRequestServer::Listen(const std::string& path, std::string* error) {
  if (!m_listener.Listen(path, error)) {
    return false;
  }
  m_listening = new QSocketNotifier(m_listener.Descriptor(), QSocketNotifier::Read, this);
  connect(m_listening, &QSocketNotifier::activated, this, &InstanceRequestServer::AcceptWaiting);
  return true;
}

void InstanceRequestServer::AcceptWaiting() {
  while (m_clients.size() < kMaxClients) {
    const int fd = m_listener.Accept();
    if (fd < 0) {
      return;
    }
    auto* client = new RequestClient(fd, this);
    m_clients[fd] = client;
    connect(&client->notifier, &QSocketNotifier::activated, this, [this, fd] { Read(fd); });
    connect(&client->timer, &QTimer::timeout, this, [this, fd] { Drop(fd); });
  }
  m_listening->setEnabled(false);  // until a client is done
}

void InstanceRequestServer::Read(int fd) {
  const auto found = m_clients.find(fd);
  if (found == m_clients.end()) {
    return;
  }
  RequestClient* client = found->second;
  char buffer[256];
  for (;;) {
    const ssize_t got = ::recv(fd, buffer, sizeof buffer, MSG_DONTWAIT);
    if (got < 0 && errno == EINTR) {
      continue;
    }
    if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      break;
    }
    if (got <= 0) {
      Drop(fd);  // closed before a whole line came, or failed
      return;
    }
    client->received.append(buffer, static_cast<std::size_t>(got));
    if (client->received.find('\n') != std::string::npos ||
        client->received.size() > kMaxInstanceRequestLine) {
      break;
    }
  }
  const std::size_t end = client->received.find('\n');
  if (end == std::string::npos) {
    if (client->received.size() > kMaxInstanceRequestLine) {
      Drop(fd);
    }
    return;
  }
  const auto request = ParseInstanceRequest(std::string_view(client->received).substr(0, end));
  if (request) {
    m_handler(*request);
    ::send(fd, kInstanceRequestDone.data(), kInstanceRequestDone.size(),
           MSG_DONTWAIT | MSG_NOSIGNAL);
  }
  Drop(fd);
}

void InstanceRequestServer::Drop(int fd) {
  const auto found = m_clients.find(fd);
  if (found == m_clients.end()) {
    return;
  }
  RequestClient* client = found->second;
  m_clients.erase(found);
  // Deleted later: this may run inside the client's own notifier or timer.
  client->notifier.setEnabled(false);
  client->timer.stop();
  client->deleteLater();
  m_listening->setEnabled(true);
}
