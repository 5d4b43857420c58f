#pragma once

#include <string>
#include <string_view>

// The form in which names and the dictionary's words are compared, so that a name is
// found however wide or in whatever case its letters were written: Latin letters a to z
// of either case become lower-case, full-width letters and digits become ASCII, and
// half-width katakana becomes full-width, a following half-width voiced or semi-voiced
// mark joined to its kana (ｶﾞ as ガ). Every other character (full-width symbols among
// them), and every byte that starts no character, stays as it is.
std::string FoldName(std::string_view name);

// Whether FoldName may change `name` in more than the case of ASCII letters: false for
// most names, which then fold in place byte by byte.
bool MayFoldWidth(std::string_view name);
