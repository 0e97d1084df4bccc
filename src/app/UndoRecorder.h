// Undo and redo of the trip plans. The pages write straight into the store,
// so changes are found as the recovery file finds them: by comparing the
// store's bytes (the data file's layout) a moment after user input. Each
// change found becomes a step of the undo history, named from what differs
// ("Delete Category on Gear page"); undo and redo load the bytes of the
// step's other side into the store and show the trip, page and entry the
// user was at.
//
// A click, Enter, Tab or a menu command is compared right after it has been
// handled; typing into a box only once it pauses, so that typing into a large
// store never waits for the comparison, and a burst of typing into one box is
// one step. While a box has typing of its own to undo, Ctrl+Z is the box's.
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <string>

#include "store/UndoHistory.h"

class QAction;
class QMenu;
class QWidget;
class TMainForm;
class TTravelerData;

class TUndoRecorder : public QObject {
  Q_OBJECT
 public:
  // The pause in typing after which what was typed becomes a step.
  static constexpr int TypingPauseMilliseconds = 800;

  // Adds "&Undo" and "&Redo" to EditMenu and starts watching the user's input.
  TUndoRecorder(TMainForm& Form, QMenu& EditMenu);
  ~TUndoRecorder() override;

  // The store as it is now is where the history begins (after loading).
  void Baseline();
  // Compares the store with the last step and records a change as a new
  // step; Kind, when given, names it instead of the comparison's name.
  void CheckNow(const std::string& Kind = std::string());

  void Undo();
  void Redo();

  const TUndoHistory& History() const { return FHistory; }
  QAction* UndoAction = nullptr;
  QAction* RedoAction = nullptr;

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  void Step(bool Forward);
  TUndoPlace CurrentPlace() const;
  void ShowPlace(const TUndoPlace& Place);
  void Restore(const TUndoPlace& Place);
  void UpdateActions();
  void Schedule(int Milliseconds);
  // Whether Ctrl+Z (Redo: Ctrl+Shift+Z, Ctrl+Y) belongs to the focused box.
  static bool EditorTakesKey(QObject* Watched, bool Redo);
  void NoteCommand(const QString& Text);
  void TimerCheck();

  TMainForm& FForm;
  TTravelerData& FStore;
  TUndoHistory FHistory;
  TStoreBytes FCurrent;  // the store's bytes as of the last comparison
  bool FHasCurrent = false;
  TUndoPlace FLastPlace;  // where the user was at the last comparison
  QTimer FCheck;
  bool FTypingPending = false;
  // The newest step is typing into this box, which may go on.
  QPointer<QWidget> FTypingInto;
  bool FNewestIsTyping = false;
  // The button or menu command last used, naming imports and changes of
  // several records.
  QString FCommand;
};
