#include "store/whole_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>

#include "support/scoped_temp_dir.h"

namespace {

TEST(WholeFileTest, ReadsRegularFilesUpToTheCapAndRefusesEverythingElse) {
  ScopedTempDir dir;
  const std::string path = dir.File("a file");
  WriteTestFile(path, std::string("one\0two", 7));
  std::string bytes = "left over";
  EXPECT_EQ(ReadWholeFile(path, &bytes), 0);
  EXPECT_EQ(bytes, std::string("one\0two", 7));
  EXPECT_EQ(ReadWholeFile(path, &bytes, 7), 0);
  EXPECT_EQ(ReadWholeFile(path, &bytes, 6), EFBIG);

  EXPECT_EQ(ReadWholeFile(dir.File("missing"), &bytes), ENOENT);
  EXPECT_EQ(ReadWholeFile(dir.Path(), &bytes), EISDIR);
  const std::string pipe = dir.File("pipe");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  EXPECT_EQ(ReadWholeFile(pipe, &bytes), EINVAL);  // returns at once instead of waiting
}

}  // namespace
