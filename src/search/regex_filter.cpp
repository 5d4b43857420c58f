#include "search/regex_filter.h"

#include <cstdint>

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

namespace {

// Backtracking steps one name may take: far more than any dictionary answer needs.
constexpr std::uint32_t kMatchLimit = 200000;

}  // namespace

struct RegexFilter::Code {
  pcre2_code* code;
  ~Code() { pcre2_code_free(code); }
};

struct RegexFilter::MatchData {
  pcre2_match_data* data;
  ~MatchData() { pcre2_match_data_free(data); }
};

struct RegexFilter::Context {
  pcre2_match_context* context;
  ~Context() { pcre2_match_context_free(context); }
};

RegexFilter::RegexFilter(std::string_view expression) {
  int error = 0;
  PCRE2_SIZE offset = 0;
  pcre2_code* code =
      pcre2_compile(reinterpret_cast<PCRE2_SPTR>(expression.data()), expression.size(),
                    PCRE2_UTF | PCRE2_MATCH_INVALID_UTF, &error, &offset, nullptr);
  if (code == nullptr) {
    return;
  }
  // Made in place: a temporary would free the PCRE2 object when it goes.
  m_code.reset(new Code{code});
  m_matchData.reset(new MatchData{pcre2_match_data_create(1, nullptr)});
  m_context.reset(new Context{pcre2_match_context_create(nullptr)});
  pcre2_set_match_limit(m_context->context, kMatchLimit);
}

RegexFilter::~RegexFilter() = default;

bool RegexFilter::Matches(std::string_view name) const {
  if (!m_code) {
    return false;
  }
  const auto subject = reinterpret_cast<PCRE2_SPTR>(name.data());
  return pcre2_match(m_code->code, subject, name.size(), 0, 0, m_matchData->data,
                     m_context->context) >= 0;
}
