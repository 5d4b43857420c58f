#include "store/code_page_932.h"

#include <cstdint>

#include "search/text_encoding.h"
#include "store/code_page_932_table.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsLead(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// The place of a trail byte in a row, or -1 for a byte that trails no pair.
int TrailIndex(unsigned char byte) {
  if (byte < 0x40 || byte > 0xFC || byte == 0x7F) {
    return -1;
  }
  return byte < 0x7F ? byte - 0x40 : byte - 0x41;
}

// The character of a pair, or 0 when it stands for none.
char32_t PairCharacter(unsigned char lead, unsigned char trail) {
  const int trailIndex = TrailIndex(trail);
  if (trailIndex < 0) {
    return 0;
  }
  if (lead >= 0xF0 && lead <= 0xF9) {  // the user-defined area: private use, in order
    return 0xE000 + static_cast<char32_t>((lead - 0xF0) * kCodePage932Trails + trailIndex);
  }
  // The table is signed on purpose: -1 marks a lead byte of no row.
  const int row = kCodePage932RowOfLead[lead - 0x81];  // NOLINT(bugprone-signed-char-misuse)
  return row < 0 ? 0 : kCodePage932Pairs[row][trailIndex];
}

char32_t SingleCharacter(unsigned char byte) {
  if (byte < 0x80) {
    return byte;
  }
  if (byte >= 0xA1 && byte <= 0xDF) {  // half-width katakana
    return 0xFF61 + (byte - 0xA1);
  }
  return kReplacement;
}

}  // namespace

std::string Utf8FromCodePage932(std::string_view text) {
  std::string out;
  out.reserve(text.size() * 3 / 2);
  for (std::size_t position = 0; position < text.size();) {
    const auto byte = static_cast<unsigned char>(text[position]);
    if (!IsLead(byte)) {
      AppendUtf8(out, SingleCharacter(byte));
      ++position;
      continue;
    }
    if (position + 1 == text.size()) {
      AppendUtf8(out, kReplacement);
      break;
    }
    const auto trail = static_cast<unsigned char>(text[position + 1]);
    const char32_t character = PairCharacter(byte, trail);
    AppendUtf8(out, character != 0 ? character : kReplacement);
    position += character != 0 || trail >= 0x80 ? 2 : 1;
  }
  return out;
}
