#include "reports/ExchangeFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "store/MonthNames.h"
#include "store/ByteFile.h"
#include "store/StoreErrors.h"

const std::string ExchangeFileHeader = "Quillmoor Planner Exported File";

namespace {

const char* const TagDates = "[DATES]";
const char* const TagGear = "[GEAR LIST]";
const char* const TagPlans = "[TRAVELING PLANS]";
const char* const TagShopping = "[SHOPPING]";
const char* const TagRecipes = "[RECIPES]";
const char* const TagContacts = "[CONTACTS]";
const char* const TagPermits = "[PARK PERMITS]";
const char* const TagBudget = "[BUDGET]";
const char* const IngredientsLine = "\t\t\t[Ingredients]";
const char* const IngredientPrefix = "\t\t\t\tName = ";
const char* const BudgetPrefix = "Budget\t= ";
// Further lines of a multi-line value start with this.
const std::string ContinuationPrefix = "\t\t\t\t\t\t";

// Field lines: the key prefix, whose length is also what a reader drops.
const char* const GearFieldPrefixes[6] = {"\t\t\tWeight\t\t= ",   "\t\t\tCost\t\t= ",   "\t\t\tOwn\t\t= ",
                                          "\t\t\tNecesity\t= ",   "\t\t\tVolume\t\t= ", "\t\t\tOther\t\t= "};
const char* const PlanDetailsPrefix = "\t\tDetails\t= ";
const char* const ShoppingFieldPrefixes[4] = {"\t\t\tPrice\t= ", "\t\t\tStore\t= ", "\t\t\tWeight\t= ",
                                              "\t\t\tOther\t= "};
const char* const ContactFieldPrefixes[10] = {
    "\t\tNickname\t\t\t= ",        "\t\tHometown\t \t\t= ",        "\t\tCurrent Mailing Adress\t\t= ",
    "\t\teMail\t \t\t\t= ",         "\t\tAlternate eMail\t\t\t= ",   "\t\tPhone\t\t\t\t= ",
    "\t\tAlternate Phone\t \t\t= ", "\t\tEmergency Contact Information\t= ", "\t\tAllergies / Medication\t\t= ",
    "\t\tOther Information\t\t= "};
const char* const PermitFieldPrefixes[6] = {"\t\tPhone\t\t= ", "\t\tFax\t\t= ",   "\t\tRequirements\t= ",
                                            "\t\tCost\t\t= ",  "\t\tDates\t\t= ", "\t\tNotes\t\t= "};

std::size_t Length(const char* Prefix) { return std::strlen(Prefix); }

// ---- Writing ----

class TExchangeWriter {
 public:
  void Line(const std::string& Text) {
    FOut += Text;
    FOut += "\r\n";
  }

  // Prefix and value. Each further line of the value follows on a
  // continuation line; the file line before it ends in CR LF where the value
  // breaks with CR LF and in a bare LF where it breaks with LF alone, so the
  // reader puts back the same break. A CR that is not part of a break stays in
  // the line.
  void Value(const char* Prefix, const std::string& Text) {
    FOut += Prefix;
    std::size_t Start = 0;
    for (std::size_t Break = Text.find('\n'); Break != std::string::npos; Break = Text.find('\n', Start)) {
      const bool CrLf = Break > Start && Text[Break - 1] == '\r';
      FOut.append(Text, Start, Break - Start - (CrLf ? 1 : 0));
      FOut += CrLf ? "\r\n" : "\n";
      FOut += ContinuationPrefix;
      Start = Break + 1;
    }
    FOut.append(Text, Start, std::string::npos);
    FOut += "\r\n";
  }

  // A name line: Indent, "[", the name, "]". A name line is never continued:
  // a line break inside a name is written as a space.
  void Name(const char* Indent, const std::string& Text) {
    FOut += Indent;
    FOut += '[';
    std::size_t Start = 0;
    for (std::size_t Break = Text.find('\n'); Break != std::string::npos; Break = Text.find('\n', Start)) {
      const bool CrLf = Break > Start && Text[Break - 1] == '\r';
      FOut.append(Text, Start, Break - Start - (CrLf ? 1 : 0));
      FOut += ' ';
      Start = Break + 1;
    }
    FOut.append(Text, Start, std::string::npos);
    FOut += "]\r\n";
  }

