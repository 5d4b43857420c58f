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

namespace {

// Shorter texts are the start of many words already: reading more into them would keep
// more names than they mean.
constexpr std::size_t kShortestLooseText = 4;
// A final "wa" is read as the particle only after a word of its own.
constexpr std::size_t kShortestParticleText = 6;

bool IsVowel(char letter) {
  return letter == 'a' || letter == 'i' || letter == 'u' || letter == 'e' || letter == 'o';
}

bool IsConsonant(char letter) {
  return letter >= 'a' && letter <= 'z' && !IsVowel(letter);
}

std::string ReplaceAll(std::string text, std::string_view from, std::string_view to) {
  for (std::size_t at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

// "di", "du" as "dhi", "dhu"; a final "wa" as "ha".
std::string LooseSpelling(std::string text) {
  text = ReplaceAll(ReplaceAll(std::move(text), "di", "dhi"), "du", "dhu");
  if (text.size() >= kShortestParticleText && text.ends_with("wa") &&
      text[text.size() - 3] != 'w') {
    text.replace(text.size() - 2, 2, "ha");
  }
  return text;
}

// Each single "n" before a vowel or "y" doubled.
std::string DoubledSingleN(std::string_view text) {
  std::string out;
  for (std::size_t position = 0; position < text.size(); ++position) {
    out += text[position];
    const bool single = text[position] == 'n' && (position == 0 || text[position - 1] != 'n');
    if (single && position + 1 < text.size() && StartsSyllableAfterN(text[position + 1])) {
      out += 'n';
    }
  }
  return out;
}

// Where a vowel ends a syllable and may have been meant long: an "o" or "u" after a
// consonant (or at the start) that no "u" or the same vowel follows.
std::vector<std::size_t> ShortVowels(std::string_view text) {
  std::vector<std::size_t> positions;
  for (std::size_t position = 0; position < text.size(); ++position) {
    const char vowel = text[position];
    const bool after = position == 0 ? vowel == 'o' : IsConsonant(text[position - 1]);
    const char next = position + 1 < text.size() ? text[position + 1] : '\0';
    if ((vowel == 'o' || vowel == 'u') && after && next != 'u' && next != vowel) {
      positions.push_back(position);
    }
  }
  return positions;
}

}  // namespace

std::vector<LooseReading> LooseReadings(std::string_view text) {
  std::vector<LooseReading> loose;
  if (text.size() < kShortestLooseText) {
    return loose;
  }
  const auto add = [&](std::string reading, bool needsWord) {
    if (reading == text) {
      return;
    }
    for (const LooseReading& earlier : loose) {
      if (earlier.text == reading) {
        return;
      }
    }
    loose.push_back({std::move(reading), needsWord});
  };
  for (std::string& reading : RomajiReadings(text)) {
    std::string spelled = LooseSpelling(reading);
    if (spelled != reading) {
      add(std::move(spelled), false);
    }
  }
  add(DoubledSingleN(text), true);
  const std::vector<std::size_t> vowels = ShortVowels(text);
  // Every vowel long, then every one but the last (領収書 りょうしゅうしょ).
  for (std::size_t skipped = 0; skipped < 2 && vowels.size() > skipped + 1; ++skipped) {
    std::string lengthened(text);
    for (auto position = vowels.rbegin() + static_cast<std::ptrdiff_t>(skipped);
         position != vowels.rend(); ++position) {
      lengthened.insert(*position + 1, 1, 'u');
    }
    add(std::move(lengthened), true);
  }
  for (const std::size_t position : vowels) {
    const std::string_view head = text.substr(0, position + 1);
    const std::string_view tail = text.substr(position + 1);
    add(std::string(head) + 'u' + std::string(tail), true);
    if (text[position] == 'o') {
      add(std::string(head) + 'o' + std::string(tail), true);
    }
  }
  return loose;
}
