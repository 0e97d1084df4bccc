// A trip's gear list as CSV in the layout of the web gear-list tools:
//
//   Item Name,Category,desc,qty,weight,unit,url,price,worn,consumable
//
// one record per item. Name <-> Item Name, category name <-> Category,
// Other <-> desc; weight is per piece in unit (ounce, pound, gram or
// kilogram) and price per piece, both multiplied by qty on import. Export
// writes qty 1, the Weight in the chosen unit (with as many digits as it
// takes to read back the same 15 significant digits) and the Cost as
// stored; an empty category is written as a record with an empty Item Name
// and qty 0. Own, Necessity and Volume have no column: import gives them the
// values of a new item. Plain C++.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "reports/core/CsvText.h"
#include "store/Traveler.h"

// The columns of the layout, in the order export writes them.
extern const std::vector<std::string> GearCsvColumns;

// The unit name export writes for a weight unit (index of WeightUnits).
std::string GearCsvUnitName(int WeightUnit);
// The weight unit of a unit name: ounce, pound, gram or kilogram, their
// plurals and oz, lb, lbs, g, kg, in any letter case; none for others.
std::optional<int> GearCsvWeightUnit(const std::string& Name);

// The CSV of a trip's gear list, weights in WeightUnit, records ended by
// CR LF. A weight that is not a number throws TNumberTextError.
std::string GearListCsv(const TTrip& Trip, int WeightUnit);

// A gear list read from CSV, not yet in any trip. Own, Necessity and Volume
// have no column: the items get the values of a new item when added.
struct TCsvGearItem {
  std::string Name, Weight, Cost, Other;
};
struct TCsvGearCategory {
  std::string Name;
  std::deque<TCsvGearItem> Items;  // grows without copying what was read
};

// How to read a file.
struct TGearCsvOptions {
  // The unit of weights that name none; without it a file whose weights name
  // no unit anywhere throws TCsvNoUnitError.
  std::optional<int> WeightUnit;
  // The category of the items of a file without a category column.
  std::string CategoryName;
};

// The file names no unit for its weights: no unit column, none in the name
// of the weight column, none in its cells.
class TCsvNoUnitError : public TCsvError {
 public:
  using TCsvError::TCsvError;
};

// What a file holds and how it was read, for the preview before anything is added.
struct TGearCsvReading {
  std::vector<TCsvGearCategory> Categories;
  std::string Columns;          // "name ← Item, weight ← Weight (g), ..."
  bool Headerless = false;      // the web tools' ten fields without a header line
  int LinesAboveHeader = 0;     // title lines skipped
  int SummaryRows = 0;          // "Total" rows and rows without name and weight, skipped
  std::vector<std::string> Notes;  // what was read in a way worth knowing, one a line
  std::vector<std::string> Weightless;  // the items without a weight, added with weight 0: "Name" (line N)
  std::optional<int> FileUnit;  // the unit most weights of the file are written in

  std::size_t ItemCount() const;
};

// Reads every record of Text or of a stream; records of one category go into
// one category, categories in the order they first appear. Throws TCsvError
// naming the first line that cannot be read and why, also as soon as the file
// holds more than the data file can (a text over 65,535 bytes, a list over
// 65,535 entries), so that no input is read beyond that.
TGearCsvReading ReadGearCsv(std::streambuf& Input, const TGearCsvOptions& Options = {});
TGearCsvReading ReadGearCsvText(const std::string& Text, const TGearCsvOptions& Options = {});
// The categories alone.
std::vector<TCsvGearCategory> ReadGearListCsv(const std::string& Text);

// The total weight of what was read, in WeightUnit, computed as the planner
// totals a gear list.
long double GearCsvTotalWeight(const TGearCsvReading& Reading, int WeightUnit);
// The summary of the preview: the columns, the counts and total weight in
// WeightUnit, what was skipped and the notes; one item a line.
std::vector<std::string> GearCsvSummary(const TGearCsvReading& Reading, int WeightUnit);
// The first Count items as they will be added: category, name, weight in
// WeightUnit with its label, cost, description.
extern const std::vector<std::string> GearCsvPreviewHeadings;
std::vector<std::vector<std::string>> GearCsvFirstRows(const TGearCsvReading& Reading, int WeightUnit,
                                                       std::size_t Count);

// Throws TFormatLimitError when adding the categories to trip Trip would take
// the store past a limit of the data file.
void CheckGearCategoriesFit(const TTravelerData& Store, int Trip, const std::vector<TCsvGearCategory>& Categories);

// Appends the categories with their items to trip Trip, after checking that
// the store can then still be saved (TFormatLimitError, nothing added).
void AddGearCategories(TTravelerData& Store, int Trip, const std::vector<TCsvGearCategory>& Categories);
// The same, emptying Categories as their items join the store.
void AddGearCategories(TTravelerData& Store, int Trip, std::vector<TCsvGearCategory>&& Categories);

// The file forms of the above. Export throws TFileIOError when the file
// cannot be written; import reads the file (as a stream, stopping at the
// first record that cannot be read: TCsvError, TFileIOError) and adds
// nothing unless every record can be read. A file without a category
// column puts its items into a category named after the file.
void WriteGearCsvFile(const std::string& FileName, const TTravelerData& Store, int Trip, int WeightUnit);
TGearCsvReading ReadGearCsvFile(const std::string& FileName, TGearCsvOptions Options = {});
void ReadGearCsvFile(const std::string& FileName, TTravelerData& Store, int Trip);
