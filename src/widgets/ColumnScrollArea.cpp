#include "widgets/ColumnScrollArea.h"

#include <QEvent>
#include <QScrollBar>

TColumnScrollArea::TColumnScrollArea(QWidget* Column, QWidget* Parent) : QScrollArea(Parent) {
  setFrameShape(QFrame::NoFrame);
  setFocusPolicy(Qt::NoFocus);  // Tab goes to the column's controls
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setWidgetResizable(true);
  setWidget(Column);
  verticalScrollBar()->installEventFilter(this);
  FitWidth();
}

bool TColumnScrollArea::eventFilter(QObject* Watched, QEvent* Event) {
  if (Watched == verticalScrollBar() && (Event->type() == QEvent::Show || Event->type() == QEvent::Hide))
    FitWidth();
  return QScrollArea::eventFilter(Watched, Event);
}

void TColumnScrollArea::FitWidth() {
  const int Bar = verticalScrollBar()->isVisibleTo(this) ? verticalScrollBar()->sizeHint().width() : 0;
  setFixedWidth(widget()->minimumSizeHint().expandedTo(widget()->minimumSize()).width() + Bar);
}
