// Storage for the store's records. A store holds up to millions of small
// records that live until the program ends or the trip is deleted; each record
// type takes its records from a pool of its own: no allocation header per
// record, freed records are reused for the next of the same type, and the
// pool's larger blocks are backed by huge pages where the system offers them,
// so that loading a large store does not fault its memory in page by page.
//
// Records are still created and released with new and delete (the lists own
// them through std::unique_ptr); a record type opts in with
// QMP_POOLED_RECORD(Type). Builds with AddressSanitizer use plain new and
// delete, so that a use of a released record is still found.
#pragma once

#include <cstddef>
#include <mutex>
#include <new>

class TRecordPool {
 public:
  explicit TRecordPool(std::size_t RecordSize);
  TRecordPool(const TRecordPool&) = delete;
  TRecordPool& operator=(const TRecordPool&) = delete;

  void* Allocate();
  void Release(void* Record);

  // Bytes taken from the system so far, and one record's share of them.
  std::size_t ReservedBytes() const;
  std::size_t RecordSize() const { return FRecordSize; }

 private:
  void AddBlock();

  const std::size_t FRecordSize;
  mutable std::mutex FMutex;
  void* FFreeList = nullptr;
  char* FNext = nullptr;
  char* FEnd = nullptr;
  std::size_t FBlockBytes;
  std::size_t FReserved = 0;
};

#if defined(__SANITIZE_ADDRESS__)
#define QMP_RECORD_POOL_DISABLED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QMP_RECORD_POOL_DISABLED 1
#endif
#endif

// The pool of record type T; it lives as long as the program.
template <class T>
TRecordPool& RecordPoolOf() {
  static TRecordPool* const Pool = new TRecordPool(sizeof(T));
  return *Pool;
}

template <class T>
void* NewRecord(std::size_t Size) {
  static_assert(alignof(T) <= alignof(void*), "pooled records are aligned as pointers");
#ifndef QMP_RECORD_POOL_DISABLED
  if (Size == sizeof(T)) return RecordPoolOf<T>().Allocate();
#endif
  return ::operator new(Size);
}

template <class T>
void DeleteRecord(void* Record, std::size_t Size) {
#ifndef QMP_RECORD_POOL_DISABLED
  if (Size == sizeof(T)) return RecordPoolOf<T>().Release(Record);
#endif
  ::operator delete(Record);
}

#define QMP_POOLED_RECORD(Type)                                                              \
  static void* operator new(std::size_t Size) { return NewRecord<Type>(Size); }             \
  static void operator delete(void* Record, std::size_t Size) { DeleteRecord<Type>(Record, Size); }
