#include "calc/core/CalcValue.h"

#include <cmath>

#include "calc/core/CalcFault.h"
#include "calc/core/CalcNumbers.h"

namespace calc {

TCalcValue TCalcValue::Number(long double Value) {
  CheckFinite(Value);
  TCalcValue Result;
  Result.FHasNumber = true;
  if (std::fabs(Value) >= WholeMagnitude) {
    // Whole, and its exact text reads back as the same number: no need to
    // write it now.
    Result.FNumber = Value;
    Result.FWritten = false;
    return Result;
  }
  Result.FText = FormatNumber(Value);
  Result.FNumber = *ParseDecimal(Result.FText);
  return Result;
}

const std::string& TCalcValue::Text() {
  if (!FWritten) {
    FText = FormatNumber(FNumber);
    FWritten = true;
  }
  return FText;
}

}  // namespace calc
