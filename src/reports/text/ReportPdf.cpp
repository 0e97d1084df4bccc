#include "reports/text/ReportPdf.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>
#include <memory>
#include <stdexcept>
#include <vector>

namespace {

// Positions of a layout are 26.6 fixed point: beyond 2^25 units they wrap.
// A part must stay well below that.
constexpr qreal LongestPart = 30000000;

// A run of the document that goes into a part whole: a top-level paragraph,
// a piece of a long one, or a table (any frame).
struct TUnit {
  int Start = 0;  // first position
  int End = 0;    // the position after the last character, block end excluded
  bool IsParagraph = true;
  bool ContinuesParagraph = false;  // a piece of a paragraph after its first
  bool InTable = false;             // a paragraph of a table's cell
};

// The document's top-level runs, long paragraphs cut into pieces of about
// Longest characters (at a space where there is one near). A table longer
// than that (its rows would be laid out and drawn whole on each of its pages)
// gives the paragraphs of its cells, one after another.
void AddParagraph(std::vector<TUnit>& Units, const QTextBlock& Block, int Longest, bool InTable = false) {
  {
    const int Start = Block.position();
    const int End = Start + Block.length() - 1;
    if (End - Start <= Longest) {
      Units.push_back({Start, End, true, false, InTable});
      return;
    }
    const QString Text = Block.text();
    int From = 0;
    while (From < Text.size()) {
      int To = std::min<int>(From + Longest, static_cast<int>(Text.size()));
      if (To < Text.size()) {
        const int Space = static_cast<int>(Text.lastIndexOf(' ', To));
        if (Space > From + Longest / 2) To = Space + 1;
      }
      Units.push_back({Start + From, Start + To, true, From > 0, InTable});
      From = To;
    }
  }
}

// The paragraphs of every cell of the table Frame, one after another.
std::vector<TUnit> TableParagraphs(const QTextDocument& Document, const QTextFrame& Frame, int Longest) {
  std::vector<TUnit> Units;
  for (QTextBlock Block = Document.findBlock(Frame.firstPosition());
       Block.isValid() && Block.position() <= Frame.lastPosition(); Block = Block.next())
    AddParagraph(Units, Block, Longest, true);
  return Units;
}

std::vector<TUnit> UnitsOf(const QTextDocument& Document, int Longest) {
  std::vector<TUnit> Units;
  for (auto It = Document.rootFrame()->begin(); !It.atEnd(); ++It) {
    QTextFrame* Frame = It.currentFrame();
    if (!Frame) {
      AddParagraph(Units, It.currentBlock(), Longest);
    } else {
      Units.push_back({Frame->firstPosition() - 1, Frame->lastPosition() + 1, false, false});
    }
  }
  return Units;
}

// One part laid out on the pages of the printer, as QTextDocument::print
// lays out a document without a page size of its own: 2 cm margins, page
// numbers at the foot.
class TPart {
 public:
  TPart(const QTextDocument& Source, const std::vector<TUnit>& Units, std::size_t First, std::size_t Last,
        QPainter& Painter, QSizeF Body)
      : FDocument(std::make_unique<QTextDocument>()) {
    FDocument->setDefaultFont(Source.defaultFont());
    FDocument->setDefaultTextOption(Source.defaultTextOption());
    FDocument->setDocumentMargin(Source.documentMargin());
    FDocument->setDefaultStyleSheet(Source.defaultStyleSheet());
    QTextCursor Into(FDocument.get());
    QTextCursor From(const_cast<QTextDocument*>(&Source));
    // A whole paragraph that runs on into the next unit of the source.
    const auto Whole = [&Units](std::size_t u) {
      return Units[u].IsParagraph && !Units[u].ContinuesParagraph && !Units[u].InTable &&
             (u + 1 == Units.size() || !Units[u + 1].ContinuesParagraph);
    };
    for (std::size_t u = First; u < Last;) {
      // A table is put in at the end of a paragraph and leaves the cursor in
      // the paragraph that follows it: neither needs a paragraph of its own.
      if (u > First && Units[u].IsParagraph && Units[u - 1].IsParagraph) Into.insertBlock();
      const int Begin = Into.position();
      // Whole paragraphs that follow each other go in as one fragment, so
      // that a list among them stays one list.
      std::size_t End = u + 1;
      if (Whole(u))
        while (End < Last && Whole(End) && Units[End].Start == Units[End - 1].End + 1) ++End;
      const TUnit& Unit = Units[u];
      if (Unit.IsParagraph) {
        // The paragraph's own format, without the list it belongs to in the
        // source; a piece after the first goes on without a gap or an indent
        // of its first line.
        QTextBlockFormat Format = Source.findBlock(Unit.Start).blockFormat();
        Format.setObjectIndex(-1);
        if (Unit.ContinuesParagraph) {
          Format.setTopMargin(0);
          Format.setTextIndent(0);
        }
        if (u + 1 < Units.size() && Units[u + 1].ContinuesParagraph) Format.setBottomMargin(0);
        Into.setBlockFormat(Format);
        QTextCharFormat Mark = Source.findBlock(Unit.Start).charFormat();
        Mark.setObjectIndex(-1);
        Into.setBlockCharFormat(Mark);
      }
      // A table goes with its frame marks: its format, column widths and
      // merged cells come along.
      From.setPosition(Unit.Start);
      From.setPosition(Units[End - 1].End, QTextCursor::KeepAnchor);
      if (From.hasSelection()) Into.insertFragment(QTextDocumentFragment(From));
      for (std::size_t k = u; k < End; ++k) FStarts.push_back(Begin + (Units[k].Start - Unit.Start));
      u = End;
    }
    QAbstractTextDocumentLayout* Layout = FDocument->documentLayout();
    Layout->setPaintDevice(Painter.device());
    const int Dpi = Painter.device()->logicalDpiY();
    // 2 cm margins, given at the screen's resolution as print() gives them.
    const qreal SourceDpiX = 96, SourceDpiY = 96;
    QTextFrameFormat Frame = FDocument->rootFrame()->frameFormat();
    Frame.setLeftMargin(int((2 / 2.54) * SourceDpiX));
    Frame.setRightMargin(int((2 / 2.54) * SourceDpiX));
    Frame.setTopMargin(int((2 / 2.54) * SourceDpiY));
    Frame.setBottomMargin(int((2 / 2.54) * SourceDpiY));
    FDocument->rootFrame()->setFrameFormat(Frame);
    FDocument->setPageSize(Body);
    FBody = Body;
    const qreal ScaleX = Painter.device()->logicalDpiX() / SourceDpiX;
    const qreal ScaleY = Dpi / SourceDpiY;
    FPageNumberAt = QPointF(Body.width() - int((2 / 2.54) * SourceDpiX) * ScaleX,
                            Body.height() - int((2 / 2.54) * SourceDpiY) * ScaleY +
                                QFontMetrics(FDocument->defaultFont(), Painter.device()).ascent() + 5 * Dpi / 72.0);
  }

