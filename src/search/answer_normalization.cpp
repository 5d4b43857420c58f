#include "search/answer_normalization.h"

#include "search/text_encoding.h"
#include "search/text_fold.h"

namespace {

bool IsQuantifier(char byte) {
  return byte == '*' || byte == '+' || byte == '?';
}

class Normalizer {
 public:
  explicit Normalizer(std::string_view answer) : m_answer(answer) {
    m_out.reserve(answer.size() + answer.size() / 8);
  }

  std::string Run() {
    bool nothingToRepeat = true;
    while (m_position < m_answer.size()) {
      const std::size_t length = Length();
      const char byte = m_answer[m_position];
      if (length > 1 || static_cast<unsigned char>(byte) >= 0x80) {
        FoldRun();
        nothingToRepeat = false;
        continue;
      }
      if (byte == '\\') {
        Escape();
        nothingToRepeat = false;
        continue;
      }
      ++m_position;
      if (m_inClass) {
        Class(byte);
        continue;
      }
      if (nothingToRepeat && IsQuantifier(byte)) {
        m_out += '\\';
        m_out += byte;
        continue;
      }
      m_out += Lower(byte);
      if (byte == '[') {
        m_inClass = true;
        m_classStart = true;
      }
      nothingToRepeat = byte == '|' || (byte == '(' && !NextIs('?') && !NextIs('*'));
    }
    return std::move(m_out);
  }

 private:
  static char Lower(char byte) {
    return byte >= 'A' && byte <= 'Z' ? static_cast<char>(byte - 'A' + 'a') : byte;
  }

  std::size_t Length() const { return CharacterLength(m_answer, m_position); }

  bool NextIs(char byte) const {
    return m_position < m_answer.size() && m_answer[m_position] == byte;
  }

  // A class ends at a "]" that is not its first character ("[]...]" and "[^]...]"
  // hold a "]").
  void Class(char byte) {
    m_out += Lower(byte);
    if (byte == ']' && !m_classStart) {
      m_inClass = false;
    }
    m_classStart =
        m_classStart && byte == '^' && m_out.size() >= 2 && m_out[m_out.size() - 2] == '[';
  }

  // Characters beyond ASCII (and bytes that start none) in a row: folded together
  // outside a class, so that a voiced mark joins its kana; one by one inside.
  void FoldRun() {
    const std::size_t start = m_position;
    do {
      m_position += Length();
    } while (!m_inClass && m_position < m_answer.size() &&
             (Length() > 1 || static_cast<unsigned char>(m_answer[m_position]) >= 0x80));
    const std::string_view run = m_answer.substr(start, m_position - start);
    if (!MayFoldWidth(run)) {
      m_out.append(run);  // the common case: kana and kanji, nothing to fold
    } else {
      m_out += FoldName(run);
    }
    m_classStart = false;
  }

  // An escaped ASCII character keeps its meaning; an escaped character beyond ASCII is
  // that character, folded; a lone backslash at the end is a backslash.
  void Escape() {
    ++m_position;
    m_classStart = false;
    if (m_position == m_answer.size()) {
      m_out += "\\\\";
      return;
    }
    const std::size_t length = Length();
    if (length == 1 && static_cast<unsigned char>(m_answer[m_position]) < 0x80) {
      m_out += '\\';
      m_out += m_answer[m_position];
      ++m_position;
      return;
    }
    m_out += FoldName(m_answer.substr(m_position, length));
    m_position += length;
  }

  std::string_view m_answer;
  std::string m_out;
  std::size_t m_position = 0;
  bool m_inClass = false;
  bool m_classStart = false;
};

}  // namespace

std::string NormalizeAnswer(std::string_view answer) {
  return Normalizer(answer).Run();
}
