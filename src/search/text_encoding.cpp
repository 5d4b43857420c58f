#include "search/text_encoding.h"

namespace {

bool IsContinuation(unsigned char byte) {
  return byte >= 0x80 && byte <= 0xBF;
}

// The length of the well-formed UTF-8 sequence at `position`, or 1 when there is none
// (stray continuation byte, overlong form, surrogate, beyond U+10FFFF, cut short).
std::size_t Utf8SequenceLength(std::string_view text, std::size_t position) {
  const auto at = [&](std::size_t offset) {
    return static_cast<unsigned char>(text[position + offset]);
  };
  const unsigned char lead = at(0);
  std::size_t length = 1;
  unsigned char secondLow = 0x80;
  unsigned char secondHigh = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) {
      secondLow = 0xA0;
    } else if (lead == 0xED) {
      secondHigh = 0x9F;
    }
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) {
      secondLow = 0x90;
    } else if (lead == 0xF4) {
      secondHigh = 0x8F;
    }
  } else {
    return 1;
  }
  if (text.size() - position < length) {
    return 1;
  }
  if (at(1) < secondLow || at(1) > secondHigh) {
    return 1;
  }
  for (std::size_t offset = 2; offset < length; ++offset) {
    if (!IsContinuation(at(offset))) {
      return 1;
    }
  }
  return length;
}

}  // namespace

std::size_t CharacterLength(std::string_view text, std::size_t position) {
  return Utf8SequenceLength(text, position);
}

bool IsCompleteCharacter(std::string_view text, std::size_t position) {
  const auto lead = static_cast<unsigned char>(text[position]);
  const std::size_t left = text.size() - position;
  if (Utf8SequenceLength(text, position) > 1 || lead < 0xC2 || lead > 0xF4) {
    return true;
  }
  // A lone lead byte: the bytes after it decided that only when all it needs were there.
  const std::size_t needed = lead <= 0xDF ? 2 : lead <= 0xEF ? 3 : 4;
  return left >= needed;
}

std::vector<bool> CharacterStarts(std::string_view text) {
  std::vector<bool> starts(text.size(), false);
  for (std::size_t position = 0; position < text.size();) {
    starts[position] = true;
    position += CharacterLength(text, position);
  }
  return starts;
}

bool IsUtf8CharacterStart(std::string_view text, std::size_t position) {
  if (!IsContinuation(static_cast<unsigned char>(text[position]))) {
    return true;
  }
  for (std::size_t back = 1; back <= 3 && back <= position; ++back) {
    if (Utf8SequenceLength(text, position - back) > back) {
      return false;
    }
  }
  return true;
}

bool IsWellFormedUtf8(std::string_view text) {
  for (std::size_t position = 0; position < text.size();) {
    if (static_cast<unsigned char>(text[position]) < 0x80) {
      ++position;
      continue;
    }
    const std::size_t length = Utf8SequenceLength(text, position);
    if (length == 1) {
      return false;
    }
    position += length;
  }
  return true;
}

void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

std::string Utf8Of(char32_t code) {
  std::string out;
  AppendUtf8(out, code);
  return out;
}
