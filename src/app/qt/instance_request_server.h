#pragma once

#include <QObject>
#include <functional>
#include <map>
#include <string>

#include "app/instance_request.h"
#include "platform/linux/instance_socket.h"

class QSocketNotifier;

// Takes the requests of later starts (vostek --show, --toggle, --hide, or a plain second
// start) from the instance's socket, one line per connection, and hands each to
// `handler` on the user-interface thread. A client that sends something else, too much,
// or nothing within a moment is dropped unanswered; none of them can hold the window up.
class InstanceRequestServer : public QObject {
  Q_OBJECT

 public:
  using Handler = std::function<void(const InstanceRequestLine&)>;

  explicit InstanceRequestServer(Handler handler, QObject* parent = nullptr);
  ~InstanceRequestServer() override;

  bool Listen(const std::string& path, std::string* error);

 private:
  void AcceptWaiting();
  void Read(int fd);
  void Drop(int fd);

  class RequestClient;

  Handler m_handler;
  InstanceSocketListener m_listener;
  QSocketNotifier* m_listening = nullptr;
  std::map<int, RequestClient*> m_clients;  // by descriptor; children of this object
};
