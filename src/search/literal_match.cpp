#include "search/literal_match.h"

#include <vector>

#include "search/text_encoding.h"

namespace {

bool ContainsAtCharacterStart(std::string_view text, const std::vector<bool>& starts,
                              std::string_view literal) {
  for (std::size_t found = text.find(literal); found != std::string_view::npos;
       found = text.find(literal, found + 1)) {
    if (found == text.size() || starts[found]) {
      return true;
    }
  }
  return false;
}

// Where one literal of a sequence of words occurs, whether the others surround it. Any
// word may be looked for first: the one of the fewest literals is.
class SequenceMatch {
 public:
  SequenceMatch(std::string_view name, std::span<const std::span<const std::string>> words)
      : m_name(name), m_words(words) {}

  bool Found() const {
    std::size_t sought = 0;
    for (std::size_t word = 1; word < m_words.size(); ++word) {
      if (m_words[word].size() < m_words[sought].size()) {
        sought = word;
      }
    }
    for (const std::string& literal : m_words[sought]) {
      for (std::size_t found = m_name.find(literal); found != std::string_view::npos;
           found = m_name.find(literal, found + 1)) {
        if (EndsWith(found, sought) && StartsWith(found + literal.size(), sought + 1)) {
          return true;
        }
      }
    }
    return false;
  }

 private:
  bool StartsCharacter(std::size_t position) const {
    return position == m_name.size() || IsUtf8CharacterStart(m_name, position);
  }

  // Whether the name up to `end` ends with a literal of each of the first `words`, one
  // after the other, the first at a character start.
  bool EndsWith(std::size_t end, std::size_t words) const {
    if (words == 0) {
      return StartsCharacter(end);
    }
    const std::string_view before = m_name.substr(0, end);
    for (const std::string& literal : m_words[words - 1]) {
      if (before.ends_with(literal) && EndsWith(end - literal.size(), words - 1)) {
        return true;
      }
    }
    return false;
  }

  // Whether the name from `start` on starts with a literal of each word from `word` on,
  // one after the other.
  bool StartsWith(std::size_t start, std::size_t word) const {
    if (word == m_words.size()) {
      return true;
    }
    const std::string_view after = m_name.substr(start);
    for (const std::string& literal : m_words[word]) {
      if (after.starts_with(literal) && StartsWith(start + literal.size(), word + 1)) {
        return true;
      }
    }
    return false;
  }

  std::string_view m_name;
  std::span<const std::span<const std::string>> m_words;
};

}  // namespace

bool MatchesAnyLiteral(std::string_view name, std::span<const std::string> literals) {
  const std::vector<bool> starts = CharacterStarts(name);
  for (const std::string& literal : literals) {
    if (ContainsAtCharacterStart(name, starts, literal)) {
      return true;
    }
  }
  return false;
}

bool MatchesLiteralSequence(std::string_view name,
                            std::span<const std::span<const std::string>> words) {
  return words.empty() || SequenceMatch(name, words).Found();
}
