#include <string>

#include "store/DataFileFormat.h"
#include "store/StoreErrors.h"
#include "store/Traveler.h"

namespace {

// A name as quoted in a message: long names are cut short.
std::string Quoted(const std::string& Name) {
  constexpr std::size_t Longest = 40;
  return "\"" + (Name.size() > Longest ? Name.substr(0, Longest) + "..." : Name) + "\"";
}

// Names the trip in messages; trips may have empty names.
std::string TripLabel(const TTrip& Trip, int Index) {
  return "trip " + std::to_string(Index + 1) + " (" + Quoted(Trip.Name) + ")";
}

void Fail(const std::string& Message) {
  throw TFormatLimitError("Cannot save the trip plans: " + Message);
}

void CheckCount(std::size_t Count, const std::string& What, const std::string& Where) {
  if (Count > static_cast<std::size_t>(MaxListEntries))
    Fail(Where + " has " + std::to_string(Count) + " " + What + "; the data file holds at most " +
         std::to_string(MaxListEntries) + ".");
}

void CheckText(const std::string& Text, const std::string& What, const std::string& Where) {
  if (Text.size() > static_cast<std::size_t>(MaxTextBytes))
    Fail("the " + What + " in " + Where + " is " + std::to_string(Text.size()) +
         " bytes long; the data file holds at most " + std::to_string(MaxTextBytes) +
         " bytes in one text.");
}

void CheckNote(const TDayNote& Note, const std::string& Where) {
  const std::string Date =
      std::to_string(Note.Day) + "/" + std::to_string(Note.Month) + "/" + std::to_string(Note.Year);
  if (Note.Lines.size() > static_cast<std::size_t>(MaxNoteLines))
    Fail("the note of " + Date + " in " + Where + " has " + std::to_string(Note.Lines.size()) +
         " lines; the data file holds at most " + std::to_string(MaxNoteLines) +
         " lines in one note.");
  if (Note.Day < 0 || Note.Day > 255 || Note.Month < 0 || Note.Month > 255 || Note.Year < 0 ||
      Note.Year > 65535)
    Fail("the date " + Date + " of a note in " + Where + " cannot be stored in the data file.");
  for (const auto& Line : Note.Lines) CheckText(Line, "text of the note of " + Date, Where);
}

void CheckTrip(const TTrip& Trip, const std::string& Where) {
  CheckText(Trip.Name, "name", Where);
  CheckText(Trip.Budget, "budget", Where);
  CheckCount(Trip.Notes.size(), "calendar notes", Where);
  for (const auto& Note : Trip.Notes) CheckNote(*Note, Where);

  CheckCount(Trip.GearCategories.size(), "gear categories", Where);
  for (const auto& Category : Trip.GearCategories) {
    const std::string InCategory = "gear category " + Quoted(Category->Name) + " of " + Where;
    CheckText(Category->Name, "name of a gear category", Where);
    CheckCount(Category->Items.size(), "items", InCategory);
    for (const auto& Item : Category->Items)
      for (const std::string* Field : {&Item->Name, &Item->Weight, &Item->Cost, &Item->Own,
                                       &Item->Necessity, &Item->Volume, &Item->Other})
        CheckText(*Field, "text of a gear item", InCategory);
  }

  CheckCount(Trip.Plans.size(), "logistics plans", Where);
  for (const auto& Plan : Trip.Plans) {
    CheckText(Plan->Name, "name of a logistics plan", Where);
    CheckText(Plan->Details, "details of logistics plan " + Quoted(Plan->Name), Where);
  }

  CheckCount(Trip.ShopingCategories.size(), "shopping categories", Where);
  for (const auto& Category : Trip.ShopingCategories) {
    const std::string InCategory = "shopping category " + Quoted(Category->Name) + " of " + Where;
    CheckText(Category->Name, "name of a shopping category", Where);
    CheckCount(Category->Items.size(), "items", InCategory);
    for (const auto& Item : Category->Items)
      for (const std::string* Field :
           {&Item->Name, &Item->Price, &Item->Store, &Item->Weight, &Item->Other})
        CheckText(*Field, "text of a shopping item", InCategory);
  }

  CheckCount(Trip.Recipes.size(), "recipes", Where);
  for (const auto& Recipe : Trip.Recipes) {
    const std::string InRecipe = "recipe " + Quoted(Recipe->Name) + " of " + Where;
    CheckText(Recipe->Name, "name of a recipe", Where);
    CheckText(Recipe->Procedure, "procedure", InRecipe);
    CheckCount(Recipe->Ingredients.size(), "ingredients", InRecipe);
    for (const auto& Ingredient : Recipe->Ingredients) CheckText(Ingredient, "ingredient", InRecipe);
  }

  CheckCount(Trip.Contacts.size(), "contacts", Where);
  for (const auto& Contact : Trip.Contacts)
    for (int f = 0; f < TContact::FieldCount; ++f)
      CheckText(Contact->Field(f), "text of a contact", Where);

  CheckCount(Trip.Permits.size(), "park permits", Where);
  for (const auto& Permit : Trip.Permits)
    for (int f = 0; f < TPermit::FieldCount; ++f)
      CheckText(Permit->Field(f), "text of a park permit", Where);
}

}  // namespace

void CheckDataFileLimits(const TTravelerData& Store) {
  if (Store.TripCount() > MaxTrips)
    Fail("there are " + std::to_string(Store.TripCount()) +
         " trips; the data file holds at most " + std::to_string(MaxTrips) + ".");
  for (int i = 0; i < Store.TripCount(); ++i) CheckTrip(Store.GetTrip(i), TripLabel(Store.GetTrip(i), i));
}
