#include "search/search_step.h"

#include <algorithm>
#include <memory>
#include <numeric>
#include <utility>

#include "search/answer_readings.h"
#include "search/literal_matcher.h"
#include "search/migemo_dictionary.h"
#include "search/name_index.h"
#include "search/pattern_expansion.h"
#include "search/regex_filter.h"
#include "search/romaji_readings.h"
#include "search/search_expressions.h"
#include "search/text_fold.h"

namespace {

std::vector<std::size_t> AllPositions(std::size_t count) {
  std::vector<std::size_t> positions(count);
  std::iota(positions.begin(), positions.end(), std::size_t{0});
  return positions;
}

// What one search text asks of the names: the literals of every answer that spells out
// into a finite set of strings, and the engine for each answer that does not.
struct SearchPlan {
  std::vector<std::string> literals;
  std::vector<std::unique_ptr<RegexFilter>> filters;

  bool Matches(const LiteralMatcher& matcher, std::string_view folded) const {
    if (matcher.Matches(folded)) {
      return true;
    }
    for (const std::unique_ptr<RegexFilter>& filter : filters) {
      if (filter->Matches(folded)) {
        return true;
      }
    }
    return false;
  }
};

std::vector<std::string> DictionaryTexts(const std::string& searchText) {
  return RomajiReadings(FoldName(searchText));
}

SearchPlan PlanSearch(MigemoDictionary& dictionary, const std::string& searchText) {
  SearchPlan plan;
  for (const std::string& expression : SearchExpressions(dictionary, searchText)) {
    if (!ExpandPattern(expression, plan.literals)) {
      auto filter = std::make_unique<RegexFilter>(expression);
      if (filter->Compiled()) {
        plan.filters.push_back(std::move(filter));
      }
    }
  }
  return plan;
}

}  // namespace

std::vector<std::size_t> SearchNames(MigemoDictionary& dictionary, const std::string& searchText,
                                     std::span<const std::string_view> names) {
  if (searchText.empty()) {
    return AllPositions(names.size());
  }
  const SearchPlan plan = PlanSearch(dictionary, searchText);
  const LiteralMatcher matcher(plan.literals);
  if (matcher.MatchesEverything()) {
    return AllPositions(names.size());
  }
  std::vector<std::size_t> kept;
  if (matcher.MatchesNothing() && plan.filters.empty()) {
    return kept;
  }
  std::string folded;
  for (std::size_t position = 0; position < names.size(); ++position) {
    folded = FoldName(names[position]);
    if (plan.Matches(matcher, folded)) {
      kept.push_back(position);
    }
  }
  return kept;
}

NameMatches SearchIndexedNames(MigemoDictionary& dictionary, AnswerReadings& readings,
                               const std::string& searchText, const NameIndex& index) {
  if (searchText.empty()) {
    return index.Search(std::vector<std::string>(1));  // the empty literal: every name
  }
  const std::vector<SearchTerm> terms = SearchTerms(dictionary, readings, searchText);
  std::vector<std::string_view> literals;
  std::vector<std::vector<std::span<const std::string>>> sequences;
  std::vector<const RegexFilter*> filters;
  std::vector<std::unique_ptr<RegexFilter>> splitFilters;
  for (const SearchTerm& term : terms) {
    if (std::all_of(term.words.begin(), term.words.end(),
                    [](const auto& word) { return word->spelledOut; })) {
      if (term.words.size() == 1) {
        literals.insert(literals.end(), term.words.front()->literals.begin(),
                        term.words.front()->literals.end());
      } else {
        std::vector<std::span<const std::string>>& words = sequences.emplace_back();
        for (const auto& word : term.words) {
          words.emplace_back(word->literals);
        }
      }
    } else if (term.words.size() == 1) {
      if (term.words.front()->filter) {
        filters.push_back(term.words.front()->filter.get());
      }
    } else {
      auto filter = std::make_unique<RegexFilter>(term.Expression());
      if (filter->Compiled()) {
        filters.push_back(filter.get());
        splitFilters.push_back(std::move(filter));
      }
    }
  }
  NameMatches kept = index.Search(literals);
  for (const std::vector<std::span<const std::string>>& words : sequences) {
    index.KeepSequences(kept, words);
  }
  for (const RegexFilter* filter : filters) {
    index.KeepMatching(kept, [&](std::string_view folded) { return filter->Matches(folded); });
  }
  return kept;
}

NameMatches SearchIndexedNames(MigemoDictionary& dictionary, const std::string& searchText,
                               const NameIndex& index) {
  AnswerReadings readings;
  return SearchIndexedNames(dictionary, readings, searchText, index);
}

std::vector<std::string> SingleLetterDictionaryTexts() {
  std::vector<std::string> texts;
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    for (std::string& text : DictionaryTexts(std::string(1, letter))) {
      texts.push_back(std::move(text));
    }
  }
  return texts;
}
