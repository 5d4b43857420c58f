#include "search/answer_words.h"

#include <algorithm>
#include <vector>

#include "search/text_encoding.h"

namespace {

char32_t Utf8CodePoint(std::string_view character) {
  const auto byte = [&](std::size_t index) { return static_cast<char32_t>(character[index]); };
  switch (character.size()) {
    case 2:
      return ((byte(0) & 0x1F) << 6) | (byte(1) & 0x3F);
    case 3:
      return ((byte(0) & 0x0F) << 12) | ((byte(1) & 0x3F) << 6) | (byte(2) & 0x3F);
    case 4:
      return ((byte(0) & 0x07) << 18) | ((byte(1) & 0x3F) << 12) | ((byte(2) & 0x3F) << 6) |
             (byte(3) & 0x3F);
    default:
      return static_cast<unsigned char>(character[0]);
  }
}

bool IsAsciiSymbol(unsigned char byte) {
  const bool alphanumeric =
      (byte >= '0' && byte <= '9') || (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z');
  return byte < 0x80 && !alphanumeric;
}

bool IsSymbolCode(char32_t code) {
  if (code < 0x80) {
    return IsAsciiSymbol(static_cast<unsigned char>(code));
  }
  return (code >= 0xA0 && code <= 0xBF) || code == 0xD7 || code == 0xF7 ||
         (code >= 0x2000 && code <= 0x2BFF) ||  // punctuation to shapes
         (code >= 0x3000 && code <= 0x303F && (code < 0x3005 || code > 0x3007)) ||  // 々〆〇
         code == U'・' || (code >= 0xFE30 && code <= 0xFE6F) ||
         (code >= 0xFF01 && code <= 0xFF0F) || (code >= 0xFF1A && code <= 0xFF20) ||
         (code >= 0xFF3B && code <= 0xFF40) || (code >= 0xFF5B && code <= 0xFF65) ||
         (code >= 0xFFE0 && code <= 0xFFEE);
}

bool IsSymbol(std::string_view character) {
  return IsSymbolCode(Utf8CodePoint(character));
}

// Whether `text` holds a symbol other than the operators of a regular expression.
bool HoldsSymbol(std::string_view text) {
  for (std::size_t position = 0; position < text.size();) {
    const std::size_t length = CharacterLength(text, position);
    const std::string_view character = text.substr(position, length);
    position += length;
    if (length > 1 ? IsSymbol(character)
                   : IsAsciiSymbol(static_cast<unsigned char>(character[0])) &&
                         std::string_view("()|[]").find(character) == std::string_view::npos) {
      return true;
    }
  }
  return false;
}

struct Kinds {
  bool word = false;
  bool symbol = false;
};

class Alternatives {
 public:
  explicit Alternatives(std::string_view expression) : m_text(expression) {}

  // The alternatives at the top level: inside the one enclosing group, if there is one.
  std::vector<std::string_view> TopLevel() const {
    return Split(EnclosingGroup() ? m_text.substr(1, m_text.size() - 2) : m_text);
  }

  // Without the alternatives `filter` makes empty, and what it makes of the others.
  template <class Filter>
  std::string Filtered(const Filter& filter) const {
    std::vector<std::string> kept;
    bool changed = false;
    for (const std::string_view alternative : TopLevel()) {
      std::string filtered = filter(alternative);
      changed = changed || filtered != alternative;
      if (!filtered.empty() || alternative.empty()) {
        kept.push_back(std::move(filtered));
      }
    }
    if (!changed) {
      return std::string(m_text);
    }
    std::string out;
    for (std::size_t index = 0; index < kept.size(); ++index) {
      out += index == 0 ? "" : "|";
      out += kept[index];
    }
    return kept.empty() ? std::string() : EnclosingGroup() ? "(" + out + ")" : out;
  }

  // The alternative without its symbol words: itself, a class of a whole alternative
  // without its symbols, or empty.
  std::string WithoutSymbols(std::string_view alternative) const {
    const Kinds kinds = KindsOf(alternative);
    if (!kinds.symbol) {
      return std::string(alternative);
    }
    if (!kinds.word) {
      return {};
    }
    if (alternative.size() < 3 || alternative.front() != '[' || alternative.back() != ']' ||
        alternative[1] == '^' || alternative[1] == ']' ||
        alternative.substr(1, alternative.size() - 2).find_first_of("[]-") !=
            std::string_view::npos) {
      return std::string(alternative);  // symbols within a word, or a class to leave be
    }
    std::string members;
    const std::string_view inside = alternative.substr(1, alternative.size() - 2);
    for (std::size_t position = 0; position < inside.size();) {
      std::size_t length = Length(inside, position);
      if (inside[position] == '\\' && position + 1 < inside.size()) {
        length = 1 + Length(inside, position + 1);
      }
      const std::string_view member = inside.substr(position, length);
      if (!IsSymbol(member[0] == '\\' ? member.substr(1) : member)) {
        members += member;
      }
      position += length;
    }
    return "[" + members + "]";
  }

 private:
  std::size_t Length(std::string_view text, std::size_t position) const {
    return CharacterLength(text, position);
  }

  // Calls `step(position, length, depth, inClass)` for each character of `text`, an
  // escape and the character after it taken together; stops when `step` returns false.
  template <class Step>
  void Walk(std::string_view text, const Step& step) const {
    int depth = 0;
    bool inClass = false;
    for (std::size_t position = 0; position < text.size();) {
      std::size_t length = Length(text, position);
      const char byte = text[position];
      if (byte == '\\' && position + 1 < text.size()) {
        length = 1 + Length(text, position + 1);
      }
      if (!step(position, length, depth, inClass)) {
        return;
      }
      if (length == 1 && inClass) {
        inClass = byte != ']' || text[position - 1] == '[';
      } else if (length == 1 && byte == '[') {
        inClass = true;
      } else if (length == 1 && byte == '(') {
        ++depth;
      } else if (length == 1 && byte == ')') {
        --depth;
      }
      position += length;
    }
  }

  // Whether the whole expression is one group: "(" whose ")" is its last character.
  bool EnclosingGroup() const {
    if (m_text.size() < 2 || m_text.front() != '(' || m_text.back() != ')' ||
        m_text.starts_with("(?")) {
      return false;
    }
    bool whole = true;
    Walk(m_text, [&](std::size_t position, std::size_t, int depth, bool inClass) {
      if (!inClass && depth == 1 && m_text[position] == ')') {
        whole = position + 1 == m_text.size();
        return false;
      }
      return true;
    });
    return whole;
  }

  std::vector<std::string_view> Split(std::string_view text) const {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    Walk(text, [&](std::size_t position, std::size_t, int depth, bool inClass) {
      if (!inClass && depth == 0 && text[position] == '|') {
        parts.push_back(text.substr(start, position - start));
        start = position + 1;
      }
      return true;
    });
    parts.push_back(text.substr(start));
    return parts;
  }

  // What the characters of `text` are, structure left aside; a class with a range or
  // negation, an escape that is not a symbol ("\d") and "." count as a word.
  Kinds KindsOf(std::string_view text) const {
    Kinds kinds;
    Walk(text, [&](std::size_t position, std::size_t length, int, bool inClass) {
      const std::string_view character = text.substr(position, length);
      if (inClass && character == "]" && text[position - 1] != '[') {
        return true;  // the class ends
      }
      const bool structure =
          length == 1 && std::string_view("()|[]?*+{}^$").find(character) != std::string_view::npos;
      if (character == "." || (inClass && (character == "-" || character == "^"))) {
        kinds.word = true;
      } else if (character[0] == '\\') {
        (IsSymbol(character.substr(1)) ? kinds.symbol : kinds.word) = true;
      } else if (!structure || inClass) {
        (IsSymbol(character) ? kinds.symbol : kinds.word) = true;
      }
      return true;
    });
    return kinds;
  }

  std::string_view m_text;
};

}  // namespace

std::string DropSymbolWords(std::string_view expression) {
  if (!HoldsSymbol(expression)) {
    return std::string(expression);  // most answers: nothing to leave out
  }
  const Alternatives alternatives(expression);
  return alternatives.Filtered(
      [&](std::string_view alternative) { return alternatives.WithoutSymbols(alternative); });
}

std::string DropLatinSpellings(std::string_view expression) {
  return Alternatives(expression).Filtered([](std::string_view alternative) {
    const bool latin = std::all_of(alternative.begin(), alternative.end(), [](char byte) {
      return (byte >= 'a' && byte <= 'z') || (byte >= '0' && byte <= '9') || byte == '-';
    });
    return latin ? std::string() : std::string(alternative);
  });
}

bool HoldsDictionaryWord(std::string_view answer) {
  for (std::size_t position = 0; position < answer.size();) {
    const std::size_t length = CharacterLength(answer, position);
    const std::string_view character = answer.substr(position, length);
    position += length;
    if (character[0] >= 'A' && character[0] <= 'Z') {
      return true;
    }
    const char32_t code = Utf8CodePoint(character);
    if ((code >= 0x3400 && code <= 0x9FFF) || (code >= 0xF900 && code <= 0xFAFF) || code == U'々') {
      return true;
    }
  }
  constexpr std::size_t kSpellings = 4;  // hiragana, katakana, full-width and typed Latin
  return Alternatives(answer).TopLevel().size() > kSpellings;
}

std::string DropKanaSpellings(std::string_view expression) {
  return Alternatives(expression).Filtered([](std::string_view alternative) {
    bool kana = !alternative.empty();
    for (std::size_t position = 0; kana && position < alternative.size();) {
      const std::size_t length = CharacterLength(alternative, position);
      const std::string_view character = alternative.substr(position, length);
      position += length;
      const char32_t code = Utf8CodePoint(character);
      kana = character == "[" || character == "]" || (code >= U'ぁ' && code <= U'ゖ') ||
             (code >= U'ァ' && code <= U'ヺ');
    }
    return kana ? std::string() : std::string(alternative);
  });
}
