#include "support/scoped_temp_dir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

ScopedTempDir::ScopedTempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "vostek-test-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) {
    ADD_FAILURE() << "mkdtemp failed";
  }
  m_path = pattern;
}

ScopedTempDir::~ScopedTempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(m_path, ignored);
}

ScopedCurrentDir::ScopedCurrentDir(const std::string& path)
    : m_previous(std::filesystem::current_path().string()) {
  std::filesystem::current_path(path);
}

ScopedCurrentDir::~ScopedCurrentDir() {
  std::error_code ignored;
  std::filesystem::current_path(m_previous, ignored);
}

std::string ReadTestFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in.good()) << "cannot read " << path;
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteTestFile(const std::string& path, const std::string& content) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << content;
  EXPECT_TRUE(out.good()) << "cannot write " << path;
}

void WriteTestFile(const std::string& path, const std::string& content, unsigned mode) {
  WriteTestFile(path, content);
  EXPECT_EQ(::chmod(path.c_str(), mode), 0) << "cannot set the mode of " << path;
}

bool TestFileExists(const std::string& path) {
  return std::filesystem::exists(path);
}
