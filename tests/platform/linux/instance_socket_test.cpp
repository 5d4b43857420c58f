#include "platform/linux/instance_socket.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "app/instance_request.h"
#include "support/scoped_temp_dir.h"

namespace {

// Leaves a socket file at `path` with nothing listening, as a killed instance does.
void LeaveSocketFile(const std::string& path, mode_t mode) {
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
  ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ::chmod(path.c_str(), mode);
  ::close(fd);
}

TEST(InstanceSocketTest, ClientsReachOnlyAPrivateSocketOfTheirOwnUser) {
  ScopedTempDir folder;
  const std::string path = InstanceSocketPath(folder.Path() + "/lock");
  std::string error;

  EXPECT_EQ(SendToInstance(path, "show\n", 100, &error), InstanceSendResult::NoInstance);
  LeaveSocketFile(path, 0700);
  EXPECT_EQ(SendToInstance(path, "show\n", 100, &error), InstanceSendResult::NoInstance);

  // The running instance takes the stale name over, made private whatever the umask.
  InstanceSocketListener listener;
  ASSERT_TRUE(listener.Listen(path, &error)) << error;
  struct stat status {};
  ASSERT_EQ(::lstat(path.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0700U);

  // Answered once the instance has read the line; a client with no answer gives up.
  std::thread instance([&listener] {
    int client = -1;
    while ((client = listener.Accept()) < 0) {
      std::this_thread::yield();
    }
    char line[16] = {};
    while (::recv(client, line, sizeof line - 1, 0) < 0) {
      std::this_thread::yield();
    }
    EXPECT_STREQ(line, "toggle\n");
    ::send(client, kInstanceRequestDone.data(), kInstanceRequestDone.size(), MSG_NOSIGNAL);
    ::close(client);
  });
  EXPECT_EQ(SendToInstance(path, "toggle\n", 5000, &error), InstanceSendResult::Done);
  instance.join();
  EXPECT_EQ(SendToInstance(path, "toggle\n", 100, &error), InstanceSendResult::Failed);

  // Open to others, or another user's: refused before anything is sent.
  ::chmod(path.c_str(), 0770);
  EXPECT_EQ(SendToInstance(path, "hide\n", 100, &error), InstanceSendResult::Refused);
  ::chmod(path.c_str(), 0700);
  if (::geteuid() == 0) {
    ASSERT_EQ(::lchown(path.c_str(), 12345, static_cast<gid_t>(-1)), 0);
    EXPECT_EQ(SendToInstance(path, "hide\n", 100, &error), InstanceSendResult::Refused);
    // Nor is another user's file at the name taken over by a new instance.
    InstanceSocketListener second;
    EXPECT_FALSE(second.Listen(path, &error));
    ASSERT_EQ(::lchown(path.c_str(), 0, static_cast<gid_t>(-1)), 0);
  }
}

// The listener holds the lock, so whatever of ours sits at the path is not an instance:
// it is replaced (a link goes, its target stays); only a folder is refused.
TEST(InstanceSocketTest, ListeningReplacesWhatIsLeftAtThePathAndTheSocketGoesWithTheListener) {
  ScopedTempDir folder;
  const std::string path = InstanceSocketPath(folder.Path() + "/lock");
  const std::string target = folder.File("target");
  WriteTestFile(target, "kept");
  const std::function<void()> plant[] = {
      [] {},
      [&] { WriteTestFile(path, "garbage"); },
      [&] { ASSERT_EQ(::symlink(target.c_str(), path.c_str()), 0); },
      [&] { LeaveSocketFile(path, 0777); },
  };
  for (const auto& planted : plant) {
    planted();
    std::string error;
    {
      InstanceSocketListener listener;
      ASSERT_TRUE(listener.Listen(path, &error)) << error;
      struct stat status {};
      ASSERT_EQ(::lstat(path.c_str(), &status), 0);
      EXPECT_TRUE(S_ISSOCK(status.st_mode));
    }
    EXPECT_NE(::access(path.c_str(), F_OK), 0);
    EXPECT_EQ(ReadTestFile(target), "kept");
  }
  ASSERT_EQ(::mkdir(path.c_str(), 0700), 0);
  InstanceSocketListener listener;
  std::string error;
  EXPECT_FALSE(listener.Listen(path, &error));
  EXPECT_NE(error.find(path), std::string::npos);
}

// However the instance fails to answer, the client's wait is bounded and says why.
TEST(InstanceSocketTest, AClientWaitsBoundedAndNamesWhyItGotNoAnswer) {
  ScopedTempDir folder;
  struct Case {
    std::string path;
    bool listen;    // a socket that accepts nothing and never answers
    int fillQueue;  // connections left waiting before ours
    const char* reason;
  };
  const std::string longPath = folder.Path() + "/" + std::string(120, 'x') + ".socket";
  const Case cases[] = {
      {longPath, false, 0, std::strerror(ENAMETOOLONG)},
      {folder.File("silent.socket"), true, 0, std::strerror(ETIMEDOUT)},
      {folder.File("full.socket"), true, 64, std::strerror(ETIMEDOUT)},
  };
  for (const Case& c : cases) {
    InstanceSocketListener listener;
    std::vector<int> waiting;
    if (c.listen) {
      std::string error;
      ASSERT_TRUE(listener.Listen(c.path, &error)) << error;
      for (int i = 0; i < c.fillQueue; ++i) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, c.path.c_str(), sizeof address.sun_path - 1);
        ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
        waiting.push_back(fd);
      }
    }
    std::string error;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(SendToInstance(c.path, "show\n", 300, &error), InstanceSendResult::Failed);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2)) << c.path;
    EXPECT_NE(error.find(c.path + ": " + c.reason), std::string::npos) << error;
    for (const int fd : waiting) {
      ::close(fd);
    }
  }
}

}  // namespace
