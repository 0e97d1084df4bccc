#include "SampleTrip.h"

#include <string>
#include <vector>

namespace {

struct TGearRow {
  const char* Name;
  const char* Weight;  // kilograms
  const char* Cost;
  const char* Own;
  const char* Necessity;
  const char* Volume;  // cubic meters
  const char* Other;
};

struct TGearGroup {
  const char* Name;
  std::vector<TGearRow> Items;
};

const std::vector<TGearGroup> Gear = {
    {"Shelter",
     {{"Two-person tent", "1.62", "349.00", "Yes", "10", "0.0045", "Green fly, 2 doors"},
      {"Tent footprint", "0.21", "45.00", "No", "5", "0.0008", ""},
      {"Stakes (8)", "0.12", "18.50", "Yes", "8", "0.0002", "Bring 2 spare"}}},
    {"Sleeping",
     {{"Down sleeping bag -5C", "1.05", "289.00", "Yes", "10", "0.009", "Stuff sack in pack bottom"},
      {"Inflatable pad", "0.48", "129.95", "Yes", "9", "0.0015", "Patch kit inside"},
      {"Camp pillow", "0.09", "29.00", "No", "3", "0.0004", ""}}},
    {"Kitchen",
     {{"Canister stove", "0.083", "49.95", "Yes", "9", "0.0004", ""},
      {"Titanium pot 900ml", "0.136", "54.00", "Yes", "9", "0.0009", "Stove nests inside"},
      {"Fuel canister 230g", "0.36", "6.50", "No", "10", "0.0006", "Two for five days"},
      {"Long spoon", "0.017", "9.95", "Yes", "7", "0.00005", ""},
      {"Water filter", "0.085", "39.00", "Yes", "10", "0.0003", "Backflush before leaving"}}},
    {"Clothing",
     {{"Rain jacket", "0.31", "179.00", "Yes", "10", "0.0018", ""},
      {"Fleece midlayer", "0.35", "79.00", "Yes", "8", "0.0025", ""},
      {"Spare socks (2)", "0.14", "36.00", "Yes", "7", "0.0006", "Merino"},
      {"Warm hat", "0.05", "22.00", "No", "6", "0.0003", ""}}},
    {"Navigation & Safety",
     {{"Topographic map", "0.06", "12.95", "No", "10", "0.0001", "1:25000, waterproof"},
      {"Compass", "0.04", "34.00", "Yes", "9", "0.0001", ""},
      {"Headlamp", "0.078", "39.95", "Yes", "9", "0.0001", "Fresh batteries"},
      {"First aid kit", "0.23", "42.00", "Yes", "10", "0.0012", "Check blister supplies"}}}};

struct TShopRow {
  const char* Name;
  const char* Price;
  const char* Store;
  const char* Weight;  // kilograms
  const char* Other;
};

struct TShopGroup {
  const char* Name;
  std::vector<TShopRow> Items;
};

const std::vector<TShopGroup> Shopping = {
    {"Food",
     {{"Rolled oats 1kg", "3.49", "Valley Market", "1", "Breakfasts"},
      {"Dried fruit mix", "7.80", "Valley Market", "0.5", ""},
      {"Instant rice", "2.95", "Valley Market", "0.8", ""},
      {"Dehydrated chili", "8.50", "Trailhead Outfitters", "0.14", "Two pouches"},
      {"Trail bars (12)", "14.40", "Trailhead Outfitters", "0.6", ""}}},
    {"Supplies",
     {{"AAA batteries", "6.99", "Corner Hardware", "0.05", "For the headlamp"},
      {"Sunscreen SPF 50", "9.25", "Valley Pharmacy", "0.12", ""},
      {"Zip bags", "3.10", "Valley Market", "0.04", "Quart size"}}}};

}  // namespace

