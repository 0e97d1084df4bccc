// A value of the formula evaluator. Every value is a text; a number computed
// by an operation also keeps its number, so that the next operation needs no
// conversion. A number of huge magnitude (its fixed-point text runs to
// thousands of digits) is written as text only when the text is read, so
// that chains of operations cost the same whatever the numbers' size.
#pragma once

#include <string>
#include <utility>

namespace calc {

class TCalcValue {
 public:
  TCalcValue() = default;
  // A text value (literal, variable, text function, ...).
  TCalcValue(std::string Text) : FText(std::move(Text)) {}  // NOLINT: texts are values
  TCalcValue(const char* Text) : FText(Text) {}              // NOLINT

  // The number an operation computed, as the next operation reads it back
  // from its text: exactly what ToNumber of FormatNumber of Value gives.
  // Throws TCalcFault for infinity and NaN, as FormatNumber does.
  static TCalcValue Number(long double Value);

  bool HasNumber() const { return FHasNumber; }
  long double NumberValue() const { return FNumber; }

  // The text, written from the number when it is read for the first time.
  const std::string& Text();
  // The text of a value that is written (every value but a huge number).
  const std::string& WrittenText() const { return FText; }
  std::string TakeText() {
    Text();
    return std::move(FText);
  }
  // The length of the text written so far (0 for a number not yet written).
  std::size_t WrittenSize() const { return FText.size(); }
  bool IsWritten() const { return FWritten; }

 private:
  std::string FText;
  long double FNumber = 0;
  bool FHasNumber = false;
  bool FWritten = true;
};

}  // namespace calc
