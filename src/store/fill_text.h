#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// `format` with %1, %2, ... replaced by the first, second, ... of `fillers`, each
// wherever it stands; a number without a filler stays as it is. Done by hand so that
// a '%' inside a path or an error text is only text.
std::string FillText(std::string_view format, std::initializer_list<std::string_view> fillers);

inline std::string FillText(std::string_view format, std::string_view first,
                            std::string_view second) {
  return FillText(format, {first, second});
}
