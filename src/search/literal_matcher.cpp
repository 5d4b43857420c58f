#include "search/literal_matcher.h"

#include <algorithm>
#include <limits>

#include "search/text_encoding.h"

namespace {

// Whether every match of `literal` starts at a character boundary by itself, so that
// reaching its end is a match without looking back: any byte that is not a continuation
// byte starts a character.
bool StartsOnlyAtBoundaries(std::string_view literal) {
  const auto first = static_cast<unsigned char>(literal.front());
  return first < 0x80 || first > 0xBF;
}

}  // namespace

// Builds the trie of the literals, then completes it breadth first into the automaton.
// Node ids here are plain indexes; the finished table is renumbered and premultiplied.
struct LiteralMatcher::Builder {
  static constexpr std::uint32_t kAbsent = std::numeric_limits<std::uint32_t>::max();
  // The edge ends a literal that needs no boundary check: a sure match.
  static constexpr std::uint32_t kSure = kAbsent - 1;

  explicit Builder(LiteralMatcher& target) : matcher(target) {}

  LiteralMatcher& matcher;
  std::uint32_t classCount = 1;
  std::vector<std::uint32_t> next;
  std::vector<std::uint32_t> depth;
  std::vector<bool> endsCheckedLiteral;
  std::vector<std::vector<std::uint32_t>> checkedLengths;  // by node, after Complete

  std::uint32_t NewNode(std::uint32_t nodeDepth) {
    const auto node = static_cast<std::uint32_t>(depth.size());
    next.resize(next.size() + classCount, kAbsent);
    depth.push_back(nodeDepth);
    endsCheckedLiteral.push_back(false);
    return node;
  }

  void AssignClasses(const std::vector<std::string_view>& literals) {
    std::array<bool, 256> used{};
    for (const std::string_view literal : literals) {
      for (const char byte : literal) {
        used[static_cast<unsigned char>(byte)] = true;
      }
    }
    for (std::size_t byte = 0; byte < used.size(); ++byte) {
      if (used[byte]) {
        matcher.m_byteClass[byte] = classCount++;
      }
    }
  }

  // Literals come shortest first, so that one which extends another already present
  // is seen to be redundant: wherever it matches, the shorter one matched at the same
  // start.
  void Insert(std::string_view literal) {
    const bool sure = StartsOnlyAtBoundaries(literal);
    std::uint32_t node = 0;
    for (std::size_t index = 0; index < literal.size(); ++index) {
      const std::size_t slot = std::size_t{node} * classCount +
                               matcher.m_byteClass[static_cast<unsigned char>(literal[index])];
      std::uint32_t target = next[slot];
      if (target == kSure) {
        return;
      }
      const bool last = index + 1 == literal.size();
      if (last && sure) {
        next[slot] = kSure;
        return;
      }
      if (target == kAbsent) {
        target = NewNode(static_cast<std::uint32_t>(index + 1));
        next[slot] = target;
      }
      if (endsCheckedLiteral[target]) {
        return;
      }
      node = target;
    }
    endsCheckedLiteral[node] = true;
  }

  // Fills every missing edge with the edge of the longest proper suffix that is also
  // a trie node. A node whose suffix is a sure match is itself one. Returns the nodes
  // still reachable, in breadth-first order.
  std::vector<std::uint32_t> Complete() {
    const std::size_t nodeCount = depth.size();
    std::vector<std::uint32_t> fail(nodeCount, 0);
    checkedLengths.assign(nodeCount, {});
    std::vector<std::uint32_t> order{0};
    for (std::uint32_t column = 0; column < classCount; ++column) {
      std::uint32_t& target = next[column];
      if (target == kAbsent) {
        target = 0;
      } else if (target != kSure) {
        fail[target] = 0;
        AddOwnLength(target);
        order.push_back(target);
      }
    }
    for (std::size_t position = 1; position < order.size(); ++position) {
      const std::uint32_t node = order[position];
      const std::uint32_t suffix = fail[node];
      for (std::uint32_t column = 0; column < classCount; ++column) {
        std::uint32_t& target = next[std::size_t{node} * classCount + column];
        const std::uint32_t suffixTarget = next[std::size_t{suffix} * classCount + column];
        if (target == kAbsent) {
          target = suffixTarget;
        } else if (target != kSure) {
          if (suffixTarget == kSure) {
            target = kSure;
            continue;
          }
          fail[target] = suffixTarget;
          AddOwnLength(target);
          const std::vector<std::uint32_t>& inherited = checkedLengths[suffixTarget];
          checkedLengths[target].insert(checkedLengths[target].end(), inherited.begin(),
                                        inherited.end());
          order.push_back(target);
        }
      }
    }
    return order;
  }

