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

const std::string SaveRefused = "Cannot save the trip plans: ";
const std::string ImportRefused = "Cannot import the file: ";
const std::string DuplicateRefused = "Cannot duplicate the trip: ";

// Walks the store once, adding up the size of the file and checking every
// limit. The texts of a message are only built when a limit is exceeded.
class TLimitChecker {
 public:
  explicit TLimitChecker(const std::string& Refusal) : FRefusal(Refusal) {}

  std::size_t Check(const TTravelerData& Store) {
    if (Store.TripCount() > MaxTrips)
      Fail("there are " + std::to_string(Store.TripCount()) + " trips; the data file holds at most " +
           std::to_string(MaxTrips) + ".");
    FSize = 2 + DataFileHeader.size() + 1 + 2 + DataFileTrailer.size();
    for (int i = 0; i < Store.TripCount(); ++i) {
      FTripIndex = i;
      FTrip = &Store.GetTrip(i);
      CheckTrip(*FTrip);
    }
    return FSize;
  }

  // Imported added to trip Trip of Store (a new trip when Trip is -1): the
  // lists of both are counted together, the texts of Imported are checked.
  void CheckImport(const TTravelerData& Store, int Trip, const TTrip& Imported) {
    if (Trip < 0 && Store.TripCount() + 1 > MaxTrips)
      Fail("the store would hold " + std::to_string(Store.TripCount() + 1) +
           " trips; the data file holds at most " + std::to_string(MaxTrips) + ".");
    FTripIndex = Trip < 0 ? Store.TripCount() : Trip;
    FTrip = Trip < 0 ? &Imported : &Store.GetTrip(Trip);
    if (Trip >= 0) {
      const TTrip& Into = *FTrip;
      TripList(Into.Notes.size() + Imported.Notes.size(), "calendar notes");
      TripList(Into.GearCategories.size() + Imported.GearCategories.size(), "gear categories");
      TripList(Into.Plans.size() + Imported.Plans.size(), "logistics plans");
      TripList(Into.ShopingCategories.size() + Imported.ShopingCategories.size(), "shopping categories");
      TripList(Into.Recipes.size() + Imported.Recipes.size(), "recipes");
      TripList(Into.Contacts.size() + Imported.Contacts.size(), "contacts");
      TripList(Into.Permits.size() + Imported.Permits.size(), "park permits");
    }
    CheckTrip(Imported);
  }

 private:
  [[noreturn]] void Fail(const std::string& Message) const { throw TFormatLimitError(FRefusal + Message); }

  std::string Where() const {
    return "trip " + std::to_string(FTripIndex + 1) + " (" + Quoted(FTrip->Name) + ")";
  }

  template <class Describe>
  void Count(std::size_t n, Describe&& What) {
    FSize += 2;
    if (n > static_cast<std::size_t>(MaxListEntries))
      Fail(What() + " has " + std::to_string(n) + " " + WhatEntries + "; the data file holds at most " +
           std::to_string(MaxListEntries) + ".");
  }

  template <class Describe>
  void Text(const std::string& Value, Describe&& What) {
    FSize += 2 + Value.size();
    if (Value.size() > static_cast<std::size_t>(MaxTextBytes))
      Fail("the " + What() + " is " + std::to_string(Value.size()) +
           " bytes long; the data file holds at most " + std::to_string(MaxTextBytes) + " bytes in one text.");
  }

  void TripList(std::size_t n, const char* Entries) {
    WhatEntries = Entries;
    Count(n, [this] { return Where(); });
  }

  void TripText(const std::string& Value, const char* What) {
    Text(Value, [this, What] { return std::string(What) + " in " + Where(); });
  }

  void CheckNote(const TDayNote& Note) {
    const auto Date = [&Note] {
      return std::to_string(Note.Day) + "/" + std::to_string(Note.Month) + "/" + std::to_string(Note.Year);
    };
    FSize += 1 + 1 + 1 + 2;
    if (Note.Lines.size() > static_cast<std::size_t>(MaxNoteLines))
      Fail("the note of " + Date() + " in " + Where() + " has " + std::to_string(Note.Lines.size()) +
           " lines; the data file holds at most " + std::to_string(MaxNoteLines) + " lines in one note.");
    if (Note.Day < 0 || Note.Day > 255 || Note.Month < 0 || Note.Month > 255 || Note.Year < 0 ||
        Note.Year > 65535)
      Fail("the date " + Date() + " of a note in " + Where() + " cannot be stored in the data file.");
    for (const auto& Line : Note.Lines)
      Text(Line, [&] { return "text of the note of " + Date() + " in " + Where(); });
  }

