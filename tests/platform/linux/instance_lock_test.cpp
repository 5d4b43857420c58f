#include "platform/linux/instance_lock.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
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

TEST(InstanceLockPathTest, RuntimeFolderFirstThenAPerUserTempName) {
  {
    ScopedEnv runtime("XDG_RUNTIME_DIR", "/run/user/1234");
    EXPECT_EQ(DefaultInstanceLockPath(), "/run/user/1234/letsgosoundingourheels");
  }
  const std::string perUser = "/letsgosoundingourheels-" + std::to_string(::getuid());
  {
    ScopedEnv runtime("XDG_RUNTIME_DIR", nullptr);
    ScopedEnv temp("TMPDIR", "/var/tmp");
    EXPECT_EQ(DefaultInstanceLockPath(), "/var/tmp" + perUser);
  }
  {
    ScopedEnv runtime("XDG_RUNTIME_DIR", "relative/dir");  // not usable: ignored
    ScopedEnv temp("TMPDIR", nullptr);
    EXPECT_EQ(DefaultInstanceLockPath(), "/tmp" + perUser);
  }
}
