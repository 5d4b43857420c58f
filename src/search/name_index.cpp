#include "search/name_index.h"

#include <algorithm>
#include <bit>
#include <limits>
#include <numeric>
#include <utility>

#include "search/freed_memory.h"
#include "search/literal_match.h"
#include "search/literal_matcher.h"
#include "search/text_encoding.h"
#include "search/text_fold.h"

namespace {

std::uint32_t CharacterKey(std::string_view text, std::size_t position, std::size_t length) {
  std::uint32_t key = 0;
  for (std::size_t offset = 0; offset < length; ++offset) {
    key = (key << 8) | static_cast<unsigned char>(text[position + offset]);
  }
  return key;
}

std::uint64_t PairKey(std::uint32_t first, std::uint32_t second) {
  return (std::uint64_t{first} << 32) | second;
}

constexpr std::size_t kWordBits = 64;

// Counts each key once per name, remembering which list every counted occurrence goes
// to, so that the lists can then be laid out back to back in one pass.
class PostingCounter {
 public:
  void Note(std::unordered_map<std::uint64_t, std::uint32_t>& keys, std::uint64_t key,
            std::uint32_t name) {
    const auto [entry, added] = keys.try_emplace(key, static_cast<std::uint32_t>(counts.size()));
    if (added) {
      counts.push_back(0);
      lastName.push_back(kNoName);
    }
    const std::uint32_t list = entry->second;
    if (lastName[list] != name) {
      lastName[list] = name;
      ++counts[list];
      occurrences.push_back(list);
    }
  }

  static constexpr std::uint32_t kNoName = std::numeric_limits<std::uint32_t>::max();
  std::vector<std::uint32_t> counts;       // per list
  std::vector<std::uint32_t> lastName;     // per list
  std::vector<std::uint32_t> occurrences;  // list numbers, name after name
};

// The index of the names `bytes` holds back to back, each ending at its entry of `ends`.
NameIndex IndexOfCopies(const std::string& bytes, const std::vector<std::size_t>& ends) {
  std::vector<std::string_view> names;
  names.reserve(ends.size());
  std::size_t start = 0;
  for (const std::size_t end : ends) {
    names.emplace_back(bytes.data() + start, end - start);
    start = end;
  }
  return NameIndex(names);
}

}  // namespace

NameMatches::NameMatches(std::size_t count)
    : m_count(count), m_words((count + kWordBits - 1) / kWordBits, 0) {}

void NameMatches::AddAll() {
  std::fill(m_words.begin(), m_words.end(), ~std::uint64_t{0});
  if (m_count % kWordBits != 0) {
    m_words.back() = (std::uint64_t{1} << (m_count % kWordBits)) - 1;
  }
}

std::vector<std::size_t> NameMatches::Positions() const {
  std::size_t count = 0;
  for (const std::uint64_t bits : m_words) {
    count += static_cast<std::size_t>(std::popcount(bits));
  }
  std::vector<std::size_t> positions;
  positions.reserve(count);
  for (std::size_t word = 0; word < m_words.size(); ++word) {
    if (m_words[word] == ~std::uint64_t{0}) {  // all 64: what a search that keeps all gives
      positions.resize(positions.size() + kWordBits);
      std::iota(positions.end() - kWordBits, positions.end(), word * kWordBits);
      continue;
    }
    for (std::uint64_t bits = m_words[word]; bits != 0; bits &= bits - 1) {
      positions.push_back(word * kWordBits + static_cast<std::size_t>(std::countr_zero(bits)));
    }
  }
  return positions;
}

