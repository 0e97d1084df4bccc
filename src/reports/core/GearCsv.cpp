#include "reports/core/GearCsv.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <unordered_map>

#include <array>
#include <cerrno>
#include <cstring>
#include <fstream>

#include "gear/core/CategorizedList.h"
#include "gear/core/FieldText.h"
#include "gear/core/FigureText.h"
#include "gear/core/NumberText.h"
#include "gear/core/Units.h"
#include "reports/core/GearCsvCells.h"
#include "reports/core/GearCsvHeader.h"
#include "reports/core/ReportFiles.h"
#include "reports/core/Utf8Text.h"
#include "store/DataFileFormat.h"
#include "store/StoreErrors.h"
#include "store/TextBytes.h"

const std::vector<std::string> GearCsvColumns = {"Item Name", "Category", "desc",  "qty",  "weight",
                                                 "unit",      "url",      "price", "worn", "consumable"};

namespace {

// Positions in GearCsvColumns.
enum TColumn {
  ItemNameColumn, CategoryColumn, DescColumn, QtyColumn, WeightColumn, UnitColumn, UrlColumn, PriceColumn
};

// The unit names export writes, by weight unit.
constexpr const char* UnitNames[] = {"gram", "kilogram", "pound", "ounce"};

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

// Reads the records of a gear list into categories, one record at a time,
// so that what it holds stays bounded by what the data file can hold.
class TGearCsvReader {
 public:
  TGearCsvReader(std::streambuf& Input, const TGearCsvOptions& Options)
      : FRecords(Input, {static_cast<std::size_t>(MaxTextBytes), static_cast<std::size_t>(MaxListEntries)}),
        FOptions(Options) {}

  TGearCsvReading Read() {
    FindHeader();
    for (const TCsvRecord& Record : FAhead) ReadRecord(Record);
    FAhead.clear();
    TCsvRecord Record;
    while (Next(Record)) ReadRecord(Record);
    if (FUnitless) {
      if (FUnitSeen)
        throw TCsvError(FUnitless->Line, "the weight " + QuotedCell(FUnitless->Text) + " names no unit");
      throw TCsvNoUnitError(FHeader.Line == 0 ? 1 : FHeader.Line,
                            "the weights name no unit: there is no unit column and no unit in the weight "
                            "column's name or its cells");
    }
    int Most = 0;
    for (std::size_t u = 0; u < FUnitCounts.size(); ++u)
      if (FUnitCounts[u] > Most) {
        Most = FUnitCounts[u];
        FReading.FileUnit = static_cast<int>(u);
      }
    return std::move(FReading);
  }

 private:
  struct TUnitless {
    int Line;
    std::string Text;
  };

  // The next record, its text as UTF-8: text that is not is read as
  // Windows-1252, as the planner shows store text.
  bool Next(TCsvRecord& Record) {
    if (!FRecords.Next(Record)) return false;
    for (std::string& Field : Record.Fields)
      if (!IsValidUtf8(Field)) Field = Utf8OfStoreText(Field);
    return true;
  }

  // The header is the first record, among the first few, that names two
  // columns the reader knows; lines above it are a title. Without one, the
  // web tools' ten fields are taken for a file whose records read as such.
  void FindHeader() {
    constexpr std::size_t LookAhead = 10;
    TCsvRecord Record;
    while (FAhead.size() < LookAhead && Next(Record)) {
      if (KnownColumnCount(Record) >= 2) {
        FHeader = ReadGearCsvHeader(Record);
        FReading.LinesAboveHeader = static_cast<int>(FAhead.size());
        FAhead.clear();
        FReading.Columns = FHeader.Mapping();
        return;
      }
      FAhead.push_back(Record);
    }
    if (FAhead.empty()) throw TCsvError(1, "there is no header line");
    if (IsHeaderlessGearRecord(FAhead.front())) {
      FHeader = HeaderlessGearCsvHeader();
      FReading.Headerless = true;
      FReading.Columns = FHeader.Mapping();
      return;
    }
    ReadGearCsvHeader(FAhead.front());  // says which columns are missing
    throw TCsvError(FAhead.front().Line, "there is no header line");
  }

  const std::string& Field(const TCsvRecord& Record, const std::optional<std::size_t>& Column) const {
    static const std::string None;
    return Column ? Record.Fields[*Column] : None;
  }

