#include "reports/GearCsv.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <map>

#include "gear/CategorizedList.h"
#include "gear/FigureText.h"
#include "gear/NumberText.h"
#include "gear/Units.h"
#include "reports/ReportFiles.h"
#include "reports/Utf8Text.h"

const std::vector<std::string> GearCsvColumns = {"Item Name", "Category", "desc",  "qty",  "weight",
                                                 "unit",      "url",      "price", "worn", "consumable"};

namespace {

// Positions in GearCsvColumns.
enum TColumn {
  ItemNameColumn, CategoryColumn, DescColumn, QtyColumn, WeightColumn, UnitColumn, UrlColumn, PriceColumn
};

struct TUnitName {
  const char* Name;
  int WeightUnit;
};

// Export writes the first name of each unit.
constexpr TUnitName UnitNames[] = {
    {"gram", 0},      {"grams", 0},     {"g", 0},     {"kilogram", 1}, {"kilograms", 1}, {"kg", 1},
    {"pound", 2},     {"pounds", 2},    {"lb", 2},    {"lbs", 2},      {"ounce", 3},     {"ounces", 3},
    {"oz", 3}};

std::string LowerTrimmed(const std::string& Text) {
  const std::size_t First = Text.find_first_not_of(" \t");
  if (First == std::string::npos) return std::string();
  std::string Result = Text.substr(First, Text.find_last_not_of(" \t") - First + 1);
  for (char& c : Result)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return Result;
}

long double Factor(int WeightUnit) { return WeightUnits[static_cast<std::size_t>(WeightUnit)].Factor; }

// The stored kilograms of Count pieces of Weight each in WeightUnit.
std::string StoredKilograms(long double Weight, long double Count, int WeightUnit) {
  return NumberToText(Weight * Count / Factor(WeightUnit));
}

// Value with Digits significant digits, "." as separator, no trailing zeros.
std::string Significant(long double Value, int Digits) {
  char Buffer[64];
  const auto Result = std::to_chars(Buffer, Buffer + sizeof Buffer, Value, std::chars_format::general, Digits);
  return std::string(Buffer, Result.ptr);
}

// A stored weight in WeightUnit, with the fewest digits (15 at least) that
// import turns back into the same stored text.
std::string ExportedWeight(const std::string& Stored, int WeightUnit) {
  const long double Kilograms = ReadStoredFigure(Stored);
  const std::string Expected = NumberToText(Kilograms);
  const long double Shown = Kilograms * Factor(WeightUnit);
  std::string Text;
  for (int Digits = 15; Digits <= 21; ++Digits) {
    Text = Significant(Shown, Digits);
    if (StoredKilograms(TextToNumber(Text), 1, WeightUnit) == Expected) break;
  }
  return Text;
}

// The columns of a header record, by their position; -1 for a column that
// is not there.
class TCsvHeader {
 public:
  explicit TCsvHeader(const TCsvRecord& Header)
      : FCount(Header.Fields.size()), FPositions(GearCsvColumns.size(), -1) {
    for (std::size_t c = 0; c < GearCsvColumns.size(); ++c) {
      const std::string Name = LowerTrimmed(GearCsvColumns[c]);
      for (std::size_t f = 0; f < Header.Fields.size() && FPositions[c] < 0; ++f)
        if (LowerTrimmed(Header.Fields[f]) == Name) FPositions[c] = static_cast<int>(f);
    }
    for (TColumn Required : {ItemNameColumn, CategoryColumn, WeightColumn, UnitColumn})
      if (FPositions[Required] < 0)
        throw TCsvError(Header.Line, "the header has no \"" + GearCsvColumns[Required] + "\" column");
  }

  std::size_t FieldCount() const { return FCount; }
  // The field of Column in Record; empty for an optional column that is not there.
  const std::string& Field(const TCsvRecord& Record, TColumn Column) const {
    static const std::string None;
    const int Position = FPositions[static_cast<std::size_t>(Column)];
    return Position < 0 ? None : Record.Fields[static_cast<std::size_t>(Position)];
  }

 private:
  std::size_t FCount;
  std::vector<int> FPositions;  // by TColumn
};

class TGearCsvReader {
 public:
  explicit TGearCsvReader(const std::string& Text) : FRecords(ReadCsvRecords(Text)) {}

  std::vector<TCsvGearCategory> Categories() {
    if (FRecords.empty()) throw TCsvError(1, "there is no header line");
    const TCsvHeader Header(FRecords.front());
    std::vector<TCsvGearCategory> Result;
    std::map<std::string, std::size_t> ByName;
    // The fields without a column take the values of a new item.
    TTravelerData NoStore;
    const TItemTexts New = TGearList(NoStore).ResetTexts();
    for (std::size_t r = 1; r < FRecords.size(); ++r) {
      const TCsvRecord& Record = FRecords[r];
      if (Record.Fields.size() != Header.FieldCount())
        throw TCsvError(Record.Line, "the record has " + std::to_string(Record.Fields.size()) +
                                         " fields where the header has " + std::to_string(Header.FieldCount()));
      const std::string& CategoryName = Header.Field(Record, CategoryColumn);
      auto Found = ByName.find(CategoryName);
      if (Found == ByName.end()) {
        Found = ByName.emplace(CategoryName, Result.size()).first;
        Result.push_back({CategoryName, {}});
      }
      const std::string& Name = Header.Field(Record, ItemNameColumn);
      const std::string& QtyText = Header.Field(Record, QtyColumn);
      const long double Count = QtyText.empty() ? 1 : Number(Record, "qty", QtyText);
      if (Count < 0) throw TCsvError(Record.Line, "the qty \"" + QtyText + "\" is negative");
      // A record without a name and with no pieces stands for an empty category.
      if (Name.empty() && !QtyText.empty() && Count == 0) continue;
      TCsvGearItem Item;
      Item.Name = Name;
      Item.Weight = Weight(Record, Header, Count);
      Item.Cost = Price(Record, Header.Field(Record, PriceColumn), QtyText.empty() || Count == 1, Count);
      Item.Own = New[TGearList::OwnField];
      Item.Necessity = New[TGearList::NecessityField];
      Item.Volume = New[TGearList::VolumeField];
      Item.Other = Header.Field(Record, DescColumn);
      Result[Found->second].Items.push_back(std::move(Item));
    }
    return Result;
  }

