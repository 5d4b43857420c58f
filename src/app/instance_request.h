#pragma once

#include <optional>
#include <string>
#include <string_view>

// What another start of the program asks the running instance to do, and the one line
// that carries it: the request's word, and the desktop's activation token after a space
// when there is one ("toggle 1234_TIME5678\n"), so that the window may take the focus.
enum class InstanceRequest { Show, Toggle, Hide };

struct InstanceRequestLine {
  InstanceRequest request = InstanceRequest::Show;
  std::string activationToken;  // empty when the desktop gave none
};

// The longest line a running instance reads; a longer one is not a request of ours.
inline constexpr std::size_t kMaxInstanceRequestLine = 512;

// The line to send, newline included. A token that could not travel as one word (spaces,
// control characters, too long) is left out; the request still goes.
std::string FormatInstanceRequest(InstanceRequest request, std::string_view activationToken);

// The request of one line (its newline taken off), or nothing for anything else.
std::optional<InstanceRequestLine> ParseInstanceRequest(std::string_view line);

// What the instance answers once it has carried a request out.
inline constexpr std::string_view kInstanceRequestDone = "ok\n";
