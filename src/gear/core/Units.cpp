#include "gear/core/Units.h"

namespace {

template <std::size_t N>
double Multiply(const std::array<TUnit, N>& Units, int Unit, double Value) {
  if (Unit < 0 || static_cast<std::size_t>(Unit) >= N) return Value;
  return static_cast<double>(static_cast<long double>(Value) * Units[static_cast<std::size_t>(Unit)].Factor);
}

template <std::size_t N>
double Divide(const std::array<TUnit, N>& Units, int Unit, double Value) {
  if (Unit < 0 || static_cast<std::size_t>(Unit) >= N) return Value;
  return static_cast<double>(static_cast<long double>(Value) / Units[static_cast<std::size_t>(Unit)].Factor);
}

}  // namespace

double KilogramsToUnit(int Unit, double Value) { return Multiply(WeightUnits, Unit, Value); }
double UnitToKilograms(int Unit, double Value) { return Divide(WeightUnits, Unit, Value); }
double CubicMetersToUnit(int Unit, double Value) { return Multiply(VolumeUnits, Unit, Value); }
double UnitToCubicMeters(int Unit, double Value) { return Divide(VolumeUnits, Unit, Value); }