 private:
  static long double Number(const TCsvRecord& Record, const char* Column, const std::string& Text) {
    try {
      return TextToNumber(Text, StoredDecimalSeparator);
    } catch (const TNumberTextError&) {
      throw TCsvError(Record.Line, std::string("the ") + Column + " \"" + Text + "\" is not a number");
    }
  }

  static std::string Weight(const TCsvRecord& Record, const TCsvHeader& Header, long double Count) {
    const std::string& Text = Header.Field(Record, WeightColumn);
    const long double Value = Text.empty() ? 0 : Number(Record, "weight", Text);
    const std::string& UnitText = Header.Field(Record, UnitColumn);
    const std::optional<int> Unit = GearCsvWeightUnit(UnitText);
    if (Unit) return Checked(Record, "weight", Value * Count / Factor(*Unit));
    if (LowerTrimmed(UnitText).empty() && Value == 0) return "0";
    throw TCsvError(Record.Line, "the unit \"" + UnitText + "\" is not ounce, pound, gram or kilogram");
  }

  // One piece's price is kept as written, so that any cost comes back as it
  // was exported; several pieces need a number to multiply.
  static std::string Price(const TCsvRecord& Record, const std::string& Text, bool OnePiece, long double Count) {
    if (LowerTrimmed(Text).empty()) return "0";
    if (OnePiece) return Text;
    return Checked(Record, "price", Number(Record, "price", Text) * Count);
  }

  // Value as stored number text; a value beyond the range of a double could
  // not be read back.
  static std::string Checked(const TCsvRecord& Record, const char* Column, long double Value) {
    if (!(std::fabs(Value) <= std::numeric_limits<double>::max()))
      throw TCsvError(Record.Line, std::string("the ") + Column + " is too large");
    return NumberToText(Value);
  }

  std::vector<TCsvRecord> FRecords;
};

}  // namespace

std::string GearCsvUnitName(int WeightUnit) {
  for (const TUnitName& Unit : UnitNames)
    if (Unit.WeightUnit == WeightUnit) return Unit.Name;
  return GearCsvUnitName(KilogramsIndex);
}

std::optional<int> GearCsvWeightUnit(const std::string& Name) {
  const std::string Wanted = LowerTrimmed(Name);
  for (const TUnitName& Unit : UnitNames)
    if (Wanted == Unit.Name) return Unit.WeightUnit;
  return std::nullopt;
}

std::string GearListCsv(const TTrip& Trip, int WeightUnit) {
  if (WeightUnit < 0 || WeightUnit >= static_cast<int>(WeightUnits.size())) WeightUnit = KilogramsIndex;
  const std::string Unit = GearCsvUnitName(WeightUnit);
  std::string Text = CsvRecordText(GearCsvColumns);
  for (const auto& Category : Trip.GearCategories) {
    const std::string CategoryName = Utf8OfStoreText(Category->Name);
    if (Category->Items.empty()) Text += CsvRecordText({"", CategoryName, "", "0", "0", Unit, "", "0", "", ""});
    for (const auto& Item : Category->Items)
      Text += CsvRecordText({Utf8OfStoreText(Item->Name), CategoryName, Utf8OfStoreText(Item->Other), "1",
                             ExportedWeight(Item->Weight, WeightUnit), Unit, "", Utf8OfStoreText(Item->Cost), "",
                             ""});
  }
  return Text;
}

std::vector<TCsvGearCategory> ReadGearListCsv(const std::string& Text) { return TGearCsvReader(Text).Categories(); }

void AddGearCategories(TTravelerData& Store, int Trip, const std::vector<TCsvGearCategory>& Categories) {
  Store.GetTrip(Trip);
  for (const TCsvGearCategory& Category : Categories) {
    Store.AddGearCategory(Trip, Category.Name);
    const int Cat = Store.GearCategoryCount(Trip) - 1;
    for (const TCsvGearItem& Item : Category.Items)
      Store.AddGearItem(Trip, Cat, Item.Name, Item.Weight, Item.Cost, Item.Own, Item.Necessity, Item.Volume,
                        Item.Other);
  }
}

void WriteGearCsvFile(const std::string& FileName, const TTravelerData& Store, int Trip, int WeightUnit) {
  WriteWholeTextFile(FileName, GearListCsv(Store.GetTrip(Trip), WeightUnit));
}

void ReadGearCsvFile(const std::string& FileName, TTravelerData& Store, int Trip) {
  Store.GetTrip(Trip);
  AddGearCategories(Store, Trip, ReadGearListCsv(ReadWholeTextFile(FileName)));
}
