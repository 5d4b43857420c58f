#pragma once

#include <string>

// A fresh folder under the temp folder, removed with everything in it at the end of
// the scope.
class ScopedTempDir {
 public:
  ScopedTempDir();
  ~ScopedTempDir();
  ScopedTempDir(const ScopedTempDir&) = delete;
  ScopedTempDir& operator=(const ScopedTempDir&) = delete;

  const std::string& Path() const { return m_path; }
  std::string File(const std::string& name) const { return m_path + "/" + name; }

 private:
  std::string m_path;
};

// Makes `path` the current directory for the scope, then returns to the previous one.
class ScopedCurrentDir {
 public:
  explicit ScopedCurrentDir(const std::string& path);
  ~ScopedCurrentDir();
  ScopedCurrentDir(const ScopedCurrentDir&) = delete;
  ScopedCurrentDir& operator=(const ScopedCurrentDir&) = delete;

 private:
  std::string m_previous;
};

// Whole-file helpers for tests; they fail the test on an I/O error.
std::string ReadTestFile(const std::string& path);
void WriteTestFile(const std::string& path, const std::string& content);
void WriteTestFile(const std::string& path, const std::string& content, unsigned mode);
bool TestFileExists(const std::string& path);
