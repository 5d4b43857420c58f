#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class MigemoDictionary;
class NameIndex;
class NameMatches;

// The search step over names handed in as they are, without an index: asks the
// dictionary once for `searchText`, expands the answer into literals once, and returns
// the positions of the names whose upper-cased form contains one of the literals, in
// ascending order, in one pass over each name. An empty search text filters nothing and
// asks nothing: every position is returned.
std::vector<std::size_t> SearchNames(MigemoDictionary& dictionary, const std::string& searchText,
                                     std::span<const std::string_view> names);

// The search step of a list refresh, over the names `index` was built from: which of
// them, by position, SearchNames would keep. An empty search text keeps every name and
// asks nothing.
NameMatches SearchIndexedNames(MigemoDictionary& dictionary, const std::string& searchText,
                               const NameIndex& index);
