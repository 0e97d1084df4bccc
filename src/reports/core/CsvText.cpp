#include "reports/core/CsvText.h"

TCsvError::TCsvError(int Line, const std::string& Reason)
    : std::runtime_error("Line " + std::to_string(Line) + ": " + Reason), FLine(Line), FReason(Reason) {}

namespace {

constexpr int EndOfInput = std::char_traits<char>::eof();

bool IsBlank(const std::vector<std::string>& Fields) {
  for (const std::string& Field : Fields)
    if (!Field.empty()) return false;
  return true;
}

// A read-only stream over text in memory.
class TTextBuffer : public std::streambuf {
 public:
  explicit TTextBuffer(std::string_view Text) {
    char* Start = const_cast<char*>(Text.data());
    setg(Start, Start, Start + Text.size());
  }
};

}  // namespace

TCsvRecordReader::TCsvRecordReader(std::streambuf& Input, TCsvLimits Limits) : FInput(Input), FLimits(Limits) {
  // The byte order mark is dropped only as a whole.
  static const std::string ByteOrderMark = "\xEF\xBB\xBF";
  if (Peek() != static_cast<unsigned char>(ByteOrderMark[0])) return;
  std::string Seen;
  while (Seen.size() < ByteOrderMark.size() && Peek() == static_cast<unsigned char>(ByteOrderMark[Seen.size()]))
    Seen += static_cast<char>(Take());
  if (Seen != ByteOrderMark) FPending = Seen;
}

bool TCsvRecordReader::Next(TCsvRecord& Record) {
  while (Peek() != EndOfInput) {
    Record.Line = FLine;
    Record.Fields.clear();
    ReadRecord(Record.Fields);
    if (!IsBlank(Record.Fields)) return true;
  }
  return false;
}

// Steps over CR LF, LF or CR.
void TCsvRecordReader::SkipLineBreak() {
  if (Take() == '\r' && Peek() == '\n') Take();
  ++FLine;
}

void TCsvRecordReader::ReadRecord(std::vector<std::string>& Fields) {
  while (true) {
    if (Fields.size() >= FLimits.Fields)
      throw TCsvError(FLine, "the record has more than " + std::to_string(FLimits.Fields) + " fields");
    Fields.push_back(Peek() == '"' ? QuotedField() : PlainField());
    if (Peek() == EndOfInput) return;
    if (AtLineBreak()) {
      SkipLineBreak();
      return;
    }
    Take();  // the comma
  }
}

void TCsvRecordReader::Append(std::string& Value, char c) {
  if (Value.size() >= FLimits.FieldBytes)
    throw TCsvError(FLine, "a field is longer than " + std::to_string(FLimits.FieldBytes) +
                               " bytes; the data file holds at most " + std::to_string(FLimits.FieldBytes) +
                               " bytes in one text");
  Value += c;
}

std::string TCsvRecordReader::PlainField() {
  std::string Value;
  while (Peek() != EndOfInput && Peek() != ',' && !AtLineBreak()) Append(Value, static_cast<char>(Take()));
  return Value;
}

std::string TCsvRecordReader::QuotedField() {
  const int StartLine = FLine;
  std::string Value;
  Take();
  while (true) {
    const int c = Take();
    if (c == EndOfInput) throw TCsvError(StartLine, "a quoted field is not closed");
    if (c == '"') {
      if (Peek() == '"') {
        Take();
        Append(Value, '"');
        continue;
      }
      if (Peek() != EndOfInput && Peek() != ',' && !AtLineBreak())
        throw TCsvError(FLine, "text follows the closing quote of a field");
      return Value;
    }
    // Line breaks inside the quotes belong to the value; count them all the same.
    if (c == '\n' || (c == '\r' && Peek() != '\n')) ++FLine;
    Append(Value, static_cast<char>(c));
  }
}

std::vector<TCsvRecord> ReadCsvRecords(std::string_view Text) {
  TTextBuffer Buffer(Text);
  TCsvRecordReader Reader(Buffer);
  std::vector<TCsvRecord> Result;
  TCsvRecord Record;
  while (Reader.Next(Record)) Result.push_back(Record);
  return Result;
}

std::string CsvField(const std::string& Value) {
  const bool Quote = Value.find_first_of(",\"\r\n") != std::string::npos ||
                     (!Value.empty() && (Value.front() == ' ' || Value.back() == ' '));
  if (!Quote) return Value;
  std::string Field = "\"";
  for (char c : Value) {
    if (c == '"') Field += '"';
    Field += c;
  }
  return Field + '"';
}

std::string CsvRecordText(const std::vector<std::string>& Fields) {
  std::string Text;
  for (std::size_t i = 0; i < Fields.size(); ++i) {
    if (i > 0) Text += ',';
    Text += CsvField(Fields[i]);
  }
  return Text + "\r\n";
}
