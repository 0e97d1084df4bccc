// The variable list of the formula evaluator: ordered entries "name=value",
// found by the name before the first "=" ignoring letter case.
//
// Look-ups, replacements and removals take logarithmic time. Nested
// evaluators work on the same list inside an undo scope: what they change is
// rolled back when they end, as if they had worked on a copy.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace calc {

class TCalcVariables {
 public:
  using TEntryId = std::uint64_t;
  static constexpr TEntryId NoEntry = 0;

  // Replaces every entry by the lines of Text (CR LF, LF or CR end a line).
  void SetText(const std::string& Text);
  // Every entry, in order.
  std::vector<std::string> Entries() const;

  // The first entry named Name (ignoring case), or nullptr.
  const std::string* Find(std::string_view Name) const;
  // Replaces the first entry named Name by "Name=Value", or appends it.
  void Assign(const std::string& Name, const std::string& Value);
  TEntryId Append(std::string Entry);
  // Removes the first entry named Name; false when there is none.
  bool RemoveFirst(std::string_view Name);
  void Remove(TEntryId Id);

  // Undo scopes nest; RollBack undoes every change since its BeginUndo.
  std::size_t BeginUndo();
  void RollBack(std::size_t Mark);

 private:
  struct TChange {
    enum class TKind { Added, Removed, Replaced } Kind;
    TEntryId Id;
    std::string Text;  // the entry before the change
  };

  static std::string Key(std::string_view Name);
  static bool NameOf(const std::string& Entry, std::string_view& Name);

  void Insert(TEntryId Id, std::string Entry);
  void Erase(TEntryId Id);
  TEntryId FirstNamed(std::string_view Name) const;
  void Record(TChange::TKind Kind, TEntryId Id, std::string Text);

  std::map<TEntryId, std::string> EntryById;  // in list order
  std::unordered_map<std::string, std::set<TEntryId>> IdsByKey;
  TEntryId NextId = 1;
  std::vector<TChange> Journal;
  int OpenScopes = 0;
};

}  // namespace calc
