#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Answers MatchesAnyLiteral(name, literals) for many names in one pass over each name's
// bytes: the literals are compiled once into a deterministic Aho-Corasick automaton.
// Built once per refresh; immutable afterwards.
class LiteralMatcher {
 public:
  explicit LiteralMatcher(std::span<const std::string> literals);
  explicit LiteralMatcher(std::span<const std::string_view> literals);

  // True when `name` contains one of the literals at a character boundary.
  bool Matches(std::string_view name) const;

  // The empty literal is among them: every name matches.
  bool MatchesEverything() const { return m_matchesEverything; }
  // No literal can ever match: no name matches.
  bool MatchesNothing() const { return !m_matchesEverything && m_transitions.empty(); }

 private:
  struct Builder;

  bool Run(std::string_view input) const;
  bool AnyCheckedMatch(std::string_view input, std::size_t end, std::uint32_t state) const;

  bool m_matchesEverything = false;
  // Input byte -> its column in the transition table (0 for bytes in no literal).
  std::array<std::uint32_t, 256> m_byteClass{};
  // Row-major, one row of m_classCount entries per state; states are stored
  // premultiplied by m_classCount. Rows from m_firstCheckedState on belong to states
  // that end literals whose start must still be checked for a character boundary;
  // m_matchState ends a literal that needs no check (a match, the scan stops).
  std::vector<std::uint32_t> m_transitions;
  std::uint32_t m_classCount = 1;
  std::uint32_t m_firstCheckedState = 0;
  std::uint32_t m_matchState = 0;
  // For each checked state (by index from m_firstCheckedState), the range in
  // m_checkedLengths of the lengths of the literals it ends.
  std::vector<std::uint32_t> m_checkedRangeStart;
  std::vector<std::uint32_t> m_checkedLengths;
};
