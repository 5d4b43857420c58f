#pragma once

#include <memory>
#include <string_view>

// A dictionary answer that ExpandPattern does not spell out, evaluated by PCRE2 (UTF
// mode, names that are not well-formed UTF-8 matched in their well-formed parts). Few
// answers come here, so PCRE2's interpreter serves. Each match is bounded, so that no expression
// can stall the search; a name whose match runs past the bound is not kept. An expression PCRE2
// rejects keeps no name.
class RegexFilter {
 public:
  explicit RegexFilter(std::string_view expression);
  ~RegexFilter();
  RegexFilter(const RegexFilter&) = delete;
  RegexFilter& operator=(const RegexFilter&) = delete;

  bool Compiled() const { return m_code != nullptr; }
  // Whether the expression matches somewhere in `name`.
  bool Matches(std::string_view name) const;

 private:
  struct Code;
  struct MatchData;
  struct Context;
  std::unique_ptr<Code> m_code;
  std::unique_ptr<MatchData> m_matchData;
  std::unique_ptr<Context> m_context;
};
