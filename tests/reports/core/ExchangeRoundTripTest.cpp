// Random trips written to an exchange file and read back: every export of
// the program imports as the same records.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "reports/core/ExchangeFile.h"
#include "support/StoreBuilder.h"
#include "support/TempDir.h"

namespace {

// Texts built from pieces that look like parts of other lines of the file.
class TRandomTexts {
 public:
  explicit TRandomTexts(unsigned Seed) : FRandom(Seed) {}

  int Number(int Low, int High) { return std::uniform_int_distribution<int>(Low, High)(FRandom); }

  // Any value: tabs at either end, "=", brackets, CR, LF and CR LF included.
  std::string Value() { return Text(ValuePieces, sizeof ValuePieces / sizeof *ValuePieces, 0); }
  // A name: the same without line breaks (a name line is one line).
  std::string Name() { return Text(NamePieces, sizeof NamePieces / sizeof *NamePieces, 0); }
  // A line of a day note: no comma, no line break, never empty.
  std::string NoteLine() { return Text(NamePieces + 1, sizeof NamePieces / sizeof *NamePieces - 1, 1); }

 private:
  static constexpr const char* NamePieces[] = {
      ",", "\t", "\t\t\t\t", "=", " = ", "[", "]", "[Ingredients]", "\r", "Name = ", "Weight\t\t= ",
      "[BUDGET]", "Tent", "\xE9", " ", "x"};
  static constexpr const char* ValuePieces[] = {
      "\t", "\t\t\t\t", "\t\t\t\t\t\t", "=", "[", "]", "\r", "\n", "\r\n", "\r\r\n", "Name = ", "[DATES]",
      "[BUDGET]", "0.75", "\xE9", " ", ",", "x"};

  std::string Text(const char* const* Pieces, int Count, int AtLeast) {
    std::string Out;
    for (int n = Number(AtLeast, 6); n > 0; --n) Out += Pieces[Number(0, Count - 1)];
    return Out;
  }

  std::mt19937 FRandom;
};

void FillRandomTrip(TTravelerData& Store, TRandomTexts& R) {
  Store.AppendTrip();
  const int Trip = Store.TripCount() - 1;
  TTrip& T = Store.GetTrip(Trip);
  T.Name = R.Value();
  for (int n = R.Number(0, 4); n > 0; --n) {
    TTextLines Lines;
    for (int l = R.Number(0, 3); l > 0; --l) Lines.push_back(R.NoteLine());
    // Days 0 and 32 and months outside the calendar are in data files too.
    Store.AddNote(Trip, Lines, R.Number(0, 3) == 0 ? R.Number(0, 255) : R.Number(1, 31),
                  R.Number(0, 3) == 0 ? R.Number(0, 255) : R.Number(1, 12), R.Number(0, 65535));
  }
  for (int c = R.Number(0, 3); c > 0; --c) {
    Store.AddGearCategory(Trip, R.Name());
    const int Cat = Store.GearCategoryCount(Trip) - 1;
    for (int i = R.Number(0, 3); i > 0; --i)
      Store.AddGearItem(Trip, Cat, R.Name(), R.Value(), R.Value(), R.Value(), R.Value(), R.Value(), R.Value());
  }
  for (int n = R.Number(0, 3); n > 0; --n) Store.AddPlan(Trip, R.Name(), R.Value());
  for (int c = R.Number(0, 3); c > 0; --c) {
    Store.AddShopingCategory(Trip, R.Name());
    const int Cat = Store.ShopingCategoryCount(Trip) - 1;
    for (int i = R.Number(0, 3); i > 0; --i)
      Store.AddShopingItem(Trip, Cat, R.Name(), R.Value(), R.Value(), R.Value(), R.Value());
  }
  for (int n = R.Number(0, 3); n > 0; --n) {
    Store.AddRecipe(Trip, R.Name(), R.Value());
    auto& Ingredients = Store.GetRecipe(Trip, Store.RecipeCount(Trip) - 1).Ingredients;
    for (int i = R.Number(0, 3); i > 0; --i) Ingredients.push_back(R.Value());
  }
  for (int n = R.Number(0, 2); n > 0; --n) {
    Store.AddContact(Trip);
    TContact& Contact = Store.GetContact(Trip, Store.ContactCount(Trip) - 1);
    Contact.Name = R.Name();
    for (int f = 1; f < TContact::FieldCount; ++f) Contact.Field(f) = R.Value();
  }
  for (int n = R.Number(0, 2); n > 0; --n) {
    Store.AddPermit(Trip, R.Name());
    for (int f = 1; f < TPermit::FieldCount; ++f) Store.GetPermit(Trip, Store.PermitCount(Trip) - 1).Field(f) = R.Value();
  }
  Store.SetBudget(Trip, R.Value());
}

// Keeps only the lists a gear or a recipe file carries, in a trip without a name.
void KeepOnly(TTrip& Trip, bool Gear, bool Recipes) {
  Trip.Name.clear();
  Trip.Budget.clear();
  Trip.Notes.clear();
  Trip.Plans.clear();
  Trip.ShopingCategories.clear();
  Trip.Contacts.clear();
  Trip.Permits.clear();
  if (!Gear) Trip.GearCategories.clear();
  if (!Recipes) Trip.Recipes.clear();
}

TEST(ExchangeRoundTrip, RandomTripsComeBackAsTheyWere) {
  TTempDir Dir;
  const std::string File = Dir.File("trip.txt");
  // The file as the export writes it, without syncing it to the disk each
  // time (a file truncated and rewritten is flushed on close: write anew).
  const auto WriteExchangeFile = [&Dir, &File](const std::string&, TTravelerData& Store, int Trip,
                                               const TExchangeSections& Sections) {
    const std::string Text = ExchangeText(Store.GetTrip(Trip), Sections);
    std::filesystem::remove(File);
    Dir.Write("trip.txt", std::vector<std::uint8_t>(Text.begin(), Text.end()));
  };
  for (unsigned Seed = 1; Seed <= 300; ++Seed) {
    TRandomTexts Random(Seed);
    TTravelerData Store;
    FillRandomTrip(Store, Random);

    WriteExchangeFile(File, Store, 0, TExchangeSections::WholeTrip());
    TTravelerData Whole;
    ASSERT_TRUE(ReadTripFile(File, Whole)) << "seed " << Seed;
    ASSERT_EQ(Dump(Whole), Dump(Store)) << "seed " << Seed;

    // The page exports read back into an empty trip, with the page readers
    // and with the whole-trip file as well.
    for (const bool Gear : {true, false}) {
      TTravelerData Expected;
      ASSERT_TRUE(ReadTripFile(File, Expected));
      KeepOnly(Expected.GetTrip(0), Gear, !Gear);
      const auto Read = Gear ? ReadGearFile : ReadRecipeFile;
      for (const bool Own : {true, false}) {
        if (Own) WriteExchangeFile(File, Store, 0, Gear ? TExchangeSections::GearOnly() : TExchangeSections::RecipesOnly());
        TTravelerData Section;
        Section.AppendTrip();
        Read(File, Section, 0);
        EXPECT_EQ(Dump(Section), Dump(Expected)) << "seed " << Seed << (Gear ? " gear" : " recipes");
        WriteExchangeFile(File, Store, 0, TExchangeSections::WholeTrip());
      }
    }
  }
}

}  // namespace