  void CheckTrip(const TTrip& Trip) {
    TripText(Trip.Name, "name");
    TripList(Trip.Notes.size(), "calendar notes");
    for (const auto& Note : Trip.Notes) CheckNote(*Note);

    TripList(Trip.GearCategories.size(), "gear categories");
    for (const auto& Category : Trip.GearCategories) {
      const auto InCategory = [&] { return "gear category " + Quoted(Category->Name) + " of " + Where(); };
      TripText(Category->Name, "name of a gear category");
      WhatEntries = "items";
      Count(Category->Items.size(), InCategory);
      for (const auto& Item : Category->Items)
        for (const std::string* Field : {&Item->Name, &Item->Weight, &Item->Cost, &Item->Own,
                                         &Item->Necessity, &Item->Volume, &Item->Other})
          Text(*Field, [&] { return "text of a gear item in " + InCategory(); });
    }

    TripList(Trip.Plans.size(), "logistics plans");
    for (const auto& Plan : Trip.Plans) {
      TripText(Plan->Name, "name of a logistics plan");
      Text(Plan->Details, [&] { return "details of logistics plan " + Quoted(Plan->Name) + " in " + Where(); });
    }

    TripList(Trip.ShopingCategories.size(), "shopping categories");
    for (const auto& Category : Trip.ShopingCategories) {
      const auto InCategory = [&] { return "shopping category " + Quoted(Category->Name) + " of " + Where(); };
      TripText(Category->Name, "name of a shopping category");
      WhatEntries = "items";
      Count(Category->Items.size(), InCategory);
      for (const auto& Item : Category->Items)
        for (const std::string* Field : {&Item->Name, &Item->Price, &Item->Store, &Item->Weight, &Item->Other})
          Text(*Field, [&] { return "text of a shopping item in " + InCategory(); });
    }

    TripList(Trip.Recipes.size(), "recipes");
    for (const auto& Recipe : Trip.Recipes) {
      const auto InRecipe = [&] { return "recipe " + Quoted(Recipe->Name) + " of " + Where(); };
      TripText(Recipe->Name, "name of a recipe");
      Text(Recipe->Procedure, [&] { return "procedure in " + InRecipe(); });
      WhatEntries = "ingredients";
      Count(Recipe->Ingredients.size(), InRecipe);
      for (const auto& Ingredient : Recipe->Ingredients)
        Text(Ingredient, [&] { return "ingredient in " + InRecipe(); });
    }

    TripList(Trip.Contacts.size(), "contacts");
    for (const auto& Contact : Trip.Contacts)
      for (int f = 0; f < TContact::FieldCount; ++f) TripText(Contact->Field(f), "text of a contact");

    TripList(Trip.Permits.size(), "park permits");
    for (const auto& Permit : Trip.Permits)
      for (int f = 0; f < TPermit::FieldCount; ++f) TripText(Permit->Field(f), "text of a park permit");

    TripText(Trip.Budget, "budget");
  }

  const std::string& FRefusal;
  std::size_t FSize = 0;
  int FTripIndex = 0;
  const TTrip* FTrip = nullptr;
  const char* WhatEntries = "";
};

}  // namespace

std::size_t CheckDataFileLimits(const TTravelerData& Store) { return TLimitChecker(SaveRefused).Check(Store); }

void CheckImportLimits(const TTravelerData& Store, int Trip, const TTrip& Imported) {
  TLimitChecker(ImportRefused).CheckImport(Store, Trip, Imported);
}

void CheckDuplicateLimits(const TTravelerData& Store, int Trip) {
  TLimitChecker(DuplicateRefused).CheckImport(Store, -1, Store.GetTrip(Trip));
}
