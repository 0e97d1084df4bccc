// The undo history of the trip plans. A step is the change between the
// store's bytes in the data file's layout before and after it, kept as the
// changed middle of the two (their common beginning and end are left out),
// so that a small edit of a large store costs little memory. Undo and redo
// turn the current bytes into those before or after a step; the caller loads
// them into the store.
//
// The history is bounded in memory: when the steps together hold more than
// the limit, the oldest are dropped (the newest one is always kept).
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

using TStoreBytes = std::vector<std::uint8_t>;

// Where the user was: the selected trip, the page shown and the entry
// selected on it (positions; empty for none).
struct TUndoPlace {
  int Trip = -1;
  int Page = -1;
  std::vector<int> Entry;
};

class TUndoHistory {
 public:
  static constexpr std::size_t DefaultMemoryLimit = 64u * 1024u * 1024u;

  explicit TUndoHistory(std::size_t MemoryLimit = DefaultMemoryLimit) : FMemoryLimit(MemoryLimit) {}

  // Records the change from Before to After (the current bytes) as the
  // newest step, named Label; what could be redone is forgotten.
  void Record(const TStoreBytes& Before, const TStoreBytes& After, std::string Label, TUndoPlace BeforePlace,
              TUndoPlace AfterPlace);
  // Makes the newest step reach from where it began to After instead of to
  // Current, which it reached so far: a burst of typing stays one step.
  void ExtendNewest(const TStoreBytes& Current, const TStoreBytes& After, TUndoPlace AfterPlace);

  bool CanUndo() const { return !FUndo.empty(); }
  bool CanRedo() const { return !FRedo.empty(); }
  // The names of the steps Undo and Redo would take back or bring again.
  const std::string& UndoLabel() const;
  const std::string& RedoLabel() const;

  // Turns Current (the bytes after the newest step) into the bytes before it
  // and returns the place the user was before it. Only when CanUndo().
  TUndoPlace Undo(TStoreBytes& Current);
  // Turns Current into the bytes after the step last undone and returns the
  // place the user was after it. Only when CanRedo().
  TUndoPlace Redo(TStoreBytes& Current);

  std::size_t UndoCount() const { return FUndo.size(); }
  std::size_t RedoCount() const { return FRedo.size(); }
  // Memory the steps hold, in bytes.
  std::size_t MemoryUsed() const { return FMemoryUsed; }
  void Clear();

 private:
  struct TStep {
    std::size_t Offset = 0;  // where the middles begin
    TStoreBytes Earlier;     // the middle before the change
    TStoreBytes Later;       // the middle after it
    std::string Label;
    TUndoPlace BeforePlace;
    TUndoPlace AfterPlace;
    std::size_t Memory() const;
  };
  static TStep Difference(const TStoreBytes& Before, const TStoreBytes& After);
  // Replaces the middle From of Bytes (at Offset) by To.
  static void Replace(TStoreBytes& Bytes, std::size_t Offset, const TStoreBytes& From, const TStoreBytes& To);
  // Takes the newest step of From back (Forward false) or again (true) on
  // Current, puts it on To and returns the place the user is then.
  static TUndoPlace MoveStep(std::deque<TStep>& From, std::deque<TStep>& To, TStoreBytes& Current, bool Forward);
  void Trim();

  std::size_t FMemoryLimit;
  std::size_t FMemoryUsed = 0;
  std::deque<TStep> FUndo;  // oldest first
  std::deque<TStep> FRedo;  // most recently undone last
};

// The length of the common beginning and of the common end (not overlapping
// the beginning) of A and B.
std::size_t CommonPrefixLength(const TStoreBytes& A, const TStoreBytes& B);
std::size_t CommonSuffixLength(const TStoreBytes& A, const TStoreBytes& B, std::size_t Prefix);
