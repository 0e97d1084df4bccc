// Runs the Calculate of an evaluator on a thread of its own, so that a long
// evaluation does not hold up the caller's thread. The caller may wait a
// while for it, ask it to stop, and collects the result once it has ended.
// While a run is going on, nothing else may touch the evaluator.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

class TCalcul;

class TCalcWorker {
 public:
  // Calc must outlive the worker; its stop request is the worker's.
  explicit TCalcWorker(TCalcul& Calc);
  // Stops a run in progress and waits for its end.
  ~TCalcWorker();
  TCalcWorker(const TCalcWorker&) = delete;
  TCalcWorker& operator=(const TCalcWorker&) = delete;

  // Starts a run of the evaluator's Calculate unless one is in progress.
  // OnEnded is called on the worker's thread when the run has ended.
  void Start(std::function<void()> OnEnded);
  // Waits for the run to end, at most until it has been evaluating for
  // Timeout (a busy machine slow to start the thread does not count); true
  // when it has ended.
  bool WaitFor(std::chrono::milliseconds Timeout);
  // A run was started and its result not yet collected (or dropped).
  bool IsRunning() const { return Thread.joinable(); }
  // The run has ended: Collect does not wait.
  bool HasEnded() const;
  // Waits for the end of the run; its result, empty when it failed.
  std::string Collect();
  // Asks the run to stop, waits for its end and drops its result.
  void Stop();

 private:
  void Join();

  TCalcul& Calc;
  std::atomic<bool> StopRequest{false};
  std::thread Thread;
  mutable std::mutex Lock;
  std::condition_variable Signal;  // the run began or ended
  bool Began = false;
  std::chrono::steady_clock::time_point BeganAt;
  bool Ended = false;
  std::string Result;
};
