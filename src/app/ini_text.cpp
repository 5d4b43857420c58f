#include "app/ini_text.h"

#include <utility>

namespace {

constexpr std::string_view kByteOrderMark = "\xef\xbb\xbf";

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::size_t SkipBlanks(std::string_view text, std::size_t at) {
  while (at < text.size() && IsBlank(text[at])) {
    ++at;
  }
  return at;
}

std::string_view Trim(std::string_view text) {
  const std::size_t begin = SkipBlanks(text, 0);
  std::size_t end = text.size();
  while (end > begin && IsBlank(text[end - 1])) {
    --end;
  }
  return text.substr(begin, end - begin);
}

// ASCII letters only: names are ASCII, and other bytes must not change meaning.
char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) {
    return false;
  }
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) {
      return false;
    }
  }
  return true;
}

// The name of a section header line; nothing for any other line.
std::optional<std::string_view> SectionName(std::string_view content) {
  const std::size_t at = SkipBlanks(content, 0);
  if (at == content.size() || content[at] != '[') {
    return std::nullopt;
  }
  const std::size_t close = content.find(']', at + 1);
  return Trim(content.substr(at + 1, close == std::string_view::npos ? close : close - at - 1));
}

bool IsComment(std::string_view content) {
  const std::size_t at = SkipBlanks(content, 0);
  return at < content.size() && (content[at] == ';' || content[at] == '#');
}

bool IsBlankLine(std::string_view content) {
  return SkipBlanks(content, 0) == content.size();
}

}  // namespace

IniText::IniText(std::string_view text) {
  if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
    m_byteOrderMark = kByteOrderMark;
    text.remove_prefix(kByteOrderMark.size());
  }
  while (!text.empty()) {
    // Lines end in "\r\n", "\n" or, as older Mac editors write them, "\r" alone.
    const std::size_t end = text.find_first_of("\r\n");
    Line line;
    if (end == std::string_view::npos) {
      line.content = text;
      text = {};
    } else {
      const bool crlf = text.substr(end, 2) == "\r\n";
      line.content = text.substr(0, end);
      line.end = crlf ? "\r\n" : text.substr(end, 1);
      text.remove_prefix(end + line.end.size());
    }
    m_lines.push_back(std::move(line));
  }
  if (!m_lines.empty() && !m_lines.front().end.empty()) {
    m_lineEnd = m_lines.front().end;
  }
}

std::optional<IniText::Entry> IniText::FindEntry(std::string_view section,
                                                 std::string_view key) const {
  bool inSection = false;
  for (std::size_t i = 0; i < m_lines.size(); ++i) {
    const std::string_view content = m_lines[i].content;
    if (const auto name = SectionName(content)) {
      inSection = SameName(*name, section);
      continue;
    }
    const std::size_t equals = content.find('=');
    if (!inSection || IsComment(content) || equals == std::string_view::npos ||
        !SameName(Trim(content.substr(0, equals)), key)) {
      continue;
    }
    const std::size_t begin = SkipBlanks(content, equals + 1);
    std::size_t end = content.find_first_of(";#", begin);
    if (end == std::string_view::npos) {
      end = content.size();
    }
    while (end > begin && IsBlank(content[end - 1])) {
      --end;
    }
    return Entry{i, begin, end};
  }
  return std::nullopt;
}

std::optional<std::string_view> IniText::Value(std::string_view section,
                                               std::string_view key) const {
  const auto entry = FindEntry(section, key);
  if (!entry) {
    return std::nullopt;
  }
  return std::string_view(m_lines[entry->line].content)
      .substr(entry->valueBegin, entry->valueEnd - entry->valueBegin);
}

void IniText::SetValue(std::string_view section, std::string_view key, std::string_view value) {
  if (const auto entry = FindEntry(section, key)) {
    m_lines[entry->line].content.replace(entry->valueBegin, entry->valueEnd - entry->valueBegin,
                                         value);
    return;
  }
  std::string line = std::string(key) + "=" + std::string(value);
  std::optional<std::size_t> insertAt;
  for (std::size_t i = 0; i < m_lines.size(); ++i) {
    const std::string_view content = m_lines[i].content;
    if (const auto name = SectionName(content)) {
      if (insertAt) {
        break;  // the end of the first section of that name
      }
      if (SameName(*name, section)) {
        insertAt = i + 1;
      }
    } else if (insertAt && !IsComment(content) && !IsBlankLine(content)) {
      // After its last entry, so that comments and blank lines introducing the next
      // section stay with it.
      insertAt = i + 1;
    }
  }
  if (!insertAt) {
    InsertLine(m_lines.size(), "[" + std::string(section) + "]");
    insertAt = m_lines.size();
  }
  InsertLine(*insertAt, std::move(line));
}

void IniText::InsertLine(std::size_t at, std::string content) {
  if (at > 0 && m_lines[at - 1].end.empty()) {
    m_lines[at - 1].end = m_lineEnd;
  }
  m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(at),
                 Line{std::move(content), m_lineEnd});
}

std::string IniText::Text() const {
  std::string text = m_byteOrderMark;
  for (const Line& line : m_lines) {
    text += line.content;
    text += line.end;
  }
  return text;
}