  std::string Take() { return std::move(FOut); }

 private:
  std::string FOut;
};

std::string NoteLine(const TDayNote& Note) {
  // A month the calendar does not have is written as its number.
  const std::string Month = Note.Month >= 1 && Note.Month <= 12
                                ? MonthNames[static_cast<std::size_t>(Note.Month - 1)]
                                : std::to_string(Note.Month);
  std::string Text = std::to_string(Note.Day) + " " + Month + " " + std::to_string(Note.Year) + ", ";
  for (std::size_t i = 0; i < Note.Lines.size(); ++i) {
    if (i) Text += ", ";
    Text += Note.Lines[i];
  }
  return Text;
}

// ---- Reading ----

// The end of the file, wherever it is reached: reading stops there.
struct TEndOfFile {};

// The lines of a file, read in blocks so that a large file is never held
// whole. A line ends at LF; one CR before the LF is part of the line end.
// A view returned by Peek or Next stays valid until the next call.
class TLineReader {
 public:
  explicit TLineReader(const std::string& FileName) : FFileName(FileName) {
    FFd = open(FileName.c_str(), O_RDONLY | O_CLOEXEC);
    if (FFd < 0) throw TFileIOError("Could not read '" + FileName + "': " + std::strerror(errno));
    // A small file needs no more room than its size.
    struct stat Info {};
    const std::size_t Size = fstat(FFd, &Info) == 0 ? static_cast<std::size_t>(Info.st_size) : BlockSize;
    FBuffer.resize(std::max<std::size_t>(std::min(Size + 1, BlockSize), 4096));
  }
  ~TLineReader() { close(FFd); }
  TLineReader(const TLineReader&) = delete;
  TLineReader& operator=(const TLineReader&) = delete;

  bool AtEnd() { return !FindLine(); }

  std::string_view Peek() {
    FindLine();
    return Current();
  }

  std::string_view Next() {
    if (!FindLine()) throw TEndOfFile();
    const std::string_view Line = Current();
    FLastEndedWithCrLf = FCrLf;
    FStart = FNextStart;
    FHaveLine = false;
    return Line;
  }

  // Whether the line last taken by Next ended with CR LF (or the file's end).
  bool LastEndedWithCrLf() const { return FLastEndedWithCrLf; }

 private:
  static constexpr std::size_t BlockSize = 1 << 20;

  std::string_view Current() const { return FHaveLine ? std::string_view(FBuffer.data() + FStart, FLength) : std::string_view(); }

  // Finds the end of the line at FStart, reading more of the file as needed;
  // false at the end of the file.
  bool FindLine() {
    if (FHaveLine) return true;
    std::size_t Scanned = FStart;
    while (true) {
      const void* Found = std::memchr(FBuffer.data() + Scanned, '\n', FEnd - Scanned);
      if (Found) {
        const std::size_t Feed = static_cast<std::size_t>(static_cast<const char*>(Found) - FBuffer.data());
        FCrLf = Feed > FStart && FBuffer[Feed - 1] == '\r';
        FLength = Feed - FStart - (FCrLf ? 1 : 0);
        FNextStart = Feed + 1;
        FHaveLine = true;
        return true;
      }
      Scanned = FEnd;
      if (FEndOfFile) {
        if (FStart == FEnd) return false;
        // The last line has no line end.
        FCrLf = true;
        FLength = FEnd - FStart;
        FNextStart = FEnd;
        FHaveLine = true;
        return true;
      }
      // Move the started line to the front, make room and read on.
      Scanned -= FStart;
      std::memmove(FBuffer.data(), FBuffer.data() + FStart, FEnd - FStart);
      FEnd -= FStart;
      FStart = 0;
      if (FEnd == FBuffer.size()) FBuffer.resize(FBuffer.size() * 2);
      ssize_t Got;
      do Got = read(FFd, FBuffer.data() + FEnd, FBuffer.size() - FEnd);
      while (Got < 0 && errno == EINTR);
      if (Got < 0) throw TFileIOError("Could not read '" + FFileName + "': " + std::strerror(errno));
      if (Got == 0) FEndOfFile = true;
      FEnd += static_cast<std::size_t>(Got);
    }
  }

