#include "search/pattern_expansion.h"

#include <cstddef>

namespace {

// The level texts of depths 1 to depth, kept end to end so that the prefix is always at
// hand: level d is the part of `prefix` from levelStarts[d - 1] on, up to the start of
// level d + 1. Only the deepest level ever changes, and a level is always empty when
// its depth is entered, so a stack of start offsets is all the bookkeeping needed.
// Text at depth 0 or below never reaches a prefix and is not kept.
class ExpansionState {
 public:
  explicit ExpansionState(std::vector<std::string>& literals) : m_literals(literals) {}

  void OpenGroup() {
    if (m_depth >= 0) {
      m_levelStarts.push_back(m_prefix.size());
    }
    ++m_depth;
    m_fresh = true;
    m_emitted = false;
  }

  void CloseGroup() {
    EmitPrefixUnlessEmitted();
    ClearLevel();
    if (m_depth > 0) {
      m_levelStarts.pop_back();
    }
    --m_depth;
  }

  void NextAlternative() {
    EmitPrefixUnlessEmitted();
    ClearLevel();
    m_fresh = true;
    m_emitted = false;
  }

  void OpenClass() { m_inClass = true; }
  void CloseClass() { m_inClass = false; }

  void Text(std::string_view token) {
    if (m_inClass) {
      std::string literal = m_prefix;
      literal += token;
      m_literals.push_back(std::move(literal));
      m_emitted = true;
      return;
    }
    if (m_fresh) {
      ClearLevel();
      m_fresh = false;
    }
    if (m_depth > 0) {
      m_prefix += token;
    }
  }

 private:
  void EmitPrefixUnlessEmitted() {
    if (!m_emitted) {
      m_literals.push_back(m_prefix);
    }
  }

  void ClearLevel() {
    if (m_depth > 0) {
      m_prefix.resize(m_levelStarts.back());
    }
  }

  std::vector<std::string>& m_literals;
  std::string m_prefix;
  std::vector<std::size_t> m_levelStarts;
  long long m_depth = 0;
  bool m_inClass = false;
  bool m_emitted = false;
  bool m_fresh = true;
};

}  // namespace

void ExpandPattern(std::string_view expression, std::vector<std::string>& literals,
                   TextEncoding encoding) {
  ExpansionState state(literals);
  for (std::size_t position = 0; position < expression.size();) {
    const std::size_t length = CharacterLength(expression, position, encoding);
    const std::string_view token = expression.substr(position, length);
    position += length;
    if (length > 1) {
      state.Text(token);
      continue;
    }
    switch (token[0]) {
      case '(':
        state.OpenGroup();
        break;
      case ')':
        state.CloseGroup();
        break;
      case '[':
        state.OpenClass();
        break;
      case ']':
        state.CloseClass();
        break;
      case '|':
        state.NextAlternative();
        break;
      default:
        state.Text(token);
        break;
    }
  }
}
