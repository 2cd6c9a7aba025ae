#pragma once
// Numbers written into document text: list labels, form submissions.

#include <string>

inline std::u32string DecimalText(int number) {
  const std::string digits = std::to_string(number);
  return std::u32string(digits.begin(), digits.end());
}
