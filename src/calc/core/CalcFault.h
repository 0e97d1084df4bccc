// Arithmetic faults and exceeded limits of a formula run. They unwind to the
// guard of TCalcul::Calculate, which turns them into "invalid formule".
#pragma once

#include <stdexcept>

namespace calc {

class TCalcFault : public std::runtime_error {
 public:
  TCalcFault() : std::runtime_error("invalid formule") {}
};

// Throws TCalcFault unless Value is finite (overflow, 0/0 and the like).
inline long double CheckFinite(long double Value) {
  if (!(Value - Value == 0)) throw TCalcFault();
  return Value;
}

}  // namespace calc