NameIndex::NameIndex(std::span<const std::string_view> names) {
  m_nameStarts.reserve(names.size() + 1);
  // Names are short and share most of their characters and pairs: a few keys per name.
  m_characterKeys.reserve(names.size() / 4);
  m_pairKeys.reserve(names.size() * 2);
  PostingCounter counter;
  std::vector<std::size_t> occurrenceEnds;
  occurrenceEnds.reserve(names.size());
  for (std::size_t position = 0; position < names.size(); ++position) {
    m_nameStarts.push_back(m_names.size());
    m_names.append(FoldName(names[position]));
    const auto name = static_cast<std::uint32_t>(position);
    const std::string_view folded = std::string_view(m_names).substr(m_nameStarts.back());
    std::uint32_t previous = 0;
    for (std::size_t at = 0; at < folded.size();) {
      const std::size_t length = CharacterLength(folded, at);
      const std::uint32_t key = CharacterKey(folded, at, length);
      counter.Note(m_characterKeys, key, name);
      if (at != 0) {
        counter.Note(m_pairKeys, PairKey(previous, key), name);
      }
      previous = key;
      at += length;
    }
    occurrenceEnds.push_back(counter.occurrences.size());
  }
  m_nameStarts.push_back(m_names.size());

  m_postingStarts.assign(counter.counts.size() + 1, 0);
  for (std::size_t list = 0; list < counter.counts.size(); ++list) {
    m_postingStarts[list + 1] = m_postingStarts[list] + counter.counts[list];
  }
  m_postings.resize(counter.occurrences.size());
  std::vector<std::size_t> next(m_postingStarts.begin(), m_postingStarts.end() - 1);
  std::size_t occurrence = 0;
  for (std::size_t position = 0; position < names.size(); ++position) {
    for (; occurrence < occurrenceEnds[position]; ++occurrence) {
      m_postings[next[counter.occurrences[occurrence]]++] = static_cast<std::uint32_t>(position);
    }
  }
}

std::string_view NameIndex::FoldedName(std::size_t position) const {
  return std::string_view(m_names).substr(m_nameStarts[position],
                                          m_nameStarts[position + 1] - m_nameStarts[position]);
}

NameIndex::Postings NameIndex::PostingsOf(
    const std::unordered_map<std::uint64_t, std::uint32_t>& keys, std::uint64_t key) const {
  const auto found = keys.find(key);
  if (found == keys.end()) {
    return {};
  }
  const std::size_t begin = m_postingStarts[found->second];
  return Postings(m_postings).subspan(begin, m_postingStarts[found->second + 1] - begin);
}

// A match starts at a character start of the name, and there the name's characters are
// the literal's for as long as the literal's are complete: the name holds each pair of
// them, and the first character, at character starts of its own.
bool NameIndex::Narrow(std::string_view literal, Postings& postings, bool& sure) const {
  std::size_t characters = 0;
  std::size_t at = 0;
  std::uint32_t previous = 0;
  while (at < literal.size() && IsCompleteCharacter(literal, at)) {
    const std::size_t length = CharacterLength(literal, at);
    const std::uint32_t key = CharacterKey(literal, at, length);
    if (characters != 0) {
      const Postings pair = PostingsOf(m_pairKeys, PairKey(previous, key));
      if (characters == 1 || pair.size() < postings.size()) {
        postings = pair;
      }
    }
    previous = key;
    ++characters;
    at += length;
  }
  if (characters == 0) {
    return false;
  }
  if (characters == 1) {
    postings = PostingsOf(m_characterKeys, previous);
  }
  sure = at == literal.size() && characters <= 2;
  return true;
}

// A name that a literal found without a test holds is kept at once. Any other name
// that one of the literals holds is among the names that literal's posting list gives
// (every name, for a literal that narrows nothing), and that literal is among those
// tested: so testing those names against those literals alone is exact.
NameMatches NameIndex::Search(std::span<const std::string> literals) const {
  const std::vector<std::string_view> views(literals.begin(), literals.end());
  return Search(views);
}

NameMatches NameIndex::Search(std::span<const std::string_view> literals) const {
  NameMatches kept(size());
  if (std::any_of(literals.begin(), literals.end(),
                  [](const std::string_view literal) { return literal.empty(); })) {
    kept.AddAll();
    return kept;
  }
  NameMatches candidates(size());
  std::vector<std::string_view> tested;
  bool testEveryName = false;
  for (const std::string_view literal : literals) {
    Postings postings;
    bool sure = false;
    if (!Narrow(literal, postings, sure)) {
      testEveryName = true;
      tested.emplace_back(literal);
      continue;
    }
    if (postings.empty()) {
      continue;
    }
    if (!sure) {
      tested.emplace_back(literal);
    }
    NameMatches& found = sure ? kept : candidates;
    for (const std::uint32_t position : postings) {
      found.Add(position);
    }
  }
  if (tested.empty()) {
    return kept;
  }
  if (testEveryName) {
    candidates.AddAll();
  }
  const LiteralMatcher matcher(tested);
  for (std::size_t word = 0; word < candidates.m_words.size(); ++word) {
    for (std::uint64_t bits = candidates.m_words[word] & ~kept.m_words[word]; bits != 0;
         bits &= bits - 1) {
      const std::size_t position =
          word * kWordBits + static_cast<std::size_t>(std::countr_zero(bits));
      if (matcher.Matches(FoldedName(position))) {
        kept.Add(position);
      }
    }
  }
  return kept;
}

