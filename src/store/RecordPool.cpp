#include "store/RecordPool.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr std::size_t RecordAlignment = alignof(void*);
constexpr std::size_t FirstBlockBytes = 64 * 1024;
constexpr std::size_t HugePageBytes = 2 * 1024 * 1024;

std::size_t RoundUp(std::size_t Size, std::size_t Step) { return (Size + Step - 1) / Step * Step; }

}  // namespace

TRecordPool::TRecordPool(std::size_t RecordSize)
    : FRecordSize(RoundUp(std::max(RecordSize, sizeof(void*)), RecordAlignment)),
      FBlockBytes(FirstBlockBytes) {}

void* TRecordPool::Allocate() {
  std::lock_guard<std::mutex> Lock(FMutex);
  if (FFreeList) {
    void* Record = FFreeList;
    FFreeList = *static_cast<void**>(Record);
    return Record;
  }
  if (static_cast<std::size_t>(FEnd - FNext) < FRecordSize) AddBlock();
  void* Record = FNext;
  FNext += FRecordSize;
  return Record;
}

void TRecordPool::Release(void* Record) {
  if (!Record) return;
  std::lock_guard<std::mutex> Lock(FMutex);
  *static_cast<void**>(Record) = FFreeList;
  FFreeList = Record;
}

std::size_t TRecordPool::ReservedBytes() const {
  std::lock_guard<std::mutex> Lock(FMutex);
  return FReserved;
}

// Blocks double from 64 KiB up to a huge page, so a small store stays small;
// huge-page blocks are aligned to a huge page and marked for huge pages.
void TRecordPool::AddBlock() {
  const std::size_t Bytes = std::max(FBlockBytes, RoundUp(FRecordSize, 4096));
  void* Block = Bytes >= HugePageBytes ? std::aligned_alloc(HugePageBytes, RoundUp(Bytes, HugePageBytes))
                                       : std::malloc(Bytes);
  if (!Block) throw std::bad_alloc();
#ifdef MADV_HUGEPAGE
  if (Bytes >= HugePageBytes) madvise(Block, RoundUp(Bytes, HugePageBytes), MADV_HUGEPAGE);
#endif
  FNext = static_cast<char*>(Block);
  FEnd = FNext + Bytes;
  FReserved += Bytes;
  FBlockBytes = std::min(FBlockBytes * 2, HugePageBytes);
}
