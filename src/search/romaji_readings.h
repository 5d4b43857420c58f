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