  std::string FFileName;
  int FFd = -1;
  std::vector<char> FBuffer;
  std::size_t FStart = 0;      // the current line
  std::size_t FEnd = 0;        // the end of the bytes read
  std::size_t FLength = 0;     // of the current line, without its end
  std::size_t FNextStart = 0;  // the line after the current one
  bool FHaveLine = false;
  bool FCrLf = false;
  bool FLastEndedWithCrLf = true;
  bool FEndOfFile = false;
};

// What is left of Line once Count characters are dropped.
std::string_view Drop(std::string_view Line, std::size_t Count) {
  return Count < Line.size() ? Line.substr(Count) : std::string_view();
}

// A name line without its indent and "[" (Indent + 1 characters) and its "]".
std::string NameOf(std::string_view Line, std::size_t Indent) {
  const std::size_t Skip = Indent + 1;
  return Line.size() > Skip ? std::string(Line.substr(Skip, Line.size() - Skip - 1)) : std::string();
}

bool StartsWithTab(std::string_view Line) { return !Line.empty() && Line[0] == '\t'; }

bool IsContinuation(std::string_view Line) {
  return Line.size() >= ContinuationPrefix.size() && Line.compare(0, ContinuationPrefix.size(), ContinuationPrefix) == 0;
}

// A decimal integer: an optional sign and digits, within the int range.
int IntegerOf(const std::string& Text) {
  const auto Invalid = [&Text] { return TExchangeFormatError("'" + Text + "' is not a valid integer value"); };
  std::size_t i = 0;
  if (i < Text.size() && (Text[i] == '+' || Text[i] == '-')) ++i;
  if (i == Text.size()) throw Invalid();
  long long Value = 0;
  for (; i < Text.size(); ++i) {
    if (Text[i] < '0' || Text[i] > '9') throw Invalid();
    Value = Value * 10 + (Text[i] - '0');
    if (Value > 2147483647LL) throw Invalid();
  }
  return static_cast<int>(Text[0] == '-' ? -Value : Value);
}

class TExchangeReader {
 public:
  TExchangeReader(const std::string& FileName, TTravelerData& Store, int Trip)
      : FStore(Store), FTrip(Trip), FLines(FileName) {}

  bool AtEnd() { return FLines.AtEnd(); }
  std::string_view Next() { return FLines.Next(); }
  void SetTrip(int Trip) { FTrip = Trip; }

  // The value of the next line after DropCount characters, with its further
  // lines, into Text.
  void Value(std::string& Text, std::size_t DropCount) {
    Text = std::string(Drop(Next(), DropCount));
    while (!AtEnd() && IsContinuation(FLines.Peek())) {
      Text += FLines.LastEndedWithCrLf() ? "\r\n" : "\n";
      Text += Drop(Next(), ContinuationPrefix.size());
    }
  }
  void Value(std::string& Text, const char* Prefix) { Value(Text, Length(Prefix)); }
  std::string Value(std::size_t DropCount) {
    std::string Text;
    Value(Text, DropCount);
    return Text;
  }

  // Reads the lines of a whole-trip section up to its end tag, one record at
  // a time; empty lines are skipped. A record reader takes what it needs of
  // its first line before it reads on.
  template <class ReadRecord>
  void Section(const char* EndTag, ReadRecord&& Read) {
    for (std::string_view Line = Next(); Line != EndTag; Line = Next())
      if (!Line.empty()) (this->*Read)(Line);
  }

  // Reads records while the lines begin with a tab (a gear or recipe file).
  template <class ReadRecord>
  void TabbedRecords(ReadRecord&& Read) {
    while (!AtEnd() && StartsWithTab(FLines.Peek())) (this->*Read)(Next());
  }

