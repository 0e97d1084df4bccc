#include "reports/text/RtfTextDocument.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <algorithm>
#include <cmath>

namespace {

constexpr int SmallestHalfPoints = 2;
constexpr int LargestHalfPoints = 3276;
constexpr double DefaultPointSize = 12.0;
// Lengths of the document are pixels at 96 per inch; rich text has twips.
constexpr double TwipsPerPixel = 15.0;
// The room between a cell's border and its text, left and right.
constexpr double CellPadding = 108 / TwipsPerPixel;
// The width of a table column whose width the document leaves open.
constexpr int OpenColumnTwips = 2340;

double Pixels(int Twips) { return Twips / TwipsPerPixel; }
int Twips(double Pixels) {
  return static_cast<int>(std::clamp<long long>(std::llround(Pixels * TwipsPerPixel), -RtfLargestLength,
                                                RtfLargestLength));
}

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

int FirstLineStart(const TRtfParagraph& Paragraph) { return Paragraph.LeftIndent + Paragraph.FirstLineIndent; }

QTextBlockFormat QtBlockFormat(const TRtfParagraph& Paragraph) {
  QTextBlockFormat Block;
  Block.setAlignment(QtAlignment(Paragraph.Alignment));
  if (Paragraph.LeftIndent != 0) Block.setLeftMargin(Pixels(Paragraph.LeftIndent));
  if (Paragraph.FirstLineIndent != 0) Block.setTextIndent(Pixels(Paragraph.FirstLineIndent));
  if (!Paragraph.TabStops.empty()) {
    QList<QTextOption::Tab> Tabs;
    // Qt measures tab stops from where the line starts: the first line's
    // indent, where list text puts the bullet.
    for (int Stop : Paragraph.TabStops)
      Tabs.append(QTextOption::Tab(Pixels(Stop - FirstLineStart(Paragraph)), QTextOption::LeftTab));
    Block.setTabPositions(Tabs);
  }
  return Block;
}

void ReadBlockFormat(const QTextBlockFormat& Block, TRtfParagraph& Paragraph) {
  Paragraph.Alignment = RtfAlignment(Block.alignment());
  Paragraph.LeftIndent = Twips(Block.leftMargin());
  Paragraph.FirstLineIndent = Twips(Block.textIndent());
  for (const QTextOption::Tab& Tab : Block.tabPositions()) {
    const int Stop = std::clamp(Twips(Tab.position) + FirstLineStart(Paragraph), 0, RtfLargestLength);
    if ((Paragraph.TabStops.empty() || Stop > Paragraph.TabStops.back()) &&
        Paragraph.TabStops.size() < RtfMostTabStops)
      Paragraph.TabStops.push_back(Stop);
  }
}

// The Qt formats of the last few formats met: dense text switches between
// a handful of them.
class TCharFormatCache {
 public:
  const QTextCharFormat& Get(const TRtfCharFormat& Format) {
    for (const auto& Entry : FEntries)
      if (Entry.first == Format) return Entry.second;
    FNext = (FNext + 1) % Size;
    if (FEntries.size() < Size) {
      FEntries.emplace_back(Format, QtCharFormat(Format));
      return FEntries.back().second;
    }
    FEntries[FNext] = {Format, QtCharFormat(Format)};
    return FEntries[FNext].second;
  }

