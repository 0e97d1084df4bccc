// Names a change of the trip plans from the store's bytes before and after
// it (the data file's layout): what kind of change it was, which part of a
// trip it touched and, for a deletion, what went. The undo history uses it
// to name its steps and to tell the user what a delete removed.
#pragma once

#include <string>

#include "store/UndoHistory.h"

// The part of a trip a change touched; Trips for the trip list itself.
enum class TStoreSection { None, Trips, Notes, Gear, Plans, Shopping, Recipes, Contacts, Permits, Budget };

struct TStoreChange {
  // For example "Delete Category", "Edit Item", "Add Trip"; "Change" when
  // the change touched several records in ways not named more closely.
  std::string Kind;
  TStoreSection Section = TStoreSection::None;
  // Whether one record, or one list of records, holds the whole change.
  bool Confined = true;
  // What a deletion removed, for example `Deleted category "Kitchen" with 5
  // items.`; empty for other changes.
  std::string Deleted;
};

// Before and After must be complete data files that differ.
TStoreChange DescribeStoreChange(const TStoreBytes& Before, const TStoreBytes& After);
