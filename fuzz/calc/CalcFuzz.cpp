// Fuzzes TCalcul::Calculate: any formula must end in a result or a recorded
// failure, without a crash, a sanitizer report or a hang. The first bytes up
// to a NUL are the formula of a first run on the same object, so runs can
// leave variables behind for the second.
#include <cstddef>
#include <cstdint>
#include <string>

#include "calc/core/uCalcul.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const std::string Input(reinterpret_cast<const char*>(Data), Size);
  TCalcul Calc;
  std::string Result;
  const std::size_t Split = Input.find('\0');
  if (Split != std::string::npos) {
    Calc.Formula = Input.substr(0, Split);
    Calc.Calculate(Result);
    Calc.Formula = Input.substr(Split + 1);
  } else {
    Calc.Formula = Input;
  }
  Calc.Calculate(Result);
  if (Calc.HasError() && Calc.ErrorMessage().empty()) __builtin_trap();
  return 0;
}
