// The twelve month names the program shows and writes, January first.
#pragma once

#include <array>
#include <string>

// Index 0 is January; the tenth name is spelt "Octomber" on purpose: files
// and reports written by earlier versions use that spelling.
extern const std::array<std::string, 12> MonthNames;
