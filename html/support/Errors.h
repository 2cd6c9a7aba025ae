#pragma once
// The failures the engine reports. Each carries the system's own message text (UTF-8).

#include <stdexcept>
#include <string>

// Markup that cannot be read to its end (an unclosed comment), or a parse refused.
class EParseError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A parse refused because another one is running. Unlike an unclosed comment it is never
// taken quietly: nothing of the document was read.
class EParseRefused : public EParseError {
 public:
  using EParseError::EParseError;
};

// Content the layout cannot process (a table with too many columns).
class EProcessError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A file that cannot be found or read.
class EInOutError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