bool NameIndex::NarrowAll(std::span<const std::string> literals, std::vector<Postings>& lists,
                          std::size_t& names) const {
  lists.clear();
  names = 0;
  for (const std::string& literal : literals) {
    Postings postings;
    bool sure = false;
    if (!Narrow(literal, postings, sure)) {
      return false;
    }
    lists.push_back(postings);
    names += postings.size();
  }
  return true;
}

// Each literal of a word after the first starts where the one before it ends: there,
// too, at a character start of the name when its first byte can only start a character
// (it is not a UTF-8 continuation byte). So any such word, and the first, narrows the
// names to test: they are those of the word whose posting lists are the shortest, less
// those that the other words' lists leave out, while more than a few are left.
void NameIndex::KeepSequences(NameMatches& kept,
                              std::span<const std::span<const std::string>> words) const {
  const auto test = [&](std::size_t position) {
    if (!kept.Contains(position) && MatchesLiteralSequence(FoldedName(position), words)) {
      kept.Add(position);
    }
  };
  const auto startsCharacters = [&](std::span<const std::string> literals) {
    return std::all_of(literals.begin(), literals.end(), [](const std::string& literal) {
      return !literal.empty() && (static_cast<unsigned char>(literal.front()) < 0x80 ||
                                  static_cast<unsigned char>(literal.front()) > 0xBF);
    });
  };
  std::vector<std::vector<Postings>> lists(words.size());
  std::vector<bool> narrows(words.size(), false);
  std::size_t narrowest = words.size();
  std::size_t fewest = 0;
  for (std::size_t word = 0; word < words.size(); ++word) {
    std::size_t names = 0;
    narrows[word] =
        (word == 0 || startsCharacters(words[word])) && NarrowAll(words[word], lists[word], names);
    if (narrows[word] && (narrowest == words.size() || names < fewest)) {
      narrowest = word;
      fewest = names;
    }
  }
  if (narrowest == words.size()) {
    for (std::size_t position = 0; position < size(); ++position) {
      test(position);
    }
    return;
  }
  std::vector<std::uint32_t> candidates;
  candidates.reserve(fewest);
  for (const Postings postings : lists[narrowest]) {
    candidates.insert(candidates.end(), postings.begin(), postings.end());
  }
  std::sort(candidates.begin(), candidates.end());
  candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());
  constexpr std::size_t kFewCandidates = 16;  // testing them costs less than leaving some out
  for (std::size_t word = 0; word < words.size() && candidates.size() > kFewCandidates; ++word) {
    if (word == narrowest || !narrows[word]) {
      continue;
    }
    NameMatches holding(size());
    for (const Postings postings : lists[word]) {
      for (const std::uint32_t position : postings) {
        holding.Add(position);
      }
    }
    std::erase_if(candidates, [&](std::uint32_t position) { return !holding.Contains(position); });
  }
  for (const std::uint32_t position : candidates) {
    test(position);
  }
}

std::future<NameIndex> BuildNameIndexInBackground(std::span<const std::string_view> names) {
  // One buffer instead of a string per name: the copy stays a few milliseconds at
  // 100,000 names.
  std::string bytes;
  std::vector<std::size_t> ends;
  ends.reserve(names.size());
  for (const std::string_view name : names) {
    bytes += name;
    ends.push_back(bytes.size());
  }
  return std::async(std::launch::async, [bytes = std::move(bytes), ends = std::move(ends)] {
    NameIndex index = IndexOfCopies(bytes, ends);
    // The building's scratch is twice the index; the allocator would
    // keep it in this thread's heap for good.
    ReturnFreedMemory();
    return index;
  });
}
