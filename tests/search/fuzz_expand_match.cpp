// Reads arbitrary bytes as a dictionary answer and arbitrary names: the answer's normal
// form and its expansion never fail, the one-pass matcher, the index of the names and
// the direct literal-by-literal test always agree, and wherever PCRE2 accepts an
// expression the expansion spells out, PCRE2 keeps the same names. Input: expression,
// then names, separated by newline bytes.
#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "search/answer_normalization.h"
#include "search/literal_match.h"
#include "search/literal_matcher.h"
#include "search/name_index.h"
#include "search/pattern_expansion.h"
#include "search/regex_filter.h"
#include "search/text_fold.h"

namespace {

// Whether PCRE2 compiles `expression`; if so, which of `names` it matches.
bool Pcre2Matches(std::string_view expression, const std::vector<std::string_view>& names,
                  std::vector<bool>& matches) {
  int error = 0;
  PCRE2_SIZE offset = 0;
  pcre2_code* code =
      pcre2_compile(reinterpret_cast<PCRE2_SPTR>(expression.data()), expression.size(),
                    PCRE2_UTF | PCRE2_MATCH_INVALID_UTF, &error, &offset, nullptr);
  if (code == nullptr) {
    return false;
  }
  pcre2_match_data* data = pcre2_match_data_create(1, nullptr);
  for (const std::string_view name : names) {
    matches.push_back(pcre2_match(code, reinterpret_cast<PCRE2_SPTR>(name.data()), name.size(), 0,
                                  0, data, nullptr) >= 0);
  }
  pcre2_match_data_free(data);
  pcre2_code_free(code);
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t firstBreak = input.find('\n');
  const std::string_view expression = input.substr(0, firstBreak);
  std::vector<std::string_view> names;
  if (firstBreak != std::string_view::npos) {
    std::string_view rest = input.substr(firstBreak + 1);
    for (std::size_t end = rest.find('\n'); end != std::string_view::npos; end = rest.find('\n')) {
      names.push_back(rest.substr(0, end));
      rest.remove_prefix(end + 1);
    }
    names.push_back(rest);
  }
  const std::string normal = NormalizeAnswer(expression);
  const RegexFilter filter(normal);
  std::vector<std::string> literals;
  if (!ExpandPattern(expression, literals, 1 << 16)) {
    for (const std::string_view name : names) {
      filter.Matches(FoldName(name));
    }
    return 0;
  }
  const LiteralMatcher matcher(literals);
  const NameMatches indexed = NameIndex(names).Search(literals);
  std::vector<bool> pcre2;
  const bool compared = Pcre2Matches(expression, names, pcre2);
  for (std::size_t position = 0; position < names.size(); ++position) {
    const std::string folded = FoldName(names[position]);
    const bool expected = MatchesAnyLiteral(folded, literals);
    if (matcher.Matches(folded) != expected || indexed.Contains(position) != expected) {
      std::abort();
    }
    if (compared && MatchesAnyLiteral(names[position], literals) != pcre2[position]) {
      std::abort();
    }
  }
  return 0;
}
