#pragma once

#include <string>
#include <string_view>

// The group-name dialog's rule: single-byte white space (space, tab, line feed, vertical
// tab, form feed, carriage return) is cut from both ends; wider spaces such as the
// full-width space stay. A name that is empty after trimming is refused.
std::string TrimGroupName(std::string_view text);
bool IsGroupNameRefused(std::string_view trimmedName);
