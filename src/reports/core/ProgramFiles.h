// The program's own files in the data folder (the working directory): the
// data file, the files kept beside it and the report template. No export may
// write over them. Plain C++.
#pragma once

#include <string>

// What Path is to the program, as a phrase such as "it holds your trip plans",
// or "" when Path is none of the program's own files. Links, relative paths
// and "." or ".." parts naming the same file count as that file.
std::string ProgramFileRole(const std::string& Path);

// Why an export may not write to Path, as a phrase like ProgramFileRole's: it
// is one of the program's own files, or it exists and is not a regular file
// (a folder, a pipe, a device). "" when the export may write it.
std::string ExportRefusal(const std::string& Path);
