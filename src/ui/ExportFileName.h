// The file an export writes to, asked for as desktop programs do: an existing
// file is replaced only when the user says so, and the program's own files
// (the data file, the files beside it, the report template) and what is not
// a regular file (a folder, a pipe, a device) are refused.
// Every export asks through this.
#pragma once

#include <QString>
#include <string>

class IPrompts;

// Shows the save dialog until the user picks a file the export may write or
// cancels; returns the file name, or an empty text when cancelled.
QString AskExportFileName(IPrompts& Prompts, const QString& Title, const QString& Filter,
                          const QString& DefaultSuffix);

// The file name of a dialog's answer as the file system spells it.
std::string LocalFileName(const QString& FileName);
