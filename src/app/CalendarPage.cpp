#include "app/CalendarPage.h"

#include <QAction>
#include <QDate>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/AppContext.h"
#include "store/MonthNames.h"
#include "ui/StoreText.h"
#include "store/DataFileFormat.h"
#include "widgets/MonthGrid.h"

namespace {

QPushButton* ArrowButton(const QString& Caption, QWidget* Parent) {
  auto* Button = new QPushButton(Caption, Parent);
  Button->setFixedSize(23, 22);
  return Button;
}

QLineEdit* ReadOnlyBox(const QString& Text, int Width, QWidget* Parent) {
  auto* Box = new QLineEdit(Text, Parent);
  Box->setReadOnly(true);
  Box->setFocusPolicy(Qt::NoFocus);
  Box->setAlignment(Qt::AlignCenter);
  Box->setFixedWidth(Width);
  return Box;
}

QString MonthName(int MonthIndex) {
  return QString::fromStdString(MonthNames[static_cast<std::size_t>(MonthIndex)]);
}

}  // namespace

TCalendarPage::TCalendarPage(TAppContext& Context, QWidget* Parent) : TTripPage(Context, Parent) {
  auto* Layout = new QVBoxLayout(this);
  Layout->setContentsMargins(0, 0, 0, 0);
  Layout->setSpacing(0);
  Layout->addWidget(BuildMonthBar());

  StringGrid1 = new TMonthGrid(this);
  StringGrid1->setObjectName("StringGrid1");
  StringGrid1->setEnabled(false);  // until a trip is shown
  Layout->addWidget(StringGrid1, 1);

  PopupMenu1 = new QMenu(this);
  EditText1 = PopupMenu1->addAction("&Edit Text");
  EditText1->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
  PopupMenu1->setDefaultAction(EditText1);
  Deletetext1 = PopupMenu1->addAction("&Delete Text");
  Deletetext1->setShortcut(QKeySequence(Qt::Key_Delete));
  for (QAction* Item : PopupMenu1->actions()) {
    Item->setShortcutContext(Qt::WidgetShortcut);
    StringGrid1->addAction(Item);
  }
  StringGrid1->SetPopupMenu(PopupMenu1);

  auto Run = [this](void (TCalendarPage::*Handler)()) {
    return [this, Handler] { this->Context.Guarded([this, Handler] { (this->*Handler)(); }); };
  };
  connect(Button3, &QPushButton::clicked, this, Run(&TCalendarPage::Button3Click));
  connect(Button4, &QPushButton::clicked, this, Run(&TCalendarPage::Button4Click));
  connect(Button5, &QPushButton::clicked, this, Run(&TCalendarPage::Button5Click));
  connect(Button6, &QPushButton::clicked, this, Run(&TCalendarPage::Button6Click));
  connect(Edit1, &QLineEdit::textChanged, this, Run(&TCalendarPage::ApplyCalendarMonth));
  connect(Edit2, &QLineEdit::textChanged, this, Run(&TCalendarPage::ApplyCalendarMonth));
  connect(StringGrid1, &TMonthGrid::DayClicked, this, Run(&TCalendarPage::StringGrid1Click));
  connect(StringGrid1, &TMonthGrid::DayDoubleClicked, this, Run(&TCalendarPage::StringGrid1DblClick));
  connect(EditText1, &QAction::triggered, this, Run(&TCalendarPage::EditText1Click));
  connect(Deletetext1, &QAction::triggered, this, Run(&TCalendarPage::Deletetext1Click));
  connect(StringGrid1, &TMonthGrid::PointerMoved, this,
          [this](const QPoint& Position) { StringGrid1MouseMove(Position); });

  ApplyCalendarMonth();
}

QWidget* TCalendarPage::BuildMonthBar() {
  auto* Bar = new QWidget(this);
  Bar->setFixedHeight(52);
  auto* Grid = new QGridLayout(Bar);
  Grid->setContentsMargins(8, 2, 8, 2);
  Grid->setVerticalSpacing(2);
  Grid->setHorizontalSpacing(4);
  Button3 = ArrowButton("<", Bar);
  Edit1 = ReadOnlyBox("2004", 96, Bar);
  Button4 = ArrowButton(">", Bar);
  Button6 = ArrowButton("<", Bar);
  Edit2 = ReadOnlyBox("January", 96, Bar);
  Button5 = ArrowButton(">", Bar);
  // The arrows are read with the caption of their row.
  Button3->setAccessibleName("Select Year: <");
  Button4->setAccessibleName("Select Year: >");
  Button6->setAccessibleName("Select Month: <");
  Button5->setAccessibleName("Select Month: >");
  Grid->addWidget(new QLabel("Select Year:", Bar), 0, 0);
  Grid->addWidget(Button3, 0, 1);
  Grid->addWidget(Edit1, 0, 2);
  Grid->addWidget(Button4, 0, 3);
  Grid->addWidget(new QLabel("Select Month:", Bar), 1, 0);
  Grid->addWidget(Button6, 1, 1);
  Grid->addWidget(Edit2, 1, 2);
  Grid->addWidget(Button5, 1, 3);
  Grid->setColumnStretch(4, 1);
  return Bar;
}

