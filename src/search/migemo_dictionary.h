#pragma once

#include <list>
#include <string>
#include <unordered_map>

// The migemo dictionary handle: opened once at the view's start, closed once at its
// end. Answers are remembered per search text, so retyping a search does not pay the
// dictionary's query again.
class MigemoDictionary {
 public:
  MigemoDictionary() = default;
  ~MigemoDictionary();
  MigemoDictionary(const MigemoDictionary&) = delete;
  MigemoDictionary& operator=(const MigemoDictionary&) = delete;

  // Tries "./dict/migemo-dict", then "../dict/migemo-dict", then the system's UTF-8
  // dictionary. Reports nothing when none opens.
  void Open();
  void Close();

  // The dictionary's regular expression for `text`; empty when it gives none.
  const std::string& Query(const std::string& text);

 private:
  void* m_migemo = nullptr;  // the library's handle
  // ... cache members are the search layer's own choice
};
