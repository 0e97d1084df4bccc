// Writes a file atomically on a thread of its own, so that the caller (the
// user-interface thread) never waits for the disk. Only the latest bytes
// submitted matter: a write still waiting is replaced by a newer one. The
// file is the program's own: a link in its place is replaced, never written
// through.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class TBackgroundFileWriter {
 public:
  using TBytes = std::shared_ptr<const std::vector<std::uint8_t>>;

  // Called on the writer's thread after each write: whether it succeeded,
  // and the reason when it did not.
  using TReport = std::function<void(bool Ok, const std::string& Failure)>;

  explicit TBackgroundFileWriter(std::string Path, TReport Report = {});
  // Finishes the write submitted last, then ends the thread.
  ~TBackgroundFileWriter();
  TBackgroundFileWriter(const TBackgroundFileWriter&) = delete;
  TBackgroundFileWriter& operator=(const TBackgroundFileWriter&) = delete;

  void Submit(TBytes Data);
  // Waits until everything submitted is written; true when the last write
  // succeeded.
  bool Flush();
  // Drops what is waiting, waits for a write in progress and removes the
  // file.
  void Remove();

  const std::string Path;

 private:
  void Run();

  const TReport FReport;
  std::mutex FMutex;
  std::condition_variable FWake;
  std::condition_variable FIdle;
  TBytes FPending;
  bool FWriting = false;
  bool FStopping = false;
  bool FLastWriteOk = true;
  std::thread FThread;
};
