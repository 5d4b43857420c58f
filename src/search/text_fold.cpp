#include "search/text_fold.h"

#include <array>
#include <cstdint>

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
  if (CharacterLength(text, position, TextEncoding::kUtf8) != 3 ||
      static_cast<unsigned char>(text[position]) != 0xEF) {
    return 0;
  }
  return 0xF000 | ((static_cast<char32_t>(text[position + 1]) & 0x3F) << 6) |
         (static_cast<char32_t>(text[position + 2]) & 0x3F);
}

std::string FoldUtf8(std::string_view name) {
  std::string folded;
  folded.reserve(name.size());
  for (std::size_t position = 0; position < name.size();) {
    const std::size_t length = CharacterLength(name, position, TextEncoding::kUtf8);
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

// Katakana as code page 932 writes it: ァ (U+30A1) is 83 40, in code point order, with
// 83 7F left out.
void AppendShiftJisKana(std::string& out, char32_t code) {
  std::uint32_t second = 0;
  switch (code) {
    case U'。':
      second = 0x8142;
      break;
    case U'「':
      second = 0x8175;
      break;
    case U'」':
      second = 0x8176;
      break;
    case U'、':
      second = 0x8141;
      break;
    case U'・':
      second = 0x8145;
      break;
    case U'ー':
      second = 0x815B;
      break;
    case U'゛':
      second = 0x814A;
      break;
    case U'゜':
      second = 0x814B;
      break;
    default: {
      std::uint32_t offset = code - U'ァ';
      second = 0x8340 + offset + (offset >= 0x3F ? 1 : 0);
      break;
    }
  }
  out += static_cast<char>(second >> 8);
  out += static_cast<char>(second & 0xFF);
}

std::string FoldShiftJis(std::string_view name) {
  std::string folded;
  folded.reserve(name.size());
  for (std::size_t position = 0; position < name.size();) {
    const std::size_t length = CharacterLength(name, position, TextEncoding::kShiftJis);
    const auto lead = static_cast<unsigned char>(name[position]);
    if (length == 2 && lead == 0x82) {
      const auto trail = static_cast<unsigned char>(name[position + 1]);
      if (trail >= 0x4F && trail <= 0x58) {
        folded += static_cast<char>(trail - 0x4F + '0');
      } else if (trail >= 0x60 && trail <= 0x79) {
        folded += static_cast<char>(trail - 0x60 + 'a');
      } else if (trail >= 0x81 && trail <= 0x9A) {
        folded += static_cast<char>(trail - 0x81 + 'a');
      } else {
        folded.append(name.substr(position, 2));
      }
      position += 2;
      continue;
    }
    if (length == 1 && lead >= 0xA1 && lead <= 0xDF) {
      char32_t full = kFullWidthKana[lead - 0xA1];
      position += 1;
      if (position < name.size()) {
        const auto mark = static_cast<unsigned char>(name[position]);
        if (mark == 0xDE || mark == 0xDF) {
          // Code page 932 has no ヷ or ヺ: those stay two characters.
          if (const char32_t joined = Voiced(full, mark == 0xDF); joined != 0 && joined < U'ヷ') {
            full = joined;
            position += 1;
          }
        }
      }
      AppendShiftJisKana(folded, full);
      continue;
    }
    if (length == 1) {
      folded += Lower(name[position]);
    } else {
      folded.append(name.substr(position, length));
    }
    position += length;
  }
  return folded;
}

}  // namespace

bool MayFoldWidth(std::string_view name, TextEncoding encoding) {
  for (const char byte : name) {
    const auto value = static_cast<unsigned char>(byte);
    if (encoding == TextEncoding::kUtf8 ? value == 0xEF : value >= 0x80) {
      return true;
    }
  }
  return false;
}

std::string FoldName(std::string_view name, TextEncoding encoding) {
  if (!MayFoldWidth(name, encoding)) {
    std::string folded(name);
    for (char& byte : folded) {
      byte = Lower(byte);
    }
    return folded;
  }
  return encoding == TextEncoding::kUtf8 ? FoldUtf8(name) : FoldShiftJis(name);
}
