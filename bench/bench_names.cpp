#include "bench_names.h"

#include <fstream>
#include <random>
#include <stdexcept>

namespace {

std::vector<std::string> DictionaryWords(const std::string& path) {
  std::ifstream file(path);
  if (!file) {
    throw std::runtime_error("cannot read " + path);
  }
  std::vector<std::string> words;
  for (std::string line; std::getline(file, line);) {
    if (line.empty() || line[0] == ';') {
      continue;
    }
    std::size_t start = 0;
    for (std::size_t tab = line.find('\t'); start < line.size(); tab = line.find('\t', start)) {
      const std::size_t end = tab == std::string::npos ? line.size() : tab;
      if (end > start) {
        words.push_back(line.substr(start, end - start));
      }
      start = end + 1;
    }
  }
  return words;
}

const char* const kAsciiWords[] = {"Report", "budget", "photo",   "Camera",  "invoice", "meeting",
                                   "notes",  "setup",  "readme",  "project", "draft",   "backup",
                                   "Music",  "video",  "Desktop", "todo",    "slides",  "Terminal"};
const char* const kExtensions[] = {".txt", ".doc", ".docx",    ".pdf", ".xlsx", ".jpg",
                                   ".png", ".mp3", ".desktop", ".sh",  "",      ""};

}  // namespace

std::vector<std::string> RealisticNames(const std::string& dictionaryPath, std::size_t count) {
  static const std::vector<std::string> words = DictionaryWords(dictionaryPath);
  std::mt19937 random(static_cast<unsigned>(count));
  const auto pick = [&](std::size_t bound) {
    return std::uniform_int_distribution<std::size_t>(0, bound - 1)(random);
  };
  std::vector<std::string> names;
  names.reserve(count);
  while (names.size() < count) {
    std::string name;
    if (pick(10) < 3) {
      name = kAsciiWords[pick(std::size(kAsciiWords))];
      if (pick(2) == 0) {
        name += '_';
        name += std::to_string(2000 + pick(30));
      }
    } else {
      name = words[pick(words.size())];
      if (pick(4) == 0) {
        name += words[pick(words.size())];
      }
    }
    name += kExtensions[pick(std::size(kExtensions))];
    names.push_back(std::move(name));
  }
  return names;
}
