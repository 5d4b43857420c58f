#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The text of an INI file, kept line by line with every byte as it was, so that values
// can be changed without touching anything the user wrote around them: comments, lines
// without '=', repeated keys and sections, blank lines, line ends and a byte order mark.
//
// Section and key names compare case-insensitively. A key counts in every section of
// its name; of several lines for one key, the first in the file counts. A value runs
// from after '=' and its blanks to an inline comment (';' or '#') or the line's end,
// without trailing blanks.
class IniText {
 public:
  explicit IniText(std::string_view text);

  // The value of the first line for `key` in a section named `section`.
  std::optional<std::string_view> Value(std::string_view section, std::string_view key) const;

  // Replaces the value of that line in place. Without such a line, adds "key=value"
  // after the last entry of the first section of that name, or adds the section at the
  // end of the text.
  void SetValue(std::string_view section, std::string_view key, std::string_view value);

  std::string Text() const;

 private:
  struct Line {
    std::string content;  // without its line end
    std::string end;      // "\n", "\r\n", "\r" or "" (the last line of a text without one)
  };
  struct Entry {
    std::size_t line;
    std::size_t valueBegin;
    std::size_t valueEnd;
  };

  std::optional<Entry> FindEntry(std::string_view section, std::string_view key) const;
  void InsertLine(std::size_t at, std::string content);

  std::string m_byteOrderMark;  // kept apart, so that it does not hide the first line's name
  std::vector<Line> m_lines;
  std::string m_lineEnd = "\n";  // for added lines: the text's first line end
};
