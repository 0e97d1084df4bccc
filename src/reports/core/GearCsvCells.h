// The cells of a gear list as people write them in spreadsheets: figures in
// either decimal separator, with group separators and currency signs, and
// weights with their unit ("25 oz", "1 lb 10 oz", "450g", "1,2 kg"). Plain C++.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

// A cell that cannot be read; what() is the reason, without the line.
class TCsvCellError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Text as quoted in a message: in double quotes, control bytes (a NUL too)
// written as \xNN so that no message is cut short, long texts cut at 60 bytes.
std::string QuotedCell(const std::string& Text);

// Text without the blanks (spaces, tabs, no-break spaces) around it.
std::string TrimmedCell(const std::string& Text);

// Whether Text holds a digit at all.
bool HasDigit(const std::string& Text);

// The weight unit (index of WeightUnits) of a unit word: gram, kilogram,
// pound, ounce, their plurals, g, gr, kg, kgs, lb, lbs, oz, in any letter case.
std::optional<int> CsvWeightUnit(const std::string& Word);

// A figure of a cell, What ("weight", "qty", "price") naming it in messages.
// Reads digits with "." or "," as decimal separator and the other one as
// group separator ("1.234,5", "1,234.5"); one comma before exactly three
// digits ("1,200") could be either and is refused, unless a dollar or pound
// sign says "," groups. With Currency a currency sign or code before or
// after the figure is dropped. Refuses a negative figure, one beyond the
// range of a double and one too close to zero for it.
long double ReadCsvFigure(const std::string& Text, const char* What, bool Currency = false);

// A weight cell: figures, each with a unit or a lone figure without one,
// optionally followed by "each".
struct TCsvWeight {
  std::vector<std::pair<long double, int>> Parts;  // figure and weight unit
  std::optional<long double> Bare;                // a figure that names no unit
  // The stored kilograms of Count pieces; a bare figure is in Unit.
  long double Kilograms(long double Count, int Unit) const;
};
TCsvWeight ReadCsvWeight(const std::string& Text);
