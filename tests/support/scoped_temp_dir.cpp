#include "support/scoped_temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <system_error>

ScopedTempDir::ScopedTempDir() {
  // A new folder of our own: create_directory answers false for a name already taken.
  std::random_device random;
  const std::filesystem::path temp = std::filesystem::temp_directory_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::filesystem::path candidate = temp / ("vostek-test-" + std::to_string(random()));
    std::error_code failure;
    if (std::filesystem::create_directory(candidate, failure)) {
      std::filesystem::permissions(candidate, std::filesystem::perms::owner_all,
                                   std::filesystem::perm_options::replace, failure);
      m_path = candidate.string();
      return;
    }
  }
  ADD_FAILURE() << "cannot make a temporary folder";
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
  std::error_code failure;
  std::filesystem::permissions(path, static_cast<std::filesystem::perms>(mode),
                               std::filesystem::perm_options::replace, failure);
  EXPECT_FALSE(failure) << "cannot set the mode of " << path;
}

bool TestFileExists(const std::string& path) {
  return std::filesystem::exists(path);
}
