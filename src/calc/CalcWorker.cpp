#include "calc/CalcWorker.h"

#include "calc/uCalcul.h"

TCalcWorker::TCalcWorker(TCalcul& Calc) : Calc(Calc) { Calc.SetStopRequest(&StopRequest); }

TCalcWorker::~TCalcWorker() {
  Stop();
  Calc.SetStopRequest(nullptr);
}

void TCalcWorker::Start(std::function<void()> OnEnded) {
  if (IsRunning()) return;
  Ended = false;
  Result.clear();
  Thread = std::thread([this, OnEnded = std::move(OnEnded)] {
    std::string Value;  // stays empty when the run fails
    Calc.Calculate(Value);
    {
      std::lock_guard<std::mutex> Guard(Lock);
      Result = std::move(Value);
      Ended = true;
    }
    EndedSignal.notify_all();
    if (OnEnded) OnEnded();
  });
}

bool TCalcWorker::WaitFor(std::chrono::milliseconds Timeout) {
  std::unique_lock<std::mutex> Guard(Lock);
  return EndedSignal.wait_for(Guard, Timeout, [this] { return Ended; });
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
