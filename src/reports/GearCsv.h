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

#include <optional>
#include <string>
#include <vector>

#include "reports/CsvText.h"
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

// A gear list read from CSV, not yet in any trip.
struct TCsvGearItem {
  std::string Name, Weight, Cost, Own, Necessity, Volume, Other;
};
struct TCsvGearCategory {
  std::string Name;
  std::vector<TCsvGearItem> Items;
};

// Reads every record of Text; records of one Category go into one category,
// categories in the order they first appear. The header may name the
// columns in any order and letter case; Item Name, Category, weight and unit
// are required, other columns are optional and unknown ones ignored. Throws
// TCsvError naming the first line that cannot be read and why.
std::vector<TCsvGearCategory> ReadGearListCsv(const std::string& Text);

// Appends the categories with their items to trip Trip.
void AddGearCategories(TTravelerData& Store, int Trip, const std::vector<TCsvGearCategory>& Categories);

// The file forms of the above. Export throws TFileIOError when the file
// cannot be written; import reads the whole file first and adds nothing
// unless every record can be read (TCsvError, TFileIOError).
void WriteGearCsvFile(const std::string& FileName, const TTravelerData& Store, int Trip, int WeightUnit);
void ReadGearCsvFile(const std::string& FileName, TTravelerData& Store, int Trip);
