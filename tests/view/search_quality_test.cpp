// How well the search serves what Japanese users type: a collection of realistic names and
// queries typed key by key into the view, with the names each query means written down
// beside it (tests/search/quality). Over all queries, the rows shown must hold nearly every
// name meant (recall) and little else (precision).
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "view/view_fakes.h"

namespace {

const char kSystemDictionary[] = "/usr/share/cmigemo/utf-8/migemo-dict";

std::vector<std::string> DataLines(const std::string& file) {
  std::ifstream in(std::string(VOSTEK_SOURCE_DIR) + "/tests/search/quality/" + file);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line[0] != '#') {
      lines.push_back(line);
    }
  }
  return lines;
}

struct Query {
  std::string typed;
  std::set<std::string> meant;
};

std::vector<Query> Queries() {
  std::vector<Query> queries;
  for (const std::string& line : DataLines("queries.txt")) {
    const std::size_t tab = line.find('\t');
    Query query{line.substr(0, tab), {}};
    std::string rest = tab == std::string::npos ? "" : line.substr(tab + 1);
    for (std::size_t start = 0; start < rest.size();) {
      const std::size_t bar = std::min(rest.find(" | ", start), rest.size());
      query.meant.insert(rest.substr(start, bar - start));
      start = bar + 3;
    }
    queries.push_back(std::move(query));
  }
  return queries;
}

class SearchQualityTest : public ViewTest {
 protected:
  static void SetUpTestSuite() { Dictionary().Open({kSystemDictionary}); }
  static MigemoDictionary& Dictionary() {
    static MigemoDictionary dictionary;
    return dictionary;
  }
  LauncherView searching{list, host, Dictionary(), shell};
};

TEST_F(SearchQualityTest, ShownRowsHoldTheNamesMeantAndLittleElse) {
  if (!std::filesystem::exists(kSystemDictionary)) {
    GTEST_SKIP() << "no dictionary at " << kSystemDictionary;
  }
  const std::vector<std::string> names = DataLines("names.txt");
  const std::vector<Query> queries = Queries();
  ASSERT_GE(names.size(), 200U);
  ASSERT_GE(queries.size(), 100U);
  for (std::size_t order = 0; order < names.size(); ++order) {
    Add(names[order], 0, static_cast<std::uint32_t>(order));
  }

  std::size_t meant = 0;
  std::size_t shown = 0;
  std::size_t both = 0;
  std::ostringstream misses;
  for (const Query& query : queries) {
    for (const char typed : query.typed) {
      const bool capital = std::isupper(static_cast<unsigned char>(typed)) != 0;
      searching.OnChar(static_cast<unsigned char>(typed), capital);  // capitals with Shift
    }
    const std::vector<std::string> rows = list.Texts();
    for (const std::string& row : rows) {
      if (query.meant.count(row) != 0) {
        ++both;
      } else {
        misses << query.typed << ": shown but not meant: " << row << '\n';
      }
    }
    for (const std::string& name : query.meant) {
      if (std::find(rows.begin(), rows.end(), name) == rows.end()) {
        misses << query.typed << ": meant but not shown: " << name << '\n';
      }
    }
    meant += query.meant.size();
    shown += rows.size();
    searching.OnKeyDown(0x08);
  }
  const double precision = shown == 0 ? 1.0 : static_cast<double>(both) / shown;
  const double recall = static_cast<double>(both) / meant;
  std::cout << queries.size() << " queries over " << names.size() << " names: precision "
            << precision << " (" << both << " of " << shown << " shown), recall " << recall << " ("
            << both << " of " << meant << " meant)\n"
            << misses.str();
  EXPECT_GE(precision, 0.97);
  EXPECT_GE(recall, 0.97);
}

}  // namespace
