#include "reports/core/ExchangeFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "store/ByteFile.h"
#include "store/DataFileFormat.h"
#include "store/MonthNames.h"
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

// A line longer than the reader takes: it is not read any further.
struct TLineTooLong {};

// The lines of a file, read in blocks so that a large file is never held
// whole. A line ends at LF; one CR before the LF is part of the line end.
// A view returned by Peek or Next stays valid until the next call. A line
// longer than the longest the reader is told to take is not read to its end:
// Peek and Next throw TLineTooLong, so that input without line ends (a device
// that never ends) costs no more than that.
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

  // The longest line, without its line end, that Peek and Next take.
  void SetLongestLine(std::size_t Length) { FLongest = Length; }

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
    ++FLineNumber;
    return Line;
  }

  // Whether the line last taken by Next ended with CR LF (or the file's end).
  bool LastEndedWithCrLf() const { return FLastEndedWithCrLf; }
  // The number of the line last taken by Next, counted from 1; 0 before it.
  std::size_t LineNumber() const { return FLineNumber; }

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
        if (FLength > FLongest) throw TLineTooLong();
        FNextStart = Feed + 1;
        FHaveLine = true;
        return true;
      }
      // One more byte than the longest line may be its CR.
      if (FEnd - FStart > FLongest + 1) throw TLineTooLong();
      Scanned = FEnd;
      if (FEndOfFile) {
        if (FStart == FEnd) return false;
        // The last line has no line end.
        FCrLf = true;
        FLength = FEnd - FStart;
        if (FLength > FLongest) throw TLineTooLong();
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
      if (Got < 0)
        throw TFileIOError("Could not read '" + FFileName + "' after line " + std::to_string(FLineNumber) + ": " +
                           std::strerror(errno));
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
  std::size_t FLongest = static_cast<std::size_t>(-2);
  std::size_t FLineNumber = 0;
  bool FHaveLine = false;
  bool FCrLf = false;
  bool FLastEndedWithCrLf = true;
  bool FEndOfFile = false;
};

// The longest lines a file that the data file can hold has: a field line is
// a prefix and a text; a note line holds the date and up to MaxNoteLines
// texts joined by ", ". Anything longer passes a limit of the data file.
constexpr std::size_t LongestPrefix = 64;
constexpr std::size_t LongestFieldLine = static_cast<std::size_t>(MaxTextBytes) + LongestPrefix;
constexpr std::size_t LongestNoteLine =
    static_cast<std::size_t>(MaxNoteLines) * (static_cast<std::size_t>(MaxTextBytes) + 2) + LongestPrefix;

const std::string ImportRefusal = "Cannot import the file: ";

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

bool Exceeds(std::size_t Count) { return Count > static_cast<std::size_t>(MaxListEntries); }
bool TooLong(const std::string& Text) { return Text.size() > static_cast<std::size_t>(MaxTextBytes); }

// Reads records into Imported, a trip of its own that the caller adds to the
// store once the whole file has been read. Into is the trip of the store they
// are for (null for a new trip): each list is checked, as it grows, against
// the data file's limits together with what Into holds, so that reading
// stops at the first record past a limit.
class TExchangeReader {
 public:
  TExchangeReader(const std::string& FileName, const TTravelerData& Store, int Trip, TTrip& Imported)
      : FStore(Store), FTrip(Trip), FInto(Trip >= 0 ? &Store.GetTrip(Trip) : nullptr), FImported(Imported),
        FLines(FileName) {}

  bool AtEnd() { return FLines.AtEnd(); }
  std::string_view Next() { return FLines.Next(); }
  std::size_t LineNumber() const { return FLines.LineNumber(); }
  void SetLongestLine(std::size_t Length) { FLines.SetLongestLine(Length); }

