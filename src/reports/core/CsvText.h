// Comma-separated values as RFC 4180 describes them: fields separated by
// commas, records by line breaks (CR LF, LF or CR), a field in double quotes
// may hold commas, line breaks and doubled double quotes. Plain C++.
#pragma once

#include <cstddef>
#include <streambuf>
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

// The most a reader takes before it stops with a TCsvError, so that no input
// makes it hold more than a record of bounded size.
struct TCsvLimits {
  std::size_t FieldBytes = static_cast<std::size_t>(-1);
  std::size_t Fields = static_cast<std::size_t>(-1);
};

// Reads records one at a time from a stream, a leading UTF-8 byte order mark
// dropped and blank lines skipped. Throws TCsvError for a quoted field that
// is never closed or is followed by anything but a comma or a line break, and
// for a field or record beyond Limits.
class TCsvRecordReader {
 public:
  explicit TCsvRecordReader(std::streambuf& Input, TCsvLimits Limits = {});
  // The next record that is not blank; false at the end of the input.
  bool Next(TCsvRecord& Record);

 private:
  int Peek() {
    return FPendingAt < FPending.size() ? static_cast<unsigned char>(FPending[FPendingAt]) : FInput.sgetc();
  }
  int Take() {
    return FPendingAt < FPending.size() ? static_cast<unsigned char>(FPending[FPendingAt++]) : FInput.sbumpc();
  }
  bool AtLineBreak() { return Peek() == '\r' || Peek() == '\n'; }
  void SkipLineBreak();
  void ReadRecord(std::vector<std::string>& Fields);
  void Append(std::string& Value, char c);
  std::string PlainField();
  std::string QuotedField();

  std::streambuf& FInput;
  TCsvLimits FLimits;
  int FLine = 1;
  std::string FPending;  // the start of a byte order mark that was none
  std::size_t FPendingAt = 0;
};

// Every record of Text, read as TCsvRecordReader does.
std::vector<TCsvRecord> ReadCsvRecords(std::string_view Text);

// Value as one field: in double quotes, its double quotes doubled, when it
// holds a comma, a double quote, a line break or a leading or trailing blank.
std::string CsvField(const std::string& Value);

// Fields as one record, ended by CR LF.
std::string CsvRecordText(const std::vector<std::string>& Fields);
