// Builders and views of rich-text documents for the reader and writer tests.
#pragma once

#include <string>
#include <vector>

#include "widgets/RtfDocument.h"

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
