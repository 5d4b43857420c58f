#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class MigemoDictionary;

// The search step of a list refresh: asks the dictionary once for `searchText`, expands
// the answer into literals once, and returns the positions of the names whose
// upper-cased form contains one of the literals, in ascending order. An empty search
// text filters nothing and asks nothing: every position is returned.
std::vector<std::size_t> SearchNames(MigemoDictionary& dictionary, const std::string& searchText,
                                     std::span<const std::string_view> names);