int TCalendarPage::ShownYear() const { return Edit1->text().toInt(); }

// ---- Month and notes ----

void TCalendarPage::ApplyCalendarMonth() {
  StringGrid1->SetYear(ShownYear());
  StringGrid1->SetMonth(MonthIndex + 1);
}

void TCalendarPage::StartUp() {
  ApplyCalendarMonth();
  const QDate Today = QDate::currentDate();
  ShowMonth(Today.year(), Today.month() - 1);
  FillCalendarNotes();
}

void TCalendarPage::ShowMonth(int Year, int ShownMonthIndex) {
  MonthIndex = ShownMonthIndex;
  Edit2->setText(MonthName(MonthIndex));
  Edit1->setText(QString::number(Year));
  ApplyCalendarMonth();
}

void TCalendarPage::FillCalendarNotes() {
  StringGrid1->ClearCellLines();
  if (!Context.HasTrips()) return;
  StringGrid1->setEnabled(true);
  const int Trip = Context.Trip();
  // Trips remain but none is selected: there are no notes to show.
  if (Trip < 0) return;
  for (int i = 0; i < Context.Store.NoteCount(Trip); ++i) {
    const TDayNote& Note = Context.Store.GetNote(Trip, i);
    if (Note.Month != MonthIndex + 1 || Note.Year != ShownYear()) continue;
    for (const std::string& Line : Note.Lines) StringGrid1->AppendDayLine(Note.Day, FromStore(Line));
  }
}

void TCalendarPage::ClearPage() { StringGrid1->ClearCellLines(); }

bool TCalendarPage::SameDate(const TDayNote& A, const TDayNote& B) {
  return A.Day == B.Day && A.Month == B.Month && A.Year == B.Year;
}

// ---- Year and month buttons ----

void TCalendarPage::Button3Click() {
  Edit1->setText(QString::number(ShownYear() - 1));
  FillCalendarNotes();
}

void TCalendarPage::Button4Click() {
  Edit1->setText(QString::number(ShownYear() + 1));
  FillCalendarNotes();
}

// December stays December: the year is changed by its own buttons.
void TCalendarPage::Button5Click() {
  if (MonthIndex <= 10) {
    ++MonthIndex;
    Edit2->setText(MonthName(MonthIndex));
  }
  FillCalendarNotes();
}

void TCalendarPage::Button6Click() {
  if (MonthIndex > 0) {
    --MonthIndex;
    Edit2->setText(MonthName(MonthIndex));
  }
  FillCalendarNotes();
}

void TCalendarPage::StringGrid1Click() { ApplyCalendarMonth(); }

// ---- Day notes ----

int TCalendarPage::FindSelectedDayNote() {
  const int Trip = Context.Trip();
  TDayNote Selected;
  Selected.Day = StringGrid1->Day();
  Selected.Month = StringGrid1->Month();
  Selected.Year = StringGrid1->Year();
  int Found = -1;
  // Of several notes with one date the last one counts.
  const int Count = Context.Store.NoteCount(Trip);
  for (int i = 0; i < Count; ++i)
    if (SameDate(Context.Store.GetNote(Trip, i), Selected)) Found = i;
  return Found;
}

void TCalendarPage::EditText1Click() {
  const int Trip = Context.Trip();
  const int Found = FindSelectedDayNote();
  const QStringList Lines =
      Found >= 0 ? FromStoreLines(Context.Store.GetNote(Trip, Found).Lines) : QStringList();
  const QStringList Result = AskNoteLines(Lines);
  // No lines: cancelled or emptied. Deleting a note is "&Delete Text"'s job.
  if (Result.isEmpty()) return;
  if (Found >= 0) {
    Context.Store.GetNote(Trip, Found).Lines = ToStoreLines(Result);
  } else {
    Context.Store.AddNote(Trip, ToStoreLines(Result), StringGrid1->Day(), StringGrid1->Month(),
                          StringGrid1->Year());
  }
  FillCalendarNotes();
}

QStringList TCalendarPage::AskNoteLines(const QStringList& Lines) {
  QStringList Result = Context.Prompts.EditNote(Lines);
  // The data file could not save a longer note: the user shortens it, or
  // closes the dialog to keep the note as it was.
  while (Result.size() > MaxNoteLines) {
    Context.Prompts.Error(QString("A note holds at most %1 lines; this one has %2.")
                              .arg(MaxNoteLines)
                              .arg(Result.size()));
    Result = Context.Prompts.EditNote(Result);
  }
  return Result;
}

void TCalendarPage::Deletetext1Click() {
  const int Found = FindSelectedDayNote();
  if (Found < 0 || Context.Store.GetNote(Context.Trip(), Found).Lines.empty()) return;
  Context.Store.DeleteNote(Context.Trip(), Found);
  FillCalendarNotes();
}

void TCalendarPage::StringGrid1MouseMove(const QPoint& Position) {
  int Column, Row;
  QString Hint;
  if (StringGrid1->CellAt(Position, Column, Row))
    for (const QString& Line : StringGrid1->CellLines(Column, Row)) Hint += Line + '\n';
  StringGrid1->setToolTip(Hint);
}
