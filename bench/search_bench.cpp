// The search step of a list refresh against its baselines, over realistic names.
// Every variant answers from the same remembered dictionary answer, so the
// dictionary's own query time is left out of all of them.
#define PCRE2_CODE_UNIT_WIDTH 8
#include <benchmark/benchmark.h>
#include <pcre2.h>

#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "bench_names.h"
#include "search/answer_normalization.h"
#include "search/answer_readings.h"
#include "search/literal_match.h"
#include "search/migemo_dictionary.h"
#include "search/name_index.h"
#include "search/pattern_expansion.h"
#include "search/search_step.h"
#include "search/text_fold.h"

namespace {

const char kDictionaryPath[] = "/usr/share/cmigemo/utf-8/migemo-dict";
const char* const kTexts[] = {"K",      "KA",          "KAN",        "SHINN",    "TOUKYOU", "REPO",
                              "TE",     "LINE",        "KO-HI-",     "GENIN",    "KYOTO",   "OSAKA",
                              "DISUKU", "KEIHISEISAN", "TODORISUTO", "USBMEMORI"};
const int kCounts[] = {1000, 10000, 100000};

MigemoDictionary& Dictionary() {
  static MigemoDictionary* dictionary = [] {
    auto* opened = new MigemoDictionary;
    opened->Open({kDictionaryPath});
    return opened;
  }();
  return *dictionary;
}

struct NameSet {
  std::vector<std::string> names;
  std::vector<std::string_view> views;
  std::unique_ptr<NameIndex> index;  // built on first use, as the view builds it
};

const NameSet& Names(std::size_t count) {
  static std::map<std::size_t, NameSet> sets;
  NameSet& set = sets[count];
  if (set.names.empty()) {
    set.names = RealisticNames(kDictionaryPath, count);
    set.views.assign(set.names.begin(), set.names.end());
    set.index = std::make_unique<NameIndex>(set.views);
  }
  return set;
}

std::size_t TotalBytes(const NameSet& set) {
  std::size_t bytes = 0;
  for (const std::string& name : set.names) {
    bytes += name.size();
  }
  return bytes;
}

// The expression the search evaluates for `text` as the library reads it (the step
// itself also asks for the readings of "n").
std::string Expression(const std::string& text) {
  return NormalizeAnswer(Dictionary().Query(FoldName(text)));
}

void Report(benchmark::State& state, const NameSet& set, std::size_t kept) {
  state.counters["kept"] = static_cast<double>(kept);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * TotalBytes(set)));
}

// The search step without the index: expansion, automaton, one pass over every name.
void SearchStep(benchmark::State& state, const std::string& text) {
  const NameSet& set = Names(static_cast<std::size_t>(state.range(0)));
  SearchNames(Dictionary(), text, set.views);  // the answers of every reading, remembered
  std::size_t kept = 0;
  for (auto _ : state) {
    kept = SearchNames(Dictionary(), text, set.views).size();
    benchmark::DoNotOptimize(kept);
  }
  Report(state, set, kept);
}

// The search step over the index of the names, as the list refresh runs it while the
// names stay the same: the answers' readings, spelled out by the refresh that first read
// them, posting lists, the automaton, the few names they leave. The positions are listed
// as SearchNames lists them.
void IndexedSearchStep(benchmark::State& state, const std::string& text) {
  const NameSet& set = Names(static_cast<std::size_t>(state.range(0)));
  AnswerReadings readings;  // the view's, kept between its refreshes
  SearchIndexedNames(Dictionary(), readings, text, *set.index);  // the answers, remembered
  std::size_t kept = 0;
  for (auto _ : state) {
    kept = SearchIndexedNames(Dictionary(), readings, text, *set.index).Positions().size();
    benchmark::DoNotOptimize(kept);
  }
  Report(state, set, kept);
}

// What the first search after a change of the names pays once: building the index.
void BuildNameIndex(benchmark::State& state) {
  const NameSet& set = Names(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    const NameIndex index(set.views);
    benchmark::DoNotOptimize(index.size());
  }
  Report(state, set, set.names.size());
}

