// A realistic five-day backpacking trip, for a first start and for pictures.
#pragma once

#include "store/Traveler.h"

// Appends the sample trip to Store; its day notes fall in the given month.
void AddSampleTrip(TTravelerData& Store, int Year, int Month);
