// How the header line of a gear list names its columns: any letter case,
// blanks, "_" and "-" alike, a unit in brackets or as the last word
// ("Weight (g)", "weight_oz", "Weight [lb]", "cost_gbp"). Plain C++.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "reports/core/CsvText.h"

enum class TGearCsvRole { Name, Category, Qty, Weight, Unit, Price, Description };

struct TGearCsvHeader {
  int Line = 0;  // 0 for a file of the web tools' ten fields without a header
  std::size_t FieldCount = 0;
  std::optional<std::size_t> Name, Category, Qty, Weight, Unit, Price;
  std::vector<std::size_t> Descriptions;  // their texts are joined
  std::optional<int> WeightUnit;          // the unit in the weight column's name
  std::vector<std::string> Titles;        // the fields of the header as written

  // How the columns were understood: "name ← Item, weight ← Weight (g), ...".
  std::string Mapping() const;
};

// How many fields of Record name a column the reader knows.
std::size_t KnownColumnCount(const TCsvRecord& Record);

// The columns of a header line. Throws TCsvError on its line for a column
// the reader cannot do without (the name, the weight), for two columns that
// could hold one thing, and for a weight column whose name gives a unit that
// is not a weight unit.
TGearCsvHeader ReadGearCsvHeader(const TCsvRecord& Record);

// The columns of the web tools' export without its header line: name,
// category, description, qty, weight, unit, url, price, worn, consumable.
TGearCsvHeader HeaderlessGearCsvHeader();

// Whether Record reads as a record of those ten fields.
bool IsHeaderlessGearRecord(const TCsvRecord& Record);
