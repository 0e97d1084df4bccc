// Builders and views of rich-text documents for the reader and writer tests.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "reports/core/RtfDocument.h"

inline TRtfCharFormat Font(const std::u16string& Name, int HalfPoints = 24) {
  TRtfCharFormat Format;
  Format.FontName = Name;
  Format.HalfPoints = HalfPoints;
  return Format;
}

inline TRtfCharFormat Bold(TRtfCharFormat Format) {
  Format.Bold = true;
  return Format;
}

inline TRtfCharFormat Colored(TRtfCharFormat Format, std::uint8_t Red, std::uint8_t Green,
                              std::uint8_t Blue) {
  Format.HasColor = true;
  Format.Color = {Red, Green, Blue};
  return Format;
}

// The text of every paragraph, runs joined.
inline std::vector<std::u16string> ParagraphTexts(const TRtfDocument& Document) {
  std::vector<std::u16string> Texts;
  for (const TRtfParagraph& Paragraph : Document.Paragraphs) {
    std::u16string Text;
    for (const TRtfRun& Run : Paragraph.Runs) Text += Run.Text;
    Texts.push_back(Text);
  }
  return Texts;
}

// The document with empty runs dropped and neighbouring runs of one format
// joined: the form the reader gives.
inline TRtfDocument Normalized(TRtfDocument Document) {
  for (TRtfParagraph& Paragraph : Document.Paragraphs) {
    std::vector<TRtfRun> Runs;
    for (TRtfRun& Run : Paragraph.Runs) {
      if (Run.Text.empty()) continue;
      if (!Runs.empty() && Runs.back().Format == Run.Format)
        Runs.back().Text += Run.Text;
      else
        Runs.push_back(std::move(Run));
    }
    Paragraph.Runs = std::move(Runs);
  }
  return Document;
}

inline TRtfParagraph Paragraph(const std::u16string& Text, const TRtfCharFormat& Format = Font(u"Arial")) {
  TRtfParagraph Result;
  if (!Text.empty()) Result.Runs.push_back({Text, Format});
  Result.MarkFormat = Format;
  return Result;
}

// A cell of Width twips and ParagraphCount paragraphs, with a border of
// Border twips on every side.
inline TRtfCell Cell(int Width, int Border = 10, std::size_t ParagraphCount = 1) {
  TRtfCell Result;
  Result.Width = Width;
  Result.Borders = {Border, Border, Border, Border};
  Result.ParagraphCount = ParagraphCount;
  return Result;
}

// A document of Before, a table of two rows (the second one's first cell
// with two paragraphs) and After.
inline TRtfDocument DocumentWithTable(const std::vector<std::u16string>& Before,
                                      const std::vector<std::u16string>& After) {
  TRtfDocument Document;
  for (const auto& Text : Before) Document.Paragraphs.push_back(Paragraph(Text));
  TRtfTable Table;
  Table.FirstParagraph = Document.Paragraphs.size();
  Table.Rows.push_back({{Cell(2000), Cell(3000)}});
  Table.Rows.push_back({{Cell(2000, 0, 2), Cell(3000, 15)}});
  Document.Tables.push_back(Table);
  for (const auto& Text : {u"Gear", u"Weight", u"Tent", u"Stakes", u"1.85 kg"})
    Document.Paragraphs.push_back(Paragraph(Text));
  for (const auto& Text : After) Document.Paragraphs.push_back(Paragraph(Text));
  return Document;
}

// Shown by GoogleTest when a comparison fails.
inline void PrintTo(const TRtfTable& Table, std::ostream* Out) {
  *Out << "table at " << Table.FirstParagraph << ":";
  for (const TRtfRow& Row : Table.Rows) {
    *Out << " |";
    for (const TRtfCell& Cell : Row.Cells)
      *Out << " " << Cell.Width << "w" << Cell.ParagraphCount << "p" << Cell.Borders[0] << "," << Cell.Borders[1]
           << "," << Cell.Borders[2] << "," << Cell.Borders[3] << " |";
  }
}

// Paragraphs with their texts and indents, then the tables.
inline void PrintTo(const TRtfDocument& Document, std::ostream* Out) {
  for (const TRtfParagraph& Paragraph : Document.Paragraphs) {
    *Out << "\n  [" << static_cast<int>(Paragraph.Alignment) << " li" << Paragraph.LeftIndent << " fi"
         << Paragraph.FirstLineIndent << " tabs" << Paragraph.TabStops.size() << " mark"
         << Paragraph.MarkFormat.HalfPoints << "]";
    for (const TRtfRun& Run : Paragraph.Runs) {
      *Out << " \"";
      for (char16_t c : Run.Text) *Out << (c < 0x80 ? static_cast<char>(c) : '?');
      *Out << "\"/" << Run.Format.HalfPoints << (Run.Format.Bold ? "b" : "");
    }
  }
  for (const TRtfTable& Table : Document.Tables) {
    *Out << "\n  ";
    PrintTo(Table, Out);
  }
}