  void AddOwnLength(std::uint32_t node) {
    if (endsCheckedLiteral[node]) {
      checkedLengths[node].push_back(depth[node]);
    }
  }

  // Plain states first, then the checked ones, then the match state, so that one
  // comparison per input byte tells whether anything needs a look.
  void Emit(const std::vector<std::uint32_t>& order) {
    std::vector<std::uint32_t> renumbered(depth.size(), kAbsent);
    std::vector<std::uint32_t> sequence;
    sequence.reserve(order.size());
    for (const bool checked : {false, true}) {
      for (const std::uint32_t node : order) {
        if (checkedLengths[node].empty() != checked) {
          renumbered[node] = static_cast<std::uint32_t>(sequence.size()) * classCount;
          sequence.push_back(node);
        }
      }
    }
    const auto stateCount = static_cast<std::uint32_t>(sequence.size());
    const auto plainCount = static_cast<std::uint32_t>(
        std::count_if(order.begin(), order.end(),
                      [&](std::uint32_t node) { return checkedLengths[node].empty(); }));
    matcher.m_classCount = classCount;
    matcher.m_firstCheckedState = plainCount * classCount;
    matcher.m_matchState = stateCount * classCount;
    matcher.m_transitions.assign(std::size_t{stateCount + 1} * classCount, matcher.m_matchState);
    for (std::uint32_t state = 0; state < stateCount; ++state) {
      const std::uint32_t node = sequence[state];
      for (std::uint32_t column = 0; column < classCount; ++column) {
        const std::uint32_t target = next[std::size_t{node} * classCount + column];
        matcher.m_transitions[std::size_t{state} * classCount + column] =
            target == kSure ? matcher.m_matchState : renumbered[target];
      }
      if (state >= plainCount) {
        matcher.m_checkedRangeStart.push_back(
            static_cast<std::uint32_t>(matcher.m_checkedLengths.size()));
        const std::vector<std::uint32_t>& lengths = checkedLengths[node];
        matcher.m_checkedLengths.insert(matcher.m_checkedLengths.end(), lengths.begin(),
                                        lengths.end());
      }
    }
    matcher.m_checkedRangeStart.push_back(
        static_cast<std::uint32_t>(matcher.m_checkedLengths.size()));
  }
};

LiteralMatcher::LiteralMatcher(std::span<const std::string> literals)
    : LiteralMatcher(std::vector<std::string_view>(literals.begin(), literals.end())) {}

LiteralMatcher::LiteralMatcher(std::span<const std::string_view> literals) {
  std::vector<std::string_view> useful;
  for (const std::string_view literal : literals) {
    if (literal.empty()) {
      m_matchesEverything = true;
      return;
    }
    useful.emplace_back(literal);
  }
  if (useful.empty()) {
    return;
  }
  std::sort(useful.begin(), useful.end(), [](std::string_view left, std::string_view right) {
    return left.size() != right.size() ? left.size() < right.size() : left < right;
  });
  useful.erase(std::unique(useful.begin(), useful.end()), useful.end());

  Builder builder(*this);
  builder.AssignClasses(useful);
  builder.NewNode(0);
  for (const std::string_view literal : useful) {
    builder.Insert(literal);
  }
  builder.Emit(builder.Complete());
}

bool LiteralMatcher::Matches(std::string_view name) const {
  if (m_matchesEverything) {
    return true;
  }
  if (m_transitions.empty()) {
    return false;
  }
  return Run(name);
}

bool LiteralMatcher::Run(std::string_view input) const {
  const std::uint32_t* transitions = m_transitions.data();
  std::uint32_t state = 0;
  for (std::size_t index = 0; index < input.size(); ++index) {
    state = transitions[state + m_byteClass[static_cast<unsigned char>(input[index])]];
    if (state >= m_firstCheckedState) {
      if (state == m_matchState) {
        return true;
      }
      if (AnyCheckedMatch(input, index + 1, state)) {
        return true;
      }
    }
  }
  return false;
}

bool LiteralMatcher::AnyCheckedMatch(std::string_view input, std::size_t end,
                                     std::uint32_t state) const {
  const std::size_t checked = (state - m_firstCheckedState) / m_classCount;
  for (std::uint32_t at = m_checkedRangeStart[checked]; at < m_checkedRangeStart[checked + 1];
       ++at) {
    const std::size_t start = end - m_checkedLengths[at];
    if (IsUtf8CharacterStart(input, start)) {
      return true;
    }
  }
  return false;
}
