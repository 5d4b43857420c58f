#include "search/romaji_readings.h"

namespace {

bool StartsSyllableAfterN(char letter) {
  return letter == 'a' || letter == 'i' || letter == 'u' || letter == 'e' || letter == 'o' ||
         letter == 'y';
}

// Each run of exactly two "n" before a vowel or "y" made three: ん, then the n of the
// syllable.
std::string DoubleNBeforeVowels(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 4);
  for (std::size_t position = 0; position < text.size();) {
    std::size_t run = 0;
    while (position + run < text.size() && text[position + run] == 'n') {
      ++run;
    }
    if (run == 0) {
      out += text[position++];
      continue;
    }
    out.append(run, 'n');
    position += run;
    if (run == 2 && position < text.size() && StartsSyllableAfterN(text[position])) {
      out += 'n';
    }
  }
  return out;
}

bool EndsWithSingleN(std::string_view text) {
  return text.ends_with('n') && !text.ends_with("nn");
}

}  // namespace

std::vector<std::string> RomajiReadings(std::string_view text) {
  std::vector<std::string> readings{std::string(text)};
  const std::string doubled = DoubleNBeforeVowels(text);
  if (doubled != text) {
    readings.push_back(doubled);
  }
  for (std::size_t index = 0, count = readings.size(); index < count; ++index) {
    if (EndsWithSingleN(readings[index])) {
      readings.push_back(readings[index] + 'n');
    }
  }
  return readings;
}
