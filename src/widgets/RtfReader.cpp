#include "widgets/RtfReader.h"

#include <algorithm>
#include <climits>
#include <map>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "widgets/RtfCodePage.h"

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

struct TGroupState {
  TCharState Char;
  TRtfAlignment Alignment = TRtfAlignment::Left;
  TDestination Destination = TDestination::Text;
  int UnicodeSkip = 1;  // \ucN: fallback characters after each \uN
};

struct TFontEntry {
  std::u16string Name;
  TRtfFontFamily Family = TRtfFontFamily::Nil;
};

struct TColorEntry {
  bool HasColor = false;
  TRtfColor Color;
};

enum class TWord {
  FontTable,
  ColorTable,
  SkipDestination,
  DefaultFont,
  Font,
  FontSize,
  Bold,
  Italic,
  Underline,
  UnderlineNone,
  Color,
  Plain,
  ParagraphDefaults,
  AlignLeft,
  AlignCenter,
  AlignRight,
  AlignJustify,
  Paragraph,
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
  // The family of a font family word, the character of a symbol word.
  int Value = 0;
};

const std::unordered_map<std::string_view, TWordInfo>& KnownWords() {
  static const std::unordered_map<std::string_view, TWordInfo> Words = {
      {"fonttbl", {TWord::FontTable}},
      {"colortbl", {TWord::ColorTable}},
      {"deff", {TWord::DefaultFont}},
      {"f", {TWord::Font}},
      {"fs", {TWord::FontSize}},
      {"b", {TWord::Bold}},
      {"i", {TWord::Italic}},
      {"ul", {TWord::Underline}},
      {"uld", {TWord::Underline}},
      {"uldash", {TWord::Underline}},
      {"uldashd", {TWord::Underline}},
      {"uldashdd", {TWord::Underline}},
      {"uldb", {TWord::Underline}},
      {"ulth", {TWord::Underline}},
      {"ulw", {TWord::Underline}},
      {"ulwave", {TWord::Underline}},
      {"ulnone", {TWord::UnderlineNone}},
      {"cf", {TWord::Color}},
      {"plain", {TWord::Plain}},
      {"pard", {TWord::ParagraphDefaults}},
      {"ql", {TWord::AlignLeft}},
      {"qc", {TWord::AlignCenter}},
      {"qr", {TWord::AlignRight}},
      {"qj", {TWord::AlignJustify}},
      {"par", {TWord::Paragraph}},
      {"sect", {TWord::Paragraph}},
      {"page", {TWord::Paragraph}},
      {"row", {TWord::Paragraph}},
      {"line", {TWord::LineBreak}},
      {"tab", {TWord::Tab}},
      {"cell", {TWord::Tab}},
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
      // Destinations whose text is not part of the document.
      {"stylesheet", {TWord::SkipDestination}},
      {"info", {TWord::SkipDestination}},
      {"pict", {TWord::SkipDestination}},
      {"object", {TWord::SkipDestination}},
      {"header", {TWord::SkipDestination}},
      {"headerl", {TWord::SkipDestination}},
      {"headerr", {TWord::SkipDestination}},
      {"headerf", {TWord::SkipDestination}},
      {"footer", {TWord::SkipDestination}},
      {"footerl", {TWord::SkipDestination}},
      {"footerr", {TWord::SkipDestination}},
      {"footerf", {TWord::SkipDestination}},
      {"footnote", {TWord::SkipDestination}},
      {"fldinst", {TWord::SkipDestination}},
      {"xe", {TWord::SkipDestination}},
      {"tc", {TWord::SkipDestination}},
      {"listtable", {TWord::SkipDestination}},
      {"listoverridetable", {TWord::SkipDestination}},
      {"revtbl", {TWord::SkipDestination}},
      {"rsidtbl", {TWord::SkipDestination}},
      {"filetbl", {TWord::SkipDestination}},
      {"generator", {TWord::SkipDestination}},
      {"themedata", {TWord::SkipDestination}},
      {"colorschememapping", {TWord::SkipDestination}},
      {"latentstyles", {TWord::SkipDestination}},
      {"datastore", {TWord::SkipDestination}},
      {"xmlnstbl", {TWord::SkipDestination}},
  };
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

std::u16string TrimSpaces(const std::u16string& Text) {
  const auto First = Text.find_first_not_of(u' ');
  if (First == std::u16string::npos) return std::u16string();
  const auto Last = Text.find_last_not_of(u' ');
  return Text.substr(First, Last - First + 1);
}

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

  void Step() {
    const bool AtGroupStart = FGroupOpened;
    FGroupOpened = false;
    const unsigned char c = Byte(FPos++);
    switch (c) {
      case '{':
        OpenGroup();
        break;
      case '}':
        CloseGroup();
        break;
      case '\\':
        Control(AtGroupStart);
        break;
      case '\r':
      case '\n':
        break;
      default:
        if (c == '\t' || c >= 0x20) Character(Cp1252ToUnicode(c));
        break;
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
    FStack.pop_back();
  }

  // The byte after a backslash; AtGroupStart when the backslash opens a group.
  void Control(bool AtGroupStart) {
    if (FPos >= FBytes.size()) return;
    const unsigned char c = Byte(FPos);
    if (IsLetter(c)) {
      ControlWord();
      return;
    }
    ++FPos;
    switch (c) {
      case '\'':
        HexEscape();
        break;
      case '*':
        FPendingSkip = 0;
        // "{\*\word": an optional destination. None of those this reader
        // knows is marked so; a star anywhere else means nothing.
        if (AtGroupStart) Top().Destination = TDestination::Skip;
        break;
      case '\\':
      case '{':
      case '}':
        Character(c);
        break;
      case '~':
        Character(u'\u00A0');
        break;
      case '_':
        Character(u'-');
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
    Character(Cp1252ToUnicode(static_cast<std::uint8_t>(High * 16 + Low)));
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
    const bool On = !HasParameter || Parameter != 0;
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
      case TWord::DefaultFont:
        FDefaultFont = HasParameter ? Parameter : 0;
        break;
      case TWord::Font:
        if (State.Destination == TDestination::FontTable)
          FFontIndex = HasParameter ? Parameter : 0;
        else
          State.Char.Font = HasParameter ? Parameter : 0;
        break;
      case TWord::FontFamily:
        if (State.Destination == TDestination::FontTable)
          FFontFamily = static_cast<TRtfFontFamily>(Info.Value);
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
        State.Char.Color = HasParameter ? Parameter : 0;
        break;
      case TWord::Plain:
        State.Char = TCharState();
        break;
      case TWord::ParagraphDefaults:
        State.Alignment = TRtfAlignment::Left;
        break;
      case TWord::AlignLeft:
        State.Alignment = TRtfAlignment::Left;
        break;
      case TWord::AlignCenter:
        State.Alignment = TRtfAlignment::Center;
        break;
      case TWord::AlignRight:
        State.Alignment = TRtfAlignment::Right;
        break;
      case TWord::AlignJustify:
        State.Alignment = TRtfAlignment::Justify;
        break;
      case TWord::Paragraph:
        EndParagraph();
        break;
      case TWord::LineBreak:
        Character(RtfLineBreak);
        break;
      case TWord::Tab:
        Character(u'\t');
        break;
      case TWord::Unicode:
        if (HasParameter && Parameter >= -32768 && Parameter <= 65535) {
          Character(static_cast<char16_t>(Parameter < 0 ? Parameter + 65536 : Parameter));
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
        Character(static_cast<char16_t>(Info.Value));
        break;
    }
  }

  void SetColorPart(std::uint8_t& Part, int Value) {
    Part = static_cast<std::uint8_t>(std::clamp(Value, 0, 255));
    FColorSeen = true;
  }

  // A character of text, or of a table entry.
  void Character(char16_t c) {
    if (FPendingSkip > 0) {
      --FPendingSkip;
      return;
    }
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
      FFonts[Index] = {TrimSpaces(FFontName), FFontFamily};
    }
    FFontIndex = -1;
    FFontName.clear();
    FFontFamily = TRtfFontFamily::Nil;
  }

  void CommitColor() {
    FColors.push_back({FColorSeen, FColor});
    FColor = TRtfColor();
    FColorSeen = false;
  }

  TRtfCharFormat Resolve(const TCharState& State) const {
    TRtfCharFormat Format;
    const auto Font = FFonts.find(State.Font >= 0 ? State.Font : FDefaultFont);
    if (Font != FFonts.end()) {
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
    const TCharState& State = Top().Char;
    if (FRuns.empty() || State != FRunState) {
      TRtfCharFormat Format = Resolve(State);
      if (FRuns.empty() || Format != FRuns.back().Format)
        FRuns.push_back({std::u16string(), std::move(Format)});
      FRunState = State;
    }
    FRuns.back().Text += c;
  }

  void EndParagraph() {
    if (Top().Destination == TDestination::Text) PushParagraph();
  }

  // The last paragraph is kept whatever damage came before it.
  void FinishDocument() {
    PushParagraph();
    FFinished = true;
  }

  void PushParagraph() {
    TRtfParagraph Paragraph;
    Paragraph.Alignment = Top().Alignment;
    Paragraph.Runs = std::move(FRuns);
    Paragraph.MarkFormat = Resolve(Top().Char);
    FDocument.Paragraphs.push_back(std::move(Paragraph));
    FRuns.clear();
  }

  const std::string& FBytes;
  std::size_t FPos;
  bool FFinished = false;
  bool FGroupOpened = false;
  std::vector<TGroupState> FStack;
  std::size_t FExtraDepth = 0;
  int FPendingSkip = 0;

  std::map<int, TFontEntry> FFonts;
  int FDefaultFont = 0;
  int FFontIndex = -1;
  std::u16string FFontName;
  TRtfFontFamily FFontFamily = TRtfFontFamily::Nil;

  std::vector<TColorEntry> FColors;
  TRtfColor FColor;
  bool FColorSeen = false;

  TRtfDocument FDocument;
  std::vector<TRtfRun> FRuns;
  TCharState FRunState;
};

// The characters of valid UTF-8, or nothing.
std::optional<std::u16string> DecodeUtf8(const std::string& Bytes) {
  std::u16string Text;
  std::size_t i = 0;
  while (i < Bytes.size()) {
    const auto Lead = static_cast<unsigned char>(Bytes[i]);
    int Length;
    char32_t Code;
    if (Lead < 0x80) {
      Length = 1;
      Code = Lead;
    } else if (Lead >= 0xC2 && Lead <= 0xDF) {
      Length = 2;
      Code = Lead & 0x1Fu;
    } else if (Lead >= 0xE0 && Lead <= 0xEF) {
      Length = 3;
      Code = Lead & 0x0Fu;
    } else if (Lead >= 0xF0 && Lead <= 0xF4) {
      Length = 4;
      Code = Lead & 0x07u;
    } else {
      return std::nullopt;
    }
    if (i + static_cast<std::size_t>(Length) > Bytes.size()) return std::nullopt;
    for (int k = 1; k < Length; ++k) {
      const auto Next = static_cast<unsigned char>(Bytes[i + static_cast<std::size_t>(k)]);
      if ((Next & 0xC0u) != 0x80u) return std::nullopt;
      Code = (Code << 6) | (Next & 0x3Fu);
    }
    const char32_t Smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (Code < Smallest[Length] || Code > 0x10FFFF || (Code >= 0xD800 && Code <= 0xDFFF)) return std::nullopt;
    if (Code >= 0x10000) {
      Text += static_cast<char16_t>(0xD800 + ((Code - 0x10000) >> 10));
      Text += static_cast<char16_t>(0xDC00 + ((Code - 0x10000) & 0x3FF));
    } else {
      Text += static_cast<char16_t>(Code);
    }
    i += static_cast<std::size_t>(Length);
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

TRtfDocument ReadRtf(const std::string& Bytes) {
  if (!IsRichText(Bytes)) return ReadPlainText(Bytes);
  TRtfDocument Document = TRtfParser(Bytes, Bytes.find('{')).Parse();
  if (Document.Paragraphs.empty()) Document.Paragraphs.emplace_back();
  return Document;
}
