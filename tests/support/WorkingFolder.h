// Runs a test inside a fresh temporary working folder (qmp.dat lives in the
// working directory) and returns to the previous one afterwards.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>

#include "support/TempDir.h"

class TWorkingFolder : public TTempDir {
 public:
  TWorkingFolder() : FPrevious(std::filesystem::current_path()) { std::filesystem::current_path(Path); }
  ~TWorkingFolder() {
    std::error_code Ignored;
    std::filesystem::current_path(FPrevious, Ignored);
  }

 private:
  std::filesystem::path FPrevious;
};