  static bool IsSummaryName(const std::string& Text) {
    std::string Lower = AsciiLowerCase(TrimmedCell(Text));
    while (!Lower.empty() && Lower.back() == ':') Lower.pop_back();
    return Lower == "total" || Lower == "sum";
  }

  [[noreturn]] static void Refuse(const TCsvRecord& Record, const TCsvCellError& Failure) {
    throw TCsvError(Record.Line, Failure.what());
  }

  void ReadRecord(const TCsvRecord& Record) {
    if (Record.Fields.size() != FHeader.FieldCount)
      throw TCsvError(Record.Line, "the record has " + std::to_string(Record.Fields.size()) + " fields where " +
                                       (FReading.Headerless ? "the first record" : "the header") + " has " +
                                       std::to_string(FHeader.FieldCount));
    const std::string& Name = Field(Record, FHeader.Name);
    const std::string& CategoryName = FHeader.Category ? Field(Record, FHeader.Category) : FOptions.CategoryName;
    const std::string QtyText = TrimmedCell(Field(Record, FHeader.Qty));
    const std::string WeightText = TrimmedCell(Field(Record, FHeader.Weight));
    const bool Named = !TrimmedCell(Name).empty();
    long double Count = 1;
    try {
      if (!QtyText.empty()) Count = ReadCsvFigure(QtyText, "qty");
    } catch (const TCsvCellError& Failure) {
      Refuse(Record, Failure);
    }
    // A record without a name and with no pieces stands for an empty category.
    if (!Named && !QtyText.empty() && Count == 0) {
      CategoryOf(Record, CategoryName);
      return;
    }
    // A line of totals, or one with neither a name nor a weight.
    if (WeightText.empty() && (!Named || IsSummaryName(Name) || IsSummaryName(CategoryName))) {
      ++FReading.SummaryRows;
      return;
    }
    if (!WeightText.empty() && (IsSummaryName(Name) || (!Named && IsSummaryName(CategoryName))))
      FReading.Notes.push_back("Line " + std::to_string(Record.Line) + ": " + QuotedCell(Named ? Name : CategoryName) +
                               " has a weight and is added as an item");
    TCsvGearItem Item;
    Item.Name = Name;
    Item.Weight = Weight(Record, WeightText, Count);
    if (WeightText.empty())
      FReading.Weightless.push_back(QuotedCell(Name) + " (line " + std::to_string(Record.Line) + ")");
    Item.Cost = Price(Record, Count, QtyText.empty() || Count == 1);
    for (std::size_t Column : FHeader.Descriptions) {
      const std::string& Text = Record.Fields[Column];
      if (TrimmedCell(Text).empty()) continue;
      if (!Item.Other.empty()) Item.Other += "; ";
      Item.Other += FHeader.Descriptions.size() > 1 ? TrimmedCell(Text) : Text;
    }
    TCsvGearCategory& Category = CategoryOf(Record, CategoryName);
    if (Category.Items.size() >= static_cast<std::size_t>(MaxListEntries))
      throw TCsvError(Record.Line, "the category " + QuotedCell(CategoryName) + " has more than " +
                                       std::to_string(MaxListEntries) + " items; the data file holds at most " +
                                       std::to_string(MaxListEntries) + " entries in a list");
    Category.Items.push_back(std::move(Item));
  }

  TCsvGearCategory& CategoryOf(const TCsvRecord& Record, const std::string& Name) {
    auto Found = FByName.find(Name);
    if (Found == FByName.end()) {
      if (FReading.Categories.size() >= static_cast<std::size_t>(MaxListEntries))
        throw TCsvError(Record.Line, "there are more than " + std::to_string(MaxListEntries) +
                                         " categories; the data file holds at most " +
                                         std::to_string(MaxListEntries) + " entries in a list");
      Found = FByName.emplace(Name, FReading.Categories.size()).first;
      FReading.Categories.push_back({Name, {}});
    }
    return FReading.Categories[Found->second];
  }

