// Page switching from the keyboard, wherever the focus is in the main window
// (the trip selector and the unit selectors included): Ctrl+Tab and
// Ctrl+PgDown show the next page, Ctrl+Shift+Tab and Ctrl+PgUp the previous
// one (both wrap round), Alt+1 .. Alt+9 and Alt+0 the first ten pages. A page
// shown this way is picked as by its tab; when the focus was on the page
// left behind, it moves to the first control of the page shown.
#pragma once

#include <QObject>

class QTabWidget;
class QWidget;

class TPageKeys : public QObject {
 public:
  TPageKeys(QWidget* Window, QTabWidget* Pages);

  void ShowPage(int Index);
  void Step(int By);

 private:
  QTabWidget* FPages;
};
