#include "reports/core/RtfWriter.h"

#include <algorithm>
#include <string>
#include <vector>

#include "reports/core/RtfCodePage.h"

namespace {

const char* FamilyWord(TRtfFontFamily Family) {
  switch (Family) {
    case TRtfFontFamily::Roman:
      return "froman";
    case TRtfFontFamily::Swiss:
      return "fswiss";
    case TRtfFontFamily::Modern:
      return "fmodern";
    case TRtfFontFamily::Script:
      return "fscript";
    case TRtfFontFamily::Decor:
      return "fdecor";
    case TRtfFontFamily::Tech:
      return "ftech";
    case TRtfFontFamily::Nil:
      break;
  }
  return "fnil";
}

const char* AlignmentWords(TRtfAlignment Alignment) {
  switch (Alignment) {
    case TRtfAlignment::Center:
      return "\\qc";
    case TRtfAlignment::Right:
      return "\\qr";
    case TRtfAlignment::Justify:
      return "\\qj";
    case TRtfAlignment::Left:
      break;
  }
  return "";
}

// Text as RTF: 7-bit characters as they are, the rest of Windows-1252 as
// \'hh escapes and everything else as \uN with a question mark for readers
// without Unicode.
void AppendEscaped(std::string& Out, const std::u16string& Text) {
  static const char Hex[] = "0123456789abcdef";
  for (char16_t c : Text) {
    if (c == u'\\' || c == u'{' || c == u'}') {
      Out += '\\';
      Out += static_cast<char>(c);
    } else if (c == u'\t') {
      Out += "\\tab ";
    } else if (c == RtfLineBreak) {
      Out += "\\line ";
    } else if (c < 0x20) {
      // Runs hold no other control characters.
    } else if (c < 0x80) {
      Out += static_cast<char>(c);
    } else if (const int Byte = UnicodeToCp1252(c); Byte >= 0) {
      Out += "\\'";
      Out += Hex[Byte >> 4];
      Out += Hex[Byte & 0xF];
    } else {
      Out += "\\u" + std::to_string(c > 0x7FFF ? static_cast<int>(c) - 0x10000 : static_cast<int>(c)) + "?";
    }
  }
}

class TRtfWriter {
 public:
  explicit TRtfWriter(const TRtfDocument& Document) : FDocument(Document) {
    for (const TRtfParagraph& Paragraph : Document.Paragraphs) {
      Collect(Paragraph.MarkFormat);
      for (const TRtfRun& Run : Paragraph.Runs) Collect(Run.Format);
    }
  }

  std::string Write() {
    FOut = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\r\n";
    WriteTables();
    const auto& Paragraphs = FDocument.Paragraphs;
    auto Table = FDocument.Tables.begin();
    for (std::size_t i = 0; i < Paragraphs.size();) {
      if (Table != FDocument.Tables.end() && Table->FirstParagraph == i && !Table->Rows.empty()) {
        i = WriteTable(*Table);
        ++Table;
        continue;
      }
      // Every paragraph ends with its mark, the last one too, as word
      // processors write it.
      WriteParagraph(Paragraphs[i++], false);
      FOut += "\\par\r\n";
    }
    FOut += "}\r\n";
    return std::move(FOut);
  }

 private:
  void WriteParagraph(const TRtfParagraph& Paragraph, bool InTable) {
    FOut += "\\pard";
    if (InTable) FOut += "\\intbl";
    FOut += AlignmentWords(Paragraph.Alignment);
    if (Paragraph.LeftIndent != 0) FOut += "\\li" + std::to_string(Paragraph.LeftIndent);
    if (Paragraph.FirstLineIndent != 0) FOut += "\\fi" + std::to_string(Paragraph.FirstLineIndent);
    for (int Stop : Paragraph.TabStops) FOut += "\\tx" + std::to_string(Stop);
    FOut += ' ';
    for (const TRtfRun& Run : Paragraph.Runs) {
      if (Run.Text.empty()) continue;
      WriteFormat(Run.Format);
      AppendEscaped(FOut, Run.Text);
    }
    WriteFormat(Paragraph.MarkFormat);
  }

