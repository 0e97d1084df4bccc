// The bytes before and after a change agree up to the first byte that
// differs; the walk follows the data file's layout down to the innermost
// list or record that holds that byte, and names the change by what differs
// there: a count (a record added or deleted) or a text (a record edited).
#include "store/StoreChange.h"

#include <algorithm>
#include <cstring>

#include "store/DataFileFormat.h"
#include "store/MonthNames.h"

namespace {

enum class TKind { Trip, Note, GearCategory, GearItem, Plan, ShopCategory, ShopItem, Recipe, Ingredient, Contact, Permit };

struct TKindNames {
  const char* Noun;     // in a step's name: "Delete Category"
  const char* Nouns;    // "Delete Categories"
  const char* Single;   // in a deletion's note: "category"
  const char* Several;  // "categories"
};

TKindNames NamesOf(TKind Kind) {
  switch (Kind) {
    case TKind::Trip: return {"Trip", "Trips", "trip", "trips"};
    case TKind::Note: return {"Note", "Notes", "note", "notes"};
    case TKind::GearCategory:
    case TKind::ShopCategory: return {"Category", "Categories", "category", "categories"};
    case TKind::GearItem:
    case TKind::ShopItem: return {"Item", "Items", "item", "items"};
    case TKind::Plan: return {"Plan", "Plans", "plan", "plans"};
    case TKind::Recipe: return {"Recipe", "Recipes", "recipe", "recipes"};
    case TKind::Ingredient: return {"Ingredient", "Ingredients", "ingredient", "ingredients"};
    case TKind::Contact: return {"Contact", "Contacts", "contact", "contacts"};
    case TKind::Permit: return {"Permit", "Permits", "permit", "permits"};
  }
  return {"Entry", "Entries", "entry", "entries"};
}

// Reads the data file's encodings at a position; reads past the end give 0.
class TCursor {
 public:
  TCursor(const TStoreBytes& Bytes, std::size_t Position) : FBytes(Bytes), Pos(Position) {}
  std::uint8_t Byte() { return Pos < FBytes.size() ? FBytes[Pos++] : (++Pos, 0); }
  unsigned Word() {
    const unsigned Low = Byte();
    return Low | (static_cast<unsigned>(Byte()) << 8);
  }
  std::string String() {
    const std::size_t Length = Word();
    const std::size_t Start = std::min(Pos, FBytes.size());
    const std::size_t Taken = std::min(Length, FBytes.size() - Start);
    Pos += Length;
    return std::string(reinterpret_cast<const char*>(FBytes.data()) + Start, Taken);
  }
  void SkipStrings(int Count) {
    for (int i = 0; i < Count; ++i) Pos += Word();
  }
  unsigned Count(bool ByteCount) { return ByteCount ? Byte() : Word(); }

  // Moves past one record of Kind.
  void Skip(TKind Kind) {
    switch (Kind) {
      case TKind::Note:
        SkipStrings(Byte());
        Pos += 4;
        break;
      case TKind::GearItem: SkipStrings(7); break;
      case TKind::ShopItem: SkipStrings(5); break;
      case TKind::Plan: SkipStrings(2); break;
      case TKind::Ingredient: SkipStrings(1); break;
      case TKind::Contact: SkipStrings(11); break;
      case TKind::Permit: SkipStrings(7); break;
      case TKind::GearCategory:
        SkipStrings(1);
        SkipList(TKind::GearItem, false);
        break;
      case TKind::ShopCategory:
        SkipStrings(1);
        SkipList(TKind::ShopItem, false);
        break;
      case TKind::Recipe:
        SkipStrings(2);
        SkipStrings(static_cast<int>(Word()));
        break;
      case TKind::Trip:
        SkipStrings(1);
        for (TKind Section : {TKind::Note, TKind::GearCategory, TKind::Plan, TKind::ShopCategory, TKind::Recipe,
                              TKind::Contact, TKind::Permit})
          SkipList(Section, false);
        SkipStrings(1);
        break;
    }
  }
  void SkipList(TKind Kind, bool ByteCount) {
    const unsigned Records = Count(ByteCount);
    for (unsigned r = 0; r < Records && Pos < FBytes.size(); ++r) Skip(Kind);
  }
  std::size_t EndOf(TKind Kind) const {
    TCursor Copy = *this;
    Copy.Skip(Kind);
    return Copy.Pos;
  }

