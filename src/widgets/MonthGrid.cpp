#include "widgets/MonthGrid.h"

#include <QContextMenuEvent>
#include <QDate>
#include <QKeyEvent>
#include <QLocale>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QHelpEvent>
#include <QTextDocument>
#include <QToolTip>

#include "store/MonthNames.h"

namespace {

const QColor GridBackground(192, 220, 192);
const QColor HeaderBackground(0, 255, 0);
const QColor GridLine(128, 128, 128);
// Room between the cell border and its text.
constexpr int CellPadding = 3;

}  // namespace

TMonthGrid::TMonthGrid(QWidget* Parent) : QWidget(Parent) {
  const QDate Today = QDate::currentDate();
  FYear = Today.year();
  FMonth = Today.month();
  FDay = Today.day();
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  ReportSelectedDay();
}

QSize TMonthGrid::sizeHint() const {
  return QSize(ColumnCount * 90, HeaderHeight + (RowCount - 1) * WeekRowHeight + 1);
}

QSize TMonthGrid::minimumSizeHint() const { return QSize(ColumnCount * 40, sizeHint().height()); }

// ---- Year, month, day ----

int TMonthGrid::DaysInMonth() const { return QDate(FYear, FMonth, 1).daysInMonth(); }

void TMonthGrid::ClampDay() { FDay = std::min(FDay, DaysInMonth()); }

void TMonthGrid::SetYear(int Year) {
  if (Year == FYear || Year < 1) return;
  FYear = Year;
  ClampDay();
  ReportSelectedDay();
  update();
}

void TMonthGrid::SetMonth(int Month) {
  if (Month == FMonth || Month < 1 || Month > 12) return;
  FMonth = Month;
  ClampDay();
  ReportSelectedDay();
  update();
}

void TMonthGrid::SetDay(int Day) {
  if (Day == FDay || Day < 1 || Day > DaysInMonth()) return;
  FDay = Day;
  ReportSelectedDay();
  update();
}

void TMonthGrid::PickDay(int Day) {
  SetDay(Day);
  emit DayClicked();
}

// ---- Cells ----

int TMonthGrid::FirstDayOffset() const {
  return QDate(FYear, FMonth, 1).dayOfWeek() % 7;  // Qt counts Monday 1 .. Sunday 7
}

int TMonthGrid::DayAt(int Column, int Row) const {
  if (Column < 0 || Column >= ColumnCount || Row < 1 || Row >= RowCount) return 0;
  const int Day = (Row - 1) * ColumnCount + Column - FirstDayOffset() + 1;
  return Day >= 1 && Day <= DaysInMonth() ? Day : 0;
}

QRect TMonthGrid::CellRect(int Column, int Row) const {
  const int Left = Column * width() / ColumnCount;
  const int Right = (Column + 1) * width() / ColumnCount;
  const int Top = Row == 0 ? 0 : HeaderHeight + (Row - 1) * WeekRowHeight;
  const int Height = Row == 0 ? HeaderHeight : WeekRowHeight;
  return QRect(Left, Top, Right - Left, Height);
}

bool TMonthGrid::CellAt(const QPoint& Position, int& Column, int& Row) const {
  if (Position.x() < 0 || Position.x() >= width() || Position.y() < 0) return false;
  const int Y = Position.y();
  const int FoundRow = Y < HeaderHeight ? 0 : 1 + (Y - HeaderHeight) / WeekRowHeight;
  if (FoundRow >= RowCount) return false;
  Column = std::min(Position.x() * ColumnCount / std::max(width(), 1), ColumnCount - 1);
  Row = FoundRow;
  return true;
}

void TMonthGrid::ClearCellLines() {
  for (QStringList& Lines : FCellLines) Lines.clear();
  ReportSelectedDay();
  update();
}

void TMonthGrid::AppendDayLine(int Day, const QString& Line) {
  if (Day < 1 || Day > DaysInMonth()) return;
  const int Cell = ColumnCount + FirstDayOffset() + Day - 1;
  FCellLines[static_cast<std::size_t>(Cell)].append(Line);
  if (Day == FDay) ReportSelectedDay();
  update();
}

QStringList TMonthGrid::CellLines(int Column, int Row) const {
  if (Column < 0 || Column >= ColumnCount || Row < 0 || Row >= RowCount) return {};
  return FCellLines[static_cast<std::size_t>(Row * ColumnCount + Column)];
}

QString TMonthGrid::SelectedDayText() const {
  const QDate Date(FYear, FMonth, FDay);
  QString Text = QLocale::c().dayName(Date.dayOfWeek()) + ", " + QString::number(FDay) + " " +
                 QString::fromStdString(MonthNames[static_cast<std::size_t>(FMonth - 1)]) + " " +
                 QString::number(FYear);
  const int Cell = ColumnCount + FirstDayOffset() + FDay - 1;
  const QStringList& Lines = FCellLines[static_cast<std::size_t>(Cell)];
  if (!Lines.isEmpty()) Text += ": " + Lines.join("; ");
  return Text;
}

void TMonthGrid::ReportSelectedDay() { setAccessibleDescription(SelectedDayText()); }

// ---- Drawing ----

namespace {

// The part of a cell below its padding, where the day number and lines go.
QRect InnerRect(const QRect& Cell) { return Cell.adjusted(CellPadding, 1, -CellPadding, -1); }

}  // namespace

