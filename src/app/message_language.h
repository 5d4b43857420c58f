#pragma once

#include <string>

// The language of what the program prints on the command line (help, errors): Japanese
// for a Japanese locale, English for any other.
enum class MessageLanguage { English, Japanese };

// The locale variables that choose it, as the environment holds them (empty when unset).
struct LocaleVariables {
  std::string language;  // LANGUAGE: a priority list, "ja:en"
  std::string lcAll;     // LC_ALL
  std::string lcMessages;
  std::string lang;
};

LocaleVariables LocaleVariablesFromEnvironment();

// Chosen as the C library chooses the language of its messages: LC_ALL, else
// LC_MESSAGES, else LANG names the locale. In any locale but C, LANGUAGE, when set,
// stands for the locale's own language: its first language we have texts in decides,
// English when it names none. A locale that names a character set other than UTF-8
// gets English, which any terminal shows.
MessageLanguage MessageLanguageOf(const LocaleVariables& variables);
