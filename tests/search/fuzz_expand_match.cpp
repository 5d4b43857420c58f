// Expands arbitrary bytes as a dictionary answer and matches arbitrary names against
// the literals, in both encodings, checking that the one-pass matcher, the index of the
// names and the direct literal-by-literal test always agree. Input: expression, then names,
// separated by newline bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "search/literal_match.h"
#include "search/literal_matcher.h"
#include "search/name_index.h"
#include "search/pattern_expansion.h"
#include "search/text_encoding.h"

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
  for (const TextEncoding encoding : {TextEncoding::kUtf8, TextEncoding::kShiftJis}) {
    std::vector<std::string> literals;
    ExpandPattern(expression, literals, encoding);
    const LiteralMatcher matcher(literals, encoding);
    const NameMatches indexed = NameIndex(names, encoding).Search(literals);
    for (std::size_t position = 0; position < names.size(); ++position) {
      const std::string_view name = names[position];
      const bool expected = MatchesAnyLiteral(UpperCaseName(name, encoding), literals, encoding);
      if (matcher.Matches(name) != expected || indexed.Contains(position) != expected) {
        std::abort();
      }
    }
  }
  return 0;
}
