#pragma once

#include <string>
#include <string_view>
#include <vector>

// The texts the dictionary is asked for one typed search text (lower-case letters and
// digits): the text itself, read as the library reads it, and, where they differ, the
// readings of "n" that typists mean as input methods read it: a final single "n" as ん
// (the library reads it as the start of な, に, ...: "shashin" also as "shashinn"), and
// "nn" before a vowel or "y" as ん followed by な, に, ... ("konnichiha" also as
// "konnnichiha"; the library reads "nn" as ん and the vowel alone). Every "nn" of a text
// is read one way or the other, so that there are at most four readings, however many
// there are. A single "n" before a vowel is な, に, ... in every reading.
std::vector<std::string> RomajiReadings(std::string_view text);

// A reading of a typed text that the library does not make of it but that typists mean
// by it, to be asked beside RomajiReadings. `needsWord`: worth keeping only where the
// dictionary knows a word for it, since it reads more into the text than was typed.
struct LooseReading {
  std::string text;
  bool needsWord = false;
};

// The loose readings of `text` (lower-case letters, digits and "-"; none for a text of
// fewer than four characters), most likely first:
// "di" and "du" also as "dhi" and "dhu" (ディ, デュ) and a final "wa" also as "ha" (the
// particle は, after at least four characters), for every reading of RomajiReadings; then, needing
// a word, a single "n" before a vowel or "y" also as "nn" ("genin" 原因, "kinyoubi" 金曜日), and
// long vowels left out as in everyday Hepburn: "o" also as "ou" or "oo", "u" also as "uu", every
// one at once, every one but the last, then one at a time ("tokyo" 東京, "osaka" 大阪,
// "kyoto" 京都, "ryoshusho" 領収書).
std::vector<LooseReading> LooseReadings(std::string_view text);
