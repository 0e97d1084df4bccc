// A store holding one of everything, for round trips through the data file.
#pragma once

#include <string>

#include "store/Traveler.h"

inline void FillEveryList(TTravelerData& Store, const std::string& TripName) {
  Store.AppendTrip();
  const int Trip = Store.TripCount() - 1;
  Store.GetTrip(Trip).Name = TripName;
  Store.AddNote(Trip, {"Start", "Line \xE9 two"}, 5, 6, 2007);
  Store.AddNote(Trip, {}, 31, 12, 65535);
  Store.AddGearCategory(Trip, "Shelter");
  Store.AddGearItem(Trip, 0, "Tent", "2.1", "150", "Yes", "8", "0.5", "green");
  Store.AddGearCategory(Trip, "Empty");
  Store.AddPlan(Trip, "Drive", "Line one\r\nLine two");
  Store.AddShopingCategory(Trip, "Food");
  Store.AddShopingItem(Trip, 0, "Rice", "3.50", "Market", "1", "bulk");
  Store.AddRecipe(Trip, "Oatmeal", "Boil water");
  Store.GetRecipe(Trip, 0).Ingredients = {"oats", "", "milk"};
  Store.AddRecipe(Trip, "Water", "");
  Store.AddContact(Trip);
  for (int f = 0; f < TContact::FieldCount; ++f)
    Store.GetContact(Trip, 0).Field(f) = "contact field " + std::to_string(f);
  Store.AddPermit(Trip, "Park");
  for (int f = 1; f < TPermit::FieldCount; ++f)
    Store.GetPermit(Trip, 0).Field(f) = "permit field " + std::to_string(f);
  Store.SetBudget(Trip, "600");
}

// Every text and number of the store, in order, as one string.
inline std::string Dump(TTravelerData& Store) {
  std::string Out;
  auto Put = [&Out](const std::string& Text) { Out += "[" + Text + "]"; };
  for (int t = 0; t < Store.TripCount(); ++t) {
    const TTrip& Trip = Store.GetTrip(t);
    Put("trip " + Trip.Name);
    for (const auto& Note : Trip.Notes) {
      Put(std::to_string(Note->Day) + "/" + std::to_string(Note->Month) + "/" + std::to_string(Note->Year));
      for (const auto& Line : Note->Lines) Put(Line);
    }
    for (const auto& Cat : Trip.GearCategories) {
      Put("gear " + Cat->Name);
      for (const auto& I : Cat->Items)
        for (const auto* F : {&I->Name, &I->Weight, &I->Cost, &I->Own, &I->Necessity, &I->Volume, &I->Other})
          Put(*F);
    }
    for (const auto& Plan : Trip.Plans) Put("plan " + Plan->Name + "|" + Plan->Details);
    for (const auto& Cat : Trip.ShopingCategories) {
      Put("shop " + Cat->Name);
      for (const auto& I : Cat->Items)
        for (const auto* F : {&I->Name, &I->Price, &I->Store, &I->Weight, &I->Other}) Put(*F);
    }
    for (const auto& Recipe : Trip.Recipes) {
      Put("recipe " + Recipe->Name + "|" + Recipe->Procedure);
      for (const auto& Line : Recipe->Ingredients) Put(Line);
    }
    for (const auto& Contact : Trip.Contacts)
      for (int f = 0; f < TContact::FieldCount; ++f) Put(Contact->Field(f));
    for (const auto& Permit : Trip.Permits)
      for (int f = 0; f < TPermit::FieldCount; ++f) Put(Permit->Field(f));
    Put("budget " + Trip.Budget);
  }
  return Out;
}
