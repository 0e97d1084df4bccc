#include "app/UndoRecorder.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextEdit>

#include "app/MainUnit.h"
#include "app/PageTable.h"
#include "store/DataFileFormat.h"
#include "store/StoreChange.h"
#include "store/Traveler.h"
#include "ui/StoreText.h"
#include "ui/TripPage.h"

namespace {

// A command's caption as a step's name: without its mnemonic and dots.
QString CommandName(QString Text) {
  Text.remove('&');
  if (Text.endsWith("...")) Text.chop(3);
  return Text.trimmed();
}

bool IsTextBox(const QObject* Widget) {
  if (const auto* Line = qobject_cast<const QLineEdit*>(Widget)) return !Line->isReadOnly();
  if (const auto* Text = qobject_cast<const QTextEdit*>(Widget)) return !Text->isReadOnly();
  if (const auto* Plain = qobject_cast<const QPlainTextEdit*>(Widget)) return !Plain->isReadOnly();
  return false;
}

bool IsKey(const QKeyEvent* Key, const QKeySequence& Sequence) {
  return QKeySequence(Key->keyCombination()) == Sequence;
}

}  // namespace

TUndoRecorder::TUndoRecorder(TMainForm& Form, QMenu& EditMenu)
    : FForm(Form), FStore(Form.TripData()) {
  UndoAction = EditMenu.addAction("&Undo");
  UndoAction->setObjectName("Undo1");
  UndoAction->setShortcut(QKeySequence("Ctrl+Z"));
  RedoAction = EditMenu.addAction("&Redo");
  RedoAction->setObjectName("Redo1");
  RedoAction->setShortcuts({QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")});
  connect(UndoAction, &QAction::triggered, this, [this] { FForm.Context().Guarded([this] { Undo(); }); });
  connect(RedoAction, &QAction::triggered, this, [this] { FForm.Context().Guarded([this] { Redo(); }); });
  // Connected after the commands' own handlers: noted before the comparison.
  for (QMenu* Menu : FForm.findChildren<QMenu*>())
    for (QAction* Action : Menu->actions())
      if (Menu != &EditMenu)
        connect(Action, &QAction::triggered, this, [this, Action] { NoteCommand(Action->text()); });
  // The menu names what a change not compared yet would undo.
  connect(&EditMenu, &QMenu::aboutToShow, this, [this] { CheckNow(); });
  // The status bar that tells what a delete removed is there from the start,
  // so that the window does not change its layout at the first delete.
  FForm.statusBar()->setSizeGripEnabled(false);
  // A page shown with nothing left to compare is where the next step begins.
  connect(FForm.PageControl1, &QTabWidget::currentChanged, this, [this] {
    if (!FCheck.isActive() && FHasCurrent) FLastPlace = CurrentPlace();
  });
  FCheck.setSingleShot(true);
  connect(&FCheck, &QTimer::timeout, this, [this] { TimerCheck(); });
  qApp->installEventFilter(this);
  UpdateActions();
}

TUndoRecorder::~TUndoRecorder() {
  if (qApp) qApp->removeEventFilter(this);
}

void TUndoRecorder::Baseline() {
  FHistory.Clear();
  FHasCurrent = false;
  FNewestIsTyping = false;
  CheckNow();
  UpdateActions();
}

// ---- Noticing changes ----

bool TUndoRecorder::eventFilter(QObject* Watched, QEvent* Event) {
  switch (Event->type()) {
    case QEvent::ShortcutOverride: {
      auto* Key = static_cast<QKeyEvent*>(Event);
      const bool IsUndo = IsKey(Key, UndoAction->shortcut());
      const bool IsRedo = RedoAction->shortcuts().contains(QKeySequence(Key->keyCombination()));
      const QWidget* Focus = QApplication::focusWidget();
      if ((IsUndo || IsRedo) && Watched == Focus && Focus->window() == &FForm && !EditorTakesKey(Watched, IsRedo)) {
        // Nothing of the box's own to undo: the key goes to the Edit menu,
        // which first takes in a change not compared yet.
        if (FCheck.isActive()) CheckNow();
        Event->ignore();
        return true;
      }
      break;
    }
    case QEvent::KeyRelease: {
      if (Watched != QApplication::focusWidget()) break;  // once, not again for each parent
      const auto* Key = static_cast<QKeyEvent*>(Event);
      // Modifiers alone change nothing; the undo and redo keys change only
      // a box, whose own undo they ran.
      if (Key->key() == Qt::Key_Control || Key->key() == Qt::Key_Shift || Key->key() == Qt::Key_Alt ||
          Key->key() == Qt::Key_Meta)
        break;
      if (IsKey(Key, UndoAction->shortcut()) || RedoAction->shortcuts().contains(QKeySequence(Key->keyCombination()))) {
        if (IsTextBox(Watched)) {
          FTypingPending = true;
          Schedule(TypingPauseMilliseconds);
        }
        break;
      }
      const bool Ends = Key->key() == Qt::Key_Return || Key->key() == Qt::Key_Enter || Key->key() == Qt::Key_Tab ||
                        Key->key() == Qt::Key_Backtab || Key->key() == Qt::Key_Escape ||
                        (Key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
      if (IsTextBox(Watched) && !Ends) {
        FTypingPending = true;
        Schedule(TypingPauseMilliseconds);
      } else {
        Schedule(0);
      }
      break;
    }
    case QEvent::InputMethod:
      FTypingPending = true;
      Schedule(TypingPauseMilliseconds);
      break;
    case QEvent::MouseButtonRelease:
      // A menu changes nothing by itself; its commands say when they ran.
      if (qobject_cast<QMenu*>(Watched) || qobject_cast<QMenuBar*>(Watched)) break;
      if (auto* Button = qobject_cast<QAbstractButton*>(Watched); Button && Button->window() == &FForm)
        NoteCommand(Button->text());
      Schedule(0);
      break;
    case QEvent::Drop:
      Schedule(0);
      break;
    case QEvent::FocusOut: {
      // Leaving a box ends its typing: what was typed becomes a step before
      // the command that took the focus runs.
      const Qt::FocusReason Reason = static_cast<QFocusEvent*>(Event)->reason();
      if (IsTextBox(Watched) && FTypingPending &&
          (Reason == Qt::MouseFocusReason || Reason == Qt::TabFocusReason || Reason == Qt::BacktabFocusReason))
        CheckNow();
      break;
    }
    default:
      break;
  }
  return QObject::eventFilter(Watched, Event);
}

bool TUndoRecorder::EditorTakesKey(QObject* Watched, bool Redo) {
  if (!IsTextBox(Watched)) return false;
  if (const auto* Line = qobject_cast<const QLineEdit*>(Watched))
    return Redo ? Line->isRedoAvailable() : Line->isUndoAvailable();
  const QTextDocument* Document = nullptr;
  if (const auto* Text = qobject_cast<const QTextEdit*>(Watched)) Document = Text->document();
  if (const auto* Plain = qobject_cast<const QPlainTextEdit*>(Watched)) Document = Plain->document();
  return Document && (Redo ? Document->isRedoAvailable() : Document->isUndoAvailable());
}

void TUndoRecorder::NoteCommand(const QString& Text) {
  FCommand = CommandName(Text);
  Schedule(0);
}

void TUndoRecorder::Schedule(int Milliseconds) {
  if (Milliseconds == 0 || !FCheck.isActive() || FTypingPending) FCheck.start(Milliseconds);
}

void TUndoRecorder::TimerCheck() {
  // A question still open belongs to a command that has not finished yet.
  if (QApplication::activeModalWidget() || QApplication::activePopupWidget()) {
    FCheck.start(100);
    return;
  }
  CheckNow();
}

void TUndoRecorder::CheckNow(const std::string& Kind) {
  FCheck.stop();
  const bool Typing = FTypingPending;
  FTypingPending = false;
  const QString Command = FCommand;
  FCommand.clear();
  TStoreBytes Now;
  try {
    Now = DataFileBytes(FStore);
  } catch (const std::exception&) {
    // The store holds what the data file cannot: no step until it fits again.
    return;
  }
  const TUndoPlace Place = CurrentPlace();
  if (!FHasCurrent || Now == FCurrent) {
    FCurrent = std::move(Now);
    FHasCurrent = true;
    FLastPlace = Place;
    return;
  }
  const TStoreChange Change = DescribeStoreChange(FCurrent, Now);
  std::string Name = Kind.empty() ? Change.Kind : Kind;
  if (Kind.empty() && Command.startsWith("Import") && (!Change.Confined || Change.Kind.rfind("Add ", 0) == 0))
    Name = Command.toStdString();
  else if (Kind.empty() && !Change.Confined && !Command.isEmpty())
    Name = Command.toStdString();
  if (const char* Page = PageCaptionFor(Change.Section)) Name += std::string(" on ") + Page + " page";

  QWidget* Focus = QApplication::focusWidget();
  if (Typing && FNewestIsTyping && FTypingInto == Focus && FHistory.CanUndo() && FHistory.UndoLabel() == Name) {
    FHistory.ExtendNewest(FCurrent, Now, Place);
  } else {
    FHistory.Record(FCurrent, Now, Name, FLastPlace, Place);
  }
  FNewestIsTyping = Typing;
  FTypingInto = Typing ? Focus : nullptr;
  FCurrent = std::move(Now);
  FLastPlace = Place;
  if (!Change.Deleted.empty())
    FForm.statusBar()->showMessage(FromStore(Change.Deleted) + " Ctrl+Z undoes it.");
  else
    FForm.statusBar()->clearMessage();
  UpdateActions();
}

// ---- Undo and redo ----

void TUndoRecorder::Undo() { Step(false); }

void TUndoRecorder::Redo() { Step(true); }

void TUndoRecorder::Step(bool Forward) {
  // A value still in a grid cell or a box, or input not compared yet, is a
  // step of its own first. Every change comes from input, which schedules
  // the comparison; without input since the last one the store is as
  // compared, and a large store is not serialised again.
  const bool InBox = IsTextBox(QApplication::focusWidget());
  FForm.CommitPendingEdits();
  if (InBox || FCheck.isActive() || FTypingPending) CheckNow();
  if (Forward ? !FHistory.CanRedo() : !FHistory.CanUndo()) return;
  const TStoreBytes Shown = FCurrent;
  const TUndoPlace Place = Forward ? FHistory.Redo(FCurrent) : FHistory.Undo(FCurrent);
  FStore.ReplaceChangedTrips(Shown, FCurrent);
  Restore(Place);
}

void TUndoRecorder::Restore(const TUndoPlace& Place) {
  FForm.ShowTrips(Place.Trip);
  ShowPlace(Place);
  FLastPlace = CurrentPlace();
  FNewestIsTyping = false;
  FTypingInto = nullptr;
  FForm.statusBar()->clearMessage();
  UpdateActions();
}

TUndoPlace TUndoRecorder::CurrentPlace() const {
  TUndoPlace Place;
  Place.Trip = FForm.Context().Trip();
  Place.Page = FForm.PageControl1->currentIndex();
  if (TTripPage* Page = FForm.PageAt(Place.Page)) Place.Entry = Page->SelectedEntry();
  return Place;
}

void TUndoRecorder::ShowPlace(const TUndoPlace& Place) {
  if (Place.Page < 0 || Place.Page >= FForm.PageControl1->count()) return;
  FForm.ShowPage(Place.Page);
  if (!Place.Entry.empty() && FForm.Context().Trip() >= 0)
    if (TTripPage* Page = FForm.PageAt(Place.Page)) Page->SelectEntry(Place.Entry);
}

void TUndoRecorder::UpdateActions() {
  UndoAction->setEnabled(FHistory.CanUndo());
  RedoAction->setEnabled(FHistory.CanRedo());
  UndoAction->setText(FHistory.CanUndo() ? "&Undo " + FromStore(FHistory.UndoLabel()) : "&Undo");
  RedoAction->setText(FHistory.CanRedo() ? "&Redo " + FromStore(FHistory.RedoLabel()) : "&Redo");
}
