// The figures the budget manager sets against the budget and the target
// weight, read from a trip's gear list, shopping list and permits.
#pragma once

#include <stdexcept>
#include <string>

#include "gear/CategorizedList.h"
#include "store/Traveler.h"

struct TTripCosts {
  double Gear = 0;
  double Shopping = 0;
  double Permits = 0;
};

// A value of the costs budget that is not a number. The message names the
// value, its item and list and the trip, so the user can find and mend it.
class TCostsBudgetError : public std::invalid_argument {
 public:
  using std::invalid_argument::invalid_argument;
};

// Every gear item's cost (or, with OnlyGearNotOwned, the cost of the items
// whose Own reads "NO" in any case), every shopping price and every permit
// cost, summed as doubles. A text that is not a number throws
// TCostsBudgetError.
TTripCosts TripCosts(TTravelerData& Store, int Trip, bool OnlyGearNotOwned);

// The budget of a trip as a figure, Budget being number text in the user's
// DecimalSeparator or in either stored separator. A text that is not a
// number throws TCostsBudgetError.
long double TripBudget(TTravelerData& Store, int Trip, const std::string& Budget, char DecimalSeparator);

// The weight of a category's items in kilograms, summed as a double. Throws
// TNumberTextError for a weight that is not a number.
double CategoryKilograms(TCategorizedList& List, int Trip, int Cat);
