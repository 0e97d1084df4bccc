// Feeds arbitrary bytes to the CSV reader and the gear-list import; what
// imports must export and import again to the same gear list.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "reports/core/GearCsv.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const std::string Text(reinterpret_cast<const char*>(Data), Size);
  try {
    ReadCsvRecords(Text);
    const auto Categories = ReadGearListCsv(Text);
    TTravelerData Store;
    Store.AppendTrip();
    AddGearCategories(Store, 0, Categories);
    for (int Unit = 0; Unit < 4; ++Unit) {
      TTravelerData Again;
      Again.AppendTrip();
      AddGearCategories(Again, 0, ReadGearListCsv(GearListCsv(Store.GetTrip(0), Unit)));
      if (Again.GearCategoryCount(0) > Store.GearCategoryCount(0)) std::abort();
      // Names that are not UTF-8 are written as UTF-8 and may then meet a category of the same name.
      if (Again.GearCategoryCount(0) < Store.GearCategoryCount(0)) continue;
      for (int Cat = 0; Cat < Again.GearCategoryCount(0); ++Cat)
        for (int i = 0; i < Again.GearItemCount(0, Cat); ++i)
          if (Again.GetGearItem(0, Cat, i).Weight != Store.GetGearItem(0, Cat, i).Weight) std::abort();
    }
  } catch (const TCsvError&) {
  }
  return 0;
}
