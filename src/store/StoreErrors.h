// Failures of the store and its data file. what() is the text shown to the user.
#pragma once

#include <stdexcept>
#include <string>

// The data file is not a data file of this program ("Error in open data file!").
class TDataFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A file could not be created, written, synced or renamed.
class TFileIOError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The store holds more than the data file can represent; nothing was written.
class TFormatLimitError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
