// The text exchange file: its exact layout, reading it back, and damaged files.
#include <gtest/gtest.h>

#include <string>

#include "reports/core/ExchangeFile.h"
#include "store/DataFileFormat.h"
#include "support/StoreBuilder.h"
#include "support/TempDir.h"

namespace {

std::vector<std::uint8_t> Bytes(const std::string& Text) { return {Text.begin(), Text.end()}; }

class ExchangeTest : public ::testing::Test {
 protected:
  std::string File() const { return Dir.File("trip.txt"); }
  void WriteText(const std::string& Text) const { Dir.Write("trip.txt", Bytes(Text)); }

  TTempDir Dir;
};

TEST_F(ExchangeTest, LayoutOfEverySection) {
  TTravelerData Store;
  Store.AppendTrip();
  Store.GetTrip(0).Name = "Hike";
  Store.AddNote(0, {"apples", "dried fruit"}, 3, 1, 2024);
  Store.AddGearCategory(0, "Shelter");
  Store.AddGearItem(0, 0, "Tent", "2.1", "150", "Yes", "8", "0.5", "green");
  Store.AddPlan(0, "Drive", "Early");
  Store.AddShopingCategory(0, "Food");
  Store.AddShopingItem(0, 0, "Rice", "3.50", "Market", "1", "bulk");
  Store.AddRecipe(0, "Oats", "Boil");
  Store.GetRecipe(0, 0).Ingredients = {"oats"};
  Store.AddContact(0);
  for (int f = 0; f < TContact::FieldCount; ++f) Store.GetContact(0, 0).Field(f) = "c" + std::to_string(f);
  Store.AddPermit(0, "Park");
  for (int f = 1; f < TPermit::FieldCount; ++f) Store.GetPermit(0, 0).Field(f) = "p" + std::to_string(f);
  Store.SetBudget(0, "600");

  const std::string Expected =
      "Quillmoor Planner Exported File\r\nTrip Name = Hike\r\n\r\n"
      "[DATES]\r\n\t[3 January 2024, apples, dried fruit]\r\n\r\n"
      "[GEAR LIST]\r\n\t[Shelter]\r\n\t\t[Tent]\r\n\t\t\tWeight\t\t= 2.1\r\n\t\t\tCost\t\t= 150\r\n"
      "\t\t\tOwn\t\t= Yes\r\n\t\t\tNecesity\t= 8\r\n\t\t\tVolume\t\t= 0.5\r\n\t\t\tOther\t\t= green\r\n\r\n"
      "[TRAVELING PLANS]\r\n\t[Drive]\r\n\t\tDetails\t= Early\r\n\r\n"
      "[SHOPPING]\r\n\t[Food]\r\n\t\t[Rice]\r\n\t\t\tPrice\t= 3.50\r\n\t\t\tStore\t= Market\r\n"
      "\t\t\tWeight\t= 1\r\n\t\t\tOther\t= bulk\r\n\r\n"
      "[RECIPES]\r\n\t[Oats]\r\n\t\tBoil\r\n\t\t\t[Ingredients]\r\n\t\t\t\tName = oats\r\n\r\n"
      "[CONTACTS]\r\n\t[c0]\r\n\t\tNickname\t\t\t= c1\r\n\t\tHometown\t \t\t= c2\r\n"
      "\t\tCurrent Mailing Adress\t\t= c3\r\n\t\teMail\t \t\t\t= c4\r\n\t\tAlternate eMail\t\t\t= c5\r\n"
      "\t\tPhone\t\t\t\t= c6\r\n\t\tAlternate Phone\t \t\t= c7\r\n\t\tEmergency Contact Information\t= c8\r\n"
      "\t\tAllergies / Medication\t\t= c9\r\n\t\tOther Information\t\t= c10\r\n\r\n"
      "[PARK PERMITS]\r\n\t[Park]\r\n\t\tPhone\t\t= p1\r\n\t\tFax\t\t= p2\r\n\t\tRequirements\t= p3\r\n"
      "\t\tCost\t\t= p4\r\n\t\tDates\t\t= p5\r\n\t\tNotes\t\t= p6\r\n\r\n"
      "[BUDGET]\r\nBudget\t= 600\r\n";
  EXPECT_EQ(ExchangeText(Store.GetTrip(0), TExchangeSections::WholeTrip()), Expected);

  WriteText(Expected);
  TTravelerData Loaded;
  ASSERT_TRUE(ReadTripFile(File(), Loaded));
  EXPECT_EQ(Dump(Loaded), Dump(Store));
}

TEST_F(ExchangeTest, WholeTripRoundTrip) {
  TTravelerData Store;
  FillEveryList(Store, "First");
  // Note lines with commas do not survive the note line; leave them out here.
  Store.GetNote(0, 1).Lines = {"one line"};
  Store.SaveToFile(Dir.File("unused.dat"));
  WriteExchangeFile(File(), Store, 0, TExchangeSections::WholeTrip());
  TTravelerData Loaded;
  ASSERT_TRUE(ReadTripFile(File(), Loaded));
  EXPECT_EQ(Dump(Loaded), Dump(Store));
}

TEST_F(ExchangeTest, RecipesWithAndWithoutIngredients) {
  TTravelerData Store;
  Store.AppendTrip();
  Store.AddRecipe(0, "A", "Stir");
  Store.GetRecipe(0, 0).Ingredients = {"x", "y", "z"};
  Store.AddRecipe(0, "B", "Wait");
  WriteExchangeFile(File(), Store, 0, TExchangeSections::WholeTrip());
  TTravelerData Loaded;
  ASSERT_TRUE(ReadTripFile(File(), Loaded));
  ASSERT_EQ(Loaded.RecipeCount(0), 2);
  EXPECT_EQ(Loaded.GetRecipe(0, 0).Ingredients, (TTextLines{"x", "y", "z"}));
  EXPECT_TRUE(Loaded.GetRecipe(0, 1).Ingredients.empty());
  EXPECT_EQ(Loaded.GetRecipe(0, 1).Procedure, "Wait");
}

TEST_F(ExchangeTest, EmptyCategoryThenCategoryWithItems) {
  TTravelerData Store;
  Store.AppendTrip();
  Store.AddGearCategory(0, "Empty");
  Store.AddGearCategory(0, "Full");
  Store.AddGearItem(0, 1, "Tent", "2", "1", "No", "5", "0", "");
  WriteExchangeFile(File(), Store, 0, TExchangeSections::GearOnly());
  TTravelerData Loaded;
  Loaded.AppendTrip();
  ReadGearFile(File(), Loaded, 0);
  ASSERT_EQ(Loaded.GearCategoryCount(0), 2);
  EXPECT_EQ(Loaded.GearItemCount(0, 0), 0);
  EXPECT_EQ(Loaded.GetGearItem(0, 1, 0).Name, "Tent");
}

TEST_F(ExchangeTest, MultiLineValuesComeBack) {
  TTravelerData Store;
  Store.AppendTrip();
  Store.AddPlan(0, "Drive", "Leave 6:30\r\n\r\nMeet at the park\r\n");
  Store.AddRecipe(0, "Oats", "\t\t\t\tBoil water.\r\nStir.");  // a procedure that begins with four tabs
  Store.GetRecipe(0, 0).Ingredients = {"oats"};
  Store.AddRecipe(0, "Tea", "Steep\nwith LF\ralone");
  WriteExchangeFile(File(), Store, 0, TExchangeSections::WholeTrip());
  TTravelerData Loaded;
  ASSERT_TRUE(ReadTripFile(File(), Loaded));
  EXPECT_EQ(Dump(Loaded), Dump(Store));
}

TEST_F(ExchangeTest, NameLinesAreNeverContinued) {
  TTravelerData Store;
  Store.AppendTrip();
  Store.AddPlan(0, "Two\r\nlines", "\t\t\t\tx");
  EXPECT_NE(ExchangeText(Store.GetTrip(0), TExchangeSections::WholeTrip())
                .find("\t[Two lines]\r\n\t\tDetails\t= \t\t\t\tx\r\n"),
            std::string::npos);
  WriteExchangeFile(File(), Store, 0, TExchangeSections::WholeTrip());
  TTravelerData Loaded;
  ASSERT_TRUE(ReadTripFile(File(), Loaded));
  EXPECT_EQ(Loaded.GetPlan(0, 0).Name, "Two lines");
  EXPECT_EQ(Loaded.GetPlan(0, 0).Details, "\t\t\t\tx");
}

TEST_F(ExchangeTest, NoteLineParsing) {
  const TParsedNote Note = ParseNoteLine("3 January 2024, apples, dried fruit");
  EXPECT_EQ(Note.Day, 3);
  EXPECT_EQ(Note.Month, 1);
  EXPECT_EQ(Note.Year, 2024);
  EXPECT_EQ(Note.Lines, (TTextLines{"apples", "dried fruit"}));
  EXPECT_EQ(ParseNoteLine("5 Octomber 2007, a").Month, 10);
  EXPECT_EQ(ParseNoteLine("5 October 2007, a").Month, 1);  // not in the table
  EXPECT_EQ(ParseNoteLine("5 june 2007, a").Month, 1);     // case counts
  // A line with a comma comes back as two; an empty line does not come back.
  EXPECT_EQ(ParseNoteLine("1 May 2020, a, b, , c").Lines, (TTextLines{"a", "b", "c"}));
  EXPECT_TRUE(ParseNoteLine("1 May 2020, ").Lines.empty());
  for (const char* Bad : {"x May 2020, a", "1 May, a", "1 May 2020 a", "", "1May 2020, a"})
    EXPECT_THROW(ParseNoteLine(Bad), TExchangeFormatError) << Bad;
}

TEST_F(ExchangeTest, NotesWithCommasAndEmptyLines) {
  TTravelerData Store;
  Store.AppendTrip();
  Store.AddNote(0, {"Buy map, compass", "", "Call"}, 14, 3, 2007);
  WriteExchangeFile(File(), Store, 0, TExchangeSections::WholeTrip());
  TTravelerData Loaded;
  ASSERT_TRUE(ReadTripFile(File(), Loaded));
  EXPECT_EQ(Loaded.GetNote(0, 0).Lines, (TTextLines{"Buy map", "compass", "Call"}));
  EXPECT_EQ(Loaded.GetNote(0, 0).Day, 14);
  EXPECT_EQ(Loaded.GetNote(0, 0).Month, 3);
}

TEST_F(ExchangeTest, NotAnExchangeFileAddsNothing) {
  WriteText("Some other file\r\nTrip Name = X\r\n");
  TTravelerData Store;
  EXPECT_FALSE(ReadTripFile(File(), Store));
  EXPECT_EQ(Store.TripCount(), 0);
  Store.AppendTrip();
  ReadGearFile(File(), Store, 0);
  ReadRecipeFile(File(), Store, 0);
  EXPECT_EQ(Store.GearCategoryCount(0), 0);
  WriteText("quillmoor planner exported file\r\n");
  EXPECT_FALSE(ReadTripFile(File(), Store));
}

// The message of the import's failure, or "" when it read the file.
template <class Read>
std::string FailureOf(Read&& Import) {
  try {
    Import();
  } catch (const std::exception& Failure) {
    return Failure.what();
  }
  return "";
}

TEST_F(ExchangeTest, AWholeTripFileCutShortAddsNothing) {
  TTravelerData Source;
  FillEveryList(Source, "Source");
  const std::string Whole = ExchangeText(Source.GetTrip(0), TExchangeSections::WholeTrip());
  const std::size_t BudgetLine = Whole.rfind("Budget\t= ");
  // Every cut before the budget line, at line ends and inside lines.
  for (std::size_t Cut = 0; Cut <= BudgetLine; ++Cut) {
    WriteText(Whole.substr(0, Cut));
    TTravelerData Store;
    Store.AppendTrip();
    const std::string Failure = FailureOf([&] { ReadTripFile(File(), Store); });
    if (Cut < ExchangeFileHeader.size() + 2) continue;  // no whole header line: not an exchange file
    EXPECT_NE(Failure.find("it is incomplete"), std::string::npos) << "cut at " << Cut << ": " << Failure;
    EXPECT_EQ(Store.TripCount(), 1) << "cut at " << Cut;
  }
  WriteText(Whole);
  TTravelerData Store;
  ASSERT_TRUE(ReadTripFile(File(), Store));
  EXPECT_EQ(Dump(Store), Dump(Source));
}

TEST_F(ExchangeTest, ACutShortFileSaysWhereItEnds) {
  const std::string Opening = "Quillmoor Planner Exported File\r\nTrip Name = Short\r\n\r\n";
  const struct {
    std::string Text;
    const char* Message;
  } Cases[] = {
      {Opening.substr(0, 48), "The file ends at line 2, before the [BUDGET] section and budget line: it is incomplete"},
      {Opening + "[DATES]\r\n\t[1 May 2020, x]\r\n",
       "The file ends at line 5, in its [DATES] section, before the [BUDGET] section and budget line: it is "
       "incomplete"},
      {Opening + "[DATES]\r\n\r\n[GEAR LIST]\r\n\t[Shelter]\r\n\t\t[Tent]\r\n\t\t\tWeight\t\t= 1\r\n",
       "The file ends at line 9, inside the gear item \"Tent\" of its [GEAR LIST] section, before the [BUDGET] "
       "section and budget line: it is incomplete"},
      {Opening + "[DATES]\r\n\r\n[GEAR LIST]\r\n\r\n[TRAVELING PLANS]\r\n\t[Drive]",
       "The file ends at line 9, inside the logistics plan \"Drive\" of its [TRAVELING PLANS] section, before the "
       "[BUDGET] section and budget line: it is incomplete"},
      {Opening + "[DATES]\r\n\r\n[GEAR LIST]\r\n\r\n[TRAVELING PLANS]\r\n\r\n[SHOPPING]\r\n\r\n[RECIPES]\r\n"
                 "\r\n[CONTACTS]\r\n\r\n[PARK PERMITS]\r\n\r\n[BUDGET]\r\n",
       "The file ends at line 18, before its budget line: it is incomplete"},
  };
  for (const auto& Case : Cases) {
    WriteText(Case.Text);
    TTravelerData Store;
    EXPECT_EQ(FailureOf([&] { ReadTripFile(File(), Store); }), Case.Message);
    EXPECT_EQ(Store.TripCount(), 0);
  }
}

TEST_F(ExchangeTest, AGearOrRecipeFileCutInsideARecordAddsNothing) {
  const std::string Gear =
      "Quillmoor Planner Exported File\r\nTrip Name = G\r\n\r\n[GEAR LIST]\r\n\t[Shelter]\r\n\t\t[Tarp]\r\n"
      "\t\t\tWeight\t\t= 1\r\n\t\t\tCost\t\t= 1\r\n\t\t\tOwn\t\t= No\r\n\t\t\tNecesity\t= 1\r\n"
      "\t\t\tVolume\t\t= 0\r\n\t\t\tOther\t\t= \r\n\t\t[Tent]\r\n\t\t\tWeight\t\t= 2\r\n";
  const std::string Recipes =
      "Quillmoor Planner Exported File\r\nTrip Name = R\r\n\r\n[RECIPES]\r\n\t[Oats]\r\n\t\tBoil\r\n"
      "\t\t\t[Ingredients]\r\n\t\t\t\tName = oats\r\n\t[Stew]\r\n\t\tStir\r\n";
  const struct {
    const std::string& Text;
    void (*Read)(const std::string&, TTravelerData&, int);
    const char* Message;
  } Cases[] = {
      {Gear, ReadGearFile, "The file ends at line 14, inside the gear item \"Tent\": it is incomplete"},
      {Recipes, ReadRecipeFile, "The file ends at line 10, inside the recipe \"Stew\": it is incomplete"},
  };
  for (const auto& Case : Cases) {
    WriteText(Case.Text);
    TTravelerData Store;
    Store.AppendTrip();
    Store.AddGearCategory(0, "Mine");
    EXPECT_EQ(FailureOf([&] { Case.Read(File(), Store, 0); }), Case.Message);
    EXPECT_EQ(Store.GearCategoryCount(0), 1);
    EXPECT_EQ(Store.RecipeCount(0), 0);
  }
  // The end of the file between two records ends the section.
  WriteText(Gear.substr(0, Gear.find("\t\t[Tent]")));
  TTravelerData Store;
  Store.AppendTrip();
  ReadGearFile(File(), Store, 0);
  EXPECT_EQ(Store.GearItemCount(0, 0), 1);
}

TEST_F(ExchangeTest, LineFeedsAloneAreAccepted) {
  WriteText("Quillmoor Planner Exported File\nTrip Name = LF\n\n[DATES]\n\t[2 May 2021, x]\n\n[GEAR LIST]\n\n"
            "[TRAVELING PLANS]\n\n[SHOPPING]\n\n[RECIPES]\n\n[CONTACTS]\n\n[PARK PERMITS]\n\n[BUDGET]\n"
            "Budget\t= 7\n[BUDGET]\nBudget\t= 9\n");
  TTravelerData Store;
  ASSERT_TRUE(ReadTripFile(File(), Store));
  EXPECT_EQ(Store.GetTrip(0).Name, "LF");
  EXPECT_EQ(Store.NoteCount(0), 1);
  // A later budget section sets the budget again.
  EXPECT_EQ(Store.GetBudget(0), "9");
}

TEST_F(ExchangeTest, DamagedLinesStopTheImportNameTheirLineAndAddNothing) {
  const std::string Opening = "Quillmoor Planner Exported File\r\nTrip Name = T\r\n\r\n[DATES]\r\n";
  const struct {
    std::string Text;
    bool WholeTrip;
    const char* Message;
  } Cases[] = {
      {Opening + "\t[1 May 2020, ok]\r\n\t[x May 2020, bad]\r\n\t[2 May 2020, never]\r\n", true,
       "Line 6: 'x' is not a valid integer value"},
      {Opening + "\t[1 May]\r\n\r\n", true, "Line 5: '' is not a valid integer value"},
      {Opening + "\t[1 May 2020, x]\r\n\t[1 May 70000, x]\r\n\t[2 May 2020, y]\r\n", true,
       "Line 6: The note line \"[1 May 70000, x]\" has no valid date."},
      {"Quillmoor Planner Exported File\r\nTrip Name = T\r\n\r\n[GEAR LIST]\r\n\t\t[Orphan]\r\n"
       "\t\t\tWeight\t\t= 1\r\n\t\t\tCost\t\t= 1\r\n\t\t\tOwn\t\t= No\r\n\t\t\tNecesity\t= 1\r\n"
       "\t\t\tVolume\t\t= 0\r\n\t\t\tOther\t\t= \r\n",
       false, "Line 5: The gear item \"Orphan\" comes before any gear category."},
  };
  for (const auto& Case : Cases) {
    WriteText(Case.Text);
    TTravelerData Store;
    Store.AppendTrip();
    if (Case.WholeTrip)
      EXPECT_EQ(FailureOf([&] { ReadTripFile(File(), Store); }), Case.Message);
    else
      EXPECT_EQ(FailureOf([&] { ReadGearFile(File(), Store, 0); }), Case.Message);
    EXPECT_EQ(Store.TripCount(), 1);
    EXPECT_EQ(Store.GearCategoryCount(0), 0);
  }
}

// A whole-trip file whose one dates line is Line.
std::string WithDates(const std::string& Line) {
  return "Quillmoor Planner Exported File\r\nTrip Name = T\r\n\r\n[DATES]\r\n" + Line +
         "\r\n\r\n[GEAR LIST]\r\n\r\n[TRAVELING PLANS]\r\n\r\n[SHOPPING]\r\n\r\n[RECIPES]\r\n\r\n"
         "[CONTACTS]\r\n\r\n[PARK PERMITS]\r\n\r\n[BUDGET]\r\nBudget\t= 1\r\n";
}

TEST_F(ExchangeTest, NoteDatesOutsideTheCalendarComeBackAsLongAsTheDataFileHoldsThem) {
  const struct {
    const char* Line;
    int Day, Month, Year;
  } Accepted[] = {{"\t[0 May 2020, x]", 0, 5, 2020},
                  {"\t[32 May 2020, x]", 32, 5, 2020},
                  {"\t[255 0 0, x]", 255, 0, 0},
                  {"\t[1 13 65535, x]", 1, 13, 65535}};
  for (const auto& Case : Accepted) {
    WriteText(WithDates(Case.Line));
    TTravelerData Store;
    ASSERT_TRUE(ReadTripFile(File(), Store)) << Case.Line;
    ASSERT_EQ(Store.NoteCount(0), 1) << Case.Line;
    const TDayNote& Note = Store.GetNote(0, 0);
    EXPECT_EQ(std::vector<int>({Note.Day, Note.Month, Note.Year}), std::vector<int>({Case.Day, Case.Month, Case.Year}))
        << Case.Line;
  }
  for (const char* Line : {"\t[256 May 2020, x]", "\t[-1 May 2020, x]", "\t[1 May 70000, x]", "\t[1 May -1, x]",
                           "\t[1 256 2020, x]"}) {
    WriteText(WithDates(Line));
    TTravelerData Store;
    EXPECT_THROW(ReadTripFile(File(), Store), TExchangeFormatError) << Line;
    EXPECT_EQ(Store.TripCount(), 0) << Line;
  }
}

TEST_F(ExchangeTest, ReadingStopsAtTheFirstLimitOfTheDataFile) {
  const std::string Opening = "Quillmoor Planner Exported File\r\nTrip Name = T\r\n\r\n[DATES]\r\n";
  const std::string Rest =
      "\r\n[GEAR LIST]\r\n\r\n[TRAVELING PLANS]\r\n\r\n[SHOPPING]\r\n\r\n[RECIPES]\r\n\r\n[CONTACTS]\r\n\r\n"
      "[PARK PERMITS]\r\n\r\n[BUDGET]\r\nBudget\t= 1\r\n";
  std::string ManyNotes;
  for (int n = 0; n <= MaxListEntries; ++n) ManyNotes += "\t[1 May 2020, x]\r\n";
  std::string LongDetails = "\t[P]\r\n\t\tDetails\t= x";
  for (int n = 0; n < 700; ++n) LongDetails += "\r\n\t\t\t\t\t\t" + std::string(100, 'd');
  const struct {
    std::string Text;
    const char* Message;
  } Cases[] = {
      {Opening + "\t[1 May 2020, " + std::string(65536, 'n') + "]\r\n" + Rest,
       "Cannot import the file: line 5: the text of the note of 1/5/2020 in trip 1 (\"T\") is 65536 bytes long; "
       "the data file holds at most 65535 bytes in one text."},
      {Opening + ManyNotes + Rest,
       "Cannot import the file: line 65540: trip 1 (\"T\") has 65536 calendar notes; the data file holds at most "
       "65535."},
      {Opening + "\r\n[GEAR LIST]\r\n\t[S]\r\n\t\t[Tent]\r\n\t\t\tWeight\t\t= 1\r\n\t\t\tCost\t\t= " +
           std::string(65550, '9') + "\r\n" + Rest,
       "Cannot import the file: line 10: the text of a gear item in gear category \"S\" of trip 1 (\"T\") is "
       "65550 bytes long; the data file holds at most 65535 bytes in one text."},
      {Opening + "\r\n[GEAR LIST]\r\n\r\n[TRAVELING PLANS]\r\n" + LongDetails + "\r\n" + Rest,
       "Cannot import the file: line 653: the details of logistics plan \"P\" in trip 1 (\"T\") is 65587 bytes "
       "long; the data file holds at most 65535 bytes in one text."},
      // A line without end: reading stops long before the line does.
      {Opening + "\r\n[GEAR LIST]\r\n\t[" + std::string(20 << 20, 'g'),
       "Cannot import the file: line 7 is longer than any line a trip file can hold; the data file holds at most "
       "65535 bytes in one text."},
  };
  for (const auto& Case : Cases) {
    WriteText(Case.Text);
    TTravelerData Store;
    EXPECT_EQ(FailureOf([&] { ReadTripFile(File(), Store); }), Case.Message);
    EXPECT_EQ(Store.TripCount(), 0);
  }
}

TEST_F(ExchangeTest, ImportsPastTheStoresLimitsAddNothing) {
  TTravelerData Source;
  FillEveryList(Source, "Source");
  WriteExchangeFile(File(), Source, 0, TExchangeSections::WholeTrip());
  TTravelerData Full;
  for (int t = 0; t < MaxTrips; ++t) Full.AppendTrip();
  EXPECT_EQ(FailureOf([&] { ReadTripFile(File(), Full); }),
            "Cannot import the file: the store would hold 256 trips; the data file holds at most 255.");
  EXPECT_EQ(Full.TripCount(), MaxTrips);

  TTravelerData Store;
  Store.AppendTrip();
  Store.GetTrip(0).Name = "Mine";
  for (int c = 0; c < MaxListEntries; ++c) Store.AddGearCategory(0, "c");
  EXPECT_EQ(FailureOf([&] { ReadGearFile(File(), Store, 0); }),
            "Cannot import the file: line 9: trip 1 (\"Mine\") has 65536 gear categories; the data file holds at "
            "most 65535.");
  EXPECT_EQ(Store.GearCategoryCount(0), MaxListEntries);
}

TEST_F(ExchangeTest, InputWithoutLineEndsIsNoExchangeFile) {
  for (const std::string& Name : {std::string("/dev/zero"), File()}) {
    WriteText(std::string(3 << 20, 'Q'));
    TTravelerData Store;
    EXPECT_FALSE(ReadTripFile(Name, Store)) << Name;
    Store.AppendTrip();
    ReadGearFile(Name, Store, 0);
    ReadRecipeFile(Name, Store, 0);
    EXPECT_EQ(Store.GearCategoryCount(0) + Store.RecipeCount(0), 0) << Name;
  }
}

TEST_F(ExchangeTest, GearExportOfATripWithoutCategories) {
  TTravelerData Store;
  Store.AppendTrip();
  Store.GetTrip(0).Name = "Bare";
  EXPECT_EQ(ExchangeText(Store.GetTrip(0), TExchangeSections::GearOnly()),
            "Quillmoor Planner Exported File\r\nTrip Name = Bare\r\n\r\n[GEAR LIST]\r\n\r\n");
  WriteExchangeFile(File(), Store, 0, TExchangeSections::GearOnly());
  ReadGearFile(File(), Store, 0);
  EXPECT_EQ(Store.GearCategoryCount(0), 0);
}

TEST_F(ExchangeTest, SectionReadersTakeTheirSectionOfAWholeTripFile) {
  TTravelerData Source;
  FillEveryList(Source, "Source");
  WriteExchangeFile(File(), Source, 0, TExchangeSections::WholeTrip());
  TTravelerData Store;
  for (int i = 0; i < 3; ++i) Store.AppendTrip();
  ReadGearFile(File(), Store, 1);
  ReadRecipeFile(File(), Store, 1);
  EXPECT_EQ(Store.GearCategoryCount(0), 0);
  EXPECT_EQ(Store.GearCategoryCount(1), Source.GearCategoryCount(0));
  EXPECT_EQ(Store.GetGearItem(1, 0, 0).Weight, "2.1");
  ASSERT_EQ(Store.RecipeCount(1), Source.RecipeCount(0));
  EXPECT_EQ(Store.GetRecipe(1, 0).Ingredients, Source.GetRecipe(0, 0).Ingredients);
  EXPECT_EQ(Store.PlanCount(1), 0);
}

TEST_F(ExchangeTest, MissingFileIsAnError) {
  TTravelerData Store;
  EXPECT_THROW(ReadTripFile(Dir.File("missing.txt"), Store), std::exception);
  EXPECT_EQ(Store.TripCount(), 0);
}

}  // namespace