  // Whether the part is too long to lay out (a table that cannot be cut).
  bool TooLong() const {
    const qreal Height = FDocument->documentLayout()->documentSize().height();
    return Height > LongestPart || Height < 0;
  }

  int PageCount() const { return FDocument->pageCount(); }

  // Whether a row of the table Frame (any frame: the frame) is taller than a
  // page. Each page the row reaches draws it whole; rows that fit on a page
  // are drawn only on their pages.
  bool HasRowTallerThanAPage(QTextFrame& Frame) const {
    QAbstractTextDocumentLayout* Layout = FDocument->documentLayout();
    const qreal Page = FBody.height();
    const auto* Table = qobject_cast<QTextTable*>(&Frame);
    if (!Table) {
      const qreal Height = Layout->frameBoundingRect(&Frame).height();
      return Height > Page || Height < 0;
    }
    for (int r = 0; r < Table->rows(); ++r) {
      qreal Top = 0, Bottom = 0;
      bool Any = false;
      for (int c = 0; c < Table->columns(); ++c) {
        const QTextTableCell Cell = Table->cellAt(r, c);
        if (!Cell.isValid() || Cell.row() != r || Cell.column() != c) continue;
        const qreal CellTop = Layout->blockBoundingRect(Cell.firstCursorPosition().block()).top();
        const qreal CellBottom = Layout->blockBoundingRect(Cell.lastCursorPosition().block()).bottom();
        Top = Any ? std::min(Top, CellTop) : CellTop;
        Bottom = Any ? std::max(Bottom, CellBottom) : CellBottom;
        Any = true;
      }
      if (Any && (Bottom - Top > Page || Bottom < Top)) return true;
    }
    return false;
  }

