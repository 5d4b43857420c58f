#include "search/search_step.h"

#include <numeric>

#include "search/literal_matcher.h"
#include "search/migemo_dictionary.h"
#include "search/name_index.h"
#include "search/pattern_expansion.h"

namespace {

std::vector<std::size_t> AllPositions(std::size_t count) {
  std::vector<std::size_t> positions(count);
  std::iota(positions.begin(), positions.end(), std::size_t{0});
  return positions;
}

}  // namespace

std::vector<std::size_t> SearchNames(MigemoDictionary& dictionary, const std::string& searchText,
                                     std::span<const std::string_view> names) {
  if (searchText.empty()) {
    return AllPositions(names.size());
  }
  std::vector<std::string> literals;
  ExpandPattern(dictionary.Query(searchText), literals);
  const LiteralMatcher matcher(literals);
  if (matcher.MatchesEverything()) {
    return AllPositions(names.size());
  }
  std::vector<std::size_t> kept;
  if (matcher.MatchesNothing()) {
    return kept;
  }
  for (std::size_t position = 0; position < names.size(); ++position) {
    if (matcher.Matches(names[position])) {
      kept.push_back(position);
    }
  }
  return kept;
}

NameMatches SearchIndexedNames(MigemoDictionary& dictionary, const std::string& searchText,
                               const NameIndex& index) {
  std::vector<std::string> literals;
  if (searchText.empty()) {
    literals.emplace_back();  // the empty literal: every name
  } else {
    ExpandPattern(dictionary.Query(searchText), literals);
  }
  return index.Search(literals);
}
