#pragma once

#include <atomic>
#include <cstddef>
#include <future>
#include <list>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

// The migemo dictionary handle: opened once at the view's start, closed once at its
// end. Opening may run on a worker thread; every other call waits until it is done, so
// the library is used by one thread at a time. Answers are remembered per search text,
// so retyping a search does not pay the dictionary's query again.
class MigemoDictionary {
 public:
  MigemoDictionary() = default;
  ~MigemoDictionary();
  MigemoDictionary(const MigemoDictionary&) = delete;
  MigemoDictionary& operator=(const MigemoDictionary&) = delete;

  // The files to try for `folder`: "dict/migemo-dict", then "../dict/migemo-dict", both
  // in it, then the system's UTF-8 dictionary.
  static std::vector<std::string> PathsIn(const std::string& folder);
  // Tries each file in turn and keeps the first that loads; when none does, keeps the
  // handle of the last (the library still answers through it, without any word).
  void Open(const std::vector<std::string>& paths);
  // As Open, on a worker thread, which then asks for `texts` ahead and remembers the
  // answers: neither the loading nor those answers hold up anything until the first
  // query, and that query stops the asking ahead at the text being asked.
  void OpenInBackground(std::vector<std::string> paths, std::vector<std::string> texts = {});
  void Close();

  // The dictionary's regular expression for `text`; empty when it gives none. The
  // reference stays valid until the next Query, Open or Close.
  const std::string& Query(const std::string& text);

  // How many answers are remembered at most.
  static constexpr std::size_t kRememberedAnswers = 64;

 private:
  void OpenFiles(const std::vector<std::string>& paths);
  void CloseHandle();
  void WaitUntilOpened();
  std::string Ask(const std::string& text) const;
  // The answer for `text`, remembered now if it was not; used by one thread at a time.
  const std::string& Remembered(const std::string& text);

  void* m_migemo = nullptr;     // the library's handle
  std::future<void> m_opening;  // a background opening not yet waited for
  std::atomic<bool> m_stopAsking{false};
  // Most recently asked first; the map finds a text's entry in the list.
  using Answer = std::pair<std::string, std::string>;
  std::list<Answer> m_answers;
  std::unordered_map<std::string, std::list<Answer>::iterator> m_answerByText;
};
