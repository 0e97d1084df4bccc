// A scroll area for a column of fixed width: as wide as the column, and
// wider by the scroll bar while the column is too tall for it.
#pragma once

#include <QScrollArea>

class TColumnScrollArea : public QScrollArea {
 public:
  // Column is owned by the scroll area.
  explicit TColumnScrollArea(QWidget* Column, QWidget* Parent = nullptr);

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  void FitWidth();
};
