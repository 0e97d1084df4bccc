#include "reports/core/RtfReader.h"

#include <algorithm>
#include <climits>
#include <map>
#include <memory>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "reports/core/RtfCodePage.h"
#include "reports/core/RtfSymbolFont.h"
#include "store/TextBytes.h"

namespace {

// Groups nested deeper than this are read as part of their parent, so that
// a flood of braces cannot exhaust memory.
constexpr std::size_t MaxGroupDepth = 256;
// RTF allows control words of up to 32 letters; longer ones are cut.
constexpr std::size_t MaxWordLength = 32;
// Digits of a parameter beyond these are read but not counted.
constexpr int MaxParameterDigits = 10;
// Font sizes in half points that a format may have.
constexpr int SmallestHalfPoints = 2;
constexpr int LargestHalfPoints = 3276;
constexpr int DefaultHalfPoints = 24;

enum class TDestination { Text, Skip, FontTable, ColorTable };

// Character properties as the file sets them; font and colour stay table
// indices until a run is made.
struct TCharState {
  int Font = -1;  // -1: the document's default font
  int HalfPoints = DefaultHalfPoints;
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  int Color = 0;

  bool operator==(const TCharState& Other) const {
    return Font == Other.Font && HalfPoints == Other.HalfPoints && Bold == Other.Bold &&
           Italic == Other.Italic && Underline == Other.Underline && Color == Other.Color;
  }
  bool operator!=(const TCharState& Other) const { return !(*this == Other); }
};

struct TParagraphState {
  TRtfAlignment Alignment = TRtfAlignment::Left;
  int LeftIndent = 0;
  int FirstLineIndent = 0;
  std::vector<int> TabStops;
  bool InTable = false;  // \intbl
};

struct TGroupState {
  TCharState Char;
  TParagraphState Paragraph;
  TDestination Destination = TDestination::Text;
  int UnicodeSkip = 1;  // \ucN: fallback characters after each \uN
  // In \nesttableprops: row definitions there are a nested table's.
  bool NestedTableProperties = false;
};

struct TFontEntry {
  std::u16string Name;
  TRtfFontFamily Family = TRtfFontFamily::Nil;
  int CodePage = -1;  // -1: the document's
  bool Symbol = false;
};

struct TColorEntry {
  bool HasColor = false;
  TRtfColor Color;
};

enum class TWord {
  FontTable,
  ColorTable,
  SkipDestination,
  ListText,
  DefaultFont,
  Font,
  FontSize,
  Charset,
  FontCodePage,
  DocumentCodePage,
  Bold,
  Italic,
  Underline,
  UnderlineNone,
  Color,
  Plain,
  ParagraphDefaults,
  Align,
  LeftIndent,
  FirstLineIndent,
  TabStop,
  InTable,
  Paragraph,
  Cell,
  Row,
  NestedCell,
  NestedRow,
  NestedTableProperties,
  RowDefaults,
  RowLeft,
  CellEdge,
  CellBorder,
  BorderWidth,
  BorderStyle,
  BorderNone,
  OtherBorder,
  LineBreak,
  Tab,
  Unicode,
  UnicodeSkip,
  Binary,
  Red,
  Green,
  Blue,
  FontFamily,
  Symbol
};

struct TWordInfo {
  TWord Kind;
  // The family of a font family word, the character of a symbol word, the
  // alignment of an alignment word, the code page of a code page word, the
  // side of a border word.
  int Value = 0;
};

const std::unordered_map<std::string_view, TWordInfo>& KnownWords() {
  static const std::unordered_map<std::string_view, TWordInfo> Words = [] {
    std::unordered_map<std::string_view, TWordInfo> Map = {
        {"fonttbl", {TWord::FontTable}},
        {"colortbl", {TWord::ColorTable}},
        {"listtext", {TWord::ListText}},
        {"pntext", {TWord::ListText}},
        {"deff", {TWord::DefaultFont}},
        {"f", {TWord::Font}},
        {"fs", {TWord::FontSize}},
        {"fcharset", {TWord::Charset}},
        {"cpg", {TWord::FontCodePage}},
        {"ansicpg", {TWord::DocumentCodePage}},
        {"ansi", {TWord::DocumentCodePage, DefaultRtfCodePage}},
        {"mac", {TWord::DocumentCodePage, MacRomanCodePage}},
        {"pc", {TWord::DocumentCodePage, 437}},
        {"pca", {TWord::DocumentCodePage, 850}},
        {"b", {TWord::Bold}},
        {"i", {TWord::Italic}},
        {"ulnone", {TWord::UnderlineNone}},
        {"cf", {TWord::Color}},
        {"plain", {TWord::Plain}},
        {"pard", {TWord::ParagraphDefaults}},
        {"ql", {TWord::Align, static_cast<int>(TRtfAlignment::Left)}},
        {"qc", {TWord::Align, static_cast<int>(TRtfAlignment::Center)}},
        {"qr", {TWord::Align, static_cast<int>(TRtfAlignment::Right)}},
        {"qj", {TWord::Align, static_cast<int>(TRtfAlignment::Justify)}},
        {"li", {TWord::LeftIndent}},
        {"fi", {TWord::FirstLineIndent}},
        {"tx", {TWord::TabStop}},
        {"intbl", {TWord::InTable}},
        {"par", {TWord::Paragraph}},
        {"sect", {TWord::Paragraph}},
        {"page", {TWord::Paragraph}},
        {"nestcell", {TWord::NestedCell}},
        {"nestrow", {TWord::NestedRow}},
        {"nesttableprops", {TWord::NestedTableProperties}},
        {"cell", {TWord::Cell}},
        {"row", {TWord::Row}},
        {"trowd", {TWord::RowDefaults}},
        {"trleft", {TWord::RowLeft}},
        {"cellx", {TWord::CellEdge}},
        {"clbrdrt", {TWord::CellBorder, RtfTop}},
        {"clbrdrl", {TWord::CellBorder, RtfLeft}},
        {"clbrdrb", {TWord::CellBorder, RtfBottom}},
        {"clbrdrr", {TWord::CellBorder, RtfRight}},
        {"brdrw", {TWord::BorderWidth}},
        {"brdrnone", {TWord::BorderNone}},
        {"brdrnil", {TWord::BorderNone}},
        {"line", {TWord::LineBreak}},
        {"tab", {TWord::Tab}},
        {"u", {TWord::Unicode}},
        {"uc", {TWord::UnicodeSkip}},
        {"bin", {TWord::Binary}},
        {"red", {TWord::Red}},
        {"green", {TWord::Green}},
        {"blue", {TWord::Blue}},
        {"fnil", {TWord::FontFamily, static_cast<int>(TRtfFontFamily::Nil)}},
        {"froman", {TWord::FontFamily, static_cast<int>(TRtfFontFamily::Roman)}},
        {"fswiss", {TWord::FontFamily, static_cast<int>(TRtfFontFamily::Swiss)}},
        {"fmodern", {TWord::FontFamily, static_cast<int>(TRtfFontFamily::Modern)}},
        {"fscript", {TWord::FontFamily, static_cast<int>(TRtfFontFamily::Script)}},
        {"fdecor", {TWord::FontFamily, static_cast<int>(TRtfFontFamily::Decor)}},
        {"ftech", {TWord::FontFamily, static_cast<int>(TRtfFontFamily::Tech)}},
        {"lquote", {TWord::Symbol, 0x2018}},
        {"rquote", {TWord::Symbol, 0x2019}},
        {"ldblquote", {TWord::Symbol, 0x201C}},
        {"rdblquote", {TWord::Symbol, 0x201D}},
        {"bullet", {TWord::Symbol, 0x2022}},
        {"endash", {TWord::Symbol, 0x2013}},
        {"emdash", {TWord::Symbol, 0x2014}},
        {"enspace", {TWord::Symbol, 0x2002}},
        {"emspace", {TWord::Symbol, 0x2003}},
        {"qmspace", {TWord::Symbol, 0x2005}},
    };
    for (std::string_view Word : {"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulth", "ulw", "ulwave"})
      Map.insert({Word, {TWord::Underline}});
    // Borders of rows and paragraphs: the border words after them are not
    // the cell's.
    for (std::string_view Word : {"trbrdrt", "trbrdrl", "trbrdrb", "trbrdrr", "trbrdrh", "trbrdrv", "brdrt",
                                  "brdrl", "brdrb", "brdrr", "box", "brdrbar", "brdrbtw"})
      Map.insert({Word, {TWord::OtherBorder}});
    // Border styles: a border is drawn when its side names one.
    for (std::string_view Word : {"brdrs", "brdrth", "brdrsh", "brdrdb", "brdrdot", "brdrdash", "brdrhair",
                                  "brdrinset", "brdroutset", "brdrtriple", "brdrdashsm", "brdrdashd",
                                  "brdrdashdd", "brdrwavy", "brdrengrave", "brdremboss"})
      Map.insert({Word, {TWord::BorderStyle}});
    // Destinations whose text is not part of the document.
    for (std::string_view Word :
         {"stylesheet", "info", "pict", "object", "header", "headerl", "headerr", "headerf", "footer",
          "footerl", "footerr", "footerf", "footnote", "fldinst", "xe", "tc", "listtable", "listoverridetable",
          "revtbl", "rsidtbl", "filetbl", "generator", "themedata", "colorschememapping", "latentstyles",
          "datastore", "xmlnstbl", "nonesttables", "pgdsctbl"})
      Map.insert({Word, {TWord::SkipDestination}});
    return Map;
  }();
  return Words;
}

bool IsLetter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }

int HexValue(unsigned char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Characters a run may hold: no control characters but the tab, and none
// that an editor would take for a paragraph or frame boundary.
bool IsRunCharacter(char16_t c) {
  if (c < 0x20) return c == u'\t';
  return c != u'\u2029' && c != u'\uFDD0' && c != u'\uFDD1';
}

// Characters a symbol font places in the private use area.
constexpr char16_t FirstSymbolArea = 0xF000;
constexpr char16_t LastSymbolArea = 0xF0FF;

std::u16string TrimSpaces(const std::u16string& Text) {
  const auto First = Text.find_first_not_of(u' ');
  if (First == std::u16string::npos) return std::u16string();
  const auto Last = Text.find_last_not_of(u' ');
  return Text.substr(First, Last - First + 1);
}

int Length(int Twips) { return std::clamp(Twips, -RtfLargestLength, RtfLargestLength); }

class TRtfParser {
 public:
  // Reads Bytes from Start, the brace that opens the document.
  TRtfParser(const std::string& Bytes, std::size_t Start) : FBytes(Bytes), FPos(Start) {}

  TRtfDocument Parse() {
    FStack.push_back(TGroupState());  // outside every group
    while (FPos < FBytes.size() && !FFinished) Step();
    if (!FFinished) FinishDocument();
    return std::move(FDocument);
  }

 private:
  unsigned char Byte(std::size_t At) const { return static_cast<unsigned char>(FBytes[At]); }
  TGroupState& Top() { return FStack.back(); }
  bool InText() { return Top().Destination == TDestination::Text; }

  void Step() {
    const bool AtGroupStart = FGroupOpened;
    FGroupOpened = false;
    const unsigned char c = Byte(FPos++);
    if (FSkipFromExtraDepth > 0) {
      StepInSkippedDeepGroup(c);
      return;
    }
    switch (c) {
      case '{':
        FlushBytes();
        OpenGroup();
        break;
      case '}':
        FlushBytes();
        CloseGroup();
        break;
      case '\\':
        Control(AtGroupStart);
        break;
      case '\r':
      case '\n':
        break;
      default:
        if (c == '\t' || c >= 0x20) TextByte(c);
        break;
    }
  }

  // Inside an optional destination opened past the depth limit nothing is
  // read: only the groups are counted, so that the text after it is.
  void StepInSkippedDeepGroup(unsigned char c) {
    if (c == '{') {
      ++FExtraDepth;
    } else if (c == '}') {
      if (FExtraDepth == FSkipFromExtraDepth) FSkipFromExtraDepth = 0;
      --FExtraDepth;
    } else if (c == '\\' && FPos < FBytes.size()) {
      const unsigned char Next = Byte(FPos);
      if (Next == '{' || Next == '}' || Next == '\\') ++FPos;
    }
  }

  void OpenGroup() {
    FPendingSkip = 0;
    FGroupOpened = true;
    if (FStack.size() > MaxGroupDepth) {
      ++FExtraDepth;
      return;
    }
    FStack.push_back(Top());
  }

  void CloseGroup() {
    FPendingSkip = 0;
    if (FExtraDepth > 0) {
      --FExtraDepth;
      return;
    }
    if (Top().Destination == TDestination::FontTable) CommitFont();
    if (FStack.size() <= 2) {
      // The document's own group ends: the rest of the bytes are not read.
      FinishDocument();
      return;
    }
    if (FListTextDepth == FStack.size()) EndListText();
    FStack.pop_back();
  }

  // The byte after a backslash; AtGroupStart when the backslash opens a group.
  void Control(bool AtGroupStart) {
    if (FPos >= FBytes.size()) return;
    const unsigned char c = Byte(FPos);
    if (c == '\'') {
      ++FPos;
      HexEscape();
      return;
    }
    FlushBytes();
    if (IsLetter(c)) {
      ControlWord();
      return;
    }
    ++FPos;
    switch (c) {
      case '*':
        FPendingSkip = 0;
        // "{\*\word": an optional destination. None of those this reader
        // knows is marked so; a star anywhere else means nothing.
        // Past the depth limit a group has no state of its own: the
        // skipped group is remembered by its depth instead.
        if (AtGroupStart && FExtraDepth > 0)
          FSkipFromExtraDepth = FExtraDepth;
        else if (AtGroupStart)
          Top().Destination = TDestination::Skip;
        break;
      case '\\':
      case '{':
      case '}':
        EscapedCharacter(c);
        break;
      case '~':
        EscapedCharacter(u'\u00A0');
        break;
      case '_':
        EscapedCharacter(u'-');
        break;
      case '\r':
      case '\n':
        FPendingSkip = 0;
        EndParagraph();
        break;
      default:  // \- (optional hyphen) and unknown symbols
        break;
    }
  }

  void HexEscape() {
    if (FPos + 2 > FBytes.size()) return;
    const int High = HexValue(Byte(FPos));
    const int Low = HexValue(Byte(FPos + 1));
    if (High < 0 || Low < 0) return;
    FPos += 2;
    TextByte(static_cast<unsigned char>(High * 16 + Low));
  }

  // A fallback character after \uN is skipped.
  bool TakeFallback() {
    if (FPendingSkip == 0) return false;
    --FPendingSkip;
    return true;
  }

  void EscapedCharacter(char16_t c) {
    if (!TakeFallback()) Character(c);
  }

  // A byte of text in the code page of the current font; bytes are
  // gathered until something else comes, as a character may take two.
  void TextByte(unsigned char c) {
    if (TakeFallback() || Top().Destination == TDestination::Skip) return;
    if (c < 0x80 && FPendingBytes.empty() && !CurrentFont().Symbol) {
      Character(c);
      return;
    }
    FPendingBytes += static_cast<char>(c);
  }

  void FlushBytes() {
    if (FPendingBytes.empty()) return;
    FDecoded.clear();
    const TFontEntry& Font = CurrentFont();
    if (Font.Symbol) {
      const TSymbolFont Kind = SymbolFontOf(Font.Name);
      for (char c : FPendingBytes) FDecoded += SymbolText(Kind, static_cast<std::uint8_t>(c));
    } else {
      CodePage(Font.CodePage >= 0 ? Font.CodePage : FDocumentCodePage).Decode(FPendingBytes, FDecoded);
    }
    FPendingBytes.clear();
    for (char16_t c : FDecoded) Character(c);
  }

  static char16_t SymbolText(TSymbolFont Kind, std::uint8_t Code) {
    const char16_t Known = SymbolCharacter(Kind, Code);
    return Known ? Known : static_cast<char16_t>(0xF000 + Code);
  }

  const TRtfCodePage& CodePage(int Number) {
    const TRtfCodePage*& Page = FCodePages[Number];
    if (!Page) Page = &RtfCodePage(Number);
    return *Page;
  }

  // The font that text bytes are read in: the entry being defined in the
  // font table, else the font of the text.
  const TFontEntry& CurrentFont() {
    if (Top().Destination == TDestination::FontTable) {
      FTableFont.CodePage = FFontCodePage >= 0 ? FFontCodePage : CodePageOfCharset(FFontCharset);
      // Font names are in a code page, also those of symbol fonts.
      return FTableFont;
    }
    const int Index = Top().Char.Font >= 0 ? Top().Char.Font : FDefaultFont;
    if (!FCachedFont || Index != FCachedFontIndex) {
      const auto Found = FFonts.find(Index);
      FCachedFont = Found != FFonts.end() ? &Found->second : &FNoFont;
      FCachedFontIndex = Index;
    }
    return *FCachedFont;
  }

  void ControlWord() {
    const std::size_t Start = FPos;
    while (FPos < FBytes.size() && IsLetter(Byte(FPos))) ++FPos;
    const std::string_view Word(FBytes.data() + Start, std::min(FPos - Start, MaxWordLength));
    bool HasParameter = false;
    long long Parameter = 0;
    bool Negative = false;
    if (FPos + 1 < FBytes.size() && Byte(FPos) == '-' && IsDigit(Byte(FPos + 1))) {
      Negative = true;
      ++FPos;
    }
    int Digits = 0;
    while (FPos < FBytes.size() && IsDigit(Byte(FPos))) {
      if (Digits++ < MaxParameterDigits) Parameter = Parameter * 10 + (Byte(FPos) - '0');
      HasParameter = true;
      ++FPos;
    }
    if (FPos < FBytes.size() && Byte(FPos) == ' ') ++FPos;
    Parameter = std::clamp<long long>(Negative ? -Parameter : Parameter, INT_MIN, INT_MAX);
    const auto Found = KnownWords().find(Word);
    if (Found == KnownWords().end()) {
      FPendingSkip = 0;
      return;
    }
    Apply(Found->second, HasParameter, static_cast<int>(Parameter));
  }

  void Apply(const TWordInfo& Info, bool HasParameter, int Parameter) {
    if (Info.Kind != TWord::Symbol) FPendingSkip = 0;
    TGroupState& State = Top();
    if (State.Destination == TDestination::Text && FormatsText(Info.Kind)) FParagraphTouched = true;
    const bool On = !HasParameter || Parameter != 0;
    const int Value = HasParameter ? Parameter : 0;
    // Row definitions count in the text only, not in nested table
    // properties or skipped groups.
    if (DefinesRow(Info.Kind) && (!InText() || State.NestedTableProperties)) return;
    switch (Info.Kind) {
      case TWord::FontTable:
        State.Destination = TDestination::FontTable;
        break;
      case TWord::ColorTable:
        State.Destination = TDestination::ColorTable;
        break;
      case TWord::SkipDestination:
        State.Destination = TDestination::Skip;
        break;
      case TWord::ListText:
        if (State.Destination == TDestination::Text && FListTextDepth == 0) BeginListText();
        break;
      case TWord::DefaultFont:
        FDefaultFont = Value;
        FCachedFont = nullptr;
        break;
      case TWord::Font:
        if (State.Destination == TDestination::FontTable)
          FFontIndex = Value;
        else
          State.Char.Font = Value;
        break;
      case TWord::FontFamily:
        if (State.Destination == TDestination::FontTable)
          FFontFamily = static_cast<TRtfFontFamily>(Info.Value);
        break;
      case TWord::Charset:
        if (State.Destination == TDestination::FontTable) FFontCharset = Value;
        break;
      case TWord::FontCodePage:
        if (State.Destination == TDestination::FontTable) FFontCodePage = Value > 0 ? Value : -1;
        break;
      case TWord::DocumentCodePage:
        if (Info.Value != DefaultRtfCodePage || !FDocumentCodePageSet) {
          FDocumentCodePage = Info.Value ? Info.Value : (Value > 0 ? Value : DefaultRtfCodePage);
          FDocumentCodePageSet = Info.Value == 0;
          FCachedFont = nullptr;
        }
        break;
      case TWord::FontSize:
        State.Char.HalfPoints =
            HasParameter ? std::clamp(Parameter, SmallestHalfPoints, LargestHalfPoints) : DefaultHalfPoints;
        break;
      case TWord::Bold:
        State.Char.Bold = On;
        break;
      case TWord::Italic:
        State.Char.Italic = On;
        break;
      case TWord::Underline:
        State.Char.Underline = On;
        break;
      case TWord::UnderlineNone:
        State.Char.Underline = false;
        break;
      case TWord::Color:
        State.Char.Color = Value;
        break;
      case TWord::Plain:
        State.Char = TCharState();
        break;
      case TWord::ParagraphDefaults:
        State.Paragraph = TParagraphState();
        break;
      case TWord::Align:
        State.Paragraph.Alignment = static_cast<TRtfAlignment>(Info.Value);
        break;
      case TWord::LeftIndent:
        State.Paragraph.LeftIndent = Length(Value);
        break;
      case TWord::FirstLineIndent:
        State.Paragraph.FirstLineIndent = Length(Value);
        break;
      case TWord::TabStop:
        AddTabStop(State.Paragraph.TabStops, Value);
        break;
      case TWord::InTable:
        State.Paragraph.InTable = On;
        break;
      case TWord::Paragraph:
        EndParagraph();
        break;
      case TWord::Cell:
        EndCell();
        break;
      case TWord::Row:
        EndRow();
        break;
      case TWord::NestedCell:
        EndParagraph();
        break;
      case TWord::NestedRow:
        if (!FRuns.empty()) EndParagraph();
        break;
      case TWord::NestedTableProperties:
        NestedTablePropertiesGroup();
        break;
      case TWord::RowDefaults:
        FRowDefinition.clear();
        FCellDefinition = TRtfCell();
        FRowLeft = 0;
        FBorderSide = -1;
        break;
      case TWord::RowLeft:
        FRowLeft = Length(Value);
        break;
      case TWord::CellEdge:
        DefineCell(Value);
        break;
      case TWord::CellBorder:
        FBorderSide = Info.Value;
        break;
      case TWord::BorderStyle:
        if (FBorderSide >= 0 && FCellDefinition.Borders[FBorderSide] == 0)
          FCellDefinition.Borders[FBorderSide] = DefaultBorderWidth;
        break;
      case TWord::BorderWidth:
        if (FBorderSide >= 0) FCellDefinition.Borders[FBorderSide] = std::clamp(Value, 1, RtfWidestBorder);
        break;
      case TWord::BorderNone:
        if (FBorderSide >= 0) FCellDefinition.Borders[FBorderSide] = 0;
        FBorderSide = -1;
        break;
      case TWord::OtherBorder:
        FBorderSide = -1;
        break;
      case TWord::LineBreak:
        Character(RtfLineBreak);
        break;
      case TWord::Tab:
        Character(u'\t');
        break;
      case TWord::Unicode:
        if (HasParameter && Parameter >= -32768 && Parameter <= 65535) {
          UnicodeCharacter(static_cast<char16_t>(Parameter < 0 ? Parameter + 65536 : Parameter));
          FPendingSkip = State.UnicodeSkip;
        }
        break;
      case TWord::UnicodeSkip:
        State.UnicodeSkip = HasParameter ? std::clamp(Parameter, 0, 16) : 1;
        break;
      case TWord::Binary:
        FPos += std::min<std::size_t>(FBytes.size() - FPos, HasParameter && Parameter > 0 ? Parameter : 0);
        break;
      case TWord::Red:
        SetColorPart(FColor.Red, Parameter);
        break;
      case TWord::Green:
        SetColorPart(FColor.Green, Parameter);
        break;
      case TWord::Blue:
        SetColorPart(FColor.Blue, Parameter);
        break;
      case TWord::Symbol:
        EscapedCharacter(static_cast<char16_t>(Info.Value));
        break;
    }
  }

  // A nested table is read as the paragraphs of its cells, in the cell of
  // the table around it. Some writers put the cells' text in the group of
  // the nested row's properties, marked \* as an optional destination: that
  // text is read as well; the row's definition there is not the outer
  // row's.
  void NestedTablePropertiesGroup() {
    TGroupState& State = Top();
    State.NestedTableProperties = true;
    if (State.Destination == TDestination::Skip && FExtraDepth == 0 && FStack.size() > 1)
      State.Destination = FStack[FStack.size() - 2].Destination;
  }

  // Words that set what a paragraph or its text looks like.
  static bool FormatsText(TWord Kind) {
    switch (Kind) {
      case TWord::Font:
      case TWord::FontSize:
      case TWord::Bold:
      case TWord::Italic:
      case TWord::Underline:
      case TWord::UnderlineNone:
      case TWord::Color:
      case TWord::Plain:
      case TWord::ParagraphDefaults:
      case TWord::Align:
      case TWord::LeftIndent:
      case TWord::FirstLineIndent:
      case TWord::TabStop:
        return true;
      default:
        return false;
    }
  }

  static bool DefinesRow(TWord Kind) {
    switch (Kind) {
      case TWord::RowDefaults:
      case TWord::RowLeft:
      case TWord::CellEdge:
      case TWord::CellBorder:
      case TWord::BorderStyle:
      case TWord::BorderWidth:
      case TWord::BorderNone:
      case TWord::OtherBorder:
        return true;
      default:
        return false;
    }
  }

  static void AddTabStop(std::vector<int>& Stops, int Position) {
    Position = std::clamp(Position, 0, RtfLargestLength);
    const auto At = std::lower_bound(Stops.begin(), Stops.end(), Position);
    if ((At == Stops.end() || *At != Position) && Stops.size() < RtfMostTabStops) Stops.insert(At, Position);
  }

  // A character of a symbol font placed in the private use area is put
  // where Unicode has it.
  void UnicodeCharacter(char16_t c) {
    if (c >= FirstSymbolArea && c <= LastSymbolArea && CurrentFont().Symbol)
      c = SymbolText(SymbolFontOf(CurrentFont().Name), static_cast<std::uint8_t>(c - 0xF000));
    Character(c);
  }

  void SetColorPart(std::uint8_t& Part, int Value) {
    Part = static_cast<std::uint8_t>(std::clamp(Value, 0, 255));
    FColorSeen = true;
  }

  // A character of text, or of a table entry.
  void Character(char16_t c) {
    switch (Top().Destination) {
      case TDestination::Text:
        AppendToRun(c);
        break;
      case TDestination::FontTable:
        if (c == u';')
          CommitFont();
        else if (IsRunCharacter(c))
          FFontName += c;
        break;
      case TDestination::ColorTable:
        if (c == u';') CommitColor();
        break;
      case TDestination::Skip:
        break;
    }
  }

  void CommitFont() {
    if (FFontIndex >= 0 || !FFontName.empty()) {
      const int Index = FFontIndex >= 0 ? FFontIndex : static_cast<int>(FFonts.size());
      TFontEntry& Entry = FFonts[Index];
      Entry.Name = TrimSpaces(FFontName);
      Entry.Family = FFontFamily;
      Entry.CodePage = FFontCodePage >= 0 ? FFontCodePage : CodePageOfCharset(FFontCharset);
      Entry.Symbol = FFontCharset == SymbolCharset;
    }
    FFontIndex = -1;
    FFontName.clear();
    FFontFamily = TRtfFontFamily::Nil;
    FFontCharset = -1;
    FFontCodePage = -1;
    FCachedFont = nullptr;
  }

  void CommitColor() {
    FColors.push_back({FColorSeen, FColor});
    FColor = TRtfColor();
    FColorSeen = false;
  }

  TRtfCharFormat Resolve(const TCharState& State) const {
    TRtfCharFormat Format;
    auto Font = FFonts.find(State.Font >= 0 ? State.Font : FDefaultFont);
    // Symbol fonts have been read as the Unicode characters they show.
    if (Font != FFonts.end() && Font->second.Symbol) Font = FFonts.find(FDefaultFont);
    if (Font != FFonts.end() && !Font->second.Symbol) {
      Format.FontName = Font->second.Name;
      Format.FontFamily = Font->second.Family;
    }
    Format.HalfPoints = State.HalfPoints;
    Format.Bold = State.Bold;
    Format.Italic = State.Italic;
    Format.Underline = State.Underline;
    if (State.Color >= 0 && static_cast<std::size_t>(State.Color) < FColors.size() &&
        FColors[static_cast<std::size_t>(State.Color)].HasColor) {
      Format.HasColor = true;
      Format.Color = FColors[static_cast<std::size_t>(State.Color)].Color;
    }
    return Format;
  }

  void AppendToRun(char16_t c) {
    if (!IsRunCharacter(c)) return;
    FParagraphTouched = true;
    const TCharState& State = Top().Char;
    if (FRuns.empty() || !FRunStateValid || State != FRunState) {
      TRtfCharFormat Format = Resolve(State);
      if (FRuns.empty() || Format != FRuns.back().Format)
        FRuns.push_back({std::u16string(), std::move(Format)});
      FRunState = State;
      FRunStateValid = true;
    }
    FRuns.back().Text += c;
  }

  // List text (\listtext, \pntext) is the bullet or number a word processor
  // puts before a list item, and the tab to the item's indent. List text
  // without a bullet or number is left out.
  void BeginListText() {
    FListTextDepth = FStack.size();
    FListRun = FRuns.size();
    FListOffset = FRuns.empty() ? 0 : FRuns.back().Text.size();
    if (FListOffset > 0) --FListRun;
  }

  void EndListText() {
    FListTextDepth = 0;
    bool Visible = false;
    for (std::size_t i = FListRun; i < FRuns.size(); ++i)
      for (std::size_t k = i == FListRun ? FListOffset : 0; k < FRuns[i].Text.size(); ++k) {
        char16_t& c = FRuns[i].Text[k];
        if (c >= FirstSymbolArea && c <= LastSymbolArea) c = u'\u2022';
        if (c != u' ' && c != u'\t' && c != u'\u00A0') Visible = true;
      }
    if (Visible || FListRun >= FRuns.size()) return;
    FRuns[FListRun].Text.resize(FListOffset);
    FRuns.resize(FListOffset > 0 ? FListRun + 1 : FListRun);
    FRunStateValid = false;
  }

  void EndParagraph() {
    if (!InText()) return;
    // A row that the file leaves without \row ends where the table does.
    if (!Top().Paragraph.InTable && !FRowCells.empty()) CloseRow();
    PushParagraph();
    if (!Top().Paragraph.InTable) FCellStart = FDocument.Paragraphs.size();
  }

  void DefineCell(int RightEdge) {
    const long long Left = FRowDefinition.empty() ? FRowLeft : FRowEdge;
    FCellDefinition.Width = static_cast<int>(std::clamp<long long>(RightEdge - Left, 1, RtfLargestLength));
    FRowDefinition.push_back(FCellDefinition);
    FRowEdge = RightEdge;
    FCellDefinition = TRtfCell();
    FBorderSide = -1;
  }

  void EndCell() {
    if (!InText()) return;
    PushParagraph();
    if (FRowCells.size() >= MaxCellsInRow) {
      // Cells past the most a row may have join the last one.
      FRowCells.back().ParagraphCount += FDocument.Paragraphs.size() - FCellStart;
      FCellStart = FDocument.Paragraphs.size();
      return;
    }
    TRtfCell Cell;
    Cell.ParagraphCount = FDocument.Paragraphs.size() - FCellStart;
    FRowCells.push_back(Cell);
    FCellStart = FDocument.Paragraphs.size();
  }

  void EndRow() {
    if (!InText()) return;
    // Text after the last cell of a row makes a cell of its own.
    if (!FRuns.empty()) EndCell();
    if (!FRowCells.empty()) CloseRow();
  }

  // The cells take their widths and borders from the row definition in
  // force at the row's end: Word repeats it after the last cell.
  void CloseRow() {
    std::size_t Count = 0;
    for (std::size_t i = 0; i < FRowCells.size(); ++i) {
      TRtfCell& Cell = FRowCells[i];
      const std::size_t Paragraphs = Cell.ParagraphCount;
      if (i < FRowDefinition.size())
        Cell = FRowDefinition[i];
      else if (!FRowDefinition.empty())
        Cell = FRowDefinition.back();
      Cell.ParagraphCount = Paragraphs;
      Count += Paragraphs;
    }
    const std::size_t First = FCellStart - Count;
    auto& Tables = FDocument.Tables;
    if (Tables.empty() || Tables.back().FirstParagraph + FTableParagraphs != First) {
      Tables.push_back(TRtfTable{First, {}});
      FTableParagraphs = 0;
    }
    Tables.back().Rows.push_back({std::move(FRowCells)});
    FTableParagraphs += Count;
    FRowCells.clear();
  }

  // The last paragraph is kept whatever damage came before it. Text after
  // the last \par makes a paragraph, and so do paragraph or character
  // properties set there; nothing but "}" after it makes none.
  void FinishDocument() {
    FlushBytes();
    while (FStack.size() > 1 && FStack.back().Destination != TDestination::Text) FStack.pop_back();
    if (!FRowCells.empty()) CloseRow();
    if (FParagraphTouched || FDocument.Paragraphs.empty()) PushParagraph();
    FFinished = true;
  }

  void PushParagraph() {
    const TParagraphState& State = Top().Paragraph;
    TRtfParagraph Paragraph;
    Paragraph.Alignment = State.Alignment;
    Paragraph.LeftIndent = State.LeftIndent;
    Paragraph.FirstLineIndent = State.FirstLineIndent;
    Paragraph.TabStops = State.TabStops;
    Paragraph.Runs = std::move(FRuns);
    Paragraph.MarkFormat = Resolve(Top().Char);
    if (FDocument.Paragraphs.size() >= MaxRichTextParagraphs) throw TRichTextTooLargeError::TooManyParagraphs();
    FDocument.Paragraphs.push_back(std::move(Paragraph));
    FRuns.clear();
    FParagraphTouched = false;
    FListTextDepth = 0;
  }

  static constexpr int DefaultBorderWidth = 10;
  static constexpr std::size_t MaxCellsInRow = 63;

  const std::string& FBytes;
  std::size_t FPos;
  bool FFinished = false;
  bool FGroupOpened = false;
  std::vector<TGroupState> FStack;
  std::size_t FExtraDepth = 0;
  std::size_t FSkipFromExtraDepth = 0;  // the extra depth of a skipped group past the limit; 0: none
  int FPendingSkip = 0;

  // Code pages and the bytes that wait to be read in one.
  int FDocumentCodePage = DefaultRtfCodePage;
  bool FDocumentCodePageSet = false;
  std::map<int, const TRtfCodePage*> FCodePages;
  std::string FPendingBytes;
  std::u16string FDecoded;

  std::map<int, TFontEntry> FFonts;
  int FDefaultFont = 0;
  int FFontIndex = -1;
  std::u16string FFontName;
  TRtfFontFamily FFontFamily = TRtfFontFamily::Nil;
  int FFontCharset = -1;
  int FFontCodePage = -1;
  TFontEntry FTableFont;
  const TFontEntry FNoFont;
  const TFontEntry* FCachedFont = nullptr;
  int FCachedFontIndex = 0;

  std::vector<TColorEntry> FColors;
  TRtfColor FColor;
  bool FColorSeen = false;

  TRtfDocument FDocument;
  std::vector<TRtfRun> FRuns;
  TCharState FRunState;
  bool FRunStateValid = false;
  bool FParagraphTouched = false;

  std::size_t FListTextDepth = 0;  // 0: not in list text
  std::size_t FListRun = 0;
  std::size_t FListOffset = 0;

  // Tables: the row definition (\trowd ... \cellx) and the row being read.
  std::vector<TRtfCell> FRowDefinition;
  TRtfCell FCellDefinition;
  int FRowLeft = 0;
  long long FRowEdge = 0;
  int FBorderSide = -1;
  std::vector<TRtfCell> FRowCells;
  std::size_t FCellStart = 0;  // the first paragraph of the cell being read
  std::size_t FTableParagraphs = 0;  // paragraphs in the last table so far
};

// The characters of valid UTF-8, or nothing.
std::optional<std::u16string> DecodeUtf8(const std::string& Bytes) {
  std::u16string Text;
  std::size_t i = 0;
  char32_t Code;
  while (i < Bytes.size()) {
    if (!ReadUtf8Char(Bytes, i, Code)) return std::nullopt;
    if (Code >= 0x10000) {
      Text += static_cast<char16_t>(0xD800 + ((Code - 0x10000) >> 10));
      Text += static_cast<char16_t>(0xDC00 + ((Code - 0x10000) & 0x3FF));
    } else {
      Text += static_cast<char16_t>(Code);
    }
  }
  return Text;
}

// Bytes that are not rich text: one paragraph a line.
TRtfDocument ReadPlainText(const std::string& Bytes) {
  const bool HasBom = Bytes.compare(0, 3, "\xEF\xBB\xBF") == 0;
  std::optional<std::u16string> Text = DecodeUtf8(HasBom ? Bytes.substr(3) : Bytes);
  if (!Text) {
    Text.emplace();
    for (char c : Bytes) *Text += Cp1252ToUnicode(static_cast<std::uint8_t>(c));
  }
  TRtfDocument Document;
  Document.Paragraphs.emplace_back();
  for (std::size_t i = 0; i < Text->size(); ++i) {
    const char16_t c = (*Text)[i];
    if (c == u'\r' || c == u'\n') {
      if (c == u'\r' && i + 1 < Text->size() && (*Text)[i + 1] == u'\n') ++i;
      if (Document.Paragraphs.size() >= MaxRichTextParagraphs) throw TRichTextTooLargeError::TooManyParagraphs();
      Document.Paragraphs.emplace_back();
      continue;
    }
    if (!IsRunCharacter(c)) continue;
    auto& Runs = Document.Paragraphs.back().Runs;
    if (Runs.empty()) Runs.emplace_back();
    Runs.back().Text += c;
  }
  return Document;
}

bool IsRichText(const std::string& Bytes) {
  const auto Start = Bytes.find_first_not_of(" \t\r\n");
  return Start != std::string::npos && Bytes.compare(Start, 5, "{\\rtf") == 0;
}

}  // namespace

TRichTextTooLargeError::TRichTextTooLargeError(std::size_t Size)
    : std::runtime_error("The rich text is too large to open: " + std::to_string(Size / (1024 * 1024)) +
                         " MB; at most " + std::to_string(MaxRichTextBytes / (1024 * 1024)) + " MB can be opened") {}

TRichTextTooLargeError TRichTextTooLargeError::TooManyParagraphs() {
  return TRichTextTooLargeError("The rich text is too large to open: it has more than " +
                                std::to_string(MaxRichTextParagraphs) + " paragraphs");
}

TRtfDocument ReadRtf(const std::string& Bytes) {
  if (Bytes.size() > MaxRichTextBytes) throw TRichTextTooLargeError(Bytes.size());
  if (!IsRichText(Bytes)) return ReadPlainText(Bytes);
  TRtfDocument Document = TRtfParser(Bytes, Bytes.find('{')).Parse();
  if (Document.Paragraphs.empty()) Document.Paragraphs.emplace_back();
  return Document;
}