 private:
  const TStoreBytes& FBytes;

 public:
  std::size_t Pos;
};

std::string Quoted(const std::string& Text) { return "\"" + Text + "\""; }

// The note that says what a deleted record held.
std::string DeletedNote(TKind Kind, TCursor At) {
  const TKindNames Names = NamesOf(Kind);
  std::string What = std::string("Deleted ") + Names.Single + " ";
  switch (Kind) {
    case TKind::GearCategory:
    case TKind::ShopCategory: {
      What += Quoted(At.String());
      const unsigned Items = At.Word();
      return What + " with " + std::to_string(Items) + (Items == 1 ? " item." : " items.");
    }
    case TKind::Plan:
    case TKind::Recipe:
      At.SkipStrings(1);  // details and procedure come before the name
      return What + Quoted(At.String()) + ".";
    case TKind::Note: {
      At.SkipStrings(At.Byte());
      const int Day = At.Byte();
      const int Month = At.Byte();
      const unsigned Year = At.Word();
      const std::string MonthName = Month >= 1 && Month <= 12 ? MonthNames[static_cast<std::size_t>(Month - 1)]
                                                                : std::to_string(Month);
      return What + "of " + MonthName + " " + std::to_string(Day) + ", " + std::to_string(Year) + ".";
    }
    default:
      return What + Quoted(At.String()) + ".";
  }
}

class TDescriber {
 public:
  TDescriber(const TStoreBytes& Before, const TStoreBytes& After)
      : FBefore(Before), FAfter(After), FFirst(CommonPrefixLength(Before, After)) {
    const std::size_t Suffix = CommonSuffixLength(Before, After, FFirst);
    FEndBefore = Before.size() - Suffix;
    FEndAfter = After.size() - Suffix;
  }

  TStoreChange Describe() {
    const std::size_t Trips = TCursor(FBefore, 0).EndOf(TKind::Ingredient);  // past the header string
    List(TKind::Trip, Trips, true, TStoreSection::Trips);
    return FResult;
  }

 private:
  // A list at Position (its count), which holds the first difference.
  void List(TKind Kind, std::size_t Position, bool ByteCount, TStoreSection Section) {
    TCursor Before(FBefore, Position);
    TCursor After(FAfter, Position);
    const unsigned InBefore = Before.Count(ByteCount);
    const unsigned InAfter = After.Count(ByteCount);
    FResult.Section = Section;
    if (InBefore != InAfter) {
      CountChanged(Kind, Before, After, InBefore, InAfter);
      return;
    }
    for (unsigned r = 0; r < InBefore; ++r) {
      const std::size_t EndBefore = Before.EndOf(Kind);
      if (EndBefore <= FFirst) {
        // Equal up to the first difference, so the same record in both.
        Before.Pos = After.Pos = EndBefore;
        continue;
      }
      if (FEndBefore <= EndBefore && FEndAfter <= After.EndOf(Kind)) {
        Record(Kind, Before.Pos, Section);
      } else {
        FResult.Kind = "Change";
        FResult.Confined = false;
      }
      return;
    }
    FResult.Kind = "Change";
    FResult.Confined = false;
  }

