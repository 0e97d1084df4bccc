#include "calc/core/CalcWorker.h"

#include "calc/core/uCalcul.h"

TCalcWorker::TCalcWorker(TCalcul& Calc) : Calc(Calc) { Calc.SetStopRequest(&StopRequest); }

TCalcWorker::~TCalcWorker() {
  Stop();
  Calc.SetStopRequest(nullptr);
}

void TCalcWorker::Start(std::function<void()> OnEnded) {
  if (IsRunning()) return;
  Began = false;
  Ended = false;
  Result.clear();
  Thread = std::thread([this, OnEnded = std::move(OnEnded)] {
    {
      std::lock_guard<std::mutex> Guard(Lock);
      Began = true;
      BeganAt = std::chrono::steady_clock::now();
    }
    Signal.notify_all();
    std::string Value;  // stays empty when the run fails
    Calc.Calculate(Value);
    {
      std::lock_guard<std::mutex> Guard(Lock);
      Result = std::move(Value);
      Ended = true;
    }
    Signal.notify_all();
    if (OnEnded) OnEnded();
  });
}

bool TCalcWorker::WaitFor(std::chrono::milliseconds Timeout) {
  if (!IsRunning()) return true;
  std::unique_lock<std::mutex> Guard(Lock);
  Signal.wait(Guard, [this] { return Began; });
  return Signal.wait_until(Guard, BeganAt + Timeout, [this] { return Ended; });
}

bool TCalcWorker::HasEnded() const {
  std::lock_guard<std::mutex> Guard(Lock);
  return Ended;
}

std::string TCalcWorker::Collect() {
  Join();
  return std::move(Result);
}

void TCalcWorker::Stop() {
  StopRequest = true;
  Join();
  StopRequest = false;
  Result.clear();
}

void TCalcWorker::Join() {
  if (Thread.joinable()) Thread.join();
}
