// The timer that keeps the items of an editor's popup menu enabled as the
// editor and the clipboard allow. It ticks every millisecond while the
// editor is shown and rests while it is hidden.
#pragma once

#include <QTimer>

class IPrompts;
class TEditPopupMenu;

class TEditMenuTimer : public QTimer {
  Q_OBJECT
 public:
  TEditMenuTimer(TEditPopupMenu& Menu, QWidget& Editor, IPrompts& Prompts, QObject* Parent);

  // One tick: updates the items. When a query fails the timer stops for
  // good and the items keep their last state.
  void Tick();

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  TEditPopupMenu& FMenu;
  IPrompts& FPrompts;
  bool FFailed = false;
};
