#include "search/answer_readings.h"

#include <utility>

#include "search/answer_normalization.h"
#include "search/answer_words.h"
#include "search/migemo_dictionary.h"
#include "search/pattern_expansion.h"

namespace {

std::shared_ptr<const AnswerReading> ReadAnswer(const std::string& answer, AnswerUse use,
                                                bool dropSymbolWords) {
  auto reading = std::make_shared<AnswerReading>();
  if (answer.empty()) {
    return reading;
  }
  std::string expression = NormalizeAnswer(answer);
  if (dropSymbolWords) {
    expression = DropSymbolWords(expression);
  }
  if (use != AnswerUse::kTyped) {
    expression = DropLatinSpellings(expression);
  }
  if (use == AnswerUse::kLooseWord) {
    expression = DropKanaSpellings(expression);
  }
  if (expression.empty()) {
    return reading;
  }
  reading->spelledOut = ExpandPattern(expression, reading->literals);
  if (!reading->spelledOut) {
    reading->filter = std::make_unique<RegexFilter>(expression);
    if (!reading->filter->Compiled()) {
      reading->filter.reset();
    }
  }
  reading->expression = std::move(expression);
  return reading;
}

}  // namespace

AnswerReadings::Answer::Answer(std::string answer)
    : m_answer(std::move(answer)), m_knowsWord(HoldsDictionaryWord(m_answer)) {}

std::shared_ptr<const AnswerReading> AnswerReadings::Answer::Read(AnswerUse use,
                                                                  bool dropSymbolWords) {
  std::shared_ptr<const AnswerReading>& reading =
      m_readings[static_cast<std::size_t>(use) * 2 + (dropSymbolWords ? 1 : 0)];
  if (!reading) {
    reading = ReadAnswer(m_answer, use, dropSymbolWords);
  }
  return reading;
}

AnswerReadings::Answer& AnswerReadings::Ask(MigemoDictionary& dictionary, const std::string& text) {
  const std::string& answer = dictionary.Query(text);
  const auto found = m_entryByText.find(text);
  if (found != m_entryByText.end()) {
    m_entries.splice(m_entries.begin(), m_entries, found->second);
    Answer& remembered = found->second->second;
    if (remembered.m_answer != answer) {
      remembered = Answer(answer);
    }
    return remembered;
  }
  if (m_entries.size() >= kRememberedTexts) {
    m_entryByText.erase(m_entries.back().first);
    m_entries.pop_back();
  }
  m_entries.emplace_front(text, Answer(answer));
  m_entryByText.emplace(text, m_entries.begin());
  return m_entries.front().second;
}
