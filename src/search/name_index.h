#pragma once

#include <cstddef>
#include <cstdint>
#include <future>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The names one search kept, by their position in the index that answered it.
class NameMatches {
 public:
  explicit NameMatches(std::size_t count = 0);

  bool Contains(std::size_t position) const {
    return position < m_count && ((m_words[position / 64] >> (position % 64)) & 1U) != 0;
  }
  // The kept positions, ascending.
  std::vector<std::size_t> Positions() const;

 private:
  friend class NameIndex;

  void AddAll();

 public:
  void Add(std::size_t position) { m_words[position / 64] |= std::uint64_t{1} << (position % 64); }

  std::size_t m_count = 0;
  std::vector<std::uint64_t> m_words;
};

// The folded names (FoldName) of a collection, indexed by the characters they hold, so that a
// search looks only at names that can contain one of its literals. For every character
// start of every name it records the character there and the pair of characters that
// starts there. A literal whose first characters are complete is only sought in the
// names holding its rarest pair (or its only character); every name so found is then
// tested with a LiteralMatcher, unless the literal is that pair or character itself.
// The answers are exactly those of MatchesAnyLiteral over the folded names, so the
// literals are to be folded alike. The index keeps its own folded copy of the names: it
// answers for the names it was built from, however they change afterwards.
class NameIndex {
 public:
  explicit NameIndex(std::span<const std::string_view> names = {});

  std::size_t size() const { return m_nameStarts.size() - 1; }

  // Which names contain one of `literals` at a character start, once folded.
  NameMatches Search(std::span<const std::string> literals) const;
  NameMatches Search(std::span<const std::string_view> literals) const;

  // Adds to `kept` the names not in it yet that hold, at a character start once folded,
  // a literal of each of `words` one directly after the other: those that contain one
  // of the literals the words' product spells out.
  void KeepSequences(NameMatches& kept, std::span<const std::span<const std::string>> words) const;

  // Adds to `kept` the names not in it yet whose folded form passes `test`.
  template <class Test>
  void KeepMatching(NameMatches& kept, const Test& test) const {
    for (std::size_t position = 0; position < size(); ++position) {
      if (!kept.Contains(position) && test(FoldedName(position))) {
        kept.Add(position);
      }
    }
  }

  std::string_view FoldedName(std::size_t position) const;

 private:
  using Postings = std::span<const std::uint32_t>;

  Postings PostingsOf(const std::unordered_map<std::uint64_t, std::uint32_t>& keys,
                      std::uint64_t key) const;
  // The posting list to look for `literal` in, and whether every name in it holds the
  // literal; false when the literal's first character is incomplete, so that any name
  // may hold it.
  bool Narrow(std::string_view literal, Postings& postings, bool& sure) const;
  // The posting lists of `literals` (Narrow), and how many names they give together;
  // false when one of the literals narrows nothing.
  bool NarrowAll(std::span<const std::string> literals, std::vector<Postings>& lists,
                 std::size_t& names) const;

  std::string m_names;                    // every name folded, back to back
  std::vector<std::size_t> m_nameStarts;  // where each name starts, then the end
  // Key -> its posting list's number. A character is its bytes read as a big-endian
  // number (the lead byte tells its length, so no two characters share a number); a
  // pair is the first character's number above the second's.
  std::unordered_map<std::uint64_t, std::uint32_t> m_characterKeys;
  std::unordered_map<std::uint64_t, std::uint32_t> m_pairKeys;
  // Posting list n is m_postings[m_postingStarts[n], m_postingStarts[n + 1]): the
  // positions of the names holding the key, ascending, each once.
  std::vector<std::size_t> m_postingStarts;
  std::vector<std::uint32_t> m_postings;
};

// Builds the index of `names` on a worker thread, from a copy of them made before this
// returns, so the names may change meanwhile.
std::future<NameIndex> BuildNameIndexInBackground(std::span<const std::string_view> names);
