// A rich-text document in the shape the report uses: paragraphs made of runs
// of text, each run with one character format. Plain C++; RtfReader and
// RtfWriter turn it into rich-text bytes and back.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

enum class TRtfFontFamily { Nil, Roman, Swiss, Modern, Script, Decor, Tech };
enum class TRtfAlignment { Left, Center, Right, Justify };

struct TRtfColor {
  std::uint8_t Red = 0;
  std::uint8_t Green = 0;
  std::uint8_t Blue = 0;

  bool operator==(const TRtfColor& Other) const {
    return Red == Other.Red && Green == Other.Green && Blue == Other.Blue;
  }
  bool operator!=(const TRtfColor& Other) const { return !(*this == Other); }
};

struct TRtfCharFormat {
  std::u16string FontName;  // empty: whatever the reader takes as its default
  TRtfFontFamily FontFamily = TRtfFontFamily::Nil;
  int HalfPoints = 24;  // font size in half points
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool HasColor = false;  // false: the automatic text colour
  TRtfColor Color;

  bool operator==(const TRtfCharFormat& Other) const {
    return FontName == Other.FontName && FontFamily == Other.FontFamily && HalfPoints == Other.HalfPoints &&
           Bold == Other.Bold && Italic == Other.Italic && Underline == Other.Underline &&
           HasColor == Other.HasColor && (!HasColor || Color == Other.Color);
  }
  bool operator!=(const TRtfCharFormat& Other) const { return !(*this == Other); }
};

// Text of one format. A tab is '\t', a line break inside the paragraph is
// RtfLineBreak; no other control characters occur.
struct TRtfRun {
  std::u16string Text;
  TRtfCharFormat Format;

  bool operator==(const TRtfRun& Other) const { return Text == Other.Text && Format == Other.Format; }
};

// Lengths are in twips (1/1440 inch), as rich text gives them.
struct TRtfParagraph {
  TRtfAlignment Alignment = TRtfAlignment::Left;
  int LeftIndent = 0;
  // The first line's indent from LeftIndent; negative for a hanging indent.
  int FirstLineIndent = 0;
  // Left tab stops from the left margin, ascending.
  std::vector<int> TabStops;
  std::vector<TRtfRun> Runs;
  // The format of the paragraph mark: it gives an empty paragraph its height.
  TRtfCharFormat MarkFormat;

  bool operator==(const TRtfParagraph& Other) const {
    return Alignment == Other.Alignment && LeftIndent == Other.LeftIndent &&
           FirstLineIndent == Other.FirstLineIndent && TabStops == Other.TabStops && Runs == Other.Runs &&
           MarkFormat == Other.MarkFormat;
  }
};

enum TRtfBorderSide { RtfTop, RtfLeft, RtfBottom, RtfRight };

struct TRtfCell {
  int Width = 1440;
  // Border widths by TRtfBorderSide; 0: no border.
  std::array<int, 4> Borders{};
  // How many paragraphs of the document the cell holds, at least one.
  std::size_t ParagraphCount = 1;

  bool operator==(const TRtfCell& Other) const {
    return Width == Other.Width && Borders == Other.Borders && ParagraphCount == Other.ParagraphCount;
  }
};

struct TRtfRow {
  std::vector<TRtfCell> Cells;  // at least one

  bool operator==(const TRtfRow& Other) const { return Cells == Other.Cells; }
};

// A table holds the paragraphs from FirstParagraph on, cell by cell and row
// by row.
struct TRtfTable {
  std::size_t FirstParagraph = 0;
  std::vector<TRtfRow> Rows;  // at least one

  std::size_t ParagraphCount() const {
    std::size_t Count = 0;
    for (const TRtfRow& Row : Rows)
      for (const TRtfCell& Cell : Row.Cells) Count += Cell.ParagraphCount;
    return Count;
  }
  bool operator==(const TRtfTable& Other) const {
    return FirstParagraph == Other.FirstParagraph && Rows == Other.Rows;
  }
};

struct TRtfDocument {
  // Every paragraph in reading order, those of table cells included. A
  // document read from bytes has at least one paragraph.
  std::vector<TRtfParagraph> Paragraphs;
  // In the order of their paragraphs, none overlapping another.
  std::vector<TRtfTable> Tables;

  bool operator==(const TRtfDocument& Other) const {
    return Paragraphs == Other.Paragraphs && Tables == Other.Tables;
  }
};

// Limits of lengths that a document may hold.
inline constexpr int RtfLargestLength = 31680;  // 22 inches
inline constexpr int RtfWidestBorder = 120;
inline constexpr std::size_t RtfMostTabStops = 32;

// The line break inside a paragraph (Unicode LINE SEPARATOR).
inline constexpr char16_t RtfLineBreak = u'\u2028';