  // The value of the next line after DropCount characters, with its further
  // lines, into Text.
  void Value(std::string& Text, std::size_t DropCount) {
    Text = std::string(Drop(Next(), DropCount));
    while (!AtEnd() && IsContinuation(FLines.Peek())) {
      Text += FLines.LastEndedWithCrLf() ? "\r\n" : "\n";
      Text += Drop(Next(), ContinuationPrefix.size());
      if (TooLong(Text)) break;
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
  void Section(const char* Tag, const char* EndTag, ReadRecord&& Read) {
    FSection = Tag;
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

  // The tag of the section being read, or null before the first.
  const char* SectionTag() const { return FSection; }
  // The record being read, for a message: "the gear item \"Tent\"", or empty.
  const std::string& Record() const { return FRecord; }

  void NoteRecord(std::string_view Line) {
    const std::string Text = NameOf(Line, 1);
    TParsedNote Note = ParseNoteLine(Text);
    // The data file holds a day and a month in a byte and a year in a word.
    if (Note.Day < 0 || Note.Day > 255 || Note.Month < 0 || Note.Month > 255 || Note.Year < 0 ||
        Note.Year > 65535)
      throw TExchangeFormatError("The note line \"[" + Text + "]\" has no valid date.");
    auto& Added = *FImported.Notes.emplace_back(std::make_unique<TDayNote>());
    Added.Day = Note.Day;
    Added.Month = Note.Month;
    Added.Year = Note.Year;
    Added.Lines = std::move(Note.Lines);
    bool Fits = Added.Lines.size() <= static_cast<std::size_t>(MaxNoteLines) && !Exceeds(ListSize(&TTrip::Notes));
    for (const auto& NoteLine : Added.Lines) Fits = Fits && !TooLong(NoteLine);
    if (!Fits) FailLimit();
  }

  void GearRecord(std::string_view Line) {
    if (Line.size() < 2 || Line[1] != '\t') {
      FImported.GearCategories.emplace_back(std::make_unique<TGearCategory>())->Name = NameOf(Line, 1);
      if (Exceeds(ListSize(&TTrip::GearCategories)) || TooLong(FImported.GearCategories.back()->Name)) FailLimit();
      return;
    }
    std::string Name = NameOf(Line, 2);
    if (FImported.GearCategories.empty())
      throw TExchangeFormatError("The gear item \"" + Name + "\" comes before any gear category.");
    FRecord = "the gear item \"" + Name + "\"";
    auto& Items = FImported.GearCategories.back()->Items;
    TGearCategory& Item = *Items.emplace_back(std::make_unique<TGearCategory>());
    Item.Name = std::move(Name);
    std::string* Fields[6] = {&Item.Weight, &Item.Cost, &Item.Own, &Item.Necessity, &Item.Volume, &Item.Other};
    bool Fits = !Exceeds(Items.size()) && !TooLong(Item.Name);
    for (int f = 0; f < 6 && Fits; ++f) {
      Value(*Fields[f], GearFieldPrefixes[f]);
      Fits = !TooLong(*Fields[f]);
    }
    if (!Fits) FailLimit();
    FRecord.clear();
  }

  void PlanRecord(std::string_view Line) {
    TPlan& Plan = *FImported.Plans.emplace_back(std::make_unique<TPlan>());
    Plan.Name = NameOf(Line, 1);
    FRecord = "the logistics plan \"" + Plan.Name + "\"";
    // The line after a plan's name is always its details line.
    if (!TooLong(Plan.Name)) Value(Plan.Details, PlanDetailsPrefix);
    if (Exceeds(ListSize(&TTrip::Plans)) || TooLong(Plan.Name) || TooLong(Plan.Details)) FailLimit();
    FRecord.clear();
  }

  void ShoppingRecord(std::string_view Line) {
    if (Line.size() < 2 || Line[1] != '\t') {
      FImported.ShopingCategories.emplace_back(std::make_unique<TShopingCategory>())->Name = NameOf(Line, 1);
      if (Exceeds(ListSize(&TTrip::ShopingCategories)) || TooLong(FImported.ShopingCategories.back()->Name))
        FailLimit();
      return;
    }
    std::string Name = NameOf(Line, 2);
    if (FImported.ShopingCategories.empty())
      throw TExchangeFormatError("The shopping item \"" + Name + "\" comes before any shopping category.");
    FRecord = "the shopping item \"" + Name + "\"";
    auto& Items = FImported.ShopingCategories.back()->Items;
    TShopingItem& Item = *Items.emplace_back(std::make_unique<TShopingItem>());
    Item.Name = std::move(Name);
    std::string* Fields[4] = {&Item.Price, &Item.Store, &Item.Weight, &Item.Other};
    bool Fits = !Exceeds(Items.size()) && !TooLong(Item.Name);
    for (int f = 0; f < 4 && Fits; ++f) {
      Value(*Fields[f], ShoppingFieldPrefixes[f]);
      Fits = !TooLong(*Fields[f]);
    }
    if (!Fits) FailLimit();
    FRecord.clear();
  }

  void RecipeRecord(std::string_view Line) {
    TRecipe& Recipe = *FImported.Recipes.emplace_back(std::make_unique<TRecipe>());
    Recipe.Name = NameOf(Line, 1);
    FRecord = "the recipe \"" + Recipe.Name + "\"";
    if (Exceeds(ListSize(&TTrip::Recipes)) || TooLong(Recipe.Name)) FailLimit();
    // The line after a recipe's name is always its procedure line, whatever
    // it begins with.
    Value(Recipe.Procedure, 2);
    if (TooLong(Recipe.Procedure)) FailLimit();
    Next();  // the ingredients line
    FRecord.clear();
    // Ingredient lines begin with four tabs; a name line begins with a tab
    // and "[", whatever the name holds.
    while (!AtEnd() && FLines.Peek().substr(0, 4) == "\t\t\t\t") {
      Value(Recipe.Ingredients.emplace_back(), IngredientPrefix);
      if (Exceeds(Recipe.Ingredients.size()) || TooLong(Recipe.Ingredients.back())) FailLimit();
    }
  }

  void ContactRecord(std::string_view Line) {
    TContact& Contact = *FImported.Contacts.emplace_back(std::make_unique<TContact>());
    Contact.Name = NameOf(Line, 1);
    FRecord = "the contact \"" + Contact.Name + "\"";
    bool Fits = !Exceeds(ListSize(&TTrip::Contacts)) && !TooLong(Contact.Name);
    for (int f = 0; f < 10 && Fits; ++f) {
      Value(Contact.Field(f + 1), ContactFieldPrefixes[f]);
      Fits = !TooLong(Contact.Field(f + 1));
    }
    if (!Fits) FailLimit();
    FRecord.clear();
  }

  void PermitRecord(std::string_view Line) {
    TPermit& Permit = *FImported.Permits.emplace_back(std::make_unique<TPermit>());
    Permit.ParkName = NameOf(Line, 1);
    FRecord = "the park permit \"" + Permit.ParkName + "\"";
    bool Fits = !Exceeds(ListSize(&TTrip::Permits)) && !TooLong(Permit.ParkName);
    for (int f = 0; f < 6 && Fits; ++f) {
      Value(Permit.Field(f + 1), PermitFieldPrefixes[f]);
      Fits = !TooLong(Permit.Field(f + 1));
    }
    if (!Fits) FailLimit();
    FRecord.clear();
  }

  void TripName() {
    Value(FImported.Name, 12);
    if (TooLong(FImported.Name)) FailLimit();
  }

  void Budget() {
    FSection = TagBudget;
    Value(FImported.Budget, Length(BudgetPrefix));
    if (TooLong(FImported.Budget)) FailLimit();
  }

  // Throws the data file's message for the limit that what was read has
  // passed, with the line where it was passed.
  [[noreturn]] void FailLimit() const {
    std::string Message = ImportRefusal + "the data file cannot hold what line " + Line() + " adds.";
    try {
      CheckImportLimits(FStore, FTrip, FImported);
    } catch (const TFormatLimitError& Failure) {
      Message = Failure.what();
      if (Message.compare(0, ImportRefusal.size(), ImportRefusal) == 0)
        Message.insert(ImportRefusal.size(), "line " + Line() + ": ");
    }
    throw TFormatLimitError(Message);
  }

  // The limit message for a line longer than any the data file can give.
  [[noreturn]] void FailLongLine() const {
    throw TFormatLimitError(ImportRefusal + "line " + std::to_string(LineNumber() + 1) +
                            " is longer than any line a trip file can hold; the data file holds at most " +
                            std::to_string(MaxTextBytes) + " bytes in one text.");
  }

 private:
  std::string Line() const { return std::to_string(LineNumber()); }

  // The entries of a trip's list once what was read joins the trip's own.
  template <class List>
  std::size_t ListSize(List TTrip::*Member) const {
    return (FImported.*Member).size() + (FInto ? (FInto->*Member).size() : 0);
  }

  const TTravelerData& FStore;
  int FTrip;
  const TTrip* FInto;
  TTrip& FImported;
  TLineReader FLines;
  const char* FSection = nullptr;
  std::string FRecord;
};

// Adds the line of the failure to a format error's message.
[[noreturn]] void FailOnLine(const TExchangeReader& In, const TExchangeFormatError& Failure) {
  throw TExchangeFormatError("Line " + std::to_string(In.LineNumber()) + ": " + Failure.what());
}

// A whole-trip file that ends before its budget line was cut short; the
// message says where it ends.
[[noreturn]] void FailCutShort(const TExchangeReader& In) {
  const char* Section = In.SectionTag();
  std::string Where;
  if (Section == TagBudget) {
    Where = "before its budget line";
  } else {
    if (!In.Record().empty())
      Where = "inside " + In.Record() + " of its " + Section + " section, ";
    else if (Section)
      Where = "in its " + std::string(Section) + " section, ";
    Where += "before the " + std::string(TagBudget) + " section and budget line";
  }
  throw TExchangeFormatError("The file ends at line " + std::to_string(In.LineNumber()) + ", " + Where +
                             ": it is incomplete");
}

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
  TTrip Imported;
  TExchangeReader In(FileName, Store, -1, Imported);
  try {
    // Input whose first line is longer than the header is no exchange file.
    In.SetLongestLine(ExchangeFileHeader.size());
    if (In.AtEnd() || In.Next() != ExchangeFileHeader) return false;
  } catch (const TLineTooLong&) {
    return false;
  }
  CheckImportLimits(Store, -1, Imported);  // room for one more trip
  try {
    In.SetLongestLine(LongestFieldLine);
    In.TripName();
    In.Next();  // the empty line
    In.Next();  // the dates tag
    In.SetLongestLine(LongestNoteLine);
    In.Section(TagDates, TagGear, &TExchangeReader::NoteRecord);
    In.SetLongestLine(LongestFieldLine);
    In.Section(TagGear, TagPlans, &TExchangeReader::GearRecord);
    In.Section(TagPlans, TagShopping, &TExchangeReader::PlanRecord);
    In.Section(TagShopping, TagRecipes, &TExchangeReader::ShoppingRecord);
    In.Section(TagRecipes, TagContacts, &TExchangeReader::RecipeRecord);
    In.Section(TagContacts, TagPermits, &TExchangeReader::ContactRecord);
    In.Section(TagPermits, TagBudget, &TExchangeReader::PermitRecord);
    In.Budget();
    // A further budget section sets the budget again.
    while (!In.AtEnd())
      if (In.Next() == TagBudget) In.Budget();
  } catch (const TEndOfFile&) {
    FailCutShort(In);
  } catch (const TLineTooLong&) {
    In.FailLongLine();
  } catch (const TExchangeFormatError& Failure) {
    // A line that cannot be read and is the last of the file is a line cut
    // short, such as "[GEAR" read as a note line.
    if (In.AtEnd()) FailCutShort(In);
    FailOnLine(In, Failure);
  }
  CheckImportLimits(Store, -1, Imported);
  Store.AppendTrip();
  Store.GetTrip(Store.TripCount() - 1) = std::move(Imported);
  return true;
}

namespace {

// Reads the section Tag of a gear, recipe or whole-trip file into a trip of
// its own and hands it to Add once the section has been read whole.
template <class ReadRecord, class AddRecords>
void ReadOneSection(const std::string& FileName, TTravelerData& Store, int Trip, const char* Tag,
                    ReadRecord Read, AddRecords Add) {
  TTrip& Into = Store.GetTrip(Trip);  // a trip must be selected
  TTrip Imported;
  TExchangeReader In(FileName, Store, Trip, Imported);
  try {
    In.SetLongestLine(ExchangeFileHeader.size());
    if (In.AtEnd() || In.Next() != ExchangeFileHeader) return;
    // Lines before the section may be note lines of a whole-trip file.
    In.SetLongestLine(LongestNoteLine);
    if (!In.SkipPast(Tag)) return;
    In.SetLongestLine(LongestFieldLine);
    In.TabbedRecords(Read);
  } catch (const TEndOfFile&) {
    // Only a record cut short is an incomplete file; between records the end
    // of the file ends the section.
    throw TExchangeFormatError("The file ends at line " + std::to_string(In.LineNumber()) + ", inside " +
                               In.Record() + ": it is incomplete");
  } catch (const TLineTooLong&) {
    if (In.LineNumber() == 0) return;  // no header line
    In.FailLongLine();
  } catch (const TExchangeFormatError& Failure) {
    FailOnLine(In, Failure);
  }
  CheckImportLimits(Store, Trip, Imported);
  Add(Into, Imported);
}

template <class T>
void MoveAll(TOwnedList<T>& To, TOwnedList<T>& From) {
  To.reserve(To.size() + From.size());
  for (auto& Record : From) To.push_back(std::move(Record));
}

}  // namespace

void ReadGearFile(const std::string& FileName, TTravelerData& Store, int Trip) {
  ReadOneSection(FileName, Store, Trip, TagGear, &TExchangeReader::GearRecord,
                 [](TTrip& Into, TTrip& Imported) { MoveAll(Into.GearCategories, Imported.GearCategories); });
}

void ReadRecipeFile(const std::string& FileName, TTravelerData& Store, int Trip) {
  ReadOneSection(FileName, Store, Trip, TagRecipes, &TExchangeReader::RecipeRecord,
                 [](TTrip& Into, TTrip& Imported) { MoveAll(Into.Recipes, Imported.Recipes); });
}