void AddSampleTrip(TTravelerData& Store, int Year, int Month) {
  Store.AppendTrip();
  const int Trip = Store.TripCount() - 1;
  Store.GetTrip(Trip).Name = "Granite Lakes Loop";

  Store.AddNote(Trip, {"Drive to trailhead", "Start 11 km to Upper Lake"}, 10, Month, Year);
  Store.AddNote(Trip, {"Upper Lake to Pika Pass", "Filter water at creek"}, 11, Month, Year);
  Store.AddNote(Trip, {"Rest day at Mirror Lake", "Fishing, swim"}, 12, Month, Year);
  Store.AddNote(Trip, {"Over Pika Pass", "Camp at Twin Meadows"}, 13, Month, Year);
  Store.AddNote(Trip, {"Out to trailhead by noon", "Lunch in town"}, 14, Month, Year);
  Store.AddNote(Trip, {"Pick up permit", "Buy fuel"}, 8, Month, Year);

  for (const auto& Group : Gear) {
    Store.AddGearCategory(Trip, Group.Name);
    const int Cat = Store.GearCategoryCount(Trip) - 1;
    for (const auto& Row : Group.Items)
      Store.AddGearItem(Trip, Cat, Row.Name, Row.Weight, Row.Cost, Row.Own, Row.Necessity, Row.Volume,
                        Row.Other);
  }

  Store.AddPlan(Trip, "Getting to the trailhead",
                "Leave town 6:30 am.\r\nCar pool: Dana drives, meet at the park and ride.\r\n"
                "Two hours to the Granite Lakes trailhead, last 12 km gravel.");
  Store.AddPlan(Trip, "Car shuttle",
                "Leave the second car at Twin Meadows trailhead on the way in.\r\n"
                "Keys: one set with Dana, one with Sam.");
  Store.AddPlan(Trip, "Bail-out routes",
                "From Mirror Lake: Cedar Creek trail, 9 km to the road.\r\n"
                "Ranger station phone in the permit details.");

  for (const auto& Group : Shopping) {
    Store.AddShopingCategory(Trip, Group.Name);
    const int Cat = Store.ShopingCategoryCount(Trip) - 1;
    for (const auto& Row : Group.Items)
      Store.AddShopingItem(Trip, Cat, Row.Name, Row.Price, Row.Store, Row.Weight, Row.Other);
  }

  Store.AddRecipe(Trip, "Trail Oatmeal",
                  "Boil 400 ml water. Stir in oats, milk powder and sugar.\r\n"
                  "Take off the heat, add fruit, cover for 3 minutes.");
  Store.GetRecipe(Trip, 0).Ingredients = {"1 cup rolled oats", "2 tbsp milk powder",
                                          "1 tbsp brown sugar", "Handful of dried fruit"};
  Store.AddRecipe(Trip, "Backcountry Chili Mac",
                  "Boil 600 ml water, add pasta, cook 6 minutes.\r\n"
                  "Stir in the chili pouch and cheese, rest 5 minutes.");
  Store.GetRecipe(Trip, 1).Ingredients = {"150 g elbow pasta", "1 dehydrated chili pouch",
                                          "40 g cheddar", "Chili flakes"};
  Store.AddRecipe(Trip, "Peanut Noodles",
                  "Cook noodles, drain most of the water, stir in peanut butter and soy sauce.");
  Store.GetRecipe(Trip, 2).Ingredients = {"2 packs ramen noodles", "3 tbsp peanut butter",
                                          "2 soy sauce packets"};

  const char* const People[][11] = {
      {"Dana Whitlow", "Dee", "Cedar Falls", "14 Alder Street, Cedar Falls", "dana@example.com",
       "dwhitlow@example.net", "555-0142", "555-0199", "Chris Whitlow 555-0177", "Penicillin",
       "Drives the first car"},
      {"Sam Okafor", "Sammy", "Riverton", "8 Mill Road, Riverton", "sam.okafor@example.com", "",
       "555-0117", "", "Ada Okafor 555-0160", "None", "Carries the stove"},
      {"Priya Natarajan", "", "Lakeside", "302 Shore Drive, Lakeside", "",
       "priya.n@example.org", "555-0183", "555-0101", "Raj Natarajan 555-0128", "Bee stings: epi pen",
       "First aid lead"}};
  for (const auto& Person : People) {
    Store.AddContact(Trip);
    TContact& Contact = Store.GetContact(Trip, Store.ContactCount(Trip) - 1);
    for (int f = 0; f < TContact::FieldCount; ++f) Contact.Field(f) = Person[f];
  }

  Store.AddPermit(Trip, "Granite Lakes Wilderness");
  TPermit& Permit = Store.GetPermit(Trip, 0);
  Permit.Phone = "555-0150";
  Permit.Fax = "555-0151";
  Permit.Requirements = "Overnight permit, bear canister";
  Permit.Cost = "24";
  Permit.Dates = "10 to 14";
  Permit.Notes = "Pick up at the ranger station before 4 pm";
  Store.AddPermit(Trip, "Twin Meadows Parking");
  TPermit& Parking = Store.GetPermit(Trip, 1);
  Parking.Cost = "10";
  Parking.Dates = "10 to 14";
  Parking.Requirements = "Display on dashboard";

  Store.SetBudget(Trip, "600");
}
