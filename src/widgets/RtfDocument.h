// A rich-text document in the shape the report uses: paragraphs made of runs
// of text, each run with one character format. Plain C++; RtfReader and
// RtfWriter turn it into rich-text bytes and back.
#pragma once

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

struct TRtfParagraph {
  TRtfAlignment Alignment = TRtfAlignment::Left;
  std::vector<TRtfRun> Runs;
  // The format of the paragraph mark: it gives an empty paragraph its height.
  TRtfCharFormat MarkFormat;

  bool operator==(const TRtfParagraph& Other) const {
    return Alignment == Other.Alignment && Runs == Other.Runs && MarkFormat == Other.MarkFormat;
  }
};

struct TRtfDocument {
  // A document read from bytes has at least one paragraph.
  std::vector<TRtfParagraph> Paragraphs;

  bool operator==(const TRtfDocument& Other) const { return Paragraphs == Other.Paragraphs; }
};

// The line break inside a paragraph (Unicode LINE SEPARATOR).
inline constexpr char16_t RtfLineBreak = u'\u2028';
