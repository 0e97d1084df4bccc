#include "calc/core/CalcVariables.h"

#include <locale>

namespace calc {

std::string TCalcVariables::Key(std::string_view Name) {
  std::string Folded(Name);
  const auto& Facet = std::use_facet<std::ctype<char>>(std::locale());
  if (!Folded.empty()) Facet.tolower(&Folded[0], &Folded[0] + Folded.size());
  return Folded;
}

bool TCalcVariables::NameOf(const std::string& Entry, std::string_view& Name) {
  const std::size_t Equals = Entry.find('=');
  if (Equals == std::string::npos) return false;
  Name = std::string_view(Entry).substr(0, Equals);
  return true;
}

void TCalcVariables::SetText(const std::string& Text) {
  EntryById.clear();
  IdsByKey.clear();
  Journal.clear();
  OpenScopes = 0;
  std::size_t Start = 0;
  while (Start < Text.size()) {
    std::size_t End = Start;
    while (End < Text.size() && Text[End] != '\r' && Text[End] != '\n') ++End;
    Append(Text.substr(Start, End - Start));
    if (End < Text.size() && Text[End] == '\r' && End + 1 < Text.size() && Text[End + 1] == '\n') ++End;
    Start = End + 1;
  }
}

std::vector<std::string> TCalcVariables::Entries() const {
  std::vector<std::string> List;
  List.reserve(EntryById.size());
  for (const auto& Entry : EntryById) List.push_back(Entry.second);
  return List;
}

TCalcVariables::TEntryId TCalcVariables::FirstNamed(std::string_view Name) const {
  const auto Found = IdsByKey.find(Key(Name));
  return Found == IdsByKey.end() || Found->second.empty() ? NoEntry : *Found->second.begin();
}

const std::string* TCalcVariables::Find(std::string_view Name) const {
  const TEntryId Id = FirstNamed(Name);
  return Id == NoEntry ? nullptr : &EntryById.at(Id);
}

void TCalcVariables::Assign(const std::string& Name, const std::string& Value) {
  std::string Entry = Name + "=" + Value;
  const TEntryId Id = FirstNamed(Name);
  if (Id == NoEntry) {
    Append(std::move(Entry));
    return;
  }
  std::string& Existing = EntryById.at(Id);
  Record(TChange::TKind::Replaced, Id, Existing);
  // The name part may differ in letter case only: the key stays the same.
  Existing = std::move(Entry);
}

TCalcVariables::TEntryId TCalcVariables::Append(std::string Entry) {
  const TEntryId Id = NextId++;
  Insert(Id, std::move(Entry));
  Record(TChange::TKind::Added, Id, std::string());
  return Id;
}

bool TCalcVariables::RemoveFirst(std::string_view Name) {
  const TEntryId Id = FirstNamed(Name);
  if (Id == NoEntry) return false;
  Remove(Id);
  return true;
}

void TCalcVariables::Remove(TEntryId Id) {
  const auto Found = EntryById.find(Id);
  if (Found == EntryById.end()) return;
  Record(TChange::TKind::Removed, Id, Found->second);
  Erase(Id);
}

void TCalcVariables::Insert(TEntryId Id, std::string Entry) {
  std::string_view Name;
  const auto Placed = EntryById.emplace(Id, std::move(Entry)).first;
  if (NameOf(Placed->second, Name)) IdsByKey[Key(Name)].insert(Id);
}

void TCalcVariables::Erase(TEntryId Id) {
  const auto Found = EntryById.find(Id);
  std::string_view Name;
  if (NameOf(Found->second, Name)) {
    const auto Ids = IdsByKey.find(Key(Name));
    Ids->second.erase(Id);
    if (Ids->second.empty()) IdsByKey.erase(Ids);
  }
  EntryById.erase(Found);
}

void TCalcVariables::Record(TChange::TKind Kind, TEntryId Id, std::string Text) {
  if (OpenScopes > 0) Journal.push_back({Kind, Id, std::move(Text)});
}

std::size_t TCalcVariables::BeginUndo() {
  ++OpenScopes;
  return Journal.size();
}

void TCalcVariables::RollBack(std::size_t Mark) {
  while (Journal.size() > Mark) {
    TChange Change = std::move(Journal.back());
    Journal.pop_back();
    switch (Change.Kind) {
      case TChange::TKind::Added:
        Erase(Change.Id);
        break;
      case TChange::TKind::Removed:
        Insert(Change.Id, std::move(Change.Text));
        break;
      case TChange::TKind::Replaced:
        EntryById.at(Change.Id) = std::move(Change.Text);
        break;
    }
  }
  if (OpenScopes > 0) --OpenScopes;
}

}  // namespace calc
