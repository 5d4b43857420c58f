#pragma once

#include <string>
#include <string_view>

// The local socket through which later starts reach the running instance. It lives
// beside the single-instance lock, and only the user who runs the instance may use it:
// the socket file is the user's own with no access for others, and each end checks who
// is at the other end.

// The socket's path for a lock at `lockPath`.
std::string InstanceSocketPath(const std::string& lockPath);

// The running instance's end. Listen only while holding the single-instance lock: a
// socket of ours left at the path by an instance that was killed is taken over.
class InstanceSocketListener {
 public:
  InstanceSocketListener() = default;
  ~InstanceSocketListener();  // stops listening and removes the socket file
  InstanceSocketListener(const InstanceSocketListener&) = delete;
  InstanceSocketListener& operator=(const InstanceSocketListener&) = delete;

  // False, with the reason in `error`, when the socket cannot be made; a file at the
  // path that is not our own socket is left alone and refused.
  bool Listen(const std::string& path, std::string* error);
  // The descriptor to watch for new connections; -1 when not listening.
  int Descriptor() const { return m_fd; }
  // The next waiting connection from the same user, non-blocking, or -1 when none waits.
  // Connections of other users are closed unanswered.
  int Accept();

 private:
  int m_fd = -1;
  std::string m_path;
  unsigned long m_device = 0;
  unsigned long m_inode = 0;
};

enum class InstanceSendResult {
  Done,        // the running instance carried the request out
  NoInstance,  // nothing listens: no instance runs (or a killed one left its socket)
  Refused,     // the socket is not the user's own, or is open to others
  Failed,      // connected, but no answer came in time
};

// Sends one request line to the instance at `path` and waits up to `timeoutMs` for its
// answer. `error` tells why on anything but Done.
InstanceSendResult SendToInstance(const std::string& path, std::string_view line, int timeoutMs,
                                  std::string* error);