 private:
  static constexpr std::size_t Size = 8;
  std::vector<std::pair<TRtfCharFormat, QTextCharFormat>> FEntries;
  std::size_t FNext = 0;
};

// Puts Paragraph into the block at Cursor, or into a new block after it.
void InsertParagraph(QTextCursor& Cursor, const TRtfParagraph& Paragraph, bool NewBlock,
                     TCharFormatCache& Formats) {
  const QTextBlockFormat Block = QtBlockFormat(Paragraph);
  const QTextCharFormat Mark = Formats.Get(Paragraph.MarkFormat);
  if (NewBlock) {
    Cursor.insertBlock(Block, Mark);
  } else {
    Cursor.setBlockFormat(Block);
    Cursor.setBlockCharFormat(Mark);
  }
  for (const TRtfRun& Run : Paragraph.Runs)
    Cursor.insertText(QString::fromStdU16String(Run.Text), Formats.Get(Run.Format));
}

QTextTableCellFormat QtCellFormat(const TRtfCell& Cell) {
  QTextTableCellFormat Format;
  const double Widths[] = {Pixels(Cell.Borders[RtfTop]), Pixels(Cell.Borders[RtfLeft]),
                           Pixels(Cell.Borders[RtfBottom]), Pixels(Cell.Borders[RtfRight])};
  Format.setTopBorder(Widths[RtfTop]);
  Format.setLeftBorder(Widths[RtfLeft]);
  Format.setBottomBorder(Widths[RtfBottom]);
  Format.setRightBorder(Widths[RtfRight]);
  const auto Style = [](double Width) {
    return Width > 0 ? QTextFrameFormat::BorderStyle_Solid : QTextFrameFormat::BorderStyle_None;
  };
  Format.setTopBorderStyle(Style(Widths[RtfTop]));
  Format.setLeftBorderStyle(Style(Widths[RtfLeft]));
  Format.setBottomBorderStyle(Style(Widths[RtfBottom]));
  Format.setRightBorderStyle(Style(Widths[RtfRight]));
  Format.setBorderBrush(Qt::black);
  Format.setLeftPadding(CellPadding);
  Format.setRightPadding(CellPadding);
  return Format;
}

// The table of Table at Cursor, its cells filled; the cursor ends in the
// block after it. Columns take the widths of the row with the most cells;
// the last cell of a shorter row spans the rest.
void InsertTable(QTextCursor& Cursor, const TRtfDocument& Document, const TRtfTable& Table,
                 TCharFormatCache& Formats) {
  const TRtfRow* Widest = &Table.Rows.front();
  for (const TRtfRow& Row : Table.Rows)
    if (Row.Cells.size() > Widest->Cells.size()) Widest = &Row;
  const int Columns = static_cast<int>(Widest->Cells.size());
  QTextTableFormat Format;
  Format.setBorderCollapse(true);
  Format.setBorder(0);
  Format.setCellSpacing(0);
  Format.setCellPadding(1);
  Format.setAlignment(Qt::AlignLeft);
  QList<QTextLength> Widths;
  for (const TRtfCell& Cell : Widest->Cells) Widths.append(QTextLength(QTextLength::FixedLength, Pixels(Cell.Width)));
  Format.setColumnWidthConstraints(Widths);
  QTextTable* QtTable = Cursor.insertTable(static_cast<int>(Table.Rows.size()), Columns, Format);
  std::size_t Next = Table.FirstParagraph;
  for (int r = 0; r < static_cast<int>(Table.Rows.size()); ++r) {
    const TRtfRow& Row = Table.Rows[static_cast<std::size_t>(r)];
    const int Cells = static_cast<int>(Row.Cells.size());
    if (Cells < Columns) QtTable->mergeCells(r, Cells - 1, 1, Columns - Cells + 1);
    for (int c = 0; c < Cells; ++c) {
      const TRtfCell& Cell = Row.Cells[static_cast<std::size_t>(c)];
      QTextTableCell QtCell = QtTable->cellAt(r, c);
      QTextCursor CellCursor = QtCell.firstCursorPosition();
      for (std::size_t k = 0; k < Cell.ParagraphCount && Next < Document.Paragraphs.size(); ++k, ++Next)
        InsertParagraph(CellCursor, Document.Paragraphs[Next], k > 0, Formats);
      // The cell's format is that of its first paragraph mark: add to it.
      QTextCharFormat Format = QtCell.format();
      Format.merge(QtCellFormat(Cell));
      QtCell.setFormat(Format);
    }
  }
  Cursor = QtTable->lastCursorPosition();
  Cursor.movePosition(QTextCursor::NextBlock);
}

TRtfParagraph ParagraphOf(const QTextBlock& Block, const QFont& Default) {
  TRtfParagraph Paragraph;
  ReadBlockFormat(Block.blockFormat(), Paragraph);
  Paragraph.MarkFormat = RtfCharFormat(Block.charFormat(), Default);
  for (auto It = Block.begin(); !It.atEnd(); ++It) {
    const QTextFragment Fragment = It.fragment();
    if (!Fragment.isValid()) continue;
    std::u16string Text = RunText(Fragment.text());
    if (!Text.empty()) Paragraph.Runs.push_back({std::move(Text), RtfCharFormat(Fragment.charFormat(), Default)});
  }
  return Paragraph;
}

class TQtDocumentReader {
 public:
  explicit TQtDocumentReader(const QTextDocument& Source) : FDefault(Source.defaultFont()) {}

  TRtfDocument Read(const QTextDocument& Source) {
    QTextFrame::iterator It = Source.rootFrame()->begin();
    // A table at the start stands after an empty block that Qt keeps there.
    if (!It.atEnd() && It.currentBlock().isValid() && It.currentBlock().length() == 1) {
      QTextFrame::iterator After = It;
      ++After;
      if (!After.atEnd() && qobject_cast<QTextTable*>(After.currentFrame())) It = After;
    }
    ReadFrame(It, false);
    if (FDocument.Paragraphs.empty()) FDocument.Paragraphs.emplace_back();
    return std::move(FDocument);
  }

