#pragma once

#include <stdexcept>

// Raised for an index that is out of range; the collection is left unchanged.
class InvalidArgException : public std::invalid_argument {
 public:
  using std::invalid_argument::invalid_argument;
};