QStringList TMonthGrid::DrawnLines(int Column, int Row) const {
  const QRect Inner = InnerRect(CellRect(Column, Row));
  const QFontMetrics Metrics = fontMetrics();
  const int LineHeight = Metrics.height();
  QStringList Drawn;
  int Top = Inner.top() + LineHeight;
  for (const QString& Line : CellLines(Column, Row)) {
    if (Top + LineHeight > Inner.bottom() + 1) break;
    Drawn.append(Metrics.elidedText(Line, Qt::ElideRight, Inner.width()));
    Top += LineHeight;
  }
  return Drawn;
}

void TMonthGrid::paintEvent(QPaintEvent*) {
  QPainter Painter(this);
  Painter.fillRect(rect(), GridBackground);
  for (int Row = 0; Row < RowCount; ++Row)
    for (int Column = 0; Column < ColumnCount; ++Column) PaintCell(Painter, Column, Row);
}

void TMonthGrid::PaintCell(QPainter& Painter, int Column, int Row) {
  const QRect Cell = CellRect(Column, Row);
  const QColor Text = isEnabled() ? palette().color(QPalette::Active, QPalette::WindowText)
                                  : palette().color(QPalette::Disabled, QPalette::WindowText);
  if (Row == 0) {
    // The weekday names are no control: disabled grey on the bright header
    // would leave them unreadable.
    Painter.fillRect(Cell, HeaderBackground);
    Painter.setPen(palette().color(QPalette::Active, QPalette::WindowText));
    Painter.drawText(Cell, Qt::AlignCenter, QLocale::c().dayName(Column == 0 ? 7 : Column, QLocale::ShortFormat));
  } else if (const int Day = DayAt(Column, Row)) {
    const bool Selected = Day == FDay;
    if (Selected) Painter.fillRect(Cell, palette().color(QPalette::Highlight));
    Painter.setPen(Selected ? palette().color(QPalette::HighlightedText) : Text);
    const QRect Inner = InnerRect(Cell);
    const int LineHeight = Painter.fontMetrics().height();
    QFont DayFont = Painter.font();
    DayFont.setBold(true);
    Painter.save();
    Painter.setFont(DayFont);
    Painter.drawText(Inner, Qt::AlignLeft | Qt::AlignTop, QString::number(Day));
    Painter.restore();
    // The lines go under the day number.
    Painter.setClipRect(Inner);
    int Top = Inner.top() + LineHeight;
    for (const QString& Line : DrawnLines(Column, Row)) {
      Painter.drawText(QRect(Inner.left(), Top, Inner.width(), LineHeight), Qt::AlignLeft | Qt::AlignTop,
                       Line);
      Top += LineHeight;
    }
    Painter.setClipping(false);
    if (Selected && hasFocus()) {
      QPen Focus(palette().color(QPalette::HighlightedText), 1, Qt::DotLine);
      Painter.setPen(Focus);
      Painter.drawRect(Cell.adjusted(1, 1, -2, -2));
    }
  }
  Painter.setPen(GridLine);
  Painter.drawRect(Cell.adjusted(0, 0, -1, -1));
}

// ---- Pointer and keyboard ----

void TMonthGrid::mousePressEvent(QMouseEvent* Event) {
  int Column, Row;
  if (Event->button() != Qt::LeftButton && Event->button() != Qt::RightButton) return;
  if (!CellAt(Event->position().toPoint(), Column, Row)) return;
  // Blank cells cannot be selected; a right click picks the day its menu acts on.
  if (const int Day = DayAt(Column, Row)) PickDay(Day);
}

void TMonthGrid::mouseDoubleClickEvent(QMouseEvent* Event) {
  int Column, Row;
  if (Event->button() != Qt::LeftButton) return;
  if (!CellAt(Event->position().toPoint(), Column, Row)) return;
  if (const int Day = DayAt(Column, Row)) {
    PickDay(Day);
    emit DayDoubleClicked();
  }
}

void TMonthGrid::mouseMoveEvent(QMouseEvent* Event) { emit PointerMoved(Event->position().toPoint()); }

void TMonthGrid::keyPressEvent(QKeyEvent* Event) {
  int Step = 0;
  switch (Event->key()) {
    case Qt::Key_Left: Step = -1; break;
    case Qt::Key_Right: Step = 1; break;
    case Qt::Key_Up: Step = -ColumnCount; break;
    case Qt::Key_Down: Step = ColumnCount; break;
    default: QWidget::keyPressEvent(Event); return;
  }
  const int Target = FDay + Step;
  if (Target >= 1 && Target <= DaysInMonth()) PickDay(Target);
}

void TMonthGrid::contextMenuEvent(QContextMenuEvent* Event) {
  if (FPopupMenu && isEnabled()) FPopupMenu->exec(Event->globalPos());
}

bool TMonthGrid::event(QEvent* Event) {
  if (Event->type() == QEvent::ToolTip) {
    const auto* Help = static_cast<QHelpEvent*>(Event);
    QString Hint = toolTip();
    if (Hint.endsWith('\n')) Hint.chop(1);
    if (Hint.isEmpty())
      QToolTip::hideText();
    else
      QToolTip::showText(Help->globalPos(), Qt::convertFromPlainText(Hint, Qt::WhiteSpaceNormal), this);
    return true;
  }
  return QWidget::event(Event);
}
