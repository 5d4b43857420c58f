#include "search/pattern_expansion.h"

#include <algorithm>
#include <optional>

#include "search/text_encoding.h"

namespace {

using Strings = std::vector<std::string>;

// Nesting deeper than any answer has is refused, so that the recursion stays shallow.
constexpr int kMaxDepth = 64;
// Ranges wider than this are left to the engine rather than spelled out.
constexpr char32_t kMaxRangeWidth = 4096;

bool IsAsciiAlphanumeric(unsigned char byte) {
  return (byte >= '0' && byte <= '9') || (byte >= 'a' && byte <= 'z') ||
         (byte >= 'A' && byte <= 'Z');
}

std::size_t Bytes(const Strings& strings) {
  std::size_t bytes = 0;
  for (const std::string& string : strings) {
    bytes += string.size();
  }
  return bytes;
}

std::optional<char32_t> DecodeUtf8(std::string_view character) {
  const auto at = [&](std::size_t index) {
    return static_cast<char32_t>(static_cast<unsigned char>(character[index]));
  };
  switch (character.size()) {
    case 1:
      return at(0) < 0x80 ? std::optional<char32_t>(at(0)) : std::nullopt;
    case 2:
      return ((at(0) & 0x1F) << 6) | (at(1) & 0x3F);
    case 3:
      return ((at(0) & 0x0F) << 12) | ((at(1) & 0x3F) << 6) | (at(2) & 0x3F);
    default:
      return ((at(0) & 0x07) << 18) | ((at(1) & 0x3F) << 12) | ((at(2) & 0x3F) << 6) |
             (at(3) & 0x3F);
  }
}

// A recursive-descent reading of the expression with the grammar of PCRE2 (UTF mode,
// default options) for the constructs that denote finite sets; every method returns
// false at anything else.
class Expansion {
 public:
  Expansion(std::string_view text, std::size_t byteLimit) : m_text(text), m_byteLimit(byteLimit) {}

  bool Run(Strings& out) { return Alternation(0, out) && AtEnd(); }

 private:
  bool AtEnd() const { return m_position == m_text.size(); }
  bool Peek(char byte) const { return !AtEnd() && m_text[m_position] == byte; }
  bool PeekAt(std::size_t offset, char byte) const {
    return m_position + offset < m_text.size() && m_text[m_position + offset] == byte;
  }

  std::string_view Token() const {
    return m_text.substr(m_position, CharacterLength(m_text, m_position));
  }

  // "{n}", "{n,}" or "{n,m}" at the current position.
  bool AtCountedRepeat() const {
    std::size_t at = m_position + 1;
    const auto digits = [&] {
      const std::size_t start = at;
      while (at < m_text.size() && m_text[at] >= '0' && m_text[at] <= '9') {
        ++at;
      }
      return at > start;
    };
    if (!Peek('{') || !digits()) {
      return false;
    }
    if (at < m_text.size() && m_text[at] == ',') {
      ++at;
      digits();
    }
    return at < m_text.size() && m_text[at] == '}';
  }

  bool AtQuantifier() const { return Peek('*') || Peek('+') || Peek('?') || AtCountedRepeat(); }

  bool Alternation(int depth, Strings& out) {
    for (;;) {
      Strings sequence;
      if (!Sequence(depth, sequence)) {
        return false;
      }
      if (out.empty()) {
        out = std::move(sequence);
      } else {
        m_bytes += Bytes(sequence);
        if (m_bytes > m_byteLimit) {
          return false;
        }
        out.insert(out.end(), std::make_move_iterator(sequence.begin()),
                   std::make_move_iterator(sequence.end()));
      }
      if (!Peek('|')) {
        return true;
      }
      ++m_position;
    }
  }

  // A character that stands for itself here, and is not repeated: appended to every
  // string so far at once.
  bool AppendPlainCharacter(Strings& out) {
    const std::string_view token = Token();
    const std::size_t next = m_position + token.size();
    if (token.size() == 1 && (IsSyntax(token[0]) || token[0] == '{')) {
      return false;
    }
    if (next < m_text.size() && IsSyntaxAfter(m_text[next])) {
      return false;
    }
    if (out.size() * token.size() > m_byteLimit - std::min(m_byteLimit, m_sequenceBytes)) {
      return false;
    }
    for (std::string& string : out) {
      string += token;
    }
    m_sequenceBytes += out.size() * token.size();
    m_position = next;
    return true;
  }

  static bool IsSyntax(char byte) {
    return byte == '(' || byte == ')' || byte == '[' || byte == '\\' || byte == '|' ||
           byte == '.' || byte == '^' || byte == '$' || byte == '*' || byte == '+' || byte == '?';
  }

  // A character followed by one of these may be repeated by it.
  static bool IsSyntaxAfter(char byte) {
    return byte == '*' || byte == '+' || byte == '?' || byte == '{';
  }