 private:
  // The blocks from It on; frames inside a table cell give their blocks.
  void ReadFrame(QTextFrame::iterator It, bool InCell) {
    for (; !It.atEnd(); ++It) {
      if (QTextFrame* Frame = It.currentFrame()) {
        auto* Table = qobject_cast<QTextTable*>(Frame);
        if (Table && !InCell)
          ReadTable(*Table);
        else
          ReadFrame(Frame->begin(), InCell);
      } else if (It.currentBlock().isValid()) {
        FDocument.Paragraphs.push_back(ParagraphOf(It.currentBlock(), FDefault));
      }
    }
  }

  static int ColumnTwips(const QTextTableFormat& Format, int Column) {
    const QList<QTextLength> Widths = Format.columnWidthConstraints();
    if (Column < Widths.size() && Widths[Column].type() == QTextLength::FixedLength)
      return std::clamp(Twips(Widths[Column].rawValue()), 1, RtfLargestLength);
    return OpenColumnTwips;
  }

  static TRtfCell CellOf(const QTextTableCell& Cell, const QTextTableFormat& Table) {
    TRtfCell Result;
    long long Width = 0;
    for (int c = Cell.column(); c < Cell.column() + Cell.columnSpan(); ++c) Width += ColumnTwips(Table, c);
    Result.Width = static_cast<int>(std::clamp<long long>(Width, 1, RtfLargestLength));
    const QTextTableCellFormat Format = Cell.format().toTableCellFormat();
    const auto Border = [&](double Width, QTextFrameFormat::BorderStyle Style) {
      if (Style == QTextFrameFormat::BorderStyle_None) return 0;
      if (Width <= 0) Width = Table.border();
      return Width > 0 ? std::clamp(Twips(Width), 1, RtfWidestBorder) : 0;
    };
    Result.Borders[RtfTop] = Border(Format.topBorder(), Format.topBorderStyle());
    Result.Borders[RtfLeft] = Border(Format.leftBorder(), Format.leftBorderStyle());
    Result.Borders[RtfBottom] = Border(Format.bottomBorder(), Format.bottomBorderStyle());
    Result.Borders[RtfRight] = Border(Format.rightBorder(), Format.rightBorderStyle());
    return Result;
  }

  // Cells covered by a cell that spans them are left out; a row whose
  // cells are all covered too.
  void ReadTable(const QTextTable& Table) {
    TRtfTable Result;
    Result.FirstParagraph = FDocument.Paragraphs.size();
    const QTextTableFormat Format = Table.format();
    for (int r = 0; r < Table.rows(); ++r) {
      TRtfRow Row;
      for (int c = 0; c < Table.columns(); ++c) {
        const QTextTableCell Cell = Table.cellAt(r, c);
        if (!Cell.isValid() || Cell.row() != r || Cell.column() != c) continue;
        TRtfCell RtfCell = CellOf(Cell, Format);
        const std::size_t Before = FDocument.Paragraphs.size();
        ReadFrame(Cell.begin(), true);
        if (FDocument.Paragraphs.size() == Before) FDocument.Paragraphs.emplace_back();
        RtfCell.ParagraphCount = FDocument.Paragraphs.size() - Before;
        Row.Cells.push_back(RtfCell);
      }
      if (!Row.Cells.empty()) Result.Rows.push_back(std::move(Row));
    }
    if (!Result.Rows.empty()) FDocument.Tables.push_back(std::move(Result));
  }

  QFont FDefault;
  TRtfDocument FDocument;
};

}  // namespace

void SetRtfDocument(QTextDocument& Target, const TRtfDocument& Document) {
  Target.clear();
  QTextCursor Cursor(&Target);
  // One edit for the whole document: the layout is updated once, not after
  // every run.
  Cursor.beginEditBlock();
  TCharFormatCache Formats;
  bool NewBlock = false;
  auto Table = Document.Tables.begin();
  for (std::size_t i = 0; i < Document.Paragraphs.size();) {
    if (Table != Document.Tables.end() && Table->FirstParagraph == i && !Table->Rows.empty()) {
      InsertTable(Cursor, Document, *Table, Formats);
      i += Table->ParagraphCount();
      ++Table;
      NewBlock = false;
      continue;
    }
    InsertParagraph(Cursor, Document.Paragraphs[i], NewBlock, Formats);
    NewBlock = true;
    ++i;
  }
  Cursor.endEditBlock();
}

TRtfDocument RtfDocumentOf(const QTextDocument& Source) { return TQtDocumentReader(Source).Read(Source); }

