// Comma-separated values as RFC 4180 describes them: fields separated by
// commas, records by line breaks (CR LF, LF or CR), a field in double quotes
// may hold commas, line breaks and doubled double quotes. Plain C++.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A text that is not valid CSV, or a record that cannot be used; Line is the
// 1-based line on which the record starts.
class TCsvError : public std::runtime_error {
 public:
  TCsvError(int Line, const std::string& Reason);
  int Line() const { return FLine; }
  const std::string& Reason() const { return FReason; }

 private:
  int FLine;
  std::string FReason;
};

struct TCsvRecord {
  int Line = 0;  // where the record starts
  std::vector<std::string> Fields;
};

// Every record of Text, a leading UTF-8 byte order mark dropped. Blank lines
// are skipped. Throws TCsvError for a quoted field that is never closed or
// is followed by anything but a comma or a line break.
std::vector<TCsvRecord> ReadCsvRecords(std::string_view Text);

// Value as one field: in double quotes, its double quotes doubled, when it
// holds a comma, a double quote, a line break or a leading or trailing blank.
std::string CsvField(const std::string& Value);

// Fields as one record, ended by CR LF.
std::string CsvRecordText(const std::vector<std::string>& Fields);
