#include "search/text_fold.h"

#include <array>

#include "search/text_encoding.h"

namespace {

// Full-width forms of the half-width katakana U+FF61 to U+FF9F, in order.
constexpr std::array<char16_t, 63> kFullWidthKana = {
    u'。', u'「', u'」', u'、', u'・', u'ヲ', u'ァ', u'ィ', u'ゥ', u'ェ', u'ォ', u'ャ', u'ュ',
    u'ョ', u'ッ', u'ー', u'ア', u'イ', u'ウ', u'エ', u'オ', u'カ', u'キ', u'ク', u'ケ', u'コ',
    u'サ', u'シ', u'ス', u'セ', u'ソ', u'タ', u'チ', u'ツ', u'テ', u'ト', u'ナ', u'ニ', u'ヌ',
    u'ネ', u'ノ', u'ハ', u'ヒ', u'フ', u'ヘ', u'ホ', u'マ', u'ミ', u'ム', u'メ', u'モ', u'ヤ',
    u'ユ', u'ヨ', u'ラ', u'リ', u'ル', u'レ', u'ロ', u'ワ', u'ン', u'゛', u'゜'};

constexpr char32_t kHalfWidthFirst = 0xFF61;
constexpr char32_t kHalfWidthVoiced = 0xFF9E;
constexpr char32_t kHalfWidthSemiVoiced = 0xFF9F;

// Only letters and digits: a full-width symbol stays itself, since its ASCII look-alike
// ("_", ".", "(") is in nearly every file name.
bool IsFullWidthAlphanumeric(char32_t code) {
  return (code >= U'０' && code <= U'９') || (code >= U'Ａ' && code <= U'Ｚ') ||
         (code >= U'ａ' && code <= U'ｚ');
}

char Lower(char byte) {
  return byte >= 'A' && byte <= 'Z' ? static_cast<char>(byte - 'A' + 'a') : byte;
}

// The kana `base` with a voiced (`semi` false) or semi-voiced mark, or 0 when it has none.
char32_t Voiced(char32_t base, bool semi) {
  const bool kaToTo = base >= U'カ' && base <= U'ト';
  const bool haRow = base >= U'ハ' && base <= U'ホ' && (base - U'ハ') % 3 == 0;
  if (semi) {
    return haRow ? base + 2 : 0;
  }
  if (haRow) {
    return base + 1;
  }
  if (kaToTo) {
    // カ to チ take the mark at odd code points, ツ to ト (after the small ッ) at even.
    const bool takes = base <= U'チ' ? (base - U'カ') % 2 == 0 : (base - U'ツ') % 2 == 0;
    return takes ? base + 1 : 0;
  }
  switch (base) {
    case U'ウ':
      return U'ヴ';
    case U'ワ':
      return U'ヷ';
    case U'ヲ':
      return U'ヺ';
    default:
      return 0;
  }
}

// The code point of the three-byte UTF-8 character EF xx yy at `position`, or 0 when
// there is none there.
char32_t HalfAndFullWidthForm(std::string_view text, std::size_t position) {
  if (CharacterLength(text, position) != 3 || static_cast<unsigned char>(text[position]) != 0xEF) {
    return 0;
  }
  return 0xF000 | ((static_cast<char32_t>(text[position + 1]) & 0x3F) << 6) |
         (static_cast<char32_t>(text[position + 2]) & 0x3F);
}

std::string FoldUtf8(std::string_view name) {
  std::string folded;
  folded.reserve(name.size());
  for (std::size_t position = 0; position < name.size();) {
    const std::size_t length = CharacterLength(name, position);
    const char32_t code = HalfAndFullWidthForm(name, position);
    position += length;
    if (IsFullWidthAlphanumeric(code)) {
      folded += Lower(static_cast<char>(code - 0xFF01 + '!'));
    } else if (code >= kHalfWidthFirst && code <= kHalfWidthSemiVoiced) {
      char32_t full = kFullWidthKana[code - kHalfWidthFirst];
      if (position < name.size()) {
        const char32_t mark = HalfAndFullWidthForm(name, position);
        if (mark == kHalfWidthVoiced || mark == kHalfWidthSemiVoiced) {
          if (const char32_t joined = Voiced(full, mark == kHalfWidthSemiVoiced); joined != 0) {
            full = joined;
            position += 3;
          }
        }
      }
      AppendUtf8(folded, full);
    } else if (length == 1) {
      folded += Lower(name[position - 1]);
    } else {
      folded.append(name.substr(position - length, length));
    }
  }
  return folded;
}

}  // namespace

bool MayFoldWidth(std::string_view name) {
  for (const char byte : name) {
    if (static_cast<unsigned char>(byte) == 0xEF) {
      return true;
    }
  }
  return false;
}

std::string FoldName(std::string_view name) {
  if (!MayFoldWidth(name)) {
    std::string folded(name);
    for (char& byte : folded) {
      byte = Lower(byte);
    }
    return folded;
  }
  return FoldUtf8(name);
}
