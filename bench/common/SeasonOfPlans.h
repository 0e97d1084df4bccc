// The large store the benchmarks share: a season of plans, 200 trips of 60
// gear categories with 30 items each (about 20 MB as a data file).
#pragma once

#include <string>

#include "store/Traveler.h"

inline void AddSeasonOfPlans(TTravelerData& Store) {
  for (int t = 0; t < 200; ++t) {
    Store.AppendTrip();
    Store.GetTrip(t).Name = "Trip " + std::to_string(t);
    for (int c = 0; c < 60; ++c) {
      Store.AddGearCategory(t, "Category " + std::to_string(c));
      for (int i = 0; i < 30; ++i)
        Store.AddGearItem(t, c, "Item " + std::to_string(i), "1.25", "49.95", "Yes", "8", "0.0025", "remark");
    }
  }
}