  // The unit of a figure without one: the unit column, the unit in the
  // column's name, the unit picked for the file.
  std::optional<int> UnitFor(const TCsvRecord& Record) {
    if (FHeader.Unit) {
      const std::string UnitText = TrimmedCell(Field(Record, FHeader.Unit));
      if (!UnitText.empty()) {
        const std::optional<int> Unit = CsvWeightUnit(UnitText);
        if (!Unit)
          throw TCsvError(Record.Line, "the unit " + QuotedCell(UnitText) + " is not ounce, pound, gram or kilogram");
        return Unit;
      }
      if (!FHeader.WeightUnit && !FOptions.WeightUnit)
        throw TCsvError(Record.Line, "the unit \"\" is not ounce, pound, gram or kilogram");
    }
    if (FHeader.WeightUnit) return FHeader.WeightUnit;
    return FOptions.WeightUnit;
  }

  std::string Weight(const TCsvRecord& Record, const std::string& Text, long double Count) {
    if (Text.empty()) return "0";
    TCsvWeight Parsed;
    try {
      Parsed = ReadCsvWeight(Text);
    } catch (const TCsvCellError& Failure) {
      Refuse(Record, Failure);
    }
    // Nothing needs no unit.
    if (Parsed.Bare && *Parsed.Bare == 0) return "0";
    int Unit = KilogramsIndex;
    if (Parsed.Bare) {
      const std::optional<int> Found = UnitFor(Record);
      if (FHeader.Unit || FHeader.WeightUnit) FUnitSeen = true;
      if (!Found) {
        if (!FUnitless) FUnitless = TUnitless{Record.Line, Text};
        return "0";
      }
      Unit = *Found;
    } else {
      FUnitSeen = true;
      Unit = Parsed.Parts.front().second;
    }
    ++FUnitCounts[static_cast<std::size_t>(Unit)];
    return Checked(Record, "weight", Parsed.Kilograms(Count, Unit));
  }

  // One piece's price is kept as written when it is stored number text (with
  // either separator), so that a cost comes back as it was exported; anything else becomes its figure. A
  // price without a digit ("TO BUY") is no figure: cost 0, named in the notes.
  std::string Price(const TCsvRecord& Record, long double Count, bool OnePiece) {
    const std::string Text = TrimmedCell(Field(Record, FHeader.Price));
    if (Text.empty()) return "0";
    if (!HasDigit(Text)) {
      FReading.Notes.push_back("Line " + std::to_string(Record.Line) + ": the price " + QuotedCell(Text) +
                               " is no figure; the cost is 0");
      return "0";
    }
    long double Value = 0;
    try {
      Value = ReadCsvFigure(Text, "price", true);
    } catch (const TCsvCellError& Failure) {
      Refuse(Record, Failure);
    }
    if (OnePiece && IsStoredNumberText(Text)) return Text;
    return Checked(Record, "price", Value * Count);
  }

  // Value as stored number text; a value beyond the range of a double, or
  // too close to zero for it, could not be read back.
  static std::string Checked(const TCsvRecord& Record, const char* Column, long double Value) {
    if (!(std::fabs(Value) <= std::numeric_limits<double>::max()))
      throw TCsvError(Record.Line, std::string("the ") + Column + " is too large");
    // Nor is a product that comes too close to zero silently taken for one.
    if (Value != 0 && std::fabs(Value) < std::numeric_limits<double>::min())
      throw TCsvError(Record.Line, std::string("the ") + Column + " is too small");
    return NumberToText(Value);
  }

  TCsvRecordReader FRecords;
  const TGearCsvOptions& FOptions;
  TGearCsvHeader FHeader;
  std::vector<TCsvRecord> FAhead;  // records read while looking for the header
  TGearCsvReading FReading;
  std::unordered_map<std::string, std::size_t> FByName;
  std::optional<TUnitless> FUnitless;  // the first weight without a unit to read it in
  bool FUnitSeen = false;
  std::array<int, WeightUnits.size()> FUnitCounts{};
};

// A read-only stream over text in memory.
class TTextBuffer : public std::streambuf {
 public:
  explicit TTextBuffer(const std::string& Text) {
    char* Start = const_cast<char*>(Text.data());
    setg(Start, Start, Start + Text.size());
  }
};

// A weight of the preview with its label, to ten significant digits so that
// the factors between units leave no trail of nines.
std::string ShownWeight(long double Value, int WeightUnit) {
  return NumberToText(TextToNumber(Significant(Value, 10))) + " " +
         WeightUnits[static_cast<std::size_t>(WeightUnit)].Label;
}

std::string WeightWithLabel(const std::string& Stored, int WeightUnit) {
  const TDisplayUnits Units{WeightUnit, CubicMetersIndex, StoredDecimalSeparator, {}};
  return ShownWeight(StoredFigure(TFieldKind::Weight, Stored, Units), WeightUnit);
}

std::string Plural(std::size_t n, const char* One, const char* Many) {
  return std::to_string(n) + " " + (n == 1 ? One : Many);
}

}  // namespace

