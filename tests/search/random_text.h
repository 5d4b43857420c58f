#pragma once

// Random names and literal lists for comparing the search's fast paths with the direct
// literal-by-literal test.

#include <algorithm>
#include <cstddef>
#include <random>
#include <string>
#include <vector>

using Literals = std::vector<std::string>;

// Pieces names and literals are made of: ASCII of both cases, kana, kanji, full-width
// letters, and bytes that are no characters (lone lead and continuation bytes, pairs
// as Shift_JIS writes them, whose second byte looks like ASCII).
inline const std::vector<std::string> kPieces = {
    "A",        "K",    "a",    "k",        "r",        "E",        ".",        "[",       "|",
    "0",        " ",    "か",   "カ",       "と",       "う",       "き",       "ょ",      "東",
    "京",       "新",   "宿",   "Ｋ",       "ー",       "\x80",     "\x81",     "\x8B",    "\xE3",
    "\xE3\x81", "\xFF", "\xC3", "\xF0\x9F", "\x81\x5B", "\x83\x61", "\x82\xA0", "\x95\x5C"};

class RandomText {
 public:
  explicit RandomText(unsigned seed) : m_random(seed) {}

  std::size_t Below(std::size_t bound) {
    return std::uniform_int_distribution<std::size_t>(0, bound - 1)(m_random);
  }

  std::string Name() {
    std::string name;
    for (std::size_t count = Below(8); count > 0; --count) {
      name += kPieces[Below(kPieces.size())];
    }
    return name;
  }

  // Literals cut from the names at any byte (so some start inside a character),
  // literals that extend or trim earlier ones, fresh ones, and sometimes the empty one.
  Literals LiteralsFor(const std::vector<std::string>& names, bool withEmpty) {
    Literals literals;
    for (std::size_t count = 1 + Below(12); count > 0; --count) {
      switch (Below(4)) {
        case 0: {
          const std::string& name = names[Below(names.size())];
          if (name.empty()) {
            break;
          }
          const std::size_t start = Below(name.size());
          literals.push_back(name.substr(start, 1 + Below(name.size() - start)));
          break;
        }
        case 1:
          if (!literals.empty()) {
            const std::string earlier = literals[Below(literals.size())];
            literals.push_back(earlier + kPieces[Below(kPieces.size())]);
            if (earlier.size() > 1) {
              literals.push_back(earlier.substr(Below(earlier.size())));
              literals.push_back(earlier.substr(0, 1 + Below(earlier.size() - 1)));
            }
          }
          break;
        default:
          literals.push_back(kPieces[Below(kPieces.size())] +
                             (Below(2) == 0 ? kPieces[Below(kPieces.size())] : ""));
          break;
      }
    }
    literals.erase(std::remove(literals.begin(), literals.end(), ""), literals.end());
    if (withEmpty) {
      literals.insert(literals.begin() + static_cast<std::ptrdiff_t>(Below(literals.size() + 1)),
                      "");
    }
    return literals;
  }

 private:
  std::mt19937 m_random;
};
