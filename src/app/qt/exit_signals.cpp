#include "app/qt/exit_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>

namespace {

constexpr int kExitSignals[] = {SIGINT, SIGTERM, SIGHUP};

// Read end, write end. Written only here and by the constructor and destructor.
int g_signalPipe[2] = {-1, -1};

extern "C" void OnExitSignal(int signalNumber) {
  const int savedErrno = errno;
  const char byte = static_cast<char>(signalNumber);
  // Non-blocking: with the pipe full, enough wake-ups are waiting already.
  [[maybe_unused]] const ssize_t written = ::write(g_signalPipe[1], &byte, 1);
  errno = savedErrno;
}

}  // namespace

ExitSignals::ExitSignals(QObject* parent) : QObject(parent) {
  if (::pipe2(g_signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
    // Without a pipe the default handlers stay: a signal still ends the process.
    return;
  }
  struct sigaction action {};
  action.sa_handler = OnExitSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signalNumber : kExitSignals) {
    ::sigaction(signalNumber, &action, nullptr);
  }
}

void ExitSignals::Listen() {
  if (g_signalPipe[0] < 0 || m_notifier != nullptr) {
    return;
  }
  // The pipe keeps what came before: the notifier sees it as readable at once.
  m_notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, this);
  connect(m_notifier, &QSocketNotifier::activated, this, &ExitSignals::Drain);
}

ExitSignals::~ExitSignals() {
  if (g_signalPipe[0] < 0) {
    return;
  }
  struct sigaction action {};
  action.sa_handler = m_ignoreAfterwards ? SIG_IGN : SIG_DFL;
  sigemptyset(&action.sa_mask);
  for (const int signalNumber : kExitSignals) {
    ::sigaction(signalNumber, &action, nullptr);
  }
  delete m_notifier;
  ::close(g_signalPipe[0]);
  ::close(g_signalPipe[1]);
  g_signalPipe[0] = g_signalPipe[1] = -1;
}

void ExitSignals::Drain() {
  char bytes[64];
  for (;;) {
    const ssize_t got = ::read(g_signalPipe[0], bytes, sizeof bytes);
    if (got < 0 && errno == EINTR) {
      continue;
    }
    if (got <= 0) {
      return;
    }
    for (ssize_t i = 0; i < got; ++i) {
      emit exitRequested();
    }
  }
}