// Baseline (a): every name folded and tested literal by literal.
void DirectLiterals(benchmark::State& state, const std::string& text) {
  const NameSet& set = Names(static_cast<std::size_t>(state.range(0)));
  std::size_t kept = 0;
  for (auto _ : state) {
    std::vector<std::string> literals;
    ExpandPattern(Expression(text), literals);
    kept = 0;
    for (const std::string_view name : set.views) {
      kept += MatchesAnyLiteral(FoldName(name), literals) ? 1 : 0;
    }
    benchmark::DoNotOptimize(kept);
  }
  Report(state, set, kept);
}

// Baseline (b): PCRE2 with JIT evaluating the dictionary's expression itself on every
// folded name. Compiled once, outside the timing, which favours it.
void Pcre2Jit(benchmark::State& state, const std::string& text) {
  const NameSet& set = Names(static_cast<std::size_t>(state.range(0)));
  const std::string expression = Expression(text);
  int error = 0;
  PCRE2_SIZE offset = 0;
  const std::unique_ptr<pcre2_code, decltype(&pcre2_code_free)> code(
      pcre2_compile(reinterpret_cast<PCRE2_SPTR>(expression.data()), expression.size(),
                    PCRE2_UTF | PCRE2_MATCH_INVALID_UTF, &error, &offset, nullptr),
      &pcre2_code_free);
  if (!code || pcre2_jit_compile(code.get(), PCRE2_JIT_COMPLETE) != 0) {
    state.SkipWithError("the expression does not compile");
    return;
  }
  const std::unique_ptr<pcre2_match_data, decltype(&pcre2_match_data_free)> match(
      pcre2_match_data_create_from_pattern(code.get(), nullptr), &pcre2_match_data_free);
  std::size_t kept = 0;
  for (auto _ : state) {
    kept = 0;
    for (const std::string_view name : set.views) {
      const std::string folded = FoldName(name);
      kept += pcre2_jit_match(code.get(), reinterpret_cast<PCRE2_SPTR>(folded.data()),
                              folded.size(), 0, 0, match.get(), nullptr) >= 0
                  ? 1
                  : 0;
    }
    benchmark::DoNotOptimize(kept);
  }
  Report(state, set, kept);
}

// Baseline (c), the floor: one memmem of a single literal (the text itself) over each
// name's bytes, with no folding.
void MemmemFloor(benchmark::State& state, const std::string& text) {
  const NameSet& set = Names(static_cast<std::size_t>(state.range(0)));
  std::size_t kept = 0;
  for (auto _ : state) {
    kept = 0;
    for (const std::string_view name : set.views) {
      kept += memmem(name.data(), name.size(), text.data(), text.size()) != nullptr ? 1 : 0;
    }
    benchmark::DoNotOptimize(kept);
  }
  Report(state, set, kept);
}

const bool kRegistered = [] {
  using Variant = void (*)(benchmark::State&, const std::string&);
  const std::pair<const char*, Variant> variants[] = {{"SearchStep", SearchStep},
                                                      {"IndexedSearchStep", IndexedSearchStep},
                                                      {"DirectLiterals", DirectLiterals},
                                                      {"Pcre2Jit", Pcre2Jit},
                                                      {"MemmemFloor", MemmemFloor}};
  for (const char* text : kTexts) {
    for (const auto& [label, variant] : variants) {
      auto* benchmark =
          benchmark::RegisterBenchmark((std::string(label) + "/" + text).c_str(),
                                       [variant = variant, text = std::string(text)](
                                           benchmark::State& state) { variant(state, text); });
      for (const int count : kCounts) {
        benchmark->Arg(count);
      }
      benchmark->Unit(benchmark::kMicrosecond);
    }
  }
  auto* build = benchmark::RegisterBenchmark("BuildNameIndex", BuildNameIndex);
  for (const int count : kCounts) {
    build->Arg(count);
  }
  build->Unit(benchmark::kMillisecond);
  return true;
}();

}  // namespace
