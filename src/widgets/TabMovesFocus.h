// In a text editor that holds several lines, Tab and Shift+Tab move to the
// next and the previous control as everywhere else, so that the keyboard
// never gets stuck in it; Ctrl+Tab types the tab character instead.
#pragma once

#include <QObject>

class QAbstractScrollArea;

class TTabMovesFocus : public QObject {
 public:
  // Editor is a QTextEdit or a QPlainTextEdit; the filter belongs to it.
  static void Install(QAbstractScrollArea* Editor);

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  explicit TTabMovesFocus(QObject* Parent) : QObject(Parent) {}
};
