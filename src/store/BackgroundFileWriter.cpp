#include "store/BackgroundFileWriter.h"

#include <unistd.h>

#include "store/ByteFile.h"

TBackgroundFileWriter::TBackgroundFileWriter(std::string Path, TReport Report)
    : Path(std::move(Path)), FReport(std::move(Report)), FThread([this] { Run(); }) {}

TBackgroundFileWriter::~TBackgroundFileWriter() {
  {
    std::lock_guard<std::mutex> Lock(FMutex);
    FStopping = true;
  }
  FWake.notify_all();
  FThread.join();
}

void TBackgroundFileWriter::Submit(TBytes Data) {
  {
    std::lock_guard<std::mutex> Lock(FMutex);
    FPending = std::move(Data);
  }
  FWake.notify_all();
}

bool TBackgroundFileWriter::Flush() {
  std::unique_lock<std::mutex> Lock(FMutex);
  FIdle.wait(Lock, [this] { return !FPending && !FWriting; });
  return FLastWriteOk;
}

void TBackgroundFileWriter::Remove() {
  std::unique_lock<std::mutex> Lock(FMutex);
  FPending.reset();
  FIdle.wait(Lock, [this] { return !FWriting; });
  unlink(Path.c_str());
}

void TBackgroundFileWriter::Run() {
  std::unique_lock<std::mutex> Lock(FMutex);
  for (;;) {
    FWake.wait(Lock, [this] { return FPending || FStopping; });
    if (!FPending) return;  // stopping with nothing left to write
    const TBytes Data = std::move(FPending);
    FPending.reset();
    FWriting = true;
    Lock.unlock();
    bool Ok = true;
    std::string Failure;
    try {
      ReplaceOwnFileAtomically(Path, *Data);
    } catch (const std::exception& Error) {
      Ok = false;
      Failure = Error.what();
    }
    if (FReport) FReport(Ok, Failure);
    Lock.lock();
    FWriting = false;
    FLastWriteOk = Ok;
    FIdle.notify_all();
  }
}
