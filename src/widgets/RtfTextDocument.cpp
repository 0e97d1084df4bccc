#include "widgets/RtfTextDocument.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <cmath>

namespace {

constexpr int SmallestHalfPoints = 2;
constexpr int LargestHalfPoints = 3276;
constexpr double DefaultPointSize = 12.0;

Qt::Alignment QtAlignment(TRtfAlignment Alignment) {
  switch (Alignment) {
    case TRtfAlignment::Center:
      return Qt::AlignHCenter;
    case TRtfAlignment::Right:
      return Qt::AlignRight;
    case TRtfAlignment::Justify:
      return Qt::AlignJustify;
    case TRtfAlignment::Left:
      break;
  }
  return Qt::AlignLeft;
}

TRtfAlignment RtfAlignment(Qt::Alignment Alignment) {
  if (Alignment & Qt::AlignHCenter) return TRtfAlignment::Center;
  if (Alignment & (Qt::AlignRight | Qt::AlignTrailing)) return TRtfAlignment::Right;
  if (Alignment & Qt::AlignJustify) return TRtfAlignment::Justify;
  return TRtfAlignment::Left;
}

QFont::StyleHint StyleHint(TRtfFontFamily Family) {
  switch (Family) {
    case TRtfFontFamily::Roman:
      return QFont::Serif;
    case TRtfFontFamily::Swiss:
      return QFont::SansSerif;
    case TRtfFontFamily::Modern:
      return QFont::TypeWriter;
    case TRtfFontFamily::Script:
      return QFont::Cursive;
    case TRtfFontFamily::Decor:
      return QFont::Decorative;
    case TRtfFontFamily::Tech:
      return QFont::System;
    case TRtfFontFamily::Nil:
      break;
  }
  return QFont::AnyStyle;
}

TRtfFontFamily FontFamily(QFont::StyleHint Hint) {
  switch (Hint) {
    case QFont::Serif:
      return TRtfFontFamily::Roman;
    case QFont::SansSerif:
      return TRtfFontFamily::Swiss;
    case QFont::TypeWriter:
    case QFont::Monospace:
      return TRtfFontFamily::Modern;
    case QFont::Cursive:
      return TRtfFontFamily::Script;
    case QFont::Decorative:
    case QFont::Fantasy:
      return TRtfFontFamily::Decor;
    case QFont::System:
      return TRtfFontFamily::Tech;
    default:
      return TRtfFontFamily::Nil;
  }
}

QTextCharFormat QtCharFormat(const TRtfCharFormat& Format) {
  QTextCharFormat Result;
  if (!Format.FontName.empty())
    Result.setFontFamilies(QStringList{QString::fromStdU16String(Format.FontName)});
  Result.setFontStyleHint(StyleHint(Format.FontFamily));
  Result.setFontPointSize(Format.HalfPoints / 2.0);
  Result.setFontWeight(Format.Bold ? QFont::Bold : QFont::Normal);
  Result.setFontItalic(Format.Italic);
  Result.setFontUnderline(Format.Underline);
  if (Format.HasColor) Result.setForeground(QColor(Format.Color.Red, Format.Color.Green, Format.Color.Blue));
  return Result;
}

TRtfCharFormat RtfCharFormat(const QTextCharFormat& Format, const QFont& Default) {
  TRtfCharFormat Result;
  const QStringList Families = Format.fontFamilies().toStringList();
  Result.FontName = (Families.isEmpty() ? Default.family() : Families.first()).toStdU16String();
  Result.FontFamily = FontFamily(Format.hasProperty(QTextFormat::FontStyleHint) ? Format.fontStyleHint()
                                                                                : Default.styleHint());
  double Points =
      Format.hasProperty(QTextFormat::FontPointSize) ? Format.fontPointSize() : Default.pointSizeF();
  if (Points <= 0) Points = DefaultPointSize;
  Result.HalfPoints =
      std::clamp(static_cast<int>(std::lround(Points * 2)), SmallestHalfPoints, LargestHalfPoints);
  Result.Bold =
      Format.hasProperty(QTextFormat::FontWeight) ? Format.fontWeight() >= QFont::DemiBold : Default.bold();
  Result.Italic = Format.hasProperty(QTextFormat::FontItalic) ? Format.fontItalic() : Default.italic();
  const bool UnderlineSet =
      Format.hasProperty(QTextFormat::TextUnderlineStyle) || Format.hasProperty(QTextFormat::FontUnderline);
  Result.Underline = UnderlineSet ? Format.fontUnderline() : Default.underline();
  if (Format.foreground().style() != Qt::NoBrush) {
    const QColor Color = Format.foreground().color();
    Result.HasColor = true;
    Result.Color = {static_cast<std::uint8_t>(Color.red()), static_cast<std::uint8_t>(Color.green()),
                    static_cast<std::uint8_t>(Color.blue())};
  }
  return Result;
}

// A fragment's text as a run holds it: no embedded objects, no control
// characters but the tab.
std::u16string RunText(const QString& Text) {
  std::u16string Result;
  Result.reserve(static_cast<std::size_t>(Text.size()));
  for (QChar c : Text)
    if ((c.unicode() >= 0x20 || c == u'\t') && c != QChar::ObjectReplacementCharacter) Result += c.unicode();
  return Result;
}

}  // namespace

void SetRtfDocument(QTextDocument& Target, const TRtfDocument& Document) {
  Target.clear();
  QTextCursor Cursor(&Target);
  bool First = true;
  for (const TRtfParagraph& Paragraph : Document.Paragraphs) {
    QTextBlockFormat Block;
    Block.setAlignment(QtAlignment(Paragraph.Alignment));
    const QTextCharFormat Mark = QtCharFormat(Paragraph.MarkFormat);
    if (First) {
      Cursor.setBlockFormat(Block);
      Cursor.setBlockCharFormat(Mark);
      First = false;
    } else {
      Cursor.insertBlock(Block, Mark);
    }
    for (const TRtfRun& Run : Paragraph.Runs)
      Cursor.insertText(QString::fromStdU16String(Run.Text), QtCharFormat(Run.Format));
  }
}

TRtfDocument RtfDocumentOf(const QTextDocument& Source) {
  const QFont Default = Source.defaultFont();
  TRtfDocument Document;
  for (QTextBlock Block = Source.begin(); Block.isValid(); Block = Block.next()) {
    TRtfParagraph Paragraph;
    Paragraph.Alignment = RtfAlignment(Block.blockFormat().alignment());
    Paragraph.MarkFormat = RtfCharFormat(Block.charFormat(), Default);
    for (auto It = Block.begin(); !It.atEnd(); ++It) {
      const QTextFragment Fragment = It.fragment();
      if (!Fragment.isValid()) continue;
      std::u16string Text = RunText(Fragment.text());
      if (!Text.empty())
        Paragraph.Runs.push_back({std::move(Text), RtfCharFormat(Fragment.charFormat(), Default)});
    }
    Document.Paragraphs.push_back(std::move(Paragraph));
  }
  if (Document.Paragraphs.empty()) Document.Paragraphs.emplace_back();
  return Document;
}
