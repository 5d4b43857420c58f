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
