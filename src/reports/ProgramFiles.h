// The program's own files in the data folder (the working directory): the
// data file, the files kept beside it and the report template. No export may
// write over them. Plain C++.
#pragma once

#include <string>

// What Path is to the program, as a phrase such as "it holds your trip plans",
// or "" when Path is none of the program's own files. Links, relative paths
// and "." or ".." parts naming the same file count as that file.
std::string ProgramFileRole(const std::string& Path);