  // The part's first table (by its index among the part's units) that has a
  // row taller than a page, or -1.
  int TallTable(const std::vector<TUnit>& Units, std::size_t First) const {
    std::size_t u = 0;
    for (auto It = FDocument->rootFrame()->begin(); !It.atEnd(); ++It) {
      QTextFrame* Frame = It.currentFrame();
      if (!Frame) continue;
      while (u < FStarts.size() && Units[First + u].IsParagraph) ++u;
      if (u == FStarts.size()) break;
      if (HasRowTallerThanAPage(*Frame)) return static_cast<int>(u);
      ++u;
    }
    return -1;
  }

  // The first page, after page 0, that begins with one of the part's
  // paragraphs, every unit before it ending on an earlier page; the part can
  // stop there and the next go on from that paragraph. Sets Unit to the
  // paragraph's index within the part. 0 when there is none. A part does not
  // end inside a list of Source, whose numbers would start afresh.
  int LastCleanPageStart(const QTextDocument& Source, const std::vector<TUnit>& Units, std::size_t First,
                         std::size_t& Unit) const {
    QAbstractTextDocumentLayout* Layout = FDocument->documentLayout();
    const std::size_t Count = FStarts.size();
    for (int Page = PageCount() - 1; Page > 0; --Page) {
      const qreal Top = Page * FBody.height();
      // The first unit that starts on this page or later.
      std::size_t k = Count;
      for (std::size_t u = Count; u-- > 1;) {
        if (!Units[First + u].IsParagraph) continue;
        if (LineTop(FStarts[u], true) >= Top) k = u;
        else break;
      }
      if (k == Count || k == 0 || !Units[First + k - 1].IsParagraph) continue;
      // A numbered list would count afresh in the next part.
      const QTextList* List = Source.findBlock(Units[First + k].Start).textList();
      if (List && List == Source.findBlock(Units[First + k - 1].Start).textList()) continue;
      if (LineTop(FStarts[k - 1], false) > Top) continue;
      Unit = k;
      return Page;
    }
    return 0;
  }

  // The top of the first line (First) or the bottom of the last line of the
  // paragraph at Position. A line that would cross the foot of a page is
  // moved onto the next page within its paragraph, so the lines tell where
  // a paragraph shows, not the paragraph's own position.
  qreal LineTop(int Position, bool First) const {
    // Paragraphs of the top level: their layout's position is on the page.
    FDocument->documentLayout()->blockBoundingRect(FDocument->findBlock(Position));  // laid out
    const QTextLayout* Lines = FDocument->findBlock(Position).layout();
    const qreal Origin = Lines->position().y();
    if (Lines->lineCount() == 0) return Origin;
    if (First) return Origin + Lines->lineAt(0).y();
    const QTextLine Last = Lines->lineAt(Lines->lineCount() - 1);
    return Origin + Last.y() + Last.height();
  }

  // Prints the part's page Index (from 0) as page Number of the report.
  void PrintPage(QPainter& Painter, int Index, int Number) const {
    Painter.save();
    Painter.translate(0, -Index * FBody.height());
    const QRectF View(0, Index * FBody.height(), FBody.width(), FBody.height());
    QAbstractTextDocumentLayout::PaintContext Context;
    Painter.setClipRect(View);
    Context.clip = View;
    Context.palette.setColor(QPalette::Text, Qt::black);
    FDocument->documentLayout()->draw(&Painter, Context);
    Painter.setClipping(false);
    Painter.setFont(FDocument->defaultFont());
    const QString PageText = QString::number(Number);
    Painter.drawText(qRound(FPageNumberAt.x() - Painter.fontMetrics().horizontalAdvance(PageText)),
                     qRound(FPageNumberAt.y() + View.top()), PageText);
    Painter.restore();
  }

