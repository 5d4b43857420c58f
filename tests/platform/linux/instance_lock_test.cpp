#include "platform/linux/instance_lock.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "support/scoped_env.h"
#include "support/scoped_temp_dir.h"

extern char** environ;

namespace {

class InstanceLockTest : public testing::Test {
 protected:
  ScopedTempDir m_dir;
  std::string m_path = m_dir.File("letsgosoundingourheels");
  std::string m_error;
};

}  // namespace

TEST_F(InstanceLockTest, OnlyOneHolderAtATime) {
  InstanceLock first;
  ASSERT_EQ(first.Acquire(m_path, &m_error), InstanceLock::Result::Acquired) << m_error;
  EXPECT_TRUE(first.IsHeld());
  {
    InstanceLock second;
    EXPECT_EQ(second.Acquire(m_path, &m_error), InstanceLock::Result::HeldElsewhere);
    EXPECT_FALSE(second.IsHeld());
  }
  // A lock that was not granted takes nothing away from the holder.
  InstanceLock third;
  EXPECT_EQ(third.Acquire(m_path, &m_error), InstanceLock::Result::HeldElsewhere);
}

TEST_F(InstanceLockTest, ReleasedWhenTheHolderGoes) {
  std::optional<InstanceLock> first(std::in_place);
  ASSERT_EQ(first->Acquire(m_path, &m_error), InstanceLock::Result::Acquired) << m_error;
  first.reset();
  InstanceLock next;
  EXPECT_EQ(next.Acquire(m_path, &m_error), InstanceLock::Result::Acquired) << m_error;
}

TEST_F(InstanceLockTest, AProgramStartedMeanwhileDoesNotKeepTheLock) {
  std::optional<InstanceLock> lock(std::in_place);
  ASSERT_EQ(lock->Acquire(m_path, &m_error), InstanceLock::Result::Acquired) << m_error;
  pid_t child = 0;
  char sleepPath[] = "/bin/sleep";
  char seconds[] = "30";
  char* argv[] = {sleepPath, seconds, nullptr};
  ASSERT_EQ(::posix_spawn(&child, sleepPath, nullptr, nullptr, argv, environ), 0);
  lock.reset();
  InstanceLock next;
  EXPECT_EQ(next.Acquire(m_path, &m_error), InstanceLock::Result::Acquired);
  ::kill(child, SIGKILL);
  ::waitpid(child, nullptr, 0);
}

TEST_F(InstanceLockTest, RefusesAPlantedLinkOrFolder) {
  const std::string target = m_dir.File("elsewhere");
  std::filesystem::create_symlink(target, m_path);
  InstanceLock viaLink;
  EXPECT_EQ(viaLink.Acquire(m_path, &m_error), InstanceLock::Result::Failed);
  EXPECT_FALSE(m_error.empty());
  EXPECT_FALSE(TestFileExists(target));

  const std::string folder = m_dir.File("folder");
  std::filesystem::create_directory(folder);
  InstanceLock onFolder;
  EXPECT_EQ(onFolder.Acquire(folder, &m_error), InstanceLock::Result::Failed);
}

TEST_F(InstanceLockTest, AMissingFolderIsAFailureNotAnotherInstance) {
  InstanceLock lock;
  EXPECT_EQ(lock.Acquire(m_dir.File("gone/lock"), &m_error), InstanceLock::Result::Failed);
  EXPECT_FALSE(m_error.empty());
}

// The lock lives in a folder of the user's own, closed to others: made in the runtime
// folder, or in the temp folder where a name someone else took is passed over in order.
TEST(InstanceLockPathTest, AFolderOfOurOwnInTheRuntimeFolderElseInTheTempFolder) {
  ScopedTempDir base;
  const std::string uid = std::to_string(::getuid());
  const std::string perUser = base.File("vostek-" + uid);
  struct Case {
    const char* runtime;  // XDG_RUNTIME_DIR, relative to `base`; nullptr: unset
    std::function<void()> plant;
    std::string folder;
  };
  const Case cases[] = {
      {"", [] {}, base.File("vostek")},
      {nullptr, [] {}, perUser},
      {"relative/dir", [] {}, perUser},  // not usable: ignored
      // Someone else's file, a link to their folder, a folder others may enter.
      {nullptr, [&] { WriteTestFile(perUser, "planted"); }, perUser + ".1"},
      {nullptr, [&] { std::filesystem::create_directory_symlink(base.Path(), perUser); },
       perUser + ".1"},
      {nullptr,
       [&] {
         std::filesystem::create_directory(perUser);
         ::chmod(perUser.c_str(), 0777);
       },
       perUser + ".1"},
  };
  for (const Case& c : cases) {
    std::filesystem::remove_all(perUser);
    std::filesystem::remove_all(perUser + ".1");
    c.plant();
    const std::string runtime = c.runtime == nullptr  ? ""
                                : c.runtime[0] == 'r' ? c.runtime
                                                      : base.Path() + c.runtime;
    ScopedEnv runtimeDir("XDG_RUNTIME_DIR", c.runtime == nullptr ? nullptr : runtime.c_str());
    ScopedEnv temp("TMPDIR", base.Path().c_str());
    const std::string path = DefaultInstanceLockPath();
    EXPECT_EQ(path, c.folder + "/letsgosoundingourheels");
    struct stat status {};
    ASSERT_EQ(::lstat(c.folder.c_str(), &status), 0);
    EXPECT_TRUE(S_ISDIR(status.st_mode));
    EXPECT_EQ(status.st_mode & 0777, 0700u);
    InstanceLock lock;
    std::string error;
    EXPECT_EQ(lock.Acquire(path, &error), InstanceLock::Result::Acquired) << error;
  }
  // A lock asked for in a shared folder is refused, not made there.
  InstanceLock shared;
  std::string error;
  EXPECT_EQ(shared.Acquire(perUser + "/letsgosoundingourheels", &error),
            InstanceLock::Result::Failed);
  EXPECT_FALSE(TestFileExists(perUser + "/letsgosoundingourheels"));
}
