// A trip as a user would plan it: gear, shopping, permits and a budget.
#pragma once

#include "store/Traveler.h"

inline void BuildRealisticTrip(TTravelerData& Store) {
  Store.AppendTrip();
  TTrip& Trip = Store.GetTrip(0);
  Trip.Name = "Sierra High Route 2024";
  Trip.Budget = "450";
  struct TGear {
    const char *Name, *Weight, *Cost, *Own, *Necessity, *Volume, *Other;
  };
  const std::vector<std::pair<const char*, std::vector<TGear>>> Gear = {
      {"Shelter",
       {{"Tent (2 person)", "1.85", "329", "Yes", "10", "0.006", "green fly"},
        {"Sleeping bag", "0.95", "279", "Yes", "10", "0.009", "-5 C comfort"},
        {"Sleeping pad", "0.41", "99.95", "No", "8", "0.004", ""}}},
      {"Kitchen",
       {{"Canister stove", "0.083", "44.95", "Yes", "7", "0.0003", ""},
        {"Titanium pot 900 ml", "0.12", "39.5", "No", "8", "0.0009", "with lid"},
        {"Fuel canister 230 g", "0.36", "6.99", "No", "9", "0.0008", "buy in Lone Pine"}}},
      {"Clothing",
       {{"Rain jacket", "0.28", "189", "Yes", "9", "0.002", ""},
        {"Down jacket", "0.34", "220", "No", "6", "0.004", ""}}},
      {"Navigation", {{"Map set", "0.15", "24", "Yes", "10", "0.0004", "1:24000"}}}};
  for (const auto& [Category, Items] : Gear) {
    Store.AddGearCategory(0, Category);
    const int Cat = Store.GearCategoryCount(0) - 1;
    for (const TGear& I : Items) Store.AddGearItem(0, Cat, I.Name, I.Weight, I.Cost, I.Own, I.Necessity, I.Volume, I.Other);
  }
  struct TShopping {
    const char *Name, *Price, *Shop, *Weight, *Other;
  };
  const std::vector<std::pair<const char*, std::vector<TShopping>>> Shopping = {
      {"Food",
       {{"Oatmeal (8 packs)", "6.49", "Grocery Outlet", "0.4", ""},
        {"Freeze-dried dinners", "54", "REI", "0.9", "6 dinners"},
        {"Trail mix", "12.5", "Trader Joe's", "0.8", ""}}},
      {"Supplies", {{"Water filter cartridge", "39.95", "REI", "0.085", ""}, {"Sunscreen", "9.99", "Pharmacy", "0.1", "SPF 50"}}}};
  for (const auto& [Category, Items] : Shopping) {
    Store.AddShopingCategory(0, Category);
    const int Cat = Store.ShopingCategoryCount(0) - 1;
    for (const TShopping& I : Items) Store.AddShopingItem(0, Cat, I.Name, I.Price, I.Shop, I.Weight, I.Other);
  }
  Store.AddPermit(0, "Inyo National Forest");
  Store.GetPermit(0, 0).Cost = "15";
}
