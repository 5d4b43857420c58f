#pragma once

#include <string>
#include <string_view>

// `format` with %1 and %2 replaced by `first` and `second`, each wherever it stands.
// Done by hand so that a '%' inside a path or an error text is only text.
std::string FillText(std::string_view format, std::string_view first, std::string_view second);
