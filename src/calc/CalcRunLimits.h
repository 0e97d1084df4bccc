// Bounds of one formula run, shared by a run and every sub-evaluator it
// starts, so that no formula can exhaust the stack or take unbounded time.
#pragma once

#include <cstddef>
#include <cstdint>

#include "calc/CalcFault.h"

namespace calc {

class TCalcRunLimits {
 public:
  // Nesting levels of parsing and evaluation on the stack at one time.
  static constexpr int MaxDepth = 2000;
  // Levels that one nested evaluator (an assignment body, "eval(") costs.
  static constexpr int SubEvaluatorDepth = 50;
  // The longest text a single operation may produce.
  static constexpr std::size_t MaxTextLength = std::size_t(4) << 20;
  // Units of work (bytes produced, nodes evaluated) a run may spend beyond
  // a share proportional to its formula.
  static constexpr std::uint64_t BaseWork = std::uint64_t(64) << 20;
  static constexpr std::uint64_t WorkPerFormulaByte = 64;

  // Starts a top-level run of a formula of this length.
  void StartRun(std::size_t FormulaLength) {
    Depth = 0;
    Work = 0;
    WorkLimit = BaseWork + WorkPerFormulaByte * FormulaLength;
    Exceeded = false;
  }

  void Enter(int Levels = 1) {
    Depth += Levels;
    if (Depth > MaxDepth) Fail();
  }
  void Leave(int Levels = 1) { Depth -= Levels; }

  void Spend(std::uint64_t Units) {
    Work += Units;
    if (Work > WorkLimit) Fail();
  }

  void CheckTextLength(std::size_t Length) {
    if (Length > MaxTextLength) Fail();
  }

  // True once any limit was hit; the whole run (with its parents) then fails.
  bool WasExceeded() const { return Exceeded; }

 private:
  [[noreturn]] void Fail() {
    Exceeded = true;
    throw TCalcFault();
  }

  int Depth = 0;
  std::uint64_t Work = 0;
  std::uint64_t WorkLimit = BaseWork;
  bool Exceeded = false;
};

// Holds Levels of depth for the life of a scope.
class TDepthScope {
 public:
  TDepthScope(TCalcRunLimits& Limits, int Levels = 1) : Limits(Limits), Levels(Levels) {
    Limits.Enter(Levels);
  }
  ~TDepthScope() { Limits.Leave(Levels); }
  TDepthScope(const TDepthScope&) = delete;
  TDepthScope& operator=(const TDepthScope&) = delete;

 private:
  TCalcRunLimits& Limits;
  int Levels;
};

}  // namespace calc
