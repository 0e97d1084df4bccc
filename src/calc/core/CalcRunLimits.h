// Bounds of one formula run, shared by a run and every sub-evaluator it
// starts, so that no formula can exhaust the stack or take unbounded time.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>

#include "calc/core/CalcFault.h"

namespace calc {

class TCalcRunLimits {
 public:
  // Nesting levels of parsing and evaluation on the stack at one time.
  static constexpr int MaxDepth = 2000;
  // Levels that one nested evaluator (an assignment body, "eval(") costs.
  static constexpr int SubEvaluatorDepth = 50;
  // The longest text a single operation may produce.
  static constexpr std::size_t MaxTextLength = std::size_t(4) << 20;
  // Units of work a run may spend beyond a share proportional to its
  // formula. A unit is one byte of text produced (texts are what a run
  // keeps in memory) or a few nanoseconds of computing.
  static constexpr std::uint64_t BaseWork = std::uint64_t(64) << 20;
  static constexpr std::uint64_t WorkPerFormulaByte = 64;
  // Reading one byte of a formula; creating or evaluating one node.
  static constexpr std::uint64_t ScanWork = 1;
  static constexpr std::uint64_t NodeWork = 16;
  // Writing the digits of a number of huge magnitude: every 32 places of
  // its binary exponent pass over the digits written so far.
  static constexpr std::uint64_t WritingWork(std::size_t Digits) {
    return Digits * (1 + Digits / 128);
  }

  // Starts a top-level run of a formula of this length.
  void StartRun(std::size_t FormulaLength) {
    Depth = 0;
    Work = 0;
    WorkLimit = BaseWork + WorkPerFormulaByte * FormulaLength;
    Exceeded = false;
  }

  // A request of another thread to stop the runs as soon as they can: they
  // then fail as if beyond their limits. None by default.
  void SetStopRequest(const std::atomic<bool>* Request) { StopRequest = Request; }

  void Enter(int Levels = 1) {
    Depth += Levels;
    if (Depth > MaxDepth || StopRequested()) Fail();
  }
  void Leave(int Levels = 1) { Depth -= Levels; }

  void Spend(std::uint64_t Units) {
    Work += Units;
    if (Work > WorkLimit || StopRequested()) Fail();
  }

  void CheckTextLength(std::size_t Length) {
    if (Length > MaxTextLength) Fail();
  }

  // True once any limit was hit; the whole run (with its parents) then fails.
  bool WasExceeded() const { return Exceeded; }

 private:
  bool StopRequested() const { return StopRequest && StopRequest->load(std::memory_order_relaxed); }

  [[noreturn]] void Fail() {
    Exceeded = true;
    throw TCalcFault();
  }

  int Depth = 0;
  std::uint64_t Work = 0;
  std::uint64_t WorkLimit = BaseWork;
  bool Exceeded = false;
  const std::atomic<bool>* StopRequest = nullptr;
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
