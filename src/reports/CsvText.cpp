#include "reports/CsvText.h"

TCsvError::TCsvError(int Line, const std::string& Reason)
    : std::runtime_error("Line " + std::to_string(Line) + ": " + Reason), FLine(Line), FReason(Reason) {}

namespace {

const std::string_view ByteOrderMark = "\xEF\xBB\xBF";

class TCsvReader {
 public:
  explicit TCsvReader(std::string_view Text) : FText(Text) {
    if (FText.substr(0, ByteOrderMark.size()) == ByteOrderMark) FText.remove_prefix(ByteOrderMark.size());
  }

  std::vector<TCsvRecord> Records() {
    std::vector<TCsvRecord> Result;
    while (FPos < FText.size()) {
      TCsvRecord Record;
      Record.Line = FLine;
      ReadRecord(Record.Fields);
      if (!IsBlank(Record.Fields)) Result.push_back(std::move(Record));
    }
    return Result;
  }

 private:
  static bool IsBlank(const std::vector<std::string>& Fields) {
    for (const std::string& Field : Fields)
      if (!Field.empty()) return false;
    return true;
  }

  bool AtLineBreak() const { return FPos < FText.size() && (FText[FPos] == '\r' || FText[FPos] == '\n'); }

  // Steps over CR LF, LF or CR.
  void SkipLineBreak() {
    if (FText[FPos] == '\r' && FPos + 1 < FText.size() && FText[FPos + 1] == '\n') ++FPos;
    ++FPos;
    ++FLine;
  }

  void ReadRecord(std::vector<std::string>& Fields) {
    while (true) {
      Fields.push_back(FPos < FText.size() && FText[FPos] == '"' ? QuotedField() : PlainField());
      if (FPos >= FText.size()) return;
      if (AtLineBreak()) {
        SkipLineBreak();
        return;
      }
      ++FPos;  // the comma
    }
  }

  std::string PlainField() {
    const std::size_t Start = FPos;
    while (FPos < FText.size() && FText[FPos] != ',' && !AtLineBreak()) ++FPos;
    return std::string(FText.substr(Start, FPos - Start));
  }

  std::string QuotedField() {
    const int StartLine = FLine;
    std::string Value;
    ++FPos;
    while (true) {
      if (FPos >= FText.size()) throw TCsvError(StartLine, "a quoted field is not closed");
      const char c = FText[FPos];
      if (c == '"') {
        if (FPos + 1 < FText.size() && FText[FPos + 1] == '"') {
          Value += '"';
          FPos += 2;
          continue;
        }
        ++FPos;
        if (FPos < FText.size() && FText[FPos] != ',' && !AtLineBreak())
          throw TCsvError(FLine, "text follows the closing quote of a field");
        return Value;
      }
      // Line breaks inside the quotes belong to the value; count them all the same.
      if (c == '\n' || (c == '\r' && (FPos + 1 >= FText.size() || FText[FPos + 1] != '\n'))) ++FLine;
      Value += c;
      ++FPos;
    }
  }

  std::string_view FText;
  std::size_t FPos = 0;
  int FLine = 1;
};

}  // namespace

std::vector<TCsvRecord> ReadCsvRecords(std::string_view Text) { return TCsvReader(Text).Records(); }

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
