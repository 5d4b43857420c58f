#include "store/fill_text.h"

std::string FillText(std::string_view format, std::string_view first, std::string_view second) {
  std::string text;
  for (std::size_t at = 0; at < format.size(); ++at) {
    if (format[at] == '%' && at + 1 < format.size() &&
        (format[at + 1] == '1' || format[at + 1] == '2')) {
      text += format[at + 1] == '1' ? first : second;
      ++at;
    } else {
      text += format[at];
    }
  }
  return text;
}
