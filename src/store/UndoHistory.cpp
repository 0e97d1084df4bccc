#include "store/UndoHistory.h"

#include <algorithm>
#include <cstring>

namespace {
// Blocks compared with memcmp before the byte that differs is looked for.
constexpr std::size_t Block = 4096;
// What a step costs besides its middles (the record, the label, the places).
constexpr std::size_t StepOverhead = 256;
}  // namespace

std::size_t CommonPrefixLength(const TStoreBytes& A, const TStoreBytes& B) {
  const std::size_t Shorter = std::min(A.size(), B.size());
  std::size_t n = 0;
  while (n + Block <= Shorter && std::memcmp(A.data() + n, B.data() + n, Block) == 0) n += Block;
  while (n < Shorter && A[n] == B[n]) ++n;
  return n;
}

std::size_t CommonSuffixLength(const TStoreBytes& A, const TStoreBytes& B, std::size_t Prefix) {
  const std::size_t Room = std::min(A.size(), B.size()) - Prefix;
  std::size_t n = 0;
  while (n + Block <= Room &&
         std::memcmp(A.data() + A.size() - n - Block, B.data() + B.size() - n - Block, Block) == 0)
    n += Block;
  while (n < Room && A[A.size() - n - 1] == B[B.size() - n - 1]) ++n;
  return n;
}

std::size_t TUndoHistory::TStep::Memory() const {
  std::size_t Places = (BeforePlace.Entry.size() + AfterPlace.Entry.size()) * sizeof(int);
  return Earlier.size() + Later.size() + Label.size() + Places + StepOverhead;
}

TUndoHistory::TStep TUndoHistory::Difference(const TStoreBytes& Before, const TStoreBytes& After) {
  TStep Step;
  const std::size_t Prefix = CommonPrefixLength(Before, After);
  const std::size_t Suffix = CommonSuffixLength(Before, After, Prefix);
  Step.Offset = Prefix;
  Step.Earlier.assign(Before.begin() + static_cast<std::ptrdiff_t>(Prefix),
                      Before.end() - static_cast<std::ptrdiff_t>(Suffix));
  Step.Later.assign(After.begin() + static_cast<std::ptrdiff_t>(Prefix),
                    After.end() - static_cast<std::ptrdiff_t>(Suffix));
  return Step;
}

void TUndoHistory::Replace(TStoreBytes& Bytes, std::size_t Offset, const TStoreBytes& From, const TStoreBytes& To) {
  const auto At = Bytes.begin() + static_cast<std::ptrdiff_t>(Offset);
  const std::size_t Common = std::min(From.size(), To.size());
  std::copy(To.begin(), To.begin() + static_cast<std::ptrdiff_t>(Common), At);
  if (To.size() > From.size())
    Bytes.insert(At + static_cast<std::ptrdiff_t>(Common), To.begin() + static_cast<std::ptrdiff_t>(Common), To.end());
  else if (From.size() > To.size())
    Bytes.erase(At + static_cast<std::ptrdiff_t>(Common), At + static_cast<std::ptrdiff_t>(From.size()));
}

void TUndoHistory::Record(const TStoreBytes& Before, const TStoreBytes& After, std::string Label,
                          TUndoPlace BeforePlace, TUndoPlace AfterPlace) {
  for (const TStep& Step : FRedo) FMemoryUsed -= Step.Memory();
  FRedo.clear();
  TStep Step = Difference(Before, After);
  Step.Label = std::move(Label);
  Step.BeforePlace = std::move(BeforePlace);
  Step.AfterPlace = std::move(AfterPlace);
  FMemoryUsed += Step.Memory();
  FUndo.push_back(std::move(Step));
  Trim();
}

void TUndoHistory::ExtendNewest(const TStoreBytes& Current, const TStoreBytes& After, TUndoPlace AfterPlace) {
  if (FUndo.empty()) return;
  TStep& Newest = FUndo.back();
  TStoreBytes Before = Current;
  Replace(Before, Newest.Offset, Newest.Later, Newest.Earlier);
  TStep Longer = Difference(Before, After);
  Longer.Label = std::move(Newest.Label);
  Longer.BeforePlace = std::move(Newest.BeforePlace);
  Longer.AfterPlace = std::move(AfterPlace);
  FMemoryUsed -= Newest.Memory();
  FMemoryUsed += Longer.Memory();
  Newest = std::move(Longer);
  Trim();
}

const std::string& TUndoHistory::UndoLabel() const {
  static const std::string None;
  return FUndo.empty() ? None : FUndo.back().Label;
}

const std::string& TUndoHistory::RedoLabel() const {
  static const std::string None;
  return FRedo.empty() ? None : FRedo.back().Label;
}

TUndoPlace TUndoHistory::Undo(TStoreBytes& Current) { return MoveStep(FUndo, FRedo, Current, false); }

TUndoPlace TUndoHistory::Redo(TStoreBytes& Current) { return MoveStep(FRedo, FUndo, Current, true); }

TUndoPlace TUndoHistory::MoveStep(std::deque<TStep>& From, std::deque<TStep>& To, TStoreBytes& Current,
                                  bool Forward) {
  TStep Step = std::move(From.back());
  From.pop_back();
  if (Forward)
    Replace(Current, Step.Offset, Step.Earlier, Step.Later);
  else
    Replace(Current, Step.Offset, Step.Later, Step.Earlier);
  const TUndoPlace Place = Forward ? Step.AfterPlace : Step.BeforePlace;
  To.push_back(std::move(Step));
  return Place;
}

void TUndoHistory::Clear() {
  FUndo.clear();
  FRedo.clear();
  FMemoryUsed = 0;
}

void TUndoHistory::Trim() {
  // Redo steps go first (the furthest from now), then the oldest undo steps.
  while (FMemoryUsed > FMemoryLimit && !FRedo.empty()) {
    FMemoryUsed -= FRedo.front().Memory();
    FRedo.pop_front();
  }
  while (FMemoryUsed > FMemoryLimit && FUndo.size() > 1) {
    FMemoryUsed -= FUndo.front().Memory();
    FUndo.pop_front();
  }
}
