#include "app/instance_request.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<InstanceRequest, std::string_view>, 3> kWords{{
    {InstanceRequest::Show, "show"},
    {InstanceRequest::Toggle, "toggle"},
    {InstanceRequest::Hide, "hide"},
}};

constexpr std::size_t kMaxTokenLength = 256;

bool IsTokenText(std::string_view token) {
  return token.size() <= kMaxTokenLength &&
         std::all_of(token.begin(), token.end(), [](char c) { return c > ' ' && c < 0x7F; });
}

}  // namespace

std::string FormatInstanceRequest(InstanceRequest request, std::string_view activationToken) {
  std::string line;
  for (const auto& [value, word] : kWords) {
    if (value == request) {
      line = word;
    }
  }
  if (!activationToken.empty() && IsTokenText(activationToken)) {
    line += ' ';
    line += activationToken;
  }
  return line + '\n';
}

std::optional<InstanceRequestLine> ParseInstanceRequest(std::string_view line) {
  const std::size_t space = line.find(' ');
  const std::string_view word = line.substr(0, space);
  const std::string_view token =
      space == std::string_view::npos ? std::string_view() : line.substr(space + 1);
  if (space != std::string_view::npos && (token.empty() || !IsTokenText(token))) {
    return std::nullopt;
  }
  for (const auto& [value, name] : kWords) {
    if (word == name) {
      return InstanceRequestLine{value, std::string(token)};
    }
  }
  return std::nullopt;
}
