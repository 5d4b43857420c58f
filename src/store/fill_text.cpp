#include "store/fill_text.h"

std::string FillText(std::string_view format, std::initializer_list<std::string_view> fillers) {
  std::string text;
  for (std::size_t at = 0; at < format.size(); ++at) {
    const std::size_t number = format[at] == '%' && at + 1 < format.size() &&
                                       format[at + 1] >= '1' && format[at + 1] <= '9'
                                   ? static_cast<std::size_t>(format[at + 1] - '1')
                                   : fillers.size();
    if (number < fillers.size()) {
      text += fillers.begin()[number];
      ++at;
    } else {
      text += format[at];
    }
  }
  return text;
}
