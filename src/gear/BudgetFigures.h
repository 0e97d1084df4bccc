// The figures the budget manager sets against the budget and the target
// weight, read from a trip's gear list, shopping list and permits.
#pragma once

#include "gear/CategorizedList.h"
#include "store/Traveler.h"

struct TTripCosts {
  double Gear = 0;
  double Shopping = 0;
  double Permits = 0;
};

// Every gear item's cost (or, with OnlyGearNotOwned, the cost of the items
// whose Own reads "NO" in any case), every shopping price and every permit
// cost, summed as doubles. A text that is not a number throws
// TNumberTextError.
TTripCosts TripCosts(TTravelerData& Store, int Trip, bool OnlyGearNotOwned);

// The weight of a category's items in kilograms, summed as a double. Throws
// TNumberTextError for a weight that is not a number.
double CategoryKilograms(TCategorizedList& List, int Trip, int Cat);
