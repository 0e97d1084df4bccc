// The files of the reports: the template they are compiled from and the
// exported report. Plain C++.
#pragma once

#include <string>

// The report template, in the working directory.
extern const std::string ReportTemplateFileName;

// The whole content of Path. Throws TFileIOError ("Could not read '<path>':
// <reason>") when it cannot be read.
std::string ReadWholeTextFile(const std::string& Path);

// Replaces Path by Bytes; an existing file is never left half written.
// Throws TFileIOError when it cannot be written.
void WriteWholeTextFile(const std::string& Path, const std::string& Bytes);

// Whether the extension of Path's file name (from the last dot on) is
// Extension (".rtf", say) in any letter case.
bool HasFileExtension(const std::string& Path, const std::string& Extension);

// Whether a report exported to Path is written as rich text: the extension
// of its file name is ".rtf" in any letter case.
bool IsRichTextFileName(const std::string& Path);
