// The figures the budget manager sets against the budget and the target
// weight, read from a trip's gear list, shopping list and permits.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "gear/core/CategorizedList.h"
#include "gear/core/FigureText.h"
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

// The budget of a trip as the user typed it in the budget box, read in
// their regional settings. A text that is ambiguous or not a number throws
// TCostsBudgetError naming it.
long double TypedTripBudget(TTravelerData& Store, int Trip, const std::string& Typed, const TNumberSettings& Settings);

// The budget the trip holds in the store, read as a stored figure. A text
// that is not a number throws TCostsBudgetError naming it.
long double StoredTripBudget(TTravelerData& Store, int Trip);

// Which costs the costs budget deducts.
struct TCostsBudgetChoice {
  bool SubtractGear = true;
  bool OnlyGearNotOwned = false;
  bool SubtractShopping = true;
  bool SubtractPermits = true;
};

// The costs budget: the budget less each cost chosen, in the order gear,
// shopping, permits, every intermediate result rounded to the 15 significant
// digits of number text. Deducted lists the costs taken off with their
// chart labels ("Gear List", "Shoping List", "Park Permits").
struct TCostsBudget {
  TTripCosts Costs;
  std::vector<std::pair<const char*, double>> Deducted;
  long double Left = 0;
};
// The planner and qmp both read the costs (TripCosts) before the budget, so
// that a cost that is not a number is named first.
TCostsBudget ComputeCostsBudget(const TTripCosts& Costs, long double Budget, const TCostsBudgetChoice& Choice);

// The weight of a category's items in kilograms, summed as a double. Throws
// TNumberTextError for a weight that is not a number.
double CategoryKilograms(TCategorizedList& List, int Trip, int Cat);
