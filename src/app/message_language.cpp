#include "app/message_language.h"

#include <cstdlib>
#include <optional>
#include <string_view>

namespace {

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The language part of "ll_CC.codeset@modifier", lower-cased.
std::string LanguageOf(std::string_view locale) {
  std::string language;
  for (const char c : locale.substr(0, locale.find_first_of("_.@"))) {
    language += Lower(c);
  }
  return language;
}

// True unless the locale names a character set and it is not UTF-8.
bool ShowsUtf8(std::string_view locale) {
  const std::size_t dot = locale.find('.');
  if (dot == std::string_view::npos) {
    return true;
  }
  std::string codeset;
  for (const char c : locale.substr(dot + 1, locale.find('@', dot) - dot - 1)) {
    if (c != '-') {
      codeset += Lower(c);
    }
  }
  return codeset == "utf8";
}

// The language we have texts in that `name` asks for, if any.
std::optional<MessageLanguage> TextsFor(std::string_view name) {
  const std::string language = LanguageOf(name);
  if (language == "ja") {
    return MessageLanguage::Japanese;
  }
  if (language == "en" || language == "c") {
    return MessageLanguage::English;
  }
  return std::nullopt;
}

}  // namespace

LocaleVariables LocaleVariablesFromEnvironment() {
  return {Variable("LANGUAGE"), Variable("LC_ALL"), Variable("LC_MESSAGES"), Variable("LANG")};
}

MessageLanguage MessageLanguageOf(const LocaleVariables& variables) {
  const std::string& locale = !variables.lcAll.empty()        ? variables.lcAll
                              : !variables.lcMessages.empty() ? variables.lcMessages
                                                              : variables.lang;
  const std::string language = LanguageOf(locale);
  if (language.empty() || language == "c" || language == "posix" || !ShowsUtf8(locale)) {
    return MessageLanguage::English;
  }
  // As with the C library, a list without any language we have texts in leaves the
  // texts untranslated.
  std::string_view priorities = variables.language.empty() ? locale : variables.language;
  while (!priorities.empty()) {
    const std::size_t colon = priorities.find(':');
    if (const auto texts = TextsFor(priorities.substr(0, colon))) {
      return *texts;
    }
    priorities.remove_prefix(colon == std::string_view::npos ? priorities.size() : colon + 1);
  }
  return MessageLanguage::English;
}