  // Skips lines up to and including Tag; false when the file ends first.
  bool SkipPast(const char* Tag) {
    while (!AtEnd())
      if (Next() == Tag) return true;
    return false;
  }

  void NoteRecord(std::string_view Line) {
    const std::string Text = NameOf(Line, 1);
    const TParsedNote Note = ParseNoteLine(Text);
    // The data file holds a day and a month in a byte and a year in a word.
    if (Note.Day < 0 || Note.Day > 255 || Note.Month < 0 || Note.Month > 255 || Note.Year < 0 ||
        Note.Year > 65535)
      throw TExchangeFormatError("The note line \"[" + Text + "]\" has no valid date.");
    FStore.AddNote(FTrip, Note.Lines, Note.Day, Note.Month, Note.Year);
  }

  void GearRecord(std::string_view Line) {
    if (Line.size() < 2 || Line[1] != '\t') {
      FStore.AddGearCategory(FTrip, NameOf(Line, 1));
      return;
    }
    std::string Name = NameOf(Line, 2);
    const int Cat = FStore.GearCategoryCount(FTrip) - 1;
    if (Cat < 0) throw TExchangeFormatError("The gear item \"" + Name + "\" comes before any gear category.");
    TGearCategory Item;
    Item.Name = std::move(Name);
    std::string* Fields[6] = {&Item.Weight, &Item.Cost, &Item.Own, &Item.Necessity, &Item.Volume, &Item.Other};
    for (int f = 0; f < 6; ++f) Value(*Fields[f], GearFieldPrefixes[f]);
    FStore.GetGearCategory(FTrip, Cat).Items.push_back(std::make_unique<TGearCategory>(std::move(Item)));
  }

  void PlanRecord(std::string_view Line) {
    const std::string Name = NameOf(Line, 1);
    // The line after a plan's name is always its details line.
    FStore.AddPlan(FTrip, Name, Value(Length(PlanDetailsPrefix)));
  }

  void ShoppingRecord(std::string_view Line) {
    if (Line.size() < 2 || Line[1] != '\t') {
      FStore.AddShopingCategory(FTrip, NameOf(Line, 1));
      return;
    }
    std::string Name = NameOf(Line, 2);
    const int Cat = FStore.ShopingCategoryCount(FTrip) - 1;
    if (Cat < 0)
      throw TExchangeFormatError("The shopping item \"" + Name + "\" comes before any shopping category.");
    TShopingItem Item;
    Item.Name = std::move(Name);
    std::string* Fields[4] = {&Item.Price, &Item.Store, &Item.Weight, &Item.Other};
    for (int f = 0; f < 4; ++f) Value(*Fields[f], ShoppingFieldPrefixes[f]);
    FStore.GetShopingCategory(FTrip, Cat).Items.push_back(std::make_unique<TShopingItem>(std::move(Item)));
  }

  void RecipeRecord(std::string_view Line) {
    const std::string Name = NameOf(Line, 1);
    // The line after a recipe's name is always its procedure line, whatever
    // it begins with.
    FStore.AddRecipe(FTrip, Name, Value(2));
    TRecipe& Recipe = FStore.GetRecipe(FTrip, FStore.RecipeCount(FTrip) - 1);
    Next();  // the ingredients line
    // Ingredient lines begin with four tabs; a name line begins with a tab
    // and "[", whatever the name holds.
    while (!AtEnd() && FLines.Peek().substr(0, 4) == "\t\t\t\t") {
      Recipe.Ingredients.emplace_back();
      Value(Recipe.Ingredients.back(), IngredientPrefix);
    }
  }

  void ContactRecord(std::string_view Line) {
    FStore.AddContact(FTrip);
    TContact& Contact = FStore.GetContact(FTrip, FStore.ContactCount(FTrip) - 1);
    Contact.Name = NameOf(Line, 1);
    for (int f = 0; f < 10; ++f) Value(Contact.Field(f + 1), ContactFieldPrefixes[f]);
  }