std::string GearCsvUnitName(int WeightUnit) {
  if (WeightUnit < 0 || WeightUnit >= static_cast<int>(std::size(UnitNames))) WeightUnit = KilogramsIndex;
  return UnitNames[WeightUnit];
}

std::optional<int> GearCsvWeightUnit(const std::string& Name) { return CsvWeightUnit(Name); }

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

std::size_t TGearCsvReading::ItemCount() const {
  std::size_t Count = 0;
  for (const TCsvGearCategory& Category : Categories) Count += Category.Items.size();
  return Count;
}

TGearCsvReading ReadGearCsv(std::streambuf& Input, const TGearCsvOptions& Options) {
  return TGearCsvReader(Input, Options).Read();
}

TGearCsvReading ReadGearCsvText(const std::string& Text, const TGearCsvOptions& Options) {
  TTextBuffer Buffer(Text);
  return ReadGearCsv(Buffer, Options);
}

std::vector<TCsvGearCategory> ReadGearListCsv(const std::string& Text) { return ReadGearCsvText(Text).Categories; }

long double GearCsvTotalWeight(const TGearCsvReading& Reading, int WeightUnit) {
  const TDisplayUnits Units{WeightUnit, CubicMetersIndex, StoredDecimalSeparator, {}};
  long double Total = 0;
  for (const TCsvGearCategory& Category : Reading.Categories)
    for (const TCsvGearItem& Item : Category.Items) Total += StoredFigure(TFieldKind::Weight, Item.Weight, Units);
  return Total;
}

std::vector<std::string> GearCsvSummary(const TGearCsvReading& Reading, int WeightUnit) {
  std::vector<std::string> Lines;
  Lines.push_back("Columns: " + Reading.Columns +
                  (Reading.Headerless ? " (no header line: the fields of the web gear-list tools in their order)" : ""));
  Lines.push_back(Plural(Reading.Categories.size(), "category", "categories") + ", " +
                  Plural(Reading.ItemCount(), "item", "items") + ", total weight " +
                  ShownWeight(GearCsvTotalWeight(Reading, WeightUnit), WeightUnit));
  std::string Skipped;
  if (Reading.LinesAboveHeader > 0)
    Skipped = Plural(static_cast<std::size_t>(Reading.LinesAboveHeader), "line", "lines") + " above the header";
  if (Reading.SummaryRows > 0)
    Skipped += (Skipped.empty() ? "" : ", ") +
               Plural(static_cast<std::size_t>(Reading.SummaryRows), "summary row", "summary rows");
  if (!Skipped.empty()) Lines.push_back("Skipped: " + Skipped);
  if (!Reading.Weightless.empty()) {
    constexpr std::size_t Named = 8;
    std::string Line = "No weight, added with weight 0: ";
    for (std::size_t i = 0; i < Reading.Weightless.size() && i < Named; ++i)
      Line += (i ? ", " : "") + Reading.Weightless[i];
    if (Reading.Weightless.size() > Named)
      Line += " and " + std::to_string(Reading.Weightless.size() - Named) + " more";
    Lines.push_back(Line);
  }
  for (const std::string& Note : Reading.Notes) Lines.push_back(Note);
  return Lines;
}

const std::vector<std::string> GearCsvPreviewHeadings = {"Category", "Name", "Weight", "Cost", "Other"};

std::vector<std::vector<std::string>> GearCsvFirstRows(const TGearCsvReading& Reading, int WeightUnit,
                                                       std::size_t Count) {
  std::vector<std::vector<std::string>> Rows;
  for (const TCsvGearCategory& Category : Reading.Categories)
    for (const TCsvGearItem& Item : Category.Items) {
      if (Rows.size() >= Count) return Rows;
      Rows.push_back({Category.Name, Item.Name, WeightWithLabel(Item.Weight, WeightUnit), Item.Cost, Item.Other});
    }
  return Rows;
}

