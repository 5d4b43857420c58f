#include "search/migemo_dictionary.h"

#include <migemo.h>

namespace {

migemo* Handle(void* handle) {
  return static_cast<migemo*>(handle);
}

}  // namespace

MigemoDictionary::~MigemoDictionary() {
  Close();
}

std::vector<std::string> MigemoDictionary::PathsIn(const std::string& folder) {
  return {folder + "/dict/migemo-dict", folder + "/../dict/migemo-dict",
          "/usr/share/cmigemo/utf-8/migemo-dict"};
}

void MigemoDictionary::Open(const std::vector<std::string>& paths) {
  WaitUntilOpened();
  OpenFiles(paths);
}

void MigemoDictionary::OpenInBackground(std::vector<std::string> paths,
                                        std::vector<std::string> texts) {
  WaitUntilOpened();
  CloseHandle();
  m_stopAsking = false;
  m_opening =
      std::async(std::launch::async, [this, paths = std::move(paths), texts = std::move(texts)] {
        OpenFiles(paths);
        for (const std::string& text : texts) {
          if (m_stopAsking) {
            return;
          }
          Remembered(text);
        }
      });
}

void MigemoDictionary::WaitUntilOpened() {
  if (m_opening.valid()) {
    m_stopAsking = true;
    m_opening.get();
  }
}

void MigemoDictionary::OpenFiles(const std::vector<std::string>& paths) {
  CloseHandle();
  for (const std::string& path : paths) {
    if (m_migemo != nullptr) {
      migemo_close(Handle(m_migemo));
    }
    m_migemo = migemo_open(path.c_str());
    if (m_migemo != nullptr && migemo_is_enable(Handle(m_migemo)) != 0) {
      return;
    }
  }
}

void MigemoDictionary::Close() {
  WaitUntilOpened();
  CloseHandle();
}

void MigemoDictionary::CloseHandle() {
  if (m_migemo != nullptr) {
    migemo_close(Handle(m_migemo));
    m_migemo = nullptr;
  }
  m_answers.clear();
  m_answerByText.clear();
}

const std::string& MigemoDictionary::Query(const std::string& text) {
  WaitUntilOpened();
  return Remembered(text);
}

const std::string& MigemoDictionary::Remembered(const std::string& text) {
  const auto found = m_answerByText.find(text);
  if (found != m_answerByText.end()) {
    m_answers.splice(m_answers.begin(), m_answers, found->second);
    return found->second->second;
  }
  if (m_answers.size() >= kRememberedAnswers) {
    m_answerByText.erase(m_answers.back().first);
    m_answers.pop_back();
  }
  m_answers.emplace_front(text, Ask(text));
  m_answerByText.emplace(text, m_answers.begin());
  return m_answers.front().second;
}

std::string MigemoDictionary::Ask(const std::string& text) const {
  if (m_migemo == nullptr) {
    return {};
  }
  unsigned char* answer =
      migemo_query(Handle(m_migemo), reinterpret_cast<const unsigned char*>(text.c_str()));
  if (answer == nullptr) {
    return {};
  }
  std::string copy(reinterpret_cast<const char*>(answer));
  migemo_release(Handle(m_migemo), answer);
  return copy;
}
