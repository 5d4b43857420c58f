#include "view/group_name.h"

namespace {

bool IsSingleByteSpace(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

}  // namespace

std::string TrimGroupName(std::string_view text) {
  while (!text.empty() && IsSingleByteSpace(text.front())) {
    text.remove_prefix(1);
  }
  while (!text.empty() && IsSingleByteSpace(text.back())) {
    text.remove_suffix(1);
  }
  return std::string(text);
}

bool IsGroupNameRefused(std::string_view trimmedName) {
  return trimmedName.empty();
}
