#include "platform/linux/instance_contact.h"

#include <chrono>
#include <cstdlib>
#include <thread>

namespace {

// How long an answer may take: the instance shows the window before it answers.
constexpr int kAnswerTimeoutMs = 5000;
constexpr auto kStartWait = std::chrono::seconds(5);
constexpr auto kRetryInterval = std::chrono::milliseconds(100);

}  // namespace

std::string ActivationTokenFromEnvironment() {
  for (const char* name : {"XDG_ACTIVATION_TOKEN", "DESKTOP_STARTUP_ID"}) {
    if (const char* token = std::getenv(name); token != nullptr && *token != '\0') {
      return token;
    }
  }
  return {};
}

InstanceSendResult AskRunningInstance(const std::string& lockPath, InstanceRequest request,
                                      const std::string& activationToken, std::string* error) {
  const std::string path = InstanceSocketPath(lockPath);
  const std::string line = FormatInstanceRequest(request, activationToken);
  const auto deadline = std::chrono::steady_clock::now() + kStartWait;
  for (;;) {
    const InstanceSendResult result = SendToInstance(path, line, kAnswerTimeoutMs, error);
    if (result != InstanceSendResult::NoInstance) {
      return result;
    }
    if (std::chrono::steady_clock::now() > deadline) {
      *error += " (VOSTEK runs but takes no requests: it may be ending, with a message open)";
      return result;
    }
    std::this_thread::sleep_for(kRetryInterval);
  }
}