  // Row by row: the row's cells, borders and right edges, then the
  // paragraphs of each cell. Returns the index of the paragraph after it.
  std::size_t WriteTable(const TRtfTable& Table) {
    const auto& Paragraphs = FDocument.Paragraphs;
    std::size_t Next = Table.FirstParagraph;
    for (const TRtfRow& Row : Table.Rows) {
      FOut += "\\trowd\\trgaph108\\trleft0";
      long long Edge = 0;
      static const char* const Sides[] = {"\\clbrdrt", "\\clbrdrl", "\\clbrdrb", "\\clbrdrr"};
      for (const TRtfCell& Cell : Row.Cells) {
        for (int Side = RtfTop; Side <= RtfRight; ++Side)
          if (Cell.Borders[Side] > 0)
            FOut += std::string(Sides[Side]) + "\\brdrs\\brdrw" + std::to_string(Cell.Borders[Side]);
        Edge += Cell.Width;
        FOut += "\\cellx" + std::to_string(Edge);
      }
      FOut += "\r\n";
      for (const TRtfCell& Cell : Row.Cells) {
        for (std::size_t k = 0; k < Cell.ParagraphCount && Next < Paragraphs.size(); ++k, ++Next) {
          WriteParagraph(Paragraphs[Next], true);
          FOut += k + 1 < Cell.ParagraphCount ? "\\par\r\n" : "\\cell\r\n";
        }
      }
      FOut += "\\row\r\n";
    }
    return Next;
  }

  struct TFont {
    std::u16string Name;
    TRtfFontFamily Family;
    bool operator==(const TFont& Other) const { return Name == Other.Name && Family == Other.Family; }
  };

  static TFont FontOf(const TRtfCharFormat& Format) {
    std::u16string Name = Format.FontName;
    // A semicolon would end the name in the font table.
    Name.erase(std::remove(Name.begin(), Name.end(), u';'), Name.end());
    return {Name, Format.FontFamily};
  }

  void Collect(const TRtfCharFormat& Format) {
    const TFont Font = FontOf(Format);
    if (std::find(FFonts.begin(), FFonts.end(), Font) == FFonts.end()) FFonts.push_back(Font);
    if (Format.HasColor && std::find(FColors.begin(), FColors.end(), Format.Color) == FColors.end())
      FColors.push_back(Format.Color);
  }

  void WriteTables() {
    FOut += "{\\fonttbl";
    for (std::size_t i = 0; i < FFonts.size(); ++i) {
      FOut += "{\\f" + std::to_string(i) + "\\" + FamilyWord(FFonts[i].Family) + "\\fcharset0 ";
      AppendEscaped(FOut, FFonts[i].Name);
      FOut += ";}";
    }
    FOut += "}\r\n{\\colortbl ;";
    for (const TRtfColor& Color : FColors)
      FOut += "\\red" + std::to_string(Color.Red) + "\\green" + std::to_string(Color.Green) + "\\blue" +
              std::to_string(Color.Blue) + ";";
    FOut += "}\r\n";
  }

  std::size_t FontIndex(const TRtfCharFormat& Format) const {
    return static_cast<std::size_t>(std::find(FFonts.begin(), FFonts.end(), FontOf(Format)) - FFonts.begin());
  }

  std::size_t ColorIndex(const TRtfColor& Color) const {
    return static_cast<std::size_t>(std::find(FColors.begin(), FColors.end(), Color) - FColors.begin()) + 1;
  }

  // Every change of format is written in full after \plain.
  void WriteFormat(const TRtfCharFormat& Format) {
    if (FHasWritten && Format == FWritten) return;
    FOut += "\\plain\\f" + std::to_string(FontIndex(Format)) + "\\fs" + std::to_string(Format.HalfPoints);
    if (Format.Bold) FOut += "\\b";
    if (Format.Italic) FOut += "\\i";
    if (Format.Underline) FOut += "\\ul";
    if (Format.HasColor) FOut += "\\cf" + std::to_string(ColorIndex(Format.Color));
    FOut += ' ';
    FWritten = Format;
    FHasWritten = true;
  }

  const TRtfDocument& FDocument;
  std::vector<TFont> FFonts;
  std::vector<TRtfColor> FColors;
  std::string FOut;
  TRtfCharFormat FWritten;
  bool FHasWritten = false;
};

}  // namespace

std::string WriteRtf(const TRtfDocument& Document) { return TRtfWriter(Document).Write(); }