 private:
  std::unique_ptr<QTextDocument> FDocument;
  std::vector<int> FStarts;  // of each unit in the part's document
  QSizeF FBody;
  QPointF FPageNumberAt;
};

}  // namespace

QByteArray TReportPdfWriter::Write(const QTextDocument& Document) const {
  QByteArray Bytes;
  QBuffer Buffer(&Bytes);
  Buffer.open(QIODevice::WriteOnly);
  QPdfWriter Writer(&Buffer);
  Writer.setTitle(FTitle);
  Writer.setCreator("Quillmoor Planner");
  Writer.setPageLayout(QPageLayout(QPageSize(FPageSize), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
  // As print() does for a document without margins of its own.
  Writer.setPageMargins(QMarginsF(2, 2, 2, 2), QPageLayout::Millimeter);
  QPainter Painter(&Writer);
  if (!Painter.isActive()) throw std::runtime_error("The report cannot be written as PDF.");
  const QSizeF Body(Writer.width(), Writer.height());
  std::vector<TUnit> Units = UnitsOf(Document, FPartCharacters);
  int Number = 0;
  std::size_t First = 0;
  // The units from First on that hold up to about Characters characters, at
  // least one.
  const auto PartEnd = [&Units](std::size_t First, long long Characters) {
    std::size_t Last = First;
    long long Taken = 0;
    while (Last < Units.size() && (Last == First || Taken + (Units[Last].End - Units[Last].Start) <= Characters)) {
      Taken += Units[Last].End - Units[Last].Start + 1;
      ++Last;
    }
    return Last;
  };
  // The part from First on, with about Characters characters; a table taller
  // than two pages (narrow columns, a long row) is written as the paragraphs
  // of its cells. Sets Last to the end of the part's units.
  const auto BuildPart = [&](std::size_t First, long long Characters, std::size_t& Last) {
    Last = PartEnd(First, Characters);
    auto Part = std::make_unique<TPart>(Document, Units, First, Last, Painter, Body);
    for (int Tall = Part->TallTable(Units, First); Tall >= 0; Tall = Part->TallTable(Units, First)) {
      const std::size_t At = First + static_cast<std::size_t>(Tall);
      const QTextFrame* Frame = Document.frameAt(Units[At].Start + 1);
      while (Frame && Frame->parentFrame() != Document.rootFrame()) Frame = Frame->parentFrame();
      if (!Frame) break;
      const std::vector<TUnit> Cells = TableParagraphs(Document, *Frame, FPartCharacters);
      Units.erase(Units.begin() + static_cast<std::ptrdiff_t>(At));
      Units.insert(Units.begin() + static_cast<std::ptrdiff_t>(At), Cells.begin(), Cells.end());
      Last = PartEnd(First, Characters);
      Part = std::make_unique<TPart>(Document, Units, First, Last, Painter, Body);
    }
    if (Part->TooLong())
      throw std::runtime_error("The report cannot be written as PDF: a part of it is too long to lay out on pages.");
    return Part;
  };
  do {
    long long Characters = FPartCharacters;
    std::size_t Last = First;
    auto Part = BuildPart(First, Characters, Last);
    // A part ends on a page that begins with a paragraph: it must fill more
    // than one page, or the next part would begin on a new page.
    while (Part->PageCount() < 3 && Last < Units.size()) {
      Characters *= 2;
      Part = BuildPart(First, Characters, Last);
    }
    int Pages = Part->PageCount();
    std::size_t Next = Last;
    if (Last < Units.size()) {
      std::size_t Unit = 0;
      if (const int Page = Part->LastCleanPageStart(Document, Units, First, Unit)) {
        Pages = Page;
        Next = First + Unit;
      }
    }
    for (int Page = 0; Page < Pages; ++Page) {
      if (Number > 0 && !Writer.newPage()) throw std::runtime_error("The report cannot be written as PDF.");
      Part->PrintPage(Painter, Page, ++Number);
    }
    First = Next;
  } while (First < Units.size());
  Painter.end();
  return Bytes;
}