  void PermitRecord(std::string_view Line) {
    FStore.AddPermit(FTrip, NameOf(Line, 1));
    TPermit& Permit = FStore.GetPermit(FTrip, FStore.PermitCount(FTrip) - 1);
    for (int f = 0; f < 6; ++f) Value(Permit.Field(f + 1), PermitFieldPrefixes[f]);
  }

  void Budget() { FStore.SetBudget(FTrip, Value(Length(BudgetPrefix))); }

 private:
  TTravelerData& FStore;
  int FTrip;
  TLineReader FLines;
};

}  // namespace

// ---- Note lines ----

int MonthFromName(const std::string& Name) {
  for (std::size_t i = 0; i < MonthNames.size(); ++i)
    if (MonthNames[i] == Name) return static_cast<int>(i) + 1;
  return 1;
}

namespace {

bool IsDigits(const std::string& Text) {
  if (Text.empty()) return false;
  for (char c : Text)
    if (c < '0' || c > '9') return false;
  return true;
}

}  // namespace

TParsedNote ParseNoteLine(const std::string& Text) {
  TParsedNote Note;
  std::string_view Rest = Text;
  // The text up to Separator (the date parts must be there), then Separator
  // and Skip more characters are dropped.
  const auto Take = [&Rest](char Separator, std::size_t Skip) {
    const std::size_t At = Rest.find(Separator);
    const std::string Part(At == std::string_view::npos ? std::string_view() : Rest.substr(0, At));
    Rest = At == std::string_view::npos ? std::string_view() : Drop(Rest, At + 1 + Skip);
    return Part;
  };
  Note.Day = IntegerOf(Take(' ', 0));
  // A month outside the calendar's twelve is written as its number.
  const std::string Month = Take(' ', 0);
  Note.Month = IsDigits(Month) && Month.size() <= 3 ? IntegerOf(Month) : MonthFromName(Month);
  Note.Year = IntegerOf(Take(',', 1));
  while (!Rest.empty()) {
    const std::size_t Comma = Rest.find(',');
    const std::string_view Piece = Rest.substr(0, Comma);
    if (!Piece.empty()) Note.Lines.emplace_back(Piece);
    Rest = Comma == std::string_view::npos ? std::string_view() : Drop(Rest, Comma + 2);
  }
  return Note;
}

// ---- Writing ----

std::string ExchangeText(const TTrip& Trip, const TExchangeSections& Sections) {
  TExchangeWriter Out;
  Out.Line(ExchangeFileHeader);
  Out.Value("Trip Name = ", Trip.Name);
  Out.Line("");
  if (Sections.Dates) {
    Out.Line(TagDates);
    for (const auto& Note : Trip.Notes) Out.Name("\t", NoteLine(*Note));
    Out.Line("");
  }
  if (Sections.GearList) {
    Out.Line(TagGear);
    for (const auto& Category : Trip.GearCategories) {
      Out.Name("\t", Category->Name);
      for (const auto& Item : Category->Items) {
        Out.Name("\t\t", Item->Name);
        const std::string* Fields[6] = {&Item->Weight, &Item->Cost, &Item->Own,
                                        &Item->Necessity, &Item->Volume, &Item->Other};
        for (int f = 0; f < 6; ++f) Out.Value(GearFieldPrefixes[f], *Fields[f]);
      }
    }
    Out.Line("");
  }
  if (Sections.TravelingPlans) {
    Out.Line(TagPlans);
    for (const auto& Plan : Trip.Plans) {
      Out.Name("\t", Plan->Name);
      Out.Value(PlanDetailsPrefix, Plan->Details);
    }
    Out.Line("");
  }
  if (Sections.Shopping) {
    Out.Line(TagShopping);
    for (const auto& Category : Trip.ShopingCategories) {
      Out.Name("\t", Category->Name);
      for (const auto& Item : Category->Items) {
        Out.Name("\t\t", Item->Name);
        const std::string* Fields[4] = {&Item->Price, &Item->Store, &Item->Weight, &Item->Other};
        for (int f = 0; f < 4; ++f) Out.Value(ShoppingFieldPrefixes[f], *Fields[f]);
      }
    }
    Out.Line("");
  }
  if (Sections.Recipes) {
    Out.Line(TagRecipes);
    for (const auto& Recipe : Trip.Recipes) {
      Out.Name("\t", Recipe->Name);
      Out.Value("\t\t", Recipe->Procedure);
      Out.Line(IngredientsLine);
      for (const auto& Ingredient : Recipe->Ingredients) Out.Value(IngredientPrefix, Ingredient);
    }
    Out.Line("");
  }
  if (Sections.Contacts) {
    Out.Line(TagContacts);
    for (const auto& Contact : Trip.Contacts) {
      Out.Name("\t", Contact->Name);
      for (int f = 0; f < 10; ++f) Out.Value(ContactFieldPrefixes[f], Contact->Field(f + 1));
    }
    Out.Line("");
  }
  if (Sections.ParkPermits) {
    Out.Line(TagPermits);
    for (const auto& Permit : Trip.Permits) {
      Out.Name("\t", Permit->ParkName);
      for (int f = 0; f < 6; ++f) Out.Value(PermitFieldPrefixes[f], Permit->Field(f + 1));
    }
    Out.Line("");
  }
  if (Sections.Budget) {
    Out.Line(TagBudget);
    Out.Value(BudgetPrefix, Trip.Budget);
  }
  return Out.Take();
}

