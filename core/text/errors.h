// The engine's error types. Exceptions are the engine's only error channel; each carries the
// exact text the user sees (UTF-8). The front ends catch `std::exception` and show `what()`.
#pragma once

#include <stdexcept>
#include <string>

namespace telqor {

class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Index and sorted-list errors of ItemList: "Not exists", "Cannot insert into sorted SList",
// "Cannot change item of sorted SList", "Duplicates found.".
class ItemListError : public Error {
 public:
  using Error::Error;
};

// A file that cannot be opened, created, read or written.
class FileError : public Error {
 public:
  using Error::Error;
};

// Pattern compile errors of GbkRegex.
class RegexError : public Error {
 public:
  using Error::Error;
};

// A text that should be a number and is not ("'%s' is not a valid integer value").
class ConvertError : public Error {
 public:
  using Error::Error;
};

// Integer division by zero raised where a user-given divisor may be zero.
class DivisionByZero : public Error {
 public:
  DivisionByZero() : Error("Division by zero") {}
};

}  // namespace telqor