  void CountChanged(TKind Kind, TCursor Before, TCursor After, unsigned InBefore, unsigned InAfter) {
    const TKindNames Names = NamesOf(Kind);
    // The first record that differs is the one added or deleted.
    unsigned First = 0;
    while (First < std::min(InBefore, InAfter)) {
      const std::size_t EndBefore = Before.EndOf(Kind);
      const std::size_t EndAfter = After.EndOf(Kind);
      const std::size_t Length = EndBefore - Before.Pos;
      if (Length != EndAfter - After.Pos || EndBefore > FBefore.size() || EndAfter > FAfter.size() ||
          std::memcmp(FBefore.data() + Before.Pos, FAfter.data() + After.Pos, Length) != 0)
        break;
      Before.Pos = EndBefore;
      After.Pos = EndAfter;
      ++First;
    }
    const unsigned Changed = InBefore > InAfter ? InBefore - InAfter : InAfter - InBefore;
    const std::string Noun = Changed == 1 ? Names.Noun : Names.Nouns;
    if (InAfter > InBefore) {
      FResult.Kind = "Add " + Noun;
      return;
    }
    FResult.Kind = "Delete " + Noun;
    FResult.Deleted = Changed == 1 ? DeletedNote(Kind, Before)
                                   : "Deleted " + std::to_string(Changed) + " " + Names.Several + ".";
  }

  // A record at Position (the same in both) that holds the whole change.
  void Record(TKind Kind, std::size_t Position, TStoreSection Section) {
    TCursor At(FBefore, Position);
    const TKindNames Names = NamesOf(Kind);
    auto TextEnds = [&At](int Strings) {
      At.SkipStrings(Strings);
      return At.Pos;
    };
    switch (Kind) {
      case TKind::Trip: {
        if (FFirst < TextEnds(1)) {
          FResult.Kind = "Rename Trip";
          FResult.Section = TStoreSection::Trips;
          return;
        }
        const std::pair<TKind, TStoreSection> Sections[] = {
            {TKind::Note, TStoreSection::Notes},       {TKind::GearCategory, TStoreSection::Gear},
            {TKind::Plan, TStoreSection::Plans},       {TKind::ShopCategory, TStoreSection::Shopping},
            {TKind::Recipe, TStoreSection::Recipes},   {TKind::Contact, TStoreSection::Contacts},
            {TKind::Permit, TStoreSection::Permits}};
        for (const auto& [Records, Part] : Sections) {
          TCursor End = At;
          End.SkipList(Records, false);
          if (FFirst < End.Pos) {
            List(Records, At.Pos, false, Part);
            return;
          }
          At.Pos = End.Pos;
        }
        FResult.Kind = "Change Budget";
        FResult.Section = TStoreSection::Budget;
        return;
      }
      case TKind::GearCategory:
      case TKind::ShopCategory:
        if (FFirst < TextEnds(1)) {
          FResult.Kind = "Rename Category";
          return;
        }
        List(Kind == TKind::GearCategory ? TKind::GearItem : TKind::ShopItem, At.Pos, false, Section);
        return;
      case TKind::Recipe:
        if (FFirst < TextEnds(1)) {
          FResult.Kind = "Edit Recipe";
        } else if (FFirst < TextEnds(1)) {
          FResult.Kind = "Rename Recipe";
        } else {
          List(TKind::Ingredient, At.Pos, false, Section);
        }
        return;
      case TKind::Plan:
        FResult.Kind = FFirst < TextEnds(1) ? "Edit Plan" : "Rename Plan";
        return;
      default:
        FResult.Kind = std::string("Edit ") + Names.Noun;
        return;
    }
  }

  const TStoreBytes& FBefore;
  const TStoreBytes& FAfter;
  std::size_t FFirst;       // the first byte that differs
  std::size_t FEndBefore;   // the end of the difference in Before
  std::size_t FEndAfter;    // ... and in After
  TStoreChange FResult;
};

}  // namespace

std::vector<std::size_t> TripOffsets(const TStoreBytes& Bytes) {
  TCursor At(Bytes, 0);
  At.SkipStrings(1);
  const unsigned Trips = At.Byte();
  std::vector<std::size_t> Offsets;
  Offsets.reserve(Trips + 1);
  for (unsigned t = 0; t < Trips; ++t) {
    Offsets.push_back(At.Pos);
    At.Skip(TKind::Trip);
  }
  Offsets.push_back(At.Pos);
  return Offsets;
}

TStoreChange DescribeStoreChange(const TStoreBytes& Before, const TStoreBytes& After) {
  if (Before == After) return {};
  return TDescriber(Before, After).Describe();
}