  bool Sequence(int depth, Strings& out) {
    out.assign(1, std::string());
    m_sequenceBytes = 0;
    while (!AtEnd() && !Peek('|') && !Peek(')')) {
      if (AppendPlainCharacter(out)) {
        continue;
      }
      Strings item;
      if (!Item(depth, item)) {
        return false;
      }
      if (Peek('?')) {
        ++m_position;
        item.emplace_back();
      }
      // Lazy, possessive and further repeats are not spelled out.
      if (AtQuantifier()) {
        return false;
      }
      if (!Concatenate(out, item)) {
        return false;
      }
      m_sequenceBytes = Bytes(out);
    }
    return true;
  }

  bool Concatenate(Strings& out, const Strings& item) {
    if (item.size() == 1) {
      for (std::string& string : out) {
        string += item.front();
      }
      return Bytes(out) <= m_byteLimit;
    }
    const std::size_t outBytes = Bytes(out);
    const std::size_t itemBytes = Bytes(item);
    if (outBytes * item.size() + itemBytes * out.size() > m_byteLimit) {
      return false;
    }
    Strings product;
    product.reserve(out.size() * item.size());
    for (const std::string& head : out) {
      for (const std::string& tail : item) {
        product.push_back(head + tail);
      }
    }
    out = std::move(product);
    return true;
  }

  bool Item(int depth, Strings& out) {
    const std::string_view token = Token();
    m_position += token.size();
    if (token.size() > 1) {
      out.emplace_back(token);
      return true;
    }
    switch (token[0]) {
      case '(':
        if (depth == kMaxDepth || Peek('?') || Peek('*')) {
          return false;
        }
        if (!Alternation(depth + 1, out) || !Peek(')')) {
          return false;
        }
        ++m_position;
        return true;
      case '[':
        return Class(out);
      case '\\':
        return Escaped(out);
      case '.':
      case '^':
      case '$':
      case '*':
      case '+':
      case '?':
        return false;
      case '{':
        m_position -= 1;
        if (AtCountedRepeat()) {
          return false;
        }
        m_position += 1;
        break;
      default:
        break;
    }
    out.emplace_back(token);
    return true;
  }

  // After a backslash: ASCII punctuation and any character beyond ASCII stand for
  // themselves; a letter or digit is one of the engine's special escapes.
  bool Escaped(Strings& out) {
    std::string character;
    if (!EscapedCharacter(character)) {
      return false;
    }
    out.push_back(std::move(character));
    return true;
  }

  bool EscapedCharacter(std::string& character) {
    if (AtEnd()) {
      return false;
    }
    const std::string_view token = Token();
    if (token.size() == 1 && IsAsciiAlphanumeric(static_cast<unsigned char>(token[0]))) {
      return false;
    }
    m_position += token.size();
    character = token;
    return true;
  }

  // One member of a class, plain or escaped; false at a POSIX class or a special escape.
  bool ClassMember(std::string& character) {
    const std::string_view token = Token();
    m_position += token.size();
    if (token == "\\") {
      return EscapedCharacter(character);
    }
    if (token == "[" && (Peek(':') || Peek('.') || Peek('='))) {
      return false;
    }
    character = token;
    return true;
  }

  bool Class(Strings& out) {
    if (Peek('^')) {
      return false;
    }
    Strings members;
    for (bool first = true;; first = false) {
      if (AtEnd()) {
        return false;
      }
      if (Peek(']') && !first) {
        ++m_position;
        break;
      }
      std::string low;
      if (!ClassMember(low)) {
        return false;
      }
      if (Peek('-') && m_position + 1 < m_text.size() && !PeekAt(1, ']')) {
        ++m_position;
        std::string high;
        if (!ClassMember(high) || !AddRange(low, high, members)) {
          return false;
        }
        // What a "-" right after a range means is left to the engine.
        if (Peek('-') && !PeekAt(1, ']')) {
          return false;
        }
        continue;
      }
      members.push_back(std::move(low));
    }
    m_bytes += Bytes(members);
    if (m_bytes > m_byteLimit) {
      return false;
    }
    out = std::move(members);
    return true;
  }

  bool AddRange(const std::string& low, const std::string& high, Strings& members) const {
    const std::optional<char32_t> first = DecodeUtf8(low);
    const std::optional<char32_t> last = DecodeUtf8(high);
    if (!first || !last || *first > *last || *last - *first > kMaxRangeWidth) {
      return false;
    }
    for (char32_t code = *first; code <= *last; ++code) {
      if (code < 0xD800 || code > 0xDFFF) {
        members.push_back(Utf8Of(code));
      }
    }
    return true;
  }

  std::string_view m_text;
  std::size_t m_byteLimit;
  std::size_t m_position = 0;
  std::size_t m_bytes = 0;          // spelled out so far, a rough guard against blow-up
  std::size_t m_sequenceBytes = 0;  // of the strings of the innermost sequence being read
};

}  // namespace

bool ExpandPattern(std::string_view expression, std::vector<std::string>& literals,
                   std::size_t byteLimit) {
  Strings expanded;
  if (!Expansion(expression, byteLimit).Run(expanded)) {
    return false;
  }
  literals.insert(literals.end(), std::make_move_iterator(expanded.begin()),
                  std::make_move_iterator(expanded.end()));
  return true;
}
