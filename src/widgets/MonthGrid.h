// A month calendar grid: seven columns (Sunday first) by seven rows, a header
// row of weekday names and six week rows. Every cell carries a list of text
// lines that is drawn under its day number.
#pragma once

#include <QStringList>
#include <QWidget>
#include <array>

class QMenu;

class TMonthGrid : public QWidget {
  Q_OBJECT
 public:
  static constexpr int ColumnCount = 7;
  static constexpr int RowCount = 7;
  static constexpr int HeaderHeight = 16;
  static constexpr int WeekRowHeight = 74;

  explicit TMonthGrid(QWidget* Parent = nullptr);

  // The shown year, month (1..12) and selected day. A value equal to the
  // current one changes nothing; a year or month below 1, a month above 12
  // and a day outside the shown month are ignored. When the year or month
  // changes, the selected day is reduced to the length of the new month.
  int Year() const { return FYear; }
  int Month() const { return FMonth; }
  int Day() const { return FDay; }
  void SetYear(int Year);
  void SetMonth(int Month);
  void SetDay(int Day);
  int DaysInMonth() const;

  // The day shown in a cell, or 0 for the header and the blank cells.
  int DayAt(int Column, int Row) const;
  // The cell of the pointer position Position; false outside the cells.
  bool CellAt(const QPoint& Position, int& Column, int& Row) const;
  QRect CellRect(int Column, int Row) const;

  // Text lines of the cells. They belong to the cells, not to dates: they
  // stay where they are when the month changes.
  void ClearCellLines();
  // Appends Line to the cell showing Day of the shown month; a day the month
  // does not have is ignored.
  void AppendDayLine(int Day, const QString& Line);
  QStringList CellLines(int Column, int Row) const;
  // The lines as the cell draws them: as many whole lines as fit under the
  // day number, each cut to the cell's width with "…" when it is wider.
  QStringList DrawnLines(int Column, int Row) const;

  // The context menu, shown on a right click or the menu key; not owned.
  void SetPopupMenu(QMenu* Menu) { FPopupMenu = Menu; }
  QMenu* PopupMenu() const { return FPopupMenu; }

  // The selected day as a screen reader reads it (the grid's accessible
  // description): weekday, day, month, year and the day's lines.
  QString SelectedDayText() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  // The user selected a day with the pointer or the keyboard (also when the
  // day was already selected).
  void DayClicked();
  // A double click on a day cell (after DayClicked).
  void DayDoubleClicked();
  // The pointer moved over the grid.
  void PointerMoved(const QPoint& Position);

 protected:
  // Shows the hint as plain text: note lines that look like markup show as typed.
  bool event(QEvent* Event) override;
  void paintEvent(QPaintEvent* Event) override;
  void mousePressEvent(QMouseEvent* Event) override;
  void mouseDoubleClickEvent(QMouseEvent* Event) override;
  void mouseMoveEvent(QMouseEvent* Event) override;
  void keyPressEvent(QKeyEvent* Event) override;
  void contextMenuEvent(QContextMenuEvent* Event) override;

 private:
  // Position of day 1 in the 42 week cells (0 = Sunday of the first week).
  int FirstDayOffset() const;
  void ClampDay();
  // Selects Day as the user's pick and reports it.
  void PickDay(int Day);
  void PaintCell(QPainter& Painter, int Column, int Row);
  void ReportSelectedDay();

  int FYear;
  int FMonth;
  int FDay;
  std::array<QStringList, ColumnCount * RowCount> FCellLines;
  QMenu* FPopupMenu = nullptr;
};