void WriteExchangeFile(const std::string& FileName, TTravelerData& Store, int Trip,
                       const TExchangeSections& Sections) {
  const std::string Text = ExchangeText(Store.GetTrip(Trip), Sections);
  WriteFileAtomically(FileName, std::vector<std::uint8_t>(Text.begin(), Text.end()));
}

// ---- Reading ----

bool ReadTripFile(const std::string& FileName, TTravelerData& Store) {
  TExchangeReader In(FileName, Store, -1);
  if (In.AtEnd() || In.Next() != ExchangeFileHeader) return false;
  try {
    const std::string Name = In.Value(12);
    Store.AppendTrip();
    const int Trip = Store.TripCount() - 1;
    Store.GetTrip(Trip).Name = Name;
    In.SetTrip(Trip);
    In.Next();  // the empty line
    In.Next();  // the dates tag
    In.Section(TagGear, &TExchangeReader::NoteRecord);
    In.Section(TagPlans, &TExchangeReader::GearRecord);
    In.Section(TagShopping, &TExchangeReader::PlanRecord);
    In.Section(TagRecipes, &TExchangeReader::ShoppingRecord);
    In.Section(TagContacts, &TExchangeReader::RecipeRecord);
    In.Section(TagPermits, &TExchangeReader::ContactRecord);
    In.Section(TagBudget, &TExchangeReader::PermitRecord);
    In.Budget();
    // A further budget section sets the budget again.
    while (!In.AtEnd())
      if (In.Next() == TagBudget) In.Budget();
  } catch (const TEndOfFile&) {
    // The file ends here; what was read stays.
  }
  return true;
}

namespace {

template <class ReadRecord>
void ReadOneSection(const std::string& FileName, TTravelerData& Store, int Trip, const char* Tag,
                    ReadRecord Read) {
  Store.GetTrip(Trip);  // a trip must be selected
  TExchangeReader In(FileName, Store, Trip);
  if (In.AtEnd() || In.Next() != ExchangeFileHeader) return;
  if (!In.SkipPast(Tag)) return;
  try {
    In.TabbedRecords(Read);
  } catch (const TEndOfFile&) {
  }
}

}  // namespace

void ReadGearFile(const std::string& FileName, TTravelerData& Store, int Trip) {
  ReadOneSection(FileName, Store, Trip, TagGear, &TExchangeReader::GearRecord);
}

void ReadRecipeFile(const std::string& FileName, TTravelerData& Store, int Trip) {
  ReadOneSection(FileName, Store, Trip, TagRecipes, &TExchangeReader::RecipeRecord);
}