// Checked here rather than on a copy of the trip, so that a large list is
// not held twice.
void CheckGearCategoriesFit(const TTravelerData& Store, int Trip, const std::vector<TCsvGearCategory>& Categories) {
  const TTrip& Into = Store.GetTrip(Trip);
  const std::string Where = "trip " + std::to_string(Trip + 1) + " (" + QuotedCell(Into.Name) + ")";
  const auto Refuse = [](const std::string& What) { throw TFormatLimitError("Cannot import the file: " + What); };
  const std::size_t Count = Into.GearCategories.size() + Categories.size();
  if (Count > static_cast<std::size_t>(MaxListEntries))
    Refuse(Where + " would have " + std::to_string(Count) + " gear categories; the data file holds at most " +
           std::to_string(MaxListEntries) + ".");
  const auto CheckText = [&](const std::string& Text, const std::string& Category) {
    if (Text.size() > static_cast<std::size_t>(MaxTextBytes))
      Refuse("a text of gear category " + QuotedCell(Category) + " is " + std::to_string(Text.size()) +
             " bytes long; the data file holds at most " + std::to_string(MaxTextBytes) + " bytes in one text.");
  };
  for (const TCsvGearCategory& Category : Categories) {
    CheckText(Category.Name, Category.Name);
    if (Category.Items.size() > static_cast<std::size_t>(MaxListEntries))
      Refuse("gear category " + QuotedCell(Category.Name) + " would have " + std::to_string(Category.Items.size()) +
             " items; the data file holds at most " + std::to_string(MaxListEntries) + ".");
    for (const TCsvGearItem& Item : Category.Items)
      for (const std::string* Text : {&Item.Name, &Item.Weight, &Item.Cost, &Item.Other})
        CheckText(*Text, Category.Name);
  }
}

void AddGearCategories(TTravelerData& Store, int Trip, const std::vector<TCsvGearCategory>& Categories) {
  std::vector<TCsvGearCategory> Copy = Categories;
  AddGearCategories(Store, Trip, std::move(Copy));
}

void AddGearCategories(TTravelerData& Store, int Trip, std::vector<TCsvGearCategory>&& Categories) {
  // Refused before anything is added when the store could then not be saved.
  CheckGearCategoriesFit(Store, Trip, Categories);
  // Own, Necessity and Volume have no column: they take the values of a new item.
  const TItemTexts New = TGearList(Store).ResetTexts();
  for (TCsvGearCategory& Category : Categories) {
    Store.AddGearCategory(Trip, Category.Name);
    const int Cat = Store.GearCategoryCount(Trip) - 1;
    // Each item leaves the list as it joins the store, so that a long list
    // is not held twice.
    for (; !Category.Items.empty(); Category.Items.pop_front()) {
      const TCsvGearItem& Item = Category.Items.front();
      Store.AddGearItem(Trip, Cat, Item.Name, Item.Weight, Item.Cost, New[TGearList::OwnField],
                        New[TGearList::NecessityField], New[TGearList::VolumeField], Item.Other);
    }
  }
  Categories.clear();
}

void WriteGearCsvFile(const std::string& FileName, const TTravelerData& Store, int Trip, int WeightUnit) {
  WriteWholeTextFile(FileName, GearListCsv(Store.GetTrip(Trip), WeightUnit));
}

TGearCsvReading ReadGearCsvFile(const std::string& FileName, TGearCsvOptions Options) {
  std::filebuf File;
  if (!File.open(FileName, std::ios::in | std::ios::binary))
    throw TFileIOError("Could not read '" + FileName + "': " + std::strerror(errno));
  if (Options.CategoryName.empty()) {
    // A file without a category column: its items go into a category named after it.
    std::string Name = FileName.substr(FileName.find_last_of('/') == std::string::npos ? 0 : FileName.find_last_of('/') + 1);
    if (HasFileExtension(Name, ".csv")) Name.resize(Name.size() - 4);
    Options.CategoryName = Utf8OfStoreText(Name);
  }
  return ReadGearCsv(File, Options);
}

void ReadGearCsvFile(const std::string& FileName, TTravelerData& Store, int Trip) {
  Store.GetTrip(Trip);
  AddGearCategories(Store, Trip, ReadGearCsvFile(FileName).Categories);  // a temporary: consumed
}
